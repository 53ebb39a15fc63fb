#pragma once

#include "quarlin_prompt_export.h"

namespace quarlin::sdk::ui::dialogs::propertybindings {

/// Keeps a widget and a property in step both ways.
class QUARLIN_PROMPT_EXPORT WidgetPropertySynchronizerInterface
{
public:
    virtual ~WidgetPropertySynchronizerInterface();
    /// Shows the property's value in the widget.
    virtual void updateWidget() = 0;
    /// Writes what the widget shows into the property.
    virtual void updateProperty() = 0;
};

} // namespace quarlin::sdk::ui::dialogs::propertybindings
