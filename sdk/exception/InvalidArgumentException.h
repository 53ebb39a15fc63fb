#pragma once

#include "sdk/exception/ExceptionBase.h"

namespace quarlin {

/// Text that cannot be converted to the type a property holds.
class QUARLIN_PROMPT_EXPORT InvalidArgumentException : public ExceptionBase
{
public:
    /// Carries `message`, in UTF-8.
    explicit InvalidArgumentException(std::string message);
    ~InvalidArgumentException() override;
};

} // namespace quarlin
