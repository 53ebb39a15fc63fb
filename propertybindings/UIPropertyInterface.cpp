#include "propertybindings/UIPropertyInterface.h"

namespace quarlin::sdk::ui::dialogs::propertybindings {

UIPropertyInterface::UIPropertyInterface() = default;

UIPropertyInterface::~UIPropertyInterface() = default;

void UIPropertyInterface::setVisible(bool visible)
{
    if (visible == m_visible)
        return;
    m_visible = visible;
    VisibilityChanged();
}

void UIPropertyInterface::setSensitive(bool sensitive)
{
    if (sensitive == m_sensitive)
        return;
    m_sensitive = sensitive;
    SensitivityChanged();
}

boost::signals2::connection
UIPropertyInterface::connectToVisibilityChangedSignal(StateSignal::slot_type const& slot) const
{
    boost::signals2::connection connection = VisibilityChanged.connect(slot);
    signalVisibilityChangedConnected();
    return connection;
}

boost::signals2::connection
UIPropertyInterface::connectToSensitivityChangedSignal(StateSignal::slot_type const& slot) const
{
    boost::signals2::connection connection = SensitivityChanged.connect(slot);
    signalSensitivityChangedConnected();
    return connection;
}

void UIPropertyInterface::signalVisibilityChangedConnected() const {}

void UIPropertyInterface::signalSensitivityChangedConnected() const {}

} // namespace quarlin::sdk::ui::dialogs::propertybindings
