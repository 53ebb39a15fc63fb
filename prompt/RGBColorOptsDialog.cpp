#include "prompt/RGBColorOptsDialog.h"

#include "propertybindings/ComboBoxPropertyBinding.h"
#include "propertybindings/RelevanceApplier.h"
#include "propertybindings/SpinBoxDoublePropertyBinding_p.h"
#include "propertybindings/models/PremappedListModel.h"
#include "propertybindings/models/ZoneVarListModelAbstract_p.h"
#include "propertymanager/IntensitySpinBoxIncDecCalculator_p.h"
#include "propertymanager/RGBColorOptsPropertiesGenerated.h"
#include "propertymanager/RGBColorOptsPropertiesManager_p.h"
#include "sdk/dialogs/LaunchHelpAction_p.h"
#include "sdk/managerbase/FieldPlotTypeDependentRelevance.h"
#include "ui_RGBColorOpts.h"

#include <boost/make_shared.hpp>
#include <boost/ptr_container/ptr_vector.hpp>

#include <utility>

namespace quarlin::dialogs::prompt {

using namespace sdk::ui::propertymanager;
using namespace sdk::ui::dialogs::propertybindings;

struct RGBColorOptsDialog::Impl
{
    explicit Impl(RGBColorOptsDialog& dialog);
    virtual ~Impl();

    Ui::RGBColorOpts form;
    std::unique_ptr<RGBColorOptsPropertiesManager> manager;
    boost::ptr_vector<BindingInterface> bindings;
    // The spin boxes' bindings are not of the binding interface; they go with the others.
    std::vector<std::unique_ptr<SpinBoxDoublePropertyBinding>> spinBoxBindings;
    boost::ptr_vector<RelevanceApplier> relevanceAppliers;
};

RGBColorOptsDialog::Impl::Impl(RGBColorOptsDialog& dialog)
{
    form.setupUi(&dialog);
    auto const set = boost::make_shared<RGBColorOptsPropertiesGenerated>(
        dialog.windowModality() != Qt::NonModal, toolbox::StringList{});
    manager = std::make_unique<RGBColorOptsPropertiesManager>(set);

    bindings.push_back(new ComboBoxPropertyBinding<RGBMode_e>(*form.rGBColorOpts_Mode_CmbBox,
                                                              set->globalRGBRGBMode(), manager->modeModel(),
                                                              BindingInterface::ModelUpdateDeferredOnBusy));
    bindings.push_back(new ComboBoxPropertyBinding<int>(
        *form.rGBColorOpts_RedVariable_CmbBox, set->globalRGBRedChannelVar(), manager->variablesModel(),
        BindingInterface::ModelUpdateDeferredOnBusy));
    bindings.push_back(new ComboBoxPropertyBinding<int>(
        *form.rGBColorOpts_GreenVariable_CmbBox, set->globalRGBGreenChannelVar(), manager->variablesModel(),
        BindingInterface::ModelUpdateDeferredOnBusy));
    bindings.push_back(new ComboBoxPropertyBinding<int>(
        *form.rGBColorOpts_BlueVariable_CmbBox, set->globalRGBBlueChannelVar(), manager->variablesModel(),
        BindingInterface::ModelUpdateDeferredOnBusy));
    // The range first: a binding shows its value at once, and a spin box clamps to its range.
    for (QDoubleSpinBox* const spinBox : {static_cast<QDoubleSpinBox*>(form.minValue_doubleSpinBox),
                                          static_cast<QDoubleSpinBox*>(form.maxValue_doubleSpinBox)})
        spinBox->setRange(-1e150, 1e150);
    spinBoxBindings.push_back(std::make_unique<SpinBoxDoublePropertyBinding>(
        form.maxValue_doubleSpinBox, set->globalRGBRangeMax(),
        boost::make_shared<IntensitySpinBoxIncDecCalculator>(*set)));
    spinBoxBindings.push_back(std::make_unique<SpinBoxDoublePropertyBinding>(
        form.minValue_doubleSpinBox, set->globalRGBRangeMin(),
        boost::make_shared<IntensitySpinBoxIncDecCalculator>(*set)));

    auto const apply = [this](RelevancePtr const& rule, QWidget* combo, QWidget* label) {
        relevanceAppliers.push_back(new RelevanceApplier(rule, {combo, label},
                                                         RelevanceApplier::Manifestation_Sensitivity,
                                                         BindingInterface::WidgetUpdateOnIdle));
    };
    apply(manager->redRelevance(), form.rGBColorOpts_RedVariable_CmbBox, form.rGBColorOpts_RedVariable_Label);
    apply(manager->greenRelevance(), form.rGBColorOpts_GreenVariable_CmbBox,
          form.rGBColorOpts_GreenVariable_Label);
    apply(manager->blueRelevance(), form.rGBColorOpts_BlueVariable_CmbBox,
          form.rGBColorOpts_BlueVariable_Label);
}

RGBColorOptsDialog::Impl::~Impl()
{
    // Appliers, then bindings, then the manager (and with its last holder the style set).
    relevanceAppliers.clear();
    spinBoxBindings.clear();
    bindings.clear();
    manager.reset();
}

RGBColorOptsDialog* RGBColorOptsDialog::m_dialogInstance = nullptr;

RGBColorOptsDialog& RGBColorOptsDialog::getInstance(QWidget& parent)
{
    if (!m_dialogInstance)
        m_dialogInstance = new RGBColorOptsDialog(parent);
    return *m_dialogInstance;
}

RelevancePtr RGBColorOptsDialog::relevance()
{
    static RelevancePtr const rule = boost::make_shared<FieldPlotTypeDependentRelevance>();
    return rule;
}

RGBColorOptsDialog::RGBColorOptsDialog(QWidget& parent)
    : QtDialogAbstract(parent, relevance())
    , m_impl(std::make_unique<Impl>(*this))
{
    setLaunchedModeless(true);
    setHelpAction(new common::LaunchHelpAction("plots.html#plots/color-chooser/rgb-coloring", *this));
    followLanguage([this, first = true]() mutable {
        m_impl->form.retranslateUi(this); // a mode's item text goes to the model, which refuses it
        if (!std::exchange(first, false))
            m_impl->manager->retranslate();
    });
}

RGBColorOptsDialog::~RGBColorOptsDialog()
{
    if (m_dialogInstance == this)
        m_dialogInstance = nullptr;
    m_impl.reset();
}

} // namespace quarlin::dialogs::prompt
