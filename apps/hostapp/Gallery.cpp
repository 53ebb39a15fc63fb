#include "hostapp/Gallery.h"

#include "hostapp/BindingsPage.h"
#include "hostapp/HostMainWindow.h"
#include "hostapp/PromptCatalog.h"
#include "hostapp/RememberedLoadersView.h"
#include "hostapp/StyleSettingsView.h"
#include "referencehost/ReferenceHost.h"
#include "sdk/host/ApplicationSettings.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLocale>
#include <QPixmap>
#include <QPointer>

#include <cstdio>
#include <utility>

namespace quarlin::hostapp {

namespace {

bool save(QWidget& widget, QString const& file)
{
    QPixmap const picture = widget.grab();
    if (picture.isNull() || !picture.save(file)) {
        std::fprintf(stderr, "%s: could not write\n", qPrintable(file));
        return false;
    }
    std::printf("%s (%dx%d)\n", qPrintable(file), picture.width(), picture.height());
    return true;
}

} // namespace

int renderGallery(QString const& directory)
{
    QDir const dir(directory);
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(directory));
        return 1;
    }
    // The pictures show the prompts as a person meets them in a session with data.
    host::ReferenceHost::instance().loadSampleDataSet();

    // Each prompt in English, then in German.
    int failures = 0;
    for (auto const& [locale, suffix] : {std::pair{QLocale(QLocale::English), QString()},
                                         std::pair{QLocale(QLocale::German), QStringLiteral("-de")}}) {
        installTranslations(locale);
        HostSession session;
        QWidget parent; // the stand-in main window; dialogs die with it
        for (PromptEntry const& entry : promptCatalog(session)) {
            QPointer<QDialog> const dialog = entry.stage(parent);
            if (!dialog) {
                std::fprintf(stderr, "%s: not built\n", qPrintable(entry.name));
                ++failures;
                continue;
            }
            dialog->show();
            QApplication::processEvents();
            if (!save(*dialog, dir.absoluteFilePath(entry.name + suffix + QStringLiteral(".png"))))
                ++failures;
            // Prompts of one dialog class share its single instance; the next one builds its own.
            delete dialog.data();
        }
        // The host itself, so the picture set also shows where the prompts are reached from.
        HostMainWindow window;
        window.show();
        QApplication::processEvents();
        if (!save(window,
                  dir.absoluteFilePath(QStringLiteral("quarlin-host-app") + suffix + QStringLiteral(".png"))))
            ++failures;
    }
    installTranslations(QLocale());

    // The bindings page, with its data-set list filled.
    BindingsPage bindings;
    bindings.resize(560, 160);
    bindings.show();
    QApplication::processEvents();
    if (!save(bindings, dir.absoluteFilePath(QStringLiteral("BindingsPage.png"))))
        ++failures;
    // Its variable list open: header rows set apart from the rows a person can choose.
    if (auto* const combo = bindings.findChild<QComboBox*>(QStringLiteral("variableCombo"))) {
        combo->showPopup();
        QApplication::processEvents();
        if (!save(*combo->view()->window(), dir.absoluteFilePath(QStringLiteral("BindingsPage-list.png"))))
            ++failures;
        combo->hidePopup();
    } else {
        ++failures;
    }
    // The remembered loaders, after the chooser remembered one.
    sdk::ApplicationSettings::getInstance().depositValue("LastLoaderUsedForExt_.csv", "Spreadsheet Export");
    RememberedLoadersView remembered;
    remembered.resize(420, 200);
    remembered.show();
    QApplication::processEvents();
    if (!save(remembered, dir.absoluteFilePath(QStringLiteral("RememberedLoaders.png"))))
        ++failures;

    // The host's style settings after one assignment, with the undo step that made it.
    host::ReferenceHost::instance().styleStore().change(host::StyleKey{{"TwoDAxis", "YDetail", "VarNum"}},
                                                        __int64(4));
    StyleSettingsView styles;
    styles.resize(640, 560);
    styles.show();
    QApplication::processEvents();
    if (!save(styles, dir.absoluteFilePath(QStringLiteral("StyleSettings.png"))))
        ++failures;
    return failures;
}

} // namespace quarlin::hostapp
