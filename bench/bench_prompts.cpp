// What a prompt costs to open and close once it exists: the second and later launch() of the
// text, anchor and three-value prompts, each closed with OK by a zero timer from inside its
// modal loop, against a QInputDialog asking the same kind of question (a line of text, one of
// nine items, a whole number) reused and closed the same way, in the same run. Each prompt opens
// with geometry memory on (/1: a remembered geometry, the one it opens with anyway so that both
// paint the same, is read back, checked against the screen and applied) and off (/0).

#include "BenchSupport.h"
#include "prompt/AnchorAlignmentDialog.h"
#include "prompt/EnterTextStringDialog.h"
#include "prompt/EnterThreeIntValuesDialog.h"
#include "referencehost/ReferenceHost.h"
#include "sdk/dialogs/QtDialogAbstract.h"
#include "sdk/host/ApplicationSettings.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMainWindow>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>

#include <functional>

namespace {

using namespace quarlin::dialogs::prompt;

QMainWindow* theMainWindow = nullptr; // owned by main(), gone before the application

QWidget& mainWindow()
{
    return *theMainWindow;
}

// Opens the dialog modally through `open` and accepts it from a zero timer in its loop.
void openAndAccept(QDialog& dialog, std::function<void()> const& open)
{
    QTimer::singleShot(0, &dialog, [&dialog] {
        dialog.accept();
        if (dialog.isVisible()) // a prompt that refused OK must still end the round
            dialog.reject();
    });
    open();
}

// One warm-up round first: what is measured is the second and later opening. Qt 6.4 grows slower
// with every opening of one dialog, so no instance is shared between runs.
void measure(benchmark::State& state, QDialog& dialog, std::function<void()> const& open)
{
    bool const memory = state.range(0) != 0;
    quarlin::dialogs::common::QtDialogAbstract::setGeometryMemoryEnabled(false);
    openAndAccept(dialog, open);
    if (memory) { // remembered: the geometry it opens with anyway, so both runs paint the same
        QPoint const offset = dialog.geometry().topLeft() - dialog.parentWidget()->mapToGlobal(QPoint(0, 0));
        quarlin::sdk::ApplicationSettings::getInstance().depositValue(
            std::string("DialogGeometry_") + dialog.metaObject()->className(),
            std::to_string(dialog.width()) + ' ' + std::to_string(dialog.height()) + ' '
                + std::to_string(offset.x()) + ' ' + std::to_string(offset.y()));
        quarlin::dialogs::common::QtDialogAbstract::setGeometryMemoryEnabled(true);
        openAndAccept(dialog, open);
    }
    for (auto _ : state)
        openAndAccept(dialog, open);
    benchmark::DoNotOptimize(dialog.result());
}

void TextPrompt(benchmark::State& state)
{
    EnterTextStringDialog dialog(mainWindow(), QStringLiteral("&Frame name:"), QStringLiteral("Frame 001"),
                                 QStringLiteral("frames.html#frame-name"));
    measure(state, dialog, [&dialog] { dialog.launch(); });
}

void InputDialogText(benchmark::State& state)
{
    QInputDialog dialog(&mainWindow());
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setLabelText(QStringLiteral("&Frame name:"));
    dialog.setTextValue(QStringLiteral("Frame 001"));
    measure(state, dialog, [&dialog] { dialog.exec(); });
}

void AnchorPrompt(benchmark::State& state)
{
    QWidget owner(&mainWindow()); // each run its own instance, gone with the run
    AnchorAlignmentDialog& dialog = AnchorAlignmentDialog::getInstance(AnchorAlignment_MiddleCenter, owner);
    measure(state, dialog, [&dialog] { dialog.launch(); });
}

void InputDialogItem(benchmark::State& state)
{
    QInputDialog dialog(&mainWindow());
    dialog.setComboBoxItems(
        {QStringLiteral("Top left"), QStringLiteral("Top center"), QStringLiteral("Top right"),
         QStringLiteral("Middle left"), QStringLiteral("Middle center"), QStringLiteral("Middle right"),
         QStringLiteral("Bottom left"), QStringLiteral("Bottom center"), QStringLiteral("Bottom right")});
    dialog.setLabelText(QStringLiteral("Anchor:"));
    dialog.setTextValue(QStringLiteral("Middle center"));
    measure(state, dialog, [&dialog] { dialog.exec(); });
}

// The anchor prompt's form is nine radio buttons and six labels in a grid, and a button box:
// the same widgets in a bare QDialog show how much of the prompt's cost is the form itself.
void BareAnchorForm(benchmark::State& state)
{
    QDialog dialog(&mainWindow());
    auto* const layout = new QVBoxLayout(&dialog);
    auto* const frame = new QFrame(&dialog);
    auto* const grid = new QGridLayout(frame);
    char const* const rows[3] = {"Top", "Middle", "Bottom"};
    char const* const columns[3] = {"Left", "Cntr", "Right"};
    for (int row = 0; row < 3; ++row) {
        grid->addWidget(new QLabel(QLatin1String(rows[row]), frame), row, 0);
        grid->addWidget(new QLabel(QLatin1String(columns[row]), frame), 3, row + 1);
        for (int column = 0; column < 3; ++column)
            grid->addWidget(new QRadioButton(frame), row, column + 1);
    }
    auto* const box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(box, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    layout->addWidget(frame);
    layout->addWidget(box);
    measure(state, dialog, [&dialog] { dialog.exec(); });
}

void ThreeValuePrompt(benchmark::State& state)
{
    QWidget owner(&mainWindow()); // each run its own instance, gone with the run
    auto& dialog = EnterThreeIntValuesDialog::getInstance(
        owner, 1, 100, 1, "Index Range", "data.html#index-range", "&Begin", "&End", "&Skip", 1, 1, 1);
    measure(state, dialog, [&dialog] { dialog.launch(); });
}

void InputDialogInt(benchmark::State& state)
{
    QInputDialog dialog(&mainWindow());
    dialog.setInputMode(QInputDialog::IntInput);
    dialog.setLabelText(QStringLiteral("&Begin:"));
    dialog.setIntRange(1, 1000000);
    dialog.setIntValue(1);
    measure(state, dialog, [&dialog] { dialog.exec(); });
}

BENCHMARK(TextPrompt)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(InputDialogText)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(AnchorPrompt)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(InputDialogItem)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BareAnchorForm)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(ThreeValuePrompt)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(InputDialogInt)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Messages are counted, not shown; the three-value prompt needs a data set to accept.
    auto& host = quarlin::host::ReferenceHost::instance();
    host.setMessagePresentation(quarlin::host::ReferenceHost::MessagePresentation::RecordOnly);
    host.loadSampleDataSet();
    // Remembered geometries go to settings of this run only.
    QTemporaryDir settings;
    quarlin::sdk::ApplicationSettings::getInstance().setFileName(
        settings.filePath(QStringLiteral("settings.ini")).toStdString());
    QMainWindow window;
    theMainWindow = &window;
    window.show();
    return quarlin::bench::runWithRatios(
        argc, argv,
        {{"Text prompt / QInputDialog text", "TextPrompt/0", "InputDialogText/1"},
         {"Anchor prompt / QInputDialog item", "AnchorPrompt/0", "InputDialogItem/1"},
         {"Anchor prompt / its widgets in a bare QDialog", "AnchorPrompt/0", "BareAnchorForm/1"},
         {"Three-value prompt / QInputDialog int", "ThreeValuePrompt/0", "InputDialogInt/1"},
         {"Text prompt, geometry memory on / off", "TextPrompt/1", "TextPrompt/0"},
         {"Anchor prompt, geometry memory on / off", "AnchorPrompt/1", "AnchorPrompt/0"},
         {"Three-value prompt, geometry memory on / off", "ThreeValuePrompt/1", "ThreeValuePrompt/0"}});
}
