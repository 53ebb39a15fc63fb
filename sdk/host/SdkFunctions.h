#pragma once

// The SDK's free functions over the host's data set and frame style.

#include "quarlin_host_export.h"
#include "sdk/host/HostEnums.h"
#include "sdk/host/Platform.h"
#include "sdk/host/Set.h"

namespace quarlin::toolbox {
class StyleValue;
}

namespace quarlin::sdk {

/// The 1-based numbers of the variables (zones) the frame with this id shows; empty without a
/// data set or for an unknown frame.
QUARLIN_HOST_EXPORT toolbox::Set getEnabledVarsForFrame(__int64 frameId);
QUARLIN_HOST_EXPORT toolbox::Set getEnabledZonesForFrame(__int64 frameId);

/// Variables that make a vector field for the plot type: those named U, V and (3-D) W, in any
/// case. True when a full set was found; the outputs are untouched otherwise.
QUARLIN_HOST_EXPORT bool getValidVectorVarCandidates(PlotType_e plotType, int& u, int& v, int& w);
/// True when the frame's vector variables for the plot type already name distinct variables of
/// the data set, so vectors can be shown without asking.
QUARLIN_HOST_EXPORT bool okToTurnOnVectorLayer(PlotType_e plotType);

/// Variables for the red, green and blue channels: those named R/Red, G/Green, B/Blue, else the
/// first three that are not coordinates (X, Y, Z), else the first three; 0 where there is none.
QUARLIN_HOST_EXPORT void getValidRGBVarCandidates(PlotType_e plotType, int& red, int& green, int& blue);
/// True when each channel names a variable of the data set (two channels may share one).
QUARLIN_HOST_EXPORT bool checkRGBChannelVars(int red, int green, int blue);
/// The same for the channel variables the style below rgbStyle holds
/// ("RedChannelVar", "GreenChannelVar", "BlueChannelVar").
QUARLIN_HOST_EXPORT bool checkRGBChannelVars(toolbox::StyleValue const& rgbStyle);

/// Lets the host choose the scatter-size variable ("GlobalScatter" "Var") when the one set is not a
/// variable of the data set: the first that is not a coordinate (X, Y, Z), else the first.
/// Nothing changes without a data set.
QUARLIN_HOST_EXPORT void autoAssignScatterVariable();

} // namespace quarlin::sdk
