#include "propertybindings/RelevanceApplier.h"

#include "sdk/exception/ExceptionBoundary.h"
#include "sdk/exception/InvalidArgumentException.h"
#include "sdk/uicommon/OnIdleActionPerformerSingleShot.h"
#include "sdk/widgets/GreyOutParties.h"

#include <QLabel>

namespace quarlin::sdk::ui::dialogs::propertybindings {

struct RelevanceApplier::Impl
{
    propertymanager::RelevancePtr rule;
    std::vector<QPointer<QWidget>> widgets; // not owned
    Manifestation_e manifestation;
    std::unique_ptr<common::OnIdleActionPerformerSingleShot> deferred;
    boost::signals2::scoped_connection connection;
};

RelevanceApplier::RelevanceApplier(propertymanager::RelevancePtr rule,
                                   std::initializer_list<QWidget*> widgets, Manifestation_e manifestation,
                                   BindingInterface::WidgetUpdateMode_e mode)
    : d(std::make_unique<Impl>())
{
    if (!rule)
        throw InvalidArgumentException("A relevance applier needs a rule.");
    d->rule = std::move(rule);
    d->manifestation = manifestation;
    for (QWidget* const widget : widgets)
        if (widget)
            d->widgets.emplace_back(widget);
    if (mode == BindingInterface::WidgetUpdateOnIdle)
        d->deferred = std::make_unique<common::OnIdleActionPerformerSingleShot>(
            [this] { runAtBoundary([this] { apply(); }); });
    d->connection = d->rule->connectRelevanceChanged([this](bool) {
        if (d->deferred)
            d->deferred->enableNotification();
        else
            runAtBoundary([this] { apply(); });
    });
    runAtBoundary([this] { apply(); });
}

RelevanceApplier::~RelevanceApplier() = default;

void RelevanceApplier::apply()
{
    bool const relevant = d->rule->isRelevant();
    for (QPointer<QWidget> const& widget : d->widgets) {
        if (!widget)
            continue;
        std::vector<QWidget*> affected{widget};
        // A label names its buddy; it greys and hides with it.
        if (QWidget* const window = widget->window())
            for (QLabel* const label : window->findChildren<QLabel*>())
                if (label->buddy() == widget)
                    affected.push_back(label);
        for (QWidget* const w : affected) {
            if (d->manifestation == Manifestation_Visibility)
                w->setVisible(relevant);
            else
                quarlin::ui::GreyOutParties::setGreyedOutBy(*w, this, !relevant);
        }
    }
}

} // namespace quarlin::sdk::ui::dialogs::propertybindings
