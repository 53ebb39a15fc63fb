#include "property/Property.h"
#include "property/PropertyDecoratorAbstract.h"
#include "property/PropertyProxy.h"

namespace quarlin {

template class PropertyAbstract<int>;
template class PropertyAbstract<bool>;
template class PropertyAbstract<std::string>;
template class PropertyAbstract<RGBMode_e>;

// Compiled here for the library's own dialogs; other modules instantiate their own copies.
template class PropertyAbstract<Font_e>;
template class PropertyAbstract<PlotType_e>;
template class PropertyAbstract<__int64>;
template class PropertyAbstract<std::vector<int>>;
template class PropertyAbstract<std::set<int>>;

template class Property<std::string>;
template class Property<Font_e>;
template class Property<PlotType_e>;
template class Property<__int64>;
template class Property<std::vector<int>>;
template class Property<std::set<int>>;

template class PropertyProxy<bool>;
template class PropertyProxy<std::string>;
template class PropertyDecoratorAbstract<double>;

template class AllowAnyValueValidator<int>;
template class AllowAnyValueValidator<bool>;
template class AllowAnyValueValidator<std::string>;
template class AllowAnyValueValidator<RGBMode_e>;
template class AllowAnyValueValidator<Font_e>;
template class AllowAnyValueValidator<PlotType_e>;
template class AllowAnyValueValidator<__int64>;
template class AllowAnyValueValidator<std::vector<int>>;
template class AllowAnyValueValidator<std::set<int>>;

} // namespace quarlin
