#pragma once

#include "propertybindings/BindingInterface.h"
#include "quarlin_prompt_export.h"
#include "sdk/managerbase/RelevanceInterface.h"

#include <QPointer>
#include <QWidget>

#include <initializer_list>
#include <memory>
#include <vector>

namespace quarlin::sdk::ui::dialogs::propertybindings {

/// Enables widgets (or shows them) while a rule holds and disables (hides) them otherwise,
/// together with the labels whose buddies they are. Applied at once when built, then on every
/// change of the rule, at once or at the next idle point. Widgets that die first are skipped.
class QUARLIN_PROMPT_EXPORT RelevanceApplier
{
public:
    /// How the rule shows on the widget: enabled or greyed out, or shown or hidden.
    enum Manifestation_e : int { Manifestation_Sensitivity = 0, Manifestation_Visibility = 1 };

    /// One to six widgets; null entries are ignored.
    RelevanceApplier(propertymanager::RelevancePtr rule, std::initializer_list<QWidget*> widgets,
                     Manifestation_e manifestation, BindingInterface::WidgetUpdateMode_e mode);
    ~RelevanceApplier();
    RelevanceApplier(RelevanceApplier const&) = delete;
    RelevanceApplier& operator=(RelevanceApplier const&) = delete;

    /// Applies the rule's current answer now.
    void apply();

private:
    struct Impl;
    std::unique_ptr<Impl> d; ///< owned
};

} // namespace quarlin::sdk::ui::dialogs::propertybindings
