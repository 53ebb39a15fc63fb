#include "prompt/ColorChooserWidget.h"

#include "prompt/ColorChooserButton_p.h"
#include "prompt/RGBVariableSelectDialog.h"
#include "sdk/dialogs/LaunchHelpAction_p.h"
#include "sdk/exception/ExceptionBoundary.h"
#include "sdk/host/AppLock.h"
#include "sdk/host/SdkFunctions.h"
#include "sdk/host/StateChangeEvent.h"
#include "sdk/host/StyleValue.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPointer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace quarlin::dialogs::prompt {

namespace {

constexpr char const* helpTopic = "plots.html#plots/color-chooser";
constexpr int columns = 8;
constexpr int rgbColor = -6;

// The first row in the order a person reads a colour wheel: dark to light, then the hues.
constexpr std::array<int, 8> firstRow = {0, 7, 1, 5, 2, 4, 3, 6};

// What a screen reader says for a colour: the chooser's own name, with its number spelled out
// for custom and multi colours.
QString accessibleColorName(int color)
{
    if (color >= 8)
        return ColorChooserWidget::tr("Custom color %1").arg(color - 7);
    if (color == rgbColor)
        return ColorChooserWidget::tr("RGB coloring");
    if (color < 0)
        return ColorChooserWidget::tr("Multi color %1")
            .arg(color == -1   ? 1
                 : color >= -5 ? -color - 1
                               : -color - 2);
    return ColorChooserWidget::tr(colorName(color, false).c_str());
}

struct Extra
{
    char const* text;
    int color;
};
// The extra row: multi colours and RGB colouring.
constexpr Extra extras[] = {
    {QT_TRANSLATE_NOOP("quarlin::dialogs::prompt::ColorChooserWidget", "Multi &1"), -1},
    {QT_TRANSLATE_NOOP("quarlin::dialogs::prompt::ColorChooserWidget", "&2"), -3},
    {QT_TRANSLATE_NOOP("quarlin::dialogs::prompt::ColorChooserWidget", "&3"), -4},
    {QT_TRANSLATE_NOOP("quarlin::dialogs::prompt::ColorChooserWidget", "&4"), -5},
    {QT_TRANSLATE_NOOP("quarlin::dialogs::prompt::ColorChooserWidget", "&5"), -7},
    {QT_TRANSLATE_NOOP("quarlin::dialogs::prompt::ColorChooserWidget", "&6"), -8},
    {QT_TRANSLATE_NOOP("quarlin::dialogs::prompt::ColorChooserWidget", "&7"), -9},
    {QT_TRANSLATE_NOOP("quarlin::dialogs::prompt::ColorChooserWidget", "&8"), -10},
    {QT_TRANSLATE_NOOP("quarlin::dialogs::prompt::ColorChooserWidget", "&RGB"), rgbColor},
};

} // namespace

ColorChooserWidget::ColorChooserWidget(QWidget* parent, bool showMultiColors, ShowHelpButton showHelpButton)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("ColorChooserWidget"));
    auto* const layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* const gridWidget = new QWidget(this);
    auto* const grid = new QGridLayout(gridWidget);
    grid->setSpacing(0);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int p = 0; p < 64; ++p) {
        int const color = p < columns ? firstRow[static_cast<std::size_t>(p)] : p;
        auto* const button = new ColorChooserButton(gridWidget, color);
        button->setObjectName(QStringLiteral("colorButton_%1").arg(p));
        button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
        grid->addWidget(button, p / columns, p % columns);
        m_grid.push_back(button);
        addColorButton(button, color);
    }

    if (showHelpButton == ShowHelpButtonAlways
        || (showHelpButton == ShowHelpButtonWithExtraRow && showMultiColors)) {
        auto* const helpRow = new QHBoxLayout;
        helpRow->setContentsMargins(0, 0, 0, 0);
        helpRow->addStretch();
        auto* const help = new QToolButton(this);
        help->setObjectName(QStringLiteral("helpButton"));
        help->setIcon(QIcon(QStringLiteral(":/help.svg")));
        auto* const action = new common::LaunchHelpAction(helpTopic, *help);
        connect(help, &QToolButton::clicked, action, &QAction::trigger);
        helpRow->addWidget(help);
        layout->addLayout(helpRow);
    }

    layout->addWidget(gridWidget);

    if (showMultiColors) {
        auto* const row = new QHBoxLayout;
        row->setContentsMargins(0, 0, 0, 0);
        row->setSpacing(0);
        int position = 1;
        for (Extra const& extra : extras) {
            auto* const button = new QToolButton(this);
            button->setObjectName(extra.color == rgbColor ? QStringLiteral("RGB")
                                                          : QStringLiteral("C%1").arg(position++));
            if (extra.color == -1) {
                button->setIcon(QIcon(QStringLiteral(":/icons/multi_color.svg")));
                button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
            }
            row->addWidget(button);
            addColorButton(button, extra.color);
        }
        layout->addLayout(row);
    }

    retranslate();
    m_colorMapChanges = toolbox::StateChangeEventObservable::getInstance().connectStateChanged(
        [this](toolbox::StateChangeEventInterface const& event) {
            if (event.kind() == StateChange_ColorMap || event.kind() == StateChange_StyleReset)
                for (ColorChooserButton* const button : m_grid)
                    button->refreshColor();
        });
}

ColorChooserWidget::~ColorChooserWidget() = default;

void ColorChooserWidget::addColorButton(QAbstractButton* button, int color)
{
    button->setProperty("colorIndex", color); // what test support clicks by
    button->installEventFilter(this);
    connect(button, &QAbstractButton::clicked, this,
            [this, color] { runAtBoundary([&] { colorButtonTriggered(color); }); });
    m_choices.push_back({button, color});
}

void ColorChooserWidget::retranslate()
{
    for (Choice const& choice : m_choices) {
        QString const name = accessibleColorName(choice.color);
        choice.button->setAccessibleName(name);
        choice.button->setToolTip(name);
        for (Extra const& extra : extras)
            if (extra.color == choice.color)
                choice.button->setText(tr(extra.text));
    }
    if (auto* const help =
            findChild<QToolButton*>(QStringLiteral("helpButton"), Qt::FindDirectChildrenOnly)) {
        help->setAccessibleName(tr("Help"));
        help->setToolTip(tr("Help"));
        if (auto* const action = help->findChild<common::LaunchHelpAction*>())
            action->retranslate();
    }
}

void ColorChooserWidget::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        runAtBoundary([this] { retranslate(); });
}

void ColorChooserWidget::signalColorSelectedConnected() const {}

void ColorChooserWidget::setCurrentColor(int color)
{
    m_currentColor = color;
    for (ColorChooserButton* const swatch : m_grid)
        swatch->setCurrent(swatch->colorIndex() == color);
}

void ColorChooserWidget::setMultiColorsOffered(bool offered)
{
    for (Choice const& choice : m_choices)
        if (choice.color < 0)
            choice.button->setEnabled(offered);
}

QAbstractButton* ColorChooserWidget::currentColorButton() const
{
    for (Choice const& choice : m_choices)
        if (choice.color == m_currentColor)
            return choice.button;
    return m_choices.front().button;
}

void ColorChooserWidget::colorButtonTriggered(int color)
{
    if (color == rgbColor) {
        QPointer<ColorChooserWidget> const self(this);
        sdk::AppLock const lock;
        if (!sdk::checkRGBChannelVars(toolbox::StyleValue("GlobalRGB"))) {
            auto& variables = RGBVariableSelectDialog::getInstance(*this);
            variables.launch();
            if (!self || variables.result() == 0)
                return;
        }
    }
    ColorSelected(color);
}

bool ColorChooserWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    auto* const button = static_cast<QAbstractButton*>(watched); // only buttons are watched
    auto const key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        button->click();
        return true;
    }
    auto const at = std::find(m_grid.begin(), m_grid.end(), watched);
    if (at == m_grid.end())
        return QWidget::eventFilter(watched, event);
    int const p = static_cast<int>(at - m_grid.begin());
    int row = p / columns, column = p % columns;
    int const rows = static_cast<int>(m_grid.size()) / columns;
    switch (key) {
    case Qt::Key_Left: column = (column + columns - 1) % columns; break;
    case Qt::Key_Right: column = (column + 1) % columns; break;
    case Qt::Key_Up: row = (row + rows - 1) % rows; break;
    case Qt::Key_Down: row = (row + 1) % rows; break;
    case Qt::Key_Home: column = 0; break;
    case Qt::Key_End: column = columns - 1; break;
    default: return QWidget::eventFilter(watched, event);
    }
    m_grid[static_cast<std::size_t>(row * columns + column)]->setFocus(Qt::TabFocusReason);
    return true;
}

} // namespace quarlin::dialogs::prompt
