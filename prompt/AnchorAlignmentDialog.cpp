#include "prompt/AnchorAlignmentDialog.h"

#include "sdk/dialogs/LaunchHelpAction_p.h"
#include "ui_AnchorAlignment.h"

namespace quarlin::dialogs::prompt {

AnchorAlignmentDialog* AnchorAlignmentDialog::m_dialogInstance = nullptr;

AnchorAlignmentDialog& AnchorAlignmentDialog::getInstance(AnchorAlignment_e alignment, QWidget& parent)
{
    if (!m_dialogInstance)
        m_dialogInstance = new AnchorAlignmentDialog(alignment, parent);
    else
        m_dialogInstance->m_initialAlignment = alignment;
    return *m_dialogInstance;
}

AnchorAlignmentDialog::AnchorAlignmentDialog(AnchorAlignment_e alignment, QWidget& parent)
    : QtDialogAbstract(parent, {})
    , m_ui(std::make_unique<Ui::AnchorAlignment>())
    , m_selectedAlignment(alignment)
    , m_initialAlignment(alignment)
{
    setHelpAction(new common::LaunchHelpAction("contour.html#contour/details/anchor-alignment", *this));
    m_ui->setupUi(this);
    followLanguage([this] { m_ui->retranslateUi(this); });
    setSelectedAlignmentButton(m_initialAlignment);
}

AnchorAlignmentDialog::~AnchorAlignmentDialog()
{
    if (m_dialogInstance == this)
        m_dialogInstance = nullptr;
}

AnchorAlignment_e AnchorAlignmentDialog::selectedAlignment()
{
    return m_selectedAlignment;
}

std::array<QRadioButton*, 9> AnchorAlignmentDialog::buttonsInGridOrder() const
{
    return {m_ui->anchorAlignment_TopLeft_RadioButton,      m_ui->anchorAlignment_TopCenter_RadioButton,
            m_ui->anchorAlignment_TopRight_RadioButton,     m_ui->anchorAlignment_MiddleLeft_RadioButton,
            m_ui->anchorAlignment_MiddleCenter_RadioButton, m_ui->anchorAlignment_MiddleRight_RadioButton,
            m_ui->anchorAlignment_BottomLeft_RadioButton,   m_ui->anchorAlignment_BottomCenter_RadioButton,
            m_ui->anchorAlignment_BottomRight_RadioButton};
}

void AnchorAlignmentDialog::setSelectedAlignmentButton(AnchorAlignment_e alignment)
{
    // A value the grid has no cell for falls back to the top-left cell; checking emits toggled,
    // so the selected alignment follows the button.
    auto const buttons = buttonsInGridOrder();
    bool const inGrid = alignment >= AnchorAlignment_TopLeft && alignment <= AnchorAlignment_BottomRight;
    buttons[inGrid ? static_cast<std::size_t>(alignment) : 0]->setChecked(true);
}

// Each slot takes its own cell whatever the argument: Qt reports the old button's "off" before
// the new button's "on", so the last word is always the newly checked cell.
void AnchorAlignmentDialog::on_anchorAlignment_TopLeft_RadioButton_toggled(bool)
{
    m_selectedAlignment = AnchorAlignment_TopLeft;
}

void AnchorAlignmentDialog::on_anchorAlignment_TopCenter_RadioButton_toggled(bool)
{
    m_selectedAlignment = AnchorAlignment_TopCenter;
}

void AnchorAlignmentDialog::on_anchorAlignment_TopRight_RadioButton_toggled(bool)
{
    m_selectedAlignment = AnchorAlignment_TopRight;
}

void AnchorAlignmentDialog::on_anchorAlignment_MiddleLeft_RadioButton_toggled(bool)
{
    m_selectedAlignment = AnchorAlignment_MiddleLeft;
}

void AnchorAlignmentDialog::on_anchorAlignment_MiddleCenter_RadioButton_toggled(bool)
{
    m_selectedAlignment = AnchorAlignment_MiddleCenter;
}

void AnchorAlignmentDialog::on_anchorAlignment_MiddleRight_RadioButton_toggled(bool)
{
    m_selectedAlignment = AnchorAlignment_MiddleRight;
}

void AnchorAlignmentDialog::on_anchorAlignment_BottomLeft_RadioButton_toggled(bool)
{
    m_selectedAlignment = AnchorAlignment_BottomLeft;
}

void AnchorAlignmentDialog::on_anchorAlignment_BottomCenter_RadioButton_toggled(bool)
{
    m_selectedAlignment = AnchorAlignment_BottomCenter;
}

void AnchorAlignmentDialog::on_anchorAlignment_BottomRight_RadioButton_toggled(bool)
{
    m_selectedAlignment = AnchorAlignment_BottomRight;
}

void AnchorAlignmentDialog::reject()
{
    m_selectedAlignment = m_initialAlignment; // the buttons stay as the user left them
    QtDialogAbstract::reject();
}

} // namespace quarlin::dialogs::prompt
