#include "sdk/host/StateChangeEvent.h"

namespace quarlin::toolbox {

StateChangeEventInterface::~StateChangeEventInterface() = default;

StateChangeEvent::StateChangeEvent(StateChange_e kind, std::vector<std::string> parameters)
    : m_kind(kind)
    , m_parameters(std::move(parameters))
{}

StateChangeEventObservable& StateChangeEventObservable::getInstance()
{
    static StateChangeEventObservable instance;
    return instance;
}

boost::signals2::connection StateChangeEventObservable::connectStateChanged(Signal::slot_type const& slot)
{
    return m_signal.connect(slot);
}

void StateChangeEventObservable::emitStateChange(StateChangeEventInterface const& event)
{
    ++m_eventCount;
    m_signal(event);
}

} // namespace quarlin::toolbox
