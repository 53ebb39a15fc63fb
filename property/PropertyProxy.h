#pragma once

#include "property/PropertyAbstract.h"

#include <boost/signals2/connection.hpp>

namespace quarlin {

/// A property whose value lives in a target property that can be exchanged while bindings stay
/// bound to the proxy. Changes of the current target reach the proxy's listeners; re-pointing
/// announces the target's value when it differs from the old one. A write through the proxy is
/// announced twice: by the target, and by the proxy once the target took it.
template <class T>
class PropertyProxy : public PropertyAbstract<T>
{
public:
    /// Throws InvalidArgumentException for a null target or validator.
    PropertyProxy(boost::shared_ptr<PropertyAbstract<T>> target,
                  boost::shared_ptr<ValidatorInterface<T> const> validator);
    ~PropertyProxy() override;

    /// Throws InvalidArgumentException for a null target, and keeps the current one.
    void setProxiedProperty(boost::shared_ptr<PropertyAbstract<T>> newTarget);
    /// The property reads and writes go to; never null.
    boost::shared_ptr<PropertyAbstract<T>> const& proxiedProperty() const { return target; }

protected:
    void storeValue(T const& value) override;
    T storedValue() const override;

private:
    void follow(boost::shared_ptr<PropertyAbstract<T>> newTarget);

    boost::signals2::scoped_connection targetConnection;
    boost::shared_ptr<PropertyAbstract<T>> target;
};

template <class T>
PropertyProxy<T>::PropertyProxy(boost::shared_ptr<PropertyAbstract<T>> newTarget,
                                boost::shared_ptr<ValidatorInterface<T> const> validator)
    : PropertyAbstract<T>(std::move(validator))
{
    follow(std::move(newTarget));
}

template <class T>
PropertyProxy<T>::~PropertyProxy() = default;

template <class T>
void PropertyProxy<T>::follow(boost::shared_ptr<PropertyAbstract<T>> newTarget)
{
    if (!newTarget)
        throw InvalidArgumentException("A property proxy needs a property to stand for.");
    targetConnection = newTarget->connectToValueChangedSignal(
        [this](T const& value) { this->emitValueChangedSignal(value); });
    target = std::move(newTarget);
}

template <class T>
void PropertyProxy<T>::setProxiedProperty(boost::shared_ptr<PropertyAbstract<T>> newTarget)
{
    if (newTarget == target)
        return;
    T const before = target->value();
    follow(std::move(newTarget));
    T const now = target->value();
    if (!detail::propertyValuesEqual(now, before))
        this->emitValueChangedSignal(now);
}

template <class T>
void PropertyProxy<T>::storeValue(T const& value)
{
    target->setValue(value);
}

template <class T>
T PropertyProxy<T>::storedValue() const
{
    return target->value();
}

} // namespace quarlin
