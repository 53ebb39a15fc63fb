#include "hostapp/Gallery.h"

#include "hostapp/BindingsPage.h"
#include "hostapp/HostMainWindow.h"
#include "hostapp/PromptCatalog.h"
#include "hostapp/RememberedLoadersView.h"
#include "hostapp/StyleSettingsView.h"
#include "propertybindings/ComboBoxFinder.h"
#include "referencehost/ReferenceHost.h"
#include "sdk/host/ApplicationSettings.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLocale>
#include <QPainter>
#include <QPixmap>
#include <QPointer>

#include <cstdio>
#include <utility>

namespace quarlin::hostapp {

using sdk::ui::dialogs::propertybindings::ComboBoxFinder;

namespace {

bool save(QPixmap const& picture, QString const& file)
{
    if (picture.isNull() || !picture.save(file)) {
        std::fprintf(stderr, "%s: could not write\n", qPrintable(file));
        return false;
    }
    std::printf("%s (%dx%d)\n", qPrintable(file), picture.width(), picture.height());
    return true;
}

bool save(QWidget& widget, QString const& file)
{
    return save(widget.grab(), file);
}

// A window with a popup open over it, as a person sees both.
bool saveWithPopup(QWidget& window, QWidget& popup, QString const& file)
{
    QRect const under = window.geometry();
    QRect const over = popup.geometry();
    QRect const all = under.united(over);
    QPixmap picture(all.size());
    picture.fill(window.palette().color(QPalette::Window));
    QPainter painter(&picture);
    painter.drawPixmap(under.topLeft() - all.topLeft(), window.grab());
    painter.drawPixmap(over.topLeft() - all.topLeft(), popup.grab());
    painter.end();
    return save(picture, file);
}

// The axis prompt over 100,000 variables, a person having typed part of a name into its first list.
int renderFinding(QDir const& dir)
{
    host::ReferenceHost::instance().loadSampleDataSet(100000);
    int failures = 1;
    HostSession session;
    QWidget parent;
    for (PromptEntry const& entry : promptCatalog(session)) {
        if (entry.name != QLatin1String("VariableSelectAxis"))
            continue;
        QPointer<QDialog> const dialog = entry.stage(parent);
        if (!dialog)
            break;
        dialog->show();
        QApplication::processEvents();
        auto* const combo = dialog->findChild<QComboBox*>(QStringLiteral("var1_comboBox"));
        ComboBoxFinder* const finder = combo ? ComboBoxFinder::of(*combo) : nullptr;
        if (finder) {
            combo->setFocus();
            finder->find(QStringLiteral("rms_0417"));
            QApplication::processEvents();
            if (QWidget* const popup = finder->popup();
                popup
                && saveWithPopup(*dialog, *popup,
                                 dir.absoluteFilePath(QStringLiteral("VariableSelectAxis-find.png"))))
                failures = 0;
            finder->close();
        }
        delete dialog.data();
    }
    if (failures)
        std::fprintf(stderr, "VariableSelectAxis-find: no finder in the first variable list\n");
    host::ReferenceHost::instance().loadSampleDataSet();
    return failures;
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
    failures += renderFinding(dir);

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
