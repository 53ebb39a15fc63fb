#pragma once

#include "sdk/managerbase/StateChangeDependentRelevance.h"

namespace quarlin::sdk::ui::propertymanager {

/// Holds while the host has a data set.
class QUARLIN_PROMPT_EXPORT DataSetExistsRelevance : public StateChangeDependentRelevance
{
public:
    DataSetExistsRelevance();
    ~DataSetExistsRelevance() override;
};

} // namespace quarlin::sdk::ui::propertymanager
