#include "sdk/propertybase/PropertyItemInterface.h"

namespace quarlin {

PropertyItemInterface::PropertyItemInterface() = default;

PropertyItemInterface::~PropertyItemInterface() = default;

boost::signals2::connection
PropertyItemInterface::connectToPropertyChangedSignal(PropertyChangedSignal::slot_type const& slot) const
{
    boost::signals2::connection connection = PropertyChanged.connect(slot);
    if (m_listenerAdded)
        m_listenerAdded(*this);
    signalPropertyChangedConnected();
    return connection;
}

void PropertyItemInterface::signalPropertyChangedConnected() const {}

} // namespace quarlin
