#pragma once

#include "quarlin_host_export.h"
#include "sdk/host/HostEnums.h"
#include "sdk/host/Platform.h"

#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace quarlin::toolbox {
class ArgList;
}

namespace quarlin::host {

/// What a style setting holds. Whole numbers and enumerations are 64-bit here, as on the wire.
using StyleData = std::variant<__int64, double, bool, std::string>;
/// A setting's name parts, as the style calls name them ("FieldLayers", "ShowMesh").
using StylePath = std::vector<std::string>;

/// One instance of a setting: its name parts and the two offsets that select the instance
/// (-1 and -1 for the setting itself).
struct StyleKey
{
    /// The setting's name parts.
    StylePath path;
    /// The first offset, -1 when the setting takes none.
    __int64 offset1 = -1;
    /// The second offset, -1 when the setting takes none.
    __int64 offset2 = -1;

    /// Orders by path, then by the offsets.
    friend bool operator<(StyleKey const& a, StyleKey const& b)
    {
        if (a.path != b.path)
            return a.path < b.path;
        if (a.offset1 != b.offset1)
            return a.offset1 < b.offset1;
        return a.offset2 < b.offset2;
    }
    /// The same path and offsets.
    friend bool operator==(StyleKey const& a, StyleKey const& b)
    {
        return a.path == b.path && a.offset1 == b.offset1 && a.offset2 == b.offset2;
    }
};

/// How the host answers writes to one setting; a test or the app chooses.
struct StyleRule
{
    /// Store the value written; store another one; refuse the write; take it without applying it now.
    enum class Kind { Accept, Adjust, Refuse, Defer };
    /// What the host does with a write.
    Kind kind = Kind::Accept;
    StyleData adjustedValue; ///< Adjust: stored instead of the written value
    std::string error;       ///< Refuse: the host's error text; empty means the host gives none

    /// Every write is stored as written (the default).
    static StyleRule accept() { return {}; }
    /// Every write stores `value` instead, as a host that corrects what it is given.
    static StyleRule adjust(StyleData value) { return {Kind::Adjust, std::move(value), {}}; }
    /// Every write is refused with `error` as the host's error text.
    static StyleRule refuse(std::string error) { return {Kind::Refuse, {}, std::move(error)}; }
    /// Code 15: taken but not applied now.
    static StyleRule defer() { return {Kind::Defer, {}, {}}; }
};

/// One write the library asked for, as the host saw it.
struct StyleWrite
{
    /// Which setting.
    StyleKey key;
    /// The value written.
    StyleData value;
    /// The host's answer.
    SetValueReturnCode_e code = SetValue_Ok;
    /// Whether the host's lock was held during the write.
    bool lockHeld = false;
    int undoStep = 0; ///< the step that holds the change; 0 when nothing changed
};

/// A setting's current value as the style view lists it.
struct StyleEntry
{
    /// Which instance.
    StyleKey key;
    /// Its value now.
    StyleData value;
    int lastStep = 0; ///< the undo step of the last change; 0 for the host's initial value
};

/// The reference host's style settings. Every change is recorded, announced synchronously as a
/// style state change carrying the name parts, and belongs to an undo step: the open one, or a
/// step of its own when none is open. Undoing a step puts back what it replaced and announces
/// each restored setting. Unknown names and values of the wrong kind are refused with a code and
/// an error text, as a host refuses them.
class QUARLIN_HOST_EXPORT StyleStore
{
public:
    StyleStore();

    /// Back to the host's own settings: no instances written, no rules, no records, no steps.
    void reset();

    /// A setting the host knows, and its value where no instance was written. A setting that
    /// names a variable refuses numbers of variables the data set does not have (0 means none).
    void define(StylePath path, StyleData initialValue, bool namesVariable = false);
    /// Whether the host knows the setting.
    bool isDefined(StylePath const& path) const;
    /// Null when the setting is unknown.
    std::optional<StyleData> value(StyleKey const& key) const;
    /// Every instance of every setting the host knows, with its current value, in key order.
    std::vector<StyleEntry> entries() const;

    /// How the host answers writes to the setting from now on, whatever its offsets.
    void setRule(StylePath const& path, StyleRule rule);
    /// Every setting accepts writes again.
    void clearRules();

    /// A change the host makes itself (a person editing the style elsewhere): no rules apply.
    void change(StyleKey const& key, StyleData value);

    /// Every write asked through the C interface since the last reset() or clearWrites(), oldest first.
    std::vector<StyleWrite> const& writes() const { return m_writes; }
    /// Forgets the recorded writes.
    void clearWrites() { m_writes.clear(); }

    /// Undo steps nest; the outermost end closes the step, and only a step that changed
    /// something can be undone.
    void beginStep();
    /// Closes one level; the outermost one closes the step, which is kept for undo when `record` is set
    /// and it changed something.
    void endStep(bool record);
    /// How many levels of undo step are open.
    int openDepth() const { return m_depth; }
    /// How many outermost steps were closed.
    int completedSteps() const { return m_completedSteps; }
    /// Whether a step can be undone.
    bool canUndo() const { return !m_history.empty(); }
    /// The number of the step undoLastStep() would undo; 0 when there is none.
    int lastStepId() const { return m_history.empty() ? 0 : m_history.back().id; }
    /// Restores what the last step replaced; false when there is nothing to undo or a step is open.
    bool undoLastStep();

    /// The host's side of StyleValue's get and set.
    GetValueReturnCode_e get(toolbox::ArgList& args);
    /// The host's side of a write: applies the setting's rule, records the write and stores and
    /// announces an accepted value inside the open undo step.
    SetValueReturnCode_e set(toolbox::ArgList const& args);

private:
    struct Setting
    {
        StyleData initialValue;
        bool namesVariable = false;
    };
    struct Instance
    {
        StyleData value;
        int lastStep = 0;
    };
    struct Replaced
    {
        StyleKey key;
        std::optional<Instance> previous;
    };
    struct Step
    {
        int id = 0;
        std::vector<Replaced> replaced;
    };

    void defineHostSettings();
    /// Stores value under key inside the open step (or one of its own) and announces it.
    int store(StyleKey const& key, StyleData value);
    std::string refuseValue(Setting const& setting, StylePath const& path, StyleData const& value) const;

    std::map<StylePath, Setting> m_settings;
    std::map<StyleKey, Instance> m_instances;
    std::map<StylePath, StyleRule> m_rules;
    std::vector<StyleWrite> m_writes;
    std::vector<Step> m_history;
    std::optional<Step> m_openStep;
    int m_depth = 0;
    int m_completedSteps = 0;
    int m_nextStepId = 1;
};

/// A style value as a person reads it: "3", "0.25", "true", "\"Helvetica\"".
QUARLIN_HOST_EXPORT std::string styleDataText(StyleData const& value);

} // namespace quarlin::host
