#include "testsupport/TestSupport.h"

#include "sdk/host/AppLock.h"
#include "sdk/host/QrnUtil.h"
#include "sdk/host/ReferenceHost.h"
#include "sdk/host/Set.h"
#include "sdk/host/StateChangeEvent.h"
#include "sdk/host/StringList.h"

#include <QApplication>

#include <vector>

using quarlin::host::ReferenceHost;
using quarlin::toolbox::Set;
using quarlin::toolbox::StringList;

class TestHostInterface : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { quarlin::test::resetHost(); }

    void stringListFromNullTerminatedParts();
    void setKeepsSortedUniquePositiveMembers();
    void varMinMaxLeavesOutputsOnFailure_data();
    void varMinMaxLeavesOutputsOnFailure();
    void everyControlChangeAnnouncesItsKind();
    void unchangedStateAnnouncesNothing();
    void messagesAreRecordedAndNullIgnored();
    void styleErrorStringIsOwnedByCaller();
    void locksAndUndoStepsNest();
};

void TestHostInterface::stringListFromNullTerminatedParts()
{
    StringList const parts("GlobalRGB", "RedChannelVar", static_cast<char const*>(nullptr));
    QCOMPARE(parts.count(), std::size_t(2));
    QCOMPARE(parts.joined(), std::string("GlobalRGB/RedChannelVar"));
    StringList prefixed{"Prefix"};
    prefixed.append(parts);
    QCOMPARE(prefixed.count(), std::size_t(3));
    QCOMPARE(prefixed.at(7), std::string()); // out of range: empty, no UB
    QCOMPARE(StringList(static_cast<char const*>(nullptr)).count(), std::size_t(0));
}

void TestHostInterface::setKeepsSortedUniquePositiveMembers()
{
    Set set{5, 1, 5, 0, -3, 2};
    QCOMPARE(set.members(), (std::vector<__int64>{1, 2, 5}));
    set.addRange(4, 6);
    QCOMPARE(set.members(), (std::vector<__int64>{1, 2, 4, 5, 6}));
    set.addRange(10, 12); // beyond the end: the fast path
    QCOMPARE(set.count(), __int64(8));
    QVERIFY(set.contains(11));
    QVERIFY(!set.contains(3));
    set.addRange(9, 3); // empty range
    QCOMPARE(set.count(), __int64(8));
}

void TestHostInterface::varMinMaxLeavesOutputsOnFailure_data()
{
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<int>("variable");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("min");
    QTest::addColumn<double>("max");
    QTest::newRow("no data set") << false << 1 << false << -1.0 << -1.0;
    QTest::newRow("variable 0") << true << 0 << false << -1.0 << -1.0;
    QTest::newRow("past the last") << true << 6 << false << -1.0 << -1.0;
    QTest::newRow("X") << true << 1 << true << 0.0 << 1.0;
    QTest::newRow("Pressure") << true << 4 << true << 99.3 << 101.3;
}

void TestHostInterface::varMinMaxLeavesOutputsOnFailure()
{
    QFETCH(bool, loaded);
    QFETCH(int, variable);
    QFETCH(bool, ok);
    QFETCH(double, min);
    QFETCH(double, max);
    if (loaded)
        ReferenceHost::instance().loadSampleDataSet();
    double lo = -1.0, hi = -1.0;
    QCOMPARE(QrnUtilVarGetMinMax(variable, &lo, &hi), ok);
    QCOMPARE(lo, min);
    QCOMPARE(hi, max);
}

void TestHostInterface::everyControlChangeAnnouncesItsKind()
{
    std::vector<StateChange_e> kinds;
    boost::signals2::scoped_connection const c = quarlin::toolbox::StateChangeEventObservable::getInstance()
        .connectStateChanged([&](quarlin::toolbox::StateChangeEventInterface const& e) { kinds.push_back(e.kind()); });
    auto& host = ReferenceHost::instance();
    host.setPageCount(3);
    host.setFrameCount(2);
    host.setPlotType(PlotType_XYLine);
    host.loadSampleDataSet(); // plot type is not sketch: stays
    host.removeDataSet();
    QCOMPARE(kinds, (std::vector<StateChange_e>{StateChange_PageCount, StateChange_FrameCount, StateChange_PlotType,
                                                 StateChange_DataSetReset, StateChange_DataSetReset}));
    QCOMPARE(QrnUtilPageGetCount(), 3);
    QCOMPARE(QrnUtilFrameGetCount(), 2);
    QCOMPARE(QrnUtilFrameGetPlotType(), PlotType_XYLine);
    host.setFrameCount(0);
    QCOMPARE(QrnUtilFrameGetPlotType(), PlotType_Invalid);
}

void TestHostInterface::unchangedStateAnnouncesNothing()
{
    int events = 0;
    boost::signals2::scoped_connection const c = quarlin::toolbox::StateChangeEventObservable::getInstance()
        .connectStateChanged([&](quarlin::toolbox::StateChangeEventInterface const&) { ++events; });
    auto& host = ReferenceHost::instance();
    host.setPageCount(host.pageCount());
    host.setPlotType(PlotType_Sketch);
    host.removeDataSet(); // none loaded
    host.setPageCount(-4);
    host.setPageCount(-1); // both clamp to 0: one change
    QCOMPARE(events, 1);
}

void TestHostInterface::messagesAreRecordedAndNullIgnored()
{
    QrnUtilDialogMessageBox("Selected character cannot be empty.", MessageBoxType_Error);
    QrnUtilDialogMessageBox(nullptr, MessageBoxType_Error);
    auto const& messages = ReferenceHost::instance().messages();
    QCOMPARE(messages.size(), std::size_t(1));
    QCOMPARE(messages.front().text, std::string("Selected character cannot be empty."));
    QCOMPARE(messages.front().type, MessageBoxType_Error);
}

void TestHostInterface::styleErrorStringIsOwnedByCaller()
{
    QVERIFY(QrnUtilStyleGetLastErrorString() == nullptr);
    ReferenceHost::instance().setLastStyleError("Value out of range");
    char* text = QrnUtilStyleGetLastErrorString();
    QCOMPARE(QByteArray(text), QByteArray("Value out of range"));
    QrnUtilStringDealloc(&text);
    QVERIFY(text == nullptr);
    QrnUtilStringDealloc(&text); // freeing twice through the API is harmless
    QrnUtilStringDealloc(nullptr);
}

void TestHostInterface::locksAndUndoStepsNest()
{
    auto& host = ReferenceHost::instance();
    {
        quarlin::sdk::AppLock outer;
        {
            quarlin::sdk::AppLock inner;
            QCOMPARE(host.lockDepth(), 2);
        }
        QCOMPARE(host.lockDepth(), 1);
    }
    QCOMPARE(host.lockDepth(), 0);
    QrnUtilUndoStateBegin(UndoStateCategory_Style);
    QrnUtilUndoStateBegin(UndoStateCategory_Style);
    QrnUtilUndoStateEnd(false, true);
    QCOMPARE(host.completedUndoSteps(), 0); // only the outermost end completes a step
    QrnUtilUndoStateEnd(false, true);
    QCOMPARE(host.completedUndoSteps(), 1);
    QrnUtilUndoStateEnd(false, true); // unmatched
    QCOMPARE(host.completedUndoSteps(), 1);
    QCOMPARE(host.undoDepth(), 0);
}

QUARLIN_TEST_MAIN(TestHostInterface)
#include "tst_hostinterface.moc"
