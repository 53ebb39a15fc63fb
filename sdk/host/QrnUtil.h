#pragma once

// The host's C interface, as far as the prompt library calls it.

#include "quarlin_host_export.h"
#include "sdk/host/HostEnums.h"
#include "sdk/host/Platform.h"

#include <cstdint>

/// The kind of message a message box shows.
enum MessageBoxType_e : std::int32_t {
    MessageBoxType_Error = 0,
    MessageBoxType_Warning = 1,
    MessageBoxType_Information = 2
};

/// What an undo step changes; the library's steps change style settings.
enum UndoStateCategory_e : std::int32_t { UndoStateCategory_Style = 11 };

/// Units of length: the axes' grid units, percent of the frame height, points.
enum UnitType_e : std::int32_t { UnitType_Grid = 0, UnitType_Frame = 1, UnitType_Point = 2 };

extern "C" {

/// Shows a modal message (or hands it to the host's message sink). A null text shows nothing.
QUARLIN_HOST_EXPORT void QrnUtilDialogMessageBox(char const* message, MessageBoxType_e type);

/// Why the last style get or set failed, newly allocated, or null when nothing failed.
/// Free it with QrnUtilStringDealloc.
QUARLIN_HOST_EXPORT char* QrnUtilStyleGetLastErrorString(void);
/// Frees a text the interface allocated and sets `*text` to null; a null text is ignored.
QUARLIN_HOST_EXPORT void QrnUtilStringDealloc(char** text);

/// The number of pages.
QUARLIN_HOST_EXPORT std::int32_t QrnUtilPageGetCount(void);
/// The number of frames.
QUARLIN_HOST_EXPORT std::int32_t QrnUtilFrameGetCount(void);
/// The active frame's id, which stays the frame's for its life; 0 when there is no frame.
QUARLIN_HOST_EXPORT __int64 QrnUtilFrameGetUniqueID(void);
/// The active frame's plot type; PlotType_Invalid when there is no frame.
QUARLIN_HOST_EXPORT PlotType_e QrnUtilFrameGetPlotType(void);
/// Whether the host has a data set.
QUARLIN_HOST_EXPORT bool QrnUtilDataSetIsAvailable(void);

/// Brackets style changes as one undoable step; steps nest, the outermost one counts.
QUARLIN_HOST_EXPORT void QrnUtilUndoStateBegin(UndoStateCategory_e category);
/// Closes one level of undo step; the outermost one is kept for undo when `doRecord` is set.
/// `doInvalidate` asks the host to redraw what changed.
QUARLIN_HOST_EXPORT void QrnUtilUndoStateEnd(bool doInvalidate, bool doRecord);

/// Smallest and largest value of the 1-based variable; false (outputs untouched) when the
/// variable does not exist or has no values.
QUARLIN_HOST_EXPORT bool QrnUtilVarGetMinMax(std::int32_t variable, double* minValue, double* maxValue);

/// The name of the 1-based variable (zone), newly allocated; free it with QrnUtilStringDealloc.
/// False, and *name null, when there is no such variable (zone).
QUARLIN_HOST_EXPORT bool QrnUtilVarGetName(std::int32_t variable, char** name);
/// The name of the 1-based zone, as QrnUtilVarGetName() gives a variable's.
QUARLIN_HOST_EXPORT bool QrnUtilZoneGetName(std::int32_t zone, char** name);

/// The axes' range in grid units; each output pointer must be valid.
QUARLIN_HOST_EXPORT void QrnUtilAxisGetGridRange(double* xMin, double* yMin, double* xMax, double* yMax);
/// `value` in unit `from` converted to unit `to`.
QUARLIN_HOST_EXPORT double QrnUtilConvertUnits(UnitType_e from, UnitType_e to, double value);

/// Red, green and blue of colour map entry 0..63; out-of-range indices give black.
QUARLIN_HOST_EXPORT void QrnUtilColorMapGetBasicColorRGB(std::int32_t index, std::uint8_t* red,
                                                         std::uint8_t* green, std::uint8_t* blue);

/// Opens a help topic in the host's help.
QUARLIN_HOST_EXPORT void QrnUtilHelpShowTopic(char const* topic);

} // extern "C"
