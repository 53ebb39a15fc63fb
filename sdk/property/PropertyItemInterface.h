#pragma once

#include "quarlin_prompt_export.h"

#include <boost/signals2/connection.hpp>
#include <boost/signals2/signal.hpp>

namespace quarlin {

// Base of every property, whatever it holds. Its untyped change signal lets code that does not
// know the value type (relevance rules, generic listeners) hear that the property changed.
// Listening does not change a property's meaning, so connecting works on a const property.
class QUARLIN_PROMPT_EXPORT PropertyItemInterface
{
public:
    using PropertyChangedSignal = boost::signals2::signal<void()>;

    PropertyItemInterface();
    virtual ~PropertyItemInterface();
    PropertyItemInterface(PropertyItemInterface const&) = delete;

    boost::signals2::connection connectToPropertyChangedSignal(PropertyChangedSignal::slot_type const& slot) const;
    bool hasPropertyChangedListeners() const { return !PropertyChanged.empty(); }

protected:
    // Signals and connections are never copied with a value; derived assignments call this.
    PropertyItemInterface& operator=(PropertyItemInterface const&) { return *this; }
    void emitPropertyChanged() const { PropertyChanged(); }

private:
    // Runs after each connection to PropertyChanged.
    virtual void signalPropertyChangedConnected() const;
    // Runs after each connection too, before the hook above; for the library's own bookkeeping,
    // so that a subclass overriding the hook cannot switch it off.
    virtual void propertyChangedListenerAdded() const;

    mutable PropertyChangedSignal PropertyChanged;
};

} // namespace quarlin
