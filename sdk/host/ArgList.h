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
    /// An input (a number, a flag, a text, a list of macro ids, a set of objects) or an output slot.
    /// Output pointers are borrowed: they must outlive the get they are handed to.
    using Value = std::variant<__int64, double, bool, std::string, __int64*, double*, bool*, std::string*,
                               RawArray<int>, Set const*>;

    /// Adds the argument `name`, replacing an earlier one of the same name.
    void append(std::string const& name, Value value);
    /// Whether the list holds the argument `name`.
    bool contains(std::string const& name) const { return find(name) != nullptr; }
    /// The argument `name`, or null when the list does not hold it.
    Value const* find(std::string const& name) const;
    /// The argument as T, or null when it is missing or of another kind.
    template <class T>
    T const* get(std::string const& name) const
    {
        Value const* const value = find(name);
        return value ? std::get_if<T>(value) : nullptr;
    }
    /// The number of arguments.
    std::size_t count() const { return m_arguments.size(); }
    /// Removes every argument.
    void clear() { m_arguments.clear(); }

private:
    std::vector<std::pair<std::string, Value>> m_arguments;
};

/// Argument names the style access uses.
namespace styleargs {
/// The style path as macro ids, ending with -1.
inline constexpr char const* MacroIds = "MacroIDs";
/// The first offset that selects an instance of the setting.
inline constexpr char const* Offset1 = "Offset1";
/// The second offset that selects an instance of the setting.
inline constexpr char const* Offset2 = "Offset2";
/// The zones or maps a write applies to; null for the setting itself.
inline constexpr char const* ObjectSet = "ObjectSet";
/// How a write combines with the value held; 255 assigns it as it is.
inline constexpr char const* AssignOp = "AssignOp";
/// A whole number or enumeration value, or the slot a get fills with one.
inline constexpr char const* IValue = "IValue";
/// A real number, or the slot a get fills with one.
inline constexpr char const* DValue = "DValue";
/// A flag, or the slot a get fills with one.
inline constexpr char const* BValue = "BValue";
/// A text in UTF-8, or the slot a get fills with one.
inline constexpr char const* SValue = "SValue";
} // namespace styleargs

} // namespace quarlin::toolbox
