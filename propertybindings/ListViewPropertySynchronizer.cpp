#include "propertybindings/ListViewPropertySynchronizer.h"

#include <QSignalBlocker>

#include <limits>

namespace quarlin::sdk::ui::dialogs::propertybindings {

WidgetPropertySynchronizerInterface::~WidgetPropertySynchronizerInterface() = default;

namespace intern {

void ValueRowLookup::build(models::ListModelInterface<int> const& model)
{
    int const rows = model.size();
    int lowest = std::numeric_limits<int>::max(), highest = -1;
    std::vector<int> values(static_cast<std::size_t>(std::max(rows, 0)));
    m_identity = true;
    m_size = std::max(rows, 0);
    for (int row = 0; row < rows; ++row) {
        values[std::size_t(row)] = model.get(row);
        m_identity = m_identity && values[std::size_t(row)] == row;
        lowest = std::min(lowest, values[std::size_t(row)]);
        highest = std::max(highest, values[std::size_t(row)]);
    }
    m_dense.clear();
    m_sparse.clear();
    // Dense while the table is at most a few times the row count.
    if (rows > 0 && lowest >= 0 && highest <= 4 * rows + 1024) {
        m_dense.assign(std::size_t(highest) + 1, -1);
        for (int row = rows - 1; row >= 0; --row)
            m_dense[std::size_t(values[std::size_t(row)])] = row;
    } else {
        for (int row = rows - 1; row >= 0; --row)
            m_sparse[values[std::size_t(row)]] = row;
    }
    m_valid = true;
}

int ValueRowLookup::sparseRowOf(int value) const
{
    auto const found = m_sparse.find(value);
    return found == m_sparse.end() ? -1 : found->second;
}

std::size_t rangeCount(std::vector<int> const& rows)
{
    std::size_t ranges = rows.empty() ? 0 : 1;
    for (std::size_t i = 1; i < rows.size(); ++i)
        ranges += rows[i] != rows[i - 1] + 1;
    return ranges;
}

std::size_t selectRows(QAbstractItemView& view, std::vector<int> const& rows, std::size_t selectedRanges)
{
    QItemSelectionModel& selection = *view.selectionModel();
    QAbstractItemModel const& model = *view.model();
    QItemSelection wanted;
    for (std::size_t first = 0; first < rows.size();) {
        std::size_t last = first;
        while (last + 1 < rows.size() && rows[last + 1] == rows[last] + 1)
            ++last;
        wanted.append(QItemSelectionRange(model.index(rows[first], 0), model.index(rows[last], 0)));
        first = last + 1;
    }
    constexpr int manyRanges = 256;
    if (wanted.size() > manyRanges || selectedRanges > std::size_t(manyRanges)) {
        // Announced range by range, a selection of many ranges costs the view more than the
        // selection itself (it measures every selected row to find what to repaint), and
        // replacing one compares every old range with every new one: apply it unannounced
        // and repaint the visible rows.
        {
            QSignalBlocker const quiet(selection);
            selection.clearSelection();
            selection.select(wanted, QItemSelectionModel::Select);
        }
        view.viewport()->update();
    } else {
        selection.select(wanted, QItemSelectionModel::ClearAndSelect);
    }
    // Keyboard navigation goes on from the first selected row.
    if (!rows.empty())
        selection.setCurrentIndex(model.index(rows.front(), 0), QItemSelectionModel::NoUpdate);
    return std::size_t(wanted.size());
}

} // namespace intern

} // namespace quarlin::sdk::ui::dialogs::propertybindings
