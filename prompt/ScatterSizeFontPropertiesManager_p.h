#pragma once

#include "property/Property.h"
#include "property/PropertyProxy.h"
#include "sdk/managerbase/RelevanceInterface.h"

#include <boost/shared_ptr.hpp>

#include <memory>
#include <string>

namespace quarlin::sdk::ui::propertymanager {
class ScatterSizeFontPropertiesGenerated;
}

namespace quarlin::sdk::ui::dialogs::propertybindings::models {
class EnabledVariablesListModel;
}

namespace quarlin::dialogs::prompt {

// What the scatter size and font prompt binds to, over the scatter style set:
// - the symbol font (family, bold, italic) as proxies that follow the active frame's plot type:
//   the scatter font for field plots, the line-plot font for line plots; on a field plot the
//   host also chooses a scatter-size variable if none is set;
// - the relative symbol size seen in grid units and in centimetres: each view shows the stored
//   size converted to its unit, and only the view of the stored unit is for editing;
// - rules for what applies to a field plot and which size view is editable, and the list of
//   the active frame's variables.
class ScatterSizeFontPropertiesManager
{
public:
    // The set must outlive the manager.
    explicit ScatterSizeFontPropertiesManager(
        sdk::ui::propertymanager::ScatterSizeFontPropertiesGenerated& generated);
    virtual ~ScatterSizeFontPropertiesManager();
    ScatterSizeFontPropertiesManager(ScatterSizeFontPropertiesManager const&) = delete;
    ScatterSizeFontPropertiesManager& operator=(ScatterSizeFontPropertiesManager const&) = delete;

    // Sets the relative size to one suited to the scatter-size variable's range and the axis
    // grid, in the unit chosen; 0 when the variable has no range or only values near 0.
    void recalculateSize();

    boost::shared_ptr<PropertyProxy<std::string>> const& fontFamily() const;
    boost::shared_ptr<PropertyProxy<bool>> const& fontIsBold() const;
    boost::shared_ptr<PropertyProxy<bool>> const& fontIsItalic() const;
    // The plot type the proxies were last pointed for (PlotType_Invalid before the first).
    boost::shared_ptr<Property<PlotType_e>> const& plotType() const;
    boost::shared_ptr<PropertyAbstract<double>> relativeSizeInGridUnits() const;
    boost::shared_ptr<PropertyAbstract<double>> relativeSizeInCm() const;
    sdk::ui::propertymanager::RelevancePtr const& fieldPlotRelevance() const;
    sdk::ui::propertymanager::RelevancePtr const& gridSizeRelevance() const;
    sdk::ui::propertymanager::RelevancePtr const& cmSizeRelevance() const;
    boost::shared_ptr<sdk::ui::dialogs::propertybindings::models::EnabledVariablesListModel> const&
    variablesModel() const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl; // owned
};

} // namespace quarlin::dialogs::prompt
