#include "sdk/host/QrnUtil.h"

#include "sdk/host/ReferenceHost.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

using quarlin::host::ReferenceHost;

extern "C" {

void QrnUtilDialogMessageBox(char const* message, MessageBoxType_e type)
{
    if (!message)
        return;
    ReferenceHost::instance().postMessage(message, type);
}

char* QrnUtilStyleGetLastErrorString(void)
{
    std::string const& error = ReferenceHost::instance().lastStyleError();
    if (error.empty())
        return nullptr;
    char* copy = static_cast<char*>(std::malloc(error.size() + 1));
    if (copy)
        std::memcpy(copy, error.c_str(), error.size() + 1);
    return copy;
}

void QrnUtilStringDealloc(char** text)
{
    if (!text)
        return;
    std::free(*text);
    *text = nullptr;
}

std::int32_t QrnUtilPageGetCount(void)
{
    return ReferenceHost::instance().pageCount();
}

std::int32_t QrnUtilFrameGetCount(void)
{
    return ReferenceHost::instance().frameCount();
}

__int64 QrnUtilFrameGetUniqueID(void)
{
    return ReferenceHost::instance().activeFrameId();
}

PlotType_e QrnUtilFrameGetPlotType(void)
{
    return ReferenceHost::instance().plotType();
}

bool QrnUtilDataSetIsAvailable(void)
{
    return ReferenceHost::instance().hasDataSet();
}

void QrnUtilUndoStateBegin(UndoStateCategory_e /*category*/)
{
    ReferenceHost::instance().beginUndoStep();
}

void QrnUtilUndoStateEnd(bool /*doInvalidate*/, bool doRecord)
{
    ReferenceHost::instance().endUndoStep(doRecord);
}

bool QrnUtilVarGetMinMax(std::int32_t variable, double* minValue, double* maxValue)
{
    ReferenceHost const& host = ReferenceHost::instance();
    if (!minValue || !maxValue || !host.hasDataSet() || variable < 1
        || variable > static_cast<std::int32_t>(host.dataSet().variables.size()))
        return false;
    auto const& values = host.dataSet().variables[static_cast<std::size_t>(variable - 1)].values;
    if (values.empty())
        return false;
    auto const [lo, hi] = std::minmax_element(values.begin(), values.end());
    *minValue = *lo;
    *maxValue = *hi;
    return true;
}

void QrnUtilAxisGetGridRange(double* xMin, double* yMin, double* xMax, double* yMax)
{
    auto const range = ReferenceHost::instance().axisGridRange();
    double* const out[4] = {xMin, yMin, xMax, yMax};
    for (int i = 0; i < 4; ++i)
        if (out[i])
            *out[i] = range[static_cast<std::size_t>(i)];
}

double QrnUtilConvertUnits(UnitType_e from, UnitType_e to, double value)
{
    return ReferenceHost::instance().convertUnits(from, to, value);
}

void QrnUtilColorMapGetBasicColorRGB(std::int32_t index, std::uint8_t* red, std::uint8_t* green,
                                     std::uint8_t* blue)
{
    auto const rgb = ReferenceHost::instance().basicColor(index);
    if (red)
        *red = rgb.red;
    if (green)
        *green = rgb.green;
    if (blue)
        *blue = rgb.blue;
}

void QrnUtilHelpShowTopic(char const* topic)
{
    if (topic)
        ReferenceHost::instance().showHelp(topic);
}

} // extern "C"
