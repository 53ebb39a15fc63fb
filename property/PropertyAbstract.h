#pragma once

#include "property/AllowAnyValueValidator.h"
#include "quarlin_prompt_export.h"
#include "sdk/exception/InvalidArgumentException.h"
#include "sdk/exception/InvalidPropertyValueException.h"
#include "sdk/host/HostEnums.h"
#include "sdk/host/Platform.h"
#include "sdk/propertybase/PropertyItemInterface.h"
#include "sdk/signals/Lifetime.h"

#include <boost/bind/bind.hpp>
#include <boost/make_shared.hpp>
#include <boost/shared_ptr.hpp>
#include <boost/signals2/signal.hpp>

#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace quarlin {

namespace detail {

/// Counts the live slots of a signal without asking the signal, which would take its mutex:
/// signals2 drops a slot's function when the slot is disconnected (or goes with the signal), and
/// the function given to the signal holds the count's share for its slot.
class LiveSlotCount
{
public:
    bool none() const { return *m_count == 0; }

    /// The slot function to connect in place of `function`: the same call, counted while it lives.
    /// One small shared block, so the signal keeps it in place rather than on the heap.
    template <class Function>
    Function counted(Function function) const
    {
        auto const share = std::make_shared<Share<Function>>(std::move(function), m_count);
        return [share](auto const&... args) { share->function(args...); };
    }

private:
    template <class Function>
    struct Share
    {
        Share(Function f, std::shared_ptr<std::size_t> c)
            : function(std::move(f))
            , count(std::move(c))
        {
            ++*count;
        }
        ~Share() { --*count; }
        Share(Share const&) = delete;
        Share& operator=(Share const&) = delete;
        Function function;
        std::shared_ptr<std::size_t> count;
    };

    /// Shared with the slots, which may outlive the property inside a signal being torn down.
    std::shared_ptr<std::size_t> m_count = std::make_shared<std::size_t>(0);
};

} // namespace detail

/// A typed, observable value. Where the value lives is a derived class's business (memory, the
/// host's style settings, another property); this class fixes what a change means:
///
///   setValue(v): the validator must accept v, or InvalidPropertyValueException carries its
///   message and nothing changes; an equal value is ignored; otherwise the value is stored, read
///   back, and ValueChanged announces what the property now holds (a derived store may adjust v).
///
/// PropertyChanged, the untyped signal of the base, fires with every ValueChanged, but only while
/// something listens to it: its relay is the first slot of ValueChanged while untyped listeners
/// exist, and is not connected otherwise, so a property nobody listens to untyped costs no more
/// than the signal it wraps (each slot costs a lock on every change). An exception thrown by a listener
/// leaves setValue after the value was stored. Properties belong to the user-interface thread: setValue takes
/// no lock.
template <class T>
class PropertyAbstract : public PropertyItemInterface
{
public:
    /// Carries what the property holds after a change.
    using ValueChangedSignal = boost::signals2::signal<void(T const&)>;
    /// The validator, shared: several properties may use one.
    using ValidatorPtr = boost::shared_ptr<ValidatorInterface<T> const>;

    /// Accepts any value (AllowAnyValueValidator).
    PropertyAbstract();
    /// Throws InvalidArgumentException for a null validator: a property always has one.
    explicit PropertyAbstract(ValidatorPtr validator);
    ~PropertyAbstract() override;

    /// What the property holds now, read from wherever it keeps it.
    T value() const { return storedValue(); }
    /// Same as value().
    operator T() const { return storedValue(); }

    /// Sets the value. Throws InvalidPropertyValueException, with the validator's message, when the
    /// validator refuses `value`; the property keeps its value then. A value equal to the current one
    /// is ignored. Otherwise it is stored, read back and announced through ValueChanged (and the
    /// untyped PropertyChanged); a listener's exception leaves setValue after the value was stored.
    void setValue(T const& value);
    /// Same as setValue().
    void operator=(T const& value) { setValue(value); }
    /// Applies other's value as setValue does; validator, signals and listeners stay this one's.
    PropertyAbstract& operator=(PropertyAbstract const& other);

    /// The validator setValue() asks; never null.
    ValidatorPtr validator() const { return m_validator; }

    boost::signals2::connection
    /// Connects `slot` to the typed change signal; the caller owns the connection. The slot is called
    /// with the new value after each change, synchronously, on the thread that changed the property.
    connectToValueChangedSignal(typename ValueChangedSignal::slot_type const& slot,
                                boost::signals2::connect_position position = boost::signals2::at_back) const
    {
        typename ValueChangedSignal::slot_type counted(slot);
        counted.slot_function() = m_typedSlots.counted(slot.slot_function());
        boost::signals2::connection connection = ValueChanged.connect(counted, position);
        signalValueChangedConnected();
        return connection;
    }

    // The virtual operations, in the order of the virtual table that hosts' subclasses expect.
private:
    virtual void signalValueChangedConnected() const;

protected:
    /// Keeps `value`, which the validator accepted and which differs from the current one. A store that
    /// reaches the host may throw; the value is then not announced.
    virtual void storeValue(T const& value) = 0;
    /// Whether `value` equals what the property holds (then setValue does nothing); compares with ==.
    virtual bool isEqual(T const& value) const;
    /// Throws InvalidPropertyValueException with the validator's message when value is refused.
    virtual void validate(T const& value) const;
    /// What the property holds; value() returns it.
    virtual T storedValue() const = 0;
    /// Announces what the property holds now. setValue calls it after a store; a property whose
    /// value changes behind its back (a host setting) calls it when it notices.
    virtual void emitValueChangedSignal(T const& value) const;

    /// Slots connected to ValueChanged, the untyped relay included.
    std::size_t valueChangedSlotCount() const { return ValueChanged.num_slots(); }

    /// A store may reach the host, which may answer by closing the window that owns this property:
    /// a store watches the property's lifetime and touches nothing of it once it is gone.
    Lifetime::Watch watchLifetime() const { return m_lifetime.watch(); }

private:
    void callBaseClassSignalIfThereAreListeners() const;
    static void connectRelay(PropertyItemInterface const& property);

    mutable ValueChangedSignal ValueChanged;
    ValidatorPtr m_validator; ///< shared with whoever built it; never null
    mutable boost::signals2::scoped_connection m_baseClassSignalConnection;
    /// An announcement nobody hears costs no signal emission, whose mutex and shared state cost
    /// several times a plain store.
    detail::LiveSlotCount m_typedSlots;    ///< connected through connectToValueChangedSignal
    mutable bool m_relayConnected = false; ///< the untyped relay, which is not counted there
    Lifetime m_lifetime;
};

template <class T>
PropertyAbstract<T>::PropertyAbstract()
    : m_validator(boost::make_shared<AllowAnyValueValidator<T>>())
{
    setListenerAddedHandler(&PropertyAbstract::connectRelay);
}

template <class T>
PropertyAbstract<T>::PropertyAbstract(ValidatorPtr validator)
    : m_validator(std::move(validator))
{
    if (!m_validator)
        throw InvalidArgumentException("A property cannot be built without a validator.");
    setListenerAddedHandler(&PropertyAbstract::connectRelay);
}

template <class T>
PropertyAbstract<T>::~PropertyAbstract() = default;

template <class T>
void PropertyAbstract<T>::connectRelay(PropertyItemInterface const& item)
{
    // At the front, so untyped listeners hear of a change before typed ones.
    auto const& property = static_cast<PropertyAbstract const&>(item);
    if (!property.m_relayConnected) {
        property.m_baseClassSignalConnection = property.ValueChanged.connect(
            boost::bind(&PropertyAbstract::callBaseClassSignalIfThereAreListeners, &property),
            boost::signals2::at_front);
        property.m_relayConnected = true;
    }
}

template <class T>
void PropertyAbstract<T>::setValue(T const& value)
{
    validate(value);
    if (isEqual(value))
        return;
    auto const alive = watchLifetime();
    storeValue(value);
    if (alive) // else the host closed the window that owned this property in answer to the store
        emitValueChangedSignal(storedValue());
}

template <class T>
PropertyAbstract<T>& PropertyAbstract<T>::operator=(PropertyAbstract const& other)
{
    setValue(other.value());
    return *this;
}

template <class T>
void PropertyAbstract<T>::validate(T const& value) const
{
    ValidationResult const result = m_validator->validate(value);
    if (!result.isValid())
        throw InvalidPropertyValueException(result.errorString());
}

namespace detail {

template <class T>
bool propertyValuesEqual(T const& a, T const& b)
{
    return a == b;
}

/// Doubles compare exactly, except that NaN equals NaN. A tolerance would swallow small but real
/// edits (a spin box step of 1e-9 on a data range of 1e-8) and is not transitive, so a chain of
/// small changes could drift without a single signal; NaN must equal itself or setting NaN twice
/// would announce a change each time, and a binding that echoes the value would never settle.
QUARLIN_PROMPT_EXPORT bool propertyValuesEqual(double a, double b);

} // namespace detail

template <class T>
bool PropertyAbstract<T>::isEqual(T const& value) const
{
    return detail::propertyValuesEqual(value, storedValue());
}

template <class T>
void PropertyAbstract<T>::signalValueChangedConnected() const
{}

template <class T>
void PropertyAbstract<T>::emitValueChangedSignal(T const& value) const
{
    if (m_relayConnected || !m_typedSlots.none())
        ValueChanged(value);
}

template <class T>
void PropertyAbstract<T>::callBaseClassSignalIfThereAreListeners() const
{
    if (hasPropertyChangedListeners())
        emitPropertyChanged();
    else {
        m_baseClassSignalConnection.disconnect(); // the last untyped listener left
        m_relayConnected = false;
    }
}

/// Compiled once in the library, exported with their virtual tables.
extern template class QUARLIN_PROMPT_EXPORT PropertyAbstract<int>;
extern template class QUARLIN_PROMPT_EXPORT PropertyAbstract<bool>;
extern template class QUARLIN_PROMPT_EXPORT PropertyAbstract<std::string>;
extern template class QUARLIN_PROMPT_EXPORT PropertyAbstract<RGBMode_e>;
extern template class QUARLIN_PROMPT_EXPORT PropertyAbstract<double>;

} // namespace quarlin
