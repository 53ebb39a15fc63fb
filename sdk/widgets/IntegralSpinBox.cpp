#include "sdk/widgets/IntegralSpinBox.h"

#include "sdk/widgets/SpinBoxTypedText_p.h"
#include "sdk/widgets/WholeNumberValidator.h"

#include <QLineEdit>

#include <algorithm>

namespace quarlin::ui {

IntegralSpinBox::IntegralSpinBox(QWidget* parent)
    : QSpinBox(parent)
{
    m_typed = std::make_unique<intern::SpinBoxTypedText>(
        *this, *lineEdit(), [this](QString const& typed) { commitTyped(typed); });
}

IntegralSpinBox::~IntegralSpinBox() = default;

bool IntegralSpinBox::setIndexValue(__int64 index)
{
    __int64 const shown = std::clamp<__int64>(index, minimum(), maximum());
    setValue(static_cast<int>(shown));
    showValue(); // also when the value did not change
    m_typed->forget();
    return shown == index;
}

void IntegralSpinBox::setStepFunction(StepFunction stepFunction)
{
    m_stepFunction = std::move(stepFunction);
}

void IntegralSpinBox::stepBy(int steps)
{
    // Typed text not confirmed yet is the value a step starts from, as in QSpinBox; text that
    // is no index in the range is refused, and nothing steps.
    m_typed->forget();
    if (!takeTyped(lineEdit()->text()))
        return;
    if (m_stepFunction) {
        __int64 const next = m_stepFunction(value(), steps);
        setValue(static_cast<int>(std::clamp<__int64>(next, minimum(), maximum())));
        selectAll();
    } else {
        QSpinBox::stepBy(steps);
    }
    Q_EMIT indexCommitted(value());
}

QValidator::State IntegralSpinBox::validate(QString& text, int& position) const
{
    QValidator::State const state = QSpinBox::validate(text, position);
    if (state != QValidator::Invalid)
        return state;
    return isWholeNumberText(intern::withoutAffixes(text, prefix(), suffix()), locale())
               ? QValidator::Intermediate
               : QValidator::Invalid;
}

bool IntegralSpinBox::takeTyped(QString const& typed)
{
    QString text = typed;
    int position = 0;
    if (validate(text, position) == QValidator::Acceptable) {
        setValue(valueFromText(text));
        return true;
    }
    showValue();
    Q_EMIT textRefused(intern::refusalText(typed, textFromValue(minimum()), textFromValue(maximum())));
    return false;
}

void IntegralSpinBox::showValue()
{
    lineEdit()->setText(prefix() + textFromValue(value()) + suffix());
}

void IntegralSpinBox::commitTyped(QString const& typed)
{
    if (takeTyped(typed))
        Q_EMIT indexCommitted(value());
}

} // namespace quarlin::ui
