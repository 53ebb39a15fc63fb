#pragma once

#include "sdk/managerbase/RelevanceInterface.h"

#include <boost/function.hpp>
#include <boost/signals2/connection.hpp>

namespace quarlin::sdk::ui::propertymanager {

/// Holds while a predicate over host state holds. The predicate is asked again after every host
/// state change once the rule has listeners; the rule announces only real changes.
class QUARLIN_PROMPT_EXPORT StateChangeDependentRelevance : public RelevanceInterface
{
public:
    /// Holds while `predicate` answers true; asked again on every state change of the host.
    explicit StateChangeDependentRelevance(boost::function<bool()> predicate);
    ~StateChangeDependentRelevance() override;

    bool isRelevant() const override;

private:
    void signalRelevanceChangedConnected() const override;

    boost::function<bool()> m_predicate;
    mutable boost::signals2::scoped_connection m_hostConnection;
};

} // namespace quarlin::sdk::ui::propertymanager
