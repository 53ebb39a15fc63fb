#include "sdk/widgets/QScientificSpinBox.h"

#include <QLineEdit>
#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

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

} // namespace

QScientificSpinBox::QScientificSpinBox(QWidget* parent)
    : QDoubleSpinBox(parent)
{
    // textEdited, unlike textChanged, fires for a person's typing only.
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { m_textEdited = true; });
    connect(this, &QAbstractSpinBox::editingFinished, this, &QScientificSpinBox::commitEditedText);
}

QScientificSpinBox::~QScientificSpinBox() = default;

bool QScientificSpinBox::setShownValue(double value)
{
    double const shown = std::isnan(value) ? minimum() : std::clamp(value, minimum(), maximum());
    setValue(shown);
    m_textEdited = false;
    return shown == value;
}

void QScientificSpinBox::setStepFunction(StepFunction stepFunction)
{
    m_stepFunction = std::move(stepFunction);
}

void QScientificSpinBox::stepBy(int steps)
{
    if (m_stepFunction) {
        // Typed text that was not confirmed yet is the value a step starts from.
        interpretText();
        double const next = m_stepFunction(value(), steps);
        if (std::isfinite(next))
            setValue(std::clamp(next, minimum(), maximum()));
        selectAll();
    } else {
        QDoubleSpinBox::stepBy(steps);
    }
    m_textEdited = false;
    Q_EMIT valueCommitted(value());
}

QString QScientificSpinBox::textFromValue(double value) const
{
    // The shortest text that reads back as the value, with at most the decimals set as
    // significant digits: "1500" rather than "1.5e+03", "1e+150" rather than 151 digits.
    int const most = std::clamp(decimals(), 1, 17);
    QString shortest = QString::number(value, 'g', most);
    for (int digits = 1; digits < most; ++digits) {
        QString const text = QString::number(value, 'g', digits);
        if (text.size() < shortest.size() && text.toDouble() == value)
            shortest = text;
    }
    return shortest;
}

double QScientificSpinBox::valueFromText(QString const& text) const
{
    QString body = text;
    if (body.startsWith(prefix()))
        body.remove(0, prefix().size());
    if (!suffix().isEmpty() && body.endsWith(suffix()))
        body.chop(suffix().size());
    bool ok = false;
    double const number = normalized(body).toDouble(&ok);
    return ok ? number : value();
}

QValidator::State QScientificSpinBox::validate(QString& text, int&) const
{
    QString body = text;
    if (body.startsWith(prefix()))
        body.remove(0, prefix().size());
    if (!suffix().isEmpty() && body.endsWith(suffix()))
        body.chop(suffix().size());
    QString const number = normalized(body);
    bool ok = false;
    double const parsed = number.toDouble(&ok);
    if (ok && std::isfinite(parsed))
        return parsed >= minimum() && parsed <= maximum() ? QValidator::Acceptable : QValidator::Intermediate;
    return isNumberPrefix(number) ? QValidator::Intermediate : QValidator::Invalid;
}

void QScientificSpinBox::commitEditedText()
{
    if (!m_textEdited)
        return;
    m_textEdited = false;
    Q_EMIT valueCommitted(value());
}

} // namespace quarlin::ui
