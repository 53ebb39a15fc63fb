#pragma once

#include "sdk/signals/Lifetime.h"
#include "sdk/signals/QtSignalConnectionCollection.h"

#include <boost/function.hpp>

class QAbstractButton;

namespace quarlin::sdk::ui::dialogs::propertybindings {

// Runs an action when a button is clicked, for as long as the binding lives. A failure is
// reported through the host's message box.
class ButtonBinding
{
public:
    // Throws InvalidArgumentException for a null button or an empty action.
    ButtonBinding(QAbstractButton* button, boost::function<void()> action);
    ~ButtonBinding();
    ButtonBinding(ButtonBinding const&) = delete;
    ButtonBinding& operator=(ButtonBinding const&) = delete;

private:
    boost::function<void()> m_action;
    Lifetime m_lifetime;
    QtSignalConnectionCollection m_connections;
};

} // namespace quarlin::sdk::ui::dialogs::propertybindings
