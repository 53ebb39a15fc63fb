#include "apps/hostapp/PromptCatalog.h"

#include "prompt/AnchorAlignmentDialog.h"
#include "prompt/EnterTextStringDialog.h"

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

    return entries;
}

} // namespace quarlin::hostapp
