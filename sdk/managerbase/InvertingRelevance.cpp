#include "sdk/managerbase/InvertingRelevance.h"

namespace quarlin::sdk::ui::propertymanager {

InvertingRelevance::InvertingRelevance(RelevancePtr rule)
    : m_rule(std::move(rule))
{}

InvertingRelevance::~InvertingRelevance() = default;

bool InvertingRelevance::isRelevant() const
{
    return !(m_rule && m_rule->isRelevant());
}

void InvertingRelevance::signalRelevanceChangedConnected() const
{
    if (m_ruleConnection.connected() || !m_rule)
        return;
    m_ruleConnection = m_rule->connectRelevanceChanged([this](bool) { reevaluate(); });
}

} // namespace quarlin::sdk::ui::propertymanager
