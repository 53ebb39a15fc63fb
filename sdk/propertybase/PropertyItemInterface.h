#pragma once

#include "quarlin_prompt_export.h"

#include <boost/signals2/connection.hpp>
#include <boost/signals2/signal.hpp>

namespace quarlin {

/// Base of every property, whatever it holds. Its untyped change signal lets code that does not
/// know the value type (relevance rules, generic listeners) hear that the property changed.
/// Listening does not change a property's meaning, so connecting works on a const property.
class QUARLIN_PROMPT_EXPORT PropertyItemInterface
{
    /// Runs after each connection to PropertyChanged. First in the virtual table, before the
    /// destructor, as hosts' subclasses expect.
    virtual void signalPropertyChangedConnected() const;

public:
    /// Fires after every change of the property's value.
    using PropertyChangedSignal = boost::signals2::signal<void()>;

    /// A property with no listener.
    PropertyItemInterface();
    virtual ~PropertyItemInterface();
    PropertyItemInterface(PropertyItemInterface const&) = delete;

    boost::signals2::connection
    /// Connects `slot` to the untyped change signal; the caller owns the connection.
    connectToPropertyChangedSignal(PropertyChangedSignal::slot_type const& slot) const;
    /// Whether a slot is connected to the untyped change signal.
    bool hasPropertyChangedListeners() const { return !PropertyChanged.empty(); }

protected:
    /// Signals and connections are never copied with a value; derived assignments call this.
    PropertyItemInterface& operator=(PropertyItemInterface const&) { return *this; }
    /// Announces a change to the untyped listeners.
    void emitPropertyChanged() const { PropertyChanged(); }

    /// The typed property relays its changes to PropertyChanged only while someone listens; it
    /// learns of a new listener here, before the hook runs. A plain function rather than a
    /// virtual, so the virtual table stays as hosts' subclasses expect and no override can
    /// switch the relay off.
    using ListenerAddedHandler = void (*)(PropertyItemInterface const& property);
    /// Installs the function told of each new untyped listener; null tells nobody.
    void setListenerAddedHandler(ListenerAddedHandler handler) { m_listenerAdded = handler; }

private:
    mutable PropertyChangedSignal PropertyChanged;
    ListenerAddedHandler m_listenerAdded = nullptr;
};

} // namespace quarlin
