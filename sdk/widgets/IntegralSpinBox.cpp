#include "sdk/widgets/IntegralSpinBox.h"

#include <QLineEdit>

#include <algorithm>

namespace quarlin::ui {

IntegralSpinBox::IntegralSpinBox(QWidget* parent)
    : QSpinBox(parent)
{
    // textEdited, unlike textChanged, fires for a person's typing only.
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { m_textEdited = true; });
    connect(this, &QAbstractSpinBox::editingFinished, this, &IntegralSpinBox::commitEditedText);
}

IntegralSpinBox::~IntegralSpinBox() = default;

bool IntegralSpinBox::setIndexValue(__int64 index)
{
    __int64 const shown = std::clamp<__int64>(index, minimum(), maximum());
    setValue(static_cast<int>(shown));
    m_textEdited = false;
    return shown == index;
}

void IntegralSpinBox::setStepFunction(StepFunction stepFunction)
{
    m_stepFunction = std::move(stepFunction);
}

void IntegralSpinBox::stepBy(int steps)
{
    if (m_stepFunction) {
        // Typed text that was not confirmed yet is the value a step starts from, as in QSpinBox.
        interpretText();
        __int64 const next = m_stepFunction(value(), steps);
        setValue(static_cast<int>(std::clamp<__int64>(next, minimum(), maximum())));
        selectAll();
    } else {
        QSpinBox::stepBy(steps);
    }
    m_textEdited = false;
    Q_EMIT indexCommitted(value());
}

void IntegralSpinBox::commitEditedText()
{
    if (!m_textEdited)
        return;
    m_textEdited = false;
    Q_EMIT indexCommitted(value());
}

} // namespace quarlin::ui
