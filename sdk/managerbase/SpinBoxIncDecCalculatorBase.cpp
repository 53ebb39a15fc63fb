#include "sdk/managerbase/SpinBoxIncDecCalculatorBase.h"

namespace quarlin::sdk::ui::propertymanager {

SpinBoxIncDecCalculatorBase::SpinBoxIncDecCalculatorBase(double deltaFactor)
    : m_deltaFactor(deltaFactor)
{}

SpinBoxIncDecCalculatorBase::~SpinBoxIncDecCalculatorBase() = default;

double SpinBoxIncDecCalculatorBase::stepSize() const
{
    return m_deltaFactor;
}

} // namespace quarlin::sdk::ui::propertymanager
