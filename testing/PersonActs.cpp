#include "testing/PersonActs_p.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

namespace quarlin::testing::detail {

namespace {

QString withoutMnemonic(QString text)
{
    text.replace(QLatin1String("&&"), QLatin1String("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text.trimmed();
}

// A key as a keyboard sends it for one character of text: the letter's key code where Qt has
// one, the text always, so characters outside Latin-1 arrive as typed.
void typeCharacter(QWidget& widget, QString const& character)
{
    QChar const first = character.at(0);
    Qt::Key key = Qt::Key_unknown;
    if (first.unicode() < 0x80 && first.isLetterOrNumber())
        key = static_cast<Qt::Key>(first.toUpper().unicode());
    else if (first == QLatin1Char(' '))
        key = Qt::Key_Space;
    QTest::sendKeyEvent(QTest::Click, &widget, key, character, Qt::NoModifier);
}

} // namespace

PersonActs::PersonActs(QDialog& prompt, std::vector<std::string> const& heard)
    : m_prompt(prompt)
    , m_heard(heard)
{}

QWidget& PersonActs::found(char const* objectName, QMetaObject const& type) const
{
    for (QWidget* const widget : m_prompt.findChildren<QWidget*>(QLatin1String(objectName)))
        if (widget->metaObject()->inherits(&type))
            return *widget;
    throw Refusal(std::string("the prompt has no ") + type.className() + " \"" + objectName
                  + "\" (its form changed?)");
}

bool PersonActs::showsName(QString const& shown, QString const& name)
{
    if (shown == name)
        return true;
    int const colon = shown.indexOf(QLatin1String(": "));
    bool numbered = false;
    shown.left(colon).toInt(&numbered);
    return colon > 0 && numbered && shown.mid(colon + 2) == name;
}

QString PersonActs::describe(QWidget const& widget)
{
    QString words;
    for (QLabel const* const label : widget.window()->findChildren<QLabel*>())
        if (label->buddy() == &widget)
            words = withoutMnemonic(label->text());
    if (words.isEmpty())
        if (auto const* const button = qobject_cast<QAbstractButton const*>(&widget))
            words = withoutMnemonic(button->text());
    if (words.isEmpty())
        words = widget.accessibleName();
    if (words.isEmpty())
        return widget.objectName();
    return QStringLiteral("\"%1\" (%2)").arg(words, widget.objectName());
}

void PersonActs::usable(QWidget const& widget) const
{
    // Keys and focus changes reach only the active window, and a person acts in the prompt. A
    // list's popup may have kept the activation where the platform (offscreen) does not move it.
    if (QApplication::activeWindow() != &m_prompt)
        QApplication::setActiveWindow(&m_prompt);
    if (!widget.isVisible())
        throw Refusal(describe(widget).toStdString() + " is not shown: a person could not use it");
    if (!widget.isEnabled())
        throw Refusal(describe(widget).toStdString() + " is greyed out: a person could not use it");
}

void PersonActs::settle() const
{
    // Twice: what runs once the loop turns (a commit) may defer one more step (its relevance).
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    if (!m_heard.empty())
        throw Refusal("the host's message box said \"" + m_heard.back() + "\"");
}

void PersonActs::type(QWidget& field, QString const& text)
{
    usable(field);
    auto* edit = qobject_cast<QLineEdit*>(&field);
    if (!edit)
        edit = field.findChild<QLineEdit*>();
    if (!edit)
        throw Refusal(describe(field).toStdString() + " takes no typing");
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keySequence(edit, QKeySequence::SelectAll);
    QTest::keyClick(edit, Qt::Key_Delete);
    for (int i = 0; i < text.size(); ++i) {
        int const length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        typeCharacter(*edit, text.mid(i, length));
        i += length - 1;
    }
    settle();
    QTest::keyClick(edit, Qt::Key_Tab); // on to the next field: the field commits as it loses the focus
    settle();
}

void PersonActs::choose(QComboBox& combo, QString const& text)
{
    usable(combo);
    int row = -1;
    for (int i = 0; row < 0 && i < combo.count(); ++i)
        if (showsName(combo.itemText(i), text))
            row = i;
    if (row < 0) {
        QStringList offered;
        for (int i = 0; i < combo.count() && i < 12; ++i)
            offered << QStringLiteral("\"%1\"").arg(combo.itemText(i));
        if (combo.count() > 12)
            offered << QStringLiteral("... (%1 in all)").arg(combo.count());
        throw Refusal(describe(combo).toStdString() + " offers no \"" + text.toStdString() + "\"; it offers "
                      + offered.join(QStringLiteral(", ")).toStdString());
    }
    QModelIndex const item = combo.model()->index(row, combo.modelColumn(), combo.rootModelIndex());
    if (!(item.flags() & Qt::ItemIsEnabled))
        throw Refusal(describe(combo).toStdString() + " shows \"" + text.toStdString()
                      + "\" greyed out: a person could not choose it");
    // As a click on the combo box: the focus comes to it, its list opens, Enter takes the row.
    combo.setFocus(Qt::MouseFocusReason);
    settle();
    combo.showPopup();
    QAbstractItemView* const view = combo.view();
    view->setCurrentIndex(item);
    QTest::keyClick(view, Qt::Key_Return);
    settle();
}

void PersonActs::pick(QAbstractItemView& view, QModelIndex const& row)
{
    usable(view);
    if (!(row.flags() & Qt::ItemIsEnabled) || !(row.flags() & Qt::ItemIsSelectable))
        throw Refusal(describe(view).toStdString() + " shows \"" + row.data().toString().toStdString()
                      + "\" as a row a person cannot choose");
    view.scrollTo(row);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, view.visualRect(row).center());
    settle();
}

void PersonActs::click(QAbstractButton& button)
{
    usable(button);
    // A radio button or check box takes a click on its indicator or text only, which a stretched
    // one does not have at its centre: a person clicks the indicator.
    QPoint where = button.rect().center();
    bool const radio = qobject_cast<QRadioButton*>(&button) != nullptr;
    if (radio || qobject_cast<QCheckBox*>(&button)) {
        QStyleOptionButton option;
        option.initFrom(&button);
        where = button.style()
                    ->subElementRect(radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator,
                                     &option, &button)
                    .center();
    }
    QTest::mouseClick(&button, Qt::LeftButton, Qt::NoModifier, where);
    settle();
}

void PersonActs::setChecked(QAbstractButton& button, bool checked)
{
    if (button.isChecked() != checked)
        click(button);
}

void PersonActs::finish(bool cancel)
{
    QAbstractButton* chosen = nullptr;
    QAbstractButton* closing = nullptr;
    for (QDialogButtonBox* const box : m_prompt.findChildren<QDialogButtonBox*>()) {
        if (box->window() != &m_prompt || !box->isVisible())
            continue;
        for (QAbstractButton* const button : box->buttons()) {
            QDialogButtonBox::ButtonRole const role = box->buttonRole(button);
            bool const accepting = role == QDialogButtonBox::AcceptRole || role == QDialogButtonBox::YesRole;
            bool const rejecting = role == QDialogButtonBox::RejectRole || role == QDialogButtonBox::NoRole;
            if (!chosen && accepting != cancel && (accepting || rejecting))
                chosen = button;
            if (!closing && rejecting)
                closing = button;
        }
    }
    if (!chosen)
        chosen = closing; // a prompt without OK ends with Close
    if (!chosen)
        throw Refusal("the prompt has no button to end it with");
    QPointer<QDialog> const prompt(&m_prompt);
    click(*chosen);
    if (prompt && prompt->isVisible())
        throw Refusal(describe(*chosen).toStdString() + " left the prompt open");
}

} // namespace quarlin::testing::detail
