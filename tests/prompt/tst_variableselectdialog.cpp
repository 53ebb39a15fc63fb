#include "testsupport/TestSupport.h"

#include "prompt/AddonsVariableSelectDialog.h"
#include "prompt/AxisVariableSelectDialog.h"
#include "prompt/RGBVariableSelectDialog.h"
#include "prompt/VectorVarAssignStrategy.h"
#include "prompt/VectorVariableSelectDialog.h"
#include "property/Property.h"
#include "referencehost/ReferenceHost.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>

#include <stdexcept>
#include <tuple>

using namespace quarlin::dialogs::prompt;
using quarlin::host::ReferenceHost;
using quarlin::host::StyleKey;
using quarlin::host::StylePath;
using quarlin::host::StyleRule;
using quarlin::test::texts;

namespace {

QComboBox* combo(QDialog& dialog, int row)
{
    return dialog.findChild<QComboBox*>(QStringLiteral("var%1_comboBox").arg(row));
}

// A person's choice: focus the combo box and move through it with a key.
void pick(QComboBox* box, Qt::Key key)
{
    box->setFocus();
    QTest::keyClick(box, key);
    quarlin::test::reachIdle(); // a choice is taken once Qt is done with the key
}

void click(QDialog& dialog, QDialogButtonBox::StandardButton which)
{
    QTest::mouseClick(quarlin::test::dialogButton(dialog, which), Qt::LeftButton);
}

using quarlin::test::hostStyle;

StylePath const axisX{"TwoDAxis", "XDetail", "VarNum"};
StylePath const axisY{"TwoDAxis", "YDetail", "VarNum"};

} // namespace

class TestVariableSelectDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        quarlin::test::resetHost();
        ReferenceHost::instance().loadSampleDataSet(); // its active frame is 2-D
    }

    void proposesAndWritesOnOkAsOneStep_data()
    {
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QStringList>("proposed"); // per row; empty: the row is hidden
        QTest::addColumn<QList<int>>("keys");      // a key pressed in each row's combo box
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QStringList>("after"); // "Group/Name=value" as the host holds it
        QTest::newRow("axes, OK") << QStringLiteral("axis") << texts({"X", "Y", ""})
                                  << QList<int>{Qt::Key_End, Qt::Key_Down} << true
                                  << texts({"TwoDAxis/XDetail/VarNum=8", "TwoDAxis/YDetail/VarNum=3"});
        QTest::newRow("vectors, Cancel")
            << QStringLiteral("vector") << texts({"U", "V", ""}) << QList<int>{Qt::Key_Home} << false
            << texts({"GlobalTwoDVector/UVar=0"});
        // Not coordinates: the first three others.
        QTest::newRow("RGB channels, OK")
            << QStringLiteral("rgb") << texts({"Temperature", "Pressure", "U"}) << QList<int>{} << true
            << texts({"GlobalRGB/RedChannelVar=4", "GlobalRGB/GreenChannelVar=5",
                      "GlobalRGB/BlueChannelVar=6"});
    }

    // A prompt proposes candidates for the rows it shows and writes nothing before OK, which
    // writes every choice under the host lock in one undo step; Cancel writes nothing.
    void proposesAndWritesOnOkAsOneStep()
    {
        QFETCH(QString, prompt);
        QFETCH(QStringList, proposed);
        QFETCH(QList<int>, keys);
        QFETCH(bool, ok);
        QFETCH(QStringList, after);
        auto& host = ReferenceHost::instance();
        std::vector<std::tuple<StylePath, __int64, __int64>> settings; // before and after
        for (QString const& write : after) {
            StylePath path;
            for (QString const& part : write.section(QLatin1Char('='), 0, 0).split(QLatin1Char('/')))
                path.push_back(part.toStdString());
            settings.emplace_back(path, hostStyle<__int64>(path),
                                  write.section(QLatin1Char('='), 1).toLongLong());
        }
        QWidget parent;
        VariableSelectDialog& dialog =
            prompt == QLatin1String("axis") ? AxisVariableSelectDialog::getInstance(parent)
            : prompt == QLatin1String("vector")
                ? VectorVariableSelectDialog::getInstance(parent, PlotType_Cartesian2D)
                : RGBVariableSelectDialog::getInstance(parent);
        quarlin::test::runModal(
            &dialog, [&] { dialog.launch(); },
            [&] {
                for (int row = 1; row <= 3; ++row)
                    QCOMPARE(combo(dialog, row)->isVisible() ? combo(dialog, row)->currentText() : QString(),
                             proposed.at(row - 1));
                for (int row = 1; row <= keys.size(); ++row)
                    pick(combo(dialog, row), Qt::Key(keys.at(row - 1)));
                QVERIFY(host.styleStore().writes().empty());
                click(dialog, ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel);
            });
        QCOMPARE(dialog.result(), int(ok ? QDialog::Accepted : QDialog::Rejected));
        for (auto const& [path, was, expected] : settings)
            QCOMPARE(hostStyle<__int64>(path), expected);
        auto const& writes = host.styleStore().writes();
        QCOMPARE(writes.size(), ok ? std::size_t(after.size()) : 0);
        for (auto const& write : writes)
            QVERIFY(write.lockHeld && write.undoStep == writes.front().undoStep);
        if (ok) { // one Undo takes it all back
            QVERIFY(host.undo());
            for (auto const& [path, was, expected] : settings)
                QCOMPARE(hostStyle<__int64>(path), was);
        }
    }

    void refusalInTheMiddleOfOkKeepsTheDialogOpen()
    {
        auto& host = ReferenceHost::instance();
        host.styleStore().setRule(axisY, StyleRule::refuse("The Y axis is locked."));
        QWidget parent;
        VariableSelectDialog& dialog = AxisVariableSelectDialog::getInstance(parent);
        quarlin::test::runModal(
            &dialog, [&] { dialog.launch(); },
            [&] {
                pick(combo(dialog, 1), Qt::Key_End);
                pick(combo(dialog, 2), Qt::Key_Down);
                click(dialog, QDialogButtonBox::Ok);
                QVERIFY(dialog.isVisible());
                QCOMPARE(quarlin::test::hostMessageTexts(),
                         std::vector<std::string>{"The Y axis is locked."});
                QCOMPARE(host.undoDepth(), 0);
                QCOMPARE(host.lockDepth(), 0);
            });
        QCOMPARE(hostStyle<__int64>(axisX), __int64(8)); // written before the refusal, and kept
        QCOMPARE(hostStyle<__int64>(axisY), __int64(2));
        QVERIFY(host.undo()); // the step was closed and holds the kept change
        QCOMPARE(hostStyle<__int64>(axisX), __int64(1));
    }

    void strategyAsksOnlyWhenItMust_data()
    {
        QTest::addColumn<int>("plotType");
        QTest::addColumn<bool>("hostHasVectors");
        QTest::addColumn<bool>("asks");
        QTest::addColumn<bool>("result");
        QTest::newRow("automatic") << int(PlotType_Automatic) << false << false << false;
        QTest::newRow("line plot") << int(PlotType_XYLine) << false << false << false;
        QTest::newRow("host can show them") << int(PlotType_Cartesian2D) << true << false << true;
        QTest::newRow("asks, OK") << int(PlotType_Cartesian2D) << false << true << true;
    }

    void strategyAsksOnlyWhenItMust()
    {
        QFETCH(int, plotType);
        QFETCH(bool, hostHasVectors);
        QFETCH(bool, asks);
        QFETCH(bool, result);
        auto& store = ReferenceHost::instance().styleStore();
        if (hostHasVectors) {
            store.change(StyleKey{{"GlobalTwoDVector", "UVar"}}, __int64(1));
            store.change(StyleKey{{"GlobalTwoDVector", "VVar"}}, __int64(2));
        }
        QWidget parent;
        bool answer = !result;
        auto const run = quarlin::test::runModal(
            nullptr, [&] { answer = VectorVarAssignStrategy(parent)(PlotType_e(plotType)); },
            [&] {
                auto* const dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                click(*dialog, QDialogButtonBox::Ok);
            });
        QCOMPARE(run.actionsRan, asks);
        QCOMPARE(answer, result);
        QCOMPARE(hostStyle<__int64>({"GlobalTwoDVector", "UVar"}), __int64(asks             ? 6
                                                                           : hostHasVectors ? 1
                                                                                            : 0));
    }

    // Too few labels for the rows a prompt shows are refused before anything is shown.
    void addOnRowsFollowItsLabels()
    {
        using IntProperty = quarlin::Property<int>;
        auto const probe = boost::make_shared<IntProperty>(4);
        QWidget parent;
        QVERIFY_EXCEPTION_THROWN(AddonsVariableSelectDialog::getInstance(parent, "Pick.", nullptr, nullptr,
                                                                         nullptr, probe, probe, probe),
                                 std::out_of_range);
        VariableSelectDialog& threeAxes = VariableSelectDialog::getInstance(
            parent, {"ThreeDAxis", "XDetail", "VarNum"}, {"ThreeDAxis", "YDetail", "VarNum"},
            {"ThreeDAxis", "ZDetail", "VarNum"}, "Three axes.", {"&X", "&Y"},
            AxisVariableSelectDialog::AxisVarAssignment());
        QVERIFY_EXCEPTION_THROWN(threeAxes.launch(), std::out_of_range); // before showing
        QVERIFY(!threeAxes.isVisible());
        AddonsVariableSelectDialog& dialog = AddonsVariableSelectDialog::getInstance(
            parent, "Pick the probe's variable.", "&Probe", nullptr, nullptr, probe,
            boost::make_shared<IntProperty>(5), boost::make_shared<IntProperty>(6));
        quarlin::test::runModal(
            &dialog, [&] { dialog.launch(); },
            [&] {
                QVERIFY(combo(dialog, 1)->isVisible());
                QVERIFY(!combo(dialog, 2)->isVisible() && !combo(dialog, 3)->isVisible());
                QCOMPARE(combo(dialog, 1)->currentText(), QStringLiteral("Temperature"));
                pick(combo(dialog, 1), Qt::Key_End);
                QCOMPARE(probe->value(), 8); // at once, not on OK
                click(dialog, QDialogButtonBox::Cancel);
            });
        QCOMPARE(probe->value(), 8);
        QVERIFY(ReferenceHost::instance().styleStore().writes().empty());
    }
};

QUARLIN_TEST_MAIN(TestVariableSelectDialog)
#include "tst_variableselectdialog.moc"
