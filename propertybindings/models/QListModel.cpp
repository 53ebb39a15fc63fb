#include "propertybindings/models/QListModel.h"

#include <QFont>

namespace quarlin::sdk::ui::dialogs::propertybindings::models {

QListModel::~QListModel() = default;

bool QListModel::rowIsShown(int row) const
{
    // A row the views know of and the model still has (a removal may be under way).
    return row >= 0 && row < m_rowCount && row < m_model->size();
}

int QListModel::rowCount(QModelIndex const& parent) const
{
    return parent.isValid() ? 0 : m_rowCount;
}

QVariant QListModel::data(QModelIndex const& index, int role) const
{
    int const row = index.row();
    if (!index.isValid() || !rowIsShown(row))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        if (row != m_cachedRow) {
            m_cachedText = QString::fromStdString(m_model->getStr(row));
            m_cachedRow = row;
        }
        return m_cachedText;
    case Qt::EditRole: return QString::fromStdString(m_model->getStrForEdit(row));
    case ValueRole: return m_model->getVariant(row);
    case Qt::FontRole:
        if (m_model->isHeader(row)) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    default: return {};
    }
}

bool QListModel::setData(QModelIndex const& index, QVariant const& value, int role)
{
    int const row = index.row();
    if (role != Qt::EditRole || !index.isValid() || !rowIsShown(row) || !m_model->isEditable())
        return false;
    m_cachedRow = -1;
    if (!m_model->setEditedItem(value.toString().toStdString(), row))
        return false;
    Q_EMIT QAbstractListModel::dataChanged(index, index);
    return true;
}

Qt::ItemFlags QListModel::flags(QModelIndex const& index) const
{
    int const row = index.row();
    if (!index.isValid() || !rowIsShown(row) || m_model->isHeader(row))
        return Qt::ItemNeverHasChildren;
    Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
    if (m_model->isEditable())
        flags |= Qt::ItemIsEditable;
    return flags;
}

void QListModel::dataChanged()
{
    m_cachedRow = -1;
    beginResetModel();
    m_rowCount = m_model->size();
    m_removing = 0;
    endResetModel();
}

void QListModel::itemChanged(int index)
{
    m_cachedRow = -1;
    if (index < 0 || index >= m_rowCount)
        return;
    QModelIndex const changed = createIndex(index, 0);
    Q_EMIT QAbstractListModel::dataChanged(changed, changed);
}

void QListModel::itemsInserted(int first, int last)
{
    m_cachedRow = -1;
    // A range that does not fit what the views know cannot be told as an insertion.
    if (first < 0 || last < first || first > m_rowCount) {
        dataChanged();
        return;
    }
    beginInsertRows(QModelIndex(), first, last);
    m_rowCount += last - first + 1;
    endInsertRows();
}

void QListModel::itemsAboutToBeRemoved(int first, int last)
{
    m_cachedRow = -1;
    if (m_removing != 0 || first < 0 || last < first || last >= m_rowCount) {
        m_removing = -1; // not told as a removal: the confirmation resets instead
        return;
    }
    beginRemoveRows(QModelIndex(), first, last);
    m_removing = last - first + 1;
}

void QListModel::itemsRemoved()
{
    if (m_removing <= 0) {
        dataChanged();
        return;
    }
    m_rowCount -= m_removing;
    m_removing = 0;
    endRemoveRows();
}

} // namespace quarlin::sdk::ui::dialogs::propertybindings::models
