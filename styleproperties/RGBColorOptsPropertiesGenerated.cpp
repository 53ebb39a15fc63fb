#include "styleproperties/RGBColorOptsPropertiesGenerated.h"

#include "sdk/exception/InvalidArgumentException.h"
#include "sdk/host/StyleValue.h"
#include "styleproperties/KernelProperty.h"
#include "styleproperties/KernelPropertyDeferred.h"

#include <boost/make_shared.hpp>

namespace quarlin::sdk::ui::propertymanager {

namespace {

template <class T>
void submitIfDeferred(styleproperties::KernelPropertyAbstract<T>& property)
{
    // A modal set holds deferred properties only; a modeless one has written everything already.
    if (auto* const deferred = dynamic_cast<styleproperties::KernelPropertyDeferred<T>*>(&property))
        deferred->submitValue();
}

template <class T>
void replace(boost::shared_ptr<PropertyAbstract<T>>& exposed, boost::shared_ptr<PropertyAbstract<T>> property)
{
    if (!property)
        throw InvalidArgumentException("A style setting cannot be exposed as a null property.");
    exposed = std::move(property);
}

} // namespace

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

template <class T>
RGBColorOptsPropertiesGenerated::Setting<T> RGBColorOptsPropertiesGenerated::make(char const* name) const
{
    toolbox::StringList path = m_prefix;
    path.append(toolbox::StringList{"GlobalRGB", name});
    toolbox::StyleValue const style(path);
    Setting<T> setting;
    if (isModal())
        setting.kernel = boost::make_shared<styleproperties::KernelPropertyDeferred<T>>(style);
    else
        setting.kernel = boost::make_shared<styleproperties::KernelProperty<T>>(style);
    setting.exposed = setting.kernel;
    return setting;
}

void RGBColorOptsPropertiesGenerated::build()
{
    m_rgbMode = make<RGBMode_e>("RGBMode");
    m_redChannelVar = make<int>("RedChannelVar");
    m_greenChannelVar = make<int>("GreenChannelVar");
    m_blueChannelVar = make<int>("BlueChannelVar");
    m_rangeMin = make<double>("RangeMin");
    m_rangeMax = make<double>("RangeMax");
}

void RGBColorOptsPropertiesGenerated::submitProperties()
{
    submitIfDeferred(*m_rgbMode.kernel);
    submitIfDeferred(*m_redChannelVar.kernel);
    submitIfDeferred(*m_greenChannelVar.kernel);
    submitIfDeferred(*m_blueChannelVar.kernel);
    submitIfDeferred(*m_rangeMin.kernel);
    submitIfDeferred(*m_rangeMax.kernel);
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

void RGBColorOptsPropertiesGenerated::setGlobalRGBRGBMode(boost::shared_ptr<PropertyAbstract<RGBMode_e>> property)
{
    replace(m_rgbMode.exposed, std::move(property));
}

boost::shared_ptr<PropertyAbstract<int>> RGBColorOptsPropertiesGenerated::globalRGBRedChannelVar()
{
    return m_redChannelVar.exposed;
}

void RGBColorOptsPropertiesGenerated::setGlobalRGBRedChannelVar(boost::shared_ptr<PropertyAbstract<int>> property)
{
    replace(m_redChannelVar.exposed, std::move(property));
}

boost::shared_ptr<PropertyAbstract<int>> RGBColorOptsPropertiesGenerated::globalRGBGreenChannelVar()
{
    return m_greenChannelVar.exposed;
}

void RGBColorOptsPropertiesGenerated::setGlobalRGBGreenChannelVar(boost::shared_ptr<PropertyAbstract<int>> property)
{
    replace(m_greenChannelVar.exposed, std::move(property));
}

boost::shared_ptr<PropertyAbstract<int>> RGBColorOptsPropertiesGenerated::globalRGBBlueChannelVar()
{
    return m_blueChannelVar.exposed;
}

void RGBColorOptsPropertiesGenerated::setGlobalRGBBlueChannelVar(boost::shared_ptr<PropertyAbstract<int>> property)
{
    replace(m_blueChannelVar.exposed, std::move(property));
}

boost::shared_ptr<PropertyAbstract<double>> RGBColorOptsPropertiesGenerated::globalRGBRangeMin()
{
    return m_rangeMin.exposed;
}

void RGBColorOptsPropertiesGenerated::setGlobalRGBRangeMin(boost::shared_ptr<PropertyAbstract<double>> property)
{
    replace(m_rangeMin.exposed, std::move(property));
}

boost::shared_ptr<PropertyAbstract<double>> RGBColorOptsPropertiesGenerated::globalRGBRangeMax()
{
    return m_rangeMax.exposed;
}

void RGBColorOptsPropertiesGenerated::setGlobalRGBRangeMax(boost::shared_ptr<PropertyAbstract<double>> property)
{
    replace(m_rangeMax.exposed, std::move(property));
}

} // namespace quarlin::sdk::ui::propertymanager
