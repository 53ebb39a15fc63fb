#pragma once

#include "quarlin_prompt_export.h"
#include "sdk/host/StringList.h"
#include "sdk/managerbase/UIKernelStylePropertiesAbstract.h"
#include "styleproperties/GeneratedStyleSet.h"

#include <boost/shared_ptr.hpp>

namespace quarlin::sdk::ui::propertymanager {

/// The host's RGB colouring settings under a path prefix: the mode, the red, green and blue
/// channel variables, and the value range that maps to intensity. A modal set edits deferred
/// properties that reach the host on submit(); a modeless set writes each change at once.
///
/// Each setting has a kernel property and an exposed property, at first the same object: a
/// setter replaces what the getter hands to bindings (with a decorator, say) while the kernel
/// property stays the one that is submitted and re-pointed.
class QUARLIN_PROMPT_EXPORT RGBColorOptsPropertiesGenerated : public UIKernelStylePropertiesAbstract
{
public:
    RGBColorOptsPropertiesGenerated(bool isModal, toolbox::StringList prefix);
    RGBColorOptsPropertiesGenerated(UIKernelStylePropertiesAbstract* parent, toolbox::StringList prefix);
    ~RGBColorOptsPropertiesGenerated() override;

protected:
    void submitProperties() override;
    void setPropertyOffsets(int offset1, int offset2) override;

public:
    virtual boost::shared_ptr<PropertyAbstract<RGBMode_e>> globalRGBRGBMode();
    virtual void setGlobalRGBRGBMode(boost::shared_ptr<PropertyAbstract<RGBMode_e>> property);
    virtual boost::shared_ptr<PropertyAbstract<int>> globalRGBRedChannelVar();
    virtual void setGlobalRGBRedChannelVar(boost::shared_ptr<PropertyAbstract<int>> property);
    virtual boost::shared_ptr<PropertyAbstract<int>> globalRGBGreenChannelVar();
    virtual void setGlobalRGBGreenChannelVar(boost::shared_ptr<PropertyAbstract<int>> property);
    virtual boost::shared_ptr<PropertyAbstract<int>> globalRGBBlueChannelVar();
    virtual void setGlobalRGBBlueChannelVar(boost::shared_ptr<PropertyAbstract<int>> property);
    virtual boost::shared_ptr<PropertyAbstract<double>> globalRGBRangeMin();
    virtual void setGlobalRGBRangeMin(boost::shared_ptr<PropertyAbstract<double>> property);
    virtual boost::shared_ptr<PropertyAbstract<double>> globalRGBRangeMax();
    virtual void setGlobalRGBRangeMax(boost::shared_ptr<PropertyAbstract<double>> property);

private:
    template <class T>
    using Setting = styleproperties::GeneratedStyleSetting<T>;

    void build();

    Setting<RGBMode_e> m_rgbMode;
    Setting<int> m_redChannelVar;
    Setting<int> m_greenChannelVar;
    Setting<int> m_blueChannelVar;
    Setting<double> m_rangeMin;
    Setting<double> m_rangeMax;
    toolbox::StringList m_prefix;
};

} // namespace quarlin::sdk::ui::propertymanager
