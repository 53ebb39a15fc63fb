#pragma once

#include "quarlin_host_export.h"
#include "sdk/host/Platform.h"

#include <initializer_list>
#include <vector>

namespace quarlin::toolbox {

/// A set of 1-based numbers of zones or variables, kept sorted and free of duplicates.
class QUARLIN_HOST_EXPORT Set
{
public:
    Set() = default;
    Set(std::initializer_list<__int64> members);

    /// Numbers below 1 are not members of any set and are ignored.
    void add(__int64 member);
    void addRange(__int64 first, __int64 last);
    bool contains(__int64 member) const;
    __int64 count() const { return static_cast<__int64>(m_members.size()); }
    bool empty() const { return m_members.empty(); }
    std::vector<__int64> const& members() const { return m_members; }

    friend bool operator==(Set const& a, Set const& b) { return a.m_members == b.m_members; }
    friend bool operator!=(Set const& a, Set const& b) { return !(a == b); }

private:
    std::vector<__int64> m_members;
};

} // namespace quarlin::toolbox
