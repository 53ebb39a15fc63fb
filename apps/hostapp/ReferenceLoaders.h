#pragma once

#include "sdk/host/DataLoaderRepository.h"

#include <QString>

#include <string>
#include <vector>

class QWidget;

namespace quarlin::hostapp {

// A loader of delimited text: the first line names the columns (one variable each), every
// further line holds one number per column. Loaders differ in the delimiters they split at and
// whether a comma is a decimal separator.
class DelimitedTextLoader : public sdk::DataLoaderInterface
{
public:
    DelimitedTextLoader(std::string name, std::vector<std::string> extensions, std::string delimiters,
                        bool decimalComma);

    std::string name() const override { return m_name; }
    std::vector<std::string> extensions() const override { return m_extensions; }
    bool load(std::string const& fileName, host::DataSet& dataSet, std::string& error) const override;

private:
    std::string m_name;
    std::vector<std::string> m_extensions;
    std::string m_delimiters; // " " stands for any run of blanks and tabs
    bool m_decimalComma;
};

// The host's loaders: two claim ".csv", one ".dat", none ".xyz".
void registerReferenceLoaders();

// File > Open without the file dialog: reads the file with the one loader that claims its
// extension, or asks through the loader chooser under parent; returns what the host logs
// ("Open measurements.csv with Spreadsheet Export: 3 variables").
QString openDataFile(QWidget& parent, QString const& fileName);

// The extension of a file name with its dot (".csv"), or empty.
std::string extensionOf(std::string const& fileName);

} // namespace quarlin::hostapp
