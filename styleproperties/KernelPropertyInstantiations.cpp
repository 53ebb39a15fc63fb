#include "styleproperties/KernelPropertyDeferred.h"

namespace quarlin::sdk::styleproperties {

template class KernelPropertyAbstract<int>;
template class KernelPropertyAbstract<double>;
template class KernelPropertyAbstract<RGBMode_e>;
template class KernelPropertyAbstract<bool>;
template class KernelPropertyAbstract<std::string>;

template class KernelProperty<int>;
template class KernelProperty<double>;
template class KernelProperty<RGBMode_e>;
template class KernelProperty<bool>;
template class KernelProperty<std::string>;

template class KernelPropertyDeferred<int>;
template class KernelPropertyDeferred<double>;
template class KernelPropertyDeferred<RGBMode_e>;
template class KernelPropertyDeferred<bool>;
template class KernelPropertyDeferred<std::string>;

} // namespace quarlin::sdk::styleproperties
