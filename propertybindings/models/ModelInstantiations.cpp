#include "propertybindings/models/GenericModelWrapper.h"
#include "propertybindings/models/PremappedListModel.h"

namespace quarlin::sdk::ui::dialogs::propertybindings::models {

template class ListModelInterface<int>;
template class ListModelInterface<double>;
template class ListModelAbstract<int>;
template class ListModelAbstract<double>;

template class ListModelInterface<RGBMode_e>;
template class ListModelAbstract<RGBMode_e>;
template class PremappedListModel<RGBMode_e>;
template class GenericModelWrapper<int>;
template class GenericModelWrapper<RGBMode_e>;

} // namespace quarlin::sdk::ui::dialogs::propertybindings::models
