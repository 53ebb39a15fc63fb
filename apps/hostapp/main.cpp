#include "hostapp/Exercise.h"
#include "hostapp/Gallery.h"
#include "hostapp/HostMainWindow.h"
#include "hostapp/MessageBoxPresenter.h"
#include "hostapp/PromptCatalog.h"
#include "hostapp/ReferenceLoaders.h"
#include "referencehost/ReferenceHost.h"
#include "sdk/host/ApplicationSettings.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFont>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

bool hasDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// Finds --gallery before QApplication exists: the gallery must pick the offscreen platform,
// which cannot change once the application object is built.
QString galleryArgument(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        QString const arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QLatin1String("--gallery"))
            return i + 1 < argc ? QString::fromLocal8Bit(argv[i + 1]) : QString();
        if (arg.startsWith(QLatin1String("--gallery=")))
            return arg.mid(10);
    }
    return {};
}

} // namespace

int main(int argc, char** argv)
{
    QString galleryDir = galleryArgument(argc, argv);
    bool const exercise =
        std::any_of(argv + 1, argv + argc, [](char const* a) { return qstrcmp(a, "--exercise") == 0; });
    bool const headless = !hasDisplay();
    // The exercise flashes no windows on a desk, unless a platform is named (as on a test server).
    if (exercise && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (galleryDir.isEmpty() && headless && !exercise)
        galleryDir = QDir::current().absoluteFilePath(QStringLiteral("gallery"));
    if (!galleryDir.isEmpty()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // Same pixels on every machine: pictures from CI and from a desk compare.
        QCoreApplication::setAttribute(Qt::AA_Use96Dpi);
    }

    QApplication app(argc, argv);
    if (!galleryDir.isEmpty()) {
        // The offscreen platform's default font differs between Qt 5 (12 pt) and Qt 6 (9 pt): one
        // font in pixels gives pictures that compare across builds and machines.
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(13);
        QApplication::setFont(font);
    }
    QApplication::setApplicationName(QStringLiteral("quarlin-host-app"));
    QApplication::setOrganizationName(QStringLiteral("Quarlin"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Reference host for the Quarlin Prompt dialogs."));
    parser.addHelpOption();
    parser.addOption(
        {QStringLiteral("gallery"),
         QStringLiteral(
             "Render every prompt to DIR/<name>.png and, in German, to DIR/<name>-de.png without a "
             "display, then exit."),
         QStringLiteral("DIR")});
    parser.addOption(
        {QStringLiteral("exercise"),
         QStringLiteral(
             "Open every prompt from the Prompts menu, answer it with OK, print the outcomes, then exit.")});
    parser.addOption({QStringLiteral("lang"),
                      QStringLiteral("Speak LANGUAGE (for example de) instead of the system's language."),
                      QStringLiteral("LANGUAGE")});
    parser.process(app);
    bool const interactive = !exercise && galleryDir.isEmpty();
    // The window's layout and the language chosen in it, kept between runs of the window only.
    QSettings settings;
    QString const chosen = interactive ? settings.value(QStringLiteral("language")).toString() : QString();
    QLocale const locale = parser.isSet(QStringLiteral("lang"))
                               ? QLocale(parser.value(QStringLiteral("lang")))
                           : chosen.isEmpty() ? QLocale()
                                              : QLocale(chosen);
    QLocale::setDefault(locale);
    if (!quarlin::hostapp::installTranslations(locale) && parser.isSet(QStringLiteral("lang"))
        && locale.language() != QLocale::English)
        std::fprintf(stderr, "No translation for \"%s\": the prompts speak English.\n",
                     qPrintable(parser.value(QStringLiteral("lang"))));

    quarlin::hostapp::registerReferenceLoaders();
    // A run that only shows or exercises the prompts keeps out of the person's settings.
    QTemporaryDir scratch;
    if (exercise || !galleryDir.isEmpty())
        quarlin::sdk::ApplicationSettings::getInstance().setFileName(
            scratch.filePath(QStringLiteral("settings.ini")).toStdString());

    if (exercise) {
        quarlin::host::ReferenceHost::instance().setMessagePresentation(
            quarlin::host::ReferenceHost::MessagePresentation::RecordOnly);
        return quarlin::hostapp::exercisePrompts() == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
    }

    if (!galleryDir.isEmpty()) {
        if (headless && !parser.isSet(QStringLiteral("gallery")))
            std::printf("No display: writing the gallery instead of opening the window.\n");
        int const failures = quarlin::hostapp::renderGallery(galleryDir);
        std::printf("Gallery: %s\n", qPrintable(QDir(galleryDir).absolutePath()));
        return failures == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
    }

    auto& host = quarlin::host::ReferenceHost::instance();
    host.setMessagePresenter(&quarlin::hostapp::presentInMessageBox);
    host.loadSampleDataSet();
    quarlin::hostapp::HostMainWindow window;
    window.rememberLayoutIn(settings);
    window.show();
    return app.exec();
}
