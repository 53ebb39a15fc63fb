// The modeless RGB colouring prompt: every change reaches the host at once.
#include "testsupport/TestSupport.h"

#include "prompt/RGBColorOptsDialog.h"
#include "sdk/host/ReferenceHost.h"
#include "sdk/widgets/QScientificSpinBox.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

using quarlin::dialogs::prompt::RGBColorOptsDialog;
using quarlin::host::ReferenceHost;

namespace {

template <class W>
W* child(QWidget& dialog, char const* name)
{
    return dialog.findChild<W*>(QLatin1String(name));
}

double hostNumber(char const* name)
{
    auto const value =
        *ReferenceHost::instance().styleStore().value(quarlin::host::StyleKey{{"GlobalRGB", name}});
    return value.index() == 0 ? double(std::get<__int64>(value)) : std::get<double>(value);
}

} // namespace

class TestRGBColorOptsDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        quarlin::test::resetHost();
        ReferenceHost::instance().loadSampleDataSet(); // its active frame shows a 2-D field
    }

    void modeChoiceGreysTheCalculatedChannel();
    void channelChoiceIsKeptByClose();
};

void TestRGBColorOptsDialog::modeChoiceGreysTheCalculatedChannel()
{
    QWidget parent;
    RGBColorOptsDialog& dialog = RGBColorOptsDialog::getInstance(parent);
    dialog.launch();
    QVERIFY(quarlin::test::showActive(&dialog));
    auto* const mode = child<QComboBox>(dialog, "rGBColorOpts_Mode_CmbBox");
    QCOMPARE(mode->itemText(1), QStringLiteral("Specify R&G, calculate B"));
    mode->setFocus();
    QTest::keyClick(mode, Qt::Key_Down);
    QCOMPARE(hostNumber("RGBMode"), 1.0);
    quarlin::test::reachIdle();
    QVERIFY(!child<QComboBox>(dialog, "rGBColorOpts_BlueVariable_CmbBox")->isEnabled());
    QVERIFY(!child<QLabel>(dialog, "rGBColorOpts_BlueVariable_Label")->isEnabled());
    QVERIFY(child<QComboBox>(dialog, "rGBColorOpts_RedVariable_CmbBox")->isEnabled());
    // A line plot has no RGB colouring: the whole prompt greys out.
    ReferenceHost::instance().setPlotType(PlotType_XYLine);
    QVERIFY(!mode->isEnabled());
    dialog.reject();
}

void TestRGBColorOptsDialog::channelChoiceIsKeptByClose()
{
    QWidget parent;
    RGBColorOptsDialog& dialog = RGBColorOptsDialog::getInstance(parent);
    dialog.launch();
    QVERIFY(quarlin::test::showActive(&dialog));
    auto* const red = child<QComboBox>(dialog, "rGBColorOpts_RedVariable_CmbBox");
    QCOMPARE(red->currentText(), QStringLiteral("Temperature")); // the unassigned channel was repaired
    red->setFocus();
    QTest::keyClick(red, Qt::Key_End);
    QCOMPARE(hostNumber("RedChannelVar"), 8.0);
    QTest::mouseClick(quarlin::test::dialogButton(dialog, QDialogButtonBox::Close), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(hostNumber("RedChannelVar"), 8.0);
}

QUARLIN_TEST_MAIN(TestRGBColorOptsDialog)
#include "tst_rgbcoloroptsdialog.moc"
