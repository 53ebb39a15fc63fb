#pragma once

#include "quarlin_prompt_export.h"

#include <string>

namespace quarlin {

/// What a validator says of a value: valid unless an error text was set.
class QUARLIN_PROMPT_EXPORT ValidationResult
{
public:
    ValidationResult() = default;

    /// Makes the result invalid; the text is what the person will read.
    void setErrorString(std::string errorString);
    /// Whether the value was accepted.
    bool isValid() const { return m_valid; }
    /// Why the value was refused, in UTF-8; empty when it was accepted.
    std::string const& errorString() const { return m_errorString; }

private:
    bool m_valid = true;
    std::string m_errorString;
};

} // namespace quarlin
