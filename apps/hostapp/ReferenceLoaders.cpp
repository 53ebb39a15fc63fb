#include "hostapp/ReferenceLoaders.h"

#include "prompt/ChooseLoaderDialog.h"
#include "referencehost/ReferenceHost.h"
#include "sdk/host/QrnUtil.h"

#include <boost/make_shared.hpp>

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

#include <QFileInfo>

#include <fstream>
#include <sstream>

namespace quarlin::hostapp {

namespace {

std::vector<std::string> split(std::string const& line, std::string const& delimiters)
{
    std::vector<std::string> fields;
    bool const blanks = delimiters == " ";
    std::string field;
    for (char const c : line) {
        bool const isDelimiter = blanks ? (c == ' ' || c == '\t') : delimiters.find(c) != std::string::npos;
        if (!isDelimiter) {
            field += c;
            continue;
        }
        if (!blanks || !field.empty())
            fields.push_back(field);
        field.clear();
    }
    if (!blanks || !field.empty())
        fields.push_back(field);
    return fields;
}

std::string withoutSurroundingBlanks(std::string text)
{
    auto const first = text.find_first_not_of(" \t\r");
    auto const last = text.find_last_not_of(" \t\r");
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

bool toNumber(std::string text, bool decimalComma, double& value)
{
    text = withoutSurroundingBlanks(text);
    if (decimalComma)
        for (char& c : text)
            if (c == ',')
                c = '.';
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    in >> value;
    return !text.empty() && in && in.peek() == std::char_traits<char>::eof();
}

} // namespace

DelimitedTextLoader::DelimitedTextLoader(std::string name, std::vector<std::string> extensions,
                                         std::string delimiters, bool decimalComma)
    : m_name(std::move(name))
    , m_extensions(std::move(extensions))
    , m_delimiters(std::move(delimiters))
    , m_decimalComma(decimalComma)
{}

bool DelimitedTextLoader::load(std::string const& fileName, host::DataSet& dataSet, std::string& error) const
{
    std::ifstream in(fileName);
    if (!in) {
        error = "Cannot open \"" + fileName + "\".";
        return false;
    }
    std::string line;
    if (!std::getline(in, line)) {
        error = "\"" + fileName + "\" is empty.";
        return false;
    }
    host::DataSet loaded;
    loaded.title = QFileInfo(QString::fromStdString(fileName)).fileName().toStdString();
    for (std::string const& name : split(line, m_delimiters))
        loaded.variables.push_back({withoutSurroundingBlanks(name), {}});
    int lineNumber = 1;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (withoutSurroundingBlanks(line).empty())
            continue;
        auto const fields = split(line, m_delimiters);
        if (fields.size() != loaded.variables.size()) {
            error = m_name + ": line " + std::to_string(lineNumber) + " of \"" + fileName + "\" has "
                    + std::to_string(fields.size()) + " values for " + std::to_string(loaded.variables.size())
                    + " columns.";
            return false;
        }
        for (std::size_t i = 0; i < fields.size(); ++i) {
            double value = 0.0;
            if (!toNumber(fields[i], m_decimalComma, value)) {
                error = m_name + ": \"" + withoutSurroundingBlanks(fields[i]) + "\" on line "
                        + std::to_string(lineNumber) + " is not a number.";
                return false;
            }
            loaded.variables[i].values.push_back(value);
        }
    }
    loaded.zones = {"Zone 1"};
    dataSet = std::move(loaded);
    return true;
}

void registerReferenceLoaders()
{
    auto& repository = sdk::DataLoaderRepository::getInstance();
    repository.clear();
    repository.registerLoader(boost::make_shared<DelimitedTextLoader>(
        "Comma-Separated Values", std::vector<std::string>{".csv", ".txt"}, ",", false));
    repository.registerLoader(boost::make_shared<DelimitedTextLoader>(
        "Spreadsheet Export", std::vector<std::string>{".csv", ".tsv"}, ";\t", true));
    repository.registerLoader(boost::make_shared<DelimitedTextLoader>(
        "Whitespace Columns", std::vector<std::string>{".dat", ".txt"}, " ", false));
}

QString openDataFile(QWidget& parent, QString const& fileName)
{
    std::string const name = fileName.toStdString();
    std::string const extension = extensionOf(name);
    auto const claiming = sdk::DataLoaderRepository::getInstance().loadersFor(extension);
    boost::shared_ptr<sdk::DataLoaderInterface const> loader;
    if (claiming.size() == 1) {
        loader = claiming.front();
    } else {
        std::set<std::string> extensions;
        if (!extension.empty())
            extensions.insert(extension);
        QPointer<dialogs::prompt::ChooseLoaderDialog> const chooser =
            &dialogs::prompt::ChooseLoaderDialog::getInstance(parent, claiming, extensions);
        chooser->launch();
        if (!chooser || chooser->result() != QDialog::Accepted)
            return QCoreApplication::translate("quarlin::hostapp::HostMainWindow", "Open %1: cancelled")
                .arg(fileName);
        loader = chooser->selectedLoader();
        if (!loader)
            return QCoreApplication::translate("quarlin::hostapp::HostMainWindow",
                                               "Open %1: no loader chosen")
                .arg(fileName);
    }
    host::DataSet dataSet;
    std::string error;
    if (!loader->load(name, dataSet, error)) {
        QrnUtilDialogMessageBox(error.c_str(), MessageBoxType_Error);
        return QCoreApplication::translate("quarlin::hostapp::HostMainWindow", "Open %1 with %2: failed")
            .arg(fileName, QString::fromStdString(loader->name()));
    }
    std::size_t const variables = dataSet.variables.size();
    host::ReferenceHost::instance().loadDataSet(std::move(dataSet));
    return QCoreApplication::translate("quarlin::hostapp::HostMainWindow", "Open %1 with %2: %3 variables")
        .arg(fileName, QString::fromStdString(loader->name()))
        .arg(variables);
}

std::string extensionOf(std::string const& fileName)
{
    QString const suffix = QFileInfo(QString::fromStdString(fileName)).suffix();
    return suffix.isEmpty() ? std::string() : "." + suffix.toStdString();
}

} // namespace quarlin::hostapp
