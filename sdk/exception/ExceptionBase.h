#pragma once

#include "quarlin_prompt_export.h"

#include <exception>
#include <string>

namespace quarlin {

/// Base of every exception the property model throws; the message is meant for a person and is
/// shown as it stands.
class QUARLIN_PROMPT_EXPORT ExceptionBase : public std::exception
{
public:
    /// An exception carrying `message`, in UTF-8, for a person to read.
    explicit ExceptionBase(std::string message);
    ~ExceptionBase() override;

    /// The message, as a C string that lives as long as the exception.
    char const* what() const noexcept override;
    /// The message, in UTF-8.
    std::string const& message() const noexcept { return m_message; }

private:
    std::string m_message;
};

} // namespace quarlin
