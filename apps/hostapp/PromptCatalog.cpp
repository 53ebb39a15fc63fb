#include "hostapp/PromptCatalog.h"

#include "prompt/AnchorAlignmentDialog.h"
#include "prompt/EnterASCIICharacterDialog.h"
#include "prompt/EnterTextStringDialog.h"
#include "prompt/EnterThreeIntValuesDialog.h"

#include <QCoreApplication>

namespace quarlin::hostapp {

using namespace quarlin::dialogs::prompt;

namespace {

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
    return EnterThreeIntValuesDialog::getInstance(parent, session.indexBegin, session.indexEnd, session.indexSkip,
                                                  "Index Range", "data.html#index-range", "&Begin", "&End",
                                                  "&Skip", 1, 1, 1);
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

} // namespace

std::vector<PromptEntry> promptCatalog(HostSession& session)
{
    std::vector<PromptEntry> entries;

    entries.push_back({QCoreApplication::translate("PromptCatalog", "&Anchor Alignment..."),
                       QStringLiteral("AnchorAlignment"),
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
                       }});

    entries.push_back({QCoreApplication::translate("PromptCatalog", "&Text String..."),
                       QStringLiteral("EnterTextString"),
                       [&session](QWidget& parent) {
                           EnterTextStringDialog dialog(parent, QStringLiteral("&Frame name:"), session.frameName,
                                                        QStringLiteral("frames.html#frame-name"), false);
                           dialog.setOkButtonText("Rename");
                           dialog.launch();
                           if (dialog.result() == QDialog::Accepted)
                               session.frameName = dialog.text();
                           return QStringLiteral("Text string: %1; host's frame name is \"%2\"")
                               .arg(finished(dialog), session.frameName);
                       },
                       [&session](QWidget& parent) -> QDialog* {
                           auto* const dialog = new EnterTextStringDialog(parent, QStringLiteral("&Frame name:"),
                                                                          session.frameName,
                                                                          QStringLiteral("frames.html#frame-name"));
                           dialog->setOkButtonText("Rename");
                           return dialog;
                       }});

    entries.push_back({QCoreApplication::translate("PromptCatalog", "&Begin/End/Skip..."),
                       QStringLiteral("EnterThreeIntValues"),
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
                           return QStringLiteral("Begin/End/Skip: %1; dialog holds %2/%3/%4, host reads indices %5 to %6 "
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
                       }});

    entries.push_back({QCoreApplication::translate("PromptCatalog", "&Plot Symbol..."),
                       QStringLiteral("EnterASCIICharacter"),
                       [&session](QWidget& parent) {
                           EnterASCIICharacterDialog& dialog = symbolDialog(session, parent);
                           dialog.launch();
                           if (dialog.result() == QDialog::Accepted) {
                               session.symbol = dialog.selectedChar();
                               session.symbolFont = dialog.typeFaceOverride();
                           }
                           return QStringLiteral("Plot symbol: %1; dialog holds \"%2\" (%3 UTF-8 bytes) in %4; host draws "
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
                       }});

    return entries;
}

} // namespace quarlin::hostapp
