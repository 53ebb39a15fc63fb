#pragma once

#include "quarlin_host_export.h"
#include "sdk/host/HostEnums.h"

#include <boost/signals2/signal.hpp>

#include <string>
#include <vector>

namespace quarlin::toolbox {

// One change the host made to its state: what kind, and the names it concerns
// (for a style change, the parts of the style path).
class QUARLIN_HOST_EXPORT StateChangeEventInterface
{
public:
    virtual ~StateChangeEventInterface();
    virtual StateChange_e kind() const = 0;
    virtual std::vector<std::string> const& parameters() const = 0;
};

class QUARLIN_HOST_EXPORT StateChangeEvent final : public StateChangeEventInterface
{
public:
    explicit StateChangeEvent(StateChange_e kind, std::vector<std::string> parameters = {});
    StateChange_e kind() const override { return m_kind; }
    std::vector<std::string> const& parameters() const override { return m_parameters; }

private:
    StateChange_e m_kind;
    std::vector<std::string> m_parameters;
};

// The host's single source of state-change events. Events are delivered synchronously on the
// thread that changed the state, which in this host is always the user-interface thread.
class QUARLIN_HOST_EXPORT StateChangeEventObservable
{
public:
    using Signal = boost::signals2::signal<void(StateChangeEventInterface const&)>;

    static StateChangeEventObservable& getInstance();

    boost::signals2::connection connectStateChanged(Signal::slot_type const& slot);
    void emitStateChange(StateChangeEventInterface const& event);
    std::size_t listenerCount() const { return m_signal.num_slots(); }

    StateChangeEventObservable(StateChangeEventObservable const&) = delete;
    StateChangeEventObservable& operator=(StateChangeEventObservable const&) = delete;

private:
    StateChangeEventObservable() = default;
    Signal m_signal;
};

} // namespace quarlin::toolbox
