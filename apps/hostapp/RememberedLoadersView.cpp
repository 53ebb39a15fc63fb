#include "hostapp/RememberedLoadersView.h"

#include "hostapp/FollowLanguage.h"
#include "sdk/host/ApplicationSettings.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace quarlin::hostapp {

namespace {

std::string const prefix = "LastLoaderUsedForExt_";

} // namespace

RememberedLoadersView::RememberedLoadersView(QWidget* parent)
    : QWidget(parent)
    , m_list(new QTreeWidget(this))
    , m_forget(new QPushButton(this))
{
    setObjectName(QStringLiteral("rememberedLoadersView"));
    m_list->setObjectName(QStringLiteral("rememberedLoadersList"));
    m_list->setRootIsDecorated(false);
    m_list->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_forget->setObjectName(QStringLiteral("forgetLoaderButton"));
    followLanguage(*this, [this] {
        m_list->setHeaderLabels({tr("Extension"), tr("Loader")});
        m_list->setAccessibleName(tr("Remembered loaders"));
        m_forget->setText(tr("Forget sele&cted"));
        m_forget->setToolTip(tr(
            "Forget the loader chosen for the selected extension; the next file of that kind asks again."));
    });
    auto* const layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(m_forget, 0, Qt::AlignRight);
    connect(m_forget, &QPushButton::clicked, this, &RememberedLoadersView::forgetSelected);
    connect(m_list, &QTreeWidget::itemSelectionChanged, this,
            [this] { m_forget->setEnabled(!m_list->selectedItems().isEmpty()); });
    refresh();
}

void RememberedLoadersView::refresh()
{
    m_list->clear();
    auto& settings = sdk::ApplicationSettings::getInstance();
    for (std::string const& key : settings.keys()) {
        if (key.compare(0, prefix.size(), prefix) != 0)
            continue;
        auto* const item = new QTreeWidgetItem(m_list);
        item->setText(0, QString::fromStdString(key.substr(prefix.size())));
        item->setText(1, QString::fromStdString(settings.getStringValue(key)));
        item->setData(0, Qt::UserRole, QString::fromStdString(key));
    }
    m_forget->setEnabled(false);
}

void RememberedLoadersView::showEvent(QShowEvent* event)
{
    refresh();
    QWidget::showEvent(event);
}

void RememberedLoadersView::forgetSelected()
{
    for (QTreeWidgetItem* const item : m_list->selectedItems())
        sdk::ApplicationSettings::getInstance().removeValue(
            item->data(0, Qt::UserRole).toString().toStdString());
    refresh();
}

} // namespace quarlin::hostapp
