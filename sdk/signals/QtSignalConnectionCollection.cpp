#include "sdk/signals/QtSignalConnectionCollection.h"

#include <QObject>

namespace quarlin {

QtSignalConnectionCollection::~QtSignalConnectionCollection()
{
    clear();
}

void QtSignalConnectionCollection::add(QMetaObject::Connection const& connection)
{
    if (connection)
        m_connections.push_back(connection);
}

void QtSignalConnectionCollection::clear()
{
    for (auto const& connection : m_connections)
        QObject::disconnect(connection);
    m_connections.clear();
}

} // namespace quarlin
