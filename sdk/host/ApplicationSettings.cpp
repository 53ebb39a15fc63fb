#include "sdk/host/ApplicationSettings.h"

#include "sdk/host/QrnUtil.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QVariant>

#include <algorithm>

namespace quarlin::sdk {

namespace {

// QSettings reads "/" as a group separator, folds "a//b" and "/a/" into "a", writes "\\" per
// platform and treats "General" specially. A key of user text is therefore stored with every
// byte outside letters, digits, "_", "." and "-" written as %XX, so "LastLoaderUsedForExt_.csv"
// reads as itself in the file. The empty key is a lone "%", which no other key encodes to.
bool keptAsItself(unsigned char byte)
{
    return (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') || (byte >= '0' && byte <= '9')
           || byte == '_' || byte == '.' || byte == '-';
}

// Earlier releases stored the hexadecimal digits of the key's bytes behind a "k"; such names
// are still read, and a new name that would look like one has its "k" written as %6B.
bool looksLikeHexKey(QString const& name)
{
    if (!name.startsWith(QLatin1Char('k')) || name.size() % 2 != 1)
        return false;
    return std::all_of(name.begin() + 1, name.end(), [](QChar c) {
        return (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
               || (c >= QLatin1Char('a') && c <= QLatin1Char('f'));
    });
}

QString encodeKey(std::string const& key)
{
    if (key.empty())
        return QStringLiteral("%");
    static char const digits[] = "0123456789ABCDEF";
    QString encoded;
    for (unsigned char const byte : key) {
        if (keptAsItself(byte)) {
            encoded += QLatin1Char(static_cast<char>(byte));
        } else {
            encoded += QLatin1Char('%');
            encoded += QLatin1Char(digits[byte >> 4]);
            encoded += QLatin1Char(digits[byte & 15]);
        }
    }
    if (looksLikeHexKey(encoded))
        encoded.replace(0, 1, QStringLiteral("%6B"));
    return encoded;
}

QString hexKey(std::string const& key)
{
    static char const digits[] = "0123456789abcdef";
    QString encoded(QStringLiteral("k"));
    for (unsigned char const byte : key) {
        encoded += QLatin1Char(digits[byte >> 4]);
        encoded += QLatin1Char(digits[byte & 15]);
    }
    return encoded;
}

bool decodeKey(QString const& name, std::string& key)
{
    key.clear();
    if (name == QLatin1String("%"))
        return true;
    if (looksLikeHexKey(name)) {
        for (int i = 1; i < name.size(); i += 2)
            key += static_cast<char>(name.mid(i, 2).toInt(nullptr, 16));
        return true;
    }
    for (int i = 0; i < name.size(); ++i) {
        QChar const c = name.at(i);
        if (c == QLatin1Char('%')) {
            bool ok = false;
            int const byte = name.mid(i + 1, 2).toInt(&ok, 16);
            if (!ok || i + 2 >= name.size())
                return false;
            key += static_cast<char>(byte);
            i += 2;
        } else if (c.unicode() < 128 && keptAsItself(static_cast<unsigned char>(c.unicode()))) {
            key += static_cast<char>(c.unicode());
        } else {
            return false; // written by hand, not by us
        }
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
    bool damageReported = false;

    void open(QString const& fileName)
    {
        settings = std::make_unique<QSettings>(fileName, QSettings::IniFormat);
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
        settings->setIniCodec("UTF-8"); // Qt 6 reads and writes them as UTF-8 always
#endif
        failureReported = false;
        damageReported = false;
    }

    // A file that could not be read whole: what QSettings could not parse is dropped, and the
    // next write writes the file anew without it. Said once per file.
    void reportDamage()
    {
        if (damageReported || settings->status() != QSettings::FormatError)
            return;
        damageReported = true;
        std::string const message =
            "The settings file \"" + settings->fileName().toStdString()
            + "\" was damaged. What could not be read in it is dropped; the rest is kept.";
        QrnUtilDialogMessageBox(message.c_str(), MessageBoxType_Warning);
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
    d->reportDamage();
    QVariant const value = d->settings->value(group + QLatin1Char('/') + encodeKey(key));
    if (value.isValid())
        return value.toString().toStdString();
    return d->settings->value(group + QLatin1Char('/') + hexKey(key)).toString().toStdString();
}

void ApplicationSettings::depositValue(std::string const& key, std::string const& value)
{
    if (!d->settings)
        d->open(defaultFileName());
    d->reportDamage();
    d->settings->setValue(group + QLatin1Char('/') + encodeKey(key), QString::fromStdString(value));
    d->settings->remove(group + QLatin1Char('/') + hexKey(key)); // moved to its readable name
    d->settings->sync();
    if (d->settings->status() == QSettings::AccessError)
        writeFailed();
}

void ApplicationSettings::removeValue(std::string const& key)
{
    if (!d->settings)
        d->open(defaultFileName());
    d->reportDamage();
    d->settings->remove(group + QLatin1Char('/') + encodeKey(key));
    d->settings->remove(group + QLatin1Char('/') + hexKey(key));
    d->settings->sync();
    if (d->settings->status() == QSettings::AccessError)
        writeFailed();
}

std::vector<std::string> ApplicationSettings::keys() const
{
    if (!d->settings)
        d->open(defaultFileName());
    d->reportDamage();
    std::vector<std::string> keys;
    d->settings->beginGroup(group);
    for (QString const& encoded : d->settings->childKeys()) {
        std::string key;
        if (decodeKey(encoded, key))
            keys.push_back(std::move(key));
    }
    d->settings->endGroup();
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end()); // both names of one key
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
