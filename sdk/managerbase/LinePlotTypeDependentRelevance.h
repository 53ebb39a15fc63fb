#pragma once

#include "sdk/managerbase/StateChangeDependentRelevance.h"

namespace quarlin::sdk::ui::propertymanager {

/// Holds while the current frame shows a line plot (XY or polar).
class QUARLIN_PROMPT_EXPORT LinePlotTypeDependentRelevance : public StateChangeDependentRelevance
{
public:
    LinePlotTypeDependentRelevance();
    ~LinePlotTypeDependentRelevance() override;
};

} // namespace quarlin::sdk::ui::propertymanager
