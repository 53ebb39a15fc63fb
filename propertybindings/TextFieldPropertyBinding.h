#pragma once

#include "propertybindings/LineEditPropertyBindingAbstract.h"

#include <boost/format.hpp>

namespace quarlin::sdk::ui::dialogs::propertybindings {

/// Shows a property's value as text in a line edit ("%1%": what a stream writes by default, so
/// 0.5 reads "0.5" and 1234567 reads "1.23457e+06") and takes committed text back as
/// LineEditPropertyBindingAbstract says. Number text is first made readable by
/// StringMassager::prepareText; text for a std::string property is taken exactly as typed.
/// The field follows the property at once, also while it is disabled.
template <class T>
class TextFieldPropertyBinding : public LineEditPropertyBindingAbstract<T>
{
public:
    /// Binds `lineEdit` (borrowed; null binds no widget) to `property` (shared). Throws
    /// InvalidArgumentException for a null property.
    TextFieldPropertyBinding(QLineEdit* lineEdit, boost::shared_ptr<PropertyAbstract<T>> property)
        : LineEditPropertyBindingAbstract<T>(lineEdit, std::move(property))
        , m_formatString("%1%")
    {
        if (!lineEdit)
            throw InvalidArgumentException("A text field binding needs a line edit.");
        updateWidget();
    }

    void updateWidget() override
    {
        QLineEdit* const edit = this->lineEdit();
        if (!edit)
            return;
        std::string const text = (boost::format(m_formatString) % this->property().value()).str();
        edit->setText(QString::fromStdString(text));
    }

    void updateVisibility() override { this->showAsUiPropertySays(this->lineEdit()); }
    void updateSensitivity() override { this->enableAsUiPropertySays(this->lineEdit()); }

private:
    std::string m_formatString;
};

} // namespace quarlin::sdk::ui::dialogs::propertybindings
