#pragma once

#include "sdk/exception/InvalidArgumentException.h"
#include "sdk/host/HostEnums.h"
#include "sdk/host/Platform.h"

#include <ios>
#include <sstream>
#include <string>
#include <type_traits>

namespace quarlin::sdk::ui::dialogs::propertybindings {

/// The names conversion messages use for a type.
template <class T>
struct TypeName;
template <>
struct TypeName<int>
{
    static char const* get() { return "int"; }
};
template <>
struct TypeName<double>
{
    static char const* get() { return "double"; }
};
template <>
struct TypeName<__int64>
{
    static char const* get() { return "__int64"; }
};
template <>
struct TypeName<std::string>
{
    static char const* get() { return "std::string"; }
};
template <>
struct TypeName<RGBMode_e>
{
    static char const* get() { return "RGBMode_e"; }
};
template <>
struct TypeName<Font_e>
{
    static char const* get() { return "Font_e"; }
};
template <>
struct TypeName<PlotType_e>
{
    static char const* get() { return "PlotType_e"; }
};

/// Reads one value from UTF-8 text as a stream does (text itself is taken whole, as typed):
/// leading white space fails the read,
/// characters after the value are ignored. Throws InvalidArgumentException with
/// "Cannot convert "<text>" to <type>" when no value can be read, and "Unsupported type for
/// conversion: <type>" for enumerations, which have no text form.
template <class T>
T fromText(std::string const& text)
{
    if constexpr (std::is_same_v<T, std::string>) {
        return text; // text is its own value, blanks and all
    } else if constexpr (std::is_enum_v<T>) {
        throw InvalidArgumentException(std::string("Unsupported type for conversion: ") + TypeName<T>::get());
    } else {
        std::istringstream stream(text);
        stream.imbue(std::locale::classic());
        stream >> std::noskipws;
        T value{};
        stream >> value;
        if (stream.fail())
            throw InvalidArgumentException("Cannot convert \"" + text + "\" to " + TypeName<T>::get());
        return value;
    }
}

/// The text a value is shown as: what operator<< writes (an enumeration as its number).
template <class T>
std::string toText(T const& value)
{
    std::ostringstream stream;
    stream.imbue(std::locale::classic());
    if constexpr (std::is_enum_v<T>)
        stream << static_cast<std::underlying_type_t<T>>(value);
    else
        stream << value;
    return stream.str();
}

} // namespace quarlin::sdk::ui::dialogs::propertybindings
