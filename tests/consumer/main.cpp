// A host that knows the library only as an installed package, tested as a host would test it:
// the anchor prompt answered by script (bottom right, OK), with failures reported through a
// callback as any test framework would take them.
#include <prompt/AnchorAlignmentDialog.h>
#include <testing/PromptAnswers.h>

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget mainWindow;
    int failures = 0;
    using quarlin::dialogs::prompt::AnchorAlignmentDialog;
    AnchorAlignmentDialog& dialog = AnchorAlignmentDialog::getInstance(AnchorAlignment_TopLeft, mainWindow);
    {
        quarlin::testing::PromptAnswers answers(
            [&failures](std::string const& message, quarlin::testing::CallSite const&) {
                std::printf("failure: %s\n", message.c_str());
                ++failures;
            });
        answers.anchorAlignment(AnchorAlignment_BottomRight);
        dialog.launch();
    }
    std::printf("result %d alignment %d\n", dialog.result(), static_cast<int>(dialog.selectedAlignment()));
    return failures == 0 && dialog.result() == QDialog::Accepted ? 0 : 1;
}
