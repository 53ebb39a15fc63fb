#include "referencehost/ReferenceHost.h"

#include "sdk/host/StateChangeEvent.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>

namespace quarlin::host {

namespace {

// A host without a screen of its own (a batch run) reports messages on stderr.
void printMessage(HostMessage const& message)
{
    std::fprintf(stderr, "%s\n", message.text.c_str());
}

std::array<Rgb, 64> defaultColorMap()
{
    std::array<Rgb, 64> map{};
    // Basic colours: black, red, green, blue, cyan, yellow, purple, white.
    static constexpr Rgb basic[8] = {{0, 0, 0},     {255, 0, 0},   {0, 255, 0},   {0, 0, 255},
                                     {0, 255, 255}, {255, 255, 0}, {255, 0, 255}, {255, 255, 255}};
    std::copy(std::begin(basic), std::end(basic), map.begin());
    // Custom colours 1..56: a hue wheel in seven lightness rows, so every entry is distinct.
    for (int i = 0; i < 56; ++i) {
        double const hue = (i % 8) / 8.0 * 6.0;
        double const light = 0.25 + (i / 8) * 0.1;
        auto channel = [&](double offset) {
            double const x = std::fabs(std::fmod(hue + offset, 6.0) - 3.0) - 1.0;
            double const c = std::clamp(x, 0.0, 1.0);
            return static_cast<std::uint8_t>(
                std::lround(255.0 * std::clamp(light + (c - 0.5) * 0.5, 0.0, 1.0)));
        };
        map[8 + static_cast<std::size_t>(i)] = {channel(0.0), channel(4.0), channel(2.0)};
    }
    return map;
}

} // namespace

ReferenceHost& ReferenceHost::instance()
{
    static ReferenceHost host;
    return host;
}

ReferenceHost::ReferenceHost()
    : m_colorMap(defaultColorMap())
    , m_presenter(&printMessage)
{
    m_frames.push_back(makeFrame(PlotType_Sketch));
}

Frame ReferenceHost::makeFrame(PlotType_e plotType)
{
    char name[32];
    std::snprintf(name, sizeof name, "Frame %03lld", static_cast<long long>(m_nextFrameId));
    return Frame{name, plotType, m_nextFrameId++};
}

void ReferenceHost::announce(StateChange_e kind) const
{
    toolbox::StateChangeEventObservable::getInstance().emitStateChange(toolbox::StateChangeEvent(kind));
}

void ReferenceHost::reset()
{
    m_hasDataSet = false;
    m_dataSet = {};
    m_pageCount = 1;
    m_nextFrameId = 1;
    m_frames.assign(1, makeFrame(PlotType_Sketch));
    m_activeFrame = 0;
    m_colorMap = defaultColorMap();
    m_axisGridRange = {{0.0, 0.0, 1.0, 1.0}};
    m_lockDepth = 0;
    m_lastStyleError.clear();
    m_styles.reset();
    clearRecords();
    for (StateChange_e kind :
         {StateChange_DataSetReset, StateChange_PageCount, StateChange_FrameCount, StateChange_PlotType,
          StateChange_ColorMap, StateChange_AxisRange, StateChange_StyleReset})
        announce(kind);
}

void ReferenceHost::loadDataSet(DataSet dataSet)
{
    m_dataSet = std::move(dataSet);
    m_hasDataSet = true;
    announce(StateChange_DataSetReset);
}

void ReferenceHost::loadSampleDataSet()
{
    loadSampleDataSet(0);
}

void ReferenceHost::loadSampleDataSet(std::int32_t probes)
{
    DataSet sample;
    sample.title = "Sample: heated block";
    constexpr int n = 9;
    constexpr double pi = 3.14159265358979;
    std::vector<Variable> variables{{"X", {}},        {"Y", {}}, {"Z", {}}, {"Temperature", {}},
                                    {"Pressure", {}}, {"U", {}}, {"V", {}}, {"W", {}}};
    for (int k = 0; k < n; ++k) {
        for (int j = 0; j < n; ++j) {
            for (int i = 0; i < n; ++i) {
                double const x = i / double(n - 1), y = j / double(n - 1), z = k / double(n - 1);
                double const r2 = (x - 0.5) * (x - 0.5) + (y - 0.5) * (y - 0.5) + (z - 0.5) * (z - 0.5);
                double const point[] = {x,
                                        y,
                                        z,
                                        20.0 + 80.0 * std::exp(-8.0 * r2),
                                        101.3 - 2.0 * y,
                                        std::sin(pi * x) * std::cos(pi * y),
                                        -std::cos(pi * x) * std::sin(pi * y),
                                        0.25 * std::sin(pi * z)};
                for (std::size_t v = 0; v < variables.size(); ++v)
                    variables[v].values.push_back(point[v]);
            }
        }
    }
    static char const* const stems[] = {"Temperature_probe_", "Pressure_probe_", "U_velocity_rms_",
                                        "V_velocity_rms_", "Density_mean_"};
    constexpr int kinds = int(std::size(stems));
    if (probes > 0) {
        sample.title += ", " + std::to_string(probes) + " probes";
        variables.reserve(variables.size() + std::size_t(probes));
    }
    for (int i = 0; i < probes; ++i) {
        std::string number = std::to_string(i / kinds + 1);
        if (number.size() < 4)
            number.insert(0, 4 - number.size(), '0');
        variables.push_back({stems[i % kinds] + number, {}});
    }
    sample.variables = std::move(variables);
    sample.zones = {"Block", "Inlet", "Outlet"};
    loadDataSet(std::move(sample));
    if (m_pageCount == 1 && m_frames.size() == 1 && m_frames.front().plotType == PlotType_Sketch) {
        m_frames = {makeFrame(PlotType_Cartesian2D), makeFrame(PlotType_Cartesian3D),
                    makeFrame(PlotType_XYLine)};
        for (std::size_t i = 0; i < m_frames.size(); ++i)
            m_frames[i].name = "Frame 00" + std::to_string(i + 1); // as a person counts them on the page
        m_activeFrame = 0;
        announce(StateChange_FrameCount);
        announce(StateChange_PlotType);
    }
}

void ReferenceHost::removeDataSet()
{
    if (!m_hasDataSet)
        return;
    m_hasDataSet = false;
    m_dataSet = {};
    announce(StateChange_DataSetReset);
}

void ReferenceHost::setPageCount(std::int32_t count)
{
    count = std::max(count, 0);
    if (count == m_pageCount)
        return;
    m_pageCount = count;
    announce(StateChange_PageCount);
}

void ReferenceHost::setFrameCount(std::int32_t count)
{
    auto const wanted = static_cast<std::size_t>(std::max(count, 0));
    if (wanted == m_frames.size())
        return;
    // New frames show what the active one shows, as a host copies the current frame.
    PlotType_e const shown =
        m_frames.empty() ? PlotType_Sketch : m_frames[std::size_t(m_activeFrame)].plotType;
    while (m_frames.size() < wanted)
        m_frames.push_back(makeFrame(shown));
    m_frames.resize(wanted);
    m_activeFrame = std::min(m_activeFrame, std::max<std::int32_t>(frameCount() - 1, 0));
    announce(StateChange_FrameCount);
}

void ReferenceHost::setPlotType(PlotType_e plotType)
{
    if (m_frames.empty() || plotType == m_frames[std::size_t(m_activeFrame)].plotType)
        return;
    m_frames[std::size_t(m_activeFrame)].plotType = plotType;
    announcePlotType();
}

PlotType_e ReferenceHost::plotType() const
{
    return (m_pageCount > 0 && !m_frames.empty()) ? m_frames[std::size_t(m_activeFrame)].plotType
                                                  : PlotType_Invalid;
}

void ReferenceHost::announcePlotType()
{
    announce(StateChange_PlotType);
    // The plot type is also a style setting of the frame, and announced as one.
    toolbox::StateChangeEventObservable::getInstance().emitStateChange(
        toolbox::StateChangeEvent(StateChange_Style, StylePath{"PlotType"}));
}

void ReferenceHost::activateFrame(std::int32_t index)
{
    if (index < 0 || index >= frameCount() || index == m_activeFrame)
        return;
    PlotType_e const before = plotType();
    m_activeFrame = index;
    announce(StateChange_FrameActivated);
    if (plotType() != before)
        announcePlotType();
}

__int64 ReferenceHost::activeFrameId() const
{
    return (m_pageCount > 0 && !m_frames.empty()) ? m_frames[std::size_t(m_activeFrame)].uniqueId : 0;
}

Rgb ReferenceHost::basicColor(std::int32_t index) const
{
    if (index < 0 || index >= static_cast<std::int32_t>(m_colorMap.size()))
        return {};
    return m_colorMap[static_cast<std::size_t>(index)];
}

void ReferenceHost::setBasicColor(std::int32_t index, Rgb color)
{
    if (index < 0 || index >= static_cast<std::int32_t>(m_colorMap.size()))
        return;
    m_colorMap[static_cast<std::size_t>(index)] = color;
    announce(StateChange_ColorMap);
}

void ReferenceHost::setAxisGridRange(std::array<double, 4> range)
{
    m_axisGridRange = range;
    announce(StateChange_AxisRange);
}

double ReferenceHost::convertUnits(UnitType_e from, UnitType_e to, double value) const
{
    auto toPoints = [this](UnitType_e unit, double v) {
        switch (unit) {
        case UnitType_Grid: return v * m_pointsPerGridUnit;
        case UnitType_Frame: return v * m_frameHeightPoints / 100.0;
        case UnitType_Point: return v;
        }
        return v;
    };
    double const points = toPoints(from, value);
    return points / toPoints(to, 1.0);
}

void ReferenceHost::postMessage(std::string const& text, MessageBoxType_e type)
{
    HostMessage const message{text, type};
    m_messages.push_back(message);
    messagePosted(message);
    if (m_presentation == MessagePresentation::Show && m_presenter)
        m_presenter(message);
}

void ReferenceHost::showHelp(std::string const& topic)
{
    m_helpTopics.push_back(topic);
    helpShown(topic);
}

void ReferenceHost::clearRecords()
{
    m_messages.clear();
    m_helpTopics.clear();
}

void ReferenceHost::setMessagePresenter(MessagePresenter presenter)
{
    m_presenter = presenter ? std::move(presenter) : MessagePresenter(&printMessage);
}

void ReferenceHost::acquireLock(bool /*recordMacro*/)
{
    ++m_lockDepth;
}

void ReferenceHost::releaseLock()
{
    if (m_lockDepth > 0)
        --m_lockDepth;
}

} // namespace quarlin::host
