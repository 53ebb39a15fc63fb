#include "sdk/dialogs/LaunchHelpAction_p.h"

#include "sdk/exception/ExceptionBoundary.h"
#include "sdk/host/QrnUtil.h"

#include <QCoreApplication>
#include <QIcon>

namespace quarlin::dialogs::common {

LaunchHelpAction::LaunchHelpAction(std::string const& helpTopic, QObject& parent)
    : QAction(&parent)
    , m_helpTopic(helpTopic)
{
    setObjectName(QStringLiteral("LaunchHelpAction"));
    retranslate();
    setIcon(QIcon(QStringLiteral(":/help.svg")));
    setShortcut(QKeySequence(Qt::Key_F1));
    // F1 reaches the action from any widget of the window it is added to, and no further.
    setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(this, &QAction::triggered, this, [this] {
        // The host may close the window, and this action with it, before its help returns: the
        // topic it reads is a copy.
        std::string const topic = m_helpTopic;
        runAtBoundary([&topic] { QrnUtilHelpShowTopic(topic.c_str()); });
    });
}

LaunchHelpAction::~LaunchHelpAction() = default;

void LaunchHelpAction::retranslate()
{
    setText(QCoreApplication::translate("LaunchHelpAction", "&Help"));
}

} // namespace quarlin::dialogs::common
