#pragma once

#include "quarlin_host_export.h"
#include "referencehost/StyleStore.h"
#include "sdk/host/HostEnums.h"
#include "sdk/host/QrnUtil.h"

#include <boost/function.hpp>
#include <boost/signals2/signal.hpp>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace quarlin::host {

struct Variable
{
    std::string name;
    std::vector<double> values;
};

struct DataSet
{
    std::string title;
    std::vector<Variable> variables;
    std::vector<std::string> zones;
};

struct Rgb
{
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(Rgb a, Rgb b) { return a.red == b.red && a.green == b.green && a.blue == b.blue; }
};

struct Frame
{
    std::string name;
    PlotType_e plotType = PlotType_Sketch;
    __int64 uniqueId = 0; ///< given by the host
};

struct HostMessage
{
    std::string text;
    MessageBoxType_e type = MessageBoxType_Error;
};

/// The in-memory host behind the C interface. The library only ever sees the C functions; this
/// class is the control panel through which the reference application and the tests set the
/// host's state and observe what the library asked of it. Every state change is announced through
/// StateChangeEventObservable, synchronously, as a real host does on its user-interface thread.
class QUARLIN_HOST_EXPORT ReferenceHost
{
public:
    enum class MessagePresentation { Show, RecordOnly };

    static ReferenceHost& instance();

    /// Back to a fresh host: one page with one sketch frame, no data set, nothing recorded.
    void reset();

    // --- data set
    void loadDataSet(DataSet dataSet);
    /// A small data set (eight variables: X, Y, Z, Temperature, Pressure, U, V, W; three zones),
    /// enough to exercise every prompt. A host still in its fresh layout (one sketch frame) gets
    /// three frames to go with it: a 2-D one (active), a 3-D one and a line plot.
    void loadSampleDataSet();
    void removeDataSet();
    bool hasDataSet() const { return m_hasDataSet; }
    DataSet const& dataSet() const { return m_dataSet; }

    // --- layout
    void setPageCount(std::int32_t count);
    void setFrameCount(std::int32_t count);
    /// Sets the active frame's plot type.
    void setPlotType(PlotType_e plotType);
    std::int32_t pageCount() const { return m_pageCount; }
    std::int32_t frameCount() const { return static_cast<std::int32_t>(m_frames.size()); }
    /// PlotType_Invalid when there is no page or no frame.
    PlotType_e plotType() const;
    std::vector<Frame> const& frames() const { return m_frames; }
    std::int32_t activeFrame() const { return m_activeFrame; }
    /// Makes frame index (0-based) the active one; out-of-range indices are ignored.
    void activateFrame(std::int32_t index);
    /// The active frame's id; 0 when there is no frame.
    __int64 activeFrameId() const;

    // --- style settings and undo
    StyleStore& styleStore() { return m_styles; }
    StyleStore const& styleStore() const { return m_styles; }

    // --- colour map, axes, units
    Rgb basicColor(std::int32_t index) const;
    void setBasicColor(std::int32_t index, Rgb color);
    std::array<double, 4> axisGridRange() const { return m_axisGridRange; }
    void setAxisGridRange(std::array<double, 4> range);
    /// Points per grid unit; frame units are percent of the frame height.
    double pointsPerGridUnit() const { return m_pointsPerGridUnit; }
    double convertUnits(UnitType_e from, UnitType_e to, double value) const;

    // --- messages and help
    void setMessagePresentation(MessagePresentation presentation) { m_presentation = presentation; }
    MessagePresentation messagePresentation() const { return m_presentation; }
    void postMessage(std::string const& text, MessageBoxType_e type);
    std::vector<HostMessage> const& messages() const { return m_messages; }
    void showHelp(std::string const& topic);
    std::vector<std::string> const& helpTopics() const { return m_helpTopics; }
    void clearRecords();

    /// Presents a message to a person; installed by whoever owns the screen (the application
    /// shows a message box). Without one, messages go to stderr as in a batch run.
    using MessagePresenter = boost::function<void(HostMessage const&)>;
    void setMessagePresenter(MessagePresenter presenter);

    boost::signals2::signal<void(HostMessage const&)> messagePosted;
    boost::signals2::signal<void(std::string const&)> helpShown;

    // --- locking and undo
    void acquireLock(bool recordMacro);
    void releaseLock();
    int lockDepth() const { return m_lockDepth; }
    void beginUndoStep() { m_styles.beginStep(); }
    void endUndoStep(bool record) { m_styles.endStep(record); }
    int undoDepth() const { return m_styles.openDepth(); }
    int completedUndoSteps() const { return m_styles.completedSteps(); }
    /// Edit > Undo: puts back what the last step changed; false when there is nothing to undo.
    bool undo() { return m_styles.undoLastStep(); }

    // --- style errors, filled in by the style store
    void setLastStyleError(std::string text) { m_lastStyleError = std::move(text); }
    std::string const& lastStyleError() const { return m_lastStyleError; }

    ReferenceHost(ReferenceHost const&) = delete;
    ReferenceHost& operator=(ReferenceHost const&) = delete;

private:
    void announcePlotType();
    ReferenceHost();
    void announce(StateChange_e kind) const;
    Frame makeFrame(PlotType_e plotType);

    bool m_hasDataSet = false;
    DataSet m_dataSet;
    std::int32_t m_pageCount = 1;
    std::vector<Frame> m_frames;
    std::int32_t m_activeFrame = 0;
    __int64 m_nextFrameId = 1;
    std::array<Rgb, 64> m_colorMap{};
    std::array<double, 4> m_axisGridRange{{0.0, 0.0, 1.0, 1.0}};
    double m_pointsPerGridUnit = 72.0;
    double m_frameHeightPoints = 576.0;

    MessagePresentation m_presentation = MessagePresentation::Show;
    MessagePresenter m_presenter;
    std::vector<HostMessage> m_messages;
    std::vector<std::string> m_helpTopics;

    int m_lockDepth = 0;
    std::string m_lastStyleError;
    StyleStore m_styles;
};

} // namespace quarlin::host
