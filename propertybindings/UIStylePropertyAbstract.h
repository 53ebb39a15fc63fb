#pragma once

#include "property/PropertyAbstract.h"
#include "propertybindings/UIPropertyInterface.h"

namespace quarlin::sdk::ui::dialogs::propertybindings {

/// A property that also says whether its widget is visible and usable. Where the value lives is
/// still the derived class's business.
template <class T>
class UIStylePropertyAbstract : public PropertyAbstract<T>, public UIPropertyInterface
{
public:
    UIStylePropertyAbstract() = default;
    /// A property checked by `validator`. Throws InvalidArgumentException for a null one.
    explicit UIStylePropertyAbstract(typename PropertyAbstract<T>::ValidatorPtr validator)
        : PropertyAbstract<T>(std::move(validator))
    {}

    using PropertyAbstract<T>::operator=;
};

} // namespace quarlin::sdk::ui::dialogs::propertybindings
