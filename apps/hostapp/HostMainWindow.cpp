#include "hostapp/HostMainWindow.h"

#include "hostapp/BindingsPage.h"
#include "hostapp/HostStatePanel.h"
#include "hostapp/StyleSettingsView.h"
#include "prompt/VectorVarAssignStrategy.h"
#include "sdk/host/QrnUtil.h"
#include "sdk/host/ReferenceHost.h"

#include <QApplication>
#include <QDateTime>
#include <QDockWidget>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTabWidget>

namespace quarlin::hostapp {

namespace {

QString messageKind(MessageBoxType_e type)
{
    switch (type) {
    case MessageBoxType_Error:
        return QStringLiteral("error");
    case MessageBoxType_Warning:
        return QStringLiteral("warning");
    case MessageBoxType_Information:
        return QStringLiteral("information");
    default:
        return QStringLiteral("message");
    }
}

} // namespace

HostMainWindow::HostMainWindow(QWidget* parent)
    : QMainWindow(parent)
    , m_prompts(promptCatalog(m_session))
    , m_outcomes(new QPlainTextEdit(this))
    , m_activity(new QListWidget)
{
    setObjectName(QStringLiteral("hostMainWindow"));
    setWindowTitle(tr("Quarlin Prompt reference host"));
    m_outcomes->setReadOnly(true);
    m_outcomes->setPlaceholderText(tr("Choose a prompt from the Prompts menu; what it gives back appears here."));
    auto* const pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("hostPages"));
    pages->addTab(m_outcomes, tr("&Outcomes"));
    pages->addTab(new BindingsPage(pages), tr("&Bindings"));
    pages->addTab(new StyleSettingsView(pages), tr("&Style settings"));
    setCentralWidget(pages);

    QMenu* const edit = menuBar()->addMenu(tr("&Edit"));
    QAction* const undo = edit->addAction(tr("&Undo"), this, [this] {
        record(host::ReferenceHost::instance().undo() ? tr("Undo: the last style step is reverted")
                                                      : tr("Undo: nothing to undo"));
    });
    undo->setObjectName(QStringLiteral("undoAction"));
    undo->setShortcut(QKeySequence::Undo);

    QMenu* const prompts = menuBar()->addMenu(tr("&Prompts"));
    for (PromptEntry const& entry : m_prompts) {
        QAction* const action = prompts->addAction(entry.menuText);
        action->setObjectName(entry.name + QStringLiteral("Action"));
        action->setProperty("formName", entry.formName);
        connect(action, &QAction::triggered, this, [this, &entry] { runPrompt(entry); });
    }
    prompts->addSeparator();
    prompts->addAction(tr("&Quit"), qApp, &QApplication::quit, QKeySequence::Quit);

    // How a host switches the vector layer on: ask for variables only when it must.
    QMenu* const plot = menuBar()->addMenu(tr("P&lot"));
    plot->addAction(tr("Show &Vectors"), this, [this] {
        bool const on = dialogs::prompt::VectorVarAssignStrategy(*this)(QrnUtilFrameGetPlotType());
        if (on)
            host::ReferenceHost::instance().styleStore().change(host::StyleKey{{"FieldLayers", "ShowVector"}}, true);
        record(on ? tr("Vectors: shown") : tr("Vectors: not shown"));
    });

    auto* const stateDock = new QDockWidget(tr("Host state"), this);
    stateDock->setObjectName(QStringLiteral("hostStateDock"));
    stateDock->setWidget(new HostStatePanel(stateDock));
    addDockWidget(Qt::RightDockWidgetArea, stateDock);

    auto* const activityDock = new QDockWidget(tr("Library activity"), this);
    activityDock->setObjectName(QStringLiteral("libraryActivityDock"));
    activityDock->setWidget(m_activity);
    addDockWidget(Qt::RightDockWidgetArea, activityDock);

    auto& host = host::ReferenceHost::instance();
    m_messageConnection = host.messagePosted.connect([this](host::HostMessage const& message) {
        m_activity->addItem(tr("Message (%1): %2").arg(messageKind(message.type), QString::fromStdString(message.text)));
        m_activity->scrollToBottom();
    });
    m_helpConnection = host.helpShown.connect([this](std::string const& topic) {
        m_activity->addItem(tr("Help topic: %1").arg(QString::fromStdString(topic)));
        m_activity->scrollToBottom();
    });
    resize(900, 560);
}

void HostMainWindow::runPrompt(PromptEntry const& entry)
{
    record(entry.run(*this));
}

void HostMainWindow::record(QString const& line)
{
    ++m_outcomeCount;
    m_lastOutcome = line;
    m_outcomes->appendPlainText(QStringLiteral("%1  %2").arg(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")), line));
}

} // namespace quarlin::hostapp
