#pragma once

#include "testsupport/RefusingValidator.h"

#include <string>

namespace quarlin::test {

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
