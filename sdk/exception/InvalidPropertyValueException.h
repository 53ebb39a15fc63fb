#pragma once

#include "sdk/exception/ExceptionBase.h"

namespace quarlin {

/// A value that a property's validator, or the host behind a property, refused.
class QUARLIN_PROMPT_EXPORT InvalidPropertyValueException : public ExceptionBase
{
public:
    /// Carries `message`, the validator's or the host's, in UTF-8.
    explicit InvalidPropertyValueException(std::string message);
    ~InvalidPropertyValueException() override;
};

} // namespace quarlin
