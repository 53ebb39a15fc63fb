#include "hostapp/PromptCatalog.h"

#include "prompt/AddonsVariableSelectDialog.h"
#include "prompt/AnchorAlignmentDialog.h"
#include "prompt/AxisVariableSelectDialog.h"
#include "prompt/ChooseLoaderDialog.h"
#include "prompt/ColorChooserDialog.h"
#include "prompt/EnterASCIICharacterDialog.h"
#include "prompt/EnterTextStringDialog.h"
#include "prompt/EnterThreeIntValuesDialog.h"
#include "prompt/RGBColorOptsDialog.h"
#include "prompt/RGBVariableSelectDialog.h"
#include "prompt/ScatterSizeFontDialog.h"
#include "prompt/Translations.h"
#include "prompt/VectorVariableSelectDialog.h"
#include "prompt/ZoneSelectDialog.h"
#include "referencehost/ReferenceHost.h"
#include "sdk/host/DataLoaderRepository.h"
#include "sdk/host/QrnUtil.h"

#include <QCoreApplication>
#include <QListView>
#include <QPointer>
#include <QTranslator>

// The translations are in a static library: naming their resource keeps the linker from
// dropping it.
static void linkTranslations()
{
    Q_INIT_RESOURCE(quarlin_hostapp_translations);
}

namespace quarlin::hostapp {

using namespace quarlin::dialogs::prompt;

namespace {

// A text this host gives a prompt, in the language of the moment.
std::string said(char const* source)
{
    return QCoreApplication::translate("PromptCatalog", source).toStdString();
}

QString anchorName(int alignment)
{
    static char const* const names[9] = {"top left",    "top centre",    "top right",
                                         "middle left", "middle centre", "middle right",
                                         "bottom left", "bottom centre", "bottom right"};
    return alignment >= 0 && alignment < 9 ? QString::fromLatin1(names[alignment])
                                           : QStringLiteral("value %1").arg(alignment);
}

EnterThreeIntValuesDialog& indexRangeDialog(HostSession const& session, QWidget& parent)
{
    // A later call returns the live dialog as it is; these arguments count on first use only.
    return EnterThreeIntValuesDialog::getInstance(
        parent, session.indexBegin, session.indexEnd, session.indexSkip,
        said(QT_TRANSLATE_NOOP("PromptCatalog", "Index Range")), "data.html#index-range",
        said(QT_TRANSLATE_NOOP("PromptCatalog", "&Begin")), said(QT_TRANSLATE_NOOP("PromptCatalog", "&End")),
        said(QT_TRANSLATE_NOOP("PromptCatalog", "&Skip")), 1, 1, 1);
}

QString fontName(Font_e font)
{
    switch (font) {
    case Font_Base: return QStringLiteral("base font");
    case Font_Greek: return QStringLiteral("Greek");
    case Font_Math: return QStringLiteral("Math");
    case Font_UserDefined: return QStringLiteral("user defined");
    default: return QStringLiteral("typeface %1").arg(int(font));
    }
}

EnterASCIICharacterDialog& symbolDialog(HostSession const& session, QWidget& parent)
{
    return EnterASCIICharacterDialog::getInstance(parent, session.symbol, session.symbolFont == Font_Base,
                                                  session.symbolFont);
}

QString finished(QDialog const& dialog)
{
    return dialog.result() == QDialog::Accepted ? QStringLiteral("OK") : QStringLiteral("Cancel");
}

QString variableName(__int64 number)
{
    char* name = nullptr;
    QString text = QrnUtilVarGetName(static_cast<std::int32_t>(number), &name) ? QString::fromUtf8(name)
                                                                               : QStringLiteral("none");
    QrnUtilStringDealloc(&name);
    return text;
}

// "X: Temperature, Y: Pressure" for the style settings below prefix (one per component).
QString assignedVariables(std::vector<std::pair<QString, host::StylePath>> const& components)
{
    QStringList parts;
    for (auto const& [label, path] : components) {
        auto const value = host::ReferenceHost::instance().styleStore().value(host::StyleKey{path});
        __int64 const number = value && value->index() == 0 ? std::get<__int64>(*value) : 0;
        parts << QStringLiteral("%1: %2").arg(label, variableName(number));
    }
    return parts.join(QStringLiteral(", "));
}

// The variable prompts keep one dialog for all their purposes, configured by whoever creates
// it; the host lets it go after each use, so the next purpose configures a fresh one.
QString runVariablePrompt(QString const& what, QDialog& dialog, std::function<QString()> const& describe)
{
    QPointer<QDialog> const guard = &dialog;
    dynamic_cast<dialogs::common::DialogInterface&>(dialog).launch();
    if (!guard)
        return what + QStringLiteral(": closed with the main window");
    QString const outcome = QStringLiteral("%1: %2; host now has %3").arg(what, finished(dialog), describe());
    delete guard.data();
    return outcome;
}

char const* axisPrefix()
{
    return QrnUtilFrameGetPlotType() == PlotType_Cartesian3D ? "ThreeDAxis" : "TwoDAxis";
}

char const* vectorPrefix()
{
    return QrnUtilFrameGetPlotType() == PlotType_Cartesian3D ? "GlobalThreeDVector" : "GlobalTwoDVector";
}

AddonsVariableSelectDialog& probeDialog(HostSession const& session, QWidget& parent)
{
    // The prompt takes C strings: held here while it is built.
    std::string const instructions =
        said(QT_TRANSLATE_NOOP("PromptCatalog", "Choose the variables the probe add-on reads."));
    std::string const probe = said(QT_TRANSLATE_NOOP("PromptCatalog", "&Probe"));
    std::string const weight = said(QT_TRANSLATE_NOOP("PromptCatalog", "&Weight"));
    return AddonsVariableSelectDialog::getInstance(parent, instructions.c_str(), probe.c_str(),
                                                   weight.c_str(), nullptr, session.probeVariable,
                                                   session.weightVariable, session.unusedVariable);
}

QString zoneName(int zone)
{
    char* name = nullptr;
    QString text = QrnUtilZoneGetName(zone, &name) ? QString::fromUtf8(name) : QStringLiteral("none");
    QrnUtilStringDealloc(&name);
    return text;
}

// The chooser as File > Open meets it for "measurements.csv", which two loaders claim.
ChooseLoaderDialog& csvChooser(QWidget& parent)
{
    return ChooseLoaderDialog::getInstance(
        parent, sdk::DataLoaderRepository::getInstance().loadersFor(".csv"), {".csv"});
}

PromptEntry anchorAlignmentEntry(HostSession& session)
{
    return {QCoreApplication::translate("PromptCatalog", "&Anchor Alignment..."),
            QStringLiteral("AnchorAlignment"), QStringLiteral("AnchorAlignment"),
            [&session](QWidget& parent) {
                AnchorAlignment_e const passed = session.textAnchor;
                AnchorAlignmentDialog& dialog = AnchorAlignmentDialog::getInstance(passed, parent);
                dialog.launch();
                session.textAnchor = dialog.selectedAlignment();
                return QStringLiteral("Anchor alignment: %1; passed %2, host now uses %3 (%4)")
                    .arg(finished(dialog), anchorName(passed), anchorName(session.textAnchor))
                    .arg(int(session.textAnchor));
            },
            [&session](QWidget& parent) -> QDialog* {
                return &AnchorAlignmentDialog::getInstance(session.textAnchor, parent);
            }};
}

// The host's rename prompt, which the host constructs itself; it lives under the window that
// asks, and goes with it.
EnterTextStringDialog* renamePrompt(HostSession const& session, QWidget& parent)
{
    auto* const dialog = new EnterTextStringDialog(
        parent, QString::fromStdString(said(QT_TRANSLATE_NOOP("PromptCatalog", "&Frame name:"))),
        session.frameName, QStringLiteral("frames.html#frame-name"));
    dialog->setOkButtonText(said(QT_TRANSLATE_NOOP("PromptCatalog", "Rename")));
    return dialog;
}

PromptEntry enterTextStringEntry(HostSession& session)
{
    return {QCoreApplication::translate("PromptCatalog", "&Text String..."),
            QStringLiteral("EnterTextString"), QStringLiteral("EnterTextString"),
            [&session](QWidget& parent) {
                QPointer<EnterTextStringDialog> const dialog = renamePrompt(session, parent);
                dialog->launch();
                if (!dialog)
                    return QStringLiteral("Text string: closed with its window");
                if (dialog->result() == QDialog::Accepted)
                    session.frameName = dialog->text();
                QString const outcome = QStringLiteral("Text string: %1; host's frame name is \"%2\"")
                                            .arg(finished(*dialog), session.frameName);
                delete dialog.data();
                return outcome;
            },
            [&session](QWidget& parent) -> QDialog* { return renamePrompt(session, parent); }};
}

PromptEntry enterThreeIntValuesEntry(HostSession& session)
{
    return {QCoreApplication::translate("PromptCatalog", "&Begin/End/Skip..."),
            QStringLiteral("EnterThreeIntValues"), QStringLiteral("EnterThreeIntValues"),
            [&session](QWidget& parent) {
                EnterThreeIntValuesDialog& dialog = indexRangeDialog(session, parent);
                dialog.launch();
                // The dialog's values are what the spin boxes committed, OK or not;
                // this host takes them only on OK.
                if (dialog.result() == QDialog::Accepted) {
                    session.indexBegin = dialog.value1();
                    session.indexEnd = dialog.value2();
                    session.indexSkip = dialog.value3();
                }
                return QStringLiteral(
                           "Begin/End/Skip: %1; dialog holds %2/%3/%4, host reads indices %5 to %6 "
                           "every %7")
                    .arg(finished(dialog))
                    .arg(dialog.value1())
                    .arg(dialog.value2())
                    .arg(dialog.value3())
                    .arg(session.indexBegin)
                    .arg(session.indexEnd)
                    .arg(session.indexSkip);
            },
            [&session](QWidget& parent) -> QDialog* {
                session.indexEnd = 250;
                session.indexSkip = 5;
                return &indexRangeDialog(session, parent);
            }};
}

PromptEntry enterASCIICharacterEntry(HostSession& session)
{
    return {QCoreApplication::translate("PromptCatalog", "&Plot Symbol..."),
            QStringLiteral("EnterASCIICharacter"), QStringLiteral("EnterASCIICharacter"),
            [&session](QWidget& parent) {
                EnterASCIICharacterDialog& dialog = symbolDialog(session, parent);
                dialog.launch();
                if (dialog.result() == QDialog::Accepted) {
                    session.symbol = dialog.selectedChar();
                    session.symbolFont = dialog.typeFaceOverride();
                }
                return QStringLiteral(
                           "Plot symbol: %1; dialog holds \"%2\" (%3 UTF-8 bytes) in %4; host draws "
                           "\"%5\" in %6")
                    .arg(finished(dialog), QString::fromStdString(dialog.selectedChar()))
                    .arg(dialog.selectedChar().size())
                    .arg(fontName(dialog.typeFaceOverride()), QString::fromStdString(session.symbol),
                         fontName(session.symbolFont));
            },
            [&session](QWidget& parent) -> QDialog* {
                session.symbol = "Q";
                session.symbolFont = Font_Greek;
                return &symbolDialog(session, parent);
            }};
}

PromptEntry variableSelectAxisEntry()
{
    return {QCoreApplication::translate("PromptCatalog", "A&xis Variables..."),
            QStringLiteral("VariableSelectAxis"), QStringLiteral("VariableSelectDialog"),
            [](QWidget& parent) {
                VariableSelectDialog& dialog = AxisVariableSelectDialog::getInstance(parent);
                std::string const axes = axisPrefix();
                bool const threeD = QrnUtilFrameGetPlotType() == PlotType_Cartesian3D;
                return runVariablePrompt(QStringLiteral("Axis variables"), dialog, [axes, threeD] {
                    std::vector<std::pair<QString, host::StylePath>> shown{
                        {QStringLiteral("X"), {axes, "XDetail", "VarNum"}},
                        {QStringLiteral("Y"), {axes, "YDetail", "VarNum"}}};
                    if (threeD)
                        shown.push_back({QStringLiteral("Z"), {axes, "ZDetail", "VarNum"}});
                    return assignedVariables(shown);
                });
            },
            [](QWidget& parent) -> QDialog* { return &AxisVariableSelectDialog::getInstance(parent); }};
}

PromptEntry variableSelectVectorEntry()
{
    return {QCoreApplication::translate("PromptCatalog", "&Vector Variables..."),
            QStringLiteral("VariableSelectVector"), QStringLiteral("VariableSelectDialog"),
            [](QWidget& parent) {
                PlotType_e const plotType = QrnUtilFrameGetPlotType();
                VariableSelectDialog& dialog = VectorVariableSelectDialog::getInstance(parent, plotType);
                // Choosing vector variables switches the vector layer on, in the same undo step.
                dialog.setPostAssignmentAction([] {
                    host::ReferenceHost::instance().styleStore().change(
                        host::StyleKey{{"FieldLayers", "ShowVector"}}, true);
                });
                std::string const vector = vectorPrefix();
                return runVariablePrompt(QStringLiteral("Vector variables"), dialog, [vector, plotType] {
                    std::vector<std::pair<QString, host::StylePath>> shown{
                        {QStringLiteral("U"), {vector, "UVar"}}, {QStringLiteral("V"), {vector, "VVar"}}};
                    if (plotType == PlotType_Cartesian3D)
                        shown.push_back({QStringLiteral("W"), {vector, "WVar"}});
                    return assignedVariables(shown);
                });
            },
            [](QWidget& parent) -> QDialog* {
                return &VectorVariableSelectDialog::getInstance(parent, QrnUtilFrameGetPlotType());
            }};
}

PromptEntry variableSelectRGBEntry()
{
    return {QCoreApplication::translate("PromptCatalog", "&RGB Channel Variables..."),
            QStringLiteral("VariableSelectRGB"), QStringLiteral("VariableSelectDialog"),
            [](QWidget& parent) {
                return runVariablePrompt(QStringLiteral("RGB channel variables"),
                                         RGBVariableSelectDialog::getInstance(parent), [] {
                                             return assignedVariables(
                                                 {{QStringLiteral("R"), {"GlobalRGB", "RedChannelVar"}},
                                                  {QStringLiteral("G"), {"GlobalRGB", "GreenChannelVar"}},
                                                  {QStringLiteral("B"), {"GlobalRGB", "BlueChannelVar"}}});
                                         });
            },
            [](QWidget& parent) -> QDialog* { return &RGBVariableSelectDialog::getInstance(parent); }};
}

PromptEntry addonsVariableSelectEntry(HostSession& session)
{
    return {QCoreApplication::translate("PromptCatalog", "Add-on Variabl&es..."),
            QStringLiteral("AddonsVariableSelect"), QStringLiteral("VariableSelectDialog"),
            [&session](QWidget& parent) {
                // The add-on's properties follow the combo boxes; the add-on reads them
                // afterwards.
                QPointer<QDialog> const dialog = &probeDialog(session, parent);
                dynamic_cast<dialogs::common::DialogInterface&>(*dialog).launch();
                QString const outcome =
                    QStringLiteral("Add-on variables: %1; the probe reads %2, weighted by %3")
                        .arg(dialog ? finished(*dialog) : QStringLiteral("closed"),
                             variableName(session.probeVariable->value()),
                             variableName(session.weightVariable->value()));
                delete dialog.data();
                return outcome;
            },
            [&session](QWidget& parent) -> QDialog* { return &probeDialog(session, parent); }};
}

PromptEntry zoneSelectEntry(HostSession& session)
{
    return {QCoreApplication::translate("PromptCatalog", "&Zone..."), QStringLiteral("ZoneSelect"),
            QStringLiteral("ZoneSelect"),
            [&session](QWidget& parent) {
                ZoneSelectDialog& dialog = ZoneSelectDialog::getInstance(parent, session.zone);
                dialog.launch();
                if (dialog.result() == QDialog::Accepted)
                    session.zone = dialog.selectedZone();
                return QStringLiteral("Zone: %1; host works on zone %2 (%3)")
                    .arg(finished(dialog))
                    .arg(session.zone)
                    .arg(zoneName(session.zone));
            },
            [&session](QWidget& parent) -> QDialog* {
                return &ZoneSelectDialog::getInstance(parent, session.zone);
            }};
}

PromptEntry chooseLoaderEntry()
{
    return {QCoreApplication::translate("PromptCatalog", "Choose &Loader..."), QStringLiteral("ChooseLoader"),
            QStringLiteral("ChooseLoader"),
            [](QWidget& parent) {
                ChooseLoaderDialog& dialog = csvChooser(parent);
                dialog.launch();
                auto const loader = dialog.selectedLoader();
                return QStringLiteral("Choose loader for *.csv: %1; %2")
                    .arg(finished(dialog),
                         loader ? QStringLiteral("loader \"%1\"").arg(QString::fromStdString(loader->name()))
                                : QStringLiteral("no loader"));
            },
            [](QWidget& parent) -> QDialog* {
                ChooseLoaderDialog& dialog = csvChooser(parent);
                // A person's pick of the first suggested loader, so OK can be used.
                auto* const list = dialog.findChild<QListView*>(QStringLiteral("LoadersList"));
                list->selectionModel()->select(list->model()->index(1, 0),
                                               QItemSelectionModel::ClearAndSelect);
                return &dialog;
            }};
}

PromptEntry colorChooserEntry(HostSession& session)
{
    return {QCoreApplication::translate("PromptCatalog", "C&olor..."), QStringLiteral("ColorChooser"),
            QStringLiteral("ColorChooser"),
            [&session](QWidget& parent) {
                ColorChooserDialog& dialog = ColorChooserDialog::getInstance(parent, true);
                dialog.setCurrentColor(session.annotationColor);
                dialog.launch();
                if (dialog.result() == QDialog::Accepted)
                    session.annotationColor = dialog.selectedColor();
                return QStringLiteral("Color: %1; the host draws annotations in %2 (index %3)")
                    .arg(finished(dialog), QString::fromStdString(ColorChooserDialog::colorToString(
                                               session.annotationColor, false)))
                    .arg(session.annotationColor);
            },
            [&session](QWidget& parent) -> QDialog* {
                ColorChooserDialog& dialog = ColorChooserDialog::getInstance(parent, true);
                dialog.setCurrentColor(session.annotationColor);
                return &dialog;
            }};
}

PromptEntry rgbColorOptsEntry()
{
    return {QCoreApplication::translate("PromptCatalog", "RGB Colorin&g Options..."),
            QStringLiteral("RGBColorOpts"), QStringLiteral("RGBColorOpts"),
            [](QWidget& parent) {
                // Modeless: it stays open beside the plot and every change reaches the host at once.
                RGBColorOptsDialog& dialog = RGBColorOptsDialog::getInstance(parent);
                dialog.launch();
                auto const number = [](char const* name) {
                    return std::get<__int64>(*host::ReferenceHost::instance().styleStore().value(
                        host::StyleKey{{"GlobalRGB", name}}));
                };
                static char const* const modes[] = {"R, G and B chosen", "B calculated", "G calculated",
                                                    "R calculated"};
                __int64 const mode = number("RGBMode");
                return QStringLiteral("RGB coloring options: open; the host colors by RGB, %1, with "
                                      "R: %2, G: %3, B: %4")
                    .arg(QString::fromLatin1(mode >= 0 && mode < 4 ? modes[mode] : "unknown mode"))
                    .arg(variableName(number("RedChannelVar")), variableName(number("GreenChannelVar")),
                         variableName(number("BlueChannelVar")));
            },
            [](QWidget& parent) -> QDialog* { return &RGBColorOptsDialog::getInstance(parent); }};
}

PromptEntry scatterSizeFontEntry()
{
    return {QCoreApplication::translate("PromptCatalog", "&Scatter Size/Font..."),
            QStringLiteral("ScatterSizeFont"), QStringLiteral("ScatterSizeFont"),
            [](QWidget& parent) {
                ScatterSizeFontDialog& dialog = ScatterSizeFontDialog::getInstance(parent);
                dialog.launch();
                auto const& store = host::ReferenceHost::instance().styleStore();
                auto const setting = [&store](host::StylePath path) {
                    return *store.value(host::StyleKey{std::move(path)});
                };
                bool const field = QrnUtilFrameGetPlotType() == PlotType_Cartesian2D
                                   || QrnUtilFrameGetPlotType() == PlotType_Cartesian3D;
                auto const font = std::get<std::string>(
                    setting({field ? "GlobalScatter" : "GlobalLinePlot", "BaseFontFamily"}));
                bool const inGrid = std::get<bool>(setting({"GlobalScatter", "RelativeSizeInGridUnits"}));
                return QStringLiteral("%1: %2; the host draws ASCII symbols in \"%3\" and sizes scatter "
                                      "symbols by %4 at %5 %6 per unit")
                    .arg(dialog.windowTitle(), finished(dialog), QString::fromStdString(font),
                         variableName(std::get<__int64>(setting({"GlobalScatter", "Var"}))))
                    .arg(std::get<double>(setting({"GlobalScatter", "RelativeSize"})))
                    .arg(inGrid ? QStringLiteral("grid units") : QStringLiteral("cm"));
            },
            [](QWidget& parent) -> QDialog* { return &ScatterSizeFontDialog::getInstance(parent); }};
}

} // namespace

std::vector<PromptEntry> promptCatalog(HostSession& session)
{
    using A = testing::PromptAnswers&;
    // The answer a host test would script, and the words of run()'s report it must lead to.
    auto const scripted = [](PromptEntry entry, std::function<testing::ScriptedAnswer(A)> answer,
                             QString afterOk, QString afterCancel) {
        entry.answer = std::move(answer);
        entry.afterOk = std::move(afterOk);
        entry.afterCancel = std::move(afterCancel);
        return entry;
    };
    testing::ScatterSizeFontAnswer scatter;
    scatter.sizeVariable = "Pressure";
    scatter.sizeInCentimetres = 0.25;
    return {
        scripted(
            anchorAlignmentEntry(session), [](A a) { return a.anchorAlignment(AnchorAlignment_BottomRight); },
            QStringLiteral("OK; passed middle centre, host now uses bottom right"),
            QStringLiteral("Cancel; passed middle centre, host now uses middle centre")),
        scripted(
            enterTextStringEntry(session),
            [](A a) { return a.textString("Pressure \xc2\xb5 \xf0\x9d\x9b\xbc"); },
            QStringLiteral("OK; host's frame name is \"Pressure \u00b5 \U0001d6fc\""),
            QStringLiteral("Cancel; host's frame name is \"Frame 001\"")),
        scripted(
            enterThreeIntValuesEntry(session), [](A a) { return a.threeIntValues(5, 50, 5); },
            QStringLiteral("host reads indices 5 to 50 every 5"),
            QStringLiteral("host reads indices 1 to 100 every 1")),
        scripted(
            enterASCIICharacterEntry(session), [](A a) { return a.asciiCharacter("#", Font_Greek); },
            QStringLiteral("host draws \"#\" in Greek"), QStringLiteral("host draws \"*\" in base font")),
        scripted(
            variableSelectAxisEntry(),
            [](A a) {
                return a.variables({"Temperature", "Pressure"});
            },
            QStringLiteral("OK; host now has X: Temperature, Y: Pressure"),
            QStringLiteral("Cancel; host now has X: X, Y: Y")),
        scripted(
            variableSelectVectorEntry(),
            [](A a) {
                return a.variables({"W", ""});
            },
            QStringLiteral("OK; host now has U: W, V: V"),
            QStringLiteral("Cancel; host now has U: none, V: none")),
        scripted(
            variableSelectRGBEntry(),
            [](A a) {
                return a.variables({"X", "Y", "Z"});
            },
            QStringLiteral("OK; host now has R: X, G: Y, B: Z"),
            QStringLiteral("Cancel; host now has R: none, G: none, B: none")),
        // The add-on's own properties change as the person chooses; Cancel keeps the choice.
        scripted(
            addonsVariableSelectEntry(session),
            [](A a) {
                return a.addOnVariables({"X", "Y"});
            },
            QStringLiteral("OK; the probe reads X, weighted by Y"),
            QStringLiteral("Cancel; the probe reads X, weighted by Y")),
        scripted(
            zoneSelectEntry(session), [](A a) { return a.zone("Outlet"); },
            QStringLiteral("OK; host works on zone 3 (Outlet)"),
            QStringLiteral("Cancel; host works on zone 2 (Inlet)")),
        scripted(
            chooseLoaderEntry(), [](A a) { return a.loader("Spreadsheet Export"); },
            QStringLiteral("OK; loader \"Spreadsheet Export\""), QStringLiteral("*.csv: Cancel")),
        scripted(
            colorChooserEntry(session), [](A a) { return a.color(2); },
            QStringLiteral("OK; the host draws annotations in Green (index 2)"),
            QStringLiteral("Cancel; the host draws annotations in Blue (index 3)")),
        // Modeless: each change reaches the host at once, and Close keeps them.
        scripted(
            rgbColorOptsEntry(),
            [](A a) {
                return a.rgbColoringOptions({RGBMode_SpecifyRG, {"X", "Y"}, {}, {}});
            },
            QStringLiteral("B calculated, with R: X, G: Y"), QStringLiteral("B calculated, with R: X, G: Y")),
        scripted(
            scatterSizeFontEntry(), [scatter](A a) { return a.scatterSizeFont(scatter); },
            QStringLiteral("by Pressure at 0.25 cm per unit"),
            QStringLiteral("by Pressure at 0.25 cm per unit")),
    };
}

bool installTranslations(QLocale const& locale)
{
    static std::unique_ptr<QTranslator> own;
    if (own)
        QCoreApplication::removeTranslator(own.get());
    own = std::make_unique<QTranslator>();
    linkTranslations();
    if (own->load(locale, QStringLiteral("quarlin_hostapp"), QStringLiteral("_"),
                  QStringLiteral(":/quarlin-hostapp/translations")))
        QCoreApplication::installTranslator(own.get());
    return dialogs::prompt::installTranslations(locale);
}

} // namespace quarlin::hostapp
