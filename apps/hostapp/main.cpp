#include "apps/hostapp/Gallery.h"
#include "apps/hostapp/HostMainWindow.h"
#include "apps/hostapp/MessageBoxPresenter.h"
#include "sdk/host/ReferenceHost.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>

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
    bool const headless = !hasDisplay();
    if (galleryDir.isEmpty() && headless)
        galleryDir = QDir::current().absoluteFilePath(QStringLiteral("gallery"));
    if (!galleryDir.isEmpty()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // Same pixels on every machine: pictures from CI and from a desk compare.
        QCoreApplication::setAttribute(Qt::AA_Use96Dpi);
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quarlin-host-app"));
    QApplication::setOrganizationName(QStringLiteral("Quarlin"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Reference host for the Quarlin Prompt dialogs."));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("gallery"),
                      QStringLiteral("Render every prompt to DIR/<FormName>.png without a display, then exit."),
                      QStringLiteral("DIR")});
    parser.process(app);

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
    window.show();
    return app.exec();
}
