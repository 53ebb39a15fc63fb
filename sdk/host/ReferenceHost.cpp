#include "sdk/host/ReferenceHost.h"

#include "sdk/host/StateChangeEvent.h"

#include <algorithm>
#include <cstdio>
#include <cmath>

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
            return static_cast<std::uint8_t>(std::lround(255.0 * (light + (c - 0.5) * 0.5)));
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
    m_frameCount = 1;
    m_plotType = PlotType_Sketch;
    m_colorMap = defaultColorMap();
    m_axisGridRange = {{0.0, 0.0, 1.0, 1.0}};
    m_lockDepth = 0;
    m_undoDepth = 0;
    m_completedUndoSteps = 0;
    m_lastStyleError.clear();
    clearRecords();
    for (StateChange_e kind : {StateChange_DataSetReset, StateChange_PageCount, StateChange_FrameCount,
                               StateChange_PlotType, StateChange_ColorMap, StateChange_AxisRange})
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
    DataSet sample;
    sample.title = "Sample: heated plate";
    constexpr int n = 21;
    Variable x{"X", {}}, y{"Y", {}}, t{"Temperature", {}}, p{"Pressure", {}}, v{"Velocity", {}};
    for (int j = 0; j < n; ++j) {
        for (int i = 0; i < n; ++i) {
            double const xi = i / double(n - 1), yj = j / double(n - 1);
            x.values.push_back(xi);
            y.values.push_back(yj);
            t.values.push_back(20.0 + 80.0 * std::exp(-8.0 * ((xi - 0.5) * (xi - 0.5) + (yj - 0.5) * (yj - 0.5))));
            p.values.push_back(101.3 - 2.0 * yj);
            v.values.push_back(std::sin(3.14159265358979 * xi) * std::cos(3.14159265358979 * yj));
        }
    }
    sample.variables = {x, y, t, p, v};
    sample.zones = {"Plate", "Inlet", "Outlet"};
    loadDataSet(std::move(sample));
    if (m_plotType == PlotType_Sketch)
        setPlotType(PlotType_Cartesian2D);
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
    count = std::max(count, 0);
    if (count == m_frameCount)
        return;
    m_frameCount = count;
    announce(StateChange_FrameCount);
}

void ReferenceHost::setPlotType(PlotType_e plotType)
{
    if (plotType == m_plotType)
        return;
    m_plotType = plotType;
    announce(StateChange_PlotType);
}

PlotType_e ReferenceHost::plotType() const
{
    return (m_pageCount > 0 && m_frameCount > 0) ? m_plotType : PlotType_Invalid;
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

void ReferenceHost::beginUndoStep()
{
    ++m_undoDepth;
}

void ReferenceHost::endUndoStep(bool record)
{
    if (m_undoDepth == 0)
        return; // an unmatched end is the caller's bug; the host shrugs it off
    if (--m_undoDepth == 0 && record)
        ++m_completedUndoSteps;
}

} // namespace quarlin::host
