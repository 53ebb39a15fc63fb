#pragma once

#include "sdk/exception/InvalidArgumentException.h"
#include "sdk/host/HostEnums.h"
#include "sdk/host/Platform.h"

#include <ios>
#include <sstream>
#include <string>
#include <type_traits>

namespace quarlin::sdk::ui::dialogs::propertybindings {

/// The name conversion messages use for a type: get() gives it. Defined for the types the
/// bindings convert (int, double, __int64, std::string) and the host's enumerations.
template <class T>
struct TypeName;
/// The name of int: "int".
template <>
struct TypeName<int>
{
    static char const* get() { return "int"; } ///< the name
};
/// The name of double: "double".
template <>
struct TypeName<double>
{
    static char const* get() { return "double"; } ///< the name
};
/// The name of __int64: "__int64".
template <>
struct TypeName<__int64>
{
    static char const* get() { return "__int64"; } ///< the name
};
/// The name of std::string: "std::string".
template <>
struct TypeName<std::string>
{
    static char const* get() { return "std::string"; } ///< the name
};
/// The name of RGBMode_e: "RGBMode_e".
template <>
struct TypeName<RGBMode_e>
{
    static char const* get() { return "RGBMode_e"; } ///< the name
};
/// The name of Font_e: "Font_e".
template <>
struct TypeName<Font_e>
{
    static char const* get() { return "Font_e"; } ///< the name
};
/// The name of PlotType_e: "PlotType_e".
template <>
struct TypeName<PlotType_e>
{
    static char const* get() { return "PlotType_e"; } ///< the name
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
