#pragma once

#include "quarlin_prompt_export.h"

#include <QVariant>

#include <string>

namespace quarlin::sdk::ui::dialogs::propertybindings::models {

/// A typed list model seen without its type, for the Qt adapter.
class QUARLIN_PROMPT_EXPORT GenericModelWrapperInterface
{
public:
    virtual ~GenericModelWrapperInterface();
    virtual int size() const = 0;
    virtual bool isEditable() const = 0;
    virtual bool isHeader(int index) const = 0;
    virtual std::string getStr(int index) const = 0;
    virtual std::string getStrForEdit(int index) const = 0;
    virtual bool setEditedItem(std::string const& text, int index) = 0;
    virtual QVariant getVariant(int index) const = 0;
};

} // namespace quarlin::sdk::ui::dialogs::propertybindings::models
