#pragma once

#include "quarlin_prompt_export.h"

namespace quarlin::sdk::ui::propertymanager {

/// How far one step of a spin box goes. The base steps by the delta factor; a derived calculator
/// computes a step from the data (and scales it by deltaFactor() itself).
class QUARLIN_PROMPT_EXPORT SpinBoxIncDecCalculatorBase
{
public:
    /// Steps by `deltaFactor`.
    explicit SpinBoxIncDecCalculatorBase(double deltaFactor = 1.0);
    virtual ~SpinBoxIncDecCalculatorBase();

    /// `value` one step up.
    double increment(double value) const { return value + stepSize(); }
    /// `value` one step down.
    double decrement(double value) const { return value - stepSize(); }
    /// The factor the step is scaled by.
    double deltaFactor() const { return m_deltaFactor; }

    /// One step: the delta factor, here.
    virtual double stepSize() const;

private:
    double m_deltaFactor;
};

} // namespace quarlin::sdk::ui::propertymanager
