#include "propertymanager/ScatterSizeFontPropertiesGenerated.h"

namespace quarlin::sdk::ui::propertymanager {

ScatterSizeFontPropertiesGenerated::ScatterSizeFontPropertiesGenerated(bool isModal,
                                                                       toolbox::StringList const& prefix)
    : UIKernelStylePropertiesAbstract(isModal)
{
    build(prefix);
}

ScatterSizeFontPropertiesGenerated::ScatterSizeFontPropertiesGenerated(
    UIKernelStylePropertiesAbstract* parent, toolbox::StringList const& prefix)
    : UIKernelStylePropertiesAbstract(parent ? parent->isModal() : false, parent)
{
    if (!parent)
        throw InvalidArgumentException("A nested style set needs its parent set.");
    build(prefix);
}

ScatterSizeFontPropertiesGenerated::~ScatterSizeFontPropertiesGenerated() = default;

void ScatterSizeFontPropertiesGenerated::build(toolbox::StringList const& prefix)
{
    bool const modal = isModal();
    m_scatterFontFamily = Setting<std::string>::make(prefix, "GlobalScatter", "BaseFontFamily", modal);
    m_scatterFontIsBold = Setting<bool>::make(prefix, "GlobalScatter", "BaseFontIsBold", modal);
    m_scatterFontIsItalic = Setting<bool>::make(prefix, "GlobalScatter", "BaseFontIsItalic", modal);
    m_scatterVar = Setting<int>::make(prefix, "GlobalScatter", "Var", modal);
    m_relativeSizeInGridUnits =
        Setting<bool>::make(prefix, "GlobalScatter", "RelativeSizeInGridUnits", modal);
    m_relativeSize = Setting<double>::make(prefix, "GlobalScatter", "RelativeSize", modal);
    m_linePlotFontFamily = Setting<std::string>::make(prefix, "GlobalLinePlot", "BaseFontFamily", modal);
    m_linePlotFontIsBold = Setting<bool>::make(prefix, "GlobalLinePlot", "BaseFontIsBold", modal);
    m_linePlotFontIsItalic = Setting<bool>::make(prefix, "GlobalLinePlot", "BaseFontIsItalic", modal);
}

void ScatterSizeFontPropertiesGenerated::submitProperties()
{
    m_scatterFontFamily.submit();
    m_scatterFontIsBold.submit();
    m_scatterFontIsItalic.submit();
    m_scatterVar.submit();
    m_relativeSizeInGridUnits.submit();
    m_relativeSize.submit();
    m_linePlotFontFamily.submit();
    m_linePlotFontIsBold.submit();
    m_linePlotFontIsItalic.submit();
}

void ScatterSizeFontPropertiesGenerated::setPropertyOffsets(int offset1, int offset2)
{
    m_scatterFontFamily.kernel->setOffsets(offset1, offset2);
    m_scatterFontIsBold.kernel->setOffsets(offset1, offset2);
    m_scatterFontIsItalic.kernel->setOffsets(offset1, offset2);
    m_scatterVar.kernel->setOffsets(offset1, offset2);
    m_relativeSizeInGridUnits.kernel->setOffsets(offset1, offset2);
    m_relativeSize.kernel->setOffsets(offset1, offset2);
    m_linePlotFontFamily.kernel->setOffsets(offset1, offset2);
    m_linePlotFontIsBold.kernel->setOffsets(offset1, offset2);
    m_linePlotFontIsItalic.kernel->setOffsets(offset1, offset2);
}

boost::shared_ptr<PropertyAbstract<std::string>>
ScatterSizeFontPropertiesGenerated::globalScatterBaseFontFamily()
{
    return m_scatterFontFamily.exposed;
}

void ScatterSizeFontPropertiesGenerated::setGlobalScatterBaseFontFamily(
    boost::shared_ptr<PropertyAbstract<std::string>> property)
{
    m_scatterFontFamily.expose(std::move(property));
}

boost::shared_ptr<PropertyAbstract<bool>> ScatterSizeFontPropertiesGenerated::globalScatterBaseFontIsBold()
{
    return m_scatterFontIsBold.exposed;
}

void ScatterSizeFontPropertiesGenerated::setGlobalScatterBaseFontIsBold(
    boost::shared_ptr<PropertyAbstract<bool>> property)
{
    m_scatterFontIsBold.expose(std::move(property));
}

boost::shared_ptr<PropertyAbstract<bool>> ScatterSizeFontPropertiesGenerated::globalScatterBaseFontIsItalic()
{
    return m_scatterFontIsItalic.exposed;
}

void ScatterSizeFontPropertiesGenerated::setGlobalScatterBaseFontIsItalic(
    boost::shared_ptr<PropertyAbstract<bool>> property)
{
    m_scatterFontIsItalic.expose(std::move(property));
}

boost::shared_ptr<PropertyAbstract<int>> ScatterSizeFontPropertiesGenerated::globalScatterVar()
{
    return m_scatterVar.exposed;
}

void ScatterSizeFontPropertiesGenerated::setGlobalScatterVar(
    boost::shared_ptr<PropertyAbstract<int>> property)
{
    m_scatterVar.expose(std::move(property));
}

boost::shared_ptr<PropertyAbstract<bool>>
ScatterSizeFontPropertiesGenerated::globalScatterRelativeSizeInGridUnits()
{
    return m_relativeSizeInGridUnits.exposed;
}

void ScatterSizeFontPropertiesGenerated::setGlobalScatterRelativeSizeInGridUnits(
    boost::shared_ptr<PropertyAbstract<bool>> property)
{
    m_relativeSizeInGridUnits.expose(std::move(property));
}

boost::shared_ptr<PropertyAbstract<double>> ScatterSizeFontPropertiesGenerated::globalScatterRelativeSize()
{
    return m_relativeSize.exposed;
}

void ScatterSizeFontPropertiesGenerated::setGlobalScatterRelativeSize(
    boost::shared_ptr<PropertyAbstract<double>> property)
{
    m_relativeSize.expose(std::move(property));
}

boost::shared_ptr<PropertyAbstract<std::string>>
ScatterSizeFontPropertiesGenerated::globalLinePlotBaseFontFamily()
{
    return m_linePlotFontFamily.exposed;
}

void ScatterSizeFontPropertiesGenerated::setGlobalLinePlotBaseFontFamily(
    boost::shared_ptr<PropertyAbstract<std::string>> property)
{
    m_linePlotFontFamily.expose(std::move(property));
}

boost::shared_ptr<PropertyAbstract<bool>> ScatterSizeFontPropertiesGenerated::globalLinePlotBaseFontIsBold()
{
    return m_linePlotFontIsBold.exposed;
}

void ScatterSizeFontPropertiesGenerated::setGlobalLinePlotBaseFontIsBold(
    boost::shared_ptr<PropertyAbstract<bool>> property)
{
    m_linePlotFontIsBold.expose(std::move(property));
}

boost::shared_ptr<PropertyAbstract<bool>> ScatterSizeFontPropertiesGenerated::globalLinePlotBaseFontIsItalic()
{
    return m_linePlotFontIsItalic.exposed;
}

void ScatterSizeFontPropertiesGenerated::setGlobalLinePlotBaseFontIsItalic(
    boost::shared_ptr<PropertyAbstract<bool>> property)
{
    m_linePlotFontIsItalic.expose(std::move(property));
}

} // namespace quarlin::sdk::ui::propertymanager
