#pragma once

#include "property/PropertyAbstract.h"
#include "sdk/exception/ExceptionBoundary.h"
#include "sdk/exception/InvalidArgumentException.h"
#include "sdk/managerbase/SpinBoxIncDecCalculatorBase.h"
#include "sdk/signals/Lifetime.h"
#include "sdk/signals/QtSignalConnectionCollection.h"
#include "sdk/signals/SignalConnectionCollection.h"
#include "sdk/widgets/DeferredCommits_p.h"

#include <boost/shared_ptr.hpp>

#include <QObject>
#include <QPointer>

#include <cstdlib>

namespace quarlin::sdk::ui::dialogs::propertybindings::intern {

// Moves value by a number of the calculator's steps (negative: down). A calculator that throws
// is reported, and then value is left as it was and the result is false.
inline bool stepThrough(propertymanager::SpinBoxIncDecCalculatorBase const& calculator, double& value,
                        int steps)
{
    double next = value;
    bool const stepped = runAtBoundary([&] {
        for (int i = 0; i < std::abs(steps); ++i)
            next = steps > 0 ? calculator.increment(next) : calculator.decrement(next);
    });
    if (stepped)
        value = next;
    return stepped;
}

// What the spin-box bindings share: a person's commit is set on the property (a refusal is
// reported and the spin box shows the property's value again; so does typed text the spin box
// refused), a change of the property shows
// at once, and a calculator's step replaces the spin box's own while the binding lives.
// SpinBox shows a value with `show` (false when clamped) and reports a commit with `committed`.
template <class SpinBox, class T>
class SpinBoxBindingCore
{
public:
    using Show = bool (SpinBox::*)(T);
    using Committed = void (SpinBox::*)(T);

    SpinBoxBindingCore(SpinBox* spinBox, boost::shared_ptr<PropertyAbstract<T>> property,
                       boost::shared_ptr<propertymanager::SpinBoxIncDecCalculatorBase> calculator,
                       typename SpinBox::StepFunction step, Show show, Committed committed)
        : m_spinBox(spinBox)
        , m_property(std::move(property))
        , m_calculator(std::move(calculator))
        , m_show(show)
    {
        if (!spinBox)
            throw InvalidArgumentException("A spin box binding needs a spin box.");
        if (!m_property)
            throw InvalidArgumentException("A spin box binding needs a property.");
        if (m_calculator)
            spinBox->setStepFunction(std::move(step));
        // The host may answer a write or a message by closing the window: then nothing of the
        // binding is left to touch.
        // Qt goes on using the spin box after a step or Enter: the value is set once it is done.
        m_widgetConnections.add(QObject::connect(spinBox, committed, spinBox, [this, spinBox](T value) {
            quarlin::ui::intern::DeferredCommits::schedule(
                *spinBox, [this, alive = m_lifetime.watch(), value] {
                    if (alive) // the binding may have gone before the spin box
                        commit(value);
                });
        }));
        // Typed text the spin box could not take: said once, and the field shows the property.
        m_widgetConnections.add(
            QObject::connect(spinBox, &SpinBox::textRefused, spinBox, [this, spinBox](QString const& why) {
                quarlin::ui::intern::DeferredCommits::schedule(*spinBox, [this, alive = m_lifetime.watch(),
                                                                          why] {
                    if (!alive)
                        return;
                    reportAtBoundary(std::make_exception_ptr(InvalidArgumentException(why.toStdString())));
                    if (alive)
                        updateWidget();
                });
            }));
        m_propertyConnections.add(
            m_property->connectToValueChangedSignal([this](T const&) { updateWidget(); }));
        updateWidget();
    }

    ~SpinBoxBindingCore()
    {
        if (m_spinBox && m_calculator)
            m_spinBox->setStepFunction({});
    }

    SpinBoxBindingCore(SpinBoxBindingCore const&) = delete;
    SpinBoxBindingCore& operator=(SpinBoxBindingCore const&) = delete;

    void updateWidget()
    {
        if (m_spinBox)
            (m_spinBox.data()->*m_show)(m_property->value());
    }

private:
    void commit(T value)
    {
        // Refused or not, the spin box shows what the property holds now: an adjusted or
        // ignored value, or (an equal value sends no signal) the clamped display.
        auto const alive = m_lifetime.watch();
        auto const held = m_property;
        runAtBoundary([&] { held->setValue(value); });
        if (alive)
            updateWidget();
    }

    QPointer<SpinBox> m_spinBox; // not owned: the dialog's widget tree owns it
    boost::shared_ptr<PropertyAbstract<T>> m_property;
    boost::shared_ptr<propertymanager::SpinBoxIncDecCalculatorBase> m_calculator;
    Show m_show;
    Lifetime m_lifetime;
    SignalConnectionCollection m_propertyConnections;
    QtSignalConnectionCollection m_widgetConnections;
};

} // namespace quarlin::sdk::ui::dialogs::propertybindings::intern
