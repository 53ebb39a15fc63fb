#pragma once

#include "quarlin_host_export.h"
#include "sdk/host/Platform.h"
#include "sdk/host/RawArray.h"

#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace quarlin::toolbox {

class Set;

/// The named arguments of one style get or set: inputs by value, outputs as pointers to slots the
/// host fills. A name appears once; appending it again replaces the earlier argument.
class QUARLIN_HOST_EXPORT ArgList
{
public:
    using Value = std::variant<__int64, double, bool, std::string, __int64*, double*, bool*, std::string*,
                               RawArray<int>, Set const*>;

    void append(std::string const& name, Value value);
    bool contains(std::string const& name) const { return find(name) != nullptr; }
    Value const* find(std::string const& name) const;
    /// The argument as T, or null when it is missing or of another kind.
    template <class T>
    T const* get(std::string const& name) const
    {
        Value const* const value = find(name);
        return value ? std::get_if<T>(value) : nullptr;
    }
    std::size_t count() const { return m_arguments.size(); }
    void clear() { m_arguments.clear(); }

private:
    std::vector<std::pair<std::string, Value>> m_arguments;
};

/// Argument names the style access uses.
namespace styleargs {
inline constexpr char const* MacroIds = "MacroIDs";
inline constexpr char const* Offset1 = "Offset1";
inline constexpr char const* Offset2 = "Offset2";
inline constexpr char const* ObjectSet = "ObjectSet";
inline constexpr char const* AssignOp = "AssignOp";
inline constexpr char const* IValue = "IValue";
inline constexpr char const* DValue = "DValue";
inline constexpr char const* BValue = "BValue";
inline constexpr char const* SValue = "SValue";
} // namespace styleargs

} // namespace quarlin::toolbox
