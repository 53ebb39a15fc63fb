#include "propertymanager/RGBColorOptsPropertiesManager_p.h"

#include "sdk/exception/ExceptionBoundary.h"

#include "propertybindings/models/PremappedListModel.h"
#include "propertybindings/models/ZoneVarListModelAbstract_p.h"
#include "propertymanager/PropertyDependentRelevance.h"
#include "propertymanager/RGBColorOptsPropertiesGenerated.h"
#include "sdk/host/QrnUtil.h"
#include "sdk/host/SdkFunctions.h"
#include "sdk/host/StateChangeEvent.h"
#include "sdk/managerbase/InvertingRelevance.h"
#include "sdk/signals/ScopedExitAction.h"
#include "sdk/uicommon/OnIdleAfterStateChangeActionPerformer_p.h"

#include <QCoreApplication>
#include <boost/make_shared.hpp>

#include <array>

namespace quarlin::sdk::ui::propertymanager {

namespace {

// The modes in the order the prompt lists them, in the language of the moment.
RGBColorOptsPropertiesManager::ModeModel::Entries modeTable()
{
    auto const text = [](char const* source) {
        return QCoreApplication::translate("RGBColorOpts", source).toStdString();
    };
    return {
        {text(QT_TRANSLATE_NOOP("RGBColorOpts", "Specify R, G, and B")), RGBMode_SpecifyRGB},
        {text(QT_TRANSLATE_NOOP("RGBColorOpts", "Specify R&G, calculate B")), RGBMode_SpecifyRG},
        {text(QT_TRANSLATE_NOOP("RGBColorOpts", "Specify R&B, calculate G")), RGBMode_SpecifyRB},
        {text(QT_TRANSLATE_NOOP("RGBColorOpts", "Specify G&B, calculate R")), RGBMode_SpecifyGB},
    };
}

// The changes after which the assigned channel variables are checked again: those that decide
// which variables exist and which the frame shows. The colour map and axis range are on the
// host's list too; after them the check finds nothing to repair.
constexpr std::array<StateChange_e, 10> channelVarRelevantChanges = {
    StateChange_LayoutReplaced, StateChange_DataSetReset,   StateChange_VarsAltered, StateChange_ZonesAltered,
    StateChange_FrameCount,     StateChange_PlotType,       StateChange_ColorMap,    StateChange_AxisRange,
    StateChange_FrameActivated, StateChange_DataSetAttached};

} // namespace

void RGBColorOptsPropertiesManager::retranslate()
{
    m_modeModel->setEntries(modeTable());
}

RGBColorOptsPropertiesManager::RGBColorOptsPropertiesManager(
    boost::shared_ptr<RGBColorOptsPropertiesGenerated> generated)
    : m_generated(std::move(generated))
{
    if (!m_generated)
        throw InvalidArgumentException("The RGB colouring manager needs its style set.");
    m_modeModel = boost::make_shared<ModeModel>(modeTable());
    m_variablesModel = boost::make_shared<VariablesModel>(&getEnabledVarsForFrame, false);
    // First of all listeners: a combo box bound to a channel the list lost would otherwise fall
    // back to the first variable, which the check then finds valid.
    m_variablesChanged = m_variablesModel->connectToDataChangedSignal(
        [this] { runAtBoundary([this] { ensureValidChannelVars(); }); }, boost::signals2::at_front);
    m_channelVarChecker = std::make_unique<common::OnIdleAfterStateChangeActionPerformer>(
        [this] { ensureValidChannelVars(); }, &RGBColorOptsPropertiesManager::isChannelVarRelevantChange);
    // A channel holds unless the mode calculates it.
    auto const unlessMode = [this](RGBMode_e mode) -> RelevancePtr {
        return boost::make_shared<InvertingRelevance>(
            boost::make_shared<PropertyDependentRelevance<RGBMode_e>>(
                boost::shared_ptr<PropertyAbstract<RGBMode_e> const>(m_generated->globalRGBRGBMode()), mode));
    };
    m_redRelevance = unlessMode(RGBMode_SpecifyGB);
    m_greenRelevance = unlessMode(RGBMode_SpecifyRB);
    m_blueRelevance = unlessMode(RGBMode_SpecifyRG);
    // A host that refuses the repair is reported; the set and its dialog stay usable.
    runAtBoundary([this] { ensureValidChannelVars(); });
}

RGBColorOptsPropertiesManager::~RGBColorOptsPropertiesManager()
{
    // Fields go in reverse order: the watcher first, so no check runs on a half-gone manager.
    m_channelVarChecker.reset();
}

bool RGBColorOptsPropertiesManager::isChannelVarRelevantChange(
    toolbox::StateChangeEventInterface const& event)
{
    return std::find(channelVarRelevantChanges.begin(), channelVarRelevantChanges.end(), event.kind())
           != channelVarRelevantChanges.end();
}

void RGBColorOptsPropertiesManager::ensureValidChannelVars()
{
    int blue = m_generated->globalRGBBlueChannelVar()->value();
    int green = m_generated->globalRGBGreenChannelVar()->value();
    int red = m_generated->globalRGBRedChannelVar()->value();
    if (checkRGBChannelVars(red, green, blue))
        return;
    getValidRGBVarCandidates(QrnUtilFrameGetPlotType(), red, green, blue);
    QrnUtilUndoStateBegin(UndoStateCategory_Style);
    ScopedExitAction const closeStep([] { QrnUtilUndoStateEnd(false, true); });
    m_generated->globalRGBRedChannelVar()->setValue(red);
    m_generated->globalRGBGreenChannelVar()->setValue(green);
    m_generated->globalRGBBlueChannelVar()->setValue(blue);
}

} // namespace quarlin::sdk::ui::propertymanager
