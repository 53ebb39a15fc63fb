#pragma once

#include "prompt/VariableSelectDialog.h"

namespace quarlin::dialogs::prompt {

/// The variable prompt for the axes of the active frame: X and Y, and Z on a 3-D frame. Opens
/// on the frame's current axis variables.
class QUARLIN_PROMPT_EXPORT AxisVariableSelectDialog
{
public:
    /// Proposes nothing: the axes' current variables, which the dialog opens on, are the proposal.
    class QUARLIN_PROMPT_EXPORT AxisVarAssignment : public VariableSelectDialog::DefaultVarAssignmentInterface
    {
    public:
        /// Leaves the three properties as they are.
        void assignDefaults(PropertyAbstract<int>& first, PropertyAbstract<int>& second,
                            PropertyAbstract<int>& third) const override;
    };

    /// Configures the dialog only when this call creates it; holds the host lock meanwhile.
    static VariableSelectDialog& getInstance(QWidget& parent);
    /// Relevant while the active frame shows a 2-D or 3-D Cartesian plot.
    static sdk::ui::propertymanager::RelevancePtr relevance();

private:
    virtual ~AxisVariableSelectDialog();
};

} // namespace quarlin::dialogs::prompt
