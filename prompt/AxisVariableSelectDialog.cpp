#include "prompt/AxisVariableSelectDialog.h"

#include "sdk/host/AppLock.h"
#include "sdk/host/QrnUtil.h"
#include "sdk/managerbase/StateChangeDependentRelevance.h"

#include <QCoreApplication>
#include <boost/make_shared.hpp>

namespace quarlin::dialogs::prompt {

AxisVariableSelectDialog::~AxisVariableSelectDialog() = default;

void AxisVariableSelectDialog::AxisVarAssignment::assignDefaults(PropertyAbstract<int>&,
                                                                 PropertyAbstract<int>&,
                                                                 PropertyAbstract<int>&) const
{
    // The axes' current variables are the proposal.
}

VariableSelectDialog& AxisVariableSelectDialog::getInstance(QWidget& parent)
{
    sdk::AppLock const lock(sdk::ImplicitMacroRecording_Off);
    bool const threeD = QrnUtilFrameGetPlotType() == PlotType_Cartesian3D;
    char const* const axes = threeD                                              ? "ThreeDAxis"
                             : QrnUtilFrameGetPlotType() == PlotType_Cartesian2D ? "TwoDAxis"
                                                                                 : nullptr;
    toolbox::StringList x, y, z;
    if (axes) {
        x = toolbox::StringList{axes, "XDetail", "VarNum"};
        y = toolbox::StringList{axes, "YDetail", "VarNum"};
    } else {
        // No Cartesian frame (the relevance rule keeps the prompt from here): the paths have
        // no leading part, and the host refuses them.
        x = toolbox::StringList{"XDetail", "VarNum"};
        y = toolbox::StringList{"YDetail", "VarNum"};
    }
    std::vector<std::string> labels{QT_TRANSLATE_NOOP("VariableSelectDialog", "&X"),
                                    QT_TRANSLATE_NOOP("VariableSelectDialog", "&Y")};
    if (threeD) {
        z = toolbox::StringList{axes, "ZDetail", "VarNum"};
        labels.emplace_back(QT_TRANSLATE_NOOP("VariableSelectDialog", "&Z"));
    }
    return VariableSelectDialog::getInstance(
        parent, x, y, z,
        QT_TRANSLATE_NOOP("VariableSelectDialog", "Choose the variables to assign to the axes."), labels,
        AxisVarAssignment());
}

sdk::ui::propertymanager::RelevancePtr AxisVariableSelectDialog::relevance()
{
    static sdk::ui::propertymanager::RelevancePtr const rule =
        boost::make_shared<sdk::ui::propertymanager::StateChangeDependentRelevance>([] {
            PlotType_e const plotType = QrnUtilFrameGetPlotType();
            return QrnUtilPageGetCount() >= 1 && QrnUtilFrameGetCount() >= 1
                   && (plotType == PlotType_Cartesian2D || plotType == PlotType_Cartesian3D);
        });
    return rule;
}

} // namespace quarlin::dialogs::prompt
