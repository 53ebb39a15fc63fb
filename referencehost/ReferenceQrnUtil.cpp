#include "sdk/host/QrnUtil.h"

#include "referencehost/ReferenceHost.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

using quarlin::host::ReferenceHost;

namespace {

char* allocatedCopy(std::string const& text)
{
    char* const copy = static_cast<char*>(std::malloc(text.size() + 1));
    if (copy)
        std::memcpy(copy, text.c_str(), text.size() + 1);
    return copy;
}

template <class Items, class NameOf>
bool nameOfMember(Items const& items, std::int32_t number, char** name, NameOf nameOf)
{
    if (!name)
        return false;
    *name = nullptr;
    if (!ReferenceHost::instance().hasDataSet() || number < 1 || std::size_t(number) > items.size())
        return false;
    *name = allocatedCopy(nameOf(items[std::size_t(number - 1)]));
    return *name != nullptr;
}

} // namespace

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
    return error.empty() ? nullptr : allocatedCopy(error);
}

bool QrnUtilVarGetName(std::int32_t variable, char** name)
{
    return nameOfMember(ReferenceHost::instance().dataSet().variables, variable, name,
                        [](quarlin::host::Variable const& v) -> std::string const& { return v.name; });
}

bool QrnUtilZoneGetName(std::int32_t zone, char** name)
{
    return nameOfMember(ReferenceHost::instance().dataSet().zones, zone, name,
                        [](std::string const& z) -> std::string const& { return z; });
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
