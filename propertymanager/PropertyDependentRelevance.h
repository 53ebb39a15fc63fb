#pragma once

#include "property/PropertyAbstract.h"
#include "propertybindings/UIStylePropertyAbstract.h"
#include "quarlin_prompt_export.h"
#include "sdk/exception/ExceptionBoundary.h"
#include "sdk/exception/InvalidArgumentException.h"
#include "sdk/managerbase/RelevanceInterface.h"
#include "sdk/signals/SignalConnectionCollection.h"

#include <cmath>
#include <set>
#include <type_traits>

namespace quarlin::sdk::ui::propertymanager {

/// Holds while a property's value is one the derived class accepts, and, where asked, only while
/// the property's UI state shows it sensitive and visible. Every change of the value (and of that
/// UI state) is announced as a hint: the answer is read from the property each time it is asked.
template <class T>
class PropertyDependentRelevanceAbstract : public virtual RelevanceInterface
{
public:
    /// Keeps the property alive. Throws InvalidArgumentException for a null property.
    explicit PropertyDependentRelevanceAbstract(boost::shared_ptr<PropertyAbstract<T> const> property);
    /// The property must outlive the rule.
    explicit PropertyDependentRelevanceAbstract(PropertyAbstract<T> const& property);
    /// The property must outlive the rule; with useUIState it also follows its UI state.
    PropertyDependentRelevanceAbstract(dialogs::propertybindings::UIStylePropertyAbstract<T>& property,
                                       bool useUIState);
    ~PropertyDependentRelevanceAbstract() override;

    bool isRelevant() const override;

protected:
    /// Whether the rule holds while the property holds `value`.
    virtual bool isRelevantValue(T const& value) const = 0;

private:
    void follow();

    PropertyAbstract<T> const* m_property;                        ///< not owned, unless held below
    boost::shared_ptr<PropertyAbstract<T> const> m_propertyOwner; ///< set by the shared form only
    dialogs::propertybindings::UIPropertyInterface* m_uiProperty; ///< not owned; null but for the UI form
    bool m_useUIState;
    /// Declared last: goes first, so no announcement reaches a rule whose property went.
    SignalConnectionCollection m_connections;
};

/// Holds while the property has one of a set of values.
template <class T>
class PropertyDependentRelevance : public PropertyDependentRelevanceAbstract<T>
{
public:
    /// Holds while `property` (kept alive) holds `value`. Throws InvalidArgumentException for a null
    /// property.
    PropertyDependentRelevance(boost::shared_ptr<PropertyAbstract<T> const> property, T const& value);
    /// Holds while `property` (which must outlive the rule) holds `value`.
    PropertyDependentRelevance(PropertyAbstract<T> const& property, T const& value);
    /// Holds while `property` (which must outlive the rule) holds `value`, and with `useUIState` only
    /// while it is also sensitive and visible.
    PropertyDependentRelevance(dialogs::propertybindings::UIStylePropertyAbstract<T>& property,
                               T const& value, bool useUIState);
    ~PropertyDependentRelevance() override;

    /// One more value for which the rule holds; announces nothing.
    void addRelevantValue(T const& value);

protected:
    /// Whether `value` is one of the rule's values.
    bool isRelevantValue(T const& value) const override;

private:
    std::set<T> m_relevantValues;
};

template <class T>
PropertyDependentRelevanceAbstract<T>::PropertyDependentRelevanceAbstract(
    boost::shared_ptr<PropertyAbstract<T> const> property)
    : m_property(property.get())
    , m_propertyOwner(std::move(property))
    , m_uiProperty(nullptr)
    , m_useUIState(false)
{
    follow();
}

template <class T>
PropertyDependentRelevanceAbstract<T>::PropertyDependentRelevanceAbstract(PropertyAbstract<T> const& property)
    : m_property(&property)
    , m_uiProperty(nullptr)
    , m_useUIState(false)
{
    follow();
}

template <class T>
PropertyDependentRelevanceAbstract<T>::PropertyDependentRelevanceAbstract(
    dialogs::propertybindings::UIStylePropertyAbstract<T>& property, bool useUIState)
    : m_property(&property)
    , m_uiProperty(&property)
    , m_useUIState(useUIState)
{
    follow();
}

template <class T>
PropertyDependentRelevanceAbstract<T>::~PropertyDependentRelevanceAbstract() = default;

template <class T>
void PropertyDependentRelevanceAbstract<T>::follow()
{
    if (!m_property)
        throw InvalidArgumentException("A property-dependent relevance needs a property.");
    auto const hint = [this] { runAtBoundary([this] { this->announce(); }); };
    m_connections.add(m_property->connectToValueChangedSignal([hint](T const&) { hint(); }));
    if (m_useUIState) {
        m_connections.add(m_uiProperty->connectToVisibilityChangedSignal(hint));
        m_connections.add(m_uiProperty->connectToSensitivityChangedSignal(hint));
    }
}

template <class T>
bool PropertyDependentRelevanceAbstract<T>::isRelevant() const
{
    bool const relevant = isRelevantValue(m_property->value());
    if (relevant && m_useUIState)
        return m_uiProperty->isSensitive() && m_uiProperty->isVisible();
    return relevant;
}

template <class T>
PropertyDependentRelevance<T>::PropertyDependentRelevance(
    boost::shared_ptr<PropertyAbstract<T> const> property, T const& value)
    : PropertyDependentRelevanceAbstract<T>(std::move(property))
{
    addRelevantValue(value);
}

template <class T>
PropertyDependentRelevance<T>::PropertyDependentRelevance(PropertyAbstract<T> const& property, T const& value)
    : PropertyDependentRelevanceAbstract<T>(property)
{
    addRelevantValue(value);
}

template <class T>
PropertyDependentRelevance<T>::PropertyDependentRelevance(
    dialogs::propertybindings::UIStylePropertyAbstract<T>& property, T const& value, bool useUIState)
    : PropertyDependentRelevanceAbstract<T>(property, useUIState)
{
    addRelevantValue(value);
}

template <class T>
PropertyDependentRelevance<T>::~PropertyDependentRelevance() = default;

template <class T>
void PropertyDependentRelevance<T>::addRelevantValue(T const& value)
{
    // The values are kept ordered; NaN has no place in an order and would match every value.
    if constexpr (std::is_floating_point_v<T>)
        if (std::isnan(value))
            throw InvalidArgumentException("A relevant value must be a number, not NaN.");
    m_relevantValues.insert(value);
}

template <class T>
bool PropertyDependentRelevance<T>::isRelevantValue(T const& value) const
{
    if constexpr (std::is_floating_point_v<T>)
        if (std::isnan(value))
            return false;
    return m_relevantValues.count(value) != 0;
}

extern template class QUARLIN_PROMPT_EXPORT PropertyDependentRelevanceAbstract<bool>;
extern template class QUARLIN_PROMPT_EXPORT PropertyDependentRelevance<bool>;
extern template class PropertyDependentRelevanceAbstract<RGBMode_e>;
extern template class PropertyDependentRelevance<RGBMode_e>;

} // namespace quarlin::sdk::ui::propertymanager
