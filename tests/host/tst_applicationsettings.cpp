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
    return {"/",
            "a/b",
            "/x/",
            "a//b",
            "a\\b",
            "CSV",
            "csv",
            "General",
            "%41",
            "%",
            "k41",
            "\xc3\xa9",
            std::string(300, 'k'),
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

    // A key of plain characters reads as itself in the file; one written by an earlier release,
    // as hexadecimal digits, is still read, and moves to its readable name when written again.
    void keysReadAsThemselves()
    {
        QTemporaryDir dir;
        QString const file = dir.filePath(QStringLiteral("settings.ini"));
        std::string const earlier = "LastLoaderUsedForExt_.dat";
        QString hex = QStringLiteral("k");
        for (unsigned char const byte : earlier)
            hex += QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0'));
        {
            QFile old(file);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("[Values]\n" + hex.toLatin1() + "=Whitespace Columns\n");
        }
        auto& settings = ApplicationSettings::getInstance();
        settings.setFileName(file.toStdString());
        QCOMPARE(settings.getStringValue(earlier), std::string("Whitespace Columns"));
        settings.depositValue("LastLoaderUsedForExt_.csv", "Comma-Separated Values");
        QCOMPARE(settings.keys(), (std::vector<std::string>{"LastLoaderUsedForExt_.csv", earlier}));
        settings.depositValue(earlier, "Whitespace Columns");
        QFile written(file);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QByteArray const text = written.readAll();
        QVERIFY2(text.contains("LastLoaderUsedForExt_.csv=Comma-Separated Values"), text.constData());
        QVERIFY2(text.contains("LastLoaderUsedForExt_.dat=Whitespace Columns"), text.constData());
        QVERIFY2(!text.contains(hex.toLatin1()), text.constData());
        QCOMPARE(quarlin::test::hostMessageTexts(), std::vector<std::string>{});
    }

    // Random bytes on disk: the person is told once that the file was damaged, and writing works.
    void damagedFileIsToldOnceAndRewritten()
    {
        QTemporaryDir dir;
        QString const file = dir.filePath(QStringLiteral("settings.ini"));
        {
            QFile damaged(file);
            QVERIFY(damaged.open(QIODevice::WriteOnly));
            QByteArray noise(4096, '\0');
            for (int i = 0; i < noise.size(); ++i)
                noise[i] = char((i * 7919 + 13) % 251);
            damaged.write(noise);
        }
        auto& settings = ApplicationSettings::getInstance();
        settings.setFileName(file.toStdString());
        settings.depositValue("LastLoaderUsedForExt_.csv", "Comma-Separated Values");
        settings.depositValue("LastLoaderUsedForExt_.dat", "Whitespace Columns");
        auto const messages = quarlin::test::hostMessageTexts();
        QCOMPARE(messages.size(), std::size_t(1));
        QVERIFY2(messages.front().find("was damaged") != std::string::npos, messages.front().c_str());
        settings.setFileName(file.toStdString()); // as the next run reads it
        QCOMPARE(settings.getStringValue("LastLoaderUsedForExt_.dat"), std::string("Whitespace Columns"));
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
