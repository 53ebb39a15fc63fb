#pragma once

#include "propertybindings/UIPropertyBindingAbstract.h"
#include "quarlin_prompt_export.h"

#include <QObject>

#include <memory>

namespace quarlin::sdk::ui::dialogs::propertybindings {

/// Base of bindings that are Qt objects (to receive a widget's signals through slots). The
/// property side is delegated to an owned updater, which routes the core's update calls back to
/// this object's updateWidget, updateVisibility and updateSensitivity. The QObject has no
/// parent: whoever creates a binding owns it.
template <class T>
class QObjectPropertyBinding : public QObject, public virtual PropertyBindingInterface
{
public:
    /// Binds a shared property. Throws InvalidArgumentException for a null one.
    QObjectPropertyBinding(boost::shared_ptr<PropertyAbstract<T>> property, WidgetUpdateMode_e mode)
        : QObject(nullptr)
        , m_mode(mode)
        , m_updater(std::make_unique<PropertyBindingUpdater<T>>(*this, std::move(property), mode))
    {}

    /// Binds a UI style property, which also says whether the widget is visible and enabled; the
    /// caller keeps it alive for as long as the binding lives.
    QObjectPropertyBinding(UIStylePropertyAbstract<T>& property, WidgetUpdateMode_e mode)
        : QObject(nullptr)
        , m_mode(mode)
        , m_updater(std::make_unique<PropertyBindingUpdater<T>>(*this, property, mode))
    {}

    /// The updater goes first: it disconnects everything and drops pending idle updates.
    ~QObjectPropertyBinding() override { m_updater.reset(); }

    /// The bound property.
    PropertyAbstract<T>& property() { return m_updater->property(); }

    /// Throws InvalidArgumentException for a binding built from a shared property, which has no
    /// UI state to give.
    UIPropertyInterface& uiProperty()
    {
        if (!m_updater->uiProperty())
            throw InvalidArgumentException("This binding was built without a UI property.");
        return *m_updater->uiProperty();
    }

    /// When the widget is repainted after a change of the property.
    WidgetUpdateMode_e widgetUpdateMode() const { return m_mode; }

protected:
    /// Something other than the property made the widget stale: update it at the next idle point.
    void requestWidgetUpdate() { m_updater->requestWidgetUpdate(); }

private:
    template <class U>
    class PropertyBindingUpdater : public UIPropertyBindingAbstract<U>
    {
    public:
        template <class P>
        PropertyBindingUpdater(QObjectPropertyBinding& owner, P&& property, WidgetUpdateMode_e mode)
            : UIPropertyBindingAbstract<U>(std::forward<P>(property), mode)
            , m_owner(&owner)
        {}
        void updateWidget() override { m_owner->updateWidget(); }
        void updateVisibility() override { m_owner->updateVisibility(); }
        void updateSensitivity() override { m_owner->updateSensitivity(); }

    private:
        QObjectPropertyBinding* m_owner; ///< not owned: the owner owns this updater
    };

    WidgetUpdateMode_e m_mode;
    std::unique_ptr<PropertyBindingUpdater<T>> m_updater; ///< owned
};

extern template class QUARLIN_PROMPT_EXPORT QObjectPropertyBinding<int>;

} // namespace quarlin::sdk::ui::dialogs::propertybindings
