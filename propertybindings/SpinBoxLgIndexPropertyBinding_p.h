#pragma once

#include "property/PropertyAbstract.h"

#include <boost/shared_ptr.hpp>

#include <memory>

namespace quarlin::ui {
class IntegralSpinBox;
}

namespace quarlin::sdk::ui::propertymanager {
class SpinBoxIncDecCalculatorBase;
}

namespace quarlin::sdk::ui::dialogs::propertybindings {

namespace intern {
template <class SpinBox, class T>
class SpinBoxBindingCore;
}

// Keeps an IntegralSpinBox and a 64-bit index property in step, both ways, for as long as the
// binding lives:
// - what a person commits in the spin box (a step at once, typed text on Enter or focus loss)
//   is set on the property; a value the property refuses is reported through the host's message
//   box and the spin box goes back to the property's value;
// - every change of the property shows at once.
// A property value outside the spin box's range is shown clamped, and the property keeps it
// until a person commits a value: showing must not edit. With a calculator, a step moves by the
// calculator's increment or decrement instead of the spin box's single step.
// The binding holds the widget weakly and the property and calculator shared.
class SpinBoxLgIndexPropertyBinding
{
public:
    // Throws InvalidArgumentException for a null spin box or property; the calculator may be null.
    SpinBoxLgIndexPropertyBinding(quarlin::ui::IntegralSpinBox* spinBox,
                                  boost::shared_ptr<PropertyAbstract<__int64>> property,
                                  boost::shared_ptr<propertymanager::SpinBoxIncDecCalculatorBase> calculator);
    ~SpinBoxLgIndexPropertyBinding();
    SpinBoxLgIndexPropertyBinding(SpinBoxLgIndexPropertyBinding const&) = delete;
    SpinBoxLgIndexPropertyBinding& operator=(SpinBoxLgIndexPropertyBinding const&) = delete;

    void updateWidget();

private:
    std::unique_ptr<intern::SpinBoxBindingCore<quarlin::ui::IntegralSpinBox, __int64>> m_core; // owned
};

} // namespace quarlin::sdk::ui::dialogs::propertybindings
