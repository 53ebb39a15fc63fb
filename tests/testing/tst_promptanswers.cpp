#include "testsupport/TestSupport.h"

#include "hostapp/PromptCatalog.h"
#include "hostapp/ReferenceLoaders.h"
#include "sdk/host/ReferenceHost.h"
#include "testing/PromptAnswers.h"

#include <QApplication>
#include <QDialog>

#include <functional>
#include <map>

using quarlin::host::ReferenceHost;
using quarlin::hostapp::HostSession;
using quarlin::hostapp::promptCatalog;
using quarlin::testing::PromptAnswers;
using quarlin::testing::ScriptedAnswer;

namespace {

// For each prompt of the catalog: the answer a host test would script, and what the host then
// holds after OK and after Cancel (a modeless prompt's changes stay when it is closed).
struct Script
{
    std::function<ScriptedAnswer(PromptAnswers&)> answer;
    QString afterOk;
    QString afterCancel;
};

std::map<QString, Script> const& scripts()
{
    static std::map<QString, Script> const all = {
        {QStringLiteral("AnchorAlignment"),
         {[](PromptAnswers& a) { return a.anchorAlignment(AnchorAlignment_BottomRight); },
          QStringLiteral("host now uses bottom right"), QStringLiteral("host now uses middle centre")}},
        {QStringLiteral("EnterTextString"),
         {[](PromptAnswers& a) { return a.textString("Pressure \xc2\xb5 \xf0\x9d\x9b\xbc"); },
          QStringLiteral("frame name is \"Pressure \u00b5 \U0001d6fc\""), QStringLiteral("\"Frame 001\"")}},
        {QStringLiteral("EnterThreeIntValues"),
         {[](PromptAnswers& a) { return a.threeIntValues(5, 50, 5); },
          QStringLiteral("reads indices 5 to 50 every 5"), QStringLiteral("reads indices 1 to 100 every 1")}},
        {QStringLiteral("EnterASCIICharacter"),
         {[](PromptAnswers& a) { return a.asciiCharacter("#", Font_Greek); },
          QStringLiteral("host draws \"#\" in Greek"), QStringLiteral("host draws \"*\" in base font")}},
        {QStringLiteral("VariableSelectAxis"),
         {[](PromptAnswers& a) {
              return a.variables({"Temperature", "Pressure"});
          },
          QStringLiteral("X: Temperature, Y: Pressure"), QStringLiteral("X: X, Y: Y")}},
        {QStringLiteral("VariableSelectVector"),
         {[](PromptAnswers& a) {
              return a.variables({"W", ""});
          },
          QStringLiteral("U: W, V: V"), QStringLiteral("U: none, V: none")}},
        {QStringLiteral("VariableSelectRGB"),
         {[](PromptAnswers& a) {
              return a.variables({"X", "Y", "Z"});
          },
          QStringLiteral("R: X, G: Y, B: Z"), QStringLiteral("R: none, G: none, B: none")}},
        {QStringLiteral("AddonsVariableSelect"),
         {[](PromptAnswers& a) {
              return a.addOnVariables({"X", "Y"});
          },
          QStringLiteral("reads X, weighted by Y"), QStringLiteral("reads X, weighted by Y")}},
        {QStringLiteral("ZoneSelect"),
         {[](PromptAnswers& a) { return a.zone("Outlet"); }, QStringLiteral("zone 3 (Outlet)"),
          QStringLiteral("zone 2 (Inlet)")}},
        {QStringLiteral("ChooseLoader"),
         {[](PromptAnswers& a) { return a.loader("Spreadsheet Export"); },
          QStringLiteral("OK; loader \"Spreadsheet Export\""), QStringLiteral("csv: Cancel")}},
        {QStringLiteral("ColorChooser"),
         {[](PromptAnswers& a) { return a.color(2); }, QStringLiteral("(index 2)"),
          QStringLiteral("(index 3)")}},
        {QStringLiteral("RGBColorOpts"),
         {[](PromptAnswers& a) {
              return a.rgbColoringOptions({RGBMode_SpecifyRG, {"X", "Y"}, {}, {}});
          },
          QStringLiteral("B calculated, with R: X, G: Y"), QStringLiteral("B calculated, with R: X, G: Y")}},
        {QStringLiteral("ScatterSizeFont"),
         {[](PromptAnswers& a) {
              quarlin::testing::ScatterSizeFontAnswer answer;
              answer.sizeVariable = "Pressure";
              answer.sizeInCentimetres = 0.25;
              return a.scatterSizeFont(answer);
          },
          QStringLiteral("by Pressure at 0.25 cm"), QStringLiteral("by Pressure at 0.25 cm")}},
    };
    return all;
}

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
        auto const script = scripts().find(prompt);
        QVERIFY2(script != scripts().end(), "a prompt of the catalog has no scripted answer here");
        HostSession session;
        QWidget window;
        window.show();
        Failures failures;
        QString outcome;
        {
            PromptAnswers answers(failures.handler());
            ScriptedAnswer answer = script->second.answer(answers);
            if (cancel)
                answer.thenCancel();
            for (auto const& entry : promptCatalog(session))
                if (entry.name == prompt)
                    outcome = entry.run(window);
            QCOMPARE(answers.pending(), std::size_t(0));
        }
        QVERIFY2(failures.messages.isEmpty(), qPrintable(failures.messages.join(QLatin1Char('\n'))));
        QVERIFY2(outcome.contains(cancel ? script->second.afterCancel : script->second.afterOk),
                 qPrintable(outcome));
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
