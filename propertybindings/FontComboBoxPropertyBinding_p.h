#pragma once

#include "property/PropertyAbstract.h"
#include "sdk/signals/Lifetime.h"
#include "sdk/signals/QtSignalConnectionCollection.h"
#include "sdk/signals/SignalConnectionCollection.h"

#include <boost/shared_ptr.hpp>

#include <QPointer>

#include <string>

class QFontComboBox;

namespace quarlin::sdk::ui::dialogs::propertybindings {

// Keeps a font combo box and a font-family property in step: a family a person chooses is set
// on the property (a refusal is reported through the host's message box and the combo shows
// the property's family again) once Qt is done with the combo box; every change of the property shows at
// once. Showing a family the system lacks shows the closest one the combo offers and leaves the property as
// it is.
class FontComboBoxPropertyBinding
{
public:
    // Throws InvalidArgumentException for a null combo box or property.
    FontComboBoxPropertyBinding(QFontComboBox* combo,
                                boost::shared_ptr<PropertyAbstract<std::string>> property);
    ~FontComboBoxPropertyBinding();
    FontComboBoxPropertyBinding(FontComboBoxPropertyBinding const&) = delete;
    FontComboBoxPropertyBinding& operator=(FontComboBoxPropertyBinding const&) = delete;

    void updateWidget();

private:
    QPointer<QFontComboBox> m_combo; // not owned: the dialog's widget tree owns it
    boost::shared_ptr<PropertyAbstract<std::string>> m_property;
    Lifetime m_lifetime;
    SignalConnectionCollection m_propertyConnections;
    QtSignalConnectionCollection m_widgetConnections;
};

} // namespace quarlin::sdk::ui::dialogs::propertybindings
