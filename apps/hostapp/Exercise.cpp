#include "hostapp/Exercise.h"

#include "hostapp/HostMainWindow.h"
#include "hostapp/PromptCatalog.h"
#include "referencehost/ReferenceHost.h"
#include "testing/PromptAnswers.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>

#include <cstdio>

namespace quarlin::hostapp {

int exercisePrompts()
{
    host::ReferenceHost::instance().loadSampleDataSet();
    HostMainWindow window;
    window.show();
    QApplication::processEvents();

    // Each prompt's answer as the catalog scripts it, and the plot action that asks the axis
    // prompt on a window the host closes from its OK.
    HostSession scripts;
    std::vector<PromptEntry> entries = promptCatalog(scripts);
    PromptEntry axesInNewWindow;
    axesInNewWindow.name = QStringLiteral("axesInNewWindow");
    axesInNewWindow.answer = [](testing::PromptAnswers& answers) { return answers.variables({"Y", "X"}); };
    axesInNewWindow.afterOk = QStringLiteral("set; the window closed");
    entries.push_back(axesInNewWindow);

    int failures = 0;
    QList<QAction*> actions;
    for (char const* const menu : {"promptsMenu", "plotMenu"})
        if (auto* const found = window.menuBar()->findChild<QMenu*>(QLatin1String(menu)))
            actions << found->actions();
    for (QAction* const action : actions) {
        QString const name = action->objectName();
        if (!name.endsWith(QLatin1String("Action")))
            continue; // separators, Quit and the actions that ask nothing
        auto const entry = std::find_if(entries.begin(), entries.end(), [&](PromptEntry const& e) {
            return e.name + QLatin1String("Action") == name;
        });
        std::string failure = entry == entries.end() ? "no scripted answer for this action" : "";
        int const before = window.outcomeCount();
        if (entry != entries.end()) {
            // Answered inside the prompt's own modal loop, or as a modeless one shows.
            testing::PromptAnswers answers(
                [&failure](std::string const& message, testing::CallSite const&) { failure = message; });
            entry->answer(answers);
            action->trigger();
        }
        bool const ok = failure.empty() && window.outcomeCount() == before + 1
                        && window.lastOutcome().contains(entry->afterOk);
        std::printf("%s %s: %s\n", ok ? "ok  " : "FAIL", qPrintable(name.chopped(6)),
                    qPrintable(window.lastOutcome()));
        if (!failure.empty())
            std::printf("     %s\n", failure.c_str());
        if (!ok)
            ++failures;
    }
    return failures;
}

} // namespace quarlin::hostapp
