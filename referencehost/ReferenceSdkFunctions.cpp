#include "sdk/host/SdkFunctions.h"

#include "referencehost/ReferenceHost.h"
#include "referencehost/StyleStore.h"
#include "sdk/host/StyleValue.h"

#include <algorithm>
#include <cctype>
#include <initializer_list>

namespace quarlin::sdk {

using host::ReferenceHost;

namespace {

bool frameShowsDataSet(__int64 frameId)
{
    ReferenceHost const& host = ReferenceHost::instance();
    if (!host.hasDataSet() || host.pageCount() < 1)
        return false;
    auto const& frames = host.frames();
    return std::any_of(frames.begin(), frames.end(),
                       [frameId](host::Frame const& f) { return f.uniqueId == frameId; });
}

bool sameName(std::string const& a, char const* b)
{
    std::size_t i = 0;
    for (; i < a.size() && b[i]; ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return i == a.size() && !b[i];
}

// The 1-based number of the first variable with one of the names, or 0.
int variableNamed(std::initializer_list<char const*> names)
{
    auto const& variables = ReferenceHost::instance().dataSet().variables;
    for (std::size_t i = 0; i < variables.size(); ++i)
        for (char const* name : names)
            if (sameName(variables[i].name, name))
                return static_cast<int>(i + 1);
    return 0;
}

bool isVariable(__int64 number)
{
    ReferenceHost const& host = ReferenceHost::instance();
    return host.hasDataSet() && number >= 1
           && number <= static_cast<__int64>(host.dataSet().variables.size());
}

__int64 styleNumber(host::StylePath path)
{
    auto const value = ReferenceHost::instance().styleStore().value(host::StyleKey{std::move(path)});
    return value && value->index() == 0 ? std::get<__int64>(*value) : 0;
}

} // namespace

toolbox::Set getEnabledVarsForFrame(__int64 frameId)
{
    toolbox::Set set;
    if (frameShowsDataSet(frameId))
        set.addRange(1, static_cast<__int64>(ReferenceHost::instance().dataSet().variables.size()));
    return set;
}

toolbox::Set getEnabledZonesForFrame(__int64 frameId)
{
    toolbox::Set set;
    if (frameShowsDataSet(frameId))
        set.addRange(1, static_cast<__int64>(ReferenceHost::instance().dataSet().zones.size()));
    return set;
}

bool getValidVectorVarCandidates(PlotType_e plotType, int& u, int& v, int& w)
{
    if (plotType != PlotType_Cartesian2D && plotType != PlotType_Cartesian3D)
        return false;
    int const foundU = variableNamed({"U"}), foundV = variableNamed({"V"}), foundW = variableNamed({"W"});
    if (!foundU || !foundV || (plotType == PlotType_Cartesian3D && !foundW))
        return false;
    u = foundU;
    v = foundV;
    w = foundW;
    return true;
}

bool okToTurnOnVectorLayer(PlotType_e plotType)
{
    char const* const vector = plotType == PlotType_Cartesian2D   ? "GlobalTwoDVector"
                               : plotType == PlotType_Cartesian3D ? "GlobalThreeDVector"
                                                                  : nullptr;
    if (!vector)
        return false;
    __int64 const u = styleNumber({vector, "UVar"}), v = styleNumber({vector, "VVar"});
    if (!isVariable(u) || !isVariable(v) || u == v)
        return false;
    if (plotType == PlotType_Cartesian2D)
        return true;
    __int64 const w = styleNumber({vector, "WVar"});
    return isVariable(w) && w != u && w != v;
}

void getValidRGBVarCandidates(PlotType_e /*plotType*/, int& red, int& green, int& blue)
{
    ReferenceHost const& host = ReferenceHost::instance();
    int const count = host.hasDataSet() ? static_cast<int>(host.dataSet().variables.size()) : 0;
    red = variableNamed({"R", "Red"});
    green = variableNamed({"G", "Green"});
    blue = variableNamed({"B", "Blue"});
    if (red && green && blue)
        return;
    int const coordinates[] = {variableNamed({"X"}), variableNamed({"Y"}), variableNamed({"Z"})};
    auto const isCoordinate = [&coordinates](int i) {
        return std::find(std::begin(coordinates), std::end(coordinates), i) != std::end(coordinates);
    };
    std::vector<int> picks;
    for (int i = 1; i <= count && picks.size() < 3; ++i)
        if (!isCoordinate(i))
            picks.push_back(i);
    for (int i = 1; i <= count && picks.size() < 3; ++i)
        if (isCoordinate(i))
            picks.push_back(i);
    picks.resize(3, 0);
    red = picks[0];
    green = picks[1];
    blue = picks[2];
}

bool checkRGBChannelVars(int red, int green, int blue)
{
    return isVariable(red) && isVariable(green) && isVariable(blue);
}

bool checkRGBChannelVars(toolbox::StyleValue const& rgbStyle)
{
    auto const channel = [&rgbStyle](char const* name) {
        host::StylePath path = rgbStyle.nameParts().items();
        path.push_back(name);
        return styleNumber(std::move(path));
    };
    return isVariable(channel("RedChannelVar")) && isVariable(channel("GreenChannelVar"))
           && isVariable(channel("BlueChannelVar"));
}

void autoAssignScatterVariable()
{
    ReferenceHost& host = ReferenceHost::instance();
    if (!host.hasDataSet() || isVariable(styleNumber({"GlobalScatter", "Var"})))
        return;
    int const count = static_cast<int>(host.dataSet().variables.size());
    int const coordinates[] = {variableNamed({"X"}), variableNamed({"Y"}), variableNamed({"Z"})};
    int choice = count > 0 ? 1 : 0;
    for (int i = 1; i <= count; ++i)
        if (std::find(std::begin(coordinates), std::end(coordinates), i) == std::end(coordinates)) {
            choice = i;
            break;
        }
    host.styleStore().change(host::StyleKey{{"GlobalScatter", "Var"}}, __int64(choice));
}

} // namespace quarlin::sdk
