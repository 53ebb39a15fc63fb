// The scatter size and font prompt on field and line plots.
#include "testsupport/TestSupport.h"

#include "prompt/ScatterSizeFontDialog.h"
#include "sdk/host/ReferenceHost.h"

#include <QComboBox>
#include <QFontComboBox>
#include <QLineEdit>
#include <QRadioButton>

using quarlin::dialogs::prompt::ScatterSizeFontDialog;
using quarlin::host::ReferenceHost;

namespace {

QWidget* control(QWidget& dialog, char const* name)
{
    return dialog.findChild<QWidget*>(QLatin1String(name));
}

QStringList enabledSizeControls(QWidget& dialog)
{
    QStringList enabled;
    for (char const* name : {"scatterSizeFont_SizeVaiable_ComboBox", "scatterSizeFont_SizeGrid_radioButton",
                             "scatterSizeFont_SizeGrid_1Text", "scatterSizeFont_SizeCm_1Text",
                             "scatterSizeFont_RecalculateSize_Button"})
        if (control(dialog, name)->isEnabled())
            enabled << QLatin1String(name);
    return enabled;
}

} // namespace

class TestScatterSizeFontDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        quarlin::test::resetHost();
        ReferenceHost::instance().loadSampleDataSet(); // its active frame shows a 2-D field
    }

    void followsThePlotTypeWhileOpen()
    {
        QWidget parent;
        ScatterSizeFontDialog& dialog = ScatterSizeFontDialog::getInstance(parent);
        dialog.show();
        quarlin::test::reachIdle();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Scatter Size/Font"));
        QCOMPARE(enabledSizeControls(dialog).size(), 4); // all but the centimetre field
        ReferenceHost::instance().styleStore().change(
            quarlin::host::StyleKey{{"GlobalLinePlot", "BaseFontFamily"}}, std::string("Monospace"));
        ReferenceHost::instance().setPlotType(PlotType_XYLine);
        quarlin::test::reachIdle();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Symbol Font"));
        QCOMPARE(enabledSizeControls(dialog), QStringList());
        auto* const font =
            static_cast<QFontComboBox*>(control(dialog, "scatterSizeFont_SymbolsFont_ComboBox"));
        QCOMPARE(font->currentFont().family(), QFont(QStringLiteral("Monospace")).family());
        QVERIFY(font->isEnabled());
        dialog.reject();
    }

    void unitChoiceSwitchesTheSizeField()
    {
        QWidget parent;
        ScatterSizeFontDialog& dialog = ScatterSizeFontDialog::getInstance(parent);
        QVERIFY(quarlin::test::showActive(&dialog));
        quarlin::test::reachIdle();
        quarlin::test::clickIndicator(
            static_cast<QRadioButton*>(control(dialog, "scatterSizeFont_SizeCm_radioButton")));
        quarlin::test::reachIdle();
        QVERIFY(!control(dialog, "scatterSizeFont_SizeGrid_1Text")->isEnabled());
        QVERIFY(control(dialog, "scatterSizeFont_SizeCm_1Text")->isEnabled());
        auto const stored = [] {
            return std::get<bool>(*ReferenceHost::instance().styleStore().value(
                quarlin::host::StyleKey{{"GlobalScatter", "RelativeSizeInGridUnits"}}));
        };
        QVERIFY(!stored()); // written at once
        // The centimetre field shows the stored size unconverted now; Recalculate writes one in cm.
        auto* const cm = static_cast<QLineEdit*>(control(dialog, "scatterSizeFont_SizeCm_1Text"));
        QCOMPARE(cm->text(), QStringLiteral("0.05"));
        QTest::mouseClick(
            static_cast<QAbstractButton*>(control(dialog, "scatterSizeFont_RecalculateSize_Button")),
            Qt::LeftButton);
        double const size = std::get<double>(*ReferenceHost::instance().styleStore().value(
            quarlin::host::StyleKey{{"GlobalScatter", "RelativeSize"}}));
        QVERIFY(size > 0.0 && size != 0.05);
        QVERIFY(qAbs(cm->text().toDouble() - size) <= 1e-5 * size); // shown to six digits
        dialog.reject();
    }
};

QUARLIN_TEST_MAIN(TestScatterSizeFontDialog)
#include "tst_scattersizefontdialog.moc"
