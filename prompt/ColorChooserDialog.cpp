#include "prompt/ColorChooserDialog.h"

#include "prompt/ColorChooserButton_p.h"
#include "prompt/ColorChooserWidget.h"
#include "propertybindings/ColorChooserLink_p.h"
#include "sdk/dialogs/LaunchHelpAction_p.h"
#include "ui_ColorChooser.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QPointer>

namespace quarlin::dialogs::prompt {

ColorChooserDialog* ColorChooserDialog::m_dialogInstance = nullptr;

namespace {

boost::optional<int> chooseForButton(QWidget& parent, bool showMultiColors, int current)
{
    QPointer<ColorChooserDialog> const chooser = &ColorChooserDialog::getInstance(parent, showMultiColors);
    chooser->setCurrentColor(current);
    chooser->launch();
    if (chooser && chooser->result() == QDialog::Accepted)
        return chooser->selectedColor();
    return boost::none;
}

// The colour button binding reaches the chooser through this link, set when the library loads.
[[maybe_unused]] bool const linkedToColorButtons = [] {
    auto& link = sdk::ui::dialogs::propertybindings::intern::colorChooserLink();
    link.colorToString = &ColorChooserDialog::colorToString;
    link.choose = &chooseForButton;
    return true;
}();

} // namespace

ColorChooserDialog& ColorChooserDialog::getInstance(QWidget& parent, bool showMultiColors)
{
    if (!m_dialogInstance)
        m_dialogInstance = new ColorChooserDialog(parent, showMultiColors);
    // The panel is the first caller's; a later caller that takes no multi colour may not choose
    // one from it.
    m_dialogInstance->m_widget->setMultiColorsOffered(showMultiColors);
    // The one-argument setParent would also reset the window type and embed the dialog in its
    // new parent; keep the flags so it stays a dialog window. An open chooser stays where it
    // is: a new parent hides the window, which would end its run as a Cancel.
    if (m_dialogInstance->parentWidget() != &parent && !m_dialogInstance->isVisible())
        m_dialogInstance->setParent(&parent, m_dialogInstance->windowFlags());
    return *m_dialogInstance;
}

ColorChooserDialog::ColorChooserDialog(QWidget& parent, bool showMultiColors)
    : QtDialogAbstract(parent, {})
    , m_ui(std::make_unique<Ui::ColorChooser>())
{
    setHelpAction(new common::LaunchHelpAction("plots.html#plots/color-chooser", *this));
    m_ui->setupUi(this);
    followLanguage([this] { m_ui->retranslateUi(this); }); // the panel follows on its own
    auto* const frameLayout = new QGridLayout(m_ui->buttonGridFrame);
    frameLayout->setContentsMargins(0, 0, 0, 0);
    m_widget = new ColorChooserWidget(this, showMultiColors, ColorChooserWidget::ShowHelpButtonNever);
    frameLayout->addWidget(m_widget);
    m_connections.add(m_widget->connectToColorSelectedSignal([this](int color) { colorSelected(color); }));
}

ColorChooserDialog::~ColorChooserDialog()
{
    if (m_dialogInstance == this)
        m_dialogInstance = nullptr;
    m_connections.clear();
}

int ColorChooserDialog::selectedColor()
{
    return m_selectedColor;
}

void ColorChooserDialog::setCurrentColor(int color)
{
    m_widget->setCurrentColor(color);
}

void ColorChooserDialog::colorSelected(int color)
{
    m_selectedColor = color;
    accept();
}

void ColorChooserDialog::showEvent(QShowEvent* event)
{
    QtDialogAbstract::showEvent(event);
    m_widget->currentColorButton()->setFocus(Qt::OtherFocusReason);
}

std::string ColorChooserDialog::colorToString(int color, bool abbreviated)
{
    return colorName(color, abbreviated);
}

} // namespace quarlin::dialogs::prompt
