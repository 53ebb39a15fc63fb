#include "propertymanager/PropertyDependentRelevance.h"

namespace quarlin::sdk::ui::propertymanager {

template class PropertyDependentRelevanceAbstract<bool>;
template class PropertyDependentRelevance<bool>;
template class PropertyDependentRelevanceAbstract<RGBMode_e>;
template class PropertyDependentRelevance<RGBMode_e>;

} // namespace quarlin::sdk::ui::propertymanager
