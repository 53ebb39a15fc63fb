#include "sdk/managerbase/DataSetExistsRelevance.h"

#include "sdk/host/QrnUtil.h"

namespace quarlin::sdk::ui::propertymanager {

DataSetExistsRelevance::DataSetExistsRelevance()
    : StateChangeDependentRelevance([] { return QrnUtilDataSetIsAvailable(); })
{}

DataSetExistsRelevance::~DataSetExistsRelevance() = default;

} // namespace quarlin::sdk::ui::propertymanager
