#pragma once

#include "quarlin_prompt_export.h"
#include "sdk/dialogs/QtDialogAbstract.h"
#include "sdk/host/HostEnums.h"

#include <array>
#include <memory>

class QRadioButton;

namespace Ui {
class AnchorAlignment;
}

namespace quarlin::dialogs::prompt {

/// Picks one of nine anchor positions. OK keeps the pick; Cancel, Escape and the title-bar close
/// give back the alignment the host passed last.
class QUARLIN_PROMPT_EXPORT AnchorAlignmentDialog : public common::QtDialogAbstract
{
    Q_OBJECT

public:
    /// The first call builds the dialog as a child of parent. A call while it lives only replaces
    /// the alignment that Cancel restores; the pick, the checked button and the parent stay.
    static AnchorAlignmentDialog& getInstance(AnchorAlignment_e alignment, QWidget& parent);

    ~AnchorAlignmentDialog() override;

    /// The alignment picked: after OK the person's pick, after Cancel the alignment the last
    /// getInstance() call passed.
    AnchorAlignment_e selectedAlignment();

private Q_SLOTS:
    void on_anchorAlignment_TopLeft_RadioButton_toggled(bool toggled);
    void on_anchorAlignment_TopCenter_RadioButton_toggled(bool toggled);
    void on_anchorAlignment_TopRight_RadioButton_toggled(bool toggled);
    void on_anchorAlignment_MiddleLeft_RadioButton_toggled(bool toggled);
    void on_anchorAlignment_MiddleCenter_RadioButton_toggled(bool toggled);
    void on_anchorAlignment_MiddleRight_RadioButton_toggled(bool toggled);
    void on_anchorAlignment_BottomLeft_RadioButton_toggled(bool toggled);
    void on_anchorAlignment_BottomCenter_RadioButton_toggled(bool toggled);
    void on_anchorAlignment_BottomRight_RadioButton_toggled(bool toggled);
    void reject() override;

private:
    AnchorAlignmentDialog(AnchorAlignment_e alignment, QWidget& parent);
    void setSelectedAlignmentButton(AnchorAlignment_e alignment);
    std::array<QRadioButton*, 9> buttonsInGridOrder() const;

    std::unique_ptr<Ui::AnchorAlignment> m_ui; ///< owned form; its widgets belong to this dialog
    AnchorAlignment_e m_selectedAlignment;
    AnchorAlignment_e m_initialAlignment;

    static AnchorAlignmentDialog* m_dialogInstance; ///< not owned: the Qt parent owns the dialog
};

} // namespace quarlin::dialogs::prompt
