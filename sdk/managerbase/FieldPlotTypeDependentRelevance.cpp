#include "sdk/managerbase/FieldPlotTypeDependentRelevance.h"

#include "sdk/host/QrnUtil.h"

namespace quarlin::sdk::ui::propertymanager {

FieldPlotTypeDependentRelevance::FieldPlotTypeDependentRelevance()
    : StateChangeDependentRelevance([] {
        if (QrnUtilPageGetCount() < 1 || QrnUtilFrameGetCount() < 1)
            return false;
        PlotType_e const type = QrnUtilFrameGetPlotType();
        return type == PlotType_Cartesian2D || type == PlotType_Cartesian3D;
    })
{}

FieldPlotTypeDependentRelevance::~FieldPlotTypeDependentRelevance() = default;

} // namespace quarlin::sdk::ui::propertymanager
