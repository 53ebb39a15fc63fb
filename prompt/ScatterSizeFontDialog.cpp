#include "prompt/ScatterSizeFontDialog.h"

#include "prompt/ScatterSizeFontPropertiesManager_p.h"
#include "propertybindings/ButtonBinding_p.h"
#include "propertybindings/ComboBoxPropertyBinding.h"
#include "propertybindings/FontComboBoxPropertyBinding_p.h"
#include "propertybindings/RadioButtonPropertyBinding.h"
#include "propertybindings/RelevanceApplier.h"
#include "propertybindings/TextFieldPropertyBinding.h"
#include "propertybindings/models/ZoneVarListModelAbstract_p.h"
#include "propertymanager/ScatterSizeFontPropertiesGenerated.h"
#include "sdk/dialogs/LaunchHelpAction_p.h"
#include "sdk/exception/ExceptionBoundary.h"
#include "sdk/host/QrnUtil.h"
#include "sdk/managerbase/FieldPlotTypeDependentRelevance.h"
#include "sdk/managerbase/LinePlotTypeDependentRelevance.h"
#include "sdk/managerbase/RelevanceExpression.h"
#include "sdk/signals/SignalConnectionCollection.h"
#include "sdk/widgets/DeferredCommits_p.h"
#include "ui_ScatterSizeFont.h"

#include <boost/make_shared.hpp>

#include <QCoreApplication>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>

namespace quarlin::dialogs::prompt {

using namespace sdk::ui::propertymanager;
using namespace sdk::ui::dialogs::propertybindings;

struct ScatterSizeFontDialog::Impl : public Ui::ScatterSizeFont
{
    explicit Impl(ScatterSizeFontDialog& dialog);
    ~Impl();

    // A checkable button that shows and sets a flag of the font.
    void bindStyleButton(QAbstractButton* button, boost::shared_ptr<PropertyAbstract<bool>> const& flag);

    std::unique_ptr<ScatterSizeFontPropertiesGenerated> generated;
    std::unique_ptr<ScatterSizeFontPropertiesManager> manager;
    std::vector<std::shared_ptr<void>> bindings;
    std::vector<std::unique_ptr<RelevanceApplier>> relevanceAppliers;
    SignalConnectionCollection connections;
    QtSignalConnectionCollection widgetConnections;
};

ScatterSizeFontDialog::Impl::Impl(ScatterSizeFontDialog& dialog)
{
    setupUi(&dialog);
    generated = std::make_unique<ScatterSizeFontPropertiesGenerated>(dialog.windowModality() != Qt::NonModal,
                                                                     toolbox::StringList{});
    manager = std::make_unique<ScatterSizeFontPropertiesManager>(*generated);
    QPushButton* const recalculate = scatterSizeFont_buttonBox->addButton(
        QCoreApplication::translate("ScatterSizeFont", "&Recalculate Size"), QDialogButtonBox::ActionRole);
    recalculate->setObjectName(QStringLiteral("scatterSizeFont_RecalculateSize_Button"));
    connections.add(manager->plotType()->connectToValueChangedSignal(
        [&dialog](PlotType_e const&) { dialog.setDialogForPlotType(); }));

    bindings.push_back(std::make_shared<FontComboBoxPropertyBinding>(scatterSizeFont_SymbolsFont_ComboBox,
                                                                     manager->fontFamily()));
    bindings.push_back(std::make_shared<ComboBoxPropertyBinding<int>>(
        *scatterSizeFont_SizeVaiable_ComboBox, generated->globalScatterVar(), manager->variablesModel(),
        BindingInterface::ModelUpdateImmediate));
    bindings.push_back(std::make_shared<RadioButtonPropertyBinding<bool>>(
        scatterSizeFont_SizeGrid_radioButton, generated->globalScatterRelativeSizeInGridUnits(), true));
    bindings.push_back(std::make_shared<TextFieldPropertyBinding<double>>(
        scatterSizeFont_SizeGrid_1Text, manager->relativeSizeInGridUnits()));
    bindings.push_back(std::make_shared<RadioButtonPropertyBinding<bool>>(
        scatterSizeFont_SizeCm_radioButton, generated->globalScatterRelativeSizeInGridUnits(), false));
    bindings.push_back(std::make_shared<TextFieldPropertyBinding<double>>(scatterSizeFont_SizeCm_1Text,
                                                                          manager->relativeSizeInCm()));
    ScatterSizeFontPropertiesManager* const sizes = manager.get();
    bindings.push_back(std::make_shared<ButtonBinding>(recalculate, [sizes] { sizes->recalculateSize(); }));
    bindStyleButton(scatterSizeFont_SymbolsFontBold_Button, manager->fontIsBold());
    bindStyleButton(scatterSizeFont_SymbolsFontItalic_Button, manager->fontIsItalic());

    auto const apply = [this](RelevancePtr const& rule, std::initializer_list<QWidget*> widgets) {
        relevanceAppliers.push_back(
            std::make_unique<RelevanceApplier>(rule, widgets, RelevanceApplier::Manifestation_Sensitivity,
                                               BindingInterface::WidgetUpdateOnIdle));
    };
    apply(manager->fieldPlotRelevance(),
          {scatterSizeFont_SizeVaiable_Label, scatterSizeFont_SizeVaiable_ComboBox,
           scatterSizeFont_SizeMultiplier_Label, scatterSizeFont_SizeGrid_radioButton,
           scatterSizeFont_SizeCm_radioButton, recalculate});
    apply(manager->gridSizeRelevance(), {scatterSizeFont_SizeGrid_1Text});
    apply(manager->cmSizeRelevance(), {scatterSizeFont_SizeCm_1Text});
}

ScatterSizeFontDialog::Impl::~Impl()
{
    // What follows the properties goes before them.
    widgetConnections.clear();
    connections.clear();
    relevanceAppliers.clear();
    bindings.clear();
    manager.reset();
    generated.reset();
}

void ScatterSizeFontDialog::Impl::bindStyleButton(QAbstractButton* button,
                                                  boost::shared_ptr<PropertyAbstract<bool>> const& flag)
{
    auto const show = [button](bool on) {
        QSignalBlocker const quiet(button);
        button->setChecked(on);
    };
    show(flag->value());
    connections.add(flag->connectToValueChangedSignal([show](bool const& on) { show(on); }));
    // Qt goes on using the button after it reports the toggle, and the host may answer the write
    // by closing the window: the flag is set once Qt is done.
    widgetConnections.add(
        QObject::connect(button, &QAbstractButton::toggled, button, [flag, show, button](bool on) {
            quarlin::ui::intern::DeferredCommits::schedule(
                *button, [flag, show, alive = QPointer<QAbstractButton>(button), on] {
                    runAtBoundary([&] { flag->setValue(on); });
                    if (alive)
                        show(flag->value());
                });
        }));
}

ScatterSizeFontDialog* ScatterSizeFontDialog::m_dialogInstance = nullptr;

ScatterSizeFontDialog& ScatterSizeFontDialog::getInstance(QWidget& parent)
{
    if (!m_dialogInstance)
        m_dialogInstance = new ScatterSizeFontDialog(parent);
    return *m_dialogInstance;
}

RelevancePtr ScatterSizeFontDialog::relevance()
{
    static RelevancePtr const rule =
        RelevanceExpression(boost::make_shared<FieldPlotTypeDependentRelevance>())
            .oor(boost::make_shared<LinePlotTypeDependentRelevance>());
    return rule;
}

ScatterSizeFontDialog::ScatterSizeFontDialog(QWidget& parent)
    : QtDialogAbstract(parent, relevance())
    , m_impl(std::make_unique<Impl>(*this))
{
    followLanguage([this] {
        Impl& form = *m_impl;
        form.retranslateUi(this);
        if (auto* const recalculate = form.scatterSizeFont_buttonBox->findChild<QPushButton*>(
                QStringLiteral("scatterSizeFont_RecalculateSize_Button")))
            recalculate->setText(QCoreApplication::translate("ScatterSizeFont", "&Recalculate Size"));
        PlotType_e const plotType = QrnUtilFrameGetPlotType();
        bool const field = plotType == PlotType_Cartesian2D || plotType == PlotType_Cartesian3D;
        setWindowTitle(field ? QCoreApplication::translate("ScatterSizeFont", "Scatter Size/Font")
                             : QCoreApplication::translate("ScatterSizeFont", "Symbol Font"));
    });
    setDialogForPlotType();
}

ScatterSizeFontDialog::~ScatterSizeFontDialog()
{
    if (m_dialogInstance == this)
        m_dialogInstance = nullptr;
    m_impl.reset();
}

void ScatterSizeFontDialog::setDialogForPlotType()
{
    refreshTexts(); // the title names what the plot type makes of the prompt
    // The topic is the same for every plot type; the earlier action goes with its replacement.
    QAction* const earlier = helpAction();
    setHelpAction(new common::LaunchHelpAction("scatter.html#scatter/scatter-size-font", *this));
    delete earlier;
}

} // namespace quarlin::dialogs::prompt
