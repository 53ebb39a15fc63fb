#include "propertymanager/PropertyPredicateDependentRelevance.h"

#include "sdk/exception/ExceptionBoundary.h"
#include "sdk/exception/InvalidArgumentException.h"

namespace quarlin::sdk::ui::propertymanager {

PropertyPredicateDependentRelevance::PropertyPredicateDependentRelevance(
    boost::shared_ptr<PropertyItemInterface const> property, boost::function<bool()> predicate)
    : m_property(std::move(property))
    , m_predicate(std::move(predicate))
{
    if (!m_property)
        throw InvalidArgumentException("A property-dependent relevance needs a property.");
    m_connections.add(
        m_property->connectToPropertyChangedSignal([this] { runAtBoundary([this] { announce(); }); }));
}

PropertyPredicateDependentRelevance::~PropertyPredicateDependentRelevance() = default;

bool PropertyPredicateDependentRelevance::isRelevant() const
{
    return m_predicate();
}

} // namespace quarlin::sdk::ui::propertymanager
