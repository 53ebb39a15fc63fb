#pragma once

#include <cstdint>

// Host enumerations cross the C interface as 32-bit values; the fixed underlying type keeps
// any value the host hands over representable, including ones this library does not name.

/// What a frame plots.
enum PlotType_e : std::int32_t {
    PlotType_Automatic = 0,
    PlotType_Cartesian3D = 1,
    PlotType_Cartesian2D = 2,
    PlotType_XYLine = 3,
    PlotType_Sketch = 4,
    PlotType_PolarLine = 5,
    PlotType_Invalid = 255 ///< "no plot type seen yet"
};

/// Where text is anchored on its box, row by row from the top left.
enum AnchorAlignment_e : std::int32_t {
    AnchorAlignment_TopLeft = 0,
    AnchorAlignment_TopCenter = 1,
    AnchorAlignment_TopRight = 2,
    AnchorAlignment_MiddleLeft = 3,
    AnchorAlignment_MiddleCenter = 4,
    AnchorAlignment_MiddleRight = 5,
    AnchorAlignment_BottomLeft = 6,
    AnchorAlignment_BottomCenter = 7,
    AnchorAlignment_BottomRight = 8
};

/// The typeface of a plot symbol or text; Font_Base is the base font of the plot.
enum Font_e : std::int32_t {
    Font_Helvetica = 0,
    Font_HelveticaBold = 1,
    Font_Greek = 2,
    Font_Math = 3,
    Font_UserDefined = 4,
    Font_Base = 255
};

/// Which colour channels the RGB colouring reads from variables; the other, if any, is calculated.
enum RGBMode_e : std::int32_t {
    RGBMode_SpecifyRGB = 0,
    RGBMode_SpecifyRG = 1, ///< blue calculated
    RGBMode_SpecifyRB = 2, ///< green calculated
    RGBMode_SpecifyGB = 3  ///< red calculated
};

/// Kinds of host state change delivered through StateChangeEventObservable.
enum StateChange_e : std::int32_t {
    StateChange_LayoutReplaced = 0, ///< a new layout replaced every page, frame and data set
    StateChange_DataSetReset = 1,   ///< data set loaded or removed
    StateChange_VarsAltered = 2,
    StateChange_ZonesAltered = 3,
    StateChange_PageCount = 4,
    StateChange_FrameCount = 5,
    StateChange_PlotType = 6,
    StateChange_Style = 7, ///< parameters: the style name parts
    StateChange_ColorMap = 8,
    StateChange_AxisRange = 9,
    StateChange_FrameActivated = 10,
    StateChange_StyleReset = 15,     ///< every style setting replaced at once: cached readings are void
    StateChange_DataSetAttached = 44 ///< a frame now shows another data set
};

/// Outcome of reading a style setting.
enum GetValueReturnCode_e : std::int32_t {
    GetValue_Ok = 0,
    GetValue_ResultTypeError = 1, ///< the setting holds another kind of value
    GetValue_InvalidSubscript = 2,
    GetValue_SyntaxError = 3, ///< no such setting
    GetValue_ContextError = 4 ///< nothing to read it from (no frame)
};

/// Outcome of writing a style setting. Codes 0 and 1 are successes; 15 means the host took
/// the request without applying it now, so the caller must not assume the value arrived.
enum SetValueReturnCode_e : std::int32_t {
    SetValue_Ok = 0,
    SetValue_DuplicateValue = 1,
    SetValue_InvalidCommandOption = 2,
    SetValue_InvalidSubscript = 3,
    SetValue_InvalidVariable = 4,
    SetValue_InvalidValue = 5,
    SetValue_SyntaxError = 6,  ///< no such setting
    SetValue_ContextError = 7, ///< nothing to apply it to (no frame)
    SetValue_ValueRefused = 8, ///< the host's rules refused the value
    SetValue_Deferred = 15
};
