#pragma once

#include "sdk/managerbase/SpinBoxIncDecCalculatorBase.h"

namespace quarlin::sdk::ui::propertymanager {

class RGBColorOptsPropertiesGenerated;

// Steps the RGB intensity range by a tenth of the data range the three channel variables span
// together; by nothing while any of them has no range (no data set, a variable it lacks).
class IntensitySpinBoxIncDecCalculator : public virtual SpinBoxIncDecCalculatorBase
{
public:
    // The set must outlive the calculator.
    explicit IntensitySpinBoxIncDecCalculator(RGBColorOptsPropertiesGenerated& generated);
    ~IntensitySpinBoxIncDecCalculator() override;

    double stepSize() const override;

private:
    RGBColorOptsPropertiesGenerated* m_generated; // not owned
};

} // namespace quarlin::sdk::ui::propertymanager
