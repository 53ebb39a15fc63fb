// The baseline of load_text_prompt.cpp: the same process with Qt's own text dialog.
#include <QApplication>
#include <QInputDialog>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget parent;
    QInputDialog dialog(&parent);
    dialog.setWindowTitle(QStringLiteral("Enter Text"));
    dialog.setLabelText(QStringLiteral("Frame name:"));
    dialog.setTextValue(QStringLiteral("Pressure"));
    dialog.show();
    QApplication::processEvents();
    return dialog.isVisible() ? 0 : 1;
}
