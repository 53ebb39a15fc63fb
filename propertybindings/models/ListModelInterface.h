#pragma once

#include "quarlin_prompt_export.h"

#include <boost/signals2/connection.hpp>
#include <boost/signals2/signal.hpp>

#include <string>

namespace quarlin::sdk::ui::dialogs::propertybindings::models {

/// A list of typed values with display texts, independent of any widget. Rows count from 0 and
/// include header rows. The five signals describe changes as Qt's item models do: a whole-list
/// change, one item, an inserted range, and a removal announced before and confirmed after.
/// Listening does not change the model, so connecting works on a const model.
///
/// The virtual operations are declared in the order of the virtual table that hosts' models
/// expect: the nine operations, the five connected-hooks, the destructor.
template <class T>
class ListModelInterface
{
public:
    /// The whole list may have changed: read it again.
    using DataChangedSignal = boost::signals2::signal<void()>;
    /// The row `index` shows another value or text.
    using ItemChangedSignal = boost::signals2::signal<void(int index)>;
    /// Rows `first` to `last`, both included, were inserted (or are about to be removed).
    using RangeSignal = boost::signals2::signal<void(int first, int last)>;
    /// The rows announced by the last ItemsAboutToBeRemoved are gone.
    using ItemsRemovedSignal = boost::signals2::signal<void()>;

    /// The number of rows, header rows included.
    virtual int size() const = 0;
    /// The value of row `index` (0 to size() - 1); what a row out of range gives is the model's own
    /// business (the library's models give a value-initialised T).
    virtual T get(int index) const = 0;
    /// The text row `index` is shown with, in UTF-8.
    virtual std::string getStr(int index) = 0;
    /// The text an editor of row `index` starts from, in UTF-8; often getStr(index).
    virtual std::string getStrForEdit(int index) = 0;
    /// Makes row `index` hold `value`, and announces it through ItemChanged.
    virtual void set(T value, int index) = 0;
    /// Offers edited text for a row; true when the model took it (and announced the change).
    virtual bool setEditedItem(std::string const& text, int index) const = 0;
    /// Whether a person may edit the rows' texts (an editable combo box), through setEditedItem().
    virtual bool isEditable() const = 0;
    /// A header row is a label between groups of rows; it cannot be chosen.
    virtual bool isHeader(int index) const = 0;
    /// The lowest row holding the value, or -1.
    virtual int indexOf(T const& value) const = 0;

private:
    /// Run after a slot was connected to the matching signal; empty here.
    virtual void signalDataChangedConnected() const;
    virtual void signalItemChangedConnected() const;
    virtual void signalItemsInsertedConnected() const;
    virtual void signalItemsAboutToBeRemovedConnected() const;
    virtual void signalItemsRemovedConnected() const;

public:
    virtual ~ListModelInterface();

    /// Where a new slot goes among those already connected: after them (the default) or before.
    using Position = boost::signals2::connect_position;

    /// Connects `slot` to DataChanged; the caller owns the connection (disconnect it, or keep it in a
    /// SignalConnectionCollection, before the slot's target goes).
    boost::signals2::connection connectToDataChangedSignal(typename DataChangedSignal::slot_type const& slot,
                                                           Position position = boost::signals2::at_back) const
    {
        return connectThenNotify(DataChanged, slot, position,
                                 &ListModelInterface::signalDataChangedConnected);
    }
    /// Connects `slot` to ItemChanged; the caller owns the connection (disconnect it, or keep it in a
    /// SignalConnectionCollection, before the slot's target goes).
    boost::signals2::connection connectToItemChangedSignal(typename ItemChangedSignal::slot_type const& slot,
                                                           Position position = boost::signals2::at_back) const
    {
        return connectThenNotify(ItemChanged, slot, position,
                                 &ListModelInterface::signalItemChangedConnected);
    }
    /// Connects `slot` to ItemsInserted; the caller owns the connection (disconnect it, or keep it in a
    /// SignalConnectionCollection, before the slot's target goes).
    boost::signals2::connection
    connectToItemsInsertedSignal(typename RangeSignal::slot_type const& slot,
                                 Position position = boost::signals2::at_back) const
    {
        return connectThenNotify(ItemsInserted, slot, position,
                                 &ListModelInterface::signalItemsInsertedConnected);
    }
    /// Connects `slot` to ItemsAboutToBeRemoved; the caller owns the connection (disconnect it, or keep it in
    /// a SignalConnectionCollection, before the slot's target goes).
    boost::signals2::connection
    connectToItemsAboutToBeRemovedSignal(typename RangeSignal::slot_type const& slot,
                                         Position position = boost::signals2::at_back) const
    {
        return connectThenNotify(ItemsAboutToBeRemoved, slot, position,
                                 &ListModelInterface::signalItemsAboutToBeRemovedConnected);
    }
    /// Connects `slot` to ItemsRemoved; the caller owns the connection (disconnect it, or keep it in a
    /// SignalConnectionCollection, before the slot's target goes).
    boost::signals2::connection
    connectToItemsRemovedSignal(typename ItemsRemovedSignal::slot_type const& slot,
                                Position position = boost::signals2::at_back) const
    {
        return connectThenNotify(ItemsRemoved, slot, position,
                                 &ListModelInterface::signalItemsRemovedConnected);
    }

protected:
    /// A model with no listener.
    ListModelInterface();
    /// A copy has no listener: signals and their listeners stay with the original.
    ListModelInterface(ListModelInterface const& other);
    /// Keeps this model's listeners; nothing of the signals is assigned.
    ListModelInterface& operator=(ListModelInterface const&) { return *this; }

    /// \name Announcing
    /// A model whose rows change announces each change after making it (a removal also before):
    /// through these signals, or the emit helpers, which do the same. A listener that throws
    /// stops the announcement there; the exception goes to whoever changed the model.
    /// @{
    mutable DataChangedSignal DataChanged;     ///< the whole list changed
    mutable ItemChangedSignal ItemChanged;     ///< one row changed
    mutable RangeSignal ItemsInserted;         ///< rows were inserted
    mutable RangeSignal ItemsAboutToBeRemoved; ///< rows are about to be removed
    mutable ItemsRemovedSignal ItemsRemoved;   ///< the rows announced are removed

    void emitDataChanged() const { DataChanged(); }               ///< announces DataChanged
    void emitItemChanged(int index) const { ItemChanged(index); } ///< announces ItemChanged
    void emitItemsInserted(int first, int last) const
    {
        ItemsInserted(first, last);
    } ///< announces ItemsInserted
    void emitItemsAboutToBeRemoved(int first, int last) const
    {
        ItemsAboutToBeRemoved(first, last);
    }                                                 ///< announces ItemsAboutToBeRemoved
    void emitItemsRemoved() const { ItemsRemoved(); } ///< announces ItemsRemoved
    /// @}

private:
    /// Connects, then runs the signal's connected-hook.
    template <class Signal>
    boost::signals2::connection connectThenNotify(Signal& signal, typename Signal::slot_type const& slot,
                                                  Position position,
                                                  void (ListModelInterface::*hook)() const) const
    {
        boost::signals2::connection connection = signal.connect(slot, position);
        (this->*hook)();
        return connection;
    }
};

/// Out of line, so that the library's explicit instantiations export them.
template <class T>
ListModelInterface<T>::ListModelInterface() = default;

template <class T>
ListModelInterface<T>::ListModelInterface(ListModelInterface const&)
{}

template <class T>
ListModelInterface<T>::~ListModelInterface() = default;

template <class T>
void ListModelInterface<T>::signalDataChangedConnected() const
{}

template <class T>
void ListModelInterface<T>::signalItemChangedConnected() const
{}

template <class T>
void ListModelInterface<T>::signalItemsInsertedConnected() const
{}

template <class T>
void ListModelInterface<T>::signalItemsAboutToBeRemovedConnected() const
{}

template <class T>
void ListModelInterface<T>::signalItemsRemovedConnected() const
{}

/// Compiled once in the library, exported with their virtual tables.
extern template class QUARLIN_PROMPT_EXPORT ListModelInterface<int>;
extern template class QUARLIN_PROMPT_EXPORT ListModelInterface<double>;

} // namespace quarlin::sdk::ui::dialogs::propertybindings::models
