// A whole process that shows the text prompt once and exits: what a host pays for loading the
// library, beside load_qinputdialog.cpp, which shows Qt's own text dialog.
#include "prompt/EnterTextStringDialog.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget parent;
    quarlin::dialogs::prompt::EnterTextStringDialog dialog(parent, QStringLiteral("Frame name:"),
                                                           QStringLiteral("Pressure"), QString());
    dialog.show();
    QApplication::processEvents();
    return dialog.isVisible() ? 0 : 1;
}
