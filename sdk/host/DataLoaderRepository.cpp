#include "sdk/host/DataLoaderRepository.h"

#include <algorithm>
#include <cctype>

namespace quarlin::sdk {

namespace {

bool sameExtension(std::string const& a, std::string const& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x))
                      == std::tolower(static_cast<unsigned char>(y));
           });
}

} // namespace

DataLoaderInterface::~DataLoaderInterface() = default;

bool DataLoaderInterface::claims(std::string const& extension) const
{
    auto const claimed = extensions();
    return std::any_of(claimed.begin(), claimed.end(),
                       [&extension](std::string const& e) { return sameExtension(e, extension); });
}

DataLoaderRepository& DataLoaderRepository::getInstance()
{
    static DataLoaderRepository repository;
    return repository;
}

std::vector<boost::shared_ptr<DataLoaderInterface>> DataLoaderRepository::dataLoaderInterfaces(bool) const
{
    return m_loaders;
}

void DataLoaderRepository::registerLoader(boost::shared_ptr<DataLoaderInterface> loader)
{
    if (loader)
        m_loaders.push_back(std::move(loader));
}

void DataLoaderRepository::clear()
{
    m_loaders.clear();
}

std::vector<boost::shared_ptr<DataLoaderInterface>>
DataLoaderRepository::loadersFor(std::string const& extension) const
{
    std::vector<boost::shared_ptr<DataLoaderInterface>> found;
    for (auto const& loader : m_loaders)
        if (loader->claims(extension))
            found.push_back(loader);
    return found;
}

} // namespace quarlin::sdk
