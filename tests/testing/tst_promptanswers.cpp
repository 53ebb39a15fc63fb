#include "testsupport/TestSupport.h"

#include "hostapp/PromptCatalog.h"
#include "hostapp/ReferenceLoaders.h"
#include "referencehost/ReferenceHost.h"
#include "testing/PromptAnswers.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QTemporaryDir>

#include <functional>
#include <map>

using quarlin::host::ReferenceHost;
using quarlin::hostapp::HostSession;
using quarlin::hostapp::promptCatalog;
using quarlin::testing::PromptAnswers;
using quarlin::testing::ScriptedAnswer;

namespace {

// Failures as the test sees them, and whether each came while a prompt was still up.
struct Failures
{
    quarlin::testing::FailureHandler handler()
    {
        return [this](std::string const& message, quarlin::testing::CallSite const&) {
            messages << QString::fromStdString(message);
            bool up = false;
            for (QWidget const* const window : QApplication::topLevelWidgets())
                up = up || (window->isVisible() && qobject_cast<QDialog const*>(window));
            whilePromptUp << up;
        };
    }
    QStringList messages;
    QList<bool> whilePromptUp;
};

} // namespace

Q_DECLARE_METATYPE(std::function<void(PromptAnswers&)>)

class TestPromptAnswers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        quarlin::test::resetHost();
        ReferenceHost::instance().loadSampleDataSet();
        quarlin::hostapp::registerReferenceLoaders();
    }

    void everyPromptAnsweredByScript_data()
    {
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<bool>("cancel");
        HostSession session;
        for (auto const& entry : promptCatalog(session))
            for (bool const cancel : {false, true})
                QTest::addRow("%s %s", qPrintable(entry.name), cancel ? "Cancel" : "OK")
                    << entry.name << cancel;
    }

    // What a person's answer would have given the host, through the real widgets of the prompt.
    void everyPromptAnsweredByScript()
    {
        QFETCH(QString, prompt);
        QFETCH(bool, cancel);
        HostSession session;
        QWidget window;
        window.show();
        Failures failures;
        for (auto const& entry : promptCatalog(session)) {
            if (entry.name != prompt)
                continue;
            QString outcome;
            {
                PromptAnswers answers(failures.handler());
                ScriptedAnswer answer = entry.answer(answers);
                if (cancel)
                    answer.thenCancel();
                outcome = entry.run(window);
                QCOMPARE(answers.pending(), std::size_t(0));
            }
            QVERIFY2(failures.messages.isEmpty(), qPrintable(failures.messages.join(QLatin1Char('\n'))));
            QVERIFY2(outcome.contains(cancel ? entry.afterCancel : entry.afterOk), qPrintable(outcome));
        }
    }

    // The host test the README shows: two loaders claim the file, the user picks the second.
    void openAFileTwoLoadersClaim()
    {
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("measurements.csv")));
        QVERIFY(file.open(QIODevice::WriteOnly)
                && file.write("Time;Temperature;Pressure\n0;20,5;1013\n") > 0);
        file.close();
        QWidget window;

        quarlin::testing::PromptAnswers answers; // failures go to QTest::qFail
        answers.loader("Spreadsheet Export");
        QString const outcome = quarlin::hostapp::openDataFile(window, file.fileName());

        QVERIFY2(outcome.endsWith(QLatin1String("with Spreadsheet Export: 3 variables")),
                 qPrintable(outcome));
        QCOMPARE(ReferenceHost::instance().dataSet().variables.at(1).name, std::string("Temperature"));
    }

    void failuresAreImmediateAndSayWhatHappened_data()
    {
        QTest::addColumn<QString>("prompt"); // opened from the catalog; empty: none opens
        QTest::addColumn<std::function<void(PromptAnswers&)>>("script");
        QTest::addColumn<QString>("message");
        using A = PromptAnswers&;
        QTest::newRow("no answer scripted")
            << "EnterTextString" << std::function<void(A)>([](A) {})
            << "no answer scripted: quarlin::dialogs::prompt::EnterTextStringDialog \"Prompt for text "
               "string\", "
               "with labels \"Frame name:\"";
        QTest::newRow("refused by the prompt")
            << "EnterThreeIntValues" << std::function<void(A)>([](A a) { a.threeIntValues(0, 50, 1); })
            << "the host's message box said \"\"0\" is not a number from 1 to";
        QTest::newRow("not a variable of the data set")
            << "VariableSelectAxis" << std::function<void(A)>([](A a) { a.variables({"Density"}); })
            << "offers no \"Density\"; it offers \"X\", \"Y\", \"Z\"";
        QTest::newRow("greyed out by the mode") << "RGBColorOpts" << std::function<void(A)>([](A a) {
            a.rgbColoringOptions({RGBMode_SpecifyGB, {"X"}, {}, {}});
        }) << "\"Red:\" (rGBColorOpts_RedVariable_CmbBox) is greyed out";
        QTest::newRow("another prompt next")
            << "EnterTextString" << std::function<void(A)>([](A a) { a.zone(1); })
            << "is for a quarlin::dialogs::prompt::ZoneSelectDialog, but "
               "quarlin::dialogs::prompt::EnterTextStringDialog";
        QTest::newRow("another title") << "VariableSelectAxis" << std::function<void(A)>([](A a) {
            a.variables({"X"}).titled("Vector Variables");
        }) << "for \"Vector Variables\", is for a quarlin::dialogs::prompt::VariableSelectDialog";
        QTest::newRow("left unused") << QString() << std::function<void(A)>([](A a) {
            a.textString("Frame 2");
        }) << "1 scripted answer(s) left unused:\n  textString(\"Frame 2\"), written at";
    }

    // Each failure reaches the test at once, with what a person would have read; the prompt
    // closes as Cancel and the run goes on.
    void failuresAreImmediateAndSayWhatHappened()
    {
        QFETCH(QString, prompt);
        QFETCH(std::function<void(PromptAnswers&)>, script);
        QFETCH(QString, message);
        HostSession session;
        QWidget window;
        window.show();
        Failures failures;
        QString outcome;
        {
            PromptAnswers answers(failures.handler());
            script(answers);
            for (auto const& entry : promptCatalog(session))
                if (entry.name == prompt)
                    outcome = entry.run(window);
        }
        QCOMPARE(failures.messages.size(), 1);
        QVERIFY2(failures.messages.front().contains(message), qPrintable(failures.messages.front()));
        QCOMPARE(failures.whilePromptUp.front(), !prompt.isEmpty());
        QVERIFY(!QApplication::activeModalWidget());
        if (!prompt.isEmpty() && prompt != QLatin1String("RGBColorOpts"))
            QVERIFY2(outcome.contains(QLatin1String(": Cancel")), qPrintable(outcome));
    }
};

QUARLIN_TEST_MAIN(TestPromptAnswers)
#include "tst_promptanswers.moc"
