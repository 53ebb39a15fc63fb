#include "propertybindings/BindingInterface.h"

namespace quarlin::sdk::ui::dialogs::propertybindings {

BindingInterface::~BindingInterface() = default;

} // namespace quarlin::sdk::ui::dialogs::propertybindings
