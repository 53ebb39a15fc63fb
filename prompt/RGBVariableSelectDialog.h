#pragma once

#include "prompt/VariableSelectDialog.h"

namespace quarlin::dialogs::prompt {

/// The variable prompt for the red, green and blue channels: always three rows, opening on the
/// host's candidate channel variables. Its rule is the dialog's own (a data set exists).
class QUARLIN_PROMPT_EXPORT RGBVariableSelectDialog
{
public:
    /// Proposes the host's candidate red, green and blue channel variables for the active frame.
    class QUARLIN_PROMPT_EXPORT RGBVarAssignment : public VariableSelectDialog::DefaultVarAssignmentInterface
    {
    public:
        /// Sets the red, green and blue candidates (0 where the host has none).
        void assignDefaults(PropertyAbstract<int>& first, PropertyAbstract<int>& second,
                            PropertyAbstract<int>& third) const override;
        /// A copy, so the dialog proposes the candidates again when the data set changes.
        std::unique_ptr<DefaultVarAssignmentInterface> clone() const override
        {
            return std::make_unique<RGBVarAssignment>(*this);
        }
    };

    /// Configures the dialog only when this call creates it.
    static VariableSelectDialog& getInstance(QWidget& parent);

    /// Copies nothing: the class only names the dialog's configuration.
    RGBVariableSelectDialog(RGBVariableSelectDialog const&) = default;
    /// Assigns nothing: the class only names the dialog's configuration.
    RGBVariableSelectDialog& operator=(RGBVariableSelectDialog const&) = default;

private:
    virtual ~RGBVariableSelectDialog();
};

} // namespace quarlin::dialogs::prompt
