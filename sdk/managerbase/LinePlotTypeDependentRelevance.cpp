#include "sdk/managerbase/LinePlotTypeDependentRelevance.h"

#include "sdk/host/QrnUtil.h"

namespace quarlin::sdk::ui::propertymanager {

LinePlotTypeDependentRelevance::LinePlotTypeDependentRelevance()
    : StateChangeDependentRelevance([] {
        if (QrnUtilPageGetCount() < 1 || QrnUtilFrameGetCount() < 1)
            return false;
        PlotType_e const type = QrnUtilFrameGetPlotType();
        return type == PlotType_XYLine || type == PlotType_PolarLine;
    })
{}

LinePlotTypeDependentRelevance::~LinePlotTypeDependentRelevance() = default;

} // namespace quarlin::sdk::ui::propertymanager
