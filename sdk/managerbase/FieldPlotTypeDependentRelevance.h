#pragma once

#include "sdk/managerbase/StateChangeDependentRelevance.h"

namespace quarlin::sdk::ui::propertymanager {

/// Holds while the current frame shows a Cartesian field plot (2-D or 3-D).
class QUARLIN_PROMPT_EXPORT FieldPlotTypeDependentRelevance : public StateChangeDependentRelevance
{
public:
    FieldPlotTypeDependentRelevance();
    ~FieldPlotTypeDependentRelevance() override;
};

} // namespace quarlin::sdk::ui::propertymanager
