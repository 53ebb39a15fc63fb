#include "propertymanager/RGBColorOptsPropertiesGenerated.h"

#include "sdk/exception/InvalidArgumentException.h"

namespace quarlin::sdk::ui::propertymanager {

RGBColorOptsPropertiesGenerated::RGBColorOptsPropertiesGenerated(bool isModal, toolbox::StringList prefix)
    : UIKernelStylePropertiesAbstract(isModal)
    , m_prefix(std::move(prefix))
{
    build();
}

RGBColorOptsPropertiesGenerated::RGBColorOptsPropertiesGenerated(UIKernelStylePropertiesAbstract* parent,
                                                                 toolbox::StringList prefix)
    : UIKernelStylePropertiesAbstract(parent ? parent->isModal() : false, parent)
    , m_prefix(std::move(prefix))
{
    if (!parent)
        throw InvalidArgumentException("A nested style set needs its parent set.");
    build();
}

RGBColorOptsPropertiesGenerated::~RGBColorOptsPropertiesGenerated() = default;

void RGBColorOptsPropertiesGenerated::build()
{
    bool const modal = isModal();
    m_rgbMode = Setting<RGBMode_e>::make(m_prefix, "GlobalRGB", "RGBMode", modal);
    m_redChannelVar = Setting<int>::make(m_prefix, "GlobalRGB", "RedChannelVar", modal);
    m_greenChannelVar = Setting<int>::make(m_prefix, "GlobalRGB", "GreenChannelVar", modal);
    m_blueChannelVar = Setting<int>::make(m_prefix, "GlobalRGB", "BlueChannelVar", modal);
    m_rangeMin = Setting<double>::make(m_prefix, "GlobalRGB", "RangeMin", modal);
    m_rangeMax = Setting<double>::make(m_prefix, "GlobalRGB", "RangeMax", modal);
}

void RGBColorOptsPropertiesGenerated::submitProperties()
{
    m_rgbMode.submit();
    m_redChannelVar.submit();
    m_greenChannelVar.submit();
    m_blueChannelVar.submit();
    m_rangeMin.submit();
    m_rangeMax.submit();
}

void RGBColorOptsPropertiesGenerated::setPropertyOffsets(int offset1, int offset2)
{
    m_rgbMode.kernel->setOffsets(offset1, offset2);
    m_redChannelVar.kernel->setOffsets(offset1, offset2);
    m_greenChannelVar.kernel->setOffsets(offset1, offset2);
    m_blueChannelVar.kernel->setOffsets(offset1, offset2);
    m_rangeMin.kernel->setOffsets(offset1, offset2);
    m_rangeMax.kernel->setOffsets(offset1, offset2);
}

boost::shared_ptr<PropertyAbstract<RGBMode_e>> RGBColorOptsPropertiesGenerated::globalRGBRGBMode()
{
    return m_rgbMode.exposed;
}

void RGBColorOptsPropertiesGenerated::setGlobalRGBRGBMode(
    boost::shared_ptr<PropertyAbstract<RGBMode_e>> property)
{
    m_rgbMode.expose(std::move(property));
}

boost::shared_ptr<PropertyAbstract<int>> RGBColorOptsPropertiesGenerated::globalRGBRedChannelVar()
{
    return m_redChannelVar.exposed;
}

void RGBColorOptsPropertiesGenerated::setGlobalRGBRedChannelVar(
    boost::shared_ptr<PropertyAbstract<int>> property)
{
    m_redChannelVar.expose(std::move(property));
}

boost::shared_ptr<PropertyAbstract<int>> RGBColorOptsPropertiesGenerated::globalRGBGreenChannelVar()
{
    return m_greenChannelVar.exposed;
}

void RGBColorOptsPropertiesGenerated::setGlobalRGBGreenChannelVar(
    boost::shared_ptr<PropertyAbstract<int>> property)
{
    m_greenChannelVar.expose(std::move(property));
}

boost::shared_ptr<PropertyAbstract<int>> RGBColorOptsPropertiesGenerated::globalRGBBlueChannelVar()
{
    return m_blueChannelVar.exposed;
}

void RGBColorOptsPropertiesGenerated::setGlobalRGBBlueChannelVar(
    boost::shared_ptr<PropertyAbstract<int>> property)
{
    m_blueChannelVar.expose(std::move(property));
}

boost::shared_ptr<PropertyAbstract<double>> RGBColorOptsPropertiesGenerated::globalRGBRangeMin()
{
    return m_rangeMin.exposed;
}

void RGBColorOptsPropertiesGenerated::setGlobalRGBRangeMin(
    boost::shared_ptr<PropertyAbstract<double>> property)
{
    m_rangeMin.expose(std::move(property));
}

boost::shared_ptr<PropertyAbstract<double>> RGBColorOptsPropertiesGenerated::globalRGBRangeMax()
{
    return m_rangeMax.exposed;
}

void RGBColorOptsPropertiesGenerated::setGlobalRGBRangeMax(
    boost::shared_ptr<PropertyAbstract<double>> property)
{
    m_rangeMax.expose(std::move(property));
}

} // namespace quarlin::sdk::ui::propertymanager
