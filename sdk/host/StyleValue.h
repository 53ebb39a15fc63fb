#pragma once

#include "quarlin_host_export.h"
#include "sdk/host/ArgList.h"
#include "sdk/host/HostEnums.h"
#include "sdk/host/Platform.h"
#include "sdk/host/RawArray.h"
#include "sdk/host/StringList.h"

#include <string>

namespace quarlin::toolbox {

class Set;

/// Names one style setting of the host by its name parts ("GlobalRGB", "RedChannelVar") and
/// reads or writes it through argument lists. Each part travels as a macro id, a number the
/// host gives every name it knows; the id list ends with -1.
class QUARLIN_HOST_EXPORT StyleValue
{
public:
    /// Up to seven name parts; the parts end at the first null.
    explicit StyleValue(char const* part1 = nullptr, char const* part2 = nullptr, char const* part3 = nullptr,
                        char const* part4 = nullptr, char const* part5 = nullptr, char const* part6 = nullptr,
                        char const* part7 = nullptr);
    explicit StyleValue(StringList const& parts);
    StyleValue(StyleValue const&) = default;
    StyleValue& operator=(StyleValue const&) = default;
    virtual ~StyleValue();

    StringList const& nameParts() const { return m_parts; }
    /// The ids of this value's own name parts, without the closing -1.
    RawArray<int> const& macroIds() const { return m_ids; }

    /// The ids of further name parts below this setting (none when every part is null).
    RawArray<int> initMacroIDsfromStyleValueNames(char const* part1, char const* part2, char const* part3,
                                                  char const* part4, char const* part5, char const* part6,
                                                  char const* part7) const;

    void setupGetValueArgList(RawArray<int> const& ids, __int64 offset1, __int64 offset2,
                              ArgList& args) const;
    /// objectSet: the objects (zones, maps) the value applies to, or null for the setting itself.
    /// assignOp: 255 assigns the value as it is.
    void setupSetValueArgList(RawArray<int> const& ids, Set const* objectSet, __int64 offset1,
                              __int64 offset2, int assignOp, ArgList& args) const;

    GetValueReturnCode_e getFinalValue(double* value, ArgList& args) const;
    GetValueReturnCode_e getFinalValue(bool* value, ArgList& args) const;
    GetValueReturnCode_e getFinalValue(std::string* value, ArgList& args) const;
    SetValueReturnCode_e setFinalValue(double value, ArgList& args) const;
    SetValueReturnCode_e setFinalValue(bool value, ArgList& args) const;
    SetValueReturnCode_e setFinalValue(std::string const& value, ArgList& args) const;

    static bool returnCodeOk(GetValueReturnCode_e code);
    static bool returnCodeOk(SetValueReturnCode_e code);

    /// The host's get and set; whole numbers travel as "IValue" (and "DValue" when written).
    virtual GetValueReturnCode_e getValue(ArgList& args) const;
    virtual SetValueReturnCode_e setValue(ArgList& args) const;

private:
    StringList m_parts;
    RawArray<int> m_ids;
};

/// A style value a property holds for its whole life. Whether the host knows the setting can be
/// asked before the first read; an unknown one reads and writes as refusals, never as a crash.
class QUARLIN_HOST_EXPORT CheckedStyleValue : public StyleValue
{
public:
    explicit CheckedStyleValue(char const* part1 = nullptr, char const* part2 = nullptr,
                               char const* part3 = nullptr, char const* part4 = nullptr,
                               char const* part5 = nullptr, char const* part6 = nullptr,
                               char const* part7 = nullptr);
    explicit CheckedStyleValue(StyleValue const& other);
    ~CheckedStyleValue() override;

    bool isKnownSetting() const;
};

} // namespace quarlin::toolbox
