// The reference host: what the library's host calls answer, its undo steps, and the settings
// store that keeps the loader memory.
#include "testsupport/TestSupport.h"

#include "sdk/host/AppLock.h"
#include "sdk/host/ApplicationSettings.h"
#include "sdk/host/QrnUtil.h"
#include "sdk/host/ReferenceHost.h"
#include "sdk/host/Set.h"
#include "sdk/host/StateChangeEvent.h"
#include "sdk/host/StringList.h"
#include "sdk/host/StyleValue.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstring>
#include <vector>

using quarlin::host::ReferenceHost;
using quarlin::host::StyleData;
using quarlin::host::StyleKey;
using quarlin::host::StyleRule;
using quarlin::sdk::ApplicationSettings;
using quarlin::toolbox::Set;
using quarlin::toolbox::StringList;

Q_DECLARE_METATYPE(StyleRule)

namespace {

// One whole-number write through the toolbox, as a kernel property sends it.
SetValueReturnCode_e writeInt(StringList const& path, __int64 value)
{
    quarlin::toolbox::StyleValue const style(path);
    quarlin::toolbox::ArgList args;
    quarlin::toolbox::RawArray<int> ids = style.macroIds();
    ids.append(-1);
    style.setupSetValueArgList(ids, nullptr, -1, -1, 255, args);
    args.append("IValue", value);
    args.append("DValue", double(value));
    return style.setValue(args);
}

int styleEvents(std::function<void()> const& action)
{
    int events = 0;
    boost::signals2::scoped_connection const c =
        quarlin::toolbox::StateChangeEventObservable::getInstance().connectStateChanged(
            [&](quarlin::toolbox::StateChangeEventInterface const& e) {
                events += e.kind() == StateChange_Style;
            });
    action();
    return events;
}

// Keys that QSettings alone would fold together, split into groups or mangle.
std::vector<std::string> oddKeys()
{
    return {
        "/", "a/b", "/x/", "a//b", "a\\b", "CSV", "csv", "General", "%41", "\xc3\xa9", std::string(300, 'k'),
        ""};
}

std::string valueFor(std::size_t index)
{
    return "loader " + std::to_string(index) + " / \xc3\xa9";
}

// The second process: deposits every odd key, then ends.
int writeKeysAndExit(char const* fileName)
{
    ApplicationSettings::getInstance().setFileName(fileName);
    auto const keys = oddKeys();
    for (std::size_t i = 0; i < keys.size(); ++i)
        ApplicationSettings::getInstance().depositValue(keys[i], valueFor(i));
    return 0;
}

} // namespace

class TestReferenceHost : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { quarlin::test::resetHost(); }

    void styleWriteAnswers_data()
    {
        QTest::addColumn<StyleRule>("rule");
        QTest::addColumn<QString>("setting");
        QTest::addColumn<int>("written");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("error");
        QString const x = QStringLiteral("TwoDAxis/XDetail/VarNum");
        QTest::newRow("accepted") << StyleRule::accept() << x << 3 << int(SetValue_Ok) << 3 << QString();
        QTest::newRow("same value") << StyleRule::accept() << x << 1 << int(SetValue_DuplicateValue) << 1
                                    << QString();
        QTest::newRow("refused with a text")
            << StyleRule::refuse("Not now.") << x << 3 << int(SetValue_ValueRefused) << 1 << "Not now.";
        QTest::newRow("deferred") << StyleRule::defer() << x << 3 << int(SetValue_Deferred) << 1 << QString();
        QTest::newRow("no such variable")
            << StyleRule::accept() << x << 9 << int(SetValue_InvalidVariable) << 1
            << "Variable 9 does not exist: TwoDAxis XDetail VarNum takes a variable from 1 "
               "to 8.";
        QTest::newRow("unknown setting")
            << StyleRule::accept() << "TwoDAxis/Nothing" << 3 << int(SetValue_SyntaxError) << -1
            << "Unknown style setting \"TwoDAxis Nothing\".";
        QTest::newRow("text setting") << StyleRule::accept() << "Test/Text" << 3 << int(SetValue_InvalidValue)
                                      << -1 << "The style setting \"Test Text\" takes a text.";
    }

    void styleWriteAnswers()
    {
        QFETCH(StyleRule, rule);
        QFETCH(QString, setting);
        QFETCH(int, written);
        QFETCH(int, code);
        QFETCH(int, stored);
        QFETCH(QString, error);
        auto& host = ReferenceHost::instance();
        host.loadSampleDataSet();
        host.styleStore().define({"Test", "Text"}, std::string("abc"));
        StringList path;
        for (QString const& part : setting.split(QLatin1Char('/')))
            path.append(part.toStdString());
        host.styleStore().setRule(path.items(), rule);
        int result = -1;
        {
            quarlin::sdk::AppLock const lock;
            QCOMPARE(styleEvents([&] { result = writeInt(path, written); }), code == SetValue_Ok ? 1 : 0);
        }
        QCOMPARE(result, code);
        auto const value = host.styleStore().value(StyleKey{path.items()});
        QCOMPARE(value && value->index() == 0 ? int(std::get<__int64>(*value)) : -1, stored);
        char* text = QrnUtilStyleGetLastErrorString();
        QCOMPARE(QString::fromUtf8(text), error);
        QrnUtilStringDealloc(&text);
        // Every attempt is on record, with the lock that was held.
        QCOMPARE(host.styleStore().writes().size(), std::size_t(1));
        QVERIFY(host.styleStore().writes().front().lockHeld);
        QCOMPARE(host.styleStore().writes().front().code, SetValueReturnCode_e(code));
    }

    void undoRestoresWhatTheStepReplaced()
    {
        auto& host = ReferenceHost::instance();
        auto& store = host.styleStore();
        host.loadSampleDataSet();
        StringList const x{"TwoDAxis", "XDetail", "VarNum"}, y{"TwoDAxis", "YDetail", "VarNum"};
        writeInt(x, 4); // a step of its own
        QrnUtilUndoStateBegin(UndoStateCategory_Style);
        writeInt(x, 5);
        writeInt(y, 6);
        writeInt(x, 7);
        QrnUtilUndoStateEnd(false, true);
        QCOMPARE(store.writes().at(1).undoStep, store.writes().at(2).undoStep);
        QVERIFY(store.writes().at(0).undoStep != store.writes().at(1).undoStep);
        auto const number = [&store](StringList const& path) {
            return std::get<__int64>(*store.value(StyleKey{path.items()}));
        };
        bool undone = false;
        QCOMPARE(styleEvents([&] { undone = host.undo(); }), 2); // one per restored setting
        QVERIFY(undone);
        QCOMPARE(number(x), __int64(4));
        QCOMPARE(number(y), __int64(2));
        QVERIFY(host.undo());
        QCOMPARE(number(x), __int64(1));
        QVERIFY(!host.undo());
    }

    void oddKeysSurviveAnotherProcess()
    {
        QTemporaryDir dir;
        QString const file = dir.filePath(QStringLiteral("settings.ini"));
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--write-keys"), file});
        QVERIFY(child.waitForFinished(30000));
        QCOMPARE(child.exitCode(), 0);

        auto& settings = ApplicationSettings::getInstance();
        settings.setFileName(file.toStdString());
        auto keys = oddKeys();
        for (std::size_t i = 0; i < keys.size(); ++i)
            QCOMPARE(settings.getStringValue(keys[i]), valueFor(i));
        std::sort(keys.begin(), keys.end());
        QCOMPARE(settings.keys(), keys);
        settings.removeValue("csv");
        QCOMPARE(settings.getStringValue("CSV"), valueFor(5));
        QCOMPARE(settings.getStringValue("csv"), std::string());
    }

    void unwritableFileIsReportedOnce()
    {
        QTemporaryDir dir;
        // A file where the settings folder should be: no one, root included, can write below it.
        QFile blocker(dir.filePath(QStringLiteral("blocker")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        auto& settings = ApplicationSettings::getInstance();
        settings.setFileName(dir.filePath(QStringLiteral("blocker/settings.ini")).toStdString());
        settings.depositValue("LastLoaderUsedForExt_.csv", "Comma-Separated Values");
        settings.depositValue("LastLoaderUsedForExt_.dat", "Whitespace Columns");
        auto const messages = quarlin::test::hostMessageTexts();
        QCOMPARE(messages.size(), std::size_t(1));
        QVERIFY(messages.front().find("cannot be written") != std::string::npos);
        // Kept for this run all the same.
        QCOMPARE(settings.getStringValue("LastLoaderUsedForExt_.csv"), std::string("Comma-Separated Values"));
    }
};

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--write-keys") == 0)
        return writeKeysAndExit(argv[2]);
    quarlin::test::prepareTestProcess();
    QApplication app(argc, argv);
    TestReferenceHost tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_referencehost.moc"
