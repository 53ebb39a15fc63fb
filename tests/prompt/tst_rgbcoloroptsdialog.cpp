// The modeless RGB colouring prompt: every change reaches the host at once.
#include "testsupport/TestSupport.h"

#include "prompt/RGBColorOptsDialog.h"
#include "sdk/host/ReferenceHost.h"
#include "sdk/widgets/QScientificSpinBox.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <cmath>

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

    void modeChoiceGreysTheCalculatedChannel()
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

    void channelChoiceIsKeptByClose()
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

    void rangeShownExactlyAndSteppedAtItsScale_data()
    {
        QTest::addColumn<double>("minimum");
        QTest::addColumn<double>("dataTop"); // the channels' data run from 0 to here
        QTest::addColumn<QString>("shown");
        QTest::addColumn<double>("afterUp");
        QTest::newRow("tiny") << 5e-19 << 5e-18 << "5e-19" << 1e-18;
        QTest::newRow("huge") << 1e140 << 1e141 << "1e+140" << 2e140;
        QTest::newRow("seventeen digits") << 0.1 + 0.2 << 1.0 << "0.30000000000000004" << 0.1 + 0.2 + 0.1;
        QTest::newRow("not a number: no step") << qQNaN() << 1.0 << "NaN" << qQNaN();
    }

    // A range of any magnitude shows as the text that reads back as it exactly, and an arrow step
    // moves it by a tenth of the channels' data range at that scale; NaN shows as "NaN".
    void rangeShownExactlyAndSteppedAtItsScale()
    {
        QFETCH(double, minimum);
        QFETCH(double, dataTop);
        QFETCH(QString, shown);
        QFETCH(double, afterUp);
        auto& host = ReferenceHost::instance();
        auto data = host.dataSet();
        data.variables.push_back({"Scaled", {0.0, dataTop}});
        host.loadDataSet(data);
        __int64 const scaled = __int64(data.variables.size());
        for (char const* channel : {"RedChannelVar", "GreenChannelVar", "BlueChannelVar"})
            host.styleStore().change(quarlin::host::StyleKey{{"GlobalRGB", channel}}, scaled);
        host.styleStore().change(quarlin::host::StyleKey{{"GlobalRGB", "RangeMin"}}, minimum);
        QWidget parent;
        RGBColorOptsDialog& dialog = RGBColorOptsDialog::getInstance(parent);
        dialog.launch();
        QVERIFY(quarlin::test::showActive(&dialog));
        auto* const field = child<quarlin::ui::QScientificSpinBox>(dialog, "minValue_doubleSpinBox");
        QCOMPARE(field->text(), shown);
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Up);
        double const stored = hostNumber("RangeMin");
        QVERIFY2(stored == afterUp || (std::isnan(stored) && std::isnan(afterUp)),
                 qPrintable(QString::number(stored, 'g', 17)));
        QVERIFY(host.messages().empty());
        dialog.reject();
    }
};

QUARLIN_TEST_MAIN(TestRGBColorOptsDialog)
#include "tst_rgbcoloroptsdialog.moc"
