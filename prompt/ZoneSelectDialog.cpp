#include "prompt/ZoneSelectDialog.h"

#include "prompt/ZoneSelectPropertiesManager_p.h"
#include "propertybindings/ListViewPropertyBinding.h"
#include "propertybindings/models/ZoneVarListModelAbstract_p.h"
#include "sdk/dialogs/LaunchHelpAction_p.h"
#include "sdk/managerbase/DataSetExistsRelevance.h"
#include "ui_ZoneSelect.h"

#include <boost/make_shared.hpp>
#include <boost/ptr_container/ptr_vector.hpp>

namespace quarlin::dialogs::prompt {

using sdk::ui::dialogs::propertybindings::BindingInterface;
using sdk::ui::dialogs::propertybindings::ListViewPropertyBinding;

class ZoneSelectDialog::Impl : public Ui::ZoneSelect
{
public:
    ZoneSelectPropertiesManager manager;
    boost::ptr_vector<ListViewPropertyBinding> bindings;
    int requestedZone = 1;
};

ZoneSelectDialog* ZoneSelectDialog::m_dialogInstance = nullptr;

ZoneSelectDialog& ZoneSelectDialog::getInstance(QWidget& parent, int zone)
{
    if (!m_dialogInstance)
        m_dialogInstance = new ZoneSelectDialog(parent, zone);
    m_dialogInstance->preselect(zone);
    return *m_dialogInstance;
}

sdk::ui::propertymanager::RelevancePtr ZoneSelectDialog::relevance()
{
    static sdk::ui::propertymanager::RelevancePtr const rule =
        boost::make_shared<sdk::ui::propertymanager::DataSetExistsRelevance>();
    return rule;
}

ZoneSelectDialog::ZoneSelectDialog(QWidget& parent, int /*zone: preselected by getInstance*/)
    : QtDialogAbstract(parent, relevance())
    , m_impl(std::make_unique<Impl>())
{
    Impl& form = *m_impl;
    form.setupUi(this); // keeps an object name the dialog already has
    auto* const binding = new ListViewPropertyBinding;
    form.bindings.push_back(binding);
    binding->init(*form.Zone_Source_MList, form.manager.selectedZones(), form.manager.model(),
                  BindingInterface::ModelUpdateImmediate);
    binding->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(form.Zone_Source_MList, &QAbstractItemView::doubleClicked, this, &QDialog::accept);
    setHelpAction(new common::LaunchHelpAction("select_mapping_zone.html", *this));
}

ZoneSelectDialog::~ZoneSelectDialog()
{
    if (m_dialogInstance == this)
        m_dialogInstance = nullptr;
    m_impl->bindings.clear();
}

void ZoneSelectDialog::preselect(int zone)
{
    Impl& form = *m_impl;
    form.requestedZone = zone;
    form.manager.selectedZones()->setValue({zone});
    if (QAbstractItemModel* const model = form.Zone_Source_MList->model())
        form.Zone_Source_MList->scrollTo(model->index(zone - 1, 0), QAbstractItemView::EnsureVisible);
}

int ZoneSelectDialog::selectedZone()
{
    std::set<int> const zones = m_impl->manager.selectedZones()->value();
    return zones.empty() ? m_impl->requestedZone : *zones.begin();
}

} // namespace quarlin::dialogs::prompt
