#pragma once

#include "quarlin_prompt_export.h"
#include "sdk/host/Platform.h"

#include <boost/function.hpp>

#include <QSpinBox>

#include <memory>

namespace quarlin::ui {

namespace intern {
class SpinBoxTypedText;
}

/// A spin box for the host's 64-bit indices. The widget's own range is 32-bit, as in every
/// QSpinBox; a larger index is shown clamped to the range.
///
/// indexCommitted reports what a person settled on, and only that: each step (arrow key, wheel,
/// buttons, Page Up/Down) commits at once; typed text commits on Enter and on focus loss, and
/// only if it was edited. Typed text that is not a whole number within the range is never turned
/// into another value: textRefused says why, and the field keeps showing the value it had. Values
/// set by the program are never reported, so a binding that shows a property's value cannot hear
/// its own echo.
class QUARLIN_PROMPT_EXPORT IntegralSpinBox : public QSpinBox
{
    Q_OBJECT

public:
    /// The value a number of steps (negative: downwards) away from a value.
    using StepFunction = boost::function<__int64(__int64 value, int steps)>;

    /// A spin box with QSpinBox's defaults (0 to 99, a step of one) until the form sets its own.
    explicit IntegralSpinBox(QWidget* parent = nullptr);
    ~IntegralSpinBox() override;

    /// Shows index, clamped to the range; returns false when it had to clamp.
    bool setIndexValue(__int64 index);
    /// The index shown.
    __int64 indexValue() const { return value(); }
    /// Replaces the fixed single step; an empty function restores it.
    void setStepFunction(StepFunction stepFunction);

    /// Steps through the step function (or by the single step), and commits the result.
    void stepBy(int steps) override;
    /// A whole number beyond the range is Intermediate, not Invalid: it stands as typed, and
    /// Enter refuses it whole instead of taking what Qt's dropped keystroke would leave.
    QValidator::State validate(QString& text, int& position) const override;

Q_SIGNALS:
    /// A person settled on `index`.
    void indexCommitted(__int64 index);
    /// Typed text was not taken; the message says why, in words for the person who typed it.
    void textRefused(QString const& message);

private:
    void commitTyped(QString const& typed);
    /// The index typed text stands for; false when it is not one within the range.
    bool takeTyped(QString const& typed);
    /// Shows the value, with prefix and suffix, even where QSpinBox would leave the text alone.
    void showValue();

    StepFunction m_stepFunction;
    std::unique_ptr<intern::SpinBoxTypedText> m_typed; ///< owned
};

} // namespace quarlin::ui
