#include "prompt/EnterTextStringDialog.h"

#include "sdk/dialogs/LaunchHelpAction_p.h"
#include "ui_EnterTextString.h"

#include <QPushButton>

namespace quarlin::dialogs::prompt {

namespace {
// Where the host's caption for OK is kept, beside the dialog's members.
char const* const okCaptionProperty = "quarlinOkCaption";
} // namespace

EnterTextStringDialog::EnterTextStringDialog(QWidget& parent, QString const& prompt,
                                             QString const& initialText, QString const& helpTopic,
                                             bool /*unused*/)
    : QtDialogAbstract(parent, {})
    , m_ui(std::make_unique<Ui::EnterTextString>())
{
    m_ui->setupUi(this);
    followLanguage([this, prompt] {
        m_ui->retranslateUi(this);
        if (!prompt.isEmpty())
            m_ui->EnterTextString_Label->setText(prompt); // keeps its buddy, so "&" still works
        // The button box names its buttons again on a change; a host's caption stays.
        QString const caption = property(okCaptionProperty).toString();
        if (!caption.isEmpty())
            if (QPushButton* const ok = m_ui->EnterTextString_buttonBox->button(QDialogButtonBox::Ok))
                ok->setText(caption);
    });
    m_ui->EnterTextString_lineEdit->setText(initialText);
    m_ui->EnterTextString_lineEdit->selectAll();
    if (!helpTopic.isEmpty())
        setHelpAction(new common::LaunchHelpAction(helpTopic.toStdString(), *this));
    // Connected after the initial text is in, so OK starts enabled even for an empty text.
    connect(m_ui->EnterTextString_lineEdit, &QLineEdit::textChanged, this,
            &EnterTextStringDialog::textChanged);
}

EnterTextStringDialog::~EnterTextStringDialog() = default;

QString EnterTextStringDialog::text() const
{
    return m_ui->EnterTextString_lineEdit->text();
}

void EnterTextStringDialog::setOkButtonText(std::string const& caption)
{
    setProperty(okCaptionProperty, QString::fromStdString(caption));
    if (QPushButton* const ok = m_ui->EnterTextString_buttonBox->button(QDialogButtonBox::Ok))
        ok->setText(QString::fromStdString(caption));
}

void EnterTextStringDialog::textChanged(QString const& /*text*/)
{
    // The line edit, not the argument, is the truth: a queued or stale call must not re-enable OK.
    if (QPushButton* const ok = m_ui->EnterTextString_buttonBox->button(QDialogButtonBox::Ok))
        ok->setEnabled(!m_ui->EnterTextString_lineEdit->text().isEmpty());
}

} // namespace quarlin::dialogs::prompt
