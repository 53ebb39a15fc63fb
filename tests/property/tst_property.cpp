#include "property/Property.h"
#include "property/PropertyDecoratorAbstract.h"
#include "property/PropertyProxy.h"

#include <QTest>

#include "testsupport/TestValidators.h"

#include <boost/make_shared.hpp>

#include <cmath>
#include <limits>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

using quarlin::InvalidArgumentException;
using quarlin::InvalidPropertyValueException;
using quarlin::Property;
using quarlin::PropertyAbstract;
using quarlin::ValidationResult;
using quarlin::ValidatorInterface;
using quarlin::test::AtMost;

namespace {

// Keeps its value elsewhere and adjusts it while storing, as a host-backed property can.
class PercentProperty : public PropertyAbstract<int>
{
protected:
    void storeValue(int const& value) override { m_percent = std::clamp(value, 0, 100); }
    int storedValue() const override { return m_percent; }

private:
    int m_percent = 0;
};

// Records what a property announces, in order, on both signals.
template <class T>
struct Recorder
{
    std::vector<T> values;
    int untyped = 0;
    std::vector<std::string> order;

    void listenTyped(PropertyAbstract<T> const& p)
    {
        connections.push_back(p.connectToValueChangedSignal([this](T const& v) {
            values.push_back(v);
            order.push_back("typed");
        }));
    }
    void listenUntyped(quarlin::PropertyItemInterface const& p)
    {
        connections.push_back(p.connectToPropertyChangedSignal([this] {
            ++untyped;
            order.push_back("untyped");
        }));
    }
    std::vector<boost::signals2::scoped_connection> connections;
};

template <class T>
void checkEqualValueIsIgnored(T const& initial, T const& equal, T const& different)
{
    Property<T> property(initial);
    Recorder<T> recorder;
    recorder.listenTyped(property);
    recorder.listenUntyped(property);
    property.setValue(equal);
    QVERIFY(recorder.values.empty());
    QCOMPARE(recorder.untyped, 0);
    property.setValue(different);
    QCOMPARE(recorder.values.size(), std::size_t(1));
    QVERIFY(recorder.values.front() == different);
    QCOMPARE(recorder.untyped, 1);
}

// Shows a fraction held elsewhere as a percentage.
class Percent : public quarlin::PropertyDecoratorAbstract<double>
{
public:
    using PropertyDecoratorAbstract::PropertyDecoratorAbstract;

protected:
    void storeValue(double const& value) override { decorated->setValue(value / 100.0); }
    double storedValue() const override { return decorated->value() * 100.0; }
};

} // namespace

class TestProperty : public QObject
{
    Q_OBJECT

private Q_SLOTS:

    void equalValueSendsNothing()
    {
        checkEqualValueIsIgnored<std::string>("Zone 1", std::string("Zone 1"), "zone 1");
        checkEqualValueIsIgnored<std::vector<int>>({1, 2, 3}, {1, 2, 3}, {3, 2, 1});
    }

    // A refused value never becomes the property's: at construction nothing is left holding the
    // validator, and later the old value stays and nothing is announced.
    void rejectingValidatorOnSetKeepsOldValue_data()
    {
        QTest::addColumn<int>("attempt");
        QTest::addColumn<QString>("message");
        QTest::newRow("just above") << 11 << "Value 11 is above 10.";
        QTest::newRow("far above") << std::numeric_limits<int>::max() << "Value 2147483647 is above 10.";
    }

    void rejectingValidatorOnSetKeepsOldValue()
    {
        QFETCH(int, attempt);
        QFETCH(QString, message);
        auto const limit = boost::make_shared<AtMost>(10);
        QVERIFY_EXCEPTION_THROWN(Property<int>(attempt, limit), InvalidPropertyValueException);
        QCOMPARE(limit.use_count(), 1L);
        Property<int> property(3, limit);
        Recorder<int> recorder;
        recorder.listenTyped(property);
        recorder.listenUntyped(property);
        try {
            property.setValue(attempt);
            QFAIL("the validator's refusal did not reach the caller");
        } catch (InvalidPropertyValueException const& e) {
            QCOMPARE(QString::fromStdString(e.message()), message); // exactly the validator's text
        }
        QCOMPARE(property.value(), 3);
        QVERIFY(recorder.values.empty());
        QCOMPARE(recorder.untyped, 0);
        // The same refusal through the assignment operator.
        QVERIFY_EXCEPTION_THROWN(property = attempt, InvalidPropertyValueException);
        QCOMPARE(property.value(), 3);
        property = 10;
        QCOMPARE(property.value(), 10);
    }

    void storeAdjustmentIsWhatIsAnnounced_data()
    {
        QTest::addColumn<int>("set");
        QTest::addColumn<int>("held");
        QTest::newRow("inside") << 40 << 40;
        QTest::newRow("clamped above") << 250 << 100;
        QTest::newRow("clamped below, equal to the stored 0 after clamping") << -5 << 0;
    }

    void storeAdjustmentIsWhatIsAnnounced()
    {
        QFETCH(int, set);
        QFETCH(int, held);
        PercentProperty property;
        Recorder<int> recorder;
        recorder.listenTyped(property);
        property.setValue(set);
        QCOMPARE(property.value(), held);
        QCOMPARE(recorder.values, std::vector<int>{held}); // the value held, not the value asked for
    }

    // The untyped signal is sent only while someone listens to it, once per real change to each
    // listener however often listeners came and went, and before the typed one; its connect hook
    // runs once the listener is connected.
    void untypedSignalOnlyOnceListenedAndFirst()
    {
        struct Hooked : Property<int>
        {
            using Property<int>::Property;
            mutable std::vector<bool> hookSawListener; // the hook runs once the slot is in place
            void signalPropertyChangedConnected() const override
            {
                hookSawListener.push_back(hasPropertyChangedListeners());
            }
        } property(0);
        Recorder<int> recorder;
        boost::signals2::scoped_connection const front = property.connectToValueChangedSignal(
            [&recorder](int const&) { recorder.order.push_back("typed at front"); },
            boost::signals2::at_front);
        recorder.listenTyped(property);
        QVERIFY(!property.hasPropertyChangedListeners());
        property.setValue(1);
        {
            Recorder<int> passing;
            passing.listenUntyped(property);
            QVERIFY(property.hasPropertyChangedListeners());
        }
        QVERIFY(!property.hasPropertyChangedListeners());
        recorder.listenUntyped(property);
        recorder.listenUntyped(property);
        property.setValue(2);
        property.setValue(2);
        QCOMPARE(recorder.untyped, 2);
        QCOMPARE(recorder.order, (std::vector<std::string>{"typed at front", "typed", "untyped", "untyped",
                                                           "typed at front", "typed"}));
        QCOMPARE(property.hookSawListener, (std::vector<bool>{true, true, true}));
    }
    void assignmentFromPropertyCopiesOnlyTheValue()
    {
        auto const limit5 = boost::make_shared<AtMost>(5);
        auto const limit50 = boost::make_shared<AtMost>(50);
        Property<int> target(1, limit5);
        Property<int> source(40, limit50);
        Recorder<int> targetRecorder, sourceRecorder;
        targetRecorder.listenTyped(target);
        sourceRecorder.listenTyped(source);

        // The target's own validator judges the copied value.
        QVERIFY_EXCEPTION_THROWN(target = source, InvalidPropertyValueException);
        QCOMPARE(target.value(), 1);

        source = 4;
        target = source;
        QCOMPARE(target.value(), 4);
        QCOMPARE(targetRecorder.values, std::vector<int>{4});
        QVERIFY(target.validator() == limit5); // validator not copied
        target = source;                       // equal now: no second announcement
        QCOMPARE(targetRecorder.values.size(), std::size_t(1));

        source.setValue(5); // listeners were not copied either
        QCOMPARE(targetRecorder.values.size(), std::size_t(1));
        QCOMPARE(sourceRecorder.values, (std::vector<int>{4, 5}));

        // Through the abstract base the same rules hold.
        PropertyAbstract<int>& abstractTarget = target;
        abstractTarget = static_cast<PropertyAbstract<int> const&>(source);
        QCOMPARE(target.value(), 5);
    }

    void doubleEquality_data()
    {
        double const nan = std::numeric_limits<double>::quiet_NaN();
        QTest::addColumn<double>("held");
        QTest::addColumn<double>("set");
        QTest::addColumn<bool>("announced");
        QTest::newRow("same") << 1.5 << 1.5 << false;
        QTest::newRow("one ulp apart") << 1.0 << std::nextafter(1.0, 2.0) << true;
        QTest::newRow("tiny but real edit") << 1e-8 << 1.1e-8 << true;
        QTest::newRow("NaN again") << nan << nan << false;
        QTest::newRow("NaN to number") << nan << 0.0 << true;
        QTest::newRow("number to NaN") << 0.0 << nan << true;
        QTest::newRow("negative zero") << 0.0 << -0.0 << false;
        QTest::newRow("infinity again") << HUGE_VAL << HUGE_VAL << false;
    }

    void doubleEquality()
    {
        QFETCH(double, held);
        QFETCH(double, set);
        QFETCH(bool, announced);
        Property<double> property(held);
        Recorder<double> recorder;
        recorder.listenTyped(property);
        property.setValue(set);
        QCOMPARE(!recorder.values.empty(), announced);
    }

    void throwingListenerLeavesValueStored()
    {
        Property<int> property(1);
        Recorder<int> later;
        boost::signals2::scoped_connection const thrower = property.connectToValueChangedSignal(
            [](int const&) { throw std::runtime_error("listener failed"); });
        later.listenTyped(property);
        QVERIFY_EXCEPTION_THROWN(property.setValue(2), std::runtime_error);
        QCOMPARE(property.value(), 2);
        QVERIFY(later.values.empty()); // the throw stopped the delivery
    }

    // Re-pointing announces only a change of the visible value; only the current target reaches
    // the proxy's listeners; a write goes to the target, which judges it.
    void proxyFollowsItsCurrentTarget()
    {
        auto const first = boost::make_shared<Property<std::string>>("Helvetica");
        auto const same = boost::make_shared<Property<std::string>>("Helvetica");
        auto const other = boost::make_shared<Property<std::string>>(
            "Times", boost::make_shared<quarlin::test::RefusingValidator<std::string>>(
                         [](std::string const& v) { return v.empty(); }, "Text cannot be empty."));
        quarlin::PropertyProxy<std::string> proxy(
            first, boost::make_shared<quarlin::AllowAnyValueValidator<std::string>>());
        Recorder<std::string> recorder;
        recorder.listenTyped(proxy);
        proxy.setProxiedProperty(first);
        proxy.setProxiedProperty(same);
        QVERIFY(recorder.values.empty());
        proxy.setProxiedProperty(other);
        QCOMPARE(recorder.values, std::vector<std::string>{"Times"});
        first->setValue("Courier"); // no longer followed
        QVERIFY_EXCEPTION_THROWN(proxy.setProxiedProperty(nullptr), InvalidArgumentException);
        QVERIFY_EXCEPTION_THROWN(proxy.setValue(""), InvalidPropertyValueException);
        proxy.setValue("Symbol");
        QCOMPARE(other->value(), std::string("Symbol"));
        other->setValue("Greek");
        QCOMPARE(recorder.values, (std::vector<std::string>{"Times", "Symbol", "Symbol", "Greek"}));
        QCOMPARE(proxy.value(), std::string("Greek"));
    }

    void decoratorAnnouncesTheTransformedValue()
    {
        auto const fraction = boost::make_shared<Property<double>>(0.25);
        Percent percent(fraction);
        Recorder<double> recorder;
        recorder.listenTyped(percent);
        fraction->setValue(0.5);
        percent.setValue(75.0);
        QCOMPARE(fraction->value(), 0.75);
        QCOMPARE(recorder.values, (std::vector<double>{50.0, 75.0, 75.0}));
    }
};

QTEST_APPLESS_MAIN(TestProperty)
#include "tst_property.moc"
