// Relevance rules over host state and properties, how they join, and the idle-time performers
// and connection blocking they stand on.
#include "testsupport/TestSupport.h"

#include "property/Property.h"
#include "propertymanager/PropertyDependentRelevance.h"
#include "referencehost/ReferenceHost.h"
#include "sdk/host/StateChangeEvent.h"
#include "sdk/managerbase/DataSetExistsRelevance.h"
#include "sdk/managerbase/FieldPlotTypeDependentRelevance.h"
#include "sdk/managerbase/InvertingRelevance.h"
#include "sdk/managerbase/LinePlotTypeDependentRelevance.h"
#include "sdk/managerbase/RelevanceExpression.h"
#include "sdk/uicommon/OnIdleActionPerformerSingleShot.h"

#include <boost/make_shared.hpp>
#include <boost/signals2/signal.hpp>
#include <functional>
#include <memory>
#include <vector>

using namespace quarlin::sdk::ui::propertymanager;
using quarlin::host::ReferenceHost;
using quarlin::sdk::ui::common::OnIdleActionPerformerSingleShot;

Q_DECLARE_METATYPE(std::function<void()>)

namespace {

enum class Rule { DataSetExists, FieldPlot, LinePlot, NotDataSet };

RelevancePtr makeRule(Rule rule)
{
    switch (rule) {
    case Rule::DataSetExists: return boost::make_shared<DataSetExistsRelevance>();
    case Rule::FieldPlot: return boost::make_shared<FieldPlotTypeDependentRelevance>();
    case Rule::LinePlot: return boost::make_shared<LinePlotTypeDependentRelevance>();
    case Rule::NotDataSet:
        return boost::make_shared<InvertingRelevance>(boost::make_shared<DataSetExistsRelevance>());
    }
    return {};
}

// Records every announcement of a rule.
struct Recorder
{
    explicit Recorder(RelevancePtr const& rule)
        : connection(rule->connectRelevanceChanged([this](bool v) { values.push_back(v); }))
    {}
    std::vector<bool> values;
    boost::signals2::scoped_connection connection;
};

// A rule whose value a test sets, to drive the joins without host state.
class SwitchRelevance final : public RelevanceInterface
{
public:
    explicit SwitchRelevance(bool value)
        : m_value(value)
    {}
    bool isRelevant() const override { return m_value; }
    void set(bool value)
    {
        m_value = value;
        reevaluate();
    }
    int hookCalls = 0;

private:
    void signalRelevanceChangedConnected() const override { ++const_cast<SwitchRelevance*>(this)->hookCalls; }
    bool m_value;
};

// A flag with UI state, kept in memory.
class UIFlag : public quarlin::sdk::ui::dialogs::propertybindings::UIStylePropertyAbstract<bool>
{
protected:
    void storeValue(bool const& value) override { m_value = value; }
    bool storedValue() const override { return m_value; }

private:
    bool m_value = false;
};

} // namespace

Q_DECLARE_METATYPE(Rule)

class TestRulesAndIdle : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { quarlin::test::resetHost(); }

    void hostRulesFollowStateChanges_data()
    {
        QTest::addColumn<Rule>("rule");
        QTest::addColumn<std::function<void()>>("setup");
        QTest::addColumn<std::function<void()>>("change");
        QTest::addColumn<bool>("before");
        QTest::addColumn<bool>("after");

        auto& host = ReferenceHost::instance();
        std::function<void()> const nothing = [] {};
        std::function<void()> const loadData = [&host] { host.loadSampleDataSet(); };
        std::function<void()> const removeData = [&host] { host.removeDataSet(); };
        auto plot = [&host](PlotType_e type) {
            return std::function<void()>([&host, type] { host.setPlotType(type); });
        };

        QTest::newRow("data set loaded") << Rule::DataSetExists << nothing << loadData << false << true;
        QTest::newRow("data set removed") << Rule::DataSetExists << loadData << removeData << true << false;
        QTest::newRow("inverted, data set removed")
            << Rule::NotDataSet << loadData << removeData << false << true;
        QTest::newRow("sketch to 2-D field")
            << Rule::FieldPlot << nothing << plot(PlotType_Cartesian2D) << false << true;
        QTest::newRow("sketch to XY line, field rule")
            << Rule::FieldPlot << nothing << plot(PlotType_XYLine) << false << false;
        QTest::newRow("sketch to XY line")
            << Rule::LinePlot << nothing << plot(PlotType_XYLine) << false << true;
        QTest::newRow("field plot without frames")
            << Rule::FieldPlot << nothing << std::function<void()>([&host] {
                   host.setPlotType(PlotType_Cartesian2D);
                   host.setFrameCount(0);
               })
            << false << false;
        QTest::newRow("line plot without pages")
            << Rule::LinePlot << nothing << std::function<void()>([&host] {
                   host.setPlotType(PlotType_XYLine);
                   host.setPageCount(0);
               })
            << false << false;
    }

    void hostRulesFollowStateChanges()
    {
        QFETCH(Rule, rule);
        QFETCH(std::function<void()>, setup);
        QFETCH(std::function<void()>, change);
        QFETCH(bool, before);
        QFETCH(bool, after);

        setup();
        RelevancePtr const r = makeRule(rule);
        QCOMPARE(r->isRelevant(), before);
        Recorder recorder(r);
        change();
        QCOMPARE(r->isRelevant(), after);
        // Every announcement is a real change, and the last one is the final value.
        bool last = before;
        for (bool announced : recorder.values) {
            QVERIFY(announced != last);
            last = announced;
        }
        QCOMPARE(last, after);
        if (before != after)
            QVERIFY(!recorder.values.empty());
    }

    void ruleListensToHostOnlyWhileItHasListeners()
    {
        auto& events = quarlin::toolbox::StateChangeEventObservable::getInstance();
        std::size_t const before = events.listenerCount();
        {
            auto const rule = boost::make_shared<DataSetExistsRelevance>();
            QCOMPARE(events.listenerCount(), before);
            Recorder first(rule);
            Recorder second(rule);
            QCOMPARE(events.listenerCount(), before + 1);
            ReferenceHost::instance().loadSampleDataSet();
            QCOMPARE(first.values, std::vector<bool>{true});
            QCOMPARE(second.values, std::vector<bool>{true});
        }
        QCOMPARE(events.listenerCount(), before);
        ReferenceHost::instance().removeDataSet(); // must not reach a dead rule
    }

    void joinsApplyLeftToRight_data()
    {
        QTest::addColumn<bool>("a");
        QTest::addColumn<bool>("b");
        QTest::addColumn<bool>("c");
        for (int bits = 0; bits < 8; ++bits) {
            bool const a = bits & 1, b = bits & 2, c = bits & 4;
            QTest::addRow("a=%d b=%d c=%d", a, b, c) << a << b << c;
        }
    }

    void joinsApplyLeftToRight()
    {
        QFETCH(bool, a);
        QFETCH(bool, b);
        QFETCH(bool, c);
        auto const ra = boost::make_shared<SwitchRelevance>(a);
        auto const rb = boost::make_shared<SwitchRelevance>(b);
        auto const rc = boost::make_shared<SwitchRelevance>(c);
        RelevancePtr const andThenOr = RelevanceExpression(ra).aand(rb).oor(rc);
        RelevancePtr const grouped = RelevanceExpression(ra).aand(RelevanceExpression(rb).oor(rc));
        QCOMPARE(andThenOr->isRelevant(), (a && b) || c);
        QCOMPARE(grouped->isRelevant(), a && (b || c));
        // An empty operand never holds.
        QCOMPARE(RelevancePtr(RelevanceExpression(ra).aand({}))->isRelevant(), false);
        QCOMPARE(RelevancePtr(RelevanceExpression({}).oor(ra))->isRelevant(), a);
        QVERIFY(InvertingRelevance({}).isRelevant());
    }

    void joinAnnouncesOnlyRealChanges()
    {
        auto const field = boost::make_shared<SwitchRelevance>(false);
        auto const line = boost::make_shared<SwitchRelevance>(false);
        RelevancePtr const either = RelevanceExpression(field).oor(line);
        Recorder recorder(either);
        QCOMPARE(field->hookCalls, 1);
        field->set(true);
        line->set(true);   // already holds
        field->set(false); // still holds through line
        line->set(false);
        QCOMPARE(recorder.values, (std::vector<bool>{true, false}));
    }

    void propertyValueRule_data()
    {
        QTest::addColumn<bool>("alsoFalse");
        QTest::addColumn<int>("uiChange"); // 0: none, 1: hidden, 2: insensitive
        QTest::addColumn<bool>("whileTrue");
        QTest::addColumn<bool>("whileFalse");
        QTest::newRow("true only") << false << 0 << true << false;
        QTest::newRow("true and false: always") << true << 0 << true << true;
        QTest::newRow("hidden") << false << 1 << false << false;
        QTest::newRow("insensitive") << false << 2 << false << false;
    }

    // Every change of the value or of the UI state is announced, whether or not the answer changed.
    void propertyValueRule()
    {
        QFETCH(bool, alsoFalse);
        QFETCH(int, uiChange);
        QFETCH(bool, whileTrue);
        QFETCH(bool, whileFalse);
        UIFlag flag;
        auto const rule = boost::make_shared<PropertyDependentRelevance<bool>>(flag, true, true);
        if (alsoFalse)
            rule->addRelevantValue(false);
        Recorder recorder(rule);
        if (uiChange)
            uiChange == 1 ? flag.setVisible(false) : flag.setSensitive(false);
        flag.setValue(true);
        QCOMPARE(rule->isRelevant(), whileTrue);
        flag.setValue(false);
        QCOMPARE(rule->isRelevant(), whileFalse);
        QCOMPARE(recorder.values.size(), std::size_t(uiChange ? 3 : 2));
        QCOMPARE(recorder.values.back(), whileFalse);
    }

    // NaN has no place among ordered values: refused as a relevant value, and never matching one.
    // The rule keeps a shared property alive.
    void notANumberNeitherJoinsNorMatches()
    {
        auto size = boost::make_shared<quarlin::Property<double>>(1.0);
        PropertyDependentRelevance<double> rule(
            boost::shared_ptr<quarlin::PropertyAbstract<double> const>(size), 1.0);
        boost::weak_ptr<quarlin::Property<double>> const watch = size;
        size.reset();
        QVERIFY(!watch.expired());
        size = watch.lock();
        QVERIFY_EXCEPTION_THROWN(rule.addRelevantValue(qQNaN()), quarlin::InvalidArgumentException);
        size->setValue(2.0);
        QVERIFY(!rule.isRelevant());
        size->setValue(qQNaN());
        QVERIFY(!rule.isRelevant());
        size->setValue(1.0);
        QVERIFY(rule.isRelevant());
    }

    // However often notified, the action runs once at the next idle point, and again after each;
    // a cancel drops the pending run (the performer stays usable), a destroyed performer never
    // runs, and the action may destroy its own performer.
    void runsOnceAtIdleUnlessDropped_data()
    {
        QTest::addColumn<int>("notifications");
        QTest::addColumn<QString>("drop"); // "", "cancel", "destroy" or "by the action"
        QTest::addColumn<int>("runs");
        QTest::newRow("once") << 1 << QString() << 1;
        QTest::newRow("ten times") << 10 << QString() << 1;
        QTest::newRow("cancelled") << 3 << QStringLiteral("cancel") << 0;
        QTest::newRow("destroyed") << 3 << QStringLiteral("destroy") << 0;
        QTest::newRow("destroyed by its action") << 1 << QStringLiteral("by the action") << 1;
    }

    void runsOnceAtIdleUnlessDropped()
    {
        QFETCH(int, notifications);
        QFETCH(QString, drop);
        QFETCH(int, runs);
        int ran = 0;
        std::unique_ptr<OnIdleActionPerformerSingleShot> performer;
        performer = std::make_unique<OnIdleActionPerformerSingleShot>([&] {
            ++ran;
            if (drop == QLatin1String("by the action"))
                performer.reset();
        });
        for (int i = 0; i < notifications; ++i)
            performer->enableNotification();
        QVERIFY(performer->isPending());
        QCOMPARE(ran, 0); // nothing before the idle point
        if (drop == QLatin1String("cancel"))
            performer->cancel();
        if (drop == QLatin1String("destroy"))
            performer.reset();
        QCoreApplication::processEvents();
        QTest::qWait(10);
        QCOMPARE(ran, runs);
        if (!performer)
            return;
        QVERIFY(!performer->isPending());
        performer->enableNotification(); // and again after each idle point
        QCoreApplication::processEvents();
        QCOMPARE(ran, runs + 1);
    }
};

QUARLIN_TEST_MAIN(TestRulesAndIdle)
#include "tst_rulesandidle.moc"
