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
    using StateSignal = boost::signals2::signal<void()>;

    UIPropertyInterface();
    virtual ~UIPropertyInterface();
    UIPropertyInterface(UIPropertyInterface const&) = delete;
    UIPropertyInterface& operator=(UIPropertyInterface const&) = delete;

    bool isVisible() const { return m_visible; }
    bool isSensitive() const { return m_sensitive; }
    void setVisible(bool visible);
    void setSensitive(bool sensitive);

    boost::signals2::connection connectToVisibilityChangedSignal(StateSignal::slot_type const& slot) const;
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
