#pragma once

#include "property/ValidatorInterface.h"

#include <boost/function.hpp>

#include <string>
#include <utility>

namespace quarlin::test {

// Refuses the values a rule names, with one message for all.
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

// Refuses whole numbers above a limit, with a message that names the limit and the value.
class AtMost : public ValidatorInterface<int>
{
public:
    explicit AtMost(int limit)
        : m_limit(limit)
    {}
    ValidationResult validate(int const& value) const override
    {
        ValidationResult result;
        if (value > m_limit)
            result.setErrorString("Value " + std::to_string(value) + " is above " + std::to_string(m_limit)
                                  + ".");
        return result;
    }

private:
    int m_limit;
};

} // namespace quarlin::test
