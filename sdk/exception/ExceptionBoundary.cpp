#include "sdk/exception/ExceptionBoundary.h"

#include "sdk/exception/ExceptionBase.h"
#include "sdk/host/QrnUtil.h"

#include <QCoreApplication>

#include <string>

namespace quarlin {

namespace {

std::string translated(std::string const& message)
{
    // A message the library has no words for (a host's, one with a value in it) stays byte for byte.
    if (message.empty() || message.find('\0') != std::string::npos)
        return message;
    QString const source = QString::fromUtf8(message.c_str());
    QString const text = QCoreApplication::translate("ExceptionBoundary", message.c_str());
    return text == source ? message : text.toStdString();
}

std::string describe(std::exception_ptr const& failure)
{
    try {
        std::rethrow_exception(failure);
    } catch (ExceptionBase const& refused) {
        // The property model says no in words meant for the person at the screen, in their
        // language where the library has the words; a refusal without words (a validator that
        // gives none) is silent.
        return translated(refused.message());
    } catch (std::exception const& unexpected) {
        return translated(QT_TRANSLATE_NOOP("ExceptionBoundary", "The change could not be made: "))
               + unexpected.what();
    } catch (...) {
        return translated(QT_TRANSLATE_NOOP("ExceptionBoundary",
                                            "The change could not be made because of an unexpected error."));
    }
}

} // namespace

void reportAtBoundary(std::exception_ptr failure) noexcept
{
    if (!failure)
        return;
    try {
        std::string const message = describe(failure);
        if (!message.empty())
            QrnUtilDialogMessageBox(message.c_str(), MessageBoxType_Error);
    } catch (...) {
        // Out of memory while reporting: nothing left to say it with; Qt must still not see it.
    }
}

} // namespace quarlin
