#pragma once

#include "property/PropertyAbstract.h"
#include "propertybindings/UIPropertyInterface.h"
#include "propertybindings/WidgetPropertySynchronizerInterface.h"
#include "propertybindings/models/ListModelInterface.h"
#include "propertybindings/models/QListModel.h"
#include "quarlin_prompt_export.h"
#include "sdk/exception/ExceptionBoundary.h"
#include "sdk/signals/QtSignalConnectionCollection.h"
#include "sdk/signals/ScopedExitAction.h"
#include "sdk/uicommon/OnIdleAfterPropertyChangeActionPerformer.h"
#include "sdk/widgets/GreyOutParties.h"

#include <QItemSelectionModel>
#include <QListView>
#include <QPointer>

#include <algorithm>
#include <set>
#include <unordered_map>
#include <vector>

namespace quarlin::sdk::ui::dialogs::propertybindings {

namespace intern {

/// Model value to row, built once per model change: a dense table where values are small whole
/// numbers (row numbers, zone and variable numbers), a hash map otherwise. The first row holding
/// a value wins.
class QUARLIN_PROMPT_EXPORT ValueRowLookup
{
public:
    void build(models::ListModelInterface<int> const& model);
    void invalidate() { m_valid = false; }
    bool isValid() const { return m_valid; }
    /// Every row holds its own number as its value (a plain list of names).
    bool isIdentity() const { return m_identity; }
    int size() const { return m_size; }
    /// Inline for the dense table, which serves one lookup per selected value.
    int rowOf(int value) const
    {
        if (!m_dense.empty())
            return value >= 0 && std::size_t(value) < m_dense.size() ? m_dense[std::size_t(value)] : -1;
        return sparseRowOf(value);
    }

private:
    int sparseRowOf(int value) const;

    bool m_valid = false;
    bool m_identity = false;
    int m_size = 0;
    std::vector<int> m_dense; ///< index: value
    std::unordered_map<int, int> m_sparse;
};

/// First and last row of each run of adjacent rows.
using RowRanges = std::vector<std::pair<int, int>>;

/// Selects exactly the given ranges of rows (ascending, apart) in the view with one select call,
/// and returns how many there are. A selection of many ranges, or one replacing a selection of
/// many ranges (selectedRanges, which the caller knows: asking the selection model copies every
/// range), is applied without the selection model's signals, and the view repainted as a whole
/// (see the definition for why).
QUARLIN_PROMPT_EXPORT std::size_t selectRanges(QAbstractItemView& view, RowRanges const& ranges,
                                               std::size_t selectedRanges);
/// Where the run of consecutive values that starts at rows[first] ends: the first index past it.
QUARLIN_PROMPT_EXPORT std::size_t endOfRun(std::vector<int> const& rows, std::size_t first);
/// The runs of adjacent rows the sorted, distinct rows make.
QUARLIN_PROMPT_EXPORT void rangesOf(std::vector<int> const& rows, RowRanges& ranges);

} // namespace intern

/// Keeps a list view's selection and a property holding a collection of model values in step
/// (T is std::vector<int> or std::set<int>).
///
/// - A property change selects the rows holding its values at the next idle point, without
///   writing back; values no row holds are skipped (the property keeps them).
/// - A person's selection writes the selected rows' values once, and schedules no redisplay.
/// - After the model changes, the selection is made again at the next idle point, and values
///   whose rows went drop out of the property.
/// - Nothing is applied when the rows to select are the ones selected already.
/// The view must outlive the synchronizer; the property and the model are kept alive by it.
template <class T>
class ListViewPropertySynchronizer : public virtual WidgetPropertySynchronizerInterface
{
public:
    /// The list model the view shows.
    using Model = models::ListModelInterface<int>;

    /// Keeps the selection of `view` (borrowed, must outlive this) and `property` (shared) in step
    /// over `model` (shared). Throws InvalidArgumentException for a null property or model.
    ListViewPropertySynchronizer(QListView& view, boost::shared_ptr<PropertyAbstract<T>> property,
                                 boost::shared_ptr<Model const> model);
    ~ListViewPropertySynchronizer() override;

    void updateWidget() override;
    /// Throws what the property's setValue throws; the view keeps the selection meanwhile.
    void updateProperty() override;

private:
    void attachModel();
    void onModelChanged();

    QPointer<QListView> m_view; ///< not owned
    boost::shared_ptr<PropertyAbstract<T>> m_propertyOwner;
    PropertyAbstract<T>* m_property;
    boost::shared_ptr<Model const> m_modelOwner;
    Model const* m_model;
    UIPropertyInterface* m_uiProperty = nullptr; ///< not owned; none in this library's dialogs
    common::OnIdleAfterPropertyChangeActionPerformer m_propertyChangePerformer;
    bool m_modelChanged = false;
    models::QListModel* m_adapter = nullptr; ///< owned
    common::OnIdleActionPerformerSingleShot m_modelChangePerformer;
    QtSignalConnectionCollection m_adapterConnections;
    int m_updateMode = 1; ///< at the next idle point
    bool m_updatingWidget = false;
    intern::ValueRowLookup m_lookup;
    std::vector<int> m_selectedRows;  ///< what the view shows selected, sorted
    std::size_t m_selectedRanges = 0; ///< ranges of adjacent rows in m_selectedRows
    std::vector<int> m_rowsBuffer;    ///< where the next update builds its rows
    intern::RowRanges m_ranges;       ///< and its ranges
};

template <class T>
ListViewPropertySynchronizer<T>::ListViewPropertySynchronizer(QListView& view,
                                                              boost::shared_ptr<PropertyAbstract<T>> property,
                                                              boost::shared_ptr<Model const> model)
    : m_view(&view)
    , m_propertyOwner(std::move(property))
    , m_property(m_propertyOwner.get())
    , m_modelOwner(std::move(model))
    , m_model(m_modelOwner.get())
    , m_propertyChangePerformer(*m_property, [this] { runAtBoundary([this] { updateWidget(); }); })
    , m_modelChangePerformer([this] {
        runAtBoundary([this] {
            m_modelChanged = false;
            updateWidget();
            updateProperty();
        });
    })
{
    if (!m_property || !m_model)
        throw InvalidArgumentException("A list view synchronizer needs a property and a list model.");
    attachModel();
    updateWidget();
}

template <class T>
ListViewPropertySynchronizer<T>::~ListViewPropertySynchronizer()
{
    m_adapterConnections.clear();
    if (m_view && m_view->model() == m_adapter)
        m_view->setModel(nullptr);
    delete m_adapter;
}

template <class T>
void ListViewPropertySynchronizer<T>::attachModel()
{
    // The adapter only reads the model; its interface declares text reads non-const.
    auto* const adapter = new models::QListModel(const_cast<Model&>(*m_model));
    m_view->setModel(adapter);
    m_adapterConnections.clear();
    delete m_adapter;
    m_adapter = adapter;
    m_lookup.invalidate();
    m_selectedRows.clear();
    m_selectedRanges = 0; // a new adapter, a new selection model
    auto const changed = [this] { onModelChanged(); };
    m_adapterConnections.add(QObject::connect(adapter, &QAbstractItemModel::rowsRemoved, changed));
    m_adapterConnections.add(QObject::connect(adapter, &QAbstractItemModel::modelReset, changed));
    m_adapterConnections.add(QObject::connect(adapter, &QAbstractItemModel::dataChanged, changed));
    // Inserted rows move the rows below them: the lookup and what is known selected are stale.
    m_adapterConnections.add(QObject::connect(adapter, &QAbstractItemModel::rowsInserted, [this] {
        m_lookup.invalidate();
        m_selectedRows.clear();
    }));
}

template <class T>
void ListViewPropertySynchronizer<T>::onModelChanged()
{
    m_modelChanged = true;
    m_lookup.invalidate();
    m_selectedRows.clear();
    if (m_updateMode == 1) {
        m_modelChangePerformer.enableNotification();
        return;
    }
    m_modelChanged = false;
    updateWidget();
}

template <class T>
void ListViewPropertySynchronizer<T>::updateWidget()
{
    m_updatingWidget = true;
    ScopedExitAction const done([this] { m_updatingWidget = false; });
    if (!m_view || !m_view->selectionModel())
        return;
    T values = m_property->value();
    if (!m_lookup.isValid())
        m_lookup.build(*m_model);
    // Built in the buffer of an earlier update, so a large selection costs no fresh memory.
    std::vector<int>& rows = m_rowsBuffer;
    rows.clear();
    rows.reserve(values.size());
    bool ascending = true; // strictly: sorted and distinct as they come, the usual case
    bool rangesBuilt = false;
    if (m_lookup.isIdentity()) {
        // Values are the rows: taken whole when they are strictly ascending, which for whole
        // numbers also puts them all in range when the first and last are. One pass checks that
        // and finds the runs of adjacent rows. A vector is the copy value() made: it becomes the
        // rows without another.
        if constexpr (std::is_same_v<T, std::vector<int>>)
            rows.swap(values);
        else
            rows.insert(rows.end(), values.begin(), values.end());
        m_ranges.clear();
        bool increasing = true;
        for (std::size_t first = 0; first < rows.size();) {
            std::size_t const end = intern::endOfRun(rows, first);
            m_ranges.emplace_back(rows[first], rows[end - 1]);
            increasing &= end == rows.size() || rows[end] > rows[end - 1];
            first = end;
        }
        ascending = increasing && (rows.empty() || (rows.front() >= 0 && rows.back() < m_lookup.size()));
        rangesBuilt = ascending;
        if (!ascending) { // rare: map them one by one
            if constexpr (std::is_same_v<T, std::vector<int>>)
                values.swap(rows);
            rows.clear();
            for (int const value : values)
                if (int const row = m_lookup.rowOf(value); row >= 0)
                    rows.push_back(row);
        }
    } else {
        for (int const value : values) {
            int const row = m_lookup.rowOf(value);
            if (row < 0)
                continue;
            ascending = ascending && (rows.empty() || row > rows.back());
            rows.push_back(row);
        }
    }
    if (!ascending) {
        std::sort(rows.begin(), rows.end());
        rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    }
    if (rows == m_selectedRows && m_view->selectionModel()->hasSelection() == !rows.empty())
        return;
    if (!rangesBuilt)
        intern::rangesOf(rows, m_ranges);
    m_selectedRanges = intern::selectRanges(*m_view, m_ranges, m_selectedRanges);
    m_selectedRows.swap(rows); // the old selection's memory serves the next update
}

template <class T>
void ListViewPropertySynchronizer<T>::updateProperty()
{
    if (m_updatingWidget || !m_view || !m_view->selectionModel())
        return;
    T values;
    std::vector<int> rows;
    for (QModelIndex const& index : m_view->selectionModel()->selectedIndexes()) {
        rows.push_back(index.row());
        if constexpr (std::is_same_v<T, std::set<int>>)
            values.insert(m_model->get(index.row()));
        else
            values.push_back(m_model->get(index.row()));
    }
    std::sort(rows.begin(), rows.end());
    m_selectedRows = std::move(rows);
    intern::rangesOf(m_selectedRows, m_ranges);
    m_selectedRanges = m_ranges.size();
    if (m_updateMode == 1) {
        m_propertyChangePerformer.disable();
        ScopedExitAction const enable([this] { m_propertyChangePerformer.enable(); });
        m_property->setValue(values);
        return;
    }
    m_property->setValue(values);
    updateWidget();
    if (m_uiProperty) {
        quarlin::ui::GreyOutParties::setGreyedOutBy(*m_view, this, !m_uiProperty->isSensitive());
        m_view->setVisible(m_uiProperty->isVisible());
    }
}

extern template class QUARLIN_PROMPT_EXPORT ListViewPropertySynchronizer<std::vector<int>>;
extern template class QUARLIN_PROMPT_EXPORT ListViewPropertySynchronizer<std::set<int>>;

} // namespace quarlin::sdk::ui::dialogs::propertybindings
