#include "propertybindings/ColorButtonPropertyBinding.h"

#include "sdk/widgets/GreyOutParties.h"

#include "propertybindings/ColorChooserLink_p.h"
#include "sdk/exception/ExceptionBoundary.h"
#include "sdk/exception/InvalidArgumentException.h"
#include "sdk/host/QrnUtil.h"
#include "sdk/host/StateChangeEvent.h"

#include <QAbstractButton>
#include <QPixmap>
#include <QPointer>

namespace quarlin::sdk::ui::dialogs::propertybindings {

namespace intern {

ColorChooserLink& colorChooserLink()
{
    static ColorChooserLink link;
    return link;
}

} // namespace intern

namespace {

intern::ColorChooserLink const& chooser()
{
    intern::ColorChooserLink const& link = intern::colorChooserLink();
    if (!link.colorToString || !link.choose)
        throw InvalidArgumentException("The colour chooser is not available to the colour button.");
    return link;
}

} // namespace

ColorButtonPropertyBinding::ColorButtonPropertyBinding(QAbstractButton* const button,
                                                       UIStylePropertyAbstract<int>& property,
                                                       bool showMultiColors)
    : QObjectPropertyBinding<int>(property, WidgetUpdateOnIdle)
    , m_button(button)
    , m_showMultiColors(showMultiColors)
{
    init();
    updateVisibility();
    updateSensitivity();
}

ColorButtonPropertyBinding::ColorButtonPropertyBinding(QAbstractButton* const button,
                                                       boost::shared_ptr<PropertyAbstract<int>> property,
                                                       bool showMultiColors)
    : QObjectPropertyBinding<int>(std::move(property), WidgetUpdateOnIdle)
    , m_button(button)
    , m_showMultiColors(showMultiColors)
{
    init();
}

ColorButtonPropertyBinding::~ColorButtonPropertyBinding() = default;

void ColorButtonPropertyBinding::init()
{
    if (!m_button)
        throw InvalidArgumentException("A colour button binding needs a button.");
    connect(m_button, &QAbstractButton::clicked, this, &ColorButtonPropertyBinding::onButtonClicked);
    m_colorMapChanges = toolbox::StateChangeEventObservable::getInstance().connectStateChanged(
        [this](toolbox::StateChangeEventInterface const& event) {
            if (event.kind() == StateChange_ColorMap)
                requestWidgetUpdate();
        });
    updateWidget();
}

void ColorButtonPropertyBinding::updateWidget()
{
    if (!m_button)
        return;
    int const color = property().value();
    if (color < 0) {
        m_button->setIcon(QIcon(QStringLiteral(":/icons/multi_color.svg")));
    } else {
        std::uint8_t red = 0, green = 0, blue = 0;
        QrnUtilColorMapGetBasicColorRGB(color, &red, &green, &blue);
        QPixmap swatch(12, 12);
        swatch.fill(QColor(red, green, blue));
        m_button->setIconSize(QSize(12, 12));
        m_button->setIcon(QIcon(swatch));
    }
    m_button->setText(QString::fromStdString(chooser().colorToString(color, true)));
}

void ColorButtonPropertyBinding::updateVisibility()
{
    if (m_button)
        m_button->setVisible(uiProperty().isVisible());
}

void ColorButtonPropertyBinding::updateSensitivity()
{
    if (m_button)
        quarlin::ui::GreyOutParties::setGreyedOutBy(*m_button, this, !uiProperty().isSensitive());
}

void ColorButtonPropertyBinding::onButtonClicked()
{
    runAtBoundary([this] {
        if (!m_button)
            return;
        QPointer<ColorButtonPropertyBinding> const self(this);
        boost::optional<int> const chosen =
            chooser().choose(*m_button, m_showMultiColors, property().value());
        // The button's dialog, and with it this binding, may have gone while the chooser was open.
        if (self && chosen)
            property().setValue(*chosen);
    });
}

} // namespace quarlin::sdk::ui::dialogs::propertybindings
