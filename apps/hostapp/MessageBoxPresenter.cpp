#include "hostapp/MessageBoxPresenter.h"

#include <QApplication>
#include <QMessageBox>

namespace quarlin::hostapp {

using host::HostMessage;

void presentInMessageBox(HostMessage const& message)
{
    QString const text = QString::fromStdString(message.text);
    QWidget* const owner =
        QApplication::activeModalWidget() ? QApplication::activeModalWidget() : QApplication::activeWindow();
    switch (message.type) {
    case MessageBoxType_Warning: QMessageBox::warning(owner, QString(), text); break;
    case MessageBoxType_Information: QMessageBox::information(owner, QString(), text); break;
    case MessageBoxType_Error:
    default: QMessageBox::critical(owner, QString(), text); break;
    }
}

} // namespace quarlin::hostapp
