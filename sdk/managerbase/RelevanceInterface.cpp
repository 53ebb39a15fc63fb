#include "sdk/managerbase/RelevanceInterface.h"

namespace quarlin::sdk::ui::propertymanager {

RelevanceInterface::~RelevanceInterface() = default;

void RelevanceInterface::signalRelevanceChangedConnected() const {}

boost::signals2::connection
RelevanceInterface::connectRelevanceChanged(ChangedSignal::slot_type const& slot) const
{
    if (m_changed.empty()) {
        // The starting point of "changed": a rule that cannot be asked yet counts as not
        // holding. Connecting never fails for it; whoever asks next hears why.
        try {
            m_lastAnnounced = isRelevant();
        } catch (...) {
            m_lastAnnounced = false;
        }
    }
    boost::signals2::connection connection = m_changed.connect(slot);
    signalRelevanceChangedConnected();
    return connection;
}

void RelevanceInterface::reevaluate() const
{
    bool const now = isRelevant();
    if (now == m_lastAnnounced)
        return;
    m_lastAnnounced = now;
    m_changed(now);
}

void RelevanceInterface::announce() const
{
    m_lastAnnounced = isRelevant();
    m_changed(m_lastAnnounced);
}

} // namespace quarlin::sdk::ui::propertymanager
