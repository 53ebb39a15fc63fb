#include "testsupport/TestSupport.h"

#include "prompt/AddonsVariableSelectDialog.h"
#include "prompt/AxisVariableSelectDialog.h"
#include "prompt/RGBVariableSelectDialog.h"
#include "prompt/VectorVarAssignStrategy.h"
#include "prompt/VectorVariableSelectDialog.h"
#include "property/Property.h"
#include "sdk/host/ReferenceHost.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>

#include <stdexcept>

using namespace quarlin::dialogs::prompt;
using quarlin::host::ReferenceHost;
using quarlin::host::StyleKey;
using quarlin::host::StylePath;
using quarlin::host::StyleRule;

namespace {

QComboBox* combo(QDialog& dialog, int row)
{
    return dialog.findChild<QComboBox*>(QStringLiteral("var%1_comboBox").arg(row));
}

QString label(QDialog& dialog, int row)
{
    return dialog.findChild<QLabel*>(QStringLiteral("var%1_label").arg(row))->text();
}

// A person's choice: focus the combo box and move through it with a key.
void pick(QComboBox* box, Qt::Key key)
{
    box->setFocus();
    QTest::keyClick(box, key);
}

void click(QDialog& dialog, QDialogButtonBox::StandardButton which)
{
    QTest::mouseClick(quarlin::test::dialogButton(dialog, which), Qt::LeftButton);
}

__int64 hostNumber(StylePath const& path)
{
    return std::get<__int64>(*ReferenceHost::instance().styleStore().value(StyleKey{path}));
}

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

    void axesOfATwoDFrameAreOneUndoStep()
    {
        auto& host = ReferenceHost::instance();
        QWidget parent;
        VariableSelectDialog& dialog = AxisVariableSelectDialog::getInstance(parent);
        auto const run = quarlin::test::runModal(
            &dialog, [&] { dialog.launch(); },
            [&] {
                QCOMPARE(label(dialog, 1), QStringLiteral("&X"));
                QCOMPARE(label(dialog, 2), QStringLiteral("&Y"));
                QVERIFY(!combo(dialog, 3)->isVisible());
                QCOMPARE(combo(dialog, 1)->currentText(), QStringLiteral("X"));
                pick(combo(dialog, 1), Qt::Key_End);                         // W, variable 8
                pick(combo(dialog, 2), Qt::Key_Down);                        // Z, variable 3
                QCOMPARE(host.styleStore().writes().size(), std::size_t(0)); // nothing before OK
                click(dialog, QDialogButtonBox::Ok);
            });
        QVERIFY(!run.leftOpen);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(hostNumber(axisX), __int64(8));
        QCOMPARE(hostNumber(axisY), __int64(3));
        auto const& writes = host.styleStore().writes();
        QCOMPARE(writes.size(), std::size_t(2));
        QVERIFY(writes[0].lockHeld && writes[1].lockHeld);
        QCOMPARE(writes[0].undoStep, writes[1].undoStep);
        QVERIFY(host.undo());
        QCOMPARE(hostNumber(axisX), __int64(1));
        QCOMPARE(hostNumber(axisY), __int64(2));
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
        QCOMPARE(hostNumber(axisX), __int64(8)); // written before the refusal, and kept
        QCOMPARE(hostNumber(axisY), __int64(2));
        QVERIFY(host.undo()); // the step was closed and holds the kept change
        QCOMPARE(hostNumber(axisX), __int64(1));
    }

    void vectorsOfATwoDFrameProposeCandidatesAndCancelWritesNothing()
    {
        QWidget parent;
        VariableSelectDialog& dialog = VectorVariableSelectDialog::getInstance(parent, PlotType_Cartesian2D);
        quarlin::test::runModal(
            &dialog, [&] { dialog.launch(); },
            [&] {
                QCOMPARE(combo(dialog, 1)->currentText(), QStringLiteral("U"));
                QCOMPARE(combo(dialog, 2)->currentText(), QStringLiteral("V"));
                QVERIFY(!combo(dialog, 3)->isVisible());
                pick(combo(dialog, 1), Qt::Key_Home);
                click(dialog, QDialogButtonBox::Cancel);
            });
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(ReferenceHost::instance().styleStore().writes().empty());
        QCOMPARE(hostNumber({"GlobalTwoDVector", "UVar"}), __int64(0));
    }

    void rgbAlwaysShowsThreeCandidateChannels()
    {
        QWidget parent;
        VariableSelectDialog& dialog = RGBVariableSelectDialog::getInstance(parent);
        quarlin::test::runModal(
            &dialog, [&] { dialog.launch(); },
            [&] {
                QStringList shown;
                for (int row = 1; row <= 3; ++row)
                    shown << (combo(dialog, row)->isVisible() ? combo(dialog, row)->currentText()
                                                              : QString());
                // Not coordinates: the first three others.
                QCOMPARE(shown, (QStringList{QStringLiteral("Temperature"), QStringLiteral("Pressure"),
                                             QStringLiteral("U")}));
                click(dialog, QDialogButtonBox::Ok);
            });
        QCOMPARE(hostNumber({"GlobalRGB", "BlueChannelVar"}), __int64(6));
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
        QCOMPARE(hostNumber({"GlobalTwoDVector", "UVar"}), __int64(asks ? 6 : hostHasVectors ? 1 : 0));
    }

    void addOnRowsFollowItsLabels()
    {
        using IntProperty = quarlin::Property<int>;
        auto const probe = boost::make_shared<IntProperty>(4);
        QWidget parent;
        QVERIFY_EXCEPTION_THROWN(AddonsVariableSelectDialog::getInstance(parent, "Pick.", nullptr, nullptr,
                                                                         nullptr, probe, probe, probe),
                                 std::out_of_range);
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

    void tooFewLabelsThrowBeforeShowing()
    {
        QWidget parent;
        VariableSelectDialog& dialog = VariableSelectDialog::getInstance(
            parent, {"ThreeDAxis", "XDetail", "VarNum"}, {"ThreeDAxis", "YDetail", "VarNum"},
            {"ThreeDAxis", "ZDetail", "VarNum"}, "Three axes.", {"&X", "&Y"},
            AxisVariableSelectDialog::AxisVarAssignment());
        QVERIFY_EXCEPTION_THROWN(dialog.launch(), std::out_of_range);
        QVERIFY(!dialog.isVisible());
    }
};

QUARLIN_TEST_MAIN(TestVariableSelectDialog)
#include "tst_variableselectdialog.moc"
