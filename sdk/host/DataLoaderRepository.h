#pragma once

#include "quarlin_host_export.h"

#include <boost/shared_ptr.hpp>

#include <string>
#include <vector>

/// The host's own data set, which a loader fills; the host defines it.
namespace quarlin::host {
struct DataSet;
}

namespace quarlin::sdk {

/// A data loader the host knows: its name (first in the virtual table, as hosts' loaders have
/// it), the file extensions it claims (with their dot: ".csv") and the loading itself.
class QUARLIN_HOST_EXPORT DataLoaderInterface
{
public:
    /// The loader's name as a person sees it, in UTF-8; loaders are told apart by it.
    virtual std::string name() const = 0;
    virtual ~DataLoaderInterface();
    /// The file extensions the loader claims, with their dot (".csv").
    virtual std::vector<std::string> extensions() const = 0;
    /// Reads the file into a data set; false, with a message for a person, when it cannot.
    virtual bool load(std::string const& fileName, host::DataSet& dataSet, std::string& error) const = 0;

    /// Whether the loader claims the extension; extensions compare without regard to case.
    bool claims(std::string const& extension) const;
};

/// The loaders the host has registered, in registration order.
class QUARLIN_HOST_EXPORT DataLoaderRepository
{
public:
    /// The host's registry, empty until loaders are registered.
    static DataLoaderRepository& getInstance();

    /// includeHidden: also loaders that are not offered to a person (none in this host).
    std::vector<boost::shared_ptr<DataLoaderInterface>> dataLoaderInterfaces(bool includeHidden) const;
    /// Adds a loader after those registered before; a null loader is ignored.
    void registerLoader(boost::shared_ptr<DataLoaderInterface> loader);
    /// Forgets every loader.
    void clear();
    /// The loaders claiming the extension.
    std::vector<boost::shared_ptr<DataLoaderInterface>> loadersFor(std::string const& extension) const;

    DataLoaderRepository(DataLoaderRepository const&) = delete;
    DataLoaderRepository& operator=(DataLoaderRepository const&) = delete;

private:
    DataLoaderRepository() = default;
    std::vector<boost::shared_ptr<DataLoaderInterface>> m_loaders;
};

} // namespace quarlin::sdk
