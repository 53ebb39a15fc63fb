#pragma once

#include "property/PropertyAbstract.h"
#include "propertybindings/BindingInterface.h"
#include "propertybindings/UIStylePropertyAbstract.h"
#include "sdk/signals/Lifetime.h"
#include "sdk/signals/SignalConnectionCollection.h"
#include "sdk/uicommon/OnIdleActionPerformerSingleShot.h"
#include "sdk/widgets/GreyOutParties.h"

#include <boost/shared_ptr.hpp>

#include <QWidget>

#include <memory>

namespace quarlin::sdk::ui::dialogs::propertybindings {

/// Listens to a property and brings a widget up to date when it changes: at once, inside the
/// signal that reported the change, or once at the next idle point however many changes came
/// before it. Built from a UIStylePropertyAbstract, it also follows the property's visibility
/// and sensitivity. Updates read the property again and only write to the widget.
///
/// Guarantees: no update runs after the binding is destroyed (pending idle updates are dropped);
/// a shared property stays alive as long as the binding.
template <class T>
class UIPropertyBindingAbstract : public virtual PropertyBindingInterface
{
public:
    /// Binds a shared property. Throws InvalidArgumentException ("A binding needs a property.") for a
    /// null one.
    UIPropertyBindingAbstract(boost::shared_ptr<PropertyAbstract<T>> property, WidgetUpdateMode_e mode)
        : m_mode(mode)
        , m_uiProperty(nullptr)
        , m_property(property.get())
        , m_propertyHolder(std::move(property))
        , m_widgetPerformer([this] { updateWidget(); })
    {
        if (!m_property)
            throw InvalidArgumentException("A binding needs a property.");
        connectValueChanged();
    }

    /// The caller keeps the property alive for as long as the binding lives.
    UIPropertyBindingAbstract(UIStylePropertyAbstract<T>& property, WidgetUpdateMode_e mode)
        : m_mode(mode)
        , m_uiProperty(&property)
        , m_property(&property)
        , m_widgetPerformer([this] { updateWidget(); })
        , m_visibilityPerformer(
              std::make_unique<common::OnIdleActionPerformerSingleShot>([this] { updateVisibility(); }))
        , m_sensitivityPerformer(
              std::make_unique<common::OnIdleActionPerformerSingleShot>([this] { updateSensitivity(); }))
    {
        connectValueChanged();
        m_connections.add(property.connectToVisibilityChangedSignal([this] { onVisibilityChanged(); }));
        m_connections.add(property.connectToSensitivityChangedSignal([this] { onSensitivityChanged(); }));
    }

    ~UIPropertyBindingAbstract() override = default;
    UIPropertyBindingAbstract(UIPropertyBindingAbstract const&) = delete;
    UIPropertyBindingAbstract& operator=(UIPropertyBindingAbstract const&) = delete;

    /// Something other than the property made the widget stale: update it at the next idle
    /// point, whatever the mode.
    virtual void requestWidgetUpdate() { m_widgetPerformer.enableNotification(); }

    /// The bound property.
    PropertyAbstract<T>& property() const { return *m_property; }
    /// Null for a binding built from a shared property.
    UIStylePropertyAbstract<T>* uiProperty() const { return m_uiProperty; }

protected:
    /// For connections a concrete binding makes; they die with the binding.
    SignalConnectionCollection& connections() { return m_connections; }

    /// A person's commit calls the host (the write, the message that reports a refusal), and the
    /// host may answer by closing the window that owns this binding. Around such a call the
    /// binding watches its lifetime and holds its property, so that the write finishes on a live
    /// property and nothing of the binding is touched once it is gone.
    Lifetime::Watch watchLifetime() const { return m_lifetime.watch(); }
    /// Null for a binding built from a UI property, which its caller keeps alive.
    boost::shared_ptr<PropertyAbstract<T>> holdProperty() const { return m_propertyHolder; }

    /// What updateVisibility and updateSensitivity do for a binding of one widget: follow the UI
    /// property, if the binding has one and the widget still exists.
    void showAsUiPropertySays(QWidget* widget) const
    {
        if (widget && m_uiProperty)
            widget->setVisible(m_uiProperty->isVisible());
    }
    /// Enables or greys out `widget` (null or destroyed: nothing) as the UI property says, if there is one.
    void enableAsUiPropertySays(QWidget* widget) const
    {
        if (widget && m_uiProperty)
            quarlin::ui::GreyOutParties::setGreyedOutBy(*widget, this, !m_uiProperty->isSensitive());
    }

private:
    bool immediate() const { return m_mode == WidgetUpdateImmediate; }

    void connectValueChanged()
    {
        m_connections.add(
            m_property->connectToValueChangedSignal([this](T const&) { onPropertyValueChanged(); }));
    }

    void onPropertyValueChanged()
    {
        if (immediate())
            updateWidget();
        else
            m_widgetPerformer.enableNotification();
    }

    void onVisibilityChanged()
    {
        if (immediate())
            updateVisibility();
        else
            m_visibilityPerformer->enableNotification();
    }

    void onSensitivityChanged()
    {
        if (immediate())
            updateSensitivity();
        else
            m_sensitivityPerformer->enableNotification();
    }

    WidgetUpdateMode_e m_mode;
    UIStylePropertyAbstract<T>* m_uiProperty; ///< not owned: the caller keeps it alive
    PropertyAbstract<T>* m_property;          ///< not owned: the holder or the caller keeps it
    boost::shared_ptr<PropertyAbstract<T>> m_propertyHolder;
    common::OnIdleActionPerformerSingleShot m_widgetPerformer;
    std::unique_ptr<common::OnIdleActionPerformerSingleShot>
        m_visibilityPerformer; ///< owned; null without UI property
    std::unique_ptr<common::OnIdleActionPerformerSingleShot>
        m_sensitivityPerformer; ///< owned; null without UI property
    Lifetime m_lifetime;
    /// Last, so it disconnects first: no handler runs while the rest is torn down.
    SignalConnectionCollection m_connections;
};

} // namespace quarlin::sdk::ui::dialogs::propertybindings
