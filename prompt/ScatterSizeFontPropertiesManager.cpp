#include "prompt/ScatterSizeFontPropertiesManager_p.h"

#include "property/AllowAnyValueValidator.h"
#include "property/PropertyDecoratorAbstract.h"
#include "propertybindings/models/ZoneVarListModelAbstract_p.h"
#include "propertymanager/PropertyDependentRelevance.h"
#include "propertymanager/ScatterSizeFontPropertiesGenerated.h"
#include "sdk/host/AppLock.h"
#include "sdk/host/QrnUtil.h"
#include "sdk/host/SdkFunctions.h"
#include "sdk/host/StateChangeEvent.h"
#include "sdk/host/StyleValue.h"
#include "sdk/managerbase/FieldPlotTypeDependentRelevance.h"
#include "sdk/managerbase/InvertingRelevance.h"
#include "sdk/managerbase/RelevanceExpression.h"
#include "sdk/uicommon/OnIdleAfterStateChangeActionPerformer_p.h"
#include "styleproperties/StyleValueAccess.h"

#include <QCoreApplication>
#include <boost/make_shared.hpp>

#include <algorithm>
#include <cmath>

namespace quarlin::dialogs::prompt {

using namespace sdk::ui::propertymanager;

namespace {

// One point in centimetres (2.54 / 72): the host converts it from grid units to points.
constexpr double pointInCm = 0.035277777777777776;

// The stored relative size seen in one unit. The host stores it in the unit its flag names;
// the other view converts. Writing goes to the stored size as it is: only the view of the
// stored unit is editable.
class RelativeSizeProperty : public PropertyDecoratorAbstract<double>
{
public:
    RelativeSizeProperty(boost::shared_ptr<PropertyAbstract<double>> size,
                         boost::shared_ptr<PropertyAbstract<bool>> unit, bool gridView)
        : PropertyDecoratorAbstract<double>(std::move(size))
        , inGridUnits(std::move(unit))
        , showsGridUnits(gridView)
        // A change of unit changes what this view shows, as a change of the size does.
        , m_unitConnection(inGridUnits->connectToValueChangedSignal(
              [this](bool const&) { this->emitValueChangedSignal(this->value()); }))
    {}
    ~RelativeSizeProperty() override = default;

protected:
    void storeValue(double const& value) override { decorated->setValue(value); }

    double storedValue() const override
    {
        double const stored = decorated->value();
        if (inGridUnits->value() == showsGridUnits)
            return stored;
        sdk::AppLock const lock(sdk::ImplicitMacroRecording_Off);
        double const factor = QrnUtilConvertUnits(UnitType_Grid, UnitType_Point, pointInCm);
        return showsGridUnits ? stored / factor : stored * factor;
    }

private:
    boost::shared_ptr<PropertyAbstract<bool>> inGridUnits;
    bool showsGridUnits;
    boost::signals2::scoped_connection m_unitConnection;
};

} // namespace

struct ScatterSizeFontPropertiesManager::Impl
{
    explicit Impl(ScatterSizeFontPropertiesGenerated& set);

    static bool isPlotTypeChange(toolbox::StateChangeEventInterface const& event);
    void update();
    double computeSize(bool inGrid) const;

    ScatterSizeFontPropertiesGenerated* generated; // not owned
    boost::shared_ptr<PropertyProxy<std::string>> fontFamily;
    boost::shared_ptr<PropertyProxy<bool>> fontIsBold;
    boost::shared_ptr<PropertyProxy<bool>> fontIsItalic;
    boost::shared_ptr<RelativeSizeProperty> relativeSizeInGridUnits;
    boost::shared_ptr<RelativeSizeProperty> relativeSizeInCm;
    boost::shared_ptr<Property<PlotType_e>> plotType;
    RelevancePtr fieldPlotRelevance;
    RelevancePtr gridSizeRelevance;
    RelevancePtr cmSizeRelevance;
    boost::shared_ptr<sdk::ui::dialogs::propertybindings::models::EnabledVariablesListModel> variablesModel;
    std::unique_ptr<sdk::ui::common::OnIdleAfterStateChangeActionPerformer> plotTypeWatcher;
};

ScatterSizeFontPropertiesManager::Impl::Impl(ScatterSizeFontPropertiesGenerated& set)
    : generated(&set)
    , fontFamily(boost::make_shared<PropertyProxy<std::string>>(
          set.globalScatterBaseFontFamily(), boost::make_shared<AllowAnyValueValidator<std::string>>()))
    , fontIsBold(boost::make_shared<PropertyProxy<bool>>(set.globalScatterBaseFontIsBold(),
                                                         boost::make_shared<AllowAnyValueValidator<bool>>()))
    , fontIsItalic(boost::make_shared<PropertyProxy<bool>>(
          set.globalScatterBaseFontIsItalic(), boost::make_shared<AllowAnyValueValidator<bool>>()))
    , relativeSizeInGridUnits(boost::make_shared<RelativeSizeProperty>(
          set.globalScatterRelativeSize(), set.globalScatterRelativeSizeInGridUnits(), true))
    , relativeSizeInCm(boost::make_shared<RelativeSizeProperty>(
          set.globalScatterRelativeSize(), set.globalScatterRelativeSizeInGridUnits(), false))
    , plotType(boost::make_shared<Property<PlotType_e>>(PlotType_Invalid))
    , fieldPlotRelevance(boost::make_shared<FieldPlotTypeDependentRelevance>())
{
    RelevancePtr const inGridUnits = boost::make_shared<PropertyDependentRelevance<bool>>(
        boost::shared_ptr<PropertyAbstract<bool> const>(set.globalScatterRelativeSizeInGridUnits()), true);
    gridSizeRelevance = RelevanceExpression(inGridUnits).aand(fieldPlotRelevance);
    cmSizeRelevance = RelevanceExpression(boost::make_shared<InvertingRelevance>(gridSizeRelevance))
                          .aand(fieldPlotRelevance);
    variablesModel =
        boost::make_shared<sdk::ui::dialogs::propertybindings::models::EnabledVariablesListModel>(
            &sdk::getEnabledVarsForFrame, false);
    plotTypeWatcher = std::make_unique<sdk::ui::common::OnIdleAfterStateChangeActionPerformer>(
        [this] { update(); }, &Impl::isPlotTypeChange);
    update();
}

bool ScatterSizeFontPropertiesManager::Impl::isPlotTypeChange(toolbox::StateChangeEventInterface const& event)
{
    return event.kind() == StateChange_Style && !event.parameters().empty()
           && event.parameters().front() == "PlotType";
}

void ScatterSizeFontPropertiesManager::Impl::update()
{
    PlotType_e const now = QrnUtilFrameGetPlotType();
    if (now == plotType->value())
        return;
    if (now == PlotType_Cartesian3D || now == PlotType_Cartesian2D) {
        {
            sdk::AppLock const lock(sdk::ImplicitMacroRecording_Off);
            sdk::autoAssignScatterVariable();
        }
        fontFamily->setProxiedProperty(generated->globalScatterBaseFontFamily());
        fontIsBold->setProxiedProperty(generated->globalScatterBaseFontIsBold());
        fontIsItalic->setProxiedProperty(generated->globalScatterBaseFontIsItalic());
    } else if (now == PlotType_XYLine || now == PlotType_PolarLine) {
        fontFamily->setProxiedProperty(generated->globalLinePlotBaseFontFamily());
        fontIsBold->setProxiedProperty(generated->globalLinePlotBaseFontIsBold());
        fontIsItalic->setProxiedProperty(generated->globalLinePlotBaseFontIsItalic());
    }
    plotType->setValue(now);
}

double ScatterSizeFontPropertiesManager::Impl::computeSize(bool inGrid) const
{
    sdk::AppLock const lock(sdk::ImplicitMacroRecording_Off);
    double low = 0.0, high = 0.0;
    if (!QrnUtilVarGetMinMax(generated->globalScatterVar()->value(), &low, &high))
        return 0.0;
    double const magnitude = std::max(std::fabs(low), std::fabs(high));
    double size = 0.0;
    if (magnitude >= 1e-50) {
        double a = 0.0, b = 0.0, c = 0.0, d = 0.0;
        QrnUtilAxisGetGridRange(&a, &b, &c, &d);
        double const span = d - b;
        size = inGrid
                   ? span / magnitude
                   : QrnUtilConvertUnits(UnitType_Grid, UnitType_Point, (span * 2.54) / (magnitude * 72.0));
        size = std::fabs(size);
    }
    double medium = 0.0;
    sdk::styleproperties::readStyleValue(toolbox::CheckedStyleValue("BasicSize", "SymbolSizes", "Medium"),
                                         medium, -1, -1);
    return size * (medium / 100.0);
}

ScatterSizeFontPropertiesManager::ScatterSizeFontPropertiesManager(
    ScatterSizeFontPropertiesGenerated& generated)
    : m_impl(std::make_unique<Impl>(generated))
{}

ScatterSizeFontPropertiesManager::~ScatterSizeFontPropertiesManager() = default;

void ScatterSizeFontPropertiesManager::recalculateSize()
{
    double const size =
        m_impl->computeSize(m_impl->generated->globalScatterRelativeSizeInGridUnits()->value());
    // An axis range or variable range that is not finite gives no size; the host keeps its own.
    if (!std::isfinite(size))
        throw InvalidPropertyValueException(QT_TRANSLATE_NOOP(
            "ExceptionBoundary", "The size cannot be recalculated: the axis grid range or the "
                                 "variable's range is not a finite number."));
    m_impl->generated->globalScatterRelativeSize()->setValue(size);
}

boost::shared_ptr<PropertyProxy<std::string>> const& ScatterSizeFontPropertiesManager::fontFamily() const
{
    return m_impl->fontFamily;
}

boost::shared_ptr<PropertyProxy<bool>> const& ScatterSizeFontPropertiesManager::fontIsBold() const
{
    return m_impl->fontIsBold;
}

boost::shared_ptr<PropertyProxy<bool>> const& ScatterSizeFontPropertiesManager::fontIsItalic() const
{
    return m_impl->fontIsItalic;
}

boost::shared_ptr<Property<PlotType_e>> const& ScatterSizeFontPropertiesManager::plotType() const
{
    return m_impl->plotType;
}

boost::shared_ptr<PropertyAbstract<double>> ScatterSizeFontPropertiesManager::relativeSizeInGridUnits() const
{
    return m_impl->relativeSizeInGridUnits;
}

boost::shared_ptr<PropertyAbstract<double>> ScatterSizeFontPropertiesManager::relativeSizeInCm() const
{
    return m_impl->relativeSizeInCm;
}

RelevancePtr const& ScatterSizeFontPropertiesManager::fieldPlotRelevance() const
{
    return m_impl->fieldPlotRelevance;
}

RelevancePtr const& ScatterSizeFontPropertiesManager::gridSizeRelevance() const
{
    return m_impl->gridSizeRelevance;
}

RelevancePtr const& ScatterSizeFontPropertiesManager::cmSizeRelevance() const
{
    return m_impl->cmSizeRelevance;
}

boost::shared_ptr<sdk::ui::dialogs::propertybindings::models::EnabledVariablesListModel> const&
ScatterSizeFontPropertiesManager::variablesModel() const
{
    return m_impl->variablesModel;
}

} // namespace quarlin::dialogs::prompt
