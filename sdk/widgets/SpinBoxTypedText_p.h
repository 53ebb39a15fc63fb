#pragma once

#include "sdk/widgets/DeferredCommits_p.h"

#include <QAbstractSpinBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QString>

#include <functional>

namespace quarlin::ui::intern {

// What a person typed into a spin box, held until they settle on it (Enter, focus loss).
//
// Qt answers Enter on text its validator does not accept by going back, silently, to the value
// of the last acceptable keystroke or the one before: "2e150" in a field that ends at 1e150
// would become 2e15. The spin boxes therefore judge the text as typed, and either commit the
// value it stands for or refuse it with a reason; the value Qt fell back to is never sent.
class SpinBoxTypedText
{
public:
    using Settled = std::function<void(QString const& typed)>;

    SpinBoxTypedText(QAbstractSpinBox& spinBox, QLineEdit& edit, Settled settled)
        : m_settled(std::move(settled))
    {
        // Each keystroke would otherwise move the value (and what a step starts from) along
        // with the half-typed text.
        spinBox.setKeyboardTracking(false);
        // textEdited, unlike textChanged, fires for a person's typing only.
        QObject::connect(&edit, &QLineEdit::textEdited, &spinBox, [this](QString const& text) {
            m_typed = text;
            m_edited = true;
        });
        QObject::connect(&spinBox, &QAbstractSpinBox::editingFinished, &spinBox, [this, &spinBox] {
            if (!m_edited)
                return;
            if (spinBox.hasFocus()) {
                settle();
                return;
            }
            DeferredCommits::schedule(spinBox, [this] { settle(); });
        });
    }

    // The program showed a value, or a step committed one: nothing typed is pending.
    void forget() { m_edited = false; }

private:
    void settle()
    {
        if (!m_edited)
            return; // shown or stepped over since
        m_edited = false;
        auto const settled = m_settled; // a copy: the spin box may go while it runs
        settled(m_typed);
    }

    Settled m_settled;
    QString m_typed;
    bool m_edited = false;
};

// A spin box's text without the prefix and suffix it shows around the number.
inline QString withoutAffixes(QString text, QString const& prefix, QString const& suffix)
{
    if (!prefix.isEmpty() && text.startsWith(prefix))
        text.remove(0, prefix.size());
    if (!suffix.isEmpty() && text.endsWith(suffix))
        text.chop(suffix.size());
    return text;
}

// Why typed text was not taken, naming the range the field accepts.
inline QString refusalText(QString const& typed, QString const& lowest, QString const& highest)
{
    QString const range =
        QCoreApplication::translate("SpinBox", "a number from %1 to %2").arg(lowest, highest);
    if (typed.trimmed().isEmpty())
        return QCoreApplication::translate("SpinBox", "Enter %1.").arg(range);
    return QCoreApplication::translate("SpinBox", "\"%1\" is not %2.").arg(typed.trimmed(), range);
}

} // namespace quarlin::ui::intern
