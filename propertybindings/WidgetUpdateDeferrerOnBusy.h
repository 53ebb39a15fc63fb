#pragma once

#include "quarlin_prompt_export.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

class QWidget;

namespace quarlin::sdk::ui::dialogs::propertybindings {

/// Holds a widget's repaints while the host is busy (a host lock is held, as during a group of
/// changes made on OK) and paints it once when the host is free again: a list that a burst of
/// model changes refills paints its final state, not every step. Harmless when the host is idle.
class QUARLIN_PROMPT_EXPORT WidgetUpdateDeferrerOnBusy : public QObject
{
    Q_OBJECT

public:
    /// Watches `widget`, which is borrowed: once it is destroyed, the deferrer does nothing more.
    explicit WidgetUpdateDeferrerOnBusy(QWidget& widget);
    ~WidgetUpdateDeferrerOnBusy() override;

protected:
    /// Holds the widget's paint events while the host is busy.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void retry();

    QPointer<QWidget> m_widget; ///< not owned
    QTimer m_retry;
};

} // namespace quarlin::sdk::ui::dialogs::propertybindings
