#pragma once

#include "property/PropertyAbstract.h"

#include <boost/shared_ptr.hpp>

#include <memory>

namespace quarlin::ui {
class QScientificSpinBox;
}

namespace quarlin::sdk::ui::propertymanager {
class SpinBoxIncDecCalculatorBase;
}

namespace quarlin::sdk::ui::dialogs::propertybindings {

namespace intern {
template <class SpinBox, class T>
class SpinBoxBindingCore;
}

// Keeps a QScientificSpinBox and a real-number property in step, both ways, as
// SpinBoxLgIndexPropertyBinding does for indices: what a person commits is set on the property
// (a refusal is reported through the host's message box and the spin box shows the property's
// value again), every change of the property shows at once, a value outside the range is shown
// clamped without editing the property, and a calculator, where given, sets the step.
class SpinBoxDoublePropertyBinding
{
public:
    // Throws InvalidArgumentException for a null spin box or property; the calculator may be null.
    SpinBoxDoublePropertyBinding(quarlin::ui::QScientificSpinBox* spinBox,
                                 boost::shared_ptr<PropertyAbstract<double>> property,
                                 boost::shared_ptr<propertymanager::SpinBoxIncDecCalculatorBase> calculator);
    ~SpinBoxDoublePropertyBinding();
    SpinBoxDoublePropertyBinding(SpinBoxDoublePropertyBinding const&) = delete;
    SpinBoxDoublePropertyBinding& operator=(SpinBoxDoublePropertyBinding const&) = delete;

    void updateWidget();

private:
    std::unique_ptr<intern::SpinBoxBindingCore<quarlin::ui::QScientificSpinBox, double>> m_core; // owned
};

} // namespace quarlin::sdk::ui::dialogs::propertybindings
