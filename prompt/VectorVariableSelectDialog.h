#pragma once

#include "prompt/VariableSelectDialog.h"
#include "sdk/host/HostEnums.h"

namespace quarlin::dialogs::prompt {

/// The variable prompt for the vector components: U and V, and W for a 3-D plot. Proposes the
/// host's vector candidates when it finds a full set, else the current components.
class QUARLIN_PROMPT_EXPORT VectorVariableSelectDialog
{
public:
    /// Proposes the host's vector candidates when it finds a full set; otherwise the current components
    /// stay.
    class QUARLIN_PROMPT_EXPORT VectorVarAssignment
        : public VariableSelectDialog::DefaultVarAssignmentInterface
    {
    public:
        /// For a 2-D (2) or 3-D (1) Cartesian plot; W is proposed only on a 3-D one.
        explicit VectorVarAssignment(PlotType_e plotType);
        /// Sets U, V (and on a 3-D plot W) to the host's candidates, when it has a full set.
        void assignDefaults(PropertyAbstract<int>& first, PropertyAbstract<int>& second,
                            PropertyAbstract<int>& third) const override;
        /// A copy, so the dialog proposes the candidates again when the data set changes.
        std::unique_ptr<DefaultVarAssignmentInterface> clone() const override
        {
            return std::make_unique<VectorVarAssignment>(*this);
        }

    private:
        PlotType_e m_plotType;
    };

    /// plotType: 2 for 2-D vectors, 1 for 3-D. Configures the dialog only when this call creates
    /// it; holds the host lock meanwhile.
    static VariableSelectDialog& getInstance(QWidget& parent, PlotType_e plotType);
    /// Relevant while the active frame shows a 2-D or 3-D Cartesian plot.
    static sdk::ui::propertymanager::RelevancePtr relevance();

private:
    virtual ~VectorVariableSelectDialog();
};

} // namespace quarlin::dialogs::prompt
