#pragma once

#include <QColor>
#include <QToolButton>

#include <string>

namespace quarlin::dialogs::prompt {

// One swatch of the colour chooser: a tool button filled with a colour of the host's colour
// map. Focus and the current choice are drawn over the fill, since the fill covers the style's
// own focus frame.
class ColorChooserButton : public QToolButton
{
public:
    ColorChooserButton(QWidget* parent, int colorIndex);

    int colorIndex() const { return m_colorIndex; }
    // Reads the colour again from the host's colour map.
    void refreshColor();
    // Marks the swatch as the colour the chooser was opened for.
    void setCurrent(bool current);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_colorIndex;
    QColor m_color;
    bool m_current = false;
};

// The name of a colour index, as ColorChooserDialog::colorToString gives it; the swatches name
// themselves with it too.
std::string colorName(int color, bool abbreviated);

} // namespace quarlin::dialogs::prompt
