#pragma once

#include "property/Property.h"

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace quarlin::sdk {
class DataLoaderInterface;
}
namespace quarlin::sdk::ui::dialogs::propertybindings::models {
class StringListWithHeadersModel;
}
namespace quarlin::sdk::ui::propertymanager {
class PropertyPredicateDependentRelevance;
}

namespace quarlin::dialogs::prompt {

// What the loader chooser edits: the list of loader names (the suggested ones first, under
// headers), the selected rows, the rule that exactly one row is selected, and the loader
// remembered per file extension in the application settings. The known loaders are taken
// from the host once, when the manager is built.
class ChooseLoaderPropertiesManager
{
public:
    ChooseLoaderPropertiesManager();
    virtual ~ChooseLoaderPropertiesManager();

    boost::shared_ptr<sdk::ui::dialogs::propertybindings::models::StringListWithHeadersModel> model() const;
    boost::shared_ptr<Property<std::vector<int>>> selection() const;
    boost::shared_ptr<sdk::ui::propertymanager::PropertyPredicateDependentRelevance>
    oneLoaderSelected() const;

    // Rebuilds the list: the suggested names sorted under "Suggested Loaders", then the others.
    void rebuild(std::vector<boost::shared_ptr<sdk::DataLoaderInterface>> const& suggestedLoaders);
    // The list again with its headers in the language of the moment; the selected loader stays.
    void retranslate();
    // Selects the first row showing name; false (selection unchanged) when no row does.
    bool selectLoaderNamed(std::string const& name);
    // Selects the first row that is not a header.
    void selectFirstLoader();
    // The loader remembered for the only extension of the set; empty for zero or several.
    std::string rememberedLoader(std::set<std::string> const& extensions) const;
    // Remembers name for the only extension of the set; nothing for zero or several.
    void rememberLoader(std::set<std::string> const& extensions, std::string const& name) const;
    // The loader of the first selected row; empty for no selection or a header row.
    boost::shared_ptr<sdk::DataLoaderInterface> selectedLoader() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d; // owned
};

} // namespace quarlin::dialogs::prompt
