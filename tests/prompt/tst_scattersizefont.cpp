// The scatter style set, what the scatter size and font prompt binds to, and the prompt on
// field and line plots.
#include "testsupport/TestSupport.h"

#include <QComboBox>
#include <QFontComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include <cmath>

#include "prompt/ScatterSizeFontDialog.h"
#include "prompt/ScatterSizeFontPropertiesManager_p.h"
#include "propertymanager/ScatterSizeFontPropertiesGenerated.h"
#include "referencehost/ReferenceHost.h"
#include "sdk/exception/ExceptionBoundary.h"
#include "sdk/host/QrnUtil.h"

using quarlin::dialogs::prompt::ScatterSizeFontDialog;
using quarlin::dialogs::prompt::ScatterSizeFontPropertiesManager;
using quarlin::host::ReferenceHost;
using quarlin::host::StyleKey;
using quarlin::sdk::ui::propertymanager::ScatterSizeFontPropertiesGenerated;

namespace {

auto& store()
{
    return ReferenceHost::instance().styleStore();
}

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

class TestScatterSizeFont : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        quarlin::test::resetHost();
        ReferenceHost::instance().loadSampleDataSet(); // its active frame shows a 2-D field
    }

    void followsThePlotType_data()
    {
        QTest::addColumn<int>("opensOn");
        QTest::addColumn<int>("switchesTo");
        QTest::newRow("field, then line") << int(PlotType_Cartesian2D) << int(PlotType_XYLine);
        QTest::newRow("line, then field") << int(PlotType_PolarLine) << int(PlotType_Cartesian3D);
    }

    // A field plot shows the scatter font and every size control, and gets a scatter-size
    // variable; a line plot shows its own font under its own title and leaves the variable alone.
    // The prompt follows at the idle point after a switch.
    void followsThePlotType()
    {
        QFETCH(int, opensOn);
        QFETCH(int, switchesTo);
        auto& host = ReferenceHost::instance();
        host.setPlotType(PlotType_e(opensOn));
        store().change(StyleKey{{"GlobalLinePlot", "BaseFontFamily"}}, std::string("Monospace"));
        QWidget parent;
        ScatterSizeFontDialog& dialog = ScatterSizeFontDialog::getInstance(parent);
        dialog.show();
        auto* const font =
            static_cast<QFontComboBox*>(control(dialog, "scatterSizeFont_SymbolsFont_ComboBox"));
        auto const shows = [&](int plotType) {
            bool const field = plotType == PlotType_Cartesian2D || plotType == PlotType_Cartesian3D;
            QCOMPARE(dialog.windowTitle(),
                     field ? QStringLiteral("Scatter Size/Font") : QStringLiteral("Symbol Font"));
            QCOMPARE(enabledSizeControls(dialog).size(), field ? 4 : 0); // all but the centimetre field
            QCOMPARE(font->currentFont().family(),
                     QFont(field ? QStringLiteral("Sans Serif") : QStringLiteral("Monospace")).family());
            QVERIFY(font->isEnabled());
            QCOMPARE(quarlin::test::hostStyle<__int64>({"GlobalScatter", "Var"}),
                     __int64(field || opensOn != plotType ? 4 : 0));
        };
        quarlin::test::reachIdle();
        shows(opensOn);
        host.setPlotType(PlotType_e(switchesTo));
        QCOMPARE(enabledSizeControls(dialog).size(), opensOn == PlotType_Cartesian2D ? 4 : 0); // not yet
        quarlin::test::reachIdle();
        shows(switchesTo);
        dialog.reject();
    }
    void sizeViewsConvertTheStoredSize_data()
    {
        QTest::addColumn<bool>("inGridUnits");
        QTest::newRow("stored in grid units") << true;
        QTest::newRow("stored in centimetres") << false;
    }

    void sizeViewsConvertTheStoredSize()
    {
        QFETCH(bool, inGridUnits);
        ScatterSizeFontPropertiesGenerated set(false, {});
        ScatterSizeFontPropertiesManager const manager(set);
        set.globalScatterRelativeSizeInGridUnits()->setValue(!inGridUnits);
        std::vector<double> heard;
        boost::signals2::scoped_connection const c =
            manager.relativeSizeInGridUnits()->connectToValueChangedSignal(
                [&](double const& v) { heard.push_back(v); });
        set.globalScatterRelativeSizeInGridUnits()->setValue(inGridUnits);
        set.globalScatterRelativeSize()->setValue(0.5);
        double const f = QrnUtilConvertUnits(UnitType_Grid, UnitType_Point, 2.54 / 72.0);
        double const grid = inGridUnits ? 0.5 : 0.5 / f;
        QCOMPARE(manager.relativeSizeInGridUnits()->value(), grid);
        QCOMPARE(manager.relativeSizeInCm()->value(), inGridUnits ? 0.5 * f : 0.5);
        QCOMPARE(heard.size(), std::size_t(2)); // the unit and then the size changed what it shows
        QCOMPARE(heard.back(), grid);
    }

    void recalculatedSize_data()
    {
        QTest::addColumn<QString>("variable");
        QTest::addColumn<bool>("inGridUnits");
        QTest::addColumn<double>("size");
        QTest::addColumn<double>("gridTop");
        // The sample's axis grid spans 0 to 1 vertically; medium symbols are 2.5 %.
        QTest::newRow("X (0 to 1), grid units") << "X" << true << 0.025 << 1.0;
        QTest::newRow("Pressure (99.3 to 101.3), grid units") << "Pressure" << true << 0.025 / 101.3 << 1.0;
        QTest::newRow("all zero") << "Zero" << true << 0.0 << 1.0;
        QTest::newRow("no such variable") << "" << false << 0.0 << 1.0;
        // No size comes of it: refused, and the host keeps its own.
        QTest::newRow("infinite axis range") << "X" << true << 7.0 << qInf();
        QTest::newRow("axis range not a number") << "X" << false << 7.0 << qQNaN();
    }

    void recalculatedSize()
    {
        QFETCH(QString, variable);
        QFETCH(bool, inGridUnits);
        QFETCH(double, size);
        QFETCH(double, gridTop);
        ReferenceHost::instance().setAxisGridRange({0.0, 0.0, 1.0, gridTop});
        auto data = ReferenceHost::instance().dataSet();
        data.variables.push_back({"Zero", std::vector<double>(data.variables.front().values.size(), 0.0)});
        ReferenceHost::instance().loadDataSet(data);
        ScatterSizeFontPropertiesGenerated set(false, {});
        ScatterSizeFontPropertiesManager manager(set);
        int number = 99;
        for (std::size_t i = 0; i < data.variables.size(); ++i)
            if (QString::fromStdString(data.variables[i].name) == variable)
                number = int(i + 1);
        store().change(StyleKey{{"GlobalScatter", "Var"}}, __int64(number));
        set.globalScatterRelativeSizeInGridUnits()->setValue(inGridUnits);
        set.globalScatterRelativeSize()->setValue(7.0);
        bool const refused = !quarlin::runAtBoundary([&] { manager.recalculateSize(); });
        QCOMPARE(refused, !std::isfinite(gridTop));
        QCOMPARE(ReferenceHost::instance().messages().size(), std::size_t(refused ? 1 : 0));
        QVERIFY2(qAbs(set.globalScatterRelativeSize()->value() - size) < 1e-12,
                 qPrintable(QString::number(set.globalScatterRelativeSize()->value())));
        QCOMPARE(ReferenceHost::instance().lockDepth(), 0);
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
        QVERIFY(!quarlin::test::hostStyle<bool>({"GlobalScatter", "RelativeSizeInGridUnits"})); // at once
        // The centimetre field shows the stored size unconverted now; Recalculate writes one in cm.
        auto* const cm = static_cast<QLineEdit*>(control(dialog, "scatterSizeFont_SizeCm_1Text"));
        QCOMPARE(cm->text(), QStringLiteral("0.05"));
        QTest::mouseClick(
            static_cast<QAbstractButton*>(control(dialog, "scatterSizeFont_RecalculateSize_Button")),
            Qt::LeftButton);
        double const size = quarlin::test::hostStyle<double>({"GlobalScatter", "RelativeSize"});
        QVERIFY(size > 0.0 && size != 0.05);
        QVERIFY(qAbs(cm->text().toDouble() - size) <= 1e-5 * size); // shown to six digits
        dialog.reject();
    }
};

QUARLIN_TEST_MAIN(TestScatterSizeFont)
#include "tst_scattersizefont.moc"
