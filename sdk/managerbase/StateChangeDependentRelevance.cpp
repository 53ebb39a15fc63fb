#include "sdk/managerbase/StateChangeDependentRelevance.h"

#include "sdk/exception/ExceptionBoundary.h"
#include "sdk/host/StateChangeEvent.h"

namespace quarlin::sdk::ui::propertymanager {

StateChangeDependentRelevance::StateChangeDependentRelevance(boost::function<bool()> predicate)
    : m_predicate(std::move(predicate))
{}

StateChangeDependentRelevance::~StateChangeDependentRelevance() = default;

bool StateChangeDependentRelevance::isRelevant() const
{
    return m_predicate && m_predicate();
}

void StateChangeDependentRelevance::signalRelevanceChangedConnected() const
{
    if (m_hostConnection.connected())
        return;
    m_hostConnection = toolbox::StateChangeEventObservable::getInstance().connectStateChanged(
        [this](toolbox::StateChangeEventInterface const&) { runAtBoundary([this] { reevaluate(); }); });
}

} // namespace quarlin::sdk::ui::propertymanager
