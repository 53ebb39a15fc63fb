#pragma once

#include "prompt/VariableSelectDialog.h"

namespace quarlin::dialogs::prompt {

/// The variable prompt for the red, green and blue channels: always three rows, opening on the
/// host's candidate channel variables. Its rule is the dialog's own (a data set exists).
class QUARLIN_PROMPT_EXPORT RGBVariableSelectDialog
{
public:
    class QUARLIN_PROMPT_EXPORT RGBVarAssignment : public VariableSelectDialog::DefaultVarAssignmentInterface
    {
    public:
        void assignDefaults(PropertyAbstract<int>& first, PropertyAbstract<int>& second,
                            PropertyAbstract<int>& third) const override;
        std::unique_ptr<DefaultVarAssignmentInterface> clone() const override
        {
            return std::make_unique<RGBVarAssignment>(*this);
        }
    };

    /// Configures the dialog only when this call creates it.
    static VariableSelectDialog& getInstance(QWidget& parent);

    RGBVariableSelectDialog(RGBVariableSelectDialog const&) = default;
    RGBVariableSelectDialog& operator=(RGBVariableSelectDialog const&) = default;

private:
    virtual ~RGBVariableSelectDialog();
};

} // namespace quarlin::dialogs::prompt
