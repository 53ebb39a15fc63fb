// The prompts that ask for one thing: a line of text, an anchor position, three whole numbers,
// a plot-symbol character and its typeface.
#include "testsupport/TestSupport.h"

#include "prompt/AnchorAlignmentDialog.h"
#include "prompt/EnterASCIICharacterDialog.h"
#include "prompt/EnterTextStringDialog.h"
#include "prompt/EnterThreeIntValuesDialog.h"
#include "referencehost/ReferenceHost.h"
#include "sdk/exception/InvalidPropertyValueException.h"
#include "sdk/widgets/IntegralSpinBox.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <limits>

using quarlin::InvalidPropertyValueException;
using quarlin::dialogs::prompt::AnchorAlignmentDialog;
using quarlin::dialogs::prompt::EnterASCIICharacterDialog;
using quarlin::dialogs::prompt::EnterTextStringDialog;
using quarlin::dialogs::prompt::EnterThreeIntValuesDialog;
using quarlin::host::ReferenceHost;
using quarlin::test::reachIdle;
using quarlin::ui::IntegralSpinBox;

namespace {

QLineEdit* lineEdit(QDialog& d)
{
    return d.findChild<QLineEdit*>(QStringLiteral("EnterTextString_lineEdit"));
}

char const* const cellNames[9] = {"TopLeft",     "TopCenter",  "TopRight",     "MiddleLeft", "MiddleCenter",
                                  "MiddleRight", "BottomLeft", "BottomCenter", "BottomRight"};

QRadioButton* cell(QDialog& dialog, int alignment)
{
    return dialog.findChild<QRadioButton*>(
        QStringLiteral("anchorAlignment_%1_RadioButton").arg(QLatin1String(cellNames[alignment])));
}

int checkedCell(QDialog& dialog)
{
    int found = -1;
    for (int i = 0; i < 9; ++i)
        if (cell(dialog, i)->isChecked()) {
            if (found != -1)
                return -2; // more than one: the group is broken
            found = i;
        }
    return found;
}

enum class Finish { Ok, Cancel, Escape };

void finish(QDialog& dialog, Finish how)
{
    switch (how) {
    case Finish::Ok:
        QTest::mouseClick(quarlin::test::dialogButton(dialog, QDialogButtonBox::Ok), Qt::LeftButton);
        break;
    case Finish::Cancel:
        QTest::mouseClick(quarlin::test::dialogButton(dialog, QDialogButtonBox::Cancel), Qt::LeftButton);
        break;
    case Finish::Escape: QTest::keyClick(&dialog, Qt::Key_Escape); break;
    }
}

struct Args
{
    __int64 values[3] = {1, 100, 1};
    std::string title = "Index Range";
    std::string help = "data.html#index-range";
    std::string labels[3] = {"&Begin", "&End", "&Skip"};
    __int64 minimums[3] = {1, 1, 1};
};

EnterThreeIntValuesDialog& open(QWidget& parent, Args const& a = Args())
{
    return EnterThreeIntValuesDialog::getInstance(parent, a.values[0], a.values[1], a.values[2], a.title,
                                                  a.help, a.labels[0], a.labels[1], a.labels[2],
                                                  a.minimums[0], a.minimums[1], a.minimums[2]);
}

IntegralSpinBox* spin(QDialog& dialog, int n)
{
    return dialog.findChild<IntegralSpinBox*>(QStringLiteral("value%1").arg(n));
}

__int64 valueOf(EnterThreeIntValuesDialog const& dialog, int n)
{
    return n == 1 ? dialog.value1() : n == 2 ? dialog.value2() : dialog.value3();
}

void typeInto(IntegralSpinBox* box, QString const& text)
{
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    quarlin::test::typeText(box, text);
}

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

} // namespace

Q_DECLARE_METATYPE(Finish)

class TestSimplePrompts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        quarlin::test::resetHost();
        ReferenceHost::instance().loadSampleDataSet();
    }

    void okFollowsEmptinessFromFirstEdit_data()
    {
        QTest::addColumn<QString>("initial");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("backspaces");
        QTest::addColumn<bool>("okBeforeEdit");
        QTest::addColumn<bool>("okAfterEdit");
        QTest::newRow("empty start, untouched") << QString() << QString() << 0 << true << true;
        QTest::newRow("empty start, type and delete")
            << QString() << QStringLiteral("ab") << 2 << true << false;
        QTest::newRow("blanks only") << QString() << QStringLiteral("   ") << 0 << true << true;
        QTest::newRow("text start, delete all") << QStringLiteral("abc") << QString() << 3 << true << false;
        QTest::newRow("text start, delete some") << QStringLiteral("abc") << QString() << 1 << true << true;
    }

    void okFollowsEmptinessFromFirstEdit()
    {
        QFETCH(QString, initial);
        QFETCH(QString, typed);
        QFETCH(int, backspaces);
        QFETCH(bool, okBeforeEdit);
        QFETCH(bool, okAfterEdit);
        QWidget parent;
        EnterTextStringDialog dialog(parent, QString(), initial, QString(), false);
        QVERIFY(!dialog.helpAction()); // no topic: no help to offer
        QVERIFY(!quarlin::test::dialogButton(dialog, QDialogButtonBox::Help));
        QCOMPARE(quarlin::test::dialogButton(dialog, QDialogButtonBox::Ok)->isEnabled(), okBeforeEdit);
        dialog.show();
        QLineEdit* const edit = lineEdit(dialog);
        edit->setFocus();
        edit->end(false);
        quarlin::test::typeText(edit, typed);
        for (int i = 0; i < backspaces; ++i)
            QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(quarlin::test::dialogButton(dialog, QDialogButtonBox::Ok)->isEnabled(), okAfterEdit);
        dialog.reject();
    }

    void pickThenFinish_data()
    {
        QTest::addColumn<int>("initial");
        QTest::addColumn<int>("pick"); // -1: no pick
        QTest::addColumn<Finish>("how");
        QTest::addColumn<int>("expected");
        QTest::addColumn<int>("result");
        QTest::newRow("bottom-right, OK") << 4 << 8 << Finish::Ok << 8 << int(QDialog::Accepted);
        QTest::newRow("bottom-right, Cancel") << 4 << 8 << Finish::Cancel << 4 << int(QDialog::Rejected);
        QTest::newRow("bottom-right, Escape") << 4 << 8 << Finish::Escape << 4 << int(QDialog::Rejected);
        QTest::newRow("top-left picked twice, OK") << 6 << 0 << Finish::Ok << 0 << int(QDialog::Accepted);
        QTest::newRow("out of range, OK") << 42 << -1 << Finish::Ok << 0 << int(QDialog::Accepted);
        QTest::newRow("out of range, Cancel") << 42 << -1 << Finish::Cancel << 42 << int(QDialog::Rejected);
        QTest::newRow("out of range, pick, Escape")
            << -7 << 5 << Finish::Escape << -7 << int(QDialog::Rejected);
        QTest::newRow("INT_MAX, OK") << std::numeric_limits<int>::max() << -1 << Finish::Ok << 0
                                     << int(QDialog::Accepted);
        for (int i = 0; i < 9; ++i) // every cell shows the alignment it stands for
            QTest::addRow("%s, Cancel", cellNames[i])
                << i << -1 << Finish::Cancel << i << int(QDialog::Rejected);
    }

    void pickThenFinish()
    {
        QFETCH(int, initial);
        QFETCH(int, pick);
        QFETCH(Finish, how);
        QFETCH(int, expected);
        QFETCH(int, result);
        QWidget parent;
        AnchorAlignmentDialog& dialog =
            AnchorAlignmentDialog::getInstance(AnchorAlignment_e(initial), parent);
        int const shown = initial >= 0 && initial < 9 ? initial : 0; // out of the grid: the first cell
        QCOMPARE(checkedCell(dialog), shown);
        QCOMPARE(int(dialog.selectedAlignment()), shown);
        auto const run = quarlin::test::runModal(
            &dialog, [&] { dialog.launch(); },
            [&] {
                if (pick >= 0) {
                    quarlin::test::clickIndicator(cell(dialog, pick));
                    quarlin::test::clickIndicator(cell(dialog, pick)); // a checked radio stays checked
                }
                finish(dialog, how);
            });
        QVERIFY(!run.leftOpen);
        QCOMPARE(int(dialog.selectedAlignment()), expected);
        QCOMPARE(dialog.result(), result);
        QCOMPARE(checkedCell(dialog), pick >= 0 ? pick : shown); // Cancel restores the value, not the buttons
    }

    void secondGetInstanceOnlyReplacesWhatCancelRestores_data()
    {
        QTest::addColumn<Finish>("how");
        QTest::addColumn<int>("expected");
        QTest::newRow("OK keeps the earlier pick") << Finish::Ok << int(AnchorAlignment_BottomRight);
        QTest::newRow("Cancel gives the new value") << Finish::Cancel << int(AnchorAlignment_TopCenter);
    }

    void secondGetInstanceOnlyReplacesWhatCancelRestores()
    {
        QFETCH(Finish, how);
        QFETCH(int, expected);
        QWidget parent;
        AnchorAlignmentDialog& dialog =
            AnchorAlignmentDialog::getInstance(AnchorAlignment_MiddleCenter, parent);
        quarlin::test::runModal(
            &dialog, [&] { dialog.launch(); },
            [&] {
                quarlin::test::clickIndicator(cell(dialog, AnchorAlignment_BottomRight));
                finish(dialog, Finish::Ok);
            });
        AnchorAlignmentDialog& again = AnchorAlignmentDialog::getInstance(AnchorAlignment_TopCenter, parent);
        QCOMPARE(&again, &dialog);
        QCOMPARE(checkedCell(again), int(AnchorAlignment_BottomRight));
        QCOMPARE(again.selectedAlignment(), AnchorAlignment_BottomRight);
        quarlin::test::runModal(
            &again, [&] { again.launch(); }, [&] { finish(again, how); });
        QCOMPARE(int(again.selectedAlignment()), expected);
    }

    // Each field's lowest value is its minimum, or the lower limit where the minimum is 0 or
    // less; its highest is the upper limit. Typing commits on leaving the field; stepping stops
    // at either end.
    void limitsHoldForTypingAndStepping_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<__int64>("minimum");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<__int64>("committed");
        QTest::addColumn<__int64>("stepFrom");
        QTest::addColumn<int>("key");
        QTest::addColumn<__int64>("stepped"); // after four presses
        __int64 const low = -2147483646, high = 2147483646;
        QTest::newRow("begin: 0 typed")
            << 1 << __int64(1) << "0" << __int64(1) << __int64(3) << int(Qt::Key_Down) << __int64(1);
        QTest::newRow("begin: the minus sign is refused")
            << 1 << __int64(1) << "-5" << __int64(5) << __int64(3) << int(Qt::Key_Down) << __int64(1);
        QTest::newRow("end: below its minimum of 10")
            << 2 << __int64(10) << "9" << __int64(100) << __int64(12) << int(Qt::Key_Down) << __int64(10);
        QTest::newRow("end: at its minimum")
            << 2 << __int64(10) << "10" << __int64(10) << __int64(12) << int(Qt::Key_Down) << __int64(10);
        QTest::newRow("skip: 4 typed")
            << 3 << __int64(1) << "4" << __int64(4) << __int64(3) << int(Qt::Key_Down) << __int64(1);
        QTest::newRow("no minimum (0): the lower limit")
            << 1 << __int64(0) << "-2147483646" << low << low << int(Qt::Key_Down) << low;
        QTest::newRow("no minimum (negative): the lower limit")
            << 1 << __int64(-50) << "-2147483646" << low << low << int(Qt::Key_Down) << low;
        QTest::newRow("past the upper limit: refused whole")
            << 2 << __int64(1) << "2147483647" << __int64(100) << high - 1 << int(Qt::Key_Up) << high;
        QTest::newRow("page up at the upper limit")
            << 2 << __int64(1) << "2147483646" << high << high << int(Qt::Key_PageUp) << high;
    }

    void limitsHoldForTypingAndStepping()
    {
        QFETCH(int, which);
        QFETCH(__int64, minimum);
        QFETCH(QString, typed);
        QFETCH(__int64, committed);
        QFETCH(__int64, stepFrom);
        QFETCH(int, key);
        QFETCH(__int64, stepped);
        Args a;
        a.minimums[which - 1] = minimum;
        QWidget parent;
        EnterThreeIntValuesDialog& dialog = open(parent, a);
        QVERIFY(quarlin::test::showActive(&dialog));
        IntegralSpinBox* const box = spin(dialog, which);
        QCOMPARE(box->minimum(), minimum > 0 ? int(minimum) : -2147483646);
        typeInto(box, typed);
        spin(dialog, which % 3 + 1)->setFocus(); // leave the field: committed once the focus has moved
        quarlin::test::reachIdle();
        QCOMPARE(valueOf(dialog, which), committed);
        box->setFocus();
        box->setIndexValue(stepFrom);
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(box, Qt::Key(key));
        quarlin::test::reachIdle();
        QCOMPARE(valueOf(dialog, which), stepped);
        QCOMPARE(box->value(), int(stepped));
        dialog.reject();
    }

    void cancelKeepsCommittedValues()
    {
        QWidget parent;
        EnterThreeIntValuesDialog& dialog = open(parent);
        auto const run = quarlin::test::runModal(
            &dialog, [&] { dialog.launch(); },
            [&] {
                QVERIFY(quarlin::test::showActive(&dialog));
                spin(dialog, 1)->setFocus();
                QTest::keyClick(spin(dialog, 1), Qt::Key_Up);
                QTest::keyClick(spin(dialog, 1), Qt::Key_Up);
                typeInto(spin(dialog, 3), QStringLiteral("7"));
                QTest::mouseClick(quarlin::test::dialogButton(dialog, QDialogButtonBox::Cancel),
                                  Qt::LeftButton);
            });
        QVERIFY(!run.leftOpen);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(dialog.value1(), __int64(3));
        // Typed into the skip field, then Cancel took the focus: that commit stands too.
        QCOMPARE(dialog.value3(), __int64(7));
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

    // A typeface no button stands for checks no button and is kept as given; 255 is the base font.
    void typefaceOutsideTheButtonsIsKept()
    {
        for (int typeFace : {7, 255}) {
            QWidget parent; // a fresh prompt each time
            EnterASCIICharacterDialog& dialog =
                EnterASCIICharacterDialog::getInstance(parent, "a", false, static_cast<Font_e>(typeFace));
            for (int i = 0; i < 4; ++i)
                QCOMPARE(radio(dialog, i)->isChecked(), i == 0 && typeFace == 255);
            QCOMPARE(int(dialog.typeFaceOverride()), typeFace);
            QCOMPARE(dialog.useBaseFont(), typeFace == 255);
        }
    }

    // A typeface chosen stands when the prompt ends with Escape, as the character committed does;
    // OK is the catalog's text table.
    void typefaceChosenStandsAfterEscape()
    {
        QWidget parent;
        EnterASCIICharacterDialog& dialog =
            EnterASCIICharacterDialog::getInstance(parent, "x", true, Font_Base);
        auto const run = quarlin::test::runModal(
            &dialog, [&] { dialog.launch(); },
            [&] {
                QVERIFY(quarlin::test::showActive(&dialog));
                quarlin::test::clickIndicator(radio(dialog, 3));
                field(dialog)->setFocus();
                QTest::keyClick(field(dialog), Qt::Key_Escape);
            });
        QVERIFY(!run.leftOpen);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(dialog.typeFaceOverride(), Font_UserDefined);
        QVERIFY(!dialog.useBaseFont());
        QCOMPARE(dialog.selectedChar(), std::string("x"));
    }
};

QUARLIN_TEST_MAIN(TestSimplePrompts)
#include "tst_simpleprompts.moc"
