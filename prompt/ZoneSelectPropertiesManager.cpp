#include "prompt/ZoneSelectPropertiesManager_p.h"

#include "propertybindings/models/ZoneVarListModelAbstract_p.h"
#include "sdk/host/SdkFunctions.h"

namespace quarlin::dialogs::prompt {

using sdk::ui::dialogs::propertybindings::models::ZoneListModel;

struct ZoneSelectPropertiesManager::Impl
{
    boost::shared_ptr<Property<std::set<int>>> selectedZones = boost::make_shared<Property<std::set<int>>>();
    boost::shared_ptr<ZoneListModel> model =
        boost::make_shared<ZoneListModel>(&sdk::getEnabledZonesForFrame, false);
};

ZoneSelectPropertiesManager::ZoneSelectPropertiesManager()
    : d(std::make_unique<Impl>())
{}

ZoneSelectPropertiesManager::~ZoneSelectPropertiesManager() = default;

boost::shared_ptr<Property<std::set<int>>> ZoneSelectPropertiesManager::selectedZones() const
{
    return d->selectedZones;
}

boost::shared_ptr<ZoneListModel> ZoneSelectPropertiesManager::model() const
{
    return d->model;
}

} // namespace quarlin::dialogs::prompt
