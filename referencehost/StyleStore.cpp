#include "referencehost/StyleStore.h"

#include "referencehost/ReferenceHost.h"
#include "referencehost/StyleNameTable_p.h"
#include "sdk/host/ArgList.h"
#include "sdk/host/HostEnums.h"
#include "sdk/host/StateChangeEvent.h"

#include <boost/format.hpp>

#include <cstring>
#include <sstream>

namespace quarlin::host {

namespace {

constexpr int assignAsIs = 255;

std::string pathText(StylePath const& path)
{
    std::string text;
    for (std::string const& part : path) {
        if (!text.empty())
            text += ' ';
        text += part;
    }
    return text;
}

char const* kindName(StyleData const& value)
{
    static char const* const names[] = {"a whole number", "a number", "true or false", "a text"};
    return names[value.index()];
}

// Resolves the request's macro ids (ending at -1) into name parts; false for an unknown id.
bool pathOf(toolbox::ArgList const& args, StylePath& path)
{
    auto const* const ids = args.get<toolbox::RawArray<int>>(toolbox::styleargs::MacroIds);
    if (!ids)
        return false;
    for (int const id : *ids) {
        if (id == -1)
            break;
        std::string const* const name = toolbox::detail::styleNameText(id);
        if (!name)
            return false;
        path.push_back(*name);
    }
    return !path.empty();
}

StyleKey keyOf(toolbox::ArgList const& args, StylePath path)
{
    StyleKey key{std::move(path)};
    if (auto const* const offset = args.get<__int64>(toolbox::styleargs::Offset1))
        key.offset1 = *offset;
    if (auto const* const offset = args.get<__int64>(toolbox::styleargs::Offset2))
        key.offset2 = *offset;
    return key;
}

// The written value in the kind the setting holds; an int write also carries "DValue", so a
// number setting takes whole numbers as well.
std::optional<StyleData> writtenValue(toolbox::ArgList const& args, StyleData const& kind)
{
    using namespace toolbox::styleargs;
    switch (kind.index()) {
    case 0:
        if (auto const* const v = args.get<__int64>(IValue))
            return StyleData(*v);
        break;
    case 1:
        if (auto const* const v = args.get<double>(DValue))
            return StyleData(*v);
        break;
    case 2:
        if (auto const* const v = args.get<bool>(BValue))
            return StyleData(*v);
        break;
    default:
        if (auto const* const v = args.get<std::string>(SValue))
            return StyleData(*v);
        break;
    }
    return std::nullopt;
}

bool frameExists()
{
    ReferenceHost const& host = ReferenceHost::instance();
    return host.pageCount() > 0 && host.frameCount() > 0;
}

void announce(StylePath const& path)
{
    toolbox::StateChangeEventObservable::getInstance().emitStateChange(
        toolbox::StateChangeEvent(StateChange_Style, path));
}

} // namespace

std::string styleDataText(StyleData const& value)
{
    struct Text
    {
        std::string operator()(__int64 v) const { return std::to_string(v); }
        std::string operator()(double v) const
        {
            std::ostringstream out;
            out.precision(17);
            out << v;
            return out.str();
        }
        std::string operator()(bool v) const { return v ? "true" : "false"; }
        std::string operator()(std::string const& v) const { return '"' + v + '"'; }
    };
    return std::visit(Text{}, value);
}

StyleStore::StyleStore()
{
    defineHostSettings();
}

void StyleStore::reset()
{
    m_settings.clear();
    m_instances.clear();
    m_rules.clear();
    m_writes.clear();
    m_history.clear();
    m_openStep.reset();
    m_depth = 0;
    m_completedSteps = 0;
    defineHostSettings();
}

void StyleStore::defineHostSettings()
{
    // The variables the axes, vectors and colour channels show: a host's frame style.
    define({"TwoDAxis", "XDetail", "VarNum"}, __int64(1), true);
    define({"TwoDAxis", "YDetail", "VarNum"}, __int64(2), true);
    define({"ThreeDAxis", "XDetail", "VarNum"}, __int64(1), true);
    define({"ThreeDAxis", "YDetail", "VarNum"}, __int64(2), true);
    define({"ThreeDAxis", "ZDetail", "VarNum"}, __int64(3), true);
    for (char const* vector : {"GlobalTwoDVector", "GlobalThreeDVector"})
        for (char const* component : {"UVar", "VVar", "WVar"})
            define({vector, component}, __int64(0), true);
    for (char const* channel : {"RedChannelVar", "GreenChannelVar", "BlueChannelVar"})
        define({"GlobalRGB", channel}, __int64(0), true);
    // RGB colouring: which channels are chosen (the rest calculated), and the value range that
    // maps to intensity.
    define({"GlobalRGB", "RGBMode"}, __int64(RGBMode_SpecifyRGB));
    define({"GlobalRGB", "RangeMin"}, 0.0);
    define({"GlobalRGB", "RangeMax"}, 1.0);
    // Scatter symbols: the font ASCII symbols are drawn with (field plots and line plots each
    // have their own), the variable that sizes them and their size per unit of its magnitude,
    // in grid units or centimetres; and the host's medium symbol size in percent.
    for (char const* plot : {"GlobalScatter", "GlobalLinePlot"}) {
        define({plot, "BaseFontFamily"},
               std::string(std::strcmp(plot, "GlobalScatter") == 0 ? "Sans Serif" : "Serif"));
        define({plot, "BaseFontIsBold"}, false);
        define({plot, "BaseFontIsItalic"}, false);
    }
    define({"GlobalScatter", "Var"}, __int64(0), true);
    define({"GlobalScatter", "RelativeSizeInGridUnits"}, true);
    define({"GlobalScatter", "RelativeSize"}, 0.05);
    define({"BasicSize", "SymbolSizes", "Medium"}, 2.5);
    define({"FieldLayers", "ShowVector"}, false);
    // Whether the mesh is drawn, and in which colour index of the host's colour map (negative: a
    // multi colour or RGB colouring).
    define({"FieldLayers", "ShowMesh"}, true);
    define({"FieldLayers", "MeshColor"}, __int64(0));
}

void StyleStore::define(StylePath path, StyleData initialValue, bool namesVariable)
{
    StylePath const announced = path;
    m_settings[std::move(path)] = Setting{std::move(initialValue), namesVariable};
    announce(announced);
}

bool StyleStore::isDefined(StylePath const& path) const
{
    return m_settings.count(path) != 0;
}

std::optional<StyleData> StyleStore::value(StyleKey const& key) const
{
    auto const instance = m_instances.find(key);
    if (instance != m_instances.end())
        return instance->second.value;
    auto const setting = m_settings.find(key.path);
    if (setting == m_settings.end())
        return std::nullopt;
    return setting->second.initialValue;
}

std::vector<StyleEntry> StyleStore::entries() const
{
    std::map<StyleKey, StyleEntry> all;
    for (auto const& [path, setting] : m_settings) {
        StyleKey key{path};
        all[key] = StyleEntry{key, setting.initialValue, 0};
    }
    for (auto const& [key, instance] : m_instances)
        all[key] = StyleEntry{key, instance.value, instance.lastStep};
    std::vector<StyleEntry> list;
    list.reserve(all.size());
    for (auto& entry : all)
        list.push_back(std::move(entry.second));
    return list;
}

void StyleStore::setRule(StylePath const& path, StyleRule rule)
{
    m_rules[path] = std::move(rule);
}

void StyleStore::clearRules()
{
    m_rules.clear();
}

void StyleStore::change(StyleKey const& key, StyleData value)
{
    auto const current = this->value(key);
    if (!current || current->index() != value.index() || *current == value)
        return;
    store(key, std::move(value));
}

void StyleStore::beginStep()
{
    if (m_depth++ == 0)
        m_openStep = Step{m_nextStepId++, {}};
}

void StyleStore::endStep(bool record)
{
    if (m_depth == 0)
        return; // an unmatched end is the caller's bug; the host shrugs it off
    if (--m_depth != 0)
        return;
    if (record) {
        ++m_completedSteps;
        if (!m_openStep->replaced.empty())
            m_history.push_back(std::move(*m_openStep));
    }
    m_openStep.reset();
}

bool StyleStore::undoLastStep()
{
    if (m_depth != 0 || m_history.empty())
        return false;
    Step const step = std::move(m_history.back());
    m_history.pop_back();
    for (auto replaced = step.replaced.rbegin(); replaced != step.replaced.rend(); ++replaced) {
        if (replaced->previous)
            m_instances[replaced->key] = *replaced->previous;
        else
            m_instances.erase(replaced->key);
        announce(replaced->key.path);
    }
    return true;
}

int StyleStore::store(StyleKey const& key, StyleData value)
{
    bool const ownStep = !m_openStep;
    if (ownStep)
        beginStep();
    Step& step = *m_openStep;
    bool seen = false;
    for (Replaced const& replaced : step.replaced)
        seen = seen || replaced.key == key;
    auto const instance = m_instances.find(key);
    if (!seen)
        step.replaced.push_back(
            {key, instance == m_instances.end() ? std::nullopt : std::optional<Instance>(instance->second)});
    int const id = step.id;
    m_instances[key] = Instance{std::move(value), id};
    if (ownStep)
        endStep(true);
    announce(key.path);
    return id;
}

std::string StyleStore::refuseValue(Setting const& setting, StylePath const& path,
                                    StyleData const& value) const
{
    if (!setting.namesVariable)
        return {};
    __int64 const variable = std::get<__int64>(value);
    ReferenceHost const& host = ReferenceHost::instance();
    auto const count = static_cast<__int64>(host.dataSet().variables.size());
    if (variable < 0 || (host.hasDataSet() && variable > count))
        return (boost::format("Variable %1% does not exist: %2% takes a variable from 1 to %3%.") % variable
                % pathText(path) % count)
            .str();
    return {};
}

GetValueReturnCode_e StyleStore::get(toolbox::ArgList& args)
{
    ReferenceHost& host = ReferenceHost::instance();
    StylePath path;
    if (!pathOf(args, path) || !isDefined(path)) {
        host.setLastStyleError("Unknown style setting \"" + pathText(path) + "\".");
        return GetValue_SyntaxError;
    }
    if (!frameExists()) {
        host.setLastStyleError("There is no frame to read the style of.");
        return GetValue_ContextError;
    }
    StyleData const value = *this->value(keyOf(args, path));
    using namespace toolbox::styleargs;
    bool filled = false;
    if (auto* const* whole = args.get<__int64*>(IValue); whole && *whole && value.index() == 0) {
        **whole = std::get<__int64>(value);
        filled = true;
    } else if (auto* const* number = args.get<double*>(DValue); number && *number && value.index() <= 1) {
        **number = value.index() == 0 ? double(std::get<__int64>(value)) : std::get<double>(value);
        filled = true;
    } else if (auto* const* flag = args.get<bool*>(BValue); flag && *flag && value.index() == 2) {
        **flag = std::get<bool>(value);
        filled = true;
    } else if (auto* const* text = args.get<std::string*>(SValue); text && *text && value.index() == 3) {
        **text = std::get<std::string>(value);
        filled = true;
    }
    if (!filled) {
        host.setLastStyleError("The style setting \"" + pathText(path) + "\" holds " + kindName(value) + ".");
        return GetValue_ResultTypeError;
    }
    host.setLastStyleError({});
    return GetValue_Ok;
}

SetValueReturnCode_e StyleStore::set(toolbox::ArgList const& args)
{
    ReferenceHost& host = ReferenceHost::instance();
    StylePath path;
    bool const named = pathOf(args, path);
    StyleKey key = keyOf(args, path);
    auto const setting = m_settings.find(path);
    auto const refuse = [&](SetValueReturnCode_e code, std::string error, StyleData value = {}) {
        host.setLastStyleError(std::move(error));
        m_writes.push_back({key, std::move(value), code, host.lockDepth() > 0, 0});
        return code;
    };
    if (!named || setting == m_settings.end())
        return refuse(SetValue_SyntaxError, "Unknown style setting \"" + pathText(path) + "\".");
    auto const* const assign = args.get<__int64>(toolbox::styleargs::AssignOp);
    if (assign && *assign != assignAsIs)
        return refuse(
            SetValue_InvalidCommandOption,
            (boost::format("The host cannot apply assignment %1% to a style setting.") % *assign).str());
    std::optional<StyleData> value = writtenValue(args, setting->second.initialValue);
    if (!value)
        return refuse(SetValue_InvalidValue, "The style setting \"" + pathText(path) + "\" takes "
                                                 + kindName(setting->second.initialValue) + ".");
    if (!frameExists())
        return refuse(SetValue_ContextError, "There is no frame to apply the style to.", *value);

    auto const rule = m_rules.find(path);
    if (rule != m_rules.end()) {
        switch (rule->second.kind) {
        case StyleRule::Kind::Refuse: return refuse(SetValue_ValueRefused, rule->second.error, *value);
        case StyleRule::Kind::Defer: return refuse(SetValue_Deferred, {}, *value);
        case StyleRule::Kind::Adjust:
            if (rule->second.adjustedValue.index() == value->index())
                value = rule->second.adjustedValue;
            break;
        case StyleRule::Kind::Accept: break;
        }
    }
    if (std::string error = refuseValue(setting->second, path, *value); !error.empty())
        return refuse(SetValue_InvalidVariable, std::move(error), *value);

    host.setLastStyleError({});
    if (*this->value(key) == *value) {
        m_writes.push_back({key, *value, SetValue_DuplicateValue, host.lockDepth() > 0, 0});
        return SetValue_DuplicateValue;
    }
    // Recorded before the change is announced, so a listener sees the write that caused it.
    m_writes.push_back(
        {key, *value, SetValue_Ok, host.lockDepth() > 0, m_openStep ? m_openStep->id : m_nextStepId});
    store(key, *value);
    return SetValue_Ok;
}

} // namespace quarlin::host
