#pragma once

#include <cstdint>

// Host enumerations cross the C interface as 32-bit values; the fixed underlying type keeps
// any value the host hands over representable, including ones this library does not name.

enum PlotType_e : std::int32_t {
    PlotType_Automatic = 0,
    PlotType_Cartesian3D = 1,
    PlotType_Cartesian2D = 2,
    PlotType_XYLine = 3,
    PlotType_Sketch = 4,
    PlotType_PolarLine = 5,
    PlotType_Invalid = 255 // "no plot type seen yet"
};

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

enum Font_e : std::int32_t {
    Font_Helvetica = 0,
    Font_HelveticaBold = 1,
    Font_Greek = 2,
    Font_Math = 3,
    Font_UserDefined = 4,
    Font_Base = 255
};

enum RGBMode_e : std::int32_t {
    RGBMode_SpecifyRGB = 0,
    RGBMode_SpecifyRG = 1, // blue calculated
    RGBMode_SpecifyRB = 2, // green calculated
    RGBMode_SpecifyGB = 3  // red calculated
};

// Kinds of host state change delivered through StateChangeEventObservable.
enum StateChange_e : std::int32_t {
    StateChange_DataSetReset = 1, // data set loaded or removed
    StateChange_VarsAltered = 2,
    StateChange_ZonesAltered = 3,
    StateChange_PageCount = 4,
    StateChange_FrameCount = 5,
    StateChange_PlotType = 6,
    StateChange_Style = 7, // parameters: the style name parts
    StateChange_ColorMap = 8,
    StateChange_AxisRange = 9
};
