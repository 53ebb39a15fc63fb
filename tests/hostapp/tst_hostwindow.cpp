// The reference app's window and every prompt as a keyboard user and a screen reader meet them,
// in English and in German, and the window following a language switch.
#include "testsupport/TestSupport.h"

#include "hostapp/HostMainWindow.h"
#include "hostapp/PromptCatalog.h"
#include "hostapp/ReferenceLoaders.h"
#include "referencehost/ReferenceHost.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDockWidget>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScopeGuard>
#include <QSettings>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <map>

using quarlin::hostapp::HostMainWindow;
using quarlin::hostapp::HostSession;

namespace {

QLocale const english(QLocale::English), german(QLocale::German);

void noClash(QStringList& failures, std::map<QChar, QString>& taken, QString const& text,
             QString const& where)
{
    QChar const key = quarlin::test::accessKey(text);
    if (key.isNull())
        return;
    if (auto const at = taken.find(key); at != taken.end())
        failures << QStringLiteral("%1: \"%2\" and \"%3\" share Alt+%4").arg(where, at->second, text, key);
    else
        taken[key] = text;
}

// Alt+letter reaches one thing in a window (its menu bar's titles, labels with a buddy, buttons,
// group boxes, tabs), and one thing in each menu.
QStringList accessKeyClashes(QWidget& window)
{
    QStringList failures;
    std::map<QChar, QString> taken;
    QString const where = window.objectName();
    for (QWidget* const widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window) || widget->window() != &window)
            continue;
        if (auto* const bar = qobject_cast<QMenuBar*>(widget))
            for (QAction* const action : bar->actions())
                noClash(failures, taken, action->text(), where);
        else if (auto* const label = qobject_cast<QLabel*>(widget); label && label->buddy())
            noClash(failures, taken, label->text(), where);
        else if (auto* const button = qobject_cast<QAbstractButton*>(widget))
            noClash(failures, taken, button->text(), where);
        else if (auto* const group = qobject_cast<QGroupBox*>(widget))
            noClash(failures, taken, group->title(), where);
        else if (auto* const tabs = qobject_cast<QTabBar*>(widget))
            for (int i = 0; i < tabs->count(); ++i)
                noClash(failures, taken, tabs->tabText(i), where);
    }
    for (QMenu* const menu : window.findChildren<QMenu*>()) {
        std::map<QChar, QString> inMenu;
        for (QAction* const action : menu->actions())
            if (action->isVisible() && !action->isSeparator())
                noClash(failures, inMenu, action->text(), menu->title());
    }
    return failures;
}

// A control that takes focus tells a screen reader what it is: by a name of its own, or a label
// related to it. One that shows a value (a combo box, a field, a list) is read by its value
// otherwise, which says nothing of what the value is.
QStringList unnamedControls(QWidget& window)
{
    QStringList failures;
    for (QWidget* const widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window) || widget->window() != &window
            || widget->focusPolicy() == Qt::NoFocus)
            continue;
        if (QWidget const* const proxy = widget->focusProxy(); proxy && widget->isAncestorOf(proxy))
            continue; // a container handing its focus on, a tab widget to its tabs: the part is read
        QWidget const* const parent = widget->parentWidget();
        if (qobject_cast<QAbstractSpinBox const*>(parent) || qobject_cast<QTabBar const*>(parent))
            continue; // the field inside a spin box, a tab bar's scroll arrows: parts of one control
        QAccessibleInterface* const face = QAccessible::queryAccessibleInterface(widget);
        if (!face)
            continue;
        bool const showsValue = qobject_cast<QComboBox*>(widget) || qobject_cast<QAbstractSpinBox*>(widget)
                                || qobject_cast<QLineEdit*>(widget)
                                || qobject_cast<QAbstractItemView*>(widget)
                                || qobject_cast<QPlainTextEdit*>(widget);
        bool const named = !widget->accessibleName().isEmpty()
                           || !face->relations(QAccessible::Label).isEmpty()
                           || (!showsValue && !face->text(QAccessible::Name).isEmpty());
        if (!named)
            failures << QStringLiteral("%1: %2 \"%3\" has no name")
                            .arg(window.objectName(), QString::fromLatin1(widget->metaObject()->className()),
                                 widget->objectName());
    }
    return failures;
}

// What the window says: titles, menus, tabs, docks, labels and buttons, in order.
QStringList windowTexts(QMainWindow& window)
{
    QStringList texts{window.windowTitle()};
    for (QAction* const action : window.findChildren<QAction*>())
        texts << action->text();
    for (QMenu* const menu : window.findChildren<QMenu*>())
        texts << menu->title();
    for (QTabBar* const tabs : window.findChildren<QTabBar*>())
        for (int i = 0; i < tabs->count(); ++i)
            texts << tabs->tabText(i);
    for (QDockWidget* const dock : window.findChildren<QDockWidget*>())
        texts << dock->windowTitle();
    for (QWidget* const widget : window.findChildren<QWidget*>()) {
        // Qt's own parts (a dock's float button, a tab bar's arrows) speak Qt's language.
        if (widget->objectName().startsWith(QLatin1String("qt_"))
            || qobject_cast<QTabBar*>(widget->parentWidget()))
            continue;
        if (auto* const label = qobject_cast<QLabel*>(widget))
            texts << label->text();
        if (auto* const button = qobject_cast<QAbstractButton*>(widget))
            texts << button->text();
        if (auto* const combo = qobject_cast<QComboBox*>(widget))
            texts << combo->itemText(0);
        texts << widget->accessibleName() << widget->toolTip();
    }
    return texts;
}

} // namespace

class TestHostWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        quarlin::test::resetHost();
        quarlin::host::ReferenceHost::instance().loadSampleDataSet();
        quarlin::hostapp::registerReferenceLoaders();
    }
    void cleanup() { quarlin::hostapp::installTranslations(english); }

    // Every page of the window and every prompt, in both languages.
    void keyboardAndScreenReader_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QLocale>("locale");
        QStringList windows;
        for (int page = 0; page < 4; ++page)
            windows << QStringLiteral("page %1").arg(page);
        HostSession session;
        for (auto const& entry : quarlin::hostapp::promptCatalog(session))
            windows << entry.name;
        for (QLocale const& locale : {english, german})
            for (QString const& window : windows)
                QTest::addRow("%s %s", qPrintable(window), qPrintable(locale.name())) << window << locale;
    }
    void keyboardAndScreenReader()
    {
        QFETCH(QString, window);
        QFETCH(QLocale, locale);
        quarlin::hostapp::installTranslations(locale);
        HostMainWindow main;
        QStringList failures;
        if (window.startsWith(QLatin1String("page "))) {
            main.findChild<QTabWidget*>(QStringLiteral("hostPages"))->setCurrentIndex(window.mid(5).toInt());
            QVERIFY(quarlin::test::showActive(&main));
            failures << accessKeyClashes(main) << unnamedControls(main);
        } else {
            HostSession session;
            QPointer<QDialog> dialog;
            for (auto const& entry : quarlin::hostapp::promptCatalog(session))
                if (entry.name == window)
                    dialog = entry.stage(main);
            QVERIFY(dialog);
            QVERIFY(quarlin::test::showActive(dialog));
            failures << accessKeyClashes(*dialog) << unnamedControls(*dialog);
            dialog->reject();
        }
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QStringLiteral("; "))));
    }

    // The window opens as it was closed: its size and where its docks are.
    void layoutKeptBetweenRuns()
    {
        QTemporaryDir folder;
        QSettings settings(folder.filePath(QStringLiteral("app.conf")), QSettings::IniFormat);
        QSize closedAt;
        {
            HostMainWindow window;
            window.rememberLayoutIn(settings);
            QVERIFY(quarlin::test::showActive(&window));
            window.resize(700, 480);
            window.addDockWidget(Qt::LeftDockWidgetArea,
                                 window.findChild<QDockWidget*>(QStringLiteral("libraryActivityDock")));
            quarlin::test::reachIdle();
            closedAt = window.size();
            window.close();
        }
        HostMainWindow next;
        next.rememberLayoutIn(settings);
        QVERIFY(closedAt != HostMainWindow().size()); // else the check below proves nothing
        QCOMPARE(next.size(), closedAt);
        QCOMPARE(next.dockWidgetArea(next.findChild<QDockWidget*>(QStringLiteral("libraryActivityDock"))),
                 Qt::LeftDockWidgetArea);
    }

    // Settings > Language switches the open window at once, and back: it then reads as a window
    // opened in that language; the choice is kept for the next run.
    void languageSwitchesTheOpenWindow()
    {
        auto const restore = qScopeGuard([system = QLocale()] { QLocale::setDefault(system); });
        QTemporaryDir folder;
        QSettings settings(folder.filePath(QStringLiteral("app.conf")), QSettings::IniFormat);
        auto const fresh = [](QLocale const& locale) {
            quarlin::hostapp::installTranslations(locale);
            QLocale::setDefault(locale);
            HostMainWindow window;
            return windowTexts(window);
        };
        QStringList const inEnglish = fresh(english), inGerman = fresh(german);
        quarlin::hostapp::installTranslations(english);
        QLocale::setDefault(english);
        HostMainWindow window;
        window.rememberLayoutIn(settings);
        for (auto const& [code, expected] :
             {std::pair{QStringLiteral("de"), &inGerman}, std::pair{QStringLiteral("en"), &inEnglish}}) {
            auto* const choice = window.findChild<QAction*>(QStringLiteral("language_%1Action").arg(code));
            QVERIFY(choice);
            choice->trigger();
            quarlin::test::reachIdle();
            QCOMPARE(settings.value(QStringLiteral("language")).toString(), code);
            QVERIFY(choice->isChecked());
            QStringList const now = windowTexts(window);
            QCOMPARE(now.size(), expected->size());
            QStringList failures;
            for (int i = 0; i < now.size(); ++i)
                if (now[i] != (*expected)[i])
                    failures << QStringLiteral("\"%1\" where \"%2\" belongs").arg(now[i], (*expected)[i]);
            QVERIFY2(failures.isEmpty(),
                     qPrintable(code + QLatin1String(": ") + failures.join(QStringLiteral("; "))));
        }
    }
};

QTEST_MAIN(TestHostWindow)
#include "tst_hostwindow.moc"
