#pragma once

#include <QIntValidator>
#include <QLocale>
#include <QString>

namespace quarlin::ui {

/// Whether text is written as a whole number, whatever its size: an optional sign, then digits
/// (group separators of the locale allowed between them).
inline bool isWholeNumberText(QString const& text, QLocale const& locale)
{
    QString const body = text.trimmed();
    int i = 0;
    if (i < body.size()
        && (body.at(i) == QLatin1Char('-') || body.at(i) == QLatin1Char('+') || body.at(i) == QChar(0x2212)
            || QString(body.at(i)) == locale.negativeSign() || QString(body.at(i)) == locale.positiveSign()))
        ++i;
    bool digits = false;
    for (; i < body.size(); ++i) {
        QChar const c = body.at(i);
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits = true;
        else if (!digits || QString(c) != locale.groupSeparator())
            return false;
    }
    return digits;
}

/// A QIntValidator that lets a whole number beyond its range stand as typed. Qt calls such text
/// Invalid and drops the keystroke that made it so, and the text left behind is another number:
/// "-2147483649" would stand as "-214748364" and be taken. Here it is Intermediate, and whoever
/// commits the field refuses it whole.
class WholeNumberValidator : public QIntValidator
{
public:
    using QIntValidator::QIntValidator;

    /// What QIntValidator says, except that a whole number beyond the range is Intermediate.
    State validate(QString& text, int& position) const override
    {
        State const state = QIntValidator::validate(text, position);
        return state == Invalid && isWholeNumberText(text, locale()) ? Intermediate : state;
    }
};

} // namespace quarlin::ui
