#pragma once

#include "sdk/propertybase/ValidationResult.h"

namespace quarlin {

/// Says whether a value may become a property's value. Validators hold no per-property state, so
/// one validator can be shared by many properties.
template <class T>
class ValidatorInterface
{
public:
    /// Whether `value` is acceptable, and if not, the message a person reads. Must not throw.
    virtual ValidationResult validate(T const& value) const = 0;
    virtual ~ValidatorInterface() = default;
};

} // namespace quarlin
