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
    explicit OnIdleActionPerformerSingleShot(boost::function<void()> action);
    ~OnIdleActionPerformerSingleShot();
    OnIdleActionPerformerSingleShot(OnIdleActionPerformerSingleShot const&) = delete;
    OnIdleActionPerformerSingleShot& operator=(OnIdleActionPerformerSingleShot const&) = delete;

    void enableNotification();
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
