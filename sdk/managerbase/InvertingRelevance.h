#pragma once

#include "sdk/managerbase/RelevanceInterface.h"

namespace quarlin::sdk::ui::propertymanager {

/// Holds exactly when the rule it is built from does not. An empty rule counts as never holding,
/// so its inversion always holds.
class QUARLIN_PROMPT_EXPORT InvertingRelevance : public RelevanceInterface
{
public:
    /// Holds while `rule` (shared) does not; a null rule never holds, so its inverse always does.
    explicit InvertingRelevance(RelevancePtr rule);
    ~InvertingRelevance() override;

    bool isRelevant() const override;

private:
    void signalRelevanceChangedConnected() const override;

    RelevancePtr m_rule;
    mutable boost::signals2::scoped_connection m_ruleConnection;
};

} // namespace quarlin::sdk::ui::propertymanager
