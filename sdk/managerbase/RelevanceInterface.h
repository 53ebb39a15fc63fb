#pragma once

#include "quarlin_prompt_export.h"

#include <boost/shared_ptr.hpp>
#include <boost/signals2/connection.hpp>
#include <boost/signals2/signal.hpp>

namespace quarlin::sdk::ui::propertymanager {

/// A rule that says whether something (a dialog, a widget) can be used in the current state.
///
/// Rules are shared as boost::shared_ptr<RelevanceInterface const>; listening does not change
/// the rule's meaning, so connecting works on a const rule. isRelevant() is always answered from
/// the current state. The change signal carries the current answer. The rules that follow host
/// state fire it once per real change, and only after something listens: they subscribe to their
/// sources when their first listener connects. The rules that follow a property fire it on every
/// change of the property, as a hint that the answer may have changed.
class QUARLIN_PROMPT_EXPORT RelevanceInterface
{
public:
    /// Carries the rule's answer at the time it fires.
    using ChangedSignal = boost::signals2::signal<void(bool relevant)>;

    /// In the order of the virtual table hosts' rules expect: isRelevant, the hook, the destructor.
    virtual bool isRelevant() const = 0;

private:
    /// Runs after each connection; the first one is where a rule starts following its sources.
    /// Empty here: a rule that has no sources to follow need not override it.
    virtual void signalRelevanceChangedConnected() const;

public:
    virtual ~RelevanceInterface();

    /// Connects `slot` to the change signal; the caller owns the connection. The first connection is
    /// where a rule that follows host state starts following it.
    boost::signals2::connection connectRelevanceChanged(ChangedSignal::slot_type const& slot) const;
    /// The slots connected to the change signal.
    std::size_t listenerCount() const { return m_changed.num_slots(); }

protected:
    RelevanceInterface() = default;
    /// Compares with the value last announced and fires the change signal if it differs.
    void reevaluate() const;
    /// Fires the change signal with the current answer even when it did not change: a rule that
    /// follows a property announces each change of that property as a hint, and listeners ask
    /// again.
    void announce() const;

private:
    mutable ChangedSignal m_changed;
    mutable bool m_lastAnnounced = false;
};

using RelevancePtr = boost::shared_ptr<RelevanceInterface const>;

} // namespace quarlin::sdk::ui::propertymanager
