#include "propertybindings/ButtonBinding_p.h"

#include "sdk/exception/ExceptionBoundary.h"
#include "sdk/exception/InvalidArgumentException.h"

#include <QAbstractButton>

namespace quarlin::sdk::ui::dialogs::propertybindings {

ButtonBinding::ButtonBinding(QAbstractButton* button, boost::function<void()> action)
    : m_action(std::move(action))
{
    if (!button)
        throw InvalidArgumentException("A button binding needs a button.");
    if (!m_action)
        throw InvalidArgumentException("A button binding needs an action.");
    m_connections.add(QObject::connect(button, &QAbstractButton::clicked, button,
                                       [this] { runAtBoundary([this] { m_action(); }); }));
}

ButtonBinding::~ButtonBinding() = default;

} // namespace quarlin::sdk::ui::dialogs::propertybindings
