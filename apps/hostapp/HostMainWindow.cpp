#include "hostapp/HostMainWindow.h"

#include "hostapp/BindingsPage.h"
#include "hostapp/HostStatePanel.h"
#include "hostapp/ReferenceLoaders.h"
#include "hostapp/RememberedLoadersView.h"
#include "hostapp/StyleSettingsView.h"
#include "prompt/AxisVariableSelectDialog.h"
#include "prompt/ChooseLoaderDialog.h"
#include "prompt/VectorVarAssignStrategy.h"
#include "referencehost/ReferenceHost.h"
#include "sdk/dialogs/QtDialogAbstract.h"
#include "sdk/host/DataLoaderRepository.h"
#include "sdk/host/QrnUtil.h"

#include <QApplication>
#include <QDateTime>
#include <QDockWidget>
#include <QFileDialog>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTabWidget>

namespace quarlin::hostapp {

namespace {

QString messageKind(MessageBoxType_e type)
{
    switch (type) {
    case MessageBoxType_Error: return QStringLiteral("error");
    case MessageBoxType_Warning: return QStringLiteral("warning");
    case MessageBoxType_Information: return QStringLiteral("information");
    default: return QStringLiteral("message");
    }
}

} // namespace

HostMainWindow::HostMainWindow(QWidget* parent)
    : QMainWindow(parent)
    , m_prompts(promptCatalog(m_session))
    , m_outcomes(new QPlainTextEdit(this))
    , m_activity(new QListWidget)
    , m_rememberedLoaders(nullptr)
{
    setObjectName(QStringLiteral("hostMainWindow"));
    setWindowTitle(tr("Quarlin Prompt reference host"));
    m_outcomes->setReadOnly(true);
    m_outcomes->setPlaceholderText(
        tr("Choose a prompt from the Prompts menu; what it gives back appears here."));
    auto* const pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("hostPages"));
    pages->addTab(m_outcomes, tr("&Outcomes"));
    pages->addTab(new BindingsPage(pages), tr("&Bindings"));
    pages->addTab(new StyleSettingsView(pages), tr("&Style settings"));
    m_rememberedLoaders = new RememberedLoadersView(pages);
    pages->addTab(m_rememberedLoaders, tr("&Remembered loaders"));
    setCentralWidget(pages);

    QMenu* const file = menuBar()->addMenu(tr("&File"));
    QAction* const open = file->addAction(tr("&Open Data..."), this, [this] {
        QString const fileName = QFileDialog::getOpenFileName(this, tr("Open Data"));
        if (!fileName.isEmpty())
            record(openDataFile(fileName));
    });
    open->setObjectName(QStringLiteral("openDataAction"));
    open->setShortcut(QKeySequence::Open);

    QMenu* const edit = menuBar()->addMenu(tr("&Edit"));
    QAction* const undo = edit->addAction(tr("&Undo"), this, [this] {
        record(host::ReferenceHost::instance().undo() ? tr("Undo: the last style step is reverted")
                                                      : tr("Undo: nothing to undo"));
    });
    undo->setObjectName(QStringLiteral("undoAction"));
    undo->setShortcut(QKeySequence::Undo);

    QMenu* const prompts = menuBar()->addMenu(tr("&Prompts"));
    prompts->setObjectName(QStringLiteral("promptsMenu"));
    for (PromptEntry const& entry : m_prompts) {
        QAction* const action = prompts->addAction(entry.menuText);
        action->setObjectName(entry.name + QStringLiteral("Action"));
        action->setProperty("formName", entry.formName);
        connect(action, &QAction::triggered, this, [this, &entry] { runPrompt(entry); });
    }
    prompts->addSeparator();
    prompts->addAction(tr("&Quit"), qApp, &QApplication::quit, QKeySequence::Quit);

    // What a host offers its users over the prompts' geometry memory.
    QMenu* const settings = menuBar()->addMenu(tr("&Settings"));
    QAction* const remember = settings->addAction(tr("&Remember Dialog Sizes"));
    remember->setObjectName(QStringLiteral("rememberGeometryAction"));
    remember->setCheckable(true);
    remember->setChecked(dialogs::common::QtDialogAbstract::isGeometryMemoryEnabled());
    connect(remember, &QAction::toggled, this, [this](bool on) {
        dialogs::common::QtDialogAbstract::setGeometryMemoryEnabled(on);
        record(on ? tr("Dialog sizes: remembered") : tr("Dialog sizes: not remembered"));
    });
    QAction* const forget = settings->addAction(tr("&Forget Dialog Sizes"), this, [this] {
        dialogs::common::QtDialogAbstract::forgetRememberedGeometries();
        record(tr("Dialog sizes: forgotten; every prompt opens at its own size"));
    });
    forget->setObjectName(QStringLiteral("forgetGeometryAction"));

    // How a host switches the vector layer on: ask for variables only when it must.
    QMenu* const plot = menuBar()->addMenu(tr("P&lot"));
    plot->setObjectName(QStringLiteral("plotMenu"));
    plot->addAction(tr("Show &Vectors"), this, [this] {
        bool const on = dialogs::prompt::VectorVarAssignStrategy(*this)(QrnUtilFrameGetPlotType());
        if (on)
            host::ReferenceHost::instance().styleStore().change(host::StyleKey{{"FieldLayers", "ShowVector"}},
                                                                true);
        record(on ? tr("Vectors: shown") : tr("Vectors: not shown"));
    });
    // A host that opens a plot window for a question and closes it from the work it hands the
    // prompt: the axis prompt is that window's child and goes with it, inside its own OK.
    QAction* const axesWindow = plot->addAction(tr("Axes in a New &Window..."), this, [this] {
        QPointer<QWidget> const document = new QWidget(this, Qt::Window);
        document->setWindowTitle(tr("Plot window"));
        document->resize(360, 240);
        document->show();
        QPointer<dialogs::prompt::VariableSelectDialog> axes =
            &dialogs::prompt::AxisVariableSelectDialog::getInstance(*document);
        if (axes->parentWidget() != document) { // one left over from another window
            delete axes.data();
            axes = &dialogs::prompt::AxisVariableSelectDialog::getInstance(*document);
        }
        axes->setPostAssignmentAction([document] { delete document.data(); });
        axes->launch();
        record(document ? tr("Axes in a new window: cancelled")
                        : tr("Axes in a new window: set; the window closed"));
        delete document.data();
    });
    axesWindow->setObjectName(QStringLiteral("axesInNewWindowAction"));
    axesWindow->setProperty("formName", QStringLiteral("VariableSelectDialog"));

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
        m_activity->addItem(
            tr("Message (%1): %2").arg(messageKind(message.type), QString::fromStdString(message.text)));
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
    m_rememberedLoaders->refresh();
}

QString HostMainWindow::openDataFile(QString const& fileName)
{
    QString const outcome = hostapp::openDataFile(*this, fileName);
    m_rememberedLoaders->refresh(); // the chooser may have remembered a loader
    return outcome;
}

void HostMainWindow::record(QString const& line)
{
    ++m_outcomeCount;
    m_lastOutcome = line;
    m_outcomes->appendPlainText(
        QStringLiteral("%1  %2").arg(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")), line));
}

} // namespace quarlin::hostapp
