// Opens the anchor prompt, clicks the bottom-right cell, presses OK, prints what the host reads.
#include <prompt/AnchorAlignmentDialog.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget mainWindow;
    using quarlin::dialogs::prompt::AnchorAlignmentDialog;
    AnchorAlignmentDialog& dialog = AnchorAlignmentDialog::getInstance(AnchorAlignment_TopLeft, mainWindow);
    QTimer::singleShot(0, &dialog, [&dialog] {
        auto* cell =
            dialog.findChild<QRadioButton*>(QStringLiteral("anchorAlignment_BottomRight_RadioButton"));
        auto* buttons = dialog.findChild<QDialogButtonBox*>();
        if (!cell || !buttons)
            return (void)dialog.close();
        QStyleOptionButton option; // a radio button takes clicks on its indicator
        option.initFrom(cell);
        QRect const indicator = cell->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, cell);
        QTest::mouseClick(cell, Qt::LeftButton, Qt::NoModifier, indicator.center());
        QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
    });
    dialog.launch();
    std::printf("result %d alignment %d\n", dialog.result(), static_cast<int>(dialog.selectedAlignment()));
    return dialog.result() == QDialog::Accepted ? 0 : 1;
}
