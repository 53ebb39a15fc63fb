#pragma once

#include "quarlin_prompt_export.h"

#include <boost/signals2/connection.hpp>
#include <boost/signals2/signal.hpp>

namespace quarlin::sdk::ui::dialogs::propertybindings {

/// What a property says about the widget that shows it: whether it is visible and whether it
/// can be used. Each signal fires once per real change.
class QUARLIN_PROMPT_EXPORT UIPropertyInterface
{
public:
    /// Fires after visibility or sensitivity changed; read the new state from the property.
    using StateSignal = boost::signals2::signal<void()>;

    /// Visible and sensitive.
    UIPropertyInterface();
    virtual ~UIPropertyInterface();
    UIPropertyInterface(UIPropertyInterface const&) = delete;
    UIPropertyInterface& operator=(UIPropertyInterface const&) = delete;

    /// Whether the widget showing the property is shown.
    bool isVisible() const { return m_visible; }
    /// Whether the widget showing the property can be used (enabled).
    bool isSensitive() const { return m_sensitive; }
    /// Shows or hides the widget; announced through the visibility signal when it changes.
    void setVisible(bool visible);
    /// Enables or greys out the widget; announced through the sensitivity signal when it changes.
    void setSensitive(bool sensitive);

    /// Connects `slot` to the visibility signal; the caller owns the connection.
    boost::signals2::connection connectToVisibilityChangedSignal(StateSignal::slot_type const& slot) const;
    /// Connects `slot` to the sensitivity signal; the caller owns the connection.
    boost::signals2::connection connectToSensitivityChangedSignal(StateSignal::slot_type const& slot) const;

private:
    virtual void signalVisibilityChangedConnected() const;
    virtual void signalSensitivityChangedConnected() const;

    mutable StateSignal VisibilityChanged;
    mutable StateSignal SensitivityChanged;
    bool m_visible = true;
    bool m_sensitive = true;
};

} // namespace quarlin::sdk::ui::dialogs::propertybindings
