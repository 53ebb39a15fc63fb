#pragma once

#include "quarlin_prompt_export.h"
#include "sdk/dialogs/DialogInterface.h"
#include "sdk/managerbase/RelevanceInterface.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <string>

class QAction;

namespace quarlin::dialogs::common {

/// The frame of every prompt dialog.
///
/// Guarantees:
/// - launch() of a modal dialog returns only when the dialog has finished, with result() set;
///   it returns safely even when the dialog is deleted while it runs (its parent died).
/// - OK ends the dialog through accept(), Cancel, Escape and the title-bar close through reject(),
///   so overrides run. Button boxes of the form are wired each time the dialog is shown, by the
///   frame alone: what the form connected from a box's accepted, rejected or helpRequested to the
///   dialog is replaced (override accept() or reject() to act on them).
/// - F1, and a Help button of any button box, trigger the installed help action.
/// - While the relevance rule does not hold, the dialog greys out its content and its accepting
///   buttons and refuses to be accepted; Cancel stays usable. What the form itself disabled stays
///   disabled when the rule holds again.
/// - A dialog without an accepting button (Close only) has no default button: Return commits the
///   field it is typed in and nothing else; Space presses the focused button.
/// - Geometry memory: a dialog the person resized or moved opens again at that size and at that
///   place relative to its parent, from the host's application settings (one key per dialog
///   class, "DialogGeometry_" and the class name), fitted with its frame onto the screen its
///   parent is on. A remembered size below the dialog's minimum is ignored; a dialog never resized
///   or moved opens as it always did.
/// - A shown observer, where one is installed (test support answering prompts), is told of the
///   dialog once it is up: from the dialog's modal loop, or as launch() shows a modeless one.
class QUARLIN_PROMPT_EXPORT QtDialogAbstract : public QDialog, public virtual DialogInterface
{
    Q_OBJECT

public:
    /// A dialog as a child of `parent` (borrowed: the dialog dies with it, as Qt children do), usable
    /// while `relevance` holds; a null rule always holds.
    QtDialogAbstract(QWidget& parent, sdk::ui::propertymanager::RelevancePtr relevance);
    ~QtDialogAbstract() override;

    void launch() override;
    void drop() override;
    void updateContent() override;

    /// The form's size, bounded to nine tenths of the available screen, so long lists cannot push the
    /// dialog off its screen.
    QSize sizeHint() const override;
    /// Commits what a person chose or typed last (the host may close the dialog in answer), then ends
    /// the dialog with `result`. An Accepted result while the rule does not hold beeps and leaves the
    /// dialog open.
    void done(int result) override;

    /// Installs the help action, replacing any earlier one (which is not deleted: its QObject
    /// parent owns it). Null removes help.
    void setHelpAction(QAction* action);
    /// The installed help action; null without help.
    QAction* helpAction() const;

    /// Geometry memory for every dialog of the library; on unless the host turns it off.
    static void setGeometryMemoryEnabled(bool enabled);
    /// Whether dialogs remember their geometry.
    static bool isGeometryMemoryEnabled();
    /// Forgets every remembered geometry: each dialog opens at its own size again.
    static void forgetRememberedGeometries();

    /// Told of every dialog once it is shown and its event processing runs (inside its modal loop;
    /// for a modeless dialog, within launch()). One for the process, none by default; installing
    /// one returns the one it replaces. Test support answers prompts through it.
    using ShownObserver = std::function<void(QtDialogAbstract&)>;
    /// Installs `observer` (an empty one removes it) and returns the one it replaces.
    static ShownObserver setShownObserver(ShownObserver observer);

    /// The rule the dialog was built with; null for none.
    sdk::ui::propertymanager::RelevancePtr const& relevanceRule() const;
    /// Whether the relevance rule holds (always, for a dialog without one).
    bool isUsable() const;

protected:
    /// After the dialog and its children have taken a language change (Qt's standard buttons
    /// retranslate themselves), runs what followLanguage() registered.
    bool event(QEvent* event) override;
    /// A close of the visible dialog ends it through reject(), as Cancel does.
    void closeEvent(QCloseEvent* event) override;
    /// Wires the button boxes, greys out as the rule says, places the dialog (restoring a remembered
    /// geometry) and tells the shown observer.
    void showEvent(QShowEvent* event) override;
    /// Remembers the geometry a person gave the dialog.
    void hideEvent(QHideEvent* event) override;

    /// A modeless dialog's launch() shows it and returns at once.
    void setLaunchedModeless(bool modeless);

    /// Runs `setTexts` now, and again after each language change of the application, open or
    /// not, once the dialog's own widgets have taken the new language. A prompt sets its
    /// library texts there (a form's `retranslateUi()` among them) and sets again what a host
    /// passed in, which a form's retranslation overwrites. A window title the host set after
    /// construction stays as the host set it. Registrations run in their order; exceptions
    /// thrown by `setTexts` on a language change are reported through the host's message box.
    void followLanguage(std::function<void()> setTexts);
    /// Runs what followLanguage() registered again now, as a language change does: for texts
    /// that depend on what the prompt was last prepared with.
    void refreshTexts();

private Q_SLOTS:
    void triggerHelp();

private:
    void wireButtonBoxes();
    void noDefaultButtonWithoutOk();
    void tabIntoRadioGroupsAtTheirChoice();
    void applyRelevance(bool relevant);
    bool ruleHolds() const;
    std::string geometryKey() const;
    QPoint parentOrigin() const;
    void restoreGeometry();
    void placeWhole(QRect const& wanted, QMargins const& frame);
    void rememberGeometry();
    void tellShown();
    void retranslate();

    struct Impl;
    std::unique_ptr<Impl> d; ///< owned
};

} // namespace quarlin::dialogs::common
