#include "prompt/EnterThreeIntValuesPropertiesManager_p.h"

#include <boost/make_shared.hpp>

namespace quarlin::dialogs::prompt {

class EnterThreeIntValuesPropertiesManager::Impl
{
public:
    Impl(__int64 first, __int64 second, __int64 third)
        : value1(boost::make_shared<Property<__int64>>(first))
        , value2(boost::make_shared<Property<__int64>>(second))
        , value3(boost::make_shared<Property<__int64>>(third))
    {}

    boost::shared_ptr<Property<__int64>> value1;
    boost::shared_ptr<Property<__int64>> value2;
    boost::shared_ptr<Property<__int64>> value3;
};

EnterThreeIntValuesPropertiesManager::EnterThreeIntValuesPropertiesManager(__int64 value1, __int64 value2,
                                                                           __int64 value3)
    : m_impl(std::make_unique<Impl>(value1, value2, value3))
{}

EnterThreeIntValuesPropertiesManager::~EnterThreeIntValuesPropertiesManager() = default;

boost::shared_ptr<Property<__int64>> const& EnterThreeIntValuesPropertiesManager::value1() const
{
    return m_impl->value1;
}

boost::shared_ptr<Property<__int64>> const& EnterThreeIntValuesPropertiesManager::value2() const
{
    return m_impl->value2;
}

boost::shared_ptr<Property<__int64>> const& EnterThreeIntValuesPropertiesManager::value3() const
{
    return m_impl->value3;
}

} // namespace quarlin::dialogs::prompt
