#include "sdk/property/PropertyItemInterface.h"

namespace quarlin {

PropertyItemInterface::PropertyItemInterface() = default;

PropertyItemInterface::~PropertyItemInterface() = default;

boost::signals2::connection
PropertyItemInterface::connectToPropertyChangedSignal(PropertyChangedSignal::slot_type const& slot) const
{
    boost::signals2::connection connection = PropertyChanged.connect(slot);
    propertyChangedListenerAdded();
    signalPropertyChangedConnected();
    return connection;
}

void PropertyItemInterface::signalPropertyChangedConnected() const {}

void PropertyItemInterface::propertyChangedListenerAdded() const {}

} // namespace quarlin
