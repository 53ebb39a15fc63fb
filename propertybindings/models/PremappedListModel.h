#pragma once

#include "propertybindings/models/ListModelAbstract.h"

#include <string>
#include <utility>
#include <vector>

namespace quarlin::sdk::ui::dialogs::propertybindings::models {

/// A list fixed when it is built: (display text, value) pairs in order. It never changes, so it
/// never signals. A row outside the list throws std::out_of_range.
template <class T>
class PremappedListModel : public virtual ListModelAbstract<T>
{
public:
    /// The rows: display text (UTF-8) and value, in order.
    using Entries = std::vector<std::pair<std::string, T>>;

    /// A list of `entries`.
    explicit PremappedListModel(Entries entries)
        : m_entries(std::move(entries))
    {}

    int size() const override { return static_cast<int>(m_entries.size()); }
    T get(int index) const override { return entry(index).second; }
    std::string getStr(int index) override { return entry(index).first; }
    /// Replaces every entry, then announces DataChanged: the same values under texts of another
    /// language, for one. A listener that throws leaves the new entries in place.
    void setEntries(Entries entries)
    {
        m_entries = std::move(entries);
        this->emitDataChanged();
    }

private:
    typename Entries::value_type const& entry(int index) const
    {
        if (index < 0 || static_cast<std::size_t>(index) >= m_entries.size())
            throw std::out_of_range("invalid vector subscript");
        return m_entries[static_cast<std::size_t>(index)];
    }

    Entries m_entries;
};

} // namespace quarlin::sdk::ui::dialogs::propertybindings::models
