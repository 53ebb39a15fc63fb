#pragma once

#include "quarlin_prompt_export.h"

#include <boost/function.hpp>

#include <memory>

class QObject;

namespace quarlin::sdk::ui::common {

/// Runs an action once at the next idle point of the event loop, however often notification was
/// enabled before then. Nothing runs after the performer is destroyed, and the action may destroy
/// the performer itself.
class QUARLIN_PROMPT_EXPORT OnIdleActionPerformerSingleShot
{
public:
    /// Runs `action` at an idle point once notification is enabled. The action's exceptions are
    /// reported through the host's message box, not thrown into the event loop.
    explicit OnIdleActionPerformerSingleShot(boost::function<void()> action);
    ~OnIdleActionPerformerSingleShot();
    OnIdleActionPerformerSingleShot(OnIdleActionPerformerSingleShot const&) = delete;
    OnIdleActionPerformerSingleShot& operator=(OnIdleActionPerformerSingleShot const&) = delete;

    /// Asks for one run at the next idle point; asking again before it does nothing more.
    void enableNotification();
    /// Whether a run is due.
    bool isPending() const { return m_pending; }
    /// Drops a pending run.
    void cancel();

private:
    void run();

    boost::function<void()> m_action;
    /// Owned; the receiver of the pending zero-timeout call, so destroying it cancels that call.
    std::unique_ptr<QObject> m_context;
    bool m_pending = false;
};

} // namespace quarlin::sdk::ui::common
