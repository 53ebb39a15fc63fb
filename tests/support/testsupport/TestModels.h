#pragma once

#include "propertybindings/models/ListModelAbstract.h"

#include <string>
#include <utility>
#include <vector>

namespace quarlin::test {

// A list model the test changes at will, announcing each change as a real model would. It
// counts get() calls, can mark rows as headers and can accept edits.
template <class T>
class VectorModel : public virtual sdk::ui::dialogs::propertybindings::models::ListModelAbstract<T>
{
public:
    struct Row
    {
        std::string text;
        T value;
        bool header = false;
    };

    VectorModel() = default;
    explicit VectorModel(std::vector<Row> initialRows)
        : rows(std::move(initialRows))
    {}

    int size() const override { return static_cast<int>(rows.size()) - hiddenTail; }
    T get(int index) const override
    {
        ++getCalls;
        if (shrinkOnGet > 0)
            hiddenTail += shrinkOnGet; // the list loses rows while being searched
        return rows.at(static_cast<std::size_t>(index)).value;
    }
    std::string getStr(int index) override
    {
        ++getStrCalls;
        return rows.at(static_cast<std::size_t>(index)).text;
    }
    bool isHeader(int index) const override { return rows.at(static_cast<std::size_t>(index)).header; }
    bool isEditable() const override { return editable; }
    bool setEditedItem(std::string const& text, int index) const override
    {
        if (!editable || text.empty())
            return false;
        rows.at(static_cast<std::size_t>(index)).text = text;
        this->emitItemChanged(index);
        return true;
    }

    void replace(std::vector<Row> newRows)
    {
        rows = std::move(newRows);
        this->emitDataChanged();
    }
    void insert(int at, std::vector<Row> newRows)
    {
        int const count = static_cast<int>(newRows.size());
        rows.insert(rows.begin() + at, newRows.begin(), newRows.end());
        this->emitItemsInserted(at, at + count - 1);
    }
    void remove(int first, int last)
    {
        this->emitItemsAboutToBeRemoved(first, last);
        rows.erase(rows.begin() + first, rows.begin() + last + 1);
        this->emitItemsRemoved();
    }
    void changeText(int index, std::string text)
    {
        rows.at(static_cast<std::size_t>(index)).text = std::move(text);
        this->emitItemChanged(index);
    }

    mutable std::vector<Row> rows;
    mutable int getCalls = 0;
    mutable int getStrCalls = 0;
    mutable int hiddenTail = 0;
    int shrinkOnGet = 0;
    bool editable = false;
};

} // namespace quarlin::test
