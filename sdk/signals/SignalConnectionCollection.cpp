#include "sdk/signals/SignalConnectionCollection.h"

namespace quarlin {

SignalConnectionCollection::~SignalConnectionCollection()
{
    clear();
}

void SignalConnectionCollection::add(boost::signals2::connection const& connection)
{
    m_connections.push_back(connection);
}

void SignalConnectionCollection::clear()
{
    for (auto& connection : m_connections)
        connection.disconnect();
    m_connections.clear();
}

SignalConnectionCollection::ConnectionBlocker::ConnectionBlocker(SignalConnectionCollection const& collection)
{
    m_blocks.reserve(collection.m_connections.size());
    for (auto const& connection : collection.m_connections)
        m_blocks.emplace_back(connection);
}

} // namespace quarlin
