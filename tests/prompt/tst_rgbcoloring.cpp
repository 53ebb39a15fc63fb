// The RGB colouring settings as a property set, the rules and lists over them, the intensity
// step, and the modeless prompt over them, whose every change reaches the host at once.
#include "testsupport/TestSupport.h"

#include "prompt/RGBColorOptsDialog.h"
#include "propertybindings/models/PremappedListModel.h"
#include "propertymanager/IntensitySpinBoxIncDecCalculator_p.h"
#include "propertymanager/RGBColorOptsPropertiesGenerated.h"
#include "propertymanager/RGBColorOptsPropertiesManager_p.h"
#include "referencehost/ReferenceHost.h"
#include "sdk/widgets/QScientificSpinBox.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <cmath>

#include <boost/make_shared.hpp>

using quarlin::dialogs::prompt::RGBColorOptsDialog;
using quarlin::host::ReferenceHost;
using quarlin::host::StyleKey;
using namespace quarlin::sdk::ui::propertymanager;

namespace {

auto& store()
{
    return ReferenceHost::instance().styleStore();
}

__int64 hostInt(char const* name, __int64 offset1 = -1, __int64 offset2 = -1)
{
    return quarlin::test::hostStyle<__int64>({"GlobalRGB", name}, offset1, offset2);
}

void setChannels(__int64 red, __int64 green, __int64 blue)
{
    store().change(StyleKey{{"GlobalRGB", "RedChannelVar"}}, red);
    store().change(StyleKey{{"GlobalRGB", "GreenChannelVar"}}, green);
    store().change(StyleKey{{"GlobalRGB", "BlueChannelVar"}}, blue);
}

template <class W>
W* child(QWidget& dialog, char const* name)
{
    return dialog.findChild<W*>(QLatin1String(name));
}

} // namespace

class TestRGBColoring : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        quarlin::test::resetHost();
        ReferenceHost::instance().loadSampleDataSet();
    }

    // A modal set writes nothing before its submit, which is one undo step under the host lock; a
    // nested set reads the instance its parent's offset and its own choose, and is submitted with
    // its parent, inside the parent's step. (A modeless set writes at once: the RGB prompt's.)
    void nestedSetFollowsItsParent()
    {
        store().change(StyleKey{{"GlobalRGB", "RGBMode"}, 2, 5}, __int64(RGBMode_SpecifyGB));
        RGBColorOptsPropertiesGenerated parent(true, {});
        parent.setCollectionOffset(2);
        RGBColorOptsPropertiesGenerated nested(&parent, {});
        nested.setCollectionOffset(5);
        nested.init();
        QCOMPARE(nested.globalRGBRGBMode()->value(), RGBMode_SpecifyGB);
        nested.globalRGBRGBMode()->setValue(RGBMode_SpecifyRG);
        parent.globalRGBRedChannelVar()->setValue(7);
        QCOMPARE(hostInt("RedChannelVar"), __int64(0)); // nothing before the submit
        int const steps = ReferenceHost::instance().completedUndoSteps();
        parent.submit();
        QCOMPARE(ReferenceHost::instance().lockDepth(), 0);
        QCOMPARE(hostInt("RedChannelVar"), __int64(7));
        QCOMPARE(hostInt("RGBMode", 2, 5), __int64(RGBMode_SpecifyRG));
        QCOMPARE(hostInt("RGBMode"), __int64(RGBMode_SpecifyRGB));
        // Parent and child in one step: one Undo takes back the whole submit.
        QCOMPARE(ReferenceHost::instance().completedUndoSteps(), steps + 1);
        QVERIFY(ReferenceHost::instance().undo());
        QCOMPARE(hostInt("RGBMode", 2, 5), __int64(RGBMode_SpecifyGB));
        QCOMPARE(hostInt("RedChannelVar"), __int64(0));
    }

    void invalidChannelsAreReplaced_data()
    {
        QTest::addColumn<QVector<int>>("channels");
        QTest::addColumn<QVector<int>>("expected");
        QTest::newRow("valid: left alone") << QVector<int>{1, 2, 3} << QVector<int>{1, 2, 3};
        QTest::newRow("unassigned: the candidates") << QVector<int>{0, 0, 0} << QVector<int>{4, 5, 6};
        QTest::newRow("one gone: all three replaced") << QVector<int>{1, 2, 9} << QVector<int>{4, 5, 6};
    }

    // When the manager is built, and again at the idle point after the data set changed.
    void invalidChannelsAreReplaced()
    {
        QFETCH(QVector<int>, channels);
        QFETCH(QVector<int>, expected);
        auto const set =
            boost::make_shared<RGBColorOptsPropertiesGenerated>(false, quarlin::toolbox::StringList{});
        auto const channelsNow = [] {
            return QVector<int>{int(hostInt("RedChannelVar")), int(hostInt("GreenChannelVar")),
                                int(hostInt("BlueChannelVar"))};
        };
        for (bool afterDataChange : {false, true}) {
            setChannels(channels[0], channels[1], channels[2]);
            std::unique_ptr<RGBColorOptsPropertiesManager> manager;
            if (afterDataChange) {
                manager = std::make_unique<RGBColorOptsPropertiesManager>(set);
                setChannels(channels[0], channels[1], channels[2]);
                quarlin::test::reachIdle();
                QCOMPARE(channelsNow(), channels); // a style change is not one that can spoil them
                ReferenceHost::instance().loadSampleDataSet();
                QCOMPARE(channelsNow(), channels); // not before the idle point
                quarlin::test::reachIdle();
            } else {
                manager = std::make_unique<RGBColorOptsPropertiesManager>(set);
            }
            QCOMPARE(channelsNow(), expected);
        }
    }

    // The data set changes under the open prompt and loses the channels: they take the host's
    // candidates in one undo step, not the first variable a combo box would fall back to.
    void lostChannelsTakeTheCandidates_data()
    {
        QTest::addColumn<int>("before"); // variables, the channels on the last three
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("eight replaced by four")
            << 8 << quarlin::test::texts({"X", "Y", "V3", "V4"}) << quarlin::test::texts({"V3", "V4", "X"});
        QStringList fifty = quarlin::test::texts({"X", "Y"});
        for (int i = 3; i <= 50; ++i)
            fifty << QStringLiteral("V%1").arg(i);
        QTest::newRow("100000 shrunk to 50") << 100000 << fifty << quarlin::test::texts({"V3", "V4", "V5"});
    }

    void lostChannelsTakeTheCandidates()
    {
        QFETCH(int, before);
        QFETCH(QStringList, after);
        QFETCH(QStringList, shown);
        auto& host = ReferenceHost::instance();
        auto const load = [&host](QStringList const& names) {
            quarlin::host::DataSet data = host.dataSet();
            data.variables.clear();
            for (QString const& name : names)
                data.variables.push_back({name.toStdString(), {0.0, 1.0}});
            host.loadDataSet(data);
        };
        QStringList many;
        for (int i = 1; i <= before; ++i)
            many << QStringLiteral("V%1").arg(i);
        load(many);
        setChannels(before - 2, before - 1, before);
        QWidget parent;
        RGBColorOptsDialog& dialog = RGBColorOptsDialog::getInstance(parent);
        dialog.launch();
        QVERIFY(quarlin::test::showActive(&dialog));
        int const steps = host.completedUndoSteps();
        load(after);
        quarlin::test::reachIdle();
        QStringList shownNow;
        for (char const* combo : {"rGBColorOpts_RedVariable_CmbBox", "rGBColorOpts_GreenVariable_CmbBox",
                                  "rGBColorOpts_BlueVariable_CmbBox"})
            shownNow << child<QComboBox>(dialog, combo)->currentText();
        QCOMPARE(shownNow, shown);
        QCOMPARE((QStringList{after.value(int(hostInt("RedChannelVar")) - 1),
                              after.value(int(hostInt("GreenChannelVar")) - 1),
                              after.value(int(hostInt("BlueChannelVar")) - 1)}),
                 shown);
        QCOMPARE(host.completedUndoSteps(), steps + 1);
        QVERIFY(host.messages().empty());
        dialog.reject();
    }

    void intensityStepSpansTheChannels_data()
    {
        QTest::addColumn<QVector<int>>("channels");
        QTest::addColumn<double>("step");
        QTest::newRow("X and Pressure: 0 to 101.3") << QVector<int>{1, 5, 1} << 10.13;
        QTest::newRow("X alone") << QVector<int>{1, 1, 1} << 0.1;
        QTest::newRow("blue has no range") << QVector<int>{1, 5, 9} << 0.0;
    }

    void intensityStepSpansTheChannels()
    {
        QFETCH(QVector<int>, channels);
        QFETCH(double, step);
        setChannels(channels[0], channels[1], channels[2]);
        RGBColorOptsPropertiesGenerated set(false, {});
        IntensitySpinBoxIncDecCalculator const calculator(set);
        QVERIFY(qAbs(calculator.stepSize() - step) < 1e-9);
        QCOMPARE(ReferenceHost::instance().lockDepth(), 0);
    }

    void modeGreysTheChannelItCalculates_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("listed");
        QTest::addColumn<QString>("calculated"); // the channel greyed out
        QTest::newRow("all chosen") << int(RGBMode_SpecifyRGB) << "Specify R, G, and B" << QString();
        QTest::newRow("blue calculated") << int(RGBMode_SpecifyRG) << "Specify R&G, calculate B"
                                         << "Blue";
        QTest::newRow("green calculated") << int(RGBMode_SpecifyRB) << "Specify R&B, calculate G"
                                          << "Green";
        QTest::newRow("red calculated") << int(RGBMode_SpecifyGB) << "Specify G&B, calculate R"
                                        << "Red";
    }

    // A mode chosen reaches the host at once and greys out the channel it calculates; on a line
    // plot, which has no RGB colouring, the whole prompt greys out.
    void modeGreysTheChannelItCalculates()
    {
        QFETCH(int, mode);
        QFETCH(QString, listed);
        QFETCH(QString, calculated);
        QWidget parent;
        RGBColorOptsDialog& dialog = RGBColorOptsDialog::getInstance(parent);
        dialog.launch();
        QVERIFY(quarlin::test::showActive(&dialog));
        auto* const modes = child<QComboBox>(dialog, "rGBColorOpts_Mode_CmbBox");
        modes->setFocus();
        QTest::keyClick(modes, Qt::Key_Home);
        for (int i = 0; i < mode; ++i)
            QTest::keyClick(modes, Qt::Key_Down);
        quarlin::test::reachIdle();
        QCOMPARE(modes->currentText(), listed);
        QCOMPARE(hostInt("RGBMode"), __int64(mode));
        for (char const* channel : {"Red", "Green", "Blue"}) {
            QByteArray const name = QByteArray("rGBColorOpts_") + channel + "Variable_";
            bool const usable = calculated != QLatin1String(channel);
            QCOMPARE(child<QComboBox>(dialog, name + "CmbBox")->isEnabled(), usable);
            QCOMPARE(child<QLabel>(dialog, name + "Label")->isEnabled(), usable);
        }
        ReferenceHost::instance().setPlotType(PlotType_XYLine);
        QVERIFY(!modes->isEnabled());
        dialog.reject();
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
        quarlin::test::reachIdle();
        double const stored = quarlin::test::hostStyle<double>({"GlobalRGB", "RangeMin"});
        QVERIFY2(stored == afterUp || (std::isnan(stored) && std::isnan(afterUp)),
                 qPrintable(QString::number(stored, 'g', 17)));
        QVERIFY(host.messages().empty());
        dialog.reject();
    }
};

QUARLIN_TEST_MAIN(TestRGBColoring)
#include "tst_rgbcoloring.moc"
