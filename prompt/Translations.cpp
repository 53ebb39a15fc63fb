#include "prompt/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace quarlin::dialogs::prompt {

namespace {

// Installed on the application while they live; replaced as a pair.
std::unique_ptr<QTranslator> library, qt;

void remove(std::unique_ptr<QTranslator>& translator)
{
    if (translator)
        QCoreApplication::removeTranslator(translator.get());
    translator.reset();
}

} // namespace

bool installTranslations(QLocale const& locale)
{
    remove(library);
    remove(qt);
    auto ours = std::make_unique<QTranslator>();
    if (!ours->load(locale, QStringLiteral("quarlin_prompt"), QStringLiteral("_"),
                    QStringLiteral(":/quarlin-prompt/translations")))
        return false;
    library = std::move(ours);
    QCoreApplication::installTranslator(library.get());
    auto base = std::make_unique<QTranslator>();
    if (base->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                   QLibraryInfo::location(QLibraryInfo::TranslationsPath))) {
        qt = std::move(base);
        QCoreApplication::installTranslator(qt.get());
    }
    return true;
}

} // namespace quarlin::dialogs::prompt
