#pragma once

#include "quarlin_prompt_export.h"
#include "sdk/dialogs/QtDialogAbstract.h"
#include "sdk/host/Platform.h"

#include <memory>
#include <string>

namespace quarlin::dialogs::prompt {

/// Asks for three whole numbers, by default begin, end and skip. Each value lives in a property
/// that its spin box edits; the accessors read the properties at the moment of the call, and
/// Cancel keeps what the spin boxes committed. Relevant while a data set exists.
class QUARLIN_PROMPT_EXPORT EnterThreeIntValuesDialog : public common::QtDialogAbstract
{
    Q_OBJECT

public:
    /// The first call builds the dialog; while it lives, later calls return it and ignore every
    /// argument. Labels and title are UTF-8; "&" in a label gives its spin box a shortcut. A
    /// minimum greater than 0 becomes that spin box's lower limit, otherwise -2147483646.
    static EnterThreeIntValuesDialog& getInstance(QWidget& parent, __int64 value1, __int64 value2,
                                                  __int64 value3, std::string const& title,
                                                  std::string const& helpTopic, std::string label1,
                                                  std::string label2, std::string label3, __int64 minimum1,
                                                  __int64 minimum2, __int64 minimum3);
    /// Relevant while a data set exists.
    static sdk::ui::propertymanager::RelevancePtr relevance();

    ~EnterThreeIntValuesDialog() override;

    /// The first value the dialog holds: the one passed, as the person changed it; read it after OK.
    __int64 value1() const;
    /// The second value, as value1().
    __int64 value2() const;
    /// The third value, as value1().
    __int64 value3() const;

private:
    EnterThreeIntValuesDialog(QWidget& parent, std::string const& title, std::string const& helpTopic,
                              __int64 value1, __int64 value2, __int64 value3, std::string label1,
                              std::string label2, std::string label3, __int64 minimum1, __int64 minimum2,
                              __int64 minimum3);

    class Impl;
    std::unique_ptr<Impl> m_impl; ///< owned: form, properties and bindings

    static EnterThreeIntValuesDialog* m_dialogInstance; ///< not owned: the Qt parent owns the dialog
};

} // namespace quarlin::dialogs::prompt
