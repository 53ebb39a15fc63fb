#pragma once

#include <QString>

#include <stdexcept>
#include <string>
#include <vector>

class QAbstractButton;
class QAbstractItemView;
class QComboBox;
class QDialog;
class QModelIndex;
class QWidget;

namespace quarlin::testing::detail {

// What a person could not have done, or what the prompt or the host refused; the answer stops.
class Refusal : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// A person's acts on the real widgets of a shown prompt: a click, keys, a choice from a list,
// each reaching the widget as Qt's input does (focus moves, the event loop turns between acts).
// Each act first checks that a person could do it, and then that the host said nothing: a
// message in the host's message box ends the answer with that message.
class PersonActs
{
public:
    PersonActs(QDialog& prompt, std::vector<std::string> const& heard);

    QDialog& prompt() const { return m_prompt; }

    // The prompt's widget of this object name, of this type: a form that lost it fails.
    template <class Widget>
    Widget& find(char const* objectName) const
    {
        return static_cast<Widget&>(found(objectName, Widget::staticMetaObject));
    }

    // Clicks into the field, selects what it shows, types text and leaves with Tab.
    void type(QWidget& field, QString const& text);
    // Chooses the entry showing text from the combo box's list, as from its popup.
    void choose(QComboBox& combo, QString const& text);
    // Clicks the row of the list.
    void pick(QAbstractItemView& view, QModelIndex const& row);
    void click(QAbstractButton& button);
    // Clicks a toggle where it is not already as wanted.
    void setChecked(QAbstractButton& button, bool checked);
    // Presses OK (or the accepting button), or Cancel (or Close); the prompt must then close.
    void finish(bool cancel);

    // Whether a list entry shows name, alone or numbered as the library's numbered lists show
    // it ("3: Temperature"): the name alone is what a person looks for.
    static bool showsName(QString const& shown, QString const& name);

    // The words a person would use for a widget: its label, accessible name or text.
    static QString describe(QWidget const& widget);

private:
    QWidget& found(char const* objectName, QMetaObject const& type) const;
    void usable(QWidget const& widget) const;
    // The event loop turns, as between two acts of a person; then what the host said counts.
    void settle() const;

    QDialog& m_prompt;
    std::vector<std::string> const& m_heard;
};

} // namespace quarlin::testing::detail
