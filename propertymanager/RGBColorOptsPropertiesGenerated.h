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
    /// A set of its own over the settings under `prefix` (empty for the global ones): deferred to
    /// submit() when `isModal`, written at once otherwise.
    RGBColorOptsPropertiesGenerated(bool isModal, toolbox::StringList prefix);
    /// A set nested under `parent` (borrowed, must outlive it), whose modality it takes.
    RGBColorOptsPropertiesGenerated(UIKernelStylePropertiesAbstract* parent, toolbox::StringList prefix);
    ~RGBColorOptsPropertiesGenerated() override;

protected:
    void submitProperties() override;
    void setPropertyOffsets(int offset1, int offset2) override;

public:
    /// The property of the setting "GlobalRGB" "RGBMode" (after the set's prefix) that bindings
    /// use: the kernel property, unless the setter replaced it.
    virtual boost::shared_ptr<PropertyAbstract<RGBMode_e>> globalRGBRGBMode();
    /// Hands bindings `property` (a proxy or decorator over the kernel property) in its place;
    /// the kernel property is still what submit() sends. Throws InvalidArgumentException for
    /// a null property.
    virtual void setGlobalRGBRGBMode(boost::shared_ptr<PropertyAbstract<RGBMode_e>> property);
    /// The property of the setting "GlobalRGB" "RedChannelVar" (after the set's prefix) that bindings
    /// use: the kernel property, unless the setter replaced it.
    virtual boost::shared_ptr<PropertyAbstract<int>> globalRGBRedChannelVar();
    /// Hands bindings `property` (a proxy or decorator over the kernel property) in its place;
    /// the kernel property is still what submit() sends. Throws InvalidArgumentException for
    /// a null property.
    virtual void setGlobalRGBRedChannelVar(boost::shared_ptr<PropertyAbstract<int>> property);
    /// The property of the setting "GlobalRGB" "GreenChannelVar" (after the set's prefix) that bindings
    /// use: the kernel property, unless the setter replaced it.
    virtual boost::shared_ptr<PropertyAbstract<int>> globalRGBGreenChannelVar();
    /// Hands bindings `property` (a proxy or decorator over the kernel property) in its place;
    /// the kernel property is still what submit() sends. Throws InvalidArgumentException for
    /// a null property.
    virtual void setGlobalRGBGreenChannelVar(boost::shared_ptr<PropertyAbstract<int>> property);
    /// The property of the setting "GlobalRGB" "BlueChannelVar" (after the set's prefix) that bindings
    /// use: the kernel property, unless the setter replaced it.
    virtual boost::shared_ptr<PropertyAbstract<int>> globalRGBBlueChannelVar();
    /// Hands bindings `property` (a proxy or decorator over the kernel property) in its place;
    /// the kernel property is still what submit() sends. Throws InvalidArgumentException for
    /// a null property.
    virtual void setGlobalRGBBlueChannelVar(boost::shared_ptr<PropertyAbstract<int>> property);
    /// The property of the setting "GlobalRGB" "RangeMin" (after the set's prefix) that bindings
    /// use: the kernel property, unless the setter replaced it.
    virtual boost::shared_ptr<PropertyAbstract<double>> globalRGBRangeMin();
    /// Hands bindings `property` (a proxy or decorator over the kernel property) in its place;
    /// the kernel property is still what submit() sends. Throws InvalidArgumentException for
    /// a null property.
    virtual void setGlobalRGBRangeMin(boost::shared_ptr<PropertyAbstract<double>> property);
    /// The property of the setting "GlobalRGB" "RangeMax" (after the set's prefix) that bindings
    /// use: the kernel property, unless the setter replaced it.
    virtual boost::shared_ptr<PropertyAbstract<double>> globalRGBRangeMax();
    /// Hands bindings `property` (a proxy or decorator over the kernel property) in its place;
    /// the kernel property is still what submit() sends. Throws InvalidArgumentException for
    /// a null property.
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
