#include "prompt/ZoneSelectDialog.h"

#include "prompt/ZoneSelectPropertiesManager_p.h"
#include "propertybindings/ListViewPropertyBinding.h"
#include "propertybindings/RelevanceApplier.h"
#include "propertybindings/models/ZoneVarListModelAbstract_p.h"
#include "propertymanager/PropertyPredicateDependentRelevance.h"
#include "sdk/dialogs/LaunchHelpAction_p.h"
#include "sdk/exception/ExceptionBoundary.h"
#include "sdk/managerbase/DataSetExistsRelevance.h"
#include "ui_ZoneSelect.h"

#include <boost/make_shared.hpp>
#include <boost/ptr_container/ptr_vector.hpp>

#include <QPushButton>

namespace quarlin::dialogs::prompt {

using sdk::ui::dialogs::propertybindings::BindingInterface;
using sdk::ui::dialogs::propertybindings::ListViewPropertyBinding;
using sdk::ui::dialogs::propertybindings::RelevanceApplier;
using sdk::ui::dialogs::propertybindings::models::ZoneListModel;

namespace {

// Holds while a predicate on the selection holds, asked again when the selection or the frame's
// zones change: the host may replace its data set while the prompt is open.
class SelectionAndZonesRelevance : public sdk::ui::propertymanager::PropertyPredicateDependentRelevance
{
public:
    SelectionAndZonesRelevance(boost::shared_ptr<PropertyItemInterface const> selection,
                               ZoneListModel const& zones, boost::function<bool()> predicate)
        : PropertyPredicateDependentRelevance(std::move(selection), std::move(predicate))
    {
        auto const askAgain = [this] { runAtBoundary([this] { announce(); }); };
        m_zoneConnections.add(zones.connectToDataChangedSignal(askAgain));
        m_zoneConnections.add(zones.connectToItemsInsertedSignal([askAgain](int, int) { askAgain(); }));
        m_zoneConnections.add(zones.connectToItemsRemovedSignal(askAgain));
    }

private:
    SignalConnectionCollection m_zoneConnections;
};

} // namespace

class ZoneSelectDialog::Impl : public Ui::ZoneSelect
{
public:
    ZoneSelectPropertiesManager manager;
    boost::ptr_vector<ListViewPropertyBinding> bindings;
    int requestedZone = 1;
    std::unique_ptr<RelevanceApplier> okApplier; // after the bindings: it goes first
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
    // OK hands back only a zone the frame has: while the selection holds another (the host
    // replaced its data set, or was asked for a zone it lacks) OK is greyed out until a person
    // picks one.
    form.okApplier = std::make_unique<RelevanceApplier>(
        boost::make_shared<SelectionAndZonesRelevance>(
            form.manager.selectedZones(), *form.manager.model(),
            [this] { return m_impl->manager.model()->indexOf(selectedZone()) != -1; }),
        std::initializer_list<QWidget*>{form.buttonBox->button(QDialogButtonBox::Ok)},
        RelevanceApplier::Manifestation_Sensitivity, BindingInterface::WidgetUpdateImmediate);
    connect(form.Zone_Source_MList, &QAbstractItemView::doubleClicked, this, &QDialog::accept);
    setHelpAction(new common::LaunchHelpAction("select_mapping_zone.html", *this));
    followLanguage([this, &form] { form.retranslateUi(this); });
}

ZoneSelectDialog::~ZoneSelectDialog()
{
    if (m_dialogInstance == this)
        m_dialogInstance = nullptr;
    m_impl->okApplier.reset();
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
