#include "sdk/host/ApplicationSettings.h"

#include "sdk/host/QrnUtil.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>

namespace quarlin::sdk {

namespace {

// QSettings reads "/" as a group separator, folds "a//b" and "/a/" into "a", writes "\" per
// platform, treats "General" specially and may fold case; a key of user text is therefore
// stored as the hexadecimal digits of its UTF-8 bytes, behind a letter so no key is empty.
QString encodeKey(std::string const& key)
{
    static char const digits[] = "0123456789abcdef";
    QString encoded(QStringLiteral("k"));
    for (unsigned char const byte : key) {
        encoded += QLatin1Char(digits[byte >> 4]);
        encoded += QLatin1Char(digits[byte & 15]);
    }
    return encoded;
}

bool decodeKey(QString const& encoded, std::string& key)
{
    if (!encoded.startsWith(QLatin1Char('k')) || encoded.size() % 2 != 1)
        return false;
    key.clear();
    for (int i = 1; i < encoded.size(); i += 2) {
        bool ok = false;
        int const byte = encoded.mid(i, 2).toInt(&ok, 16);
        if (!ok)
            return false;
        key += static_cast<char>(byte);
    }
    return true;
}

QString const group = QStringLiteral("Values");

QString defaultFileName()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
        .filePath(QStringLiteral("quarlin-host.ini"));
}

} // namespace

struct ApplicationSettings::Impl
{
    std::unique_ptr<QSettings> settings;
    bool failureReported = false;

    void open(QString const& fileName)
    {
        settings = std::make_unique<QSettings>(fileName, QSettings::IniFormat);
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
        settings->setIniCodec("UTF-8"); // Qt 6 reads and writes them as UTF-8 always
#endif
        failureReported = false;
    }
};

ApplicationSettings& ApplicationSettings::getInstance()
{
    static ApplicationSettings instance;
    return instance;
}

ApplicationSettings::ApplicationSettings()
    : d(std::make_unique<Impl>())
{}

ApplicationSettings::~ApplicationSettings() = default;

std::string ApplicationSettings::fileName() const
{
    return d->settings ? d->settings->fileName().toStdString() : defaultFileName().toStdString();
}

void ApplicationSettings::setFileName(std::string const& fileName)
{
    d->open(QString::fromStdString(fileName));
}

std::string ApplicationSettings::getStringValue(std::string const& key) const
{
    if (!d->settings)
        d->open(defaultFileName());
    return d->settings->value(group + QLatin1Char('/') + encodeKey(key)).toString().toStdString();
}

void ApplicationSettings::depositValue(std::string const& key, std::string const& value)
{
    if (!d->settings)
        d->open(defaultFileName());
    d->settings->setValue(group + QLatin1Char('/') + encodeKey(key), QString::fromStdString(value));
    d->settings->sync();
    if (d->settings->status() != QSettings::NoError)
        writeFailed();
}

void ApplicationSettings::removeValue(std::string const& key)
{
    if (!d->settings)
        d->open(defaultFileName());
    d->settings->remove(group + QLatin1Char('/') + encodeKey(key));
    d->settings->sync();
    if (d->settings->status() != QSettings::NoError)
        writeFailed();
}

std::vector<std::string> ApplicationSettings::keys() const
{
    if (!d->settings)
        d->open(defaultFileName());
    std::vector<std::string> keys;
    d->settings->beginGroup(group);
    for (QString const& encoded : d->settings->childKeys()) {
        std::string key;
        if (decodeKey(encoded, key))
            keys.push_back(std::move(key));
    }
    d->settings->endGroup();
    std::sort(keys.begin(), keys.end());
    return keys;
}

void ApplicationSettings::writeFailed() const
{
    if (d->failureReported)
        return;
    d->failureReported = true;
    std::string const message = "The settings file \"" + d->settings->fileName().toStdString()
                                + "\" cannot be written. Choices made now are kept until the program ends.";
    QrnUtilDialogMessageBox(message.c_str(), MessageBoxType_Error);
}

} // namespace quarlin::sdk
