#include "propertybindings/SpinBoxLgIndexPropertyBinding_p.h"

#include "propertybindings/SpinBoxBindingCore_p.h"
#include "sdk/widgets/IntegralSpinBox.h"

#include <algorithm>
#include <cmath>

namespace quarlin::sdk::ui::dialogs::propertybindings {

namespace {

// Steps through the calculator in floating point, as its data ranges are; the result is
// rounded to a whole index and kept inside 64 bits.
__int64 stepWith(propertymanager::SpinBoxIncDecCalculatorBase const& calculator, __int64 value, int steps)
{
    double next = static_cast<double>(value);
    constexpr double limit = 9.0e18; // inside the 64-bit range, far outside any spin box's
    if (!intern::stepThrough(calculator, next, steps) || !std::isfinite(next))
        return value;
    return static_cast<__int64>(std::llround(std::clamp(next, -limit, limit)));
}

} // namespace

SpinBoxLgIndexPropertyBinding::SpinBoxLgIndexPropertyBinding(
    quarlin::ui::IntegralSpinBox* spinBox, boost::shared_ptr<PropertyAbstract<__int64>> property,
    boost::shared_ptr<propertymanager::SpinBoxIncDecCalculatorBase> calculator)
{
    auto step = [calculator](__int64 value, int steps) { return stepWith(*calculator, value, steps); };
    m_core = std::make_unique<intern::SpinBoxBindingCore<quarlin::ui::IntegralSpinBox, __int64>>(
        spinBox, std::move(property), calculator, step, &quarlin::ui::IntegralSpinBox::setIndexValue,
        &quarlin::ui::IntegralSpinBox::indexCommitted);
}

SpinBoxLgIndexPropertyBinding::~SpinBoxLgIndexPropertyBinding() = default;

void SpinBoxLgIndexPropertyBinding::updateWidget()
{
    m_core->updateWidget();
}

} // namespace quarlin::sdk::ui::dialogs::propertybindings
