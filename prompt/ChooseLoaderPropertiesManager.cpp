#include "prompt/ChooseLoaderPropertiesManager_p.h"

#include "propertybindings/models/StringListModel.h"
#include "propertymanager/PropertyPredicateDependentRelevance.h"
#include "sdk/host/ApplicationSettings.h"
#include "sdk/host/DataLoaderRepository.h"

#include <QCoreApplication>

namespace quarlin::dialogs::prompt {

using sdk::ui::dialogs::propertybindings::models::StringListWithHeadersModel;
using sdk::ui::propertymanager::PropertyPredicateDependentRelevance;

struct ChooseLoaderPropertiesManager::Impl
{
    boost::shared_ptr<StringListWithHeadersModel> model = boost::make_shared<StringListWithHeadersModel>();
    boost::shared_ptr<Property<std::vector<int>>> selection =
        boost::make_shared<Property<std::vector<int>>>();
    boost::shared_ptr<PropertyPredicateDependentRelevance> oneSelected;
    std::vector<boost::shared_ptr<sdk::DataLoaderInterface>> allLoaders =
        sdk::DataLoaderRepository::getInstance().dataLoaderInterfaces(false);
    std::string const keyPrefix = "LastLoaderUsedForExt_";
    std::vector<boost::shared_ptr<sdk::DataLoaderInterface>> suggested;
};

ChooseLoaderPropertiesManager::ChooseLoaderPropertiesManager()
    : d(std::make_unique<Impl>())
{
    Property<std::vector<int>> const& selection = *d->selection;
    d->oneSelected = boost::make_shared<PropertyPredicateDependentRelevance>(
        d->selection, [&selection] { return selection.value().size() == 1; });
}

ChooseLoaderPropertiesManager::~ChooseLoaderPropertiesManager() = default;

boost::shared_ptr<StringListWithHeadersModel> ChooseLoaderPropertiesManager::model() const
{
    return d->model;
}

boost::shared_ptr<Property<std::vector<int>>> ChooseLoaderPropertiesManager::selection() const
{
    return d->selection;
}

boost::shared_ptr<PropertyPredicateDependentRelevance>
ChooseLoaderPropertiesManager::oneLoaderSelected() const
{
    return d->oneSelected;
}

void ChooseLoaderPropertiesManager::rebuild(
    std::vector<boost::shared_ptr<sdk::DataLoaderInterface>> const& suggestedLoaders)
{
    d->suggested = suggestedLoaders;
    StringListWithHeadersModel& model = *d->model;
    model.clear();
    std::set<std::string> suggested;
    for (auto const& loader : suggestedLoaders)
        if (loader)
            suggested.insert(loader->name());
    if (!suggested.empty()) {
        model.appendHeaderRow(QCoreApplication::translate("ChooseLoader", "Suggested Loaders").toStdString());
        for (std::string const& name : suggested)
            model.append(name);
        model.appendHeaderRow("");
        model.appendHeaderRow(
            QCoreApplication::translate("ChooseLoader", "Other Available Loaders").toStdString());
    }
    std::set<std::string> others;
    for (auto const& loader : d->allLoaders)
        if (!suggested.count(loader->name()))
            others.insert(loader->name());
    for (std::string const& name : others)
        model.append(name);
}

void ChooseLoaderPropertiesManager::retranslate()
{
    auto const selected = selectedLoader();
    auto const suggested = d->suggested; // rebuild() takes its copy from what it is given
    rebuild(suggested);
    if (selected)
        selectLoaderNamed(selected->name());
}

bool ChooseLoaderPropertiesManager::selectLoaderNamed(std::string const& name)
{
    StringListWithHeadersModel& model = *d->model;
    for (int row = 0; row < model.size(); ++row) {
        if (model.getStr(row) == name) {
            d->selection->setValue({row});
            return true;
        }
    }
    return false;
}

void ChooseLoaderPropertiesManager::selectFirstLoader()
{
    if (d->model->size() > 0)
        d->selection->setValue({d->model->isHeader(0) ? 1 : 0});
}

std::string ChooseLoaderPropertiesManager::rememberedLoader(std::set<std::string> const& extensions) const
{
    if (extensions.size() != 1)
        return {};
    return sdk::ApplicationSettings::getInstance().getStringValue(d->keyPrefix + *extensions.begin());
}

void ChooseLoaderPropertiesManager::rememberLoader(std::set<std::string> const& extensions,
                                                   std::string const& name) const
{
    if (extensions.size() == 1)
        sdk::ApplicationSettings::getInstance().depositValue(d->keyPrefix + *extensions.begin(), name);
}

boost::shared_ptr<sdk::DataLoaderInterface> ChooseLoaderPropertiesManager::selectedLoader() const
{
    std::vector<int> const rows = d->selection->value();
    StringListWithHeadersModel& model = *d->model;
    if (rows.empty() || rows.front() < 0 || rows.front() >= model.size() || model.isHeader(rows.front()))
        return {};
    std::string const name = model.getStr(rows.front());
    for (auto const& loader : d->allLoaders)
        if (loader->name() == name)
            return loader;
    return {};
}

} // namespace quarlin::dialogs::prompt
