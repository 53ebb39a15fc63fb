#include "sdk/host/StyleValue.h"

#include "referencehost/ReferenceHost.h"
#include "referencehost/StyleNameTable_p.h"
#include "referencehost/StyleStore.h"

#include <unordered_map>
#include <vector>

namespace quarlin::toolbox {

namespace detail {

namespace {

struct NameTable
{
    std::unordered_map<std::string, int> ids;
    std::vector<std::string> names{std::string()}; // id 0 is never handed out
};

NameTable& nameTable()
{
    static NameTable table;
    return table;
}

} // namespace

int styleNameId(std::string const& name)
{
    NameTable& table = nameTable();
    auto const [position, added] = table.ids.emplace(name, static_cast<int>(table.names.size()));
    if (added)
        table.names.push_back(name);
    return position->second;
}

std::string const* styleNameText(int id)
{
    NameTable const& table = nameTable();
    if (id < 1 || static_cast<std::size_t>(id) >= table.names.size())
        return nullptr;
    return &table.names[static_cast<std::size_t>(id)];
}

} // namespace detail

namespace {

StringList partsUpToNull(std::initializer_list<char const*> parts)
{
    StringList list;
    for (char const* part : parts) {
        if (!part)
            break;
        list.append(std::string(part));
    }
    return list;
}

RawArray<int> idsOf(StringList const& parts)
{
    RawArray<int> ids;
    ids.reserve(parts.count() + 1);
    for (std::string const& part : parts.items())
        ids.append(detail::styleNameId(part));
    return ids;
}

host::StyleStore& store()
{
    return host::ReferenceHost::instance().styleStore();
}

} // namespace

StyleValue::StyleValue(char const* part1, char const* part2, char const* part3, char const* part4,
                       char const* part5, char const* part6, char const* part7)
    : StyleValue(partsUpToNull({part1, part2, part3, part4, part5, part6, part7}))
{}

StyleValue::StyleValue(StringList const& parts)
    : m_parts(parts)
    , m_ids(idsOf(parts))
{}

StyleValue::~StyleValue() = default;

RawArray<int> StyleValue::initMacroIDsfromStyleValueNames(char const* part1, char const* part2,
                                                          char const* part3, char const* part4,
                                                          char const* part5, char const* part6,
                                                          char const* part7) const
{
    return idsOf(partsUpToNull({part1, part2, part3, part4, part5, part6, part7}));
}

void StyleValue::setupGetValueArgList(RawArray<int> const& ids, __int64 offset1, __int64 offset2,
                                      ArgList& args) const
{
    args.append(styleargs::MacroIds, ids);
    args.append(styleargs::Offset1, offset1);
    args.append(styleargs::Offset2, offset2);
}

void StyleValue::setupSetValueArgList(RawArray<int> const& ids, Set const* objectSet, __int64 offset1,
                                      __int64 offset2, int assignOp, ArgList& args) const
{
    setupGetValueArgList(ids, offset1, offset2, args);
    args.append(styleargs::ObjectSet, objectSet);
    args.append(styleargs::AssignOp, static_cast<__int64>(assignOp));
}

GetValueReturnCode_e StyleValue::getFinalValue(double* value, ArgList& args) const
{
    args.append(styleargs::DValue, value);
    return getValue(args);
}

GetValueReturnCode_e StyleValue::getFinalValue(bool* value, ArgList& args) const
{
    args.append(styleargs::BValue, value);
    return getValue(args);
}

GetValueReturnCode_e StyleValue::getFinalValue(std::string* value, ArgList& args) const
{
    args.append(styleargs::SValue, value);
    return getValue(args);
}

SetValueReturnCode_e StyleValue::setFinalValue(double value, ArgList& args) const
{
    args.append(styleargs::DValue, value);
    return setValue(args);
}

SetValueReturnCode_e StyleValue::setFinalValue(bool value, ArgList& args) const
{
    args.append(styleargs::BValue, value);
    return setValue(args);
}

SetValueReturnCode_e StyleValue::setFinalValue(std::string const& value, ArgList& args) const
{
    args.append(styleargs::SValue, value);
    return setValue(args);
}

bool StyleValue::returnCodeOk(GetValueReturnCode_e code)
{
    return code == GetValue_Ok;
}

bool StyleValue::returnCodeOk(SetValueReturnCode_e code)
{
    return code == SetValue_Ok || code == SetValue_DuplicateValue;
}

GetValueReturnCode_e StyleValue::getValue(ArgList& args) const
{
    return store().get(args);
}

SetValueReturnCode_e StyleValue::setValue(ArgList& args) const
{
    return store().set(args);
}

CheckedStyleValue::CheckedStyleValue(char const* part1, char const* part2, char const* part3,
                                     char const* part4, char const* part5, char const* part6,
                                     char const* part7)
    : StyleValue(part1, part2, part3, part4, part5, part6, part7)
{}

CheckedStyleValue::CheckedStyleValue(StyleValue const& other)
    : StyleValue(other)
{}

CheckedStyleValue::~CheckedStyleValue() = default;

bool CheckedStyleValue::isKnownSetting() const
{
    return store().isDefined(nameParts().items());
}

} // namespace quarlin::toolbox
