#include "prompt/RGBVariableSelectDialog.h"

#include "sdk/host/QrnUtil.h"
#include "sdk/host/SdkFunctions.h"

#include <QCoreApplication>

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
    return VariableSelectDialog::getInstance(
        parent, toolbox::StringList{"GlobalRGB", "RedChannelVar"},
        toolbox::StringList{"GlobalRGB", "GreenChannelVar"},
        toolbox::StringList{"GlobalRGB", "BlueChannelVar"},
        QT_TRANSLATE_NOOP("VariableSelectDialog",
                          "Choose the variables to assign to the R, G, and B channels."),
        {QT_TRANSLATE_NOOP("VariableSelectDialog", "&R"), QT_TRANSLATE_NOOP("VariableSelectDialog", "&G"),
         QT_TRANSLATE_NOOP("VariableSelectDialog", "&B")},
        RGBVarAssignment());
}

} // namespace quarlin::dialogs::prompt
