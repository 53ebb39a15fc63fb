#pragma once

#include "quarlin_prompt_export.h"

namespace quarlin::sdk::ui::dialogs::propertybindings {

/// Base of every binding between a widget and what it shows.
class QUARLIN_PROMPT_EXPORT BindingInterface
{
public:
    /// When a binding repaints its widget after the property changed. Any value other than 0
    /// behaves as WidgetUpdateOnIdle; the fixed underlying type keeps every such value valid.
    enum WidgetUpdateMode_e : int { WidgetUpdateImmediate = 0, WidgetUpdateOnIdle = 1 };
    /// Whether a list widget holds its repaints while the host is busy (1) or paints at once (0).
    enum ModelUpdateMode : int { ModelUpdateImmediate = 0, ModelUpdateDeferredOnBusy = 1 };

    virtual ~BindingInterface();
};

/// A binding that brings its widget up to date from a property: its value, and whether the
/// widget is visible and enabled. The three operations only ever write to the widget.
class QUARLIN_PROMPT_EXPORT PropertyBindingInterface : public virtual BindingInterface
{
public:
    /// Shows the property's current value in the widget, without announcing a change back.
    virtual void updateWidget() = 0;
    /// Shows or hides the widget as the property says.
    virtual void updateVisibility() = 0;
    /// Enables or greys out the widget as the property says.
    virtual void updateSensitivity() = 0;
};

} // namespace quarlin::sdk::ui::dialogs::propertybindings
