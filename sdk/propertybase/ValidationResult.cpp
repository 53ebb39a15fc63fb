#include "sdk/propertybase/ValidationResult.h"

namespace quarlin {

void ValidationResult::setErrorString(std::string errorString)
{
    m_valid = false;
    m_errorString = std::move(errorString);
}

} // namespace quarlin
