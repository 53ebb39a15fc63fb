#pragma once

#include "propertybindings/UIPropertyBindingAbstract.h"
#include "propertybindings/qwidgetobservable/QButtonObservable.h"
#include "sdk/host/QrnUtil.h"

#include <QAbstractButton>
#include <QPointer>

#include <algorithm>
#include <memory>
#include <vector>

namespace quarlin::sdk::ui::dialogs::propertybindings {

/// Ties one radio button to one value of a property: the button is checked exactly when the
/// property holds that value, and checking it sets the property to it. A group of buttons
/// editing one property is one binding per button, all sharing the property.
///
/// Unchecking never changes the property. A value the property refuses is reported through the
/// host's message box (when the refusal has a message), the property keeps its value, and the
/// group shows it again at once: the refused button is unchecked and the one standing for the
/// property's value checked. Any other failure goes on to the button observable, which reports
/// it. Widget updates run once per idle point.
template <class T>
class RadioButtonPropertyBinding : public UIPropertyBindingAbstract<T>
{
public:
    /// Binds `button` (borrowed; null binds no widget) to `property` (shared): checking the button sets
    /// `buttonValue`, and the button is checked while the property holds it. Throws
    /// InvalidArgumentException for a null property.
    RadioButtonPropertyBinding(QAbstractButton* button, boost::shared_ptr<PropertyAbstract<T>> property,
                               T const& buttonValue)
        : UIPropertyBindingAbstract<T>(std::move(property), BindingInterface::WidgetUpdateOnIdle)
        , m_button(button)
        , m_buttonValue(buttonValue)
        , m_listener(*this)
    {
        if (!button)
            throw InvalidArgumentException("A radio button binding needs a button.");
        m_observable = std::make_unique<qwidgetobservable::QButtonObservable>(button);
        m_observable->addListener(&m_listener);
        live().push_back(this);
        updateWidget();
    }

    ~RadioButtonPropertyBinding() override
    {
        live().erase(std::remove(live().begin(), live().end(), this), live().end());
        m_observable->removeListener(&m_listener);
        m_observable.reset();
    }

    void updateWidget() override
    {
        if (!m_button)
            return;
        // Asking an exclusive group's checked button to uncheck is ignored by Qt, so a value no
        // button stands for leaves the last checked button checked.
        m_button->setChecked(this->property().value() == m_buttonValue);
        m_button->update();
    }

    void updateVisibility() override { this->showAsUiPropertySays(m_button); }
    void updateSensitivity() override { this->enableAsUiPropertySays(m_button); }

private:
    class QButtonListener : public virtual qwidgetobservable::QButtonListenerInterface
    {
    public:
        explicit QButtonListener(RadioButtonPropertyBinding& binding)
            : m_binding(&binding)
        {}
        void buttonStateChanged(qwidgetobservable::QButtonObservable& observable) override
        {
            if (QAbstractButton const* const button = observable.button(); button && button->isChecked())
                m_binding->onChecked();
        }

    private:
        RadioButtonPropertyBinding* m_binding; ///< not owned: the binding owns this listener
    };

    void onChecked()
    {
        auto const held = this->holdProperty(); // the host may close the window as it writes
        try {
            this->property().setValue(m_buttonValue);
        } catch (InvalidPropertyValueException const& refused) {
            showPropertyValueAgain();
            if (!refused.message().empty())
                QrnUtilDialogMessageBox(refused.message().c_str(), MessageBoxType_Error);
        }
    }

    /// Checking this button unchecked the one that showed the property's value, and the
    /// property, having kept it, announces nothing: every binding of the property shows it again.
    void showPropertyValueAgain()
    {
        if (m_button && m_button->autoExclusive()) {
            // An exclusive button cannot be unchecked while it is the group's checked one.
            m_button->setAutoExclusive(false);
            m_button->setChecked(false);
            m_button->setAutoExclusive(true);
        }
        std::vector<RadioButtonPropertyBinding*> const bindings = live();
        for (RadioButtonPropertyBinding* const binding : bindings)
            if (&binding->property() == &this->property())
                binding->updateWidget();
    }

    /// The bindings that exist, so that those of one property can be found from any of them.
    /// One thread: the user-interface thread.
    static std::vector<RadioButtonPropertyBinding*>& live()
    {
        static std::vector<RadioButtonPropertyBinding*> bindings;
        return bindings;
    }

    QPointer<QAbstractButton> m_button; ///< not owned: the dialog's form owns it
    T m_buttonValue;
    std::unique_ptr<qwidgetobservable::QButtonObservable> m_observable; ///< owned
    QButtonListener m_listener;
};

} // namespace quarlin::sdk::ui::dialogs::propertybindings
