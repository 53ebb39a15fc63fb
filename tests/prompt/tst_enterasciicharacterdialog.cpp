#include "testsupport/TestSupport.h"

#include "prompt/EnterASCIICharacterDialog.h"
#include "sdk/exception/InvalidPropertyValueException.h"
#include "sdk/host/ReferenceHost.h"

#include <QLineEdit>
#include <QRadioButton>

using quarlin::InvalidPropertyValueException;
using quarlin::dialogs::prompt::EnterASCIICharacterDialog;
using quarlin::host::ReferenceHost;

namespace {

char const* const buttonNames[4] = {"useBaseFont_RadioButton", "useGreekFont_RadioButton",
                                    "useMathFont_RadioButton", "useUserDefFont_RadioButton"};

QRadioButton* radio(QDialog& dialog, int i)
{
    return dialog.findChild<QRadioButton*>(QLatin1String(buttonNames[i]));
}

QLineEdit* field(QDialog& dialog)
{
    return dialog.findChild<QLineEdit*>(QStringLiteral("selectedCharacter_lineEdit"));
}

int checkedButton(QDialog& dialog)
{
    int found = -1;
    for (int i = 0; i < 4; ++i)
        if (radio(dialog, i)->isChecked())
            found = found == -1 ? i : -2;
    return found;
}

} // namespace

using quarlin::test::reachIdle;

class TestEnterASCIICharacterDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        quarlin::test::resetHost();
        ReferenceHost::instance().loadSampleDataSet();
    }

    void typefaceAccessors_data()
    {
        QTest::addColumn<bool>("useBase");
        QTest::addColumn<int>("typeFace");
        QTest::addColumn<int>("checked");
        QTest::addColumn<int>("override");
        QTest::newRow("base wins over any typeface") << true << int(Font_Greek) << 0 << 255;
        QTest::newRow("greek") << false << int(Font_Greek) << 1 << 2;
        QTest::newRow("math") << false << int(Font_Math) << 2 << 3;
        QTest::newRow("user defined") << false << int(Font_UserDefined) << 3 << 4;
        QTest::newRow("unknown typeface: nothing checked") << false << 7 << -1 << 7;
        QTest::newRow("255 passed as the typeface") << false << 255 << 0 << 255;
    }

    void typefaceAccessors()
    {
        QFETCH(bool, useBase);
        QFETCH(int, typeFace);
        QFETCH(int, checked);
        QFETCH(int, override);
        QWidget parent;
        EnterASCIICharacterDialog& dialog =
            EnterASCIICharacterDialog::getInstance(parent, "a", useBase, static_cast<Font_e>(typeFace));
        QCOMPARE(checkedButton(dialog), checked);
        QCOMPARE(int(dialog.typeFaceOverride()), override);
        QCOMPARE(dialog.useBaseFont(), override == 255);
    }

    void emptyInitialCharacterBuildsNothing()
    {
        QWidget parent;
        try {
            EnterASCIICharacterDialog::getInstance(parent, "", false, Font_Greek);
            QFAIL("an empty character was accepted");
        } catch (InvalidPropertyValueException const& e) {
            QCOMPARE(std::string(e.what()), std::string("Selected character cannot be empty."));
        }
        QVERIFY(parent.findChildren<QDialog*>().isEmpty()); // no half-built dialog left behind
        // No instance stayed: the next call builds from its own arguments.
        EnterASCIICharacterDialog& dialog =
            EnterASCIICharacterDialog::getInstance(parent, "b", false, Font_Math);
        QCOMPARE(dialog.selectedChar(), std::string("b"));
    }

    void emptyCommitIsReportedOnceAndUndone()
    {
        QWidget parent;
        EnterASCIICharacterDialog& dialog =
            EnterASCIICharacterDialog::getInstance(parent, "x", true, Font_Base);
        QVERIFY(quarlin::test::showActive(&dialog));
        QLineEdit* const edit = field(dialog);
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_End);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QVERIFY(edit->text().isEmpty());
        radio(dialog, 1)->setFocus(); // leaving the field commits it
        std::vector<quarlin::host::HostMessage> const& messages = ReferenceHost::instance().messages();
        QCOMPARE(messages.size(), std::size_t(1));
        QCOMPARE(messages.front().text, std::string("Selected character cannot be empty."));
        QCOMPARE(messages.front().type, MessageBoxType_Error);
        QCOMPARE(edit->text(), QStringLiteral("x"));
        QCOMPARE(dialog.selectedChar(), std::string("x"));
        QVERIFY(edit->hasFocus());
        dialog.reject();
    }

    // A typeface chosen and a character committed stand whether the prompt ends with OK (Return
    // commits the field, then presses OK) or with Escape.
    void choicesStandWhicheverWayItEnds_data()
    {
        QTest::addColumn<int>("typeFace"); // the button clicked
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("selected");
        QTest::newRow("Math, q, OK") << 2 << QStringLiteral("q") << true << QStringLiteral("q");
        QTest::newRow("user defined, Escape") << 3 << QString() << false << QStringLiteral("x");
    }

    void choicesStandWhicheverWayItEnds()
    {
        QFETCH(int, typeFace);
        QFETCH(QString, typed);
        QFETCH(bool, ok);
        QFETCH(QString, selected);
        QWidget parent;
        EnterASCIICharacterDialog& dialog =
            EnterASCIICharacterDialog::getInstance(parent, "x", true, Font_Base);
        auto const run = quarlin::test::runModal(
            &dialog, [&] { dialog.launch(); },
            [&] {
                QVERIFY(quarlin::test::showActive(&dialog));
                quarlin::test::clickIndicator(radio(dialog, typeFace));
                field(dialog)->setFocus();
                field(dialog)->selectAll();
                quarlin::test::typeText(field(dialog), typed);
                QTest::keyClick(field(dialog), ok ? Qt::Key_Return : Qt::Key_Escape);
            });
        QVERIFY(!run.leftOpen);
        QCOMPARE(dialog.result(), int(ok ? QDialog::Accepted : QDialog::Rejected));
        QCOMPARE(int(dialog.typeFaceOverride()), typeFace + 1);
        QVERIFY(!dialog.useBaseFont());
        QCOMPARE(QString::fromStdString(dialog.selectedChar()), selected);
    }
};

QUARLIN_TEST_MAIN(TestEnterASCIICharacterDialog)
#include "tst_enterasciicharacterdialog.moc"
