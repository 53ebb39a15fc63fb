#pragma once

#include "quarlin_host_export.h"

#include <memory>
#include <string>
#include <vector>

namespace quarlin::sdk {

/// The host's application settings: texts under texts, kept from one run to the next in an INI
/// file. Any key is stored and read back exactly, whatever characters it holds ("/", "\",
/// "General", "CSV" beside "csv", the empty text...): keys are encoded so that every distinct
/// text stays a distinct entry. A write that cannot reach the file is reported once through the
/// host's message box; the value is still remembered for this run.
class QUARLIN_HOST_EXPORT ApplicationSettings
{
public:
    /// The host's settings, read from their file on first use.
    static ApplicationSettings& getInstance();

    /// Empty when the key was never deposited (or was removed).
    std::string getStringValue(std::string const& key) const;
    /// Stores `value` under `key` and writes the file.
    void depositValue(std::string const& key, std::string const& value);
    /// Forgets `key`; reading it gives the empty text again. An unknown key is ignored.
    void removeValue(std::string const& key);
    /// Every key holding a value, in byte order.
    std::vector<std::string> keys() const;

    /// The INI file used; by default "quarlin-host.ini" in the user's configuration folder.
    /// Setting another file (tests, a portable installation) rereads from it.
    std::string fileName() const;
    /// Uses `fileName` from now on and reads the settings from it.
    void setFileName(std::string const& fileName);

    ApplicationSettings(ApplicationSettings const&) = delete;
    ApplicationSettings& operator=(ApplicationSettings const&) = delete;

private:
    ApplicationSettings();
    ~ApplicationSettings();
    void writeFailed() const;

    struct Impl;
    std::unique_ptr<Impl> d; ///< owned
};

} // namespace quarlin::sdk
