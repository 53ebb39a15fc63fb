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
    using DataChangedSignal = boost::signals2::signal<void()>;
    using ItemChangedSignal = boost::signals2::signal<void(int index)>;
    using RangeSignal = boost::signals2::signal<void(int first, int last)>;
    using ItemsRemovedSignal = boost::signals2::signal<void()>;

    virtual int size() const = 0;
    virtual T get(int index) const = 0;
    virtual std::string getStr(int index) = 0;
    virtual std::string getStrForEdit(int index) = 0;
    virtual void set(T value, int index) = 0;
    /// Offers edited text for a row; true when the model took it.
    virtual bool setEditedItem(std::string const& text, int index) const = 0;
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

    using Position = boost::signals2::connect_position;

    boost::signals2::connection connectToDataChangedSignal(typename DataChangedSignal::slot_type const& slot,
                                                           Position position = boost::signals2::at_back) const
    {
        return connectThenNotify(DataChanged, slot, position,
                                 &ListModelInterface::signalDataChangedConnected);
    }
    boost::signals2::connection connectToItemChangedSignal(typename ItemChangedSignal::slot_type const& slot,
                                                           Position position = boost::signals2::at_back) const
    {
        return connectThenNotify(ItemChanged, slot, position,
                                 &ListModelInterface::signalItemChangedConnected);
    }
    boost::signals2::connection
    connectToItemsInsertedSignal(typename RangeSignal::slot_type const& slot,
                                 Position position = boost::signals2::at_back) const
    {
        return connectThenNotify(ItemsInserted, slot, position,
                                 &ListModelInterface::signalItemsInsertedConnected);
    }
    boost::signals2::connection
    connectToItemsAboutToBeRemovedSignal(typename RangeSignal::slot_type const& slot,
                                         Position position = boost::signals2::at_back) const
    {
        return connectThenNotify(ItemsAboutToBeRemoved, slot, position,
                                 &ListModelInterface::signalItemsAboutToBeRemovedConnected);
    }
    boost::signals2::connection
    connectToItemsRemovedSignal(typename ItemsRemovedSignal::slot_type const& slot,
                                Position position = boost::signals2::at_back) const
    {
        return connectThenNotify(ItemsRemoved, slot, position,
                                 &ListModelInterface::signalItemsRemovedConnected);
    }

protected:
    ListModelInterface();
    ListModelInterface(ListModelInterface const& other); ///< signals and their listeners stay behind
    ListModelInterface& operator=(ListModelInterface const&) { return *this; }

    /// A model whose rows change announces each change after making it (a removal also before):
    /// through these signals, or the emit helpers below.
    mutable DataChangedSignal DataChanged;
    mutable ItemChangedSignal ItemChanged;
    mutable RangeSignal ItemsInserted;
    mutable RangeSignal ItemsAboutToBeRemoved;
    mutable ItemsRemovedSignal ItemsRemoved;

    void emitDataChanged() const { DataChanged(); }
    void emitItemChanged(int index) const { ItemChanged(index); }
    void emitItemsInserted(int first, int last) const { ItemsInserted(first, last); }
    void emitItemsAboutToBeRemoved(int first, int last) const { ItemsAboutToBeRemoved(first, last); }
    void emitItemsRemoved() const { ItemsRemoved(); }

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
