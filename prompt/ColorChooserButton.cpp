#include "prompt/ColorChooserButton_p.h"

#include <array>
#include <string>

#include "sdk/host/QrnUtil.h"

#include <QPainter>
#include <QStyle>

namespace quarlin::dialogs::prompt {

namespace {

QColor hostColor(int colorIndex)
{
    std::uint8_t red = 0, green = 0, blue = 0;
    QrnUtilColorMapGetBasicColorRGB(colorIndex, &red, &green, &blue);
    return QColor(red, green, blue);
}

} // namespace

ColorChooserButton::ColorChooserButton(QWidget* parent, int colorIndex)
    : QToolButton(parent)
    , m_colorIndex(colorIndex)
    , m_color(hostColor(colorIndex))
{}

void ColorChooserButton::refreshColor()
{
    QColor const color = hostColor(m_colorIndex);
    if (color == m_color)
        return;
    m_color = color;
    update();
}

void ColorChooserButton::setCurrent(bool current)
{
    if (current == m_current)
        return;
    m_current = current;
    update();
}

QSize ColorChooserButton::sizeHint() const
{
    return {20, 20};
}

void ColorChooserButton::paintEvent(QPaintEvent* event)
{
    QToolButton::paintEvent(event);
    int const m = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    QRect const swatch(m, m, width() - 2 * m, height() - 2 * m);
    QPainter painter(this);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QBrush(m_color, Qt::SolidPattern));
    painter.drawRect(swatch);

    if (!m_current && !hasFocus())
        return;
    // A ring in black or white, whichever stands out on this colour: the palette's highlight
    // can vanish on a swatch of the same hue.
    QColor const ring = m_color.lightnessF() > 0.5 ? Qt::black : Qt::white;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(ring, 2, m_current ? Qt::SolidLine : Qt::DotLine));
    painter.drawRect(swatch.adjusted(2, 2, -2, -2));
    if (m_current && hasFocus()) {
        painter.setPen(QPen(ring, 1, Qt::DotLine));
        painter.drawRect(swatch.adjusted(5, 5, -6, -6));
    }
}

std::string colorName(int color, bool abbreviated)
{
    // Marked for the chooser's spoken names; colorToString gives them untranslated.
    static std::array<char const*, 8> const basic = {
        QT_TRANSLATE_NOOP("quarlin::dialogs::prompt::ColorChooserWidget", "Black"),
        QT_TRANSLATE_NOOP("quarlin::dialogs::prompt::ColorChooserWidget", "Red"),
        QT_TRANSLATE_NOOP("quarlin::dialogs::prompt::ColorChooserWidget", "Green"),
        QT_TRANSLATE_NOOP("quarlin::dialogs::prompt::ColorChooserWidget", "Blue"),
        QT_TRANSLATE_NOOP("quarlin::dialogs::prompt::ColorChooserWidget", "Cyan"),
        QT_TRANSLATE_NOOP("quarlin::dialogs::prompt::ColorChooserWidget", "Yellow"),
        QT_TRANSLATE_NOOP("quarlin::dialogs::prompt::ColorChooserWidget", "Purple"),
        QT_TRANSLATE_NOOP("quarlin::dialogs::prompt::ColorChooserWidget", "White")};
    if (color >= 0 && color < 8)
        return basic[static_cast<std::size_t>(color)];
    if (color >= 8 && color <= 63)
        return (abbreviated ? "Cust " : "CUSTOM") + std::to_string(color - 7);
    switch (color) {
    case -1: return "Multi";
    case -3: return "Multi2";
    case -4: return "Multi3";
    case -5: return "Multi4";
    case -6: return "RGBCOLOR";
    case -7: return "Multi5";
    case -8: return "Multi6";
    case -9: return "Multi7";
    case -10: return "Multi8";
    default: return {};
    }
}

} // namespace quarlin::dialogs::prompt
