#pragma once

#include "quarlin_prompt_export.h"

namespace quarlin::dialogs::common {

/// What the host may do with any prompt dialog.
class QUARLIN_PROMPT_EXPORT DialogInterface
{
public:
    /// Shows the dialog; for a modal dialog returns once it has finished, with the result set.
    virtual void launch() = 0;
    /// Discards the dialog: finishes it as cancelled if it is showing and deletes it later.
    virtual void drop() = 0;
    /// Brings the dialog up to date with the host's current state.
    virtual void updateContent() = 0;
    virtual ~DialogInterface();
};

} // namespace quarlin::dialogs::common
