#include "propertybindings/ListViewPropertySynchronizer.h"

#include <QSignalBlocker>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

std::size_t endOfRun(std::vector<int> const& rows, std::size_t first)
{
    // Unsigned, so that values not yet checked to be rows cannot overflow.
    auto const* const values = reinterpret_cast<unsigned const*>(rows.data());
    std::size_t const size = rows.size();
    std::size_t i = first + 1;
#if defined(__SSE2__)
    // A long run (a contiguous selection of a large list) is scanned four values at a time.
    __m128i const one = _mm_set1_epi32(1);
    for (; i + 4 <= size; i += 4) {
        __m128i const here = _mm_loadu_si128(reinterpret_cast<__m128i const*>(values + i));
        __m128i const before = _mm_loadu_si128(reinterpret_cast<__m128i const*>(values + i - 1));
        if (_mm_movemask_epi8(_mm_cmpeq_epi32(here, _mm_add_epi32(before, one))) != 0xFFFF)
            break;
    }
#endif
    while (i < size && values[i] == values[i - 1] + 1u)
        ++i;
    return i;
}

void rangesOf(std::vector<int> const& rows, RowRanges& ranges)
{
    ranges.clear();
    for (std::size_t first = 0; first < rows.size();) {
        std::size_t const end = endOfRun(rows, first);
        ranges.emplace_back(rows[first], rows[end - 1]);
        first = end;
    }
}

std::size_t selectRanges(QAbstractItemView& view, RowRanges const& ranges, std::size_t selectedRanges)
{
    QItemSelectionModel& selection = *view.selectionModel();
    QAbstractItemModel const& model = *view.model();
    QItemSelection wanted;
    wanted.reserve(int(ranges.size()));
    for (auto const& [first, last] : ranges)
        wanted.append(QItemSelectionRange(model.index(first, 0), model.index(last, 0)));
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
    if (!ranges.empty())
        selection.setCurrentIndex(model.index(ranges.front().first, 0), QItemSelectionModel::NoUpdate);
    return ranges.size();
}

} // namespace intern

} // namespace quarlin::sdk::ui::dialogs::propertybindings
