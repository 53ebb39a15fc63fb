#include "sdk/exception/ExceptionBoundary.h"

#include "sdk/exception/ExceptionBase.h"
#include "sdk/host/QrnUtil.h"

#include <QCoreApplication>

#include <string>

namespace quarlin {

namespace {

std::string describe(std::exception_ptr const& failure)
{
    auto const text = [](char const* source) {
        return QCoreApplication::translate("ExceptionBoundary", source).toStdString();
    };
    try {
        std::rethrow_exception(failure);
    } catch (ExceptionBase const& refused) {
        // The property model says no in words meant for the person at the screen; a refusal
        // without words (a validator that gives none) is silent.
        return refused.message();
    } catch (std::exception const& unexpected) {
        return text("The change could not be made: ") + unexpected.what();
    } catch (...) {
        return text("The change could not be made because of an unexpected error.");
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
