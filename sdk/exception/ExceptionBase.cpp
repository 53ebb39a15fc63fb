#include "sdk/exception/ExceptionBase.h"

namespace quarlin {

ExceptionBase::ExceptionBase(std::string message)
    : m_message(std::move(message))
{}

ExceptionBase::~ExceptionBase() = default;

char const* ExceptionBase::what() const noexcept
{
    return m_message.c_str();
}

} // namespace quarlin
