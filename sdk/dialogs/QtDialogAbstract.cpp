#include "sdk/dialogs/QtDialogAbstract.h"

#include "sdk/dialogs/LaunchHelpAction_p.h"
#include "sdk/exception/ExceptionBoundary.h"
#include "sdk/host/ApplicationSettings.h"
#include "sdk/signals/SignalConnectionCollection.h"
#include "sdk/widgets/DeferredCommits_p.h"
#include "sdk/widgets/GreyOutParties.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QShowEvent>
#include <QWindow>

#include <algorithm>
#include <functional>
#include <optional>
#include <sstream>
#include <utility>
#include <vector>

namespace quarlin::dialogs::common {

DialogInterface::~DialogInterface() = default;

namespace {

bool hasAcceptingButton(QDialog const& dialog)
{
    for (QDialogButtonBox* const box : dialog.findChildren<QDialogButtonBox*>()) {
        if (box->window() != &dialog)
            continue;
        for (QAbstractButton* const button : box->buttons()) {
            QDialogButtonBox::ButtonRole const role = box->buttonRole(button);
            if (role == QDialogButtonBox::AcceptRole || role == QDialogButtonBox::YesRole)
                return true;
        }
    }
    return false;
}

std::string const geometryPrefix = "DialogGeometry_";
bool geometryMemory = true;
QtDialogAbstract::ShownObserver& shownObserver()
{
    static QtDialogAbstract::ShownObserver observer;
    return observer;
}

// A remembered geometry: the size and the offset of the top-left corner from the parent's.
struct Remembered
{
    QSize size;
    QPoint offset;
};

std::string toText(Remembered const& r)
{
    std::ostringstream out;
    out << r.size.width() << ' ' << r.size.height() << ' ' << r.offset.x() << ' ' << r.offset.y();
    return out.str();
}

// Nothing for a text that is not four whole numbers with a positive size.
std::optional<Remembered> fromText(std::string const& text)
{
    std::istringstream in(text);
    int width = 0, height = 0, x = 0, y = 0;
    if (!(in >> width >> height >> x >> y) || width <= 0 || height <= 0 || !(in >> std::ws).eof())
        return std::nullopt;
    // Far beyond any screen is as good as off it, and leaves room to add the parent's place.
    constexpr int far = 1 << 24;
    return Remembered{{std::min(width, far), std::min(height, far)},
                      {std::clamp(x, -far, far), std::clamp(y, -far, far)}};
}

// The frame the window system has put around a window, once it has told it.
std::optional<QMargins> knownFrame(QWidget const& widget)
{
    QWindow const* const window = widget.windowHandle();
    if (!window || !window->isExposed())
        return std::nullopt;
    return window->frameMargins();
}

QMargins parentFrame(QWidget const& widget)
{
    QWidget const* const parent = widget.parentWidget();
    QWindow const* const window = parent ? parent->window()->windowHandle() : nullptr;
    return window ? window->frameMargins() : QMargins();
}

// Calls back once, at a window's first exposure: it is framed and mapped by then.
class FirstExposure : public QObject
{
public:
    FirstExposure(QWindow& window, std::function<void()> then)
        : QObject(&window)
        , then_(std::move(then))
    {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            deleteLater();
            runAtBoundary(std::exchange(then_, {}));
        }
        return false;
    }

private:
    std::function<void()> then_;
};

// A screen reader meets the text field inside an editable combo box as a control of its own:
// it gets the combo box's name, else the text of the label that is the combo box's buddy.
void nameInnerFields(QDialog& dialog)
{
    for (QComboBox* const combo : dialog.findChildren<QComboBox*>()) {
        QLineEdit* const field = combo->lineEdit();
        if (!field)
            continue;
        QString name = combo->accessibleName();
        if (name.isEmpty())
            for (QLabel const* const label : dialog.findChildren<QLabel*>())
                if (label->buddy() == combo)
                    name = label->text()
                               .remove(QRegularExpression(QStringLiteral("&(?!&)")))
                               .remove(QLatin1Char(':'));
        field->setAccessibleName(name.trimmed());
    }
}

} // namespace

struct QtDialogAbstract::Impl
{
    sdk::ui::propertymanager::RelevancePtr relevance;
    SignalConnectionCollection relevanceConnections;
    QPointer<QAction> helpAction; // owned by its QObject parent, usually this dialog
    bool relevant = true;
    bool modeless = false;
    bool inLaunch = false;
    // The geometry the dialog opened with: a person changed it when it closes with another.
    std::optional<Remembered> opened;
    QPointer<QObject> frameWatch; // owned by the dialog's window
    bool shownNoticeDue = false;
    std::vector<std::function<void()>> textSetters;
    QString libraryTitle; // the title the texts last set: another one is the host's
};

QtDialogAbstract::QtDialogAbstract(QWidget& parent, sdk::ui::propertymanager::RelevancePtr relevance)
    : QDialog(&parent)
    , d(std::make_unique<Impl>())
{
    d->relevance = std::move(relevance);
    if (d->relevance) {
        d->relevanceConnections.add(d->relevance->connectRelevanceChanged(
            [this](bool relevant) { runAtBoundary([&] { applyRelevance(relevant); }); }));
        d->relevant = ruleHolds();
    }
}

QtDialogAbstract::~QtDialogAbstract()
{
    // No relevance callback may reach a half-destroyed dialog.
    d->relevanceConnections.clear();
}

void QtDialogAbstract::launch()
{
    if (d->modeless) {
        show();
        raise();
        activateWindow();
        tellShown();
        return;
    }
    if (d->inLaunch) { // launched again from inside its own loop: bring it forward instead
        raise();
        activateWindow();
        return;
    }
    QPointer<QtDialogAbstract> const self(this);
    d->inLaunch = true;
    exec();
    if (self)
        d->inLaunch = false;
}

void QtDialogAbstract::drop()
{
    if (isVisible())
        reject();
    deleteLater();
}

void QtDialogAbstract::updateContent()
{
    applyRelevance(ruleHolds());
}

QSize QtDialogAbstract::sizeHint() const
{
    QSize hint = QDialog::sizeHint();
    // Long lists must not push a dialog off its screen.
    if (QScreen const* const s = screen()) {
        QSize const limit = s->availableSize() * 9 / 10;
        hint = hint.boundedTo(limit);
    }
    return hint;
}

void QtDialogAbstract::done(int result)
{
    // What a person chose or typed last is committed first, as they expect; the host may close
    // the window in answer.
    QPointer<QtDialogAbstract> const self(this);
    quarlin::ui::intern::DeferredCommits::flush();
    if (!self)
        return;
    // A rule that throws while asked is reported, and the dialog stays open.
    if (result == Accepted && !ruleHolds()) {
        QApplication::beep();
        return;
    }
    QDialog::done(result);
}

void QtDialogAbstract::setHelpAction(QAction* action)
{
    if (d->helpAction == action)
        return;
    if (d->helpAction)
        removeAction(d->helpAction);
    d->helpAction = action;
    if (action)
        addAction(action);
}

QAction* QtDialogAbstract::helpAction() const
{
    return d->helpAction;
}

sdk::ui::propertymanager::RelevancePtr const& QtDialogAbstract::relevanceRule() const
{
    return d->relevance;
}

bool QtDialogAbstract::isUsable() const
{
    return !d->relevance || d->relevance->isRelevant();
}

bool QtDialogAbstract::ruleHolds() const
{
    // A rule that throws is reported, and counts as not holding: nothing is accepted on a
    // judgement that could not be made.
    bool usable = false;
    runAtBoundary([&] { usable = isUsable(); });
    return usable;
}

void QtDialogAbstract::followLanguage(std::function<void()> setTexts)
{
    if (!setTexts)
        return;
    setTexts();
    d->textSetters.push_back(std::move(setTexts));
    d->libraryTitle = windowTitle();
    nameInnerFields(*this);
}

bool QtDialogAbstract::event(QEvent* event)
{
    bool const handled = QDialog::event(event); // the form's children first, Qt's buttons among them
    if (event->type() == QEvent::LanguageChange)
        runAtBoundary([this] { retranslate(); });
    return handled;
}

void QtDialogAbstract::refreshTexts()
{
    retranslate();
}

void QtDialogAbstract::retranslate()
{
    QString const title = windowTitle();
    bool const hostTitle = !d->textSetters.empty() && title != d->libraryTitle;
    if (auto* const help = qobject_cast<LaunchHelpAction*>(d->helpAction.data()))
        help->retranslate();
    for (auto const& setTexts : d->textSetters)
        setTexts();
    d->libraryTitle = windowTitle();
    if (hostTitle)
        setWindowTitle(title);
    nameInnerFields(*this);
}

void QtDialogAbstract::closeEvent(QCloseEvent* event)
{
    // QDialog turns a close of a visible dialog into reject(), which is where overrides restore
    // the caller's values; nothing may bypass that.
    QDialog::closeEvent(event);
}

void QtDialogAbstract::showEvent(QShowEvent* event)
{
    wireButtonBoxes();
    noDefaultButtonWithoutOk();
    tabIntoRadioGroupsAtTheirChoice();
    nameInnerFields(*this);
    applyRelevance(ruleHolds());
    QDialog::showEvent(event); // places the dialog over its parent
    if (!event->spontaneous()) {
        runAtBoundary([this] { restoreGeometry(); });
        if (shownObserver()) {
            d->shownNoticeDue = true;
            QMetaObject::invokeMethod(this, &QtDialogAbstract::tellShown, Qt::QueuedConnection);
        }
    }
}

// Once per showing: the first of the queued call and a modeless launch().
void QtDialogAbstract::tellShown()
{
    if (!d->shownNoticeDue || !isVisible())
        return;
    d->shownNoticeDue = false;
    if (ShownObserver const observer = shownObserver()) // a copy: the observer may replace itself
        runAtBoundary([&] { observer(*this); });
}

QtDialogAbstract::ShownObserver QtDialogAbstract::setShownObserver(ShownObserver observer)
{
    return std::exchange(shownObserver(), std::move(observer));
}

void QtDialogAbstract::hideEvent(QHideEvent* event)
{
    if (!event->spontaneous())
        runAtBoundary([this] { rememberGeometry(); });
    QDialog::hideEvent(event);
}

void QtDialogAbstract::setGeometryMemoryEnabled(bool enabled)
{
    geometryMemory = enabled;
}

bool QtDialogAbstract::isGeometryMemoryEnabled()
{
    return geometryMemory;
}

void QtDialogAbstract::forgetRememberedGeometries()
{
    auto& settings = sdk::ApplicationSettings::getInstance();
    for (std::string const& key : settings.keys())
        if (key.compare(0, geometryPrefix.size(), geometryPrefix) == 0)
            settings.removeValue(key);
}

std::string QtDialogAbstract::geometryKey() const
{
    return geometryPrefix + metaObject()->className();
}

QPoint QtDialogAbstract::parentOrigin() const
{
    QWidget const* const parent = parentWidget();
    return parent ? parent->mapToGlobal(QPoint(0, 0)) : QPoint();
}

// Runs as the dialog is shown, once Qt has given it its own size and place (over the parent).
void QtDialogAbstract::restoreGeometry()
{
    d->opened.reset();
    delete d->frameWatch;
    if (geometryMemory)
        if (std::optional<Remembered> const remembered =
                fromText(sdk::ApplicationSettings::getInstance().getStringValue(geometryKey()))) {
            QSize const minimum = minimumSizeHint().expandedTo(minimumSize());
            if (remembered->size.width() >= minimum.width()
                && remembered->size.height() >= minimum.height()) {
                QRect const wanted(parentOrigin() + remembered->offset,
                                   remembered->size.boundedTo(maximumSize()));
                // A window system tells a new window's frame only once it has framed it, after it
                // is mapped. Until then the parent's frame stands in (Qt places a dialog over its
                // parent the same way), and the first exposure corrects the fit if they differ.
                QMargins const assumed = knownFrame(*this) ? *knownFrame(*this) : parentFrame(*this);
                placeWhole(wanted, assumed);
                if (!knownFrame(*this) && windowHandle())
                    d->frameWatch = new FirstExposure(*windowHandle(), [this, wanted, assumed] {
                        QMargins const frame = knownFrame(*this).value_or(assumed);
                        if (frame != assumed)
                            placeWhole(wanted, frame);
                        d->opened = Remembered{size(), geometry().topLeft() - parentOrigin()};
                    });
            }
        }
    // The frame's own edges are the window system's: the inner geometry is what stays put.
    d->opened = Remembered{size(), geometry().topLeft() - parentOrigin()};
}

// The whole window, frame included, on the available area of the parent's screen: moved onto
// it, and shrunk where it is larger (a monitor that has gone leaves no dialog out of reach).
void QtDialogAbstract::placeWhole(QRect const& wanted, QMargins const& frame)
{
    QRect target = wanted;
    QScreen const* screen = nullptr;
    if (QWidget const* const parent = parentWidget())
        screen = QGuiApplication::screenAt(parent->mapToGlobal(parent->rect().center()));
    if (!screen)
        screen = this->screen();
    if (QRect const available = screen ? screen->availableGeometry().marginsRemoved(frame) : QRect();
        available.isValid()) {
        target.setSize(target.size().boundedTo(available.size()));
        target.moveTo(qBound(available.left(), target.x(), available.right() + 1 - target.width()),
                      qBound(available.top(), target.y(), available.bottom() + 1 - target.height()));
    }
    // Setting the geometry it has already still costs a round trip to the window system.
    if (target != geometry())
        setGeometry(target);
}

void QtDialogAbstract::rememberGeometry()
{
    if (!geometryMemory || !d->opened)
        return;
    Remembered const now{size(), geometry().topLeft() - parentOrigin()};
    if (now.size == d->opened->size && now.offset == d->opened->offset)
        return;
    sdk::ApplicationSettings::getInstance().depositValue(geometryKey(), toText(now));
    d->opened = now;
}

void QtDialogAbstract::setLaunchedModeless(bool modeless)
{
    d->modeless = modeless;
}

void QtDialogAbstract::triggerHelp()
{
    if (d->helpAction && d->helpAction->isEnabled())
        d->helpAction->trigger();
}

void QtDialogAbstract::tabIntoRadioGroupsAtTheirChoice()
{
    // Tab stops once in a group of exclusive radio buttons and arrow keys move within it. Qt
    // makes the button that last had the focus the group's stop, so before any had it Tab would
    // land on the first of the group, not on the one that is checked, and Space there would
    // change the choice. The checked button is the stop, as it is in any mature dialog.
    for (QRadioButton* const checked : findChildren<QRadioButton*>()) {
        if (!checked->autoExclusive() || !checked->isChecked() || !checked->parentWidget())
            continue;
        for (QRadioButton* const member :
             checked->parentWidget()->findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (!member->autoExclusive())
                continue;
            int const policy = member->focusPolicy();
            int const tabStop = member == checked ? policy | Qt::TabFocus : policy & ~Qt::TabFocus;
            member->setFocusPolicy(Qt::FocusPolicy(tabStop));
        }
    }
}

void QtDialogAbstract::noDefaultButtonWithoutOk()
{
    // QDialog hands a Return that no control took to its default button, and makes the first
    // auto-default push button the default when it is shown. A dialog with nothing to accept
    // (Close only, every change already applied) has no button Return should press: typed into a
    // field it would close the dialog or run an action such as a recalculation over the value
    // just typed. There no button is the default, or looks like it; Space presses the focused one.
    if (hasAcceptingButton(*this))
        return;
    for (QPushButton* const button : findChildren<QPushButton*>()) {
        if (button->window() != this)
            continue;
        button->setAutoDefault(false);
        button->setDefault(false);
    }
}

void QtDialogAbstract::wireButtonBoxes()
{
    // The frame alone connects a button box to its dialog: whatever the form connected (uic
    // writes string-based connections for Qt 5, typed ones for Qt 6) is replaced, so that no
    // dialog is accepted or rejected twice per click, and a later show wires nothing again.
    for (QDialogButtonBox* const box : findChildren<QDialogButtonBox*>()) {
        if (box->window() != this)
            continue;
        disconnect(box, &QDialogButtonBox::accepted, this, nullptr);
        disconnect(box, &QDialogButtonBox::rejected, this, nullptr);
        disconnect(box, &QDialogButtonBox::helpRequested, this, nullptr);
        // What a person chose or typed last is committed before a dialog's own accept or
        // reject reads it; the host may close the window in answer.
        connect(box, &QDialogButtonBox::accepted, this, [this] {
            QPointer<QtDialogAbstract> const self(this);
            quarlin::ui::intern::DeferredCommits::flush();
            if (self)
                accept();
        });
        connect(box, &QDialogButtonBox::rejected, this, [this] {
            QPointer<QtDialogAbstract> const self(this);
            quarlin::ui::intern::DeferredCommits::flush();
            if (self)
                reject();
        });
        connect(box, &QDialogButtonBox::helpRequested, this, &QtDialogAbstract::triggerHelp);
    }
}

void QtDialogAbstract::applyRelevance(bool relevant)
{
    d->relevant = relevant;
    // The dialog is one party among several: a control a relevance applier or a binding greyed
    // out stays greyed when the dialog's rule holds again.
    auto greyOut = [this, relevant](QWidget* widget) {
        quarlin::ui::GreyOutParties::setGreyedOutBy(*widget, this, !relevant);
    };
    for (QWidget* const child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child->isWindow())
            continue;
        if (auto* const box = qobject_cast<QDialogButtonBox*>(child)) {
            for (QAbstractButton* const button : box->buttons()) {
                QDialogButtonBox::ButtonRole const role = box->buttonRole(button);
                if (role == QDialogButtonBox::AcceptRole || role == QDialogButtonBox::YesRole
                    || role == QDialogButtonBox::ApplyRole)
                    greyOut(button);
            }
            continue;
        }
        greyOut(child);
    }
}

} // namespace quarlin::dialogs::common
