#include "prompt/RGBVariableSelectDialog.h"

#include "sdk/host/QrnUtil.h"
#include "sdk/host/SdkFunctions.h"

namespace quarlin::dialogs::prompt {

RGBVariableSelectDialog::~RGBVariableSelectDialog() = default;

void RGBVariableSelectDialog::RGBVarAssignment::assignDefaults(PropertyAbstract<int>& first,
                                                               PropertyAbstract<int>& second,
                                                               PropertyAbstract<int>& third) const
{
    int red = 0, green = 0, blue = 0;
    sdk::getValidRGBVarCandidates(QrnUtilFrameGetPlotType(), red, green, blue);
    first.setValue(red);
    second.setValue(green);
    third.setValue(blue);
}

VariableSelectDialog& RGBVariableSelectDialog::getInstance(QWidget& parent)
{
    return VariableSelectDialog::getInstance(parent, toolbox::StringList{"GlobalRGB", "RedChannelVar"},
                                             toolbox::StringList{"GlobalRGB", "GreenChannelVar"},
                                             toolbox::StringList{"GlobalRGB", "BlueChannelVar"},
                                             "Choose the variables to assign to the R, G, and B channels.",
                                             {"&R", "&G", "&B"}, RGBVarAssignment());
}

} // namespace quarlin::dialogs::prompt
