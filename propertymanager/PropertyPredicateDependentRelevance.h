#pragma once

#include "quarlin_prompt_export.h"
#include "sdk/managerbase/RelevanceInterface.h"
#include "sdk/propertybase/PropertyItemInterface.h"
#include "sdk/signals/SignalConnectionCollection.h"

#include <boost/function.hpp>

namespace quarlin::sdk::ui::propertymanager {

/// Holds while a predicate holds; the predicate is asked again whenever the watched property
/// changes. An empty predicate throws boost::bad_function_call when asked.
class QUARLIN_PROMPT_EXPORT PropertyPredicateDependentRelevance : public virtual RelevanceInterface
{
public:
    /// Asks `predicate` again on every change of `property` (kept alive). Throws
    /// InvalidArgumentException for a null property.
    PropertyPredicateDependentRelevance(boost::shared_ptr<PropertyItemInterface const> property,
                                        boost::function<bool()> predicate);
    ~PropertyPredicateDependentRelevance() override;

    bool isRelevant() const override;

private:
    boost::shared_ptr<PropertyItemInterface const> m_property; ///< kept alive for its signal
    boost::function<bool()> m_predicate;
    SignalConnectionCollection m_connections;
};

} // namespace quarlin::sdk::ui::propertymanager
