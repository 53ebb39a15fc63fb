#pragma once

#include "quarlin_host_export.h"

#include <cstddef>
#include <initializer_list>
#include <string>
#include <vector>

namespace quarlin::toolbox {

/// An ordered list of texts, the toolbox's way of naming the parts of a style path.
class QUARLIN_HOST_EXPORT StringList
{
public:
    StringList() = default;
    /// Takes texts up to the first null pointer.
    StringList(char const* first, ...);
    /// The texts, in order.
    StringList(std::initializer_list<std::string> items);

    /// Adds `text` at the end.
    void append(std::string const& text);
    /// Adds the texts of `other` at the end, in order.
    void append(StringList const& other);
    /// The number of texts.
    std::size_t count() const { return m_items.size(); }
    /// Whether there is no text.
    bool empty() const { return m_items.empty(); }
    /// Out-of-range positions give an empty text rather than undefined behaviour.
    std::string const& at(std::size_t index) const;
    /// The texts, in order.
    std::vector<std::string> const& items() const { return m_items; }
    /// The parts joined by '/', for messages and keys.
    std::string joined(char separator = '/') const;

    friend bool operator==(StringList const& a, StringList const& b) { return a.m_items == b.m_items; }
    friend bool operator!=(StringList const& a, StringList const& b) { return !(a == b); }
    friend bool operator<(StringList const& a, StringList const& b) { return a.m_items < b.m_items; }

private:
    std::vector<std::string> m_items;
};

} // namespace quarlin::toolbox
