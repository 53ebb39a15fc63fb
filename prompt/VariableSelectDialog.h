#pragma once

#include "property/PropertyAbstract.h"
#include "quarlin_prompt_export.h"
#include "sdk/dialogs/QtDialogAbstract.h"
#include "sdk/host/StringList.h"

#include <boost/function.hpp>

#include <memory>
#include <string>
#include <vector>

namespace quarlin::dialogs::prompt {

/// Assigns two or three variables of the data set to style settings of the host (the axes'
/// variables, the vector components, the colour channels), one combo box each over the
/// variables the active frame has enabled. Edits stay in the dialog until OK, which writes them
/// under one lock as one undo step, runs the post-assignment action inside that step and closes
/// the dialog; a setting the host refuses keeps the dialog open with the host's message, the
/// step closed and the settings written before it kept. Cancel writes nothing.
///
/// Built and configured by the first getInstance (usually through the axis, vector or RGB front
/// class); later calls return it unchanged until it is destroyed.
class QUARLIN_PROMPT_EXPORT VariableSelectDialog : public common::QtDialogAbstract
{
    Q_OBJECT

public:
    /// Proposes the variables a dialog opens with; nothing reaches the host until OK.
    class QUARLIN_PROMPT_EXPORT DefaultVarAssignmentInterface
    {
    public:
        virtual ~DefaultVarAssignmentInterface();
        /// Sets the variables the dialog proposes (1-based numbers, 0 for none) into the three row
        /// properties; leaving a property alone keeps the host's current variable. Called when the dialog is
        /// configured, and again through clone() when the data set changes under it.
        virtual void assignDefaults(PropertyAbstract<int>& first, PropertyAbstract<int>& second,
                                    PropertyAbstract<int>& third) const = 0;
        /// A copy the dialog keeps to propose again when the data set loses a shown variable
        /// while it is open. None (the default): such a variable falls back to the first listed.
        virtual std::unique_ptr<DefaultVarAssignmentInterface> clone() const;
    };

    /// var3Path empty: a two-variable dialog, whose third row stays hidden. labels are UTF-8,
    /// one per shown row; "&" gives the combo box a shortcut.
    static VariableSelectDialog&
    getInstance(QWidget& parent, toolbox::StringList const& var1Path, toolbox::StringList const& var2Path,
                toolbox::StringList const& var3Path, std::string const& instructions,
                std::vector<std::string> const& labels, DefaultVarAssignmentInterface const& defaults);
    /// Relevant while a data set exists.
    static sdk::ui::propertymanager::RelevancePtr relevance();

    ~VariableSelectDialog() override;

    /// Shows the texts and runs the dialog. Throws std::out_of_range ("invalid vector subscript"),
    /// before showing anything, when there are fewer labels than rows.
    void launch() override;

    /// Runs inside the undo step of OK, after the assignments; replaces an earlier action.
    void setPostAssignmentAction(boost::function<void()> action);

private Q_SLOTS:
    void accept() override;

private:
    VariableSelectDialog(QWidget& parent, toolbox::StringList const& var1Path,
                         toolbox::StringList const& var2Path, toolbox::StringList const& var3Path,
                         std::string const& instructions, std::vector<std::string> const& labels,
                         DefaultVarAssignmentInterface const& defaults);
    void fitToTexts();

    class Impl;
    std::unique_ptr<Impl> m_impl; ///< owned: form, model, properties, bindings

    static VariableSelectDialog* m_dialogInstance; ///< not owned: the Qt parent owns the dialog
};

} // namespace quarlin::dialogs::prompt
