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
    /// The setting named by `parts`.
    explicit StyleValue(StringList const& parts);
    /// The same setting.
    StyleValue(StyleValue const&) = default;
    /// Names the same setting as `other`.
    StyleValue& operator=(StyleValue const&) = default;
    virtual ~StyleValue();

    /// The name parts, as given.
    StringList const& nameParts() const { return m_parts; }
    /// The ids of this value's own name parts, without the closing -1.
    RawArray<int> const& macroIds() const { return m_ids; }

    /// The ids of further name parts below this setting (none when every part is null).
    RawArray<int> initMacroIDsfromStyleValueNames(char const* part1, char const* part2, char const* part3,
                                                  char const* part4, char const* part5, char const* part6,
                                                  char const* part7) const;

    /// Puts the style path `ids` and the two offsets into `args`, as a get needs them.
    void setupGetValueArgList(RawArray<int> const& ids, __int64 offset1, __int64 offset2,
                              ArgList& args) const;
    /// objectSet: the objects (zones, maps) the value applies to, or null for the setting itself.
    /// assignOp: 255 assigns the value as it is.
    void setupSetValueArgList(RawArray<int> const& ids, Set const* objectSet, __int64 offset1,
                              __int64 offset2, int assignOp, ArgList& args) const;

    /// Reads a real number into `*value` through the arguments `args` set up; the host's code says
    /// whether it did.
    GetValueReturnCode_e getFinalValue(double* value, ArgList& args) const;
    /// Reads a flag into `*value`, as the real-number get does.
    GetValueReturnCode_e getFinalValue(bool* value, ArgList& args) const;
    /// Reads a text into `*value`, as the real-number get does.
    GetValueReturnCode_e getFinalValue(std::string* value, ArgList& args) const;
    /// Writes a real number through the arguments `args` set up; the host's code says how it went.
    SetValueReturnCode_e setFinalValue(double value, ArgList& args) const;
    /// Writes a flag, as the real-number set does.
    SetValueReturnCode_e setFinalValue(bool value, ArgList& args) const;
    /// Writes a text, as the real-number set does.
    SetValueReturnCode_e setFinalValue(std::string const& value, ArgList& args) const;

    /// Whether a get succeeded.
    static bool returnCodeOk(GetValueReturnCode_e code);
    /// Whether a set succeeded; a value equal to the one held counts as success.
    static bool returnCodeOk(SetValueReturnCode_e code);

    /// The host's get and set; whole numbers travel as "IValue" (and "DValue" when written).
    virtual GetValueReturnCode_e getValue(ArgList& args) const;
    /// The host's set.
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
    /// The setting named by up to seven parts, as StyleValue takes them.
    explicit CheckedStyleValue(char const* part1 = nullptr, char const* part2 = nullptr,
                               char const* part3 = nullptr, char const* part4 = nullptr,
                               char const* part5 = nullptr, char const* part6 = nullptr,
                               char const* part7 = nullptr);
    /// The setting `other` names.
    explicit CheckedStyleValue(StyleValue const& other);
    ~CheckedStyleValue() override;

    /// Whether the host knows the setting.
    bool isKnownSetting() const;
};

} // namespace quarlin::toolbox
