#include "prompt/VectorVarAssignStrategy.h"

#include "prompt/VectorVariableSelectDialog.h"
#include "sdk/host/SdkFunctions.h"

#include <QPointer>

namespace quarlin::dialogs::prompt {

VectorVarAssignStrategy::VectorVarAssignStrategy(QWidget& parent)
    : m_parent(parent)
{}

bool VectorVarAssignStrategy::operator()(PlotType_e plotType) const
{
    if (plotType < PlotType_Cartesian3D || plotType > PlotType_Cartesian2D)
        return false;
    if (sdk::okToTurnOnVectorLayer(plotType))
        return true;
    QPointer<VariableSelectDialog> const dialog =
        &VectorVariableSelectDialog::getInstance(m_parent, plotType);
    dialog->launch();
    // The parent may have gone while the dialog ran, taking the dialog with it.
    return dialog && dialog->result() == QDialog::Accepted;
}

} // namespace quarlin::dialogs::prompt
