#pragma once

#include "quarlin_prompt_export.h"
#include "sdk/dialogs/QtDialogAbstract.h"

#include <QString>

#include <memory>
#include <string>

namespace Ui {
class EnterTextString;
}

namespace quarlin::dialogs::prompt {

/// Asks for one line of free text. The caller constructs it, launches it and reads text().
/// OK is enabled from the start, whatever the initial text, and from the first edit on follows
/// whether the line is empty (blanks count as text).
class QUARLIN_PROMPT_EXPORT EnterTextStringDialog : public common::QtDialogAbstract
{
    Q_OBJECT

public:
    /// An empty prompt keeps the form's label; an empty help topic installs no help.
    EnterTextStringDialog(QWidget& parent, QString const& prompt, QString const& initialText,
                          QString const& helpTopic, bool unused = false);
    ~EnterTextStringDialog() override;

    /// Exactly as typed, blanks included.
    QString text() const;
    /// Caption of the OK button, read as UTF-8.
    void setOkButtonText(std::string const& caption);

private Q_SLOTS:
    void textChanged(QString const& text);

private:
    std::unique_ptr<Ui::EnterTextString> m_ui; ///< owned form; its widgets belong to this dialog
};

} // namespace quarlin::dialogs::prompt
