#include "prompt/ColorChooserButton_p.h"

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

} // namespace quarlin::dialogs::prompt
