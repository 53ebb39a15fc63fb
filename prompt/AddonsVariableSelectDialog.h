#pragma once

#include "property/PropertyAbstract.h"
#include "quarlin_prompt_export.h"
#include "sdk/dialogs/QtDialogAbstract.h"

#include <boost/shared_ptr.hpp>

#include <memory>
#include <string>
#include <vector>

namespace quarlin::dialogs::prompt {

/// The three-variable prompt for add-ons: the combo boxes edit the add-on's own properties
/// directly (no undo step, nothing written to the host), and the add-on reads them when the
/// dialog has closed. A row shows for each non-null label; the bindings of hidden rows stay.
class QUARLIN_PROMPT_EXPORT AddonsVariableSelectDialog : public common::QtDialogAbstract
{
    Q_OBJECT

public:
    /// The first call builds the dialog (separately from VariableSelectDialog's); while it
    /// lives, later calls return it and ignore every argument. Throws std::out_of_range
    /// ("invalid vector subscript") when every label is null. Texts are UTF-8.
    static AddonsVariableSelectDialog& getInstance(QWidget& parent, char const* instructions,
                                                   char const* label1, char const* label2, char const* label3,
                                                   boost::shared_ptr<PropertyAbstract<int>> var1,
                                                   boost::shared_ptr<PropertyAbstract<int>> var2,
                                                   boost::shared_ptr<PropertyAbstract<int>> var3);
    /// Relevant while a data set exists.
    static sdk::ui::propertymanager::RelevancePtr relevance();

    ~AddonsVariableSelectDialog() override;

private:
    AddonsVariableSelectDialog(QWidget& parent, boost::shared_ptr<PropertyAbstract<int>> var1,
                               boost::shared_ptr<PropertyAbstract<int>> var2,
                               boost::shared_ptr<PropertyAbstract<int>> var3, std::string const& instructions,
                               std::vector<std::string> const& labels);

    class Impl;
    std::unique_ptr<Impl> m_impl; ///< owned: form, model, bindings

    static AddonsVariableSelectDialog* m_dialogInstance; ///< not owned: the Qt parent owns the dialog
};

} // namespace quarlin::dialogs::prompt
