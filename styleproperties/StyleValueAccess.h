#pragma once

#include "sdk/host/ArgList.h"
#include "sdk/host/Platform.h"
#include "sdk/host/StyleValue.h"

#include <cstdint>
#include <type_traits>

namespace quarlin::sdk::styleproperties {

// Typed reads and writes of one style setting through the toolbox. Whole numbers and
// enumerations travel as "IValue" (written with "DValue" beside it, for settings that hold
// numbers); double, bool and text through the toolbox's typed access.

/// The setting's macro ids, closed by -1.
inline toolbox::RawArray<int> styleMacroIds(toolbox::StyleValue const& styleValue)
{
    toolbox::RawArray<int> ids = styleValue.macroIds();
    ids.append(styleValue.initMacroIDsfromStyleValueNames(nullptr, nullptr, nullptr, nullptr, nullptr,
                                                          nullptr, nullptr));
    ids.append(-1);
    return ids;
}

template <class T>
constexpr bool travelsAsInt = std::is_same_v<T, int> || std::is_enum_v<T>;

/// out is assigned only when the read succeeds (whole numbers: set to 0 when it fails).
template <class T>
GetValueReturnCode_e readStyleValue(toolbox::StyleValue const& styleValue, T& out, __int64 offset1,
                                    __int64 offset2)
{
    toolbox::ArgList args;
    styleValue.setupGetValueArgList(styleMacroIds(styleValue), offset1, offset2, args);
    if constexpr (travelsAsInt<T>) {
        __int64 slot = 0;
        args.append(toolbox::styleargs::IValue, &slot);
        GetValueReturnCode_e const code = styleValue.getValue(args);
        // The host's slot is 64 bits wide; the setting's value is its low 32.
        out = toolbox::StyleValue::returnCodeOk(code)
                  ? static_cast<T>(static_cast<std::int32_t>(static_cast<std::uint32_t>(slot)))
                  : static_cast<T>(0);
        return code;
    } else {
        T read{};
        GetValueReturnCode_e const code = styleValue.getFinalValue(&read, args);
        if (toolbox::StyleValue::returnCodeOk(code))
            out = std::move(read);
        return code;
    }
}

template <class T>
SetValueReturnCode_e writeStyleValue(toolbox::StyleValue const& styleValue, T const& value, __int64 offset1,
                                     __int64 offset2)
{
    constexpr int assignAsIs = 255;
    toolbox::ArgList args;
    styleValue.setupSetValueArgList(styleMacroIds(styleValue), nullptr, offset1, offset2, assignAsIs, args);
    if constexpr (travelsAsInt<T>) {
        args.append(toolbox::styleargs::IValue, static_cast<__int64>(value));
        args.append(toolbox::styleargs::DValue, static_cast<double>(value));
        return styleValue.setValue(args);
    } else {
        return styleValue.setFinalValue(value, args);
    }
}

} // namespace quarlin::sdk::styleproperties
