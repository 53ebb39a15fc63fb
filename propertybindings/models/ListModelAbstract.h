#pragma once

#include "propertybindings/models/ListModelInterface.h"
#include "quarlin_prompt_export.h"
#include "sdk/host/HostEnums.h"

namespace quarlin::sdk::ui::dialogs::propertybindings::models {

/// A read-only list without headers, by default: a derived model gives size, get and getStr and
/// overrides what it does differently.
template <class T>
class ListModelAbstract : public virtual ListModelInterface<T>
{
public:
    ListModelAbstract();
    ListModelAbstract(ListModelAbstract const& other);
    ~ListModelAbstract() override;

    /// The shown text.
    std::string getStrForEdit(int index) override { return this->getStr(index); }
    /// Read-only: does nothing.
    void set(T, int) override {}
    /// Read-only: takes no text.
    bool setEditedItem(std::string const&, int) const override { return false; }
    /// Read-only.
    bool isEditable() const override { return false; }
    /// No header rows.
    bool isHeader(int) const override { return false; }

    /// Asks size() again after each row, so a model that shrinks while searched ends early;
    /// values compare with ==, exactly for double.
    int indexOf(T const& value) const override
    {
        for (int row = 0; row < this->size(); ++row)
            if (this->get(row) == value)
                return row;
        return -1;
    }
};

/// Out of line, so that the library's explicit instantiations export them.
template <class T>
ListModelAbstract<T>::ListModelAbstract() = default;

/// The virtual base is copied by the most derived class; its signals stay behind either way.
template <class T>
ListModelAbstract<T>::ListModelAbstract(ListModelAbstract const& other)
    : ListModelInterface<T>(other)
{}

template <class T>
ListModelAbstract<T>::~ListModelAbstract() = default;

extern template class QUARLIN_PROMPT_EXPORT ListModelAbstract<int>;
extern template class QUARLIN_PROMPT_EXPORT ListModelAbstract<double>;

} // namespace quarlin::sdk::ui::dialogs::propertybindings::models
