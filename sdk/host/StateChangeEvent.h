#pragma once

#include "quarlin_host_export.h"
#include "sdk/host/HostEnums.h"

#include <boost/signals2/signal.hpp>

#include <cstdint>
#include <string>
#include <vector>

namespace quarlin::toolbox {

/// One change the host made to its state: what kind, and the names it concerns
/// (for a style change, the parts of the style path).
class QUARLIN_HOST_EXPORT StateChangeEventInterface
{
public:
    virtual ~StateChangeEventInterface();
    /// What changed.
    virtual StateChange_e kind() const = 0;
    /// The names the change concerns; for a style change, the style path's parts.
    virtual std::vector<std::string> const& parameters() const = 0;
};

/// The event the reference host announces.
class QUARLIN_HOST_EXPORT StateChangeEvent final : public StateChangeEventInterface
{
public:
    /// A change of `kind` concerning `parameters`.
    explicit StateChangeEvent(StateChange_e kind, std::vector<std::string> parameters = {});
    StateChange_e kind() const override { return m_kind; }
    std::vector<std::string> const& parameters() const override { return m_parameters; }

private:
    StateChange_e m_kind;
    std::vector<std::string> m_parameters;
};

/// The host's single source of state-change events. Events are delivered synchronously on the
/// thread that changed the state, which in this host is always the user-interface thread. The
/// host announces every change of its state here, before anyone else can read the new state,
/// so a reading taken when eventCount() was N is current for as long as eventCount() is N.
///
/// Part of the host contract: a host that links its own quarlin_host provides this class with
/// these members and these guarantees. The library relies on them in two places: kernel
/// properties answer a read from their cache while eventCount() is unchanged (so a style setting
/// that changes without an event here would be read stale), and every rule and list model that
/// follows the host re-reads it on an event. A host that cannot announce every change must bump
/// eventCount() whenever its state may have changed, which turns the cache into read-through.
class QUARLIN_HOST_EXPORT StateChangeEventObservable
{
public:
    /// Carries the event; it lives only during the call.
    using Signal = boost::signals2::signal<void(StateChangeEventInterface const&)>;

    /// The host's one observable.
    static StateChangeEventObservable& getInstance();

    /// Connects `slot`; the caller owns the connection.
    boost::signals2::connection connectStateChanged(Signal::slot_type const& slot);
    /// Counts the event, then delivers it to every listener, synchronously.
    void emitStateChange(StateChangeEventInterface const& event);
    /// The slots connected.
    std::size_t listenerCount() const { return m_signal.num_slots(); }
    /// Events announced so far; counted before the listeners hear of one.
    std::uint64_t eventCount() const { return m_eventCount; }

    StateChangeEventObservable(StateChangeEventObservable const&) = delete;
    StateChangeEventObservable& operator=(StateChangeEventObservable const&) = delete;

private:
    StateChangeEventObservable() = default;
    Signal m_signal;
    std::uint64_t m_eventCount = 0;
};

} // namespace quarlin::toolbox
