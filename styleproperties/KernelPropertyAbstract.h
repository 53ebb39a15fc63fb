#pragma once

#include "property/PropertyAbstract.h"
#include "quarlin_prompt_export.h"
#include "sdk/host/Platform.h"

namespace quarlin::sdk::styleproperties {

/// A property whose value is one of the host's style settings. The setting may have several
/// instances (one per map, per zone, ...); the two offsets choose which one the property shows.
template <class T>
class KernelPropertyAbstract : public virtual PropertyAbstract<T>
{
public:
    KernelPropertyAbstract();
    /// Copies nothing: a kernel property's state is its host setting.
    KernelPropertyAbstract(KernelPropertyAbstract const& other);
    /// Applies other's value as setValue() does, which reaches the host's setting.
    KernelPropertyAbstract& operator=(KernelPropertyAbstract const& other);
    ~KernelPropertyAbstract() override;

    /// Points the property at another instance of its setting and reads that instance.
    virtual void setOffsets(__int64 offset1, __int64 offset2) = 0;
};

template <class T>
KernelPropertyAbstract<T>::KernelPropertyAbstract() = default;

template <class T>
KernelPropertyAbstract<T>::KernelPropertyAbstract(KernelPropertyAbstract const&)
    : PropertyAbstract<T>()
{}

template <class T>
KernelPropertyAbstract<T>& KernelPropertyAbstract<T>::operator=(KernelPropertyAbstract const& other)
{
    PropertyAbstract<T>::operator=(other);
    return *this;
}

template <class T>
KernelPropertyAbstract<T>::~KernelPropertyAbstract() = default;

extern template class QUARLIN_PROMPT_EXPORT KernelPropertyAbstract<int>;
extern template class QUARLIN_PROMPT_EXPORT KernelPropertyAbstract<double>;
extern template class QUARLIN_PROMPT_EXPORT KernelPropertyAbstract<RGBMode_e>;
extern template class QUARLIN_PROMPT_EXPORT KernelPropertyAbstract<bool>;
extern template class QUARLIN_PROMPT_EXPORT KernelPropertyAbstract<std::string>;

} // namespace quarlin::sdk::styleproperties
