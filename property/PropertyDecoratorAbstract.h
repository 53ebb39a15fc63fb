#pragma once

#include "property/PropertyAbstract.h"

#include <boost/signals2/connection.hpp>

namespace quarlin {

/// A property that shows another one transformed: the derived class says how a written value
/// reaches the decorated property (storeValue) and how the decorated value reads (storedValue).
/// A change of the decorated property is announced with the transformed value.
template <class T>
class PropertyDecoratorAbstract : public PropertyAbstract<T>
{
public:
    /// Throws InvalidArgumentException for a null decorated property.
    explicit PropertyDecoratorAbstract(boost::shared_ptr<PropertyAbstract<T>> decorated);
    ~PropertyDecoratorAbstract() override;

protected:
    boost::shared_ptr<PropertyAbstract<T>> decorated; ///< never null

private:
    boost::signals2::scoped_connection decoratedConnection;
};

template <class T>
PropertyDecoratorAbstract<T>::PropertyDecoratorAbstract(
    boost::shared_ptr<PropertyAbstract<T>> decoratedProperty)
    : decorated(std::move(decoratedProperty))
{
    if (!decorated)
        throw InvalidArgumentException("A property decorator needs a property to decorate.");
    decoratedConnection = decorated->connectToValueChangedSignal(
        [this](T const&) { this->emitValueChangedSignal(this->value()); });
}

template <class T>
PropertyDecoratorAbstract<T>::~PropertyDecoratorAbstract() = default;

} // namespace quarlin
