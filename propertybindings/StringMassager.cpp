#include "propertybindings/StringMassager.h"

#include <boost/format.hpp>

#include <QLocale>

#include <iomanip>
#include <limits>
#include <sstream>

namespace quarlin::sdk::ui::dialogs::propertybindings {

namespace {

// The shortest text that reads back as exactly this value.
QString exactText(double value)
{
    std::ostringstream stream;
    stream.imbue(std::locale::classic());
    stream << std::setprecision(std::numeric_limits<double>::max_digits10) << value;
    return QString::fromStdString(stream.str());
}

} // namespace

void StringMassager::prepareText(PropertyAbstract<double>& property, QString& text)
{
    text = text.trimmed();
    double const current = property.value();
    if (text == QString::fromStdString((boost::format("%1%") % current).str())) {
        text = exactText(current);
        return;
    }
    text.replace(QChar(0x2212), QLatin1Char('-'));
    if (QLocale().decimalPoint() == QLatin1Char(',') && text.count(QLatin1Char(',')) == 1
        && !text.contains(QLatin1Char('.')))
        text.replace(QLatin1Char(','), QLatin1Char('.'));
}

} // namespace quarlin::sdk::ui::dialogs::propertybindings
