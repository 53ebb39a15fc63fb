#pragma once

#include "property/Property.h"

#include <memory>
#include <set>

namespace quarlin::sdk::ui::dialogs::propertybindings::models {
class ZoneListModel;
}

namespace quarlin::dialogs::prompt {

// What the zone prompt edits: the zones the active frame has enabled, and the selected ones
// (1-based numbers).
class ZoneSelectPropertiesManager
{
public:
    ZoneSelectPropertiesManager();
    virtual ~ZoneSelectPropertiesManager();

    boost::shared_ptr<Property<std::set<int>>> selectedZones() const;
    boost::shared_ptr<sdk::ui::dialogs::propertybindings::models::ZoneListModel> model() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d; // owned
};

} // namespace quarlin::dialogs::prompt
