#pragma once

#include "styleproperties/KernelProperty.h"

namespace quarlin::sdk::styleproperties {

/// A kernel property that buffers: setValue changes only the value this object holds, and
/// submitValue sends it to the host (through an inner write-through property, with its
/// validator and its rules: nothing is sent when the host already holds the value). Used by
/// modal dialogs, whose edits reach the host only on OK. An unsubmitted value is dropped with
/// the property.
template <class T>
class KernelPropertyDeferred : public KernelPropertyAbstract<T>
{
public:
    /// Reads the setting at once: the host must be ready for style reads.
    explicit KernelPropertyDeferred(toolbox::StyleValue const& styleValue);
    ~KernelPropertyDeferred() override;

protected:
    void storeValue(T const& value) override { m_bufferedValue = value; }
    T storedValue() const override { return m_bufferedValue; }

public:
    /// Shows the host's value of the other instance, replacing an unsubmitted edit.
    void setOffsets(__int64 offset1, __int64 offset2) override;
    /// Throws InvalidPropertyValueException when the host refuses the value.
    virtual void submitValue();

private:
    T m_bufferedValue;
    KernelProperty<T> m_inner;
};

template <class T>
KernelPropertyDeferred<T>::KernelPropertyDeferred(toolbox::StyleValue const& styleValue)
    : m_bufferedValue()
    , m_inner(styleValue)
{
    m_bufferedValue = m_inner.value();
}

template <class T>
KernelPropertyDeferred<T>::~KernelPropertyDeferred() = default;

template <class T>
void KernelPropertyDeferred<T>::setOffsets(__int64 offset1, __int64 offset2)
{
    m_inner.setOffsets(offset1, offset2);
    T const hostValue = m_inner.value();
    if (!detail::propertyValuesEqual(hostValue, m_bufferedValue)) {
        m_bufferedValue = hostValue;
        this->emitValueChangedSignal(m_bufferedValue);
    }
}

template <class T>
void KernelPropertyDeferred<T>::submitValue()
{
    m_inner.setValue(m_bufferedValue);
}

extern template class QUARLIN_PROMPT_EXPORT KernelPropertyDeferred<int>;
extern template class QUARLIN_PROMPT_EXPORT KernelPropertyDeferred<double>;
extern template class QUARLIN_PROMPT_EXPORT KernelPropertyDeferred<RGBMode_e>;
extern template class QUARLIN_PROMPT_EXPORT KernelPropertyDeferred<bool>;
extern template class QUARLIN_PROMPT_EXPORT KernelPropertyDeferred<std::string>;

} // namespace quarlin::sdk::styleproperties
