#include "sdk/widgets/QScientificSpinBox.h"

#include "sdk/widgets/SpinBoxTypedText_p.h"

#include <QLineEdit>
#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>

namespace quarlin::ui {

namespace {

// What a person typed, as the "C" number reader takes it.
QString normalized(QString text)
{
    text = text.trimmed();
    text.replace(QChar(0x2212), QLatin1Char('-'));
    if (QLocale().decimalPoint() == QLatin1Char(',') && text.count(QLatin1Char(',')) == 1)
        text.replace(QLatin1Char(','), QLatin1Char('.'));
    return text;
}

// The beginnings of a number that typing passes through on its way ("-", "1.", "2e", "2e-").
bool isNumberPrefix(QString const& text)
{
    static QRegularExpression const prefix(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d*)?([eE][+-]?\\d*)?$"));
    return prefix.match(text).hasMatch();
}

// The number the text stands for: finite, or NaN when it stands for none.
double parsed(QString const& text)
{
    bool ok = false;
    double const number = normalized(text).toDouble(&ok);
    return ok && std::isfinite(number) ? number : std::numeric_limits<double>::quiet_NaN();
}

// The most decimals QDoubleSpinBox keeps: below that it rounds every value it stores.
constexpr int exactDecimals = DBL_MAX_10_EXP + DBL_DIG;

} // namespace

QScientificSpinBox::QScientificSpinBox(QWidget* parent)
    : QDoubleSpinBox(parent)
{
    QDoubleSpinBox::setDecimals(exactDecimals);
    m_typed = std::make_unique<intern::SpinBoxTypedText>(
        *this, *lineEdit(), [this](QString const& typed) { commitTyped(typed); });
}

QScientificSpinBox::~QScientificSpinBox() = default;

void QScientificSpinBox::setDecimals(int) {}

bool QScientificSpinBox::setShownValue(double value)
{
    m_notANumber = std::isnan(value);
    double const shown = m_notANumber ? this->value() : std::clamp(value, minimum(), maximum());
    setValue(shown);
    showText();
    m_typed->forget();
    return m_notANumber || shown == value;
}

void QScientificSpinBox::setStepFunction(StepFunction stepFunction)
{
    m_stepFunction = std::move(stepFunction);
}

QAbstractSpinBox::StepEnabled QScientificSpinBox::stepEnabled() const
{
    return m_notANumber ? StepNone : QDoubleSpinBox::stepEnabled();
}

void QScientificSpinBox::stepBy(int steps)
{
    // Typed text not confirmed yet is the value a step starts from, as in QDoubleSpinBox; text
    // that is no number in the range is refused, and nothing steps.
    m_typed->forget();
    QString const typed = lineEdit()->text();
    if (typed != prefix() + textFromValue(value()) + suffix()) {
        QString text = typed;
        int position = 0;
        if (validate(text, position) != QValidator::Acceptable) {
            refuse(typed);
            return;
        }
        m_notANumber = false;
        setValue(valueFromText(text));
    }
    if (m_notANumber)
        return; // no number to step from
    double const next = m_stepFunction ? m_stepFunction(value(), steps) : value() + steps * singleStep();
    if (std::isfinite(next))
        setValue(std::clamp(next, minimum(), maximum()));
    showText();
    selectAll();
    Q_EMIT valueCommitted(value());
}

QString QScientificSpinBox::textFromValue(double value) const
{
    if (m_notANumber || std::isnan(value))
        return QStringLiteral("NaN");
    // The shortest text that reads back as the value: "1500", "1e+150", "5e-19".
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

double QScientificSpinBox::valueFromText(QString const& text) const
{
    QString const body = intern::withoutAffixes(text, prefix(), suffix());
    double const number = parsed(body);
    return std::isnan(number) ? value() : number;
}

QValidator::State QScientificSpinBox::validate(QString& text, int&) const
{
    QString const body = intern::withoutAffixes(text, prefix(), suffix());
    if (m_notANumber && body == QLatin1String("NaN"))
        return QValidator::Acceptable; // what the field shows for its value
    double const number = parsed(body);
    if (!std::isnan(number))
        return number >= minimum() && number <= maximum() ? QValidator::Acceptable : QValidator::Intermediate;
    return isNumberPrefix(normalized(body)) ? QValidator::Intermediate : QValidator::Invalid;
}

void QScientificSpinBox::commitTyped(QString const& typed)
{
    QString text = typed;
    int position = 0;
    bool const acceptable = validate(text, position) == QValidator::Acceptable;
    if (acceptable && m_notANumber && text == QLatin1String("NaN"))
        return; // the value shown, left as it was
    if (!acceptable) {
        refuse(typed);
        return;
    }
    m_notANumber = false;
    double const number = valueFromText(text);
    setValue(number);
    showText();
    Q_EMIT valueCommitted(number);
}

void QScientificSpinBox::refuse(QString const& typed)
{
    showText();
    Q_EMIT textRefused(intern::refusalText(typed, textFromValue(minimum()), textFromValue(maximum())));
}

void QScientificSpinBox::showText()
{
    // setValue leaves the text alone when the value does not change, and "NaN" is not a value.
    QString const text = prefix() + textFromValue(value()) + suffix();
    if (lineEdit()->text() != text)
        lineEdit()->setText(text);
}

} // namespace quarlin::ui
