#include "sdk/host/ArgList.h"

namespace quarlin::toolbox {

void ArgList::append(std::string const& name, Value value)
{
    for (auto& argument : m_arguments) {
        if (argument.first == name) {
            argument.second = std::move(value);
            return;
        }
    }
    m_arguments.emplace_back(name, std::move(value));
}

ArgList::Value const* ArgList::find(std::string const& name) const
{
    for (auto const& argument : m_arguments)
        if (argument.first == name)
            return &argument.second;
    return nullptr;
}

} // namespace quarlin::toolbox
