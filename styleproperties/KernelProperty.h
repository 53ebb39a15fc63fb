#pragma once

#include "sdk/exception/ExceptionBoundary.h"
#include "sdk/exception/InvalidPropertyValueException.h"
#include "sdk/host/QrnUtil.h"
#include "sdk/host/StateChangeEvent.h"
#include "sdk/host/StyleValue.h"
#include "sdk/signals/ScopedExitAction.h"
#include "sdk/signals/SignalConnectionCollection.h"
#include "styleproperties/KernelPropertyAbstract.h"
#include "styleproperties/StyleValueAccess.h"

#include <cstdint>
#include <string>
#include <type_traits>

namespace quarlin::sdk::styleproperties {

/// A kernel property that writes through: every accepted setValue goes to the host at once, and
/// every read asks the host. The last value seen is cached; a read that finds the host changed it
/// announces the new value.
///
/// - setValue writes only what differs from the host's current value, except after a write the
///   host answered with code 15 (taken, not applied), when the next setValue writes regardless.
/// - A write the host refuses throws InvalidPropertyValueException with the host's error text
///   ("Unknown error" when it gives none); the property keeps its value.
/// - It follows the host's state changes only while someone listens to it, with one subscription
///   however many listen: it subscribes when the first listener connects (who gets no signal for
///   the refresh that brings the cache up to date) and unsubscribes at the first state change
///   after the last listener left.
/// - Its own writes do not come back to it through the host's notification.
/// - A read repeats no host call while the host has announced no state change since the last
///   one (the host announces every change before anyone can see it), so reading a property
///   costs about what reading a plain one does.
template <class T>
class KernelProperty : public KernelPropertyAbstract<T>
{
public:
    /// Reads the setting at once: the host must be ready for style reads.
    explicit KernelProperty(toolbox::StyleValue const& styleValue);
    ~KernelProperty() override;

private:
    void signalValueChangedConnected() const override;

protected:
    void storeValue(T const& value) override;
    bool isEqual(T const& value) const override;
    T storedValue() const override;

public:
    void setOffsets(__int64 offset1, __int64 offset2) override;

private:
    void onStateChange(toolbox::StateChangeEventInterface const& event) const;
    void refresh() const;
    T readHost() const;

    mutable T m_cachedValue;
    toolbox::CheckedStyleValue m_styleValue;
    __int64 m_offset1 = -1;
    __int64 m_offset2 = -1;
    mutable bool m_forceNextStore = false;
    mutable bool m_notifyOnRefresh = true;
    mutable SignalConnectionCollection m_stateChangeConnections;
    toolbox::StateChangeEventObservable const& m_hostEvents;
    /// The host's event count when the cache was last current, or staleCache: one comparison
    /// tells a current cache from a stale one.
    static constexpr std::uint64_t staleCache = ~std::uint64_t(0);
    mutable std::uint64_t m_cacheCurrentAtEvent = staleCache;
};

template <class T>
KernelProperty<T>::KernelProperty(toolbox::StyleValue const& styleValue)
    : m_cachedValue()
    , m_styleValue(styleValue)
    , m_hostEvents(toolbox::StateChangeEventObservable::getInstance())
{
    m_cachedValue = storedValue();
}

template <class T>
KernelProperty<T>::~KernelProperty() = default;

template <class T>
void KernelProperty<T>::signalValueChangedConnected() const
{
    if (this->valueChangedSlotCount() == 1) {
        // The first listener starts from the host's value without hearing about it.
        bool const notify = m_notifyOnRefresh;
        m_notifyOnRefresh = false;
        ScopedExitAction const restore([this, notify] { m_notifyOnRefresh = notify; });
        storedValue();
    }
    // One subscription serves every listener.
    if (m_stateChangeConnections.size() == 0)
        m_stateChangeConnections.add(toolbox::StateChangeEventObservable::getInstance().connectStateChanged(
            [this](toolbox::StateChangeEventInterface const& event) { onStateChange(event); }));
}

template <class T>
void KernelProperty<T>::storeValue(T const& value)
{
    SetValueReturnCode_e code;
    m_cacheCurrentAtEvent = staleCache; // the host may keep another value than the one written
    // The host may answer the write by closing the window that owns this property; the blocker
    // outlives the connections it blocks.
    auto const alive = this->watchLifetime();
    {
        SignalConnectionCollection::ConnectionBlocker const quiet(m_stateChangeConnections);
        code = writeStyleValue(m_styleValue, value, m_offset1, m_offset2);
        if (alive && code == SetValue_Ok)
            m_cachedValue = value;
    }
    if (alive)
        m_forceNextStore = code == SetValue_Deferred;
    if (code == SetValue_Deferred || toolbox::StyleValue::returnCodeOk(code))
        return;
    std::string message = "Unknown error";
    if (char* text = QrnUtilStyleGetLastErrorString()) {
        message = text;
        QrnUtilStringDealloc(&text);
    }
    throw InvalidPropertyValueException(message);
}

template <class T>
bool KernelProperty<T>::isEqual(T const& value) const
{
    if (m_forceNextStore)
        return false;
    return detail::propertyValuesEqual(value, storedValue());
}

template <class T>
T KernelProperty<T>::storedValue() const
{
    if (m_hostEvents.eventCount() == m_cacheCurrentAtEvent)
        return m_cachedValue;
    return readHost();
}

/// Out of line from storedValue, so that a read of a current value stays a few instructions.
template <class T>
[[gnu::noinline]] T KernelProperty<T>::readHost() const
{
    std::uint64_t const now = m_hostEvents.eventCount();
    T read = m_cachedValue;
    GetValueReturnCode_e const code = readStyleValue(m_styleValue, read, m_offset1, m_offset2);
    bool const current = toolbox::StyleValue::returnCodeOk(code) && m_hostEvents.eventCount() == now;
    m_cacheCurrentAtEvent = current ? now : staleCache;
    if (toolbox::StyleValue::returnCodeOk(code) && !detail::propertyValuesEqual(read, m_cachedValue)) {
        m_cachedValue = read;
        if (m_notifyOnRefresh)
            this->emitValueChangedSignal(m_cachedValue);
    }
    return m_cachedValue;
}

template <class T>
void KernelProperty<T>::setOffsets(__int64 offset1, __int64 offset2)
{
    m_offset1 = offset1;
    m_offset2 = offset2;
    m_cacheCurrentAtEvent = staleCache;
    refresh();
}

template <class T>
void KernelProperty<T>::refresh() const
{
    if constexpr (std::is_same_v<T, double>)
        this->value();
    else
        storedValue();
}

template <class T>
void KernelProperty<T>::onStateChange(toolbox::StateChangeEventInterface const& event) const
{
    // Called from the host's notification loop: a listener's exception must not cut it short.
    runAtBoundary([&] {
        if (this->valueChangedSlotCount() == 0 || event.kind() == StateChange_StyleReset) {
            m_stateChangeConnections.clear();
            return;
        }
        refresh();
    });
}

extern template class QUARLIN_PROMPT_EXPORT KernelProperty<int>;
extern template class QUARLIN_PROMPT_EXPORT KernelProperty<double>;
extern template class QUARLIN_PROMPT_EXPORT KernelProperty<RGBMode_e>;
extern template class QUARLIN_PROMPT_EXPORT KernelProperty<bool>;
extern template class QUARLIN_PROMPT_EXPORT KernelProperty<std::string>;

} // namespace quarlin::sdk::styleproperties
