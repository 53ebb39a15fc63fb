#pragma once

#include "propertybindings/QObjectPropertyBinding.h"
#include "quarlin_prompt_export.h"

#include <boost/signals2/connection.hpp>

#include <QAbstractButton>
#include <QPointer>

namespace quarlin::sdk::ui::dialogs::propertybindings {

/// Ties a push or tool button to an int property holding a colour index of the host: the button
/// shows the colour as a 12 x 12 swatch (the multi-colour icon for multi colours and RGB) and
/// its short name, and a click opens the colour chooser, marked at the current colour, under
/// the button. A chosen colour is set on the property; a colour the property refuses is reported
/// through the host's message box and the property keeps its value. The swatch follows the
/// property once per idle point, and the host's colour map when it changes.
class QUARLIN_PROMPT_EXPORT ColorButtonPropertyBinding : public QObjectPropertyBinding<int>
{
    Q_OBJECT

public:
    /// Also shows and enables the button as the UI property says, now and on every change.
    ColorButtonPropertyBinding(QAbstractButton* const button, UIStylePropertyAbstract<int>& property,
                               bool showMultiColors);
    /// Leaves the button's visibility and enabled state to its form.
    ColorButtonPropertyBinding(QAbstractButton* const button,
                               boost::shared_ptr<PropertyAbstract<int>> property, bool showMultiColors);
    ~ColorButtonPropertyBinding() override;

    void updateWidget() override;
    void updateVisibility() override;
    void updateSensitivity() override;

private Q_SLOTS:
    void onButtonClicked();

private:
    void init();

    QPointer<QAbstractButton> m_button; ///< not owned: the dialog's widget tree owns it; null once it is gone
    bool m_showMultiColors;
    boost::signals2::scoped_connection m_colorMapChanges;
};

} // namespace quarlin::sdk::ui::dialogs::propertybindings
