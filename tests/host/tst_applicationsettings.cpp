// The settings store that keeps the loader memory: keys no plain settings file keeps apart, and a
// file that cannot be written.
#include "testsupport/TestSupport.h"

#include "sdk/host/ApplicationSettings.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstring>
#include <vector>

using quarlin::sdk::ApplicationSettings;

namespace {

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

class TestApplicationSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { quarlin::test::resetHost(); }

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
    TestApplicationSettings tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_applicationsettings.moc"
