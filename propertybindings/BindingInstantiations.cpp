#include "propertybindings/RadioButtonPropertyBinding.h"
#include "propertybindings/TextFieldPropertyBinding.h"

namespace quarlin::sdk::ui::dialogs::propertybindings {

template class UIPropertyBindingAbstract<int>;
template class UIPropertyBindingAbstract<bool>;
template class UIPropertyBindingAbstract<double>;
template class UIPropertyBindingAbstract<std::string>;
template class UIPropertyBindingAbstract<Font_e>;
template class UIPropertyBindingAbstract<RGBMode_e>;

template class RadioButtonPropertyBinding<Font_e>;
template class RadioButtonPropertyBinding<bool>;
template class TextFieldPropertyBinding<double>;
template class TextFieldPropertyBinding<std::string>;

} // namespace quarlin::sdk::ui::dialogs::propertybindings
