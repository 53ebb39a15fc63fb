#pragma once

#include "property/PropertyAbstract.h"

namespace quarlin {

/// A property that keeps its value in memory.
template <class T>
class Property : public PropertyAbstract<T>
{
public:
    using typename PropertyAbstract<T>::ValidatorPtr;

    /// A value-initialised value (0, false, empty) and a validator that accepts anything.
    Property()
        : m_value()
    {}

    /// Starts at initialValue as it is: not validated, not announced.
    explicit Property(T const& initialValue)
        : m_value(initialValue)
    {}

    /// Starts at initialValue, which the validator must accept: otherwise the construction throws
    /// InvalidPropertyValueException with the validator's message. Nothing is announced.
    Property(T const& initialValue, ValidatorPtr validator)
        : PropertyAbstract<T>(std::move(validator))
        , m_value(initialValue)
    {
        PropertyAbstract<T>::validate(initialValue);
    }

    using PropertyAbstract<T>::operator=;
    /// Goes through setValue like any other assignment; the implicit one would copy the member.
    Property& operator=(Property const& other)
    {
        PropertyAbstract<T>::operator=(other);
        return *this;
    }

protected:
    /// Same equality as the base, without copying the held value to compare it.
    bool isEqual(T const& value) const override { return detail::propertyValuesEqual(value, m_value); }
    void storeValue(T const& value) override { m_value = value; }
    T storedValue() const override { return m_value; }

private:
    T m_value;
};

} // namespace quarlin
