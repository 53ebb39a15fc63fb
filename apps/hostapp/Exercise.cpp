#include "hostapp/Exercise.h"

#include "hostapp/HostMainWindow.h"
#include "sdk/host/ReferenceHost.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include <cstdio>

namespace quarlin::hostapp {

int exercisePrompts()
{
    host::ReferenceHost::instance().loadSampleDataSet();
    HostMainWindow window;
    window.show();
    QApplication::processEvents();

    int failures = 0;
    // Every prompt, and the plot actions that ask one.
    QList<QAction*> actions;
    for (char const* const menu : {"promptsMenu", "plotMenu"})
        if (auto* const found = window.menuBar()->findChild<QMenu*>(QLatin1String(menu)))
            actions << found->actions();
    for (QAction* const action : actions) {
        QString const name = action->objectName();
        if (!name.endsWith(QLatin1String("Action")))
            continue; // separators, Quit and the actions that ask nothing
        QString const formName = action->property("formName").toString();
        QString opened;
        int const before = window.outcomeCount();
        {
            // Runs inside the prompt's modal loop, once it is up. A modeless prompt returns at
            // once and the call never comes: it goes with its context.
            QObject context;
            QTimer::singleShot(0, &context, [&opened] {
                if (QWidget* const modal = QApplication::activeModalWidget()) {
                    opened = modal->objectName();
                    QMetaObject::invokeMethod(modal, "accept");
                }
            });
            action->trigger();
        }
        if (opened.isEmpty())
            for (QWidget* const shown : QApplication::topLevelWidgets())
                if (shown->isVisible() && !shown->isModal() && shown->objectName() == formName) {
                    opened = formName; // open beside the window; a person closes it
                    shown->close();
                }
        bool const ok = opened == formName && window.outcomeCount() == before + 1;
        std::printf("%s %s: %s\n", ok ? "ok  " : "FAIL", qPrintable(name.chopped(6)),
                    qPrintable(window.lastOutcome()));
        if (!ok)
            ++failures;
    }
    return failures;
}

} // namespace quarlin::hostapp
