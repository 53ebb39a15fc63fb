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
    RawArray(std::initializer_list<T> items)
        : m_items(items)
    {}

    void append(T const& item) { m_items.push_back(item); }
    void append(RawArray const& other)
    {
        m_items.insert(m_items.end(), other.m_items.begin(), other.m_items.end());
    }
    void reserve(std::size_t count) { m_items.reserve(count); }
    std::size_t count() const { return m_items.size(); }
    bool empty() const { return m_items.empty(); }
    T const& operator[](std::size_t index) const { return m_items[index]; }
    T& operator[](std::size_t index) { return m_items[index]; }
    T const* data() const { return m_items.data(); }
    typename std::vector<T>::const_iterator begin() const { return m_items.begin(); }
    typename std::vector<T>::const_iterator end() const { return m_items.end(); }

    friend bool operator==(RawArray const& a, RawArray const& b) { return a.m_items == b.m_items; }

private:
    std::vector<T> m_items;
};

} // namespace quarlin::toolbox
