#pragma once

#include <cstddef>
#include <initializer_list>
#include <vector>

namespace quarlin::toolbox {

/// The toolbox's growable array: the lists of style macro ids travel in one.
template <class T>
class RawArray
{
public:
    RawArray() = default;
    /// The items, in order.
    RawArray(std::initializer_list<T> items)
        : m_items(items)
    {}

    /// Adds `item` at the end.
    void append(T const& item) { m_items.push_back(item); }
    /// Adds the items of `other` at the end, in order.
    void append(RawArray const& other)
    {
        m_items.insert(m_items.end(), other.m_items.begin(), other.m_items.end());
    }
    /// Makes room for `count` items without reallocating.
    void reserve(std::size_t count) { m_items.reserve(count); }
    /// The number of items.
    std::size_t count() const { return m_items.size(); }
    /// Whether there is no item.
    bool empty() const { return m_items.empty(); }
    /// Item `index`, which must be below count().
    T const& operator[](std::size_t index) const { return m_items[index]; }
    /// Item `index`, which must be below count().
    T& operator[](std::size_t index) { return m_items[index]; }
    /// The items, contiguous; null or dangling once the array changes.
    T const* data() const { return m_items.data(); }
    /// The first item, for range-for.
    typename std::vector<T>::const_iterator begin() const { return m_items.begin(); }
    /// Past the last item.
    typename std::vector<T>::const_iterator end() const { return m_items.end(); }

    friend bool operator==(RawArray const& a, RawArray const& b) { return a.m_items == b.m_items; }

private:
    std::vector<T> m_items;
};

} // namespace quarlin::toolbox
