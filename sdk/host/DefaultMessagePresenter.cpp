#include "sdk/host/DefaultMessagePresenter.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

namespace quarlin::host {

void presentMessageByDefault(HostMessage const& message)
{
    QString const text = QString::fromStdString(message.text);
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        std::fprintf(stderr, "%s\n", message.text.c_str());
        return;
    }
    QWidget* const owner = QApplication::activeModalWidget() ? QApplication::activeModalWidget()
                                                              : QApplication::activeWindow();
    switch (message.type) {
    case MessageBoxType_Warning: QMessageBox::warning(owner, QString(), text); break;
    case MessageBoxType_Information: QMessageBox::information(owner, QString(), text); break;
    case MessageBoxType_Error:
    default: QMessageBox::critical(owner, QString(), text); break;
    }
}

} // namespace quarlin::host
