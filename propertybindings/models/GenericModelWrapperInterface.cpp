#include "propertybindings/models/GenericModelWrapperInterface.h"

namespace quarlin::sdk::ui::dialogs::propertybindings::models {

GenericModelWrapperInterface::~GenericModelWrapperInterface() = default;

} // namespace quarlin::sdk::ui::dialogs::propertybindings::models
