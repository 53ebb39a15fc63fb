#include "propertymanager/IntensitySpinBoxIncDecCalculator_p.h"

#include "propertymanager/RGBColorOptsPropertiesGenerated.h"
#include "sdk/host/AppLock.h"
#include "sdk/host/QrnUtil.h"

#include <algorithm>

namespace quarlin::sdk::ui::propertymanager {

IntensitySpinBoxIncDecCalculator::IntensitySpinBoxIncDecCalculator(RGBColorOptsPropertiesGenerated& generated)
    : SpinBoxIncDecCalculatorBase(1.0)
    , m_generated(&generated)
{}

IntensitySpinBoxIncDecCalculator::~IntensitySpinBoxIncDecCalculator() = default;

double IntensitySpinBoxIncDecCalculator::stepSize() const
{
    double step = 0.0;
    {
        AppLock const lock(ImplicitMacroRecording_Off);
        double low = 0.0, high = 0.0;
        bool known = QrnUtilVarGetMinMax(m_generated->globalRGBRedChannelVar()->value(), &low, &high);
        for (auto const& channel :
             {m_generated->globalRGBGreenChannelVar(), m_generated->globalRGBBlueChannelVar()}) {
            double channelLow = 0.0, channelHigh = 0.0;
            known = known && QrnUtilVarGetMinMax(channel->value(), &channelLow, &channelHigh);
            low = std::min(low, channelLow);
            high = std::max(high, channelHigh);
        }
        if (known)
            step = (high - low) * 0.1;
    }
    return step * deltaFactor();
}

} // namespace quarlin::sdk::ui::propertymanager
