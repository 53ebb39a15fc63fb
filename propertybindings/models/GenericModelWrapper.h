#pragma once

#include "propertybindings/models/GenericModelWrapperInterface.h"
#include "propertybindings/models/ListModelInterface.h"

#include <QVariant>

#include <type_traits>

namespace quarlin::sdk::ui::dialogs::propertybindings::models {

/// Shows a typed list model to code that does not know its type (the Qt adapter). Values become
/// QVariants: enumerations as their int, everything else as itself.
template <class T>
class GenericModelWrapper : public GenericModelWrapperInterface
{
public:
    /// Shows `model`, which is borrowed and must outlive the wrapper.
    explicit GenericModelWrapper(ListModelInterface<T>& model)
        : m_model(&model)
    {}

    int size() const override { return m_model->size(); }
    bool isEditable() const override { return m_model->isEditable(); }
    bool isHeader(int index) const override { return m_model->isHeader(index); }
    std::string getStr(int index) const override { return m_model->getStr(index); }
    std::string getStrForEdit(int index) const override { return m_model->getStrForEdit(index); }
    bool setEditedItem(std::string const& text, int index) override
    {
        return m_model->setEditedItem(text, index);
    }
    QVariant getVariant(int index) const override
    {
        T const value = m_model->get(index);
        if constexpr (std::is_enum_v<T>)
            return QVariant(static_cast<int>(value));
        else if constexpr (std::is_same_v<T, std::string>)
            return QVariant(QString::fromStdString(value));
        else
            return QVariant::fromValue(value);
    }

private:
    ListModelInterface<T>* m_model; ///< not owned: the model outlives the adapter that owns this
};

} // namespace quarlin::sdk::ui::dialogs::propertybindings::models
