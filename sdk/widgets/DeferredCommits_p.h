#pragma once

#include <QObject>

#include <functional>

namespace quarlin::ui::intern {

// Commits of a person's act that Qt reports from inside its own work: a field's focus loss (Qt
// tells the field that loses the focus from inside the focus change, and goes on using the widget
// that takes it) and a combo box's choice (Qt goes on emitting signals of the combo box after
// the one the binding hears). Such a commit calls the host (the write, a refusal's message), and
// a host that answers by closing the window would pull those widgets from under Qt. So the commit
// runs once Qt is done: at the next turn of the event loop, before any later input, or sooner
// when a dialog finishes or a button acts (flush), so that OK, Cancel and an action find the
// fields committed as before. A commit whose owner is gone by then is dropped.
class DeferredCommits
{
public:
    // One pending commit per owner: one asked for before the last ran replaces it.
    static void schedule(QObject& owner, std::function<void()> commit);
    static void flush();
};

} // namespace quarlin::ui::intern
