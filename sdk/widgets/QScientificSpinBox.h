#pragma once

#include "quarlin_prompt_export.h"

#include <boost/function.hpp>

#include <QDoubleSpinBox>

namespace quarlin::ui {

// A spin box for real numbers of any magnitude: it shows the shortest text that reads back as
// the shown value, in exponent form where that is shorter ("0.25", "101.3", "1e+150"), and takes
// what a person naturally types: an exponent ("1.5E3"), blanks around the number, a typographic
// minus sign, and a decimal comma where the user's locale writes one.
//
// valueCommitted reports what a person settled on, and only that, as IntegralSpinBox does: a
// step at once, typed text on Enter and on focus loss, and only if it was edited.
class QUARLIN_PROMPT_EXPORT QScientificSpinBox : public QDoubleSpinBox
{
    Q_OBJECT

public:
    // The value a number of steps (negative: downwards) away from a value.
    using StepFunction = boost::function<double(double value, int steps)>;

    explicit QScientificSpinBox(QWidget* parent = nullptr);
    ~QScientificSpinBox() override;

    // Shows value, clamped to the range; returns false when it had to clamp.
    bool setShownValue(double value);
    // Replaces the fixed single step; an empty function restores it.
    void setStepFunction(StepFunction stepFunction);

    void stepBy(int steps) override;
    QString textFromValue(double value) const override;
    double valueFromText(QString const& text) const override;
    QValidator::State validate(QString& text, int& position) const override;

Q_SIGNALS:
    void valueCommitted(double value);

private:
    void commitEditedText();

    StepFunction m_stepFunction;
    bool m_textEdited = false; // a person typed since the last commit or programmatic value
};

} // namespace quarlin::ui
