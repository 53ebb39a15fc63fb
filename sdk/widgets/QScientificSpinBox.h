#pragma once

#include "quarlin_prompt_export.h"

#include <boost/function.hpp>

#include <QDoubleSpinBox>

#include <memory>

namespace quarlin::ui {

namespace intern {
class SpinBoxTypedText;
}

/// A spin box for real numbers of any magnitude: it shows the shortest text that reads back as
/// exactly the value shown ("0.25", "101.3", "5e-19", "1e+150"), "NaN" for a value that is not a
/// number, and takes what a person naturally types: an exponent ("1.5E3"), blanks around the
/// number, a typographic minus sign, and a decimal comma where the user's locale writes one.
///
/// valueCommitted reports what a person settled on, and only that: a step at once, typed text on
/// Enter and on focus loss, and only if it was edited. Typed text that is not a number within the
/// range is never turned into another value: textRefused says why, and the field keeps showing
/// the value it had. A step from "NaN" goes nowhere.
///
/// Values keep every digit a double has: QDoubleSpinBox's rounding to a number of decimals is not
/// used, so setDecimals is accepted (forms call it) and changes nothing. Magnitudes below 1e-307
/// are held to multiples of 1e-323, the finest QDoubleSpinBox stores.
class QUARLIN_PROMPT_EXPORT QScientificSpinBox : public QDoubleSpinBox
{
    Q_OBJECT

public:
    /// The value a number of steps (negative: downwards) away from a value.
    using StepFunction = boost::function<double(double value, int steps)>;

    /// A spin box with QDoubleSpinBox's range and step until the form sets its own.
    explicit QScientificSpinBox(QWidget* parent = nullptr);
    ~QScientificSpinBox() override;

    /// Shows value, clamped to the range (NaN as "NaN"); returns false when it had to clamp.
    bool setShownValue(double value);
    /// Replaces the fixed single step; an empty function restores it.
    void setStepFunction(StepFunction stepFunction);
    /// Hides QDoubleSpinBox::setDecimals, which would round every value to that many decimals.
    void setDecimals(int decimals);

    /// Steps through the step function (or by the single step), and commits the result.
    void stepBy(int steps) override;
    /// The shortest text that reads back as exactly `value`; "NaN" for a value that is not a number.
    QString textFromValue(double value) const override;
    /// The number `text` stands for, read as described above.
    double valueFromText(QString const& text) const override;
    /// A number within the range is Acceptable; one being typed, or beyond the range, Intermediate.
    QValidator::State validate(QString& text, int& position) const override;

Q_SIGNALS:
    /// A person settled on `value`.
    void valueCommitted(double value);
    /// Typed text was not taken; the message says why, in words for the person who typed it.
    void textRefused(QString const& message);

protected:
    /// No step from "NaN"; otherwise as QDoubleSpinBox.
    StepEnabled stepEnabled() const override;

private:
    void commitTyped(QString const& typed);
    void refuse(QString const& typed);
    void showText();

    StepFunction m_stepFunction;
    std::unique_ptr<intern::SpinBoxTypedText> m_typed; ///< owned
    bool m_notANumber = false;                         ///< shows "NaN" whatever QDoubleSpinBox holds
};

} // namespace quarlin::ui
