#pragma once

#include "property/Property.h"

#include <boost/shared_ptr.hpp>

#include <memory>

namespace quarlin::dialogs::prompt {

// The three values of the three-value prompt, each in its own property, in order. Initial
// values are taken as they are (no validation, no signal); every value is acceptable.
class EnterThreeIntValuesPropertiesManager
{
public:
    EnterThreeIntValuesPropertiesManager(__int64 value1, __int64 value2, __int64 value3);
    virtual ~EnterThreeIntValuesPropertiesManager();
    EnterThreeIntValuesPropertiesManager(EnterThreeIntValuesPropertiesManager const&) = delete;
    EnterThreeIntValuesPropertiesManager& operator=(EnterThreeIntValuesPropertiesManager const&) = delete;

    boost::shared_ptr<Property<__int64>> const& value1() const;
    boost::shared_ptr<Property<__int64>> const& value2() const;
    boost::shared_ptr<Property<__int64>> const& value3() const;

private:
    class Impl;
    std::unique_ptr<Impl> m_impl; // owned
};

} // namespace quarlin::dialogs::prompt
