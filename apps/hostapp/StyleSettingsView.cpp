#include "hostapp/StyleSettingsView.h"

#include "hostapp/FollowLanguage.h"
#include "referencehost/ReferenceHost.h"
#include "sdk/host/StateChangeEvent.h"

#include <QHeaderView>

namespace quarlin::hostapp {

StyleSettingsView::StyleSettingsView(QWidget* parent)
    : QTableWidget(0, 4, parent)
{
    setObjectName(QStringLiteral("styleSettingsView"));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    verticalHeader()->hide();
    // Every column as wide as what it shows, a font name or a colour's number in full.
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    horizontalHeader()->setStretchLastSection(true);
    followLanguage(*this, [this] {
        setHorizontalHeaderLabels({tr("Setting"), tr("Offsets"), tr("Value"), tr("Last step")});
        setAccessibleName(tr("Style settings"));
        showSettings();
    });
    m_stateChanges = toolbox::StateChangeEventObservable::getInstance().connectStateChanged(
        [this](toolbox::StateChangeEventInterface const& event) {
            if (event.kind() == StateChange_Style || event.kind() == StateChange_StyleReset)
                showSettings();
        });
}

void StyleSettingsView::showSettings()
{
    auto const entries = host::ReferenceHost::instance().styleStore().entries();
    setRowCount(static_cast<int>(entries.size()));
    int row = 0;
    for (host::StyleEntry const& entry : entries) {
        QStringList parts;
        for (std::string const& part : entry.key.path)
            parts << QString::fromStdString(part);
        QString const cells[] = {
            parts.join(QLatin1Char(' ')),
            QStringLiteral("%1, %2").arg(entry.key.offset1).arg(entry.key.offset2),
            QString::fromStdString(host::styleDataText(entry.value)),
            entry.lastStep ? QString::number(entry.lastStep) : tr("initial"),
        };
        for (int column = 0; column < 4; ++column)
            setItem(row, column, new QTableWidgetItem(cells[column]));
        ++row;
    }
}

} // namespace quarlin::hostapp
