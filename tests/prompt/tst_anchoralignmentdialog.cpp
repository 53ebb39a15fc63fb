#include "testsupport/TestSupport.h"

#include "prompt/AnchorAlignmentDialog.h"
#include "sdk/host/ReferenceHost.h"

#include <QDialogButtonBox>
#include <QRadioButton>

#include <limits>

using quarlin::dialogs::prompt::AnchorAlignmentDialog;
using quarlin::host::ReferenceHost;

namespace {

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

enum class Finish { Ok, Cancel, Escape, Close };

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
    case Finish::Close: dialog.close(); break;
    }
}

} // namespace

Q_DECLARE_METATYPE(Finish)

class TestAnchorAlignmentDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { quarlin::test::resetHost(); }

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
        QTest::newRow("bottom-right, title-bar close")
            << 4 << 8 << Finish::Close << 4 << int(QDialog::Rejected);
        QTest::newRow("no pick, OK") << 2 << -1 << Finish::Ok << 2 << int(QDialog::Accepted);
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
};

QUARLIN_TEST_MAIN(TestAnchorAlignmentDialog)
#include "tst_anchoralignmentdialog.moc"
