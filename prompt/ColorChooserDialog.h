#pragma once

#include "quarlin_prompt_export.h"
#include "sdk/dialogs/QtDialogAbstract.h"
#include "sdk/signals/SignalConnectionCollection.h"

#include <memory>
#include <string>

namespace Ui {
class ColorChooser;
}

namespace quarlin::dialogs::prompt {

class ColorChooserWidget;

/// Asks for one of the host's colour indices: a basic colour (0 to 7), a custom colour of the
/// colour map (8 to 63), and where the first caller allowed them a multi colour (-1, -3 to -5,
/// -7 to -10) or RGB colouring (-6). A click on a colour chooses it and closes the dialog as
/// accepted; Close rejects it and keeps the earlier choice.
class QUARLIN_PROMPT_EXPORT ColorChooserDialog : public common::QtDialogAbstract
{
    Q_OBJECT

public:
    /// The first call builds the dialog (showMultiColors is used only then); every call moves
    /// the dialog under parent, as a window still, and returns it.
    static ColorChooserDialog& getInstance(QWidget& parent, bool showMultiColors);

    ~ColorChooserDialog() override;

    /// The colour index chosen last; Black (0) before any choice.
    int selectedColor();

    /// The colour a person starts from when the dialog opens: its swatch is marked and has the
    /// focus. It does not change selectedColor().
    void setCurrentColor(int color);

    /// The name of a colour index: "Black" to "White", "Cust 3" (abbreviated) or "CUSTOM3",
    /// "Multi" to "Multi8", "RGBCOLOR"; empty for an index that names no colour.
    static std::string colorToString(int color, bool abbreviated);

protected:
    /// Puts the focus on the current colour's swatch, so arrow keys start there.
    void showEvent(QShowEvent* event) override;

private:
    ColorChooserDialog(QWidget& parent, bool showMultiColors);
    void colorSelected(int color);

    int m_selectedColor = 0;
    SignalConnectionCollection m_connections;
    std::unique_ptr<Ui::ColorChooser> m_ui; ///< owned: the generated form
    ColorChooserWidget* m_widget = nullptr; ///< owned by the Qt tree

    static ColorChooserDialog* m_dialogInstance; ///< not owned: the Qt parent owns the dialog
};

} // namespace quarlin::dialogs::prompt
