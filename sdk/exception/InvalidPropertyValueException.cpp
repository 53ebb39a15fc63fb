#include "sdk/exception/InvalidPropertyValueException.h"

namespace quarlin {

InvalidPropertyValueException::InvalidPropertyValueException(std::string message)
    : ExceptionBase(std::move(message))
{}

// Out of line, so the type's identity lives in this library and a catch in any module matches.
InvalidPropertyValueException::~InvalidPropertyValueException() = default;

} // namespace quarlin
