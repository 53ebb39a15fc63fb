#include "propertybindings/WidgetUpdateDeferrerOnBusy.h"

#include "sdk/host/AppLock.h"

#include <QEvent>
#include <QWidget>

namespace quarlin::sdk::ui::dialogs::propertybindings {

namespace {

// Short enough not to be seen, long enough not to spin while a lock is held across events.
constexpr int retryMilliseconds = 25;

} // namespace

WidgetUpdateDeferrerOnBusy::WidgetUpdateDeferrerOnBusy(QWidget& widget)
    : m_widget(&widget)
{
    m_retry.setSingleShot(true);
    m_retry.setInterval(retryMilliseconds);
    connect(&m_retry, &QTimer::timeout, this, &WidgetUpdateDeferrerOnBusy::retry);
    widget.installEventFilter(this);
}

WidgetUpdateDeferrerOnBusy::~WidgetUpdateDeferrerOnBusy()
{
    if (m_widget) {
        m_widget->removeEventFilter(this);
        if (m_retry.isActive())
            m_widget->update(); // a held paint must not be lost
    }
}

bool WidgetUpdateDeferrerOnBusy::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_widget && event->type() == QEvent::Paint && AppLock::isHeld()) {
        m_retry.start();
        return true;
    }
    return false;
}

void WidgetUpdateDeferrerOnBusy::retry()
{
    if (m_widget)
        m_widget->update();
}

} // namespace quarlin::sdk::ui::dialogs::propertybindings
