#include "propertybindings/SpinBoxDoublePropertyBinding_p.h"

#include "propertybindings/SpinBoxBindingCore_p.h"
#include "sdk/widgets/QScientificSpinBox.h"

namespace quarlin::sdk::ui::dialogs::propertybindings {

SpinBoxDoublePropertyBinding::SpinBoxDoublePropertyBinding(
    quarlin::ui::QScientificSpinBox* spinBox, boost::shared_ptr<PropertyAbstract<double>> property,
    boost::shared_ptr<propertymanager::SpinBoxIncDecCalculatorBase> calculator)
{
    auto step = [calculator](double value, int steps) {
        intern::stepThrough(*calculator, value, steps);
        return value;
    };
    m_core = std::make_unique<intern::SpinBoxBindingCore<quarlin::ui::QScientificSpinBox, double>>(
        spinBox, std::move(property), calculator, step, &quarlin::ui::QScientificSpinBox::setShownValue,
        &quarlin::ui::QScientificSpinBox::valueCommitted);
}

SpinBoxDoublePropertyBinding::~SpinBoxDoublePropertyBinding() = default;

void SpinBoxDoublePropertyBinding::updateWidget()
{
    m_core->updateWidget();
}

} // namespace quarlin::sdk::ui::dialogs::propertybindings
