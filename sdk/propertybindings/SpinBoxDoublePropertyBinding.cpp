#include "sdk/propertybindings/SpinBoxDoublePropertyBinding.h"

#include "sdk/exception/ExceptionBoundary.h"
#include "sdk/exception/InvalidArgumentException.h"
#include "sdk/propertymanager/SpinBoxIncDecCalculatorBase.h"
#include "sdk/widgets/QScientificSpinBox.h"

#include <cstdlib>

namespace quarlin::sdk::ui::dialogs::propertybindings {

SpinBoxDoublePropertyBinding::SpinBoxDoublePropertyBinding(
    quarlin::ui::QScientificSpinBox* spinBox, boost::shared_ptr<PropertyAbstract<double>> property,
    boost::shared_ptr<propertymanager::SpinBoxIncDecCalculatorBase> calculator)
    : m_spinBox(spinBox)
    , m_property(std::move(property))
    , m_calculator(std::move(calculator))
{
    if (!spinBox)
        throw InvalidArgumentException("A spin box binding needs a spin box.");
    if (!m_property)
        throw InvalidArgumentException("A spin box binding needs a property.");

    if (m_calculator) {
        // A calculator that throws is reported and the value stays.
        auto const calculatorRef = m_calculator;
        spinBox->setStepFunction([calculatorRef](double value, int steps) {
            double next = value;
            bool const stepped = runAtBoundary([&] {
                for (int i = 0; i < std::abs(steps); ++i)
                    next = steps > 0 ? calculatorRef->increment(next) : calculatorRef->decrement(next);
            });
            return stepped ? next : value;
        });
    }
    m_widgetConnections.add(QObject::connect(spinBox, &quarlin::ui::QScientificSpinBox::valueCommitted, spinBox,
                                             [this](double value) { commit(value); }));
    m_propertyConnections.add(m_property->connectToValueChangedSignal([this](double const&) { updateWidget(); }));
    updateWidget();
}

SpinBoxDoublePropertyBinding::~SpinBoxDoublePropertyBinding()
{
    if (m_spinBox && m_calculator)
        m_spinBox->setStepFunction({});
}

void SpinBoxDoublePropertyBinding::updateWidget()
{
    if (m_spinBox)
        m_spinBox->setShownValue(m_property->value());
}

void SpinBoxDoublePropertyBinding::commit(double value)
{
    runAtBoundary([&] { m_property->setValue(value); });
    updateWidget();
}

} // namespace quarlin::sdk::ui::dialogs::propertybindings
