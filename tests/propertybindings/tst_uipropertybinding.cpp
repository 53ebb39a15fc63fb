#include "testsupport/TestSupport.h"

#include "property/Property.h"
#include "propertybindings/QObjectPropertyBinding.h"

#include <boost/make_shared.hpp>

using quarlin::Property;
using quarlin::sdk::ui::dialogs::propertybindings::BindingInterface;
using quarlin::sdk::ui::dialogs::propertybindings::QObjectPropertyBinding;
using quarlin::sdk::ui::dialogs::propertybindings::UIStylePropertyAbstract;

namespace {

// A property with UI state that keeps its value in memory.
class UIProperty : public UIStylePropertyAbstract<int>
{
protected:
    void storeValue(int const& value) override { m_value = value; }
    int storedValue() const override { return m_value; }

private:
    int m_value = 0;
};

// Counts the updates the core asks for.
class CountingBinding : public QObjectPropertyBinding<int>
{
public:
    using QObjectPropertyBinding<int>::QObjectPropertyBinding;
    using QObjectPropertyBinding<int>::requestWidgetUpdate;

    void updateWidget() override
    {
        ++widgetUpdates;
        shown = property().value();
    }
    void updateVisibility() override { ++visibilityUpdates; }
    void updateSensitivity() override { ++sensitivityUpdates; }

    int widgetUpdates = 0;
    int visibilityUpdates = 0;
    int sensitivityUpdates = 0;
    int shown = -1;
};

} // namespace

using quarlin::test::reachIdle;

Q_DECLARE_METATYPE(BindingInterface::WidgetUpdateMode_e)

class TestUIPropertyBinding : public QObject
{
    Q_OBJECT

private Q_SLOTS:

    // Immediate updates run inside setValue; on idle (or any other mode) a burst becomes one
    // update at the idle point, which reads the property then. An equal value updates nothing,
    // and a plain property has no UI state for the binding to follow.
    void updatesFollowTheMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("immediate") << int(BindingInterface::WidgetUpdateImmediate);
        QTest::newRow("on idle") << int(BindingInterface::WidgetUpdateOnIdle);
        QTest::newRow("any other value acts as on idle") << 7;
    }

    void updatesFollowTheMode()
    {
        QFETCH(int, mode);
        bool const immediate = mode == BindingInterface::WidgetUpdateImmediate;
        auto const property = boost::make_shared<Property<int>>(0);
        CountingBinding binding(property, static_cast<BindingInterface::WidgetUpdateMode_e>(mode));
        QCOMPARE(binding.widgetUpdates, 0); // the core does not update from its constructor
        for (int i = 1; i <= 10; ++i)
            property->setValue(i);
        property->setValue(10);
        QCOMPARE(binding.widgetUpdates, immediate ? 10 : 0);
        reachIdle();
        reachIdle();
        QCOMPARE(binding.widgetUpdates, immediate ? 10 : 1);
        QCOMPARE(binding.shown, 10);
        QCOMPARE(binding.visibilityUpdates + binding.sensitivityUpdates, 0);
    }

    void pendingUpdateDiesWithBinding()
    {
        auto const property = boost::make_shared<Property<int>>(0);
        int updatesAfterDeath = 0;
        {
            // The update would write into a counter that outlives the binding.
            struct Reporting : CountingBinding
            {
                Reporting(boost::shared_ptr<Property<int>> p, int& out)
                    : CountingBinding(p, BindingInterface::WidgetUpdateOnIdle)
                    , sink(&out)
                {}
                void updateWidget() override { ++*sink; }
                int* sink;
            } binding(property, updatesAfterDeath);
            property->setValue(5);
        }
        reachIdle();
        QCOMPARE(updatesAfterDeath, 0);
        property->setValue(6); // no listener left behind
        reachIdle();
        QCOMPARE(updatesAfterDeath, 0);
    }

    void uiStateFollowsUiProperty_data()
    {
        QTest::addColumn<BindingInterface::WidgetUpdateMode_e>("mode");
        QTest::newRow("immediate") << BindingInterface::WidgetUpdateImmediate;
        QTest::newRow("on idle") << BindingInterface::WidgetUpdateOnIdle;
    }

    void uiStateFollowsUiProperty()
    {
        QFETCH(BindingInterface::WidgetUpdateMode_e, mode);
        bool const immediate = mode == BindingInterface::WidgetUpdateImmediate;
        UIProperty property;
        CountingBinding binding(property, mode);
        QCOMPARE(&binding.uiProperty(),
                 static_cast<quarlin::sdk::ui::dialogs::propertybindings::UIPropertyInterface*>(&property));
        property.setVisible(false);
        property.setVisible(true);
        property.setSensitive(false);
        property.setSensitive(false); // no change: no signal
        property.setValue(4);
        QCOMPARE(binding.visibilityUpdates, immediate ? 2 : 0);
        QCOMPARE(binding.sensitivityUpdates, immediate ? 1 : 0);
        QCOMPARE(binding.widgetUpdates, immediate ? 1 : 0);
        reachIdle();
        QCOMPARE(binding.visibilityUpdates, immediate ? 2 : 1);
        QCOMPARE(binding.sensitivityUpdates, 1);
        QCOMPARE(binding.widgetUpdates, 1);
    }
};

QUARLIN_TEST_MAIN(TestUIPropertyBinding)
#include "tst_uipropertybinding.moc"
