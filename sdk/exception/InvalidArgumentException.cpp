#include "sdk/exception/InvalidArgumentException.h"

namespace quarlin {

InvalidArgumentException::InvalidArgumentException(std::string message)
    : ExceptionBase(std::move(message))
{}

// Out of line, so the type's identity lives in this library and a catch in any module matches.
InvalidArgumentException::~InvalidArgumentException() = default;

} // namespace quarlin
