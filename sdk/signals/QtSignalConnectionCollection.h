#pragma once

#include "quarlin_prompt_export.h"

#include <QMetaObject>

#include <vector>

namespace quarlin {

/// Owns Qt connections: every one it holds is disconnected when it is cleared or dies, so a
/// lambda connected to another object's signal cannot outlive what it captured.
class QUARLIN_PROMPT_EXPORT QtSignalConnectionCollection
{
public:
    QtSignalConnectionCollection() = default;
    ~QtSignalConnectionCollection();
    QtSignalConnectionCollection(QtSignalConnectionCollection const&) = delete;
    QtSignalConnectionCollection& operator=(QtSignalConnectionCollection const&) = delete;

    /// Holds `connection`; an invalid one is ignored.
    void add(QMetaObject::Connection const& connection);
    /// Disconnects every connection held.
    void clear();
    /// The number of connections held.
    std::size_t size() const { return m_connections.size(); }

private:
    std::vector<QMetaObject::Connection> m_connections;
};

} // namespace quarlin
