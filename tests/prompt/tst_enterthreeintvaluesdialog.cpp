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
        QTest::newRow("past the upper limit: the last keystroke is not taken")
            << 2 << __int64(1) << "2147483647" << __int64(214748364) << high - 1 << int(Qt::Key_Up) << high;
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
        spin(dialog, which % 3 + 1)->setFocus(); // leave the field
        QCOMPARE(valueOf(dialog, which), committed);
        box->setFocus();
        box->setIndexValue(stepFrom);
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(box, Qt::Key(key));
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
};

QUARLIN_TEST_MAIN(TestEnterThreeIntValuesDialog)
#include "tst_enterthreeintvaluesdialog.moc"
