#include "sdk/host/Set.h"

#include <algorithm>

namespace quarlin::toolbox {

Set::Set(std::initializer_list<__int64> members)
{
    for (__int64 member : members)
        add(member);
}

void Set::add(__int64 member)
{
    if (member < 1)
        return;
    auto const pos = std::lower_bound(m_members.begin(), m_members.end(), member);
    if (pos == m_members.end() || *pos != member)
        m_members.insert(pos, member);
}

void Set::addRange(__int64 first, __int64 last)
{
    first = std::max<__int64>(first, 1);
    if (last < first)
        return;
    // Appending in order keeps a large range linear when it extends the set.
    if (m_members.empty() || m_members.back() < first) {
        m_members.reserve(m_members.size() + static_cast<std::size_t>(last - first + 1));
        for (__int64 m = first; m <= last; ++m)
            m_members.push_back(m);
        return;
    }
    for (__int64 m = first; m <= last; ++m)
        add(m);
}

bool Set::contains(__int64 member) const
{
    return std::binary_search(m_members.begin(), m_members.end(), member);
}

} // namespace quarlin::toolbox
