#pragma once

#include "quarlin_prompt_export.h"
#include "sdk/host/StringList.h"
#include "sdk/managerbase/UIKernelStylePropertiesAbstract.h"
#include "styleproperties/GeneratedStyleSet.h"

#include <boost/shared_ptr.hpp>

#include <string>

namespace quarlin::sdk::ui::propertymanager {

/// The host's scatter settings under a path prefix: the font ASCII symbols are drawn with in
/// field plots and in line plots (family, bold, italic), the scatter-size variable, and the
/// symbol size per unit of its magnitude with the flag saying whether that size is in grid units
/// or centimetres. Modal sets submit, modeless ones write through, as every generated set.
class QUARLIN_PROMPT_EXPORT ScatterSizeFontPropertiesGenerated : public UIKernelStylePropertiesAbstract
{
public:
    /// A set of its own over the settings under `prefix` (empty for the global ones): deferred to
    /// submit() when `isModal`, written at once otherwise.
    ScatterSizeFontPropertiesGenerated(bool isModal, toolbox::StringList const& prefix);
    /// A set nested under `parent` (borrowed, must outlive it), whose modality it takes.
    ScatterSizeFontPropertiesGenerated(UIKernelStylePropertiesAbstract* parent,
                                       toolbox::StringList const& prefix);
    ~ScatterSizeFontPropertiesGenerated() override;

protected:
    void submitProperties() override;
    void setPropertyOffsets(int offset1, int offset2) override;

public:
    /// The property of the setting "GlobalScatter" "BaseFontFamily" (after the set's prefix) that bindings
    /// use: the kernel property, unless the setter replaced it.
    virtual boost::shared_ptr<PropertyAbstract<std::string>> globalScatterBaseFontFamily();
    /// Hands bindings `property` (a proxy or decorator over the kernel property) in its place;
    /// the kernel property is still what submit() sends. Throws InvalidArgumentException for
    /// a null property.
    virtual void setGlobalScatterBaseFontFamily(boost::shared_ptr<PropertyAbstract<std::string>> property);
    /// The property of the setting "GlobalScatter" "BaseFontIsBold" (after the set's prefix) that bindings
    /// use: the kernel property, unless the setter replaced it.
    virtual boost::shared_ptr<PropertyAbstract<bool>> globalScatterBaseFontIsBold();
    /// Hands bindings `property` (a proxy or decorator over the kernel property) in its place;
    /// the kernel property is still what submit() sends. Throws InvalidArgumentException for
    /// a null property.
    virtual void setGlobalScatterBaseFontIsBold(boost::shared_ptr<PropertyAbstract<bool>> property);
    /// The property of the setting "GlobalScatter" "BaseFontIsItalic" (after the set's prefix) that bindings
    /// use: the kernel property, unless the setter replaced it.
    virtual boost::shared_ptr<PropertyAbstract<bool>> globalScatterBaseFontIsItalic();
    /// Hands bindings `property` (a proxy or decorator over the kernel property) in its place;
    /// the kernel property is still what submit() sends. Throws InvalidArgumentException for
    /// a null property.
    virtual void setGlobalScatterBaseFontIsItalic(boost::shared_ptr<PropertyAbstract<bool>> property);
    /// The property of the setting "GlobalScatter" "Var" (after the set's prefix) that bindings
    /// use: the kernel property, unless the setter replaced it.
    virtual boost::shared_ptr<PropertyAbstract<int>> globalScatterVar();
    /// Hands bindings `property` (a proxy or decorator over the kernel property) in its place;
    /// the kernel property is still what submit() sends. Throws InvalidArgumentException for
    /// a null property.
    virtual void setGlobalScatterVar(boost::shared_ptr<PropertyAbstract<int>> property);
    /// The property of the setting "GlobalScatter" "RelativeSizeInGridUnits" (after the set's prefix) that
    /// bindings use: the kernel property, unless the setter replaced it.
    virtual boost::shared_ptr<PropertyAbstract<bool>> globalScatterRelativeSizeInGridUnits();
    /// Hands bindings `property` (a proxy or decorator over the kernel property) in its place;
    /// the kernel property is still what submit() sends. Throws InvalidArgumentException for
    /// a null property.
    virtual void setGlobalScatterRelativeSizeInGridUnits(boost::shared_ptr<PropertyAbstract<bool>> property);
    /// The property of the setting "GlobalScatter" "RelativeSize" (after the set's prefix) that bindings
    /// use: the kernel property, unless the setter replaced it.
    virtual boost::shared_ptr<PropertyAbstract<double>> globalScatterRelativeSize();
    /// Hands bindings `property` (a proxy or decorator over the kernel property) in its place;
    /// the kernel property is still what submit() sends. Throws InvalidArgumentException for
    /// a null property.
    virtual void setGlobalScatterRelativeSize(boost::shared_ptr<PropertyAbstract<double>> property);
    /// The property of the setting "GlobalLinePlot" "BaseFontFamily" (after the set's prefix) that bindings
    /// use: the kernel property, unless the setter replaced it.
    virtual boost::shared_ptr<PropertyAbstract<std::string>> globalLinePlotBaseFontFamily();
    /// Hands bindings `property` (a proxy or decorator over the kernel property) in its place;
    /// the kernel property is still what submit() sends. Throws InvalidArgumentException for
    /// a null property.
    virtual void setGlobalLinePlotBaseFontFamily(boost::shared_ptr<PropertyAbstract<std::string>> property);
    /// The property of the setting "GlobalLinePlot" "BaseFontIsBold" (after the set's prefix) that bindings
    /// use: the kernel property, unless the setter replaced it.
    virtual boost::shared_ptr<PropertyAbstract<bool>> globalLinePlotBaseFontIsBold();
    /// Hands bindings `property` (a proxy or decorator over the kernel property) in its place;
    /// the kernel property is still what submit() sends. Throws InvalidArgumentException for
    /// a null property.
    virtual void setGlobalLinePlotBaseFontIsBold(boost::shared_ptr<PropertyAbstract<bool>> property);
    /// The property of the setting "GlobalLinePlot" "BaseFontIsItalic" (after the set's prefix) that bindings
    /// use: the kernel property, unless the setter replaced it.
    virtual boost::shared_ptr<PropertyAbstract<bool>> globalLinePlotBaseFontIsItalic();
    /// Hands bindings `property` (a proxy or decorator over the kernel property) in its place;
    /// the kernel property is still what submit() sends. Throws InvalidArgumentException for
    /// a null property.
    virtual void setGlobalLinePlotBaseFontIsItalic(boost::shared_ptr<PropertyAbstract<bool>> property);

private:
    template <class T>
    using Setting = styleproperties::GeneratedStyleSetting<T>;

    void build(toolbox::StringList const& prefix);

    Setting<std::string> m_scatterFontFamily;
    Setting<bool> m_scatterFontIsBold;
    Setting<bool> m_scatterFontIsItalic;
    Setting<int> m_scatterVar;
    Setting<bool> m_relativeSizeInGridUnits;
    Setting<double> m_relativeSize;
    Setting<std::string> m_linePlotFontFamily;
    Setting<bool> m_linePlotFontIsBold;
    Setting<bool> m_linePlotFontIsItalic;
};

} // namespace quarlin::sdk::ui::propertymanager
