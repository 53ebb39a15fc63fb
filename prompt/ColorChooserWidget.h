#pragma once

#include "quarlin_prompt_export.h"

#include <QWidget>

class QAbstractButton;

#include <boost/signals2/connection.hpp>
#include <boost/signals2/signal.hpp>

#include <vector>

namespace quarlin::dialogs::prompt {

class ColorChooserButton;

/// The panel of the colour chooser: the 64 colours of the host's colour map in an 8 x 8 grid
/// (basic colours in the first row, custom colours after), and optionally a row of the eight
/// multi colours and RGB colouring. A click on a colour announces its index through
/// ColorSelected. Choosing RGB first makes sure the data set's RGB channels are assigned, asking
/// for them when they are not.
///
/// Arrow keys move through the grid, Enter or Space chooses; the swatches follow the host's
/// colour map when it changes.
class QUARLIN_PROMPT_EXPORT ColorChooserWidget : public QWidget
{
    Q_OBJECT

public:
    /// Whether the panel shows a Help button.
    enum ShowHelpButton {
        ShowHelpButtonWithExtraRow = 0, ///< only with the multi-colour row
        ShowHelpButtonAlways = 1,
        ShowHelpButtonNever = 2
    };

    /// Carries the chosen colour index.
    using ColorSelectedSignal = boost::signals2::signal<void(int)>;

    /// A panel as a child of `parent` (which owns it, as Qt's parents do); `showMultiColors` adds the
    /// row of multi colours and RGB colouring.
    ColorChooserWidget(QWidget* parent, bool showMultiColors, ShowHelpButton showHelpButton);
    ~ColorChooserWidget() override;

    boost::signals2::connection
    /// Connects `slot` to the choice signal; the caller owns the connection. A slot may close or
    /// delete the dialog that holds the panel: the panel touches nothing of itself after the call.
    connectToColorSelectedSignal(ColorSelectedSignal::slot_type const& slot,
                                 boost::signals2::connect_position position = boost::signals2::at_back) const
    {
        boost::signals2::connection connection = ColorSelected.connect(slot, position);
        signalColorSelectedConnected();
        return connection;
    }

    /// Marks the swatch of color as the current choice, where the grid has one, and makes its
    /// button the one a person starts from.
    void setCurrentColor(int color);
    /// Whether the multi-colour and RGB row may be chosen from (where the panel has one): a
    /// panel serves every caller, and a caller whose property takes no multi colour gets the
    /// row greyed out.
    void setMultiColorsOffered(bool offered);
    /// The button of the current colour, else the first swatch.
    QAbstractButton* currentColorButton() const;

protected:
    /// The swatches' keys: Enter chooses, arrow keys move through the grid.
    bool eventFilter(QObject* watched, QEvent* event) override;
    /// On a language change, names the colours and the extra row's buttons again.
    void changeEvent(QEvent* event) override;

private:
    virtual void signalColorSelectedConnected() const;
    void colorButtonTriggered(int color);
    void addColorButton(QAbstractButton* button, int color);
    void retranslate();

    struct Choice
    {
        QAbstractButton* button; ///< owned by the Qt tree
        int color;
    };

    mutable ColorSelectedSignal ColorSelected;
    std::vector<ColorChooserButton*> m_grid; ///< owned by the Qt tree, in grid order
    std::vector<Choice> m_choices;           ///< the grid, then the extra row
    int m_currentColor = 0;
    boost::signals2::scoped_connection m_colorMapChanges;
};

} // namespace quarlin::dialogs::prompt
