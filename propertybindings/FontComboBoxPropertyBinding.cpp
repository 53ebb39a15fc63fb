#include "propertybindings/FontComboBoxPropertyBinding_p.h"

#include "sdk/exception/ExceptionBoundary.h"
#include "sdk/exception/InvalidArgumentException.h"
#include "sdk/widgets/DeferredCommits_p.h"

#include <QFontComboBox>
#include <QSignalBlocker>

namespace quarlin::sdk::ui::dialogs::propertybindings {

FontComboBoxPropertyBinding::FontComboBoxPropertyBinding(
    QFontComboBox* combo, boost::shared_ptr<PropertyAbstract<std::string>> property)
    : m_combo(combo)
    , m_property(std::move(property))
{
    if (!combo)
        throw InvalidArgumentException("A font combo box binding needs a font combo box.");
    if (!m_property)
        throw InvalidArgumentException("A font combo box binding needs a property.");
    // The combo also reports fonts the program sets; those are blocked in updateWidget.
    // Qt goes on using the combo box after it reports the font, and the host may answer the
    // write by closing the window: the family is set once Qt is done.
    m_widgetConnections.add(
        QObject::connect(combo, &QFontComboBox::currentFontChanged, combo, [this, combo](QFont const& font) {
            quarlin::ui::intern::DeferredCommits::schedule(
                *combo, [this, alive = m_lifetime.watch(), family = font.family().toStdString()] {
                    if (!alive)
                        return;
                    auto const held = m_property;
                    runAtBoundary([&] { held->setValue(family); });
                    if (alive)
                        updateWidget();
                });
        }));
    m_propertyConnections.add(
        m_property->connectToValueChangedSignal([this](std::string const&) { updateWidget(); }));
    updateWidget();
}

FontComboBoxPropertyBinding::~FontComboBoxPropertyBinding() = default;

void FontComboBoxPropertyBinding::updateWidget()
{
    if (!m_combo)
        return;
    QSignalBlocker const quiet(m_combo.data());
    m_combo->setCurrentFont(QFont(QString::fromStdString(m_property->value())));
}

} // namespace quarlin::sdk::ui::dialogs::propertybindings
