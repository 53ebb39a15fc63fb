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
    ScatterSizeFontPropertiesGenerated(bool isModal, toolbox::StringList const& prefix);
    ScatterSizeFontPropertiesGenerated(UIKernelStylePropertiesAbstract* parent,
                                       toolbox::StringList const& prefix);
    ~ScatterSizeFontPropertiesGenerated() override;

protected:
    void submitProperties() override;
    void setPropertyOffsets(int offset1, int offset2) override;

public:
    virtual boost::shared_ptr<PropertyAbstract<std::string>> globalScatterBaseFontFamily();
    virtual void setGlobalScatterBaseFontFamily(boost::shared_ptr<PropertyAbstract<std::string>> property);
    virtual boost::shared_ptr<PropertyAbstract<bool>> globalScatterBaseFontIsBold();
    virtual void setGlobalScatterBaseFontIsBold(boost::shared_ptr<PropertyAbstract<bool>> property);
    virtual boost::shared_ptr<PropertyAbstract<bool>> globalScatterBaseFontIsItalic();
    virtual void setGlobalScatterBaseFontIsItalic(boost::shared_ptr<PropertyAbstract<bool>> property);
    virtual boost::shared_ptr<PropertyAbstract<int>> globalScatterVar();
    virtual void setGlobalScatterVar(boost::shared_ptr<PropertyAbstract<int>> property);
    virtual boost::shared_ptr<PropertyAbstract<bool>> globalScatterRelativeSizeInGridUnits();
    virtual void setGlobalScatterRelativeSizeInGridUnits(boost::shared_ptr<PropertyAbstract<bool>> property);
    virtual boost::shared_ptr<PropertyAbstract<double>> globalScatterRelativeSize();
    virtual void setGlobalScatterRelativeSize(boost::shared_ptr<PropertyAbstract<double>> property);
    virtual boost::shared_ptr<PropertyAbstract<std::string>> globalLinePlotBaseFontFamily();
    virtual void setGlobalLinePlotBaseFontFamily(boost::shared_ptr<PropertyAbstract<std::string>> property);
    virtual boost::shared_ptr<PropertyAbstract<bool>> globalLinePlotBaseFontIsBold();
    virtual void setGlobalLinePlotBaseFontIsBold(boost::shared_ptr<PropertyAbstract<bool>> property);
    virtual boost::shared_ptr<PropertyAbstract<bool>> globalLinePlotBaseFontIsItalic();
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
