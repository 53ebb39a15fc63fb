#include "property/PropertyAbstract.h"

#include <cmath>

namespace quarlin {

bool detail::propertyValuesEqual(double a, double b)
{
    return a == b || (std::isnan(a) && std::isnan(b));
}

template class PropertyAbstract<double>;

} // namespace quarlin
