#pragma once

#include "property/ValidatorInterface.h"

namespace quarlin {

/// The validator of a property that was given none: every value is acceptable.
template <class T>
class AllowAnyValueValidator : public virtual ValidatorInterface<T>
{
public:
    /// Accepts every value.
    ValidationResult validate(T const&) const override { return ValidationResult(); }
};

} // namespace quarlin
