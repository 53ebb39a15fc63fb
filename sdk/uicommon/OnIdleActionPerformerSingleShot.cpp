#include "sdk/uicommon/OnIdleActionPerformerSingleShot.h"

#include "sdk/exception/ExceptionBoundary.h"
#include <QObject>
#include <QTimer>

namespace quarlin::sdk::ui::common {

OnIdleActionPerformerSingleShot::OnIdleActionPerformerSingleShot(boost::function<void()> action)
    : m_action(std::move(action))
    , m_context(std::make_unique<QObject>())
{}

OnIdleActionPerformerSingleShot::~OnIdleActionPerformerSingleShot() = default;

void OnIdleActionPerformerSingleShot::enableNotification()
{
    if (m_pending)
        return;
    m_pending = true;
    QTimer::singleShot(0, m_context.get(), [this] { run(); });
}

void OnIdleActionPerformerSingleShot::cancel()
{
    if (!m_pending)
        return;
    // A fresh receiver orphans the queued call; the old one takes it with it.
    m_context = std::make_unique<QObject>();
    m_pending = false;
}

void OnIdleActionPerformerSingleShot::run()
{
    m_pending = false;
    // A copy, because the action may destroy this performer and with it m_action.
    boost::function<void()> const action = m_action;
    if (action)
        runAtBoundary(action);
}

} // namespace quarlin::sdk::ui::common
