#include "testsupport/TestSupport.h"

#include "referencehost/ReferenceHost.h"
#include "sdk/exception/InvalidPropertyValueException.h"
#include "sdk/host/StateChangeEvent.h"
#include "styleproperties/KernelPropertyDeferred.h"

#include <cmath>
#include <vector>

using quarlin::InvalidPropertyValueException;
using quarlin::host::ReferenceHost;
using quarlin::host::StyleKey;
using quarlin::host::StyleRule;
using quarlin::sdk::styleproperties::KernelProperty;
using quarlin::sdk::styleproperties::KernelPropertyDeferred;
using quarlin::toolbox::StateChangeEventObservable;
using quarlin::toolbox::StyleValue;

Q_DECLARE_METATYPE(StyleRule)

namespace {

StyleValue const intSetting("Test", "Int");
StyleValue const realSetting("Test", "Real");

auto& store()
{
    return ReferenceHost::instance().styleStore();
}

std::size_t writes()
{
    return store().writes().size();
}

// Values a property announced.
template <class T>
struct Heard
{
    explicit Heard(quarlin::PropertyAbstract<T> const& property)
        : connection(property.connectToValueChangedSignal([this](T const& v) { values.push_back(v); }))
    {}
    std::vector<T> values;
    boost::signals2::scoped_connection connection;
};

} // namespace

class TestKernelProperty : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        quarlin::test::resetHost();
        store().define({"Test", "Int"}, __int64(1));
        store().define({"Test", "Real"}, 0.1);
    }

    void subscribesOnlyWhileListened()
    {
        auto& observable = StateChangeEventObservable::getInstance();
        std::size_t const before = observable.listenerCount();
        KernelProperty<int> property(intSetting);
        QCOMPARE(observable.listenerCount(), before);
        {
            Heard<int> const heard(property);
            QCOMPARE(observable.listenerCount(), before + 1);
            // One subscription however many come and go while one stays.
            for (int i = 0; i < 1000; ++i)
                Heard<int> const passing(property);
            QCOMPARE(observable.listenerCount(), before + 1);
        }
        // The next state change finds nobody listening and lets go.
        store().change(StyleKey{{"Test", "Int"}}, __int64(2));
        QCOMPARE(observable.listenerCount(), before);
        QCOMPARE(property.value(), 2);
        // A first listener hears the changes after it came, not the refresh its coming caused.
        store().change(StyleKey{{"Test", "Int"}}, __int64(5));
        Heard<int> const heard(property);
        store().change(StyleKey{{"Test", "Int"}}, __int64(6));
        QCOMPARE(heard.values, std::vector<int>{6});
    }

    void staleCacheIsRefreshedWithoutWritingAnEqualValue()
    {
        KernelProperty<int> property(intSetting);
        Heard<int> const heard(property);
        // A style reset unsubscribes the property: the next change goes unheard.
        StateChangeEventObservable::getInstance().emitStateChange(
            quarlin::toolbox::StateChangeEvent(StateChange_StyleReset));
        store().change(StyleKey{{"Test", "Int"}}, __int64(4));
        QVERIFY(heard.values.empty());
        std::size_t const written = writes();
        property.setValue(4);
        QCOMPARE(writes(), written);
        QCOMPARE(heard.values, std::vector<int>{4});
    }

    void deferredWriteForcesTheNextOne()
    {
        KernelProperty<int> property(intSetting);
        store().setRule({"Test", "Int"}, StyleRule::defer());
        property.setValue(3); // code 15: not an error, not applied
        QCOMPARE(quarlin::test::hostStyle<__int64>({"Test", "Int"}), __int64(1));
        store().clearRules();
        property.setValue(1); // equal to the host's value, and written all the same
        QCOMPARE(writes(), std::size_t(2));
        property.setValue(1);
        QCOMPARE(writes(), std::size_t(2));
        // A double that differs in the last bit is a change.
        KernelProperty<double> real(realSetting);
        real.setValue(std::nextafter(0.1, 1.0));
        QCOMPARE(writes(), std::size_t(3));
    }

    // What the host keeps is the value: a refusal throws with the host's text (or "Unknown
    // error") and keeps the old value unannounced; an adjusted value is the one announced.
    void hostAnswerDecidesTheValue_data()
    {
        QTest::addColumn<StyleRule>("rule");
        QTest::addColumn<int>("kept");
        QTest::addColumn<QString>("message");
        QTest::newRow("refused with a text")
            << StyleRule::refuse("Axis variable locked.") << 1 << QStringLiteral("Axis variable locked.");
        QTest::newRow("refused without one") << StyleRule::refuse("") << 1 << QStringLiteral("Unknown error");
        QTest::newRow("adjusted") << StyleRule::adjust(__int64(4)) << 4 << QString();
    }

    void hostAnswerDecidesTheValue()
    {
        QFETCH(StyleRule, rule);
        QFETCH(int, kept);
        QFETCH(QString, message);
        KernelProperty<int> property(intSetting);
        Heard<int> const heard(property);
        store().setRule({"Test", "Int"}, rule);
        QString thrown;
        try {
            property.setValue(3);
        } catch (InvalidPropertyValueException const& e) {
            thrown = QString::fromStdString(e.what());
        }
        QCOMPARE(thrown, message);
        QCOMPARE(property.value(), kept);
        QCOMPARE(heard.values.empty(), kept == 1);
        QVERIFY(heard.values.empty() || heard.values.back() == kept);
        QVERIFY(std::find(heard.values.begin(), heard.values.end(), 3) == heard.values.end());
    }

    // A deferred property writes on submit, and only what the host lacks.
    void deferredPropertyWritesOnSubmit()
    {
        KernelPropertyDeferred<int> property(intSetting);
        Heard<int> const heard(property);
        property.setValue(3);
        QCOMPARE(property.value(), 3);
        QCOMPARE(heard.values, std::vector<int>{3});
        QCOMPARE(writes(), std::size_t(0));
        QCOMPARE(quarlin::test::hostStyle<__int64>({"Test", "Int"}), __int64(1));
        property.submitValue();
        QCOMPARE(quarlin::test::hostStyle<__int64>({"Test", "Int"}), __int64(3));
        property.submitValue(); // the host holds it already
        QCOMPARE(writes(), std::size_t(1));
        // Moving to another instance replaces an edit not yet submitted with that instance's value.
        store().change(StyleKey{{"Test", "Int"}, 2, 0}, __int64(7));
        property.setValue(4);
        property.setOffsets(2, 0);
        QCOMPARE(property.value(), 7);
        QCOMPARE(heard.values, (std::vector<int>{3, 4, 7}));
        property.setValue(8);
        property.submitValue();
        QCOMPARE(quarlin::test::hostStyle<__int64>({"Test", "Int"}, 2, 0), __int64(8));
        QCOMPARE(quarlin::test::hostStyle<__int64>({"Test", "Int"}), __int64(3));
    }
};

QUARLIN_TEST_MAIN(TestKernelProperty)
#include "tst_kernelproperty.moc"
