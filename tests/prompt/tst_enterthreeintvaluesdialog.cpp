#include "testsupport/TestSupport.h"

#include "prompt/EnterThreeIntValuesDialog.h"
#include "sdk/host/ReferenceHost.h"
#include "sdk/widgets/IntegralSpinBox.h"

#include <QDialogButtonBox>

using quarlin::dialogs::prompt::EnterThreeIntValuesDialog;
using quarlin::host::ReferenceHost;
using quarlin::ui::IntegralSpinBox;

namespace {

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

} // namespace

class TestEnterThreeIntValuesDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        quarlin::test::resetHost();
        ReferenceHost::instance().loadSampleDataSet();
    }

    void minimumHoldsForTypingAndStepping_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<__int64>("expected");
        QTest::newRow("begin: 0 typed") << 1 << "0" << __int64(1);
        QTest::newRow("begin: the minus sign is refused") << 1 << "-5" << __int64(5);
        QTest::newRow("end: below its minimum of 10") << 2 << "9" << __int64(100);
        QTest::newRow("end: at its minimum") << 2 << "10" << __int64(10);
        QTest::newRow("skip: 4 typed") << 3 << "4" << __int64(4);
    }

    void minimumHoldsForTypingAndStepping()
    {
        QFETCH(int, which);
        QFETCH(QString, typed);
        QFETCH(__int64, expected);
        Args a;
        a.minimums[1] = 10;
        QWidget parent;
        EnterThreeIntValuesDialog& dialog = open(parent, a);
        QVERIFY(quarlin::test::showActive(&dialog));
        IntegralSpinBox* const box = spin(dialog, which);
        QCOMPARE(box->minimum(), which == 2 ? 10 : 1);
        typeInto(box, typed);
        spin(dialog, which % 3 + 1)->setFocus(); // leave the field
        QCOMPARE(valueOf(dialog, which), expected);

        // Stepping down ends at the minimum.
        box->setFocus();
        box->setIndexValue(box->minimum() + 2);
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(box, Qt::Key_Down);
        QCOMPARE(valueOf(dialog, which), __int64(box->minimum()));
        dialog.reject();
    }

    void noMinimumReachesTheLowerLimit_data()
    {
        QTest::addColumn<__int64>("minimum");
        QTest::newRow("zero") << __int64(0);
        QTest::newRow("negative") << __int64(-50);
    }

    void noMinimumReachesTheLowerLimit()
    {
        QFETCH(__int64, minimum);
        Args a;
        a.minimums[0] = a.minimums[1] = a.minimums[2] = minimum;
        QWidget parent;
        EnterThreeIntValuesDialog& dialog = open(parent, a);
        QVERIFY(quarlin::test::showActive(&dialog));
        for (int n = 1; n <= 3; ++n)
            QCOMPARE(spin(dialog, n)->minimum(), -2147483646);
        typeInto(spin(dialog, 1), QStringLiteral("-2147483646"));
        QTest::keyClick(spin(dialog, 1), Qt::Key_Tab);
        QCOMPARE(dialog.value1(), __int64(-2147483646));
        QTest::keyClick(spin(dialog, 1), Qt::Key_Down);
        QCOMPARE(dialog.value1(), __int64(-2147483646));
        dialog.reject();
    }

    void maximumIsNeverExceeded()
    {
        Args a;
        a.values[1] = 2147483645;
        QWidget parent;
        EnterThreeIntValuesDialog& dialog = open(parent, a);
        QVERIFY(quarlin::test::showActive(&dialog));
        IntegralSpinBox* const end = spin(dialog, 2);
        end->setFocus();
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(end, Qt::Key_Up);
        QCOMPARE(dialog.value2(), __int64(2147483646));
        QTest::keyClick(end, Qt::Key_PageUp);
        QCOMPARE(dialog.value2(), __int64(2147483646));
        typeInto(end, QStringLiteral("2147483647"));
        QTest::keyClick(end, Qt::Key_Tab);
        QVERIFY(dialog.value2() <= 2147483646);
        QCOMPARE(end->value(), int(dialog.value2()));
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
};

QUARLIN_TEST_MAIN(TestEnterThreeIntValuesDialog)
#include "tst_enterthreeintvaluesdialog.moc"
