#pragma once

#include "propertybindings/models/GenericModelWrapper.h"
#include "quarlin_prompt_export.h"
#include "sdk/signals/SignalConnectionCollection.h"

#include <QAbstractListModel>

#include <memory>

namespace quarlin::sdk::ui::dialogs::propertybindings {
class ComboBoxFinder;
}

namespace quarlin::sdk::ui::dialogs::propertybindings::models {

/// Shows a typed list model in Qt item views. Every change the model announces becomes the
/// matching Qt model signal: a reset for a whole-list change, dataChanged for one item, and
/// begin/end pairs around inserted and removed rows. The row count the views see is the one
/// last announced, so views and model agree inside every begin/end pair even though the typed
/// model announces an insertion after making it.
///
/// Roles: DisplayRole the row's text, EditRole its text for editing, ValueRole its value. Header
/// rows are bold and can be neither selected nor chosen. Must not outlive the model it shows.
class QUARLIN_PROMPT_EXPORT QListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    /// The role of a row's value, beside Qt's display and edit roles.
    enum Role { ValueRole = Qt::UserRole };

    template <class T>
    /// Shows `model` (borrowed, must outlive this); `parent` owns this model, as Qt's parents do.
    explicit QListModel(ListModelInterface<T>& model, QObject* parent = nullptr)
        : QAbstractListModel(parent)
        , m_model(std::make_unique<GenericModelWrapper<T>>(model))
        , m_rowCount(m_model->size())
    {
        m_connections.add(model.connectToDataChangedSignal([this] { dataChanged(); }));
        m_connections.add(model.connectToItemChangedSignal([this](int index) { itemChanged(index); }));
        m_connections.add(
            model.connectToItemsInsertedSignal([this](int first, int last) { itemsInserted(first, last); }));
        m_connections.add(model.connectToItemsAboutToBeRemovedSignal(
            [this](int first, int last) { itemsAboutToBeRemoved(first, last); }));
        m_connections.add(model.connectToItemsRemovedSignal([this] { itemsRemoved(); }));
    }
    ~QListModel() override;

    /// The rows as last announced; 0 under a valid parent (a list has no children).
    int rowCount(QModelIndex const& parent = QModelIndex()) const override;
    /// The row's text, text for editing or value, by `role`; header rows are bold. An invalid or
    /// out-of-range index gives an invalid QVariant.
    QVariant data(QModelIndex const& index, int role = Qt::DisplayRole) const override;
    /// Offers edited text to the model; true when it took it.
    bool setData(QModelIndex const& index, QVariant const& value, int role = Qt::EditRole) override;
    /// Rows are enabled and selectable, editable where the model is; header rows are neither.
    Qt::ItemFlags flags(QModelIndex const& index) const override;

private:
    friend class propertybindings::ComboBoxFinder; // reads every row's text at once, without QVariant

    void dataChanged();
    void itemChanged(int index);
    void itemsInserted(int first, int last);
    void itemsAboutToBeRemoved(int first, int last);
    void itemsRemoved();
    bool rowIsShown(int row) const;

    std::unique_ptr<GenericModelWrapperInterface> m_model; ///< owned wrapper; the model itself is not
    int m_rowCount;                                        ///< rows the views were told about
    int m_removing = 0;                                    ///< rows announced for removal, not yet gone
    /// The display text last asked for: a combo box asks for its current row's text several
    /// times per change, and each answer would otherwise convert the model's text anew.
    mutable int m_cachedRow = -1;
    mutable QString m_cachedText;
    SignalConnectionCollection m_connections;
};

} // namespace quarlin::sdk::ui::dialogs::propertybindings::models
