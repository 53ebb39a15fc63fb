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
    /// The number of rows, header rows included.
    virtual int size() const = 0;
    /// Whether a person may edit the rows' texts.
    virtual bool isEditable() const = 0;
    /// Whether row `index` is a header, which cannot be chosen.
    virtual bool isHeader(int index) const = 0;
    /// The text row `index` is shown with, in UTF-8.
    virtual std::string getStr(int index) const = 0;
    /// The text an editor of row `index` starts from, in UTF-8.
    virtual std::string getStrForEdit(int index) const = 0;
    /// Offers edited text for row `index`; true when the model took it.
    virtual bool setEditedItem(std::string const& text, int index) = 0;
    /// The value of row `index` as a QVariant of the model's type.
    virtual QVariant getVariant(int index) const = 0;
};

} // namespace quarlin::sdk::ui::dialogs::propertybindings::models
