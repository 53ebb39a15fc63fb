#include "sdk/propertybindings/SpinBoxLgIndexPropertyBinding.h"

#include "sdk/exception/ExceptionBoundary.h"
#include "sdk/propertymanager/SpinBoxIncDecCalculatorBase.h"
#include "sdk/widgets/IntegralSpinBox.h"

#include <algorithm>
#include <cmath>

namespace quarlin::sdk::ui::dialogs::propertybindings {

namespace {

// Steps through the calculator in floating point, as its data ranges are; the result is
// rounded to a whole index and kept inside 64 bits. A calculator that throws is reported and
// the value stays.
__int64 stepWith(propertymanager::SpinBoxIncDecCalculatorBase const& calculator, __int64 value, int steps)
{
    double next = static_cast<double>(value);
    bool const stepped = runAtBoundary([&] {
        for (int i = 0; i < std::abs(steps); ++i)
            next = steps > 0 ? calculator.increment(next) : calculator.decrement(next);
    });
    constexpr double limit = 9.0e18; // inside the 64-bit range, far outside any spin box's
    if (!stepped || !std::isfinite(next))
        return value;
    return static_cast<__int64>(std::llround(std::clamp(next, -limit, limit)));
}

} // namespace

SpinBoxLgIndexPropertyBinding::SpinBoxLgIndexPropertyBinding(
    quarlin::ui::IntegralSpinBox* spinBox, boost::shared_ptr<PropertyAbstract<__int64>> property,
    boost::shared_ptr<propertymanager::SpinBoxIncDecCalculatorBase> calculator)
    : m_spinBox(spinBox)
    , m_property(std::move(property))
    , m_calculator(std::move(calculator))
{
    if (!spinBox)
        throw InvalidArgumentException("A spin box binding needs a spin box.");
    if (!m_property)
        throw InvalidArgumentException("A spin box binding needs a property.");

    if (m_calculator) {
        auto const calculatorRef = m_calculator;
        spinBox->setStepFunction(
            [calculatorRef](__int64 value, int steps) { return stepWith(*calculatorRef, value, steps); });
    }
    m_widgetConnections.add(QObject::connect(spinBox, &quarlin::ui::IntegralSpinBox::indexCommitted, spinBox,
                                             [this](__int64 index) { commit(index); }));
    m_propertyConnections.add(m_property->connectToValueChangedSignal([this](__int64 const&) { updateWidget(); }));
    updateWidget();
}

SpinBoxLgIndexPropertyBinding::~SpinBoxLgIndexPropertyBinding()
{
    if (m_spinBox && m_calculator)
        m_spinBox->setStepFunction({});
}

void SpinBoxLgIndexPropertyBinding::updateWidget()
{
    if (m_spinBox)
        m_spinBox->setIndexValue(m_property->value());
}

void SpinBoxLgIndexPropertyBinding::commit(__int64 index)
{
    // Refused or not, the spin box shows what the property holds now: an adjusted or ignored
    // value, or (an equal value sends no signal) the clamped display of an out-of-range one.
    runAtBoundary([&] { m_property->setValue(index); });
    updateWidget();
}

} // namespace quarlin::sdk::ui::dialogs::propertybindings
