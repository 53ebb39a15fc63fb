#pragma once

#include "quarlin_prompt_export.h"

#include <boost/signals2/connection.hpp>
#include <boost/signals2/shared_connection_block.hpp>

#include <vector>

namespace quarlin {

/// Owns Boost.Signals2 connections: every one it holds is disconnected when it is cleared or dies.
class QUARLIN_PROMPT_EXPORT SignalConnectionCollection
{
public:
    SignalConnectionCollection() = default;
    ~SignalConnectionCollection();
    SignalConnectionCollection(SignalConnectionCollection const&) = delete;
    SignalConnectionCollection& operator=(SignalConnectionCollection const&) = delete;

    /// Holds `connection`.
    void add(boost::signals2::connection const& connection);
    /// Disconnects every connection held.
    void clear();
    /// The number of connections held.
    std::size_t size() const { return m_connections.size(); }

    /// Blocks every connection the collection holds while it lives, and only those: the
    /// collection's owner can change state without hearing its own echo.
    class QUARLIN_PROMPT_EXPORT ConnectionBlocker
    {
    public:
        /// Blocks the connections `collection` holds now, until this blocker dies.
        explicit ConnectionBlocker(SignalConnectionCollection const& collection);
        ConnectionBlocker(ConnectionBlocker const&) = delete;
        ConnectionBlocker& operator=(ConnectionBlocker const&) = delete;

    private:
        std::vector<boost::signals2::shared_connection_block> m_blocks;
    };

private:
    std::vector<boost::signals2::connection> m_connections;
};

} // namespace quarlin
