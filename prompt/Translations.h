#pragma once

#include "quarlin_prompt_export.h"

#include <QLocale>

namespace quarlin::dialogs::prompt {

/// The one call a host makes for the prompts to speak its user's language: installs the
/// library's translation for the locale, and Qt's own for the standard buttons (OK, Cancel,
/// Help...) where the system has it, on the running application. A later call replaces both;
/// English, or a language the library has no translation for, removes them. Returns whether the
/// library has a translation for the locale. Call it from the GUI thread, after the application
/// object exists. Every prompt, built before or after and open or not, then speaks the language.
QUARLIN_PROMPT_EXPORT bool installTranslations(QLocale const& locale = QLocale());

} // namespace quarlin::dialogs::prompt
