#pragma once

#include "quarlin_prompt_export.h"

namespace quarlin::sdk::ui::propertymanager {

/// A set of properties over host style settings that a dialog edits together.
class QUARLIN_PROMPT_EXPORT UIKernelStylePropertiesInterface
{
public:
    virtual ~UIKernelStylePropertiesInterface();

    /// Points every property at the instance of its settings the set's offsets choose.
    virtual void init() = 0;
    /// Sends a modal set's edits to the host as one undo step.
    virtual void submit() = 0;
    /// Whether the set defers its writes to submit().
    virtual bool isModal() const = 0;

protected:
    UIKernelStylePropertiesInterface() = default;
};

} // namespace quarlin::sdk::ui::propertymanager
