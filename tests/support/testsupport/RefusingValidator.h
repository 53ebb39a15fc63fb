#pragma once

#include "property/ValidatorInterface.h"

#include <boost/function.hpp>

#include <string>
#include <utility>

namespace quarlin {

// A validator from a rule: refuses the values the rule names, with one message for all. For
// the common case of a property with one simple constraint, without a class of its own.
template <class T>
class RefusingValidator : public virtual ValidatorInterface<T>
{
public:
    RefusingValidator(boost::function<bool(T const&)> refuses, std::string message)
        : m_refuses(std::move(refuses))
        , m_message(std::move(message))
    {}

    ValidationResult validate(T const& value) const override
    {
        ValidationResult result;
        if (m_refuses(value))
            result.setErrorString(m_message);
        return result;
    }

private:
    boost::function<bool(T const&)> m_refuses;
    std::string m_message;
};

} // namespace quarlin
