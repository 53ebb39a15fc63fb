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
    /// The members given, below-1 numbers left out.
    Set(std::initializer_list<__int64> members);

    /// Numbers below 1 are not members of any set and are ignored.
    void add(__int64 member);
    /// Adds `first` to `last`, both included; nothing when `last` is below `first`.
    void addRange(__int64 first, __int64 last);
    /// Whether `member` is in the set.
    bool contains(__int64 member) const;
    /// The number of members.
    __int64 count() const { return static_cast<__int64>(m_members.size()); }
    /// Whether the set has no member.
    bool empty() const { return m_members.empty(); }
    /// The members, ascending.
    std::vector<__int64> const& members() const { return m_members; }

    friend bool operator==(Set const& a, Set const& b) { return a.m_members == b.m_members; }
    friend bool operator!=(Set const& a, Set const& b) { return !(a == b); }

private:
    std::vector<__int64> m_members;
};

} // namespace quarlin::toolbox
