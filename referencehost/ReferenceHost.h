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

/// A variable of the data set: its name and its values, one per data point.
struct Variable
{
    /// The name shown in the prompts, in UTF-8.
    std::string name;
    /// Its values; the prompts never read them, the app's loaders fill them.
    std::vector<double> values;
};

/// The host's data set: what a loader reads and the prompts choose from.
struct DataSet
{
    /// The title the host shows.
    std::string title;
    /// Variable numbers count from 1 in the C interface: variable n is variables[n - 1].
    std::vector<Variable> variables;
    /// Zone names; zone numbers count from 1 as variables do.
    std::vector<std::string> zones;
};

/// A colour of the host's colour map.
struct Rgb
{
    /// Red, 0 to 255.
    std::uint8_t red = 0;
    /// Green, 0 to 255.
    std::uint8_t green = 0;
    /// Blue, 0 to 255.
    std::uint8_t blue = 0;
    /// The same three channels.
    friend bool operator==(Rgb a, Rgb b) { return a.red == b.red && a.green == b.green && a.blue == b.blue; }
};

/// A frame of the host's layout.
struct Frame
{
    /// The frame's name, in UTF-8.
    std::string name;
    /// What the frame plots.
    PlotType_e plotType = PlotType_Sketch;
    __int64 uniqueId = 0; ///< given by the host
};

/// A message the library asked the host to show.
struct HostMessage
{
    /// The message, in UTF-8.
    std::string text;
    /// Error, warning or information, as the caller asked.
    MessageBoxType_e type = MessageBoxType_Error;
};

/// The in-memory host behind the C interface. The library only ever sees the C functions; this
/// class is the control panel through which the reference application and the tests set the
/// host's state and observe what the library asked of it. Every state change is announced through
/// StateChangeEventObservable, synchronously, as a real host does on its user-interface thread.
class QUARLIN_HOST_EXPORT ReferenceHost
{
public:
    /// Whether a posted message also reaches the presenter (Show), or is only recorded and announced
    /// (RecordOnly: tests, scripted answers).
    enum class MessagePresentation { Show, RecordOnly };

    /// The one host of the process, created on first use in its fresh state (see reset()).
    static ReferenceHost& instance();

    /// Back to a fresh host: one page with one sketch frame, no data set, nothing recorded.
    void reset();

    // --- data set
    /// Replaces the data set (there is one from now on) and announces a data set reset.
    void loadDataSet(DataSet dataSet);
    /// A small data set (eight variables: X, Y, Z, Temperature, Pressure, U, V, W; three zones),
    /// enough to exercise every prompt. A host still in its fresh layout (one sketch frame) gets
    /// three frames to go with it: a 2-D one (active), a 3-D one and a line plot.
    void loadSampleDataSet();
    /// The sample data set with `probes` more variables, without values, named as instruments
    /// name their readings: "Temperature_probe_0417", "U_velocity_rms_0417", ... (a negative count
    /// counts as 0). Enough to find a variable among 100,000.
    void loadSampleDataSet(std::int32_t probes);
    /// No data set from now on; announced as a data set reset. Does nothing without one.
    void removeDataSet();
    /// Whether the host has a data set.
    bool hasDataSet() const { return m_hasDataSet; }
    /// The data set; empty without one.
    DataSet const& dataSet() const { return m_dataSet; }

    // --- layout
    /// The number of pages (negative counts as 0), announced when it changes.
    void setPageCount(std::int32_t count);
    /// The number of frames (negative counts as 0); new frames plot what the active one plots, as a
    /// host copies the current frame. Announced when it changes.
    void setFrameCount(std::int32_t count);
    /// Sets the active frame's plot type.
    void setPlotType(PlotType_e plotType);
    /// The number of pages.
    std::int32_t pageCount() const { return m_pageCount; }
    /// The number of frames.
    std::int32_t frameCount() const { return static_cast<std::int32_t>(m_frames.size()); }
    /// PlotType_Invalid when there is no page or no frame.
    PlotType_e plotType() const;
    /// The frames, in layout order.
    std::vector<Frame> const& frames() const { return m_frames; }
    /// The index (0-based) of the active frame.
    std::int32_t activeFrame() const { return m_activeFrame; }
    /// Makes frame index (0-based) the active one; out-of-range indices are ignored.
    void activateFrame(std::int32_t index);
    /// The active frame's id; 0 when there is no frame.
    __int64 activeFrameId() const;

    // --- style settings and undo
    /// The host's style settings.
    StyleStore& styleStore() { return m_styles; }
    /// The host's style settings, to read.
    StyleStore const& styleStore() const { return m_styles; }

    // --- colour map, axes, units
    /// Colour `index` of the colour map; black for an index the map does not have.
    Rgb basicColor(std::int32_t index) const;
    /// Changes colour `index` of the colour map and announces it; an index the map does not have is
    /// ignored.
    void setBasicColor(std::int32_t index, Rgb color);
    /// The axes' range in grid units: x minimum, x maximum, y minimum, y maximum.
    std::array<double, 4> axisGridRange() const { return m_axisGridRange; }
    /// Changes the axes' range and announces it.
    void setAxisGridRange(std::array<double, 4> range);
    /// Points per grid unit; frame units are percent of the frame height.
    double pointsPerGridUnit() const { return m_pointsPerGridUnit; }
    /// `value` in unit `from` converted to unit `to`.
    double convertUnits(UnitType_e from, UnitType_e to, double value) const;

    // --- messages and help
    /// Whether posted messages reach the presenter; the setting stays until changed or reset().
    void setMessagePresentation(MessagePresentation presentation) { m_presentation = presentation; }
    /// Whether posted messages reach the presenter.
    MessagePresentation messagePresentation() const { return m_presentation; }
    /// What the C interface's message box call does: records the message, announces it through
    /// messagePosted and, while messages are shown, hands it to the presenter.
    void postMessage(std::string const& text, MessageBoxType_e type);
    /// Every message posted since the last reset() or clearRecords(), oldest first.
    std::vector<HostMessage> const& messages() const { return m_messages; }
    /// What the C interface's help call does: records the topic and announces it through helpShown.
    void showHelp(std::string const& topic);
    /// Every help topic shown since the last reset() or clearRecords(), oldest first.
    std::vector<std::string> const& helpTopics() const { return m_helpTopics; }
    /// Forgets the recorded messages and help topics; nothing else changes.
    void clearRecords();

    /// Presents a message to a person; installed by whoever owns the screen (the application
    /// shows a message box). Without one, messages go to stderr as in a batch run.
    using MessagePresenter = boost::function<void(HostMessage const&)>;
    /// Installs the presenter; an empty one restores the default, which prints to stderr.
    void setMessagePresenter(MessagePresenter presenter);

    /// Fires for every posted message, shown or not, after it was recorded.
    boost::signals2::signal<void(HostMessage const&)> messagePosted;
    /// Fires for every help topic shown, after it was recorded.
    boost::signals2::signal<void(std::string const&)> helpShown;

    // --- locking and undo
    /// The host's lock, which AppLock takes: nests; `recordMacro` is accepted and has no effect here.
    void acquireLock(bool recordMacro);
    /// Releases one level of the lock; releasing more than was acquired does nothing.
    void releaseLock();
    /// How many levels of the lock are held.
    int lockDepth() const { return m_lockDepth; }
    /// Opens an undo step (they nest); see StyleStore::beginStep().
    void beginUndoStep() { m_styles.beginStep(); }
    /// Closes one level of the undo step; see StyleStore::endStep().
    void endUndoStep(bool record) { m_styles.endStep(record); }
    /// How many undo steps are open.
    int undoDepth() const { return m_styles.openDepth(); }
    /// How many outermost undo steps were closed.
    int completedUndoSteps() const { return m_styles.completedSteps(); }
    /// Edit > Undo: puts back what the last step changed; false when there is nothing to undo.
    bool undo() { return m_styles.undoLastStep(); }

    // --- style errors, filled in by the style store
    /// The error text the C interface reports for the last refused style write.
    void setLastStyleError(std::string text) { m_lastStyleError = std::move(text); }
    /// The error text of the last refused style write; empty when the host gave none.
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
