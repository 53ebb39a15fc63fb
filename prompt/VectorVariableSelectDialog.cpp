#include "prompt/VectorVariableSelectDialog.h"

#include "sdk/host/AppLock.h"
#include "sdk/host/QrnUtil.h"
#include "sdk/host/SdkFunctions.h"
#include "sdk/managerbase/StateChangeDependentRelevance.h"

#include <QCoreApplication>
#include <boost/make_shared.hpp>

namespace quarlin::dialogs::prompt {

VectorVariableSelectDialog::~VectorVariableSelectDialog() = default;

VectorVariableSelectDialog::VectorVarAssignment::VectorVarAssignment(PlotType_e plotType)
    : m_plotType(plotType)
{}

void VectorVariableSelectDialog::VectorVarAssignment::assignDefaults(PropertyAbstract<int>& first,
                                                                     PropertyAbstract<int>& second,
                                                                     PropertyAbstract<int>& third) const
{
    int u = 0, v = 0, w = 0;
    if (!sdk::getValidVectorVarCandidates(m_plotType, u, v, w))
        return;
    sdk::AppLock const lock(sdk::ImplicitMacroRecording_Off);
    first.setValue(u);
    second.setValue(v);
    if (m_plotType == PlotType_Cartesian3D)
        third.setValue(w);
}

VariableSelectDialog& VectorVariableSelectDialog::getInstance(QWidget& parent, PlotType_e plotType)
{
    sdk::AppLock const lock(sdk::ImplicitMacroRecording_Off);
    char const* const vector = plotType == PlotType_Cartesian2D   ? "GlobalTwoDVector"
                               : plotType == PlotType_Cartesian3D ? "GlobalThreeDVector"
                                                                  : nullptr;
    auto const path = [vector](char const* component) {
        return vector ? toolbox::StringList{vector, component} : toolbox::StringList{component};
    };
    std::vector<std::string> labels{QT_TRANSLATE_NOOP("VariableSelectDialog", "&U"),
                                    QT_TRANSLATE_NOOP("VariableSelectDialog", "&V")};
    toolbox::StringList w;
    if (plotType == PlotType_Cartesian3D) {
        w = path("WVar");
        labels.emplace_back(QT_TRANSLATE_NOOP("VariableSelectDialog", "&W"));
    }
    return VariableSelectDialog::getInstance(
        parent, path("UVar"), path("VVar"), w,
        QT_TRANSLATE_NOOP("VariableSelectDialog", "Choose the vector variables."), labels,
        VectorVarAssignment(plotType));
}

sdk::ui::propertymanager::RelevancePtr VectorVariableSelectDialog::relevance()
{
    static boost::function<PlotType_e()> const plotTypeOf = &QrnUtilFrameGetPlotType;
    static sdk::ui::propertymanager::RelevancePtr const rule =
        boost::make_shared<sdk::ui::propertymanager::StateChangeDependentRelevance>([] {
            PlotType_e const plotType = plotTypeOf();
            return QrnUtilPageGetCount() >= 1 && QrnUtilFrameGetCount() >= 1
                   && (plotType == PlotType_Cartesian2D || plotType == PlotType_Cartesian3D);
        });
    return rule;
}

} // namespace quarlin::dialogs::prompt
