#include "hostapp/HostMainWindow.h"

#include "hostapp/BindingsPage.h"
#include "hostapp/FollowLanguage.h"
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

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDockWidget>
#include <QFileDialog>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSettings>
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
    m_outcomes->setObjectName(QStringLiteral("outcomesLog"));
    m_outcomes->setReadOnly(true);
    m_activity->setObjectName(QStringLiteral("activityList"));
    auto* const pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("hostPages"));
    pages->addTab(m_outcomes, {});
    pages->addTab(new BindingsPage(pages), {});
    pages->addTab(new StyleSettingsView(pages), {});
    m_rememberedLoaders = new RememberedLoadersView(pages);
    pages->addTab(m_rememberedLoaders, {});
    setCentralWidget(pages);

    QMenu* const file = menuBar()->addMenu(QString());
    file->setObjectName(QStringLiteral("fileMenu"));
    QAction* const open = file->addAction(QString(), this, [this] {
        QString const fileName = QFileDialog::getOpenFileName(this, tr("Open Data"));
        if (!fileName.isEmpty())
            record(openDataFile(fileName));
    });
    open->setObjectName(QStringLiteral("openDataAction"));
    open->setShortcut(QKeySequence::Open);
    file->addSeparator();
    QAction* const quit =
        file->addAction(QString(), qApp, &QApplication::closeAllWindows, QKeySequence::Quit);
    quit->setObjectName(QStringLiteral("quitAction"));

    QMenu* const edit = menuBar()->addMenu(QString());
    edit->setObjectName(QStringLiteral("editMenu"));
    QAction* const undo = edit->addAction(QString(), this, [this] {
        record(host::ReferenceHost::instance().undo() ? tr("Undo: the last style step is reverted")
                                                      : tr("Undo: nothing to undo"));
    });
    undo->setObjectName(QStringLiteral("undoAction"));
    undo->setShortcut(QKeySequence::Undo);

    QMenu* const prompts = menuBar()->addMenu(QString());
    prompts->setObjectName(QStringLiteral("promptsMenu"));
    std::vector<QAction*> promptActions;
    for (PromptEntry const& entry : m_prompts) {
        QAction* const action = prompts->addAction(entry.menuText);
        action->setObjectName(entry.name + QStringLiteral("Action"));
        action->setProperty("formName", entry.formName);
        connect(action, &QAction::triggered, this, [this, &entry] { runPrompt(entry); });
        promptActions.push_back(action);
    }

    // What a host offers its users over the prompts' geometry memory, and their language.
    QMenu* const settings = menuBar()->addMenu(QString());
    settings->setObjectName(QStringLiteral("settingsMenu"));
    QAction* const remember = settings->addAction(QString());
    remember->setObjectName(QStringLiteral("rememberGeometryAction"));
    remember->setCheckable(true);
    remember->setChecked(dialogs::common::QtDialogAbstract::isGeometryMemoryEnabled());
    connect(remember, &QAction::toggled, this, [this](bool on) {
        dialogs::common::QtDialogAbstract::setGeometryMemoryEnabled(on);
        record(on ? tr("Dialog sizes: remembered") : tr("Dialog sizes: not remembered"));
    });
    QAction* const forget = settings->addAction(QString(), this, [this] {
        dialogs::common::QtDialogAbstract::forgetRememberedGeometries();
        record(tr("Dialog sizes: forgotten; every prompt opens at its own size"));
    });
    forget->setObjectName(QStringLiteral("forgetGeometryAction"));
    QMenu* const language = settings->addMenu(QString());
    language->setObjectName(QStringLiteral("languageMenu"));
    auto* const languages = new QActionGroup(language);
    // Each language by its own name, as a person looks for it.
    for (auto const& [text, locale] : {std::pair{QStringLiteral("&English"), QLocale(QLocale::English)},
                                       std::pair{QStringLiteral("&Deutsch"), QLocale(QLocale::German)}}) {
        QAction* const choice = language->addAction(text);
        choice->setObjectName(QStringLiteral("language_%1Action").arg(locale.name().left(2)));
        choice->setCheckable(true);
        choice->setData(locale.name().left(2));
        choice->setActionGroup(languages);
        connect(choice, &QAction::triggered, this, [this, locale = locale] { setLanguage(locale); });
    }

    // How a host switches the vector layer on: ask for variables only when it must.
    QMenu* const plot = menuBar()->addMenu(QString());
    plot->setObjectName(QStringLiteral("plotMenu"));
    QAction* const vectors = plot->addAction(QString(), this, [this] {
        bool const on = dialogs::prompt::VectorVarAssignStrategy(*this)(QrnUtilFrameGetPlotType());
        if (on)
            host::ReferenceHost::instance().styleStore().change(host::StyleKey{{"FieldLayers", "ShowVector"}},
                                                                true);
        record(on ? tr("Vectors: shown") : tr("Vectors: not shown"));
    });
    // A host that opens a plot window for a question and closes it from the work it hands the
    // prompt: the axis prompt is that window's child and goes with it, inside its own OK.
    QAction* const axesWindow = plot->addAction(QString(), this, [this] {
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

    auto* const stateDock = new QDockWidget(this);
    stateDock->setObjectName(QStringLiteral("hostStateDock"));
    stateDock->setWidget(new HostStatePanel(stateDock));
    addDockWidget(Qt::RightDockWidgetArea, stateDock);

    auto* const activityDock = new QDockWidget(this);
    activityDock->setObjectName(QStringLiteral("libraryActivityDock"));
    activityDock->setWidget(m_activity);
    addDockWidget(Qt::RightDockWidgetArea, activityDock);

    followLanguage(*this, [=] {
        setWindowTitle(tr("Quarlin Prompt reference host"));
        m_outcomes->setPlaceholderText(
            tr("Choose a prompt from the Prompts menu; what it gives back appears here."));
        m_outcomes->setAccessibleName(tr("Outcomes"));
        m_activity->setAccessibleName(tr("Library activity"));
        pages->setTabText(0, tr("&Outcomes"));
        pages->setTabText(1, tr("&Bindings"));
        pages->setTabText(2, tr("St&yle settings"));
        pages->setTabText(3, tr("&Remembered loaders"));
        file->setTitle(tr("&File"));
        open->setText(tr("&Open Data..."));
        quit->setText(tr("&Quit"));
        edit->setTitle(tr("&Edit"));
        undo->setText(tr("&Undo"));
        prompts->setTitle(tr("&Prompts"));
        // The catalog names its prompts in the language of the moment; its order is the menu's.
        HostSession names;
        std::vector<PromptEntry> const renamed = promptCatalog(names);
        for (std::size_t i = 0; i < promptActions.size() && i < renamed.size(); ++i)
            promptActions[i]->setText(renamed[i].menuText);
        settings->setTitle(tr("&Settings"));
        remember->setText(tr("&Remember Dialog Sizes"));
        forget->setText(tr("&Forget Dialog Sizes"));
        language->setTitle(tr("&Language"));
        QString const spoken =
            QLocale().language() == QLocale::German ? QStringLiteral("de") : QStringLiteral("en");
        for (QAction* const choice : languages->actions())
            choice->setChecked(choice->data().toString() == spoken);
        plot->setTitle(tr("P&lot"));
        vectors->setText(tr("Show &Vectors"));
        axesWindow->setText(tr("Axes in a New &Window..."));
        stateDock->setWindowTitle(tr("Host state"));
        activityDock->setWindowTitle(tr("Library activity"));
    });

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

void HostMainWindow::setLanguage(QLocale const& locale)
{
    QLocale::setDefault(locale);
    installTranslations(locale);
    if (m_settings)
        m_settings->setValue(QStringLiteral("language"), locale.name().left(2));
    record(tr("Language: %1").arg(locale.nativeLanguageName()));
}

void HostMainWindow::rememberLayoutIn(QSettings& settings)
{
    m_settings = &settings;
    restoreGeometry(settings.value(QStringLiteral("window/geometry")).toByteArray());
    restoreState(settings.value(QStringLiteral("window/state")).toByteArray());
}

void HostMainWindow::closeEvent(QCloseEvent* event)
{
    if (m_settings) {
        m_settings->setValue(QStringLiteral("window/geometry"), saveGeometry());
        m_settings->setValue(QStringLiteral("window/state"), saveState());
    }
    QMainWindow::closeEvent(event);
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
