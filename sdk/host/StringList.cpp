#include "sdk/host/StringList.h"

#include <cstdarg>

namespace quarlin::toolbox {

StringList::StringList(char const* first, ...)
{
    if (!first)
        return;
    m_items.emplace_back(first);
    va_list args;
    va_start(args, first);
    while (char const* next = va_arg(args, char const*))
        m_items.emplace_back(next);
    va_end(args);
}

StringList::StringList(std::initializer_list<std::string> items)
    : m_items(items)
{}

void StringList::append(std::string const& text)
{
    m_items.push_back(text);
}

void StringList::append(StringList const& other)
{
    m_items.insert(m_items.end(), other.m_items.begin(), other.m_items.end());
}

std::string const& StringList::at(std::size_t index) const
{
    static std::string const empty;
    return index < m_items.size() ? m_items[index] : empty;
}

std::string StringList::joined(char separator) const
{
    std::string out;
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        if (i)
            out += separator;
        out += m_items[i];
    }
    return out;
}

} // namespace quarlin::toolbox
