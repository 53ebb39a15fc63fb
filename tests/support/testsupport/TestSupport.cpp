#include "testsupport/TestSupport.h"

#include "referencehost/ReferenceHost.h"
#include "sdk/dialogs/QtDialogAbstract.h"

#include <QApplication>
#include <QRadioButton>
#include <QStandardPaths>
#include <QStyle>
#include <QStyleOptionButton>

namespace quarlin::test {

void prepareTestProcess()
{
    QStandardPaths::setTestModeEnabled(true);
    // Offscreen unless a platform is named: the window-manager runs name xcb.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    host::ReferenceHost::instance().setMessagePresentation(
        host::ReferenceHost::MessagePresentation::RecordOnly);
}

namespace {
int escaped = 0;
}

bool TestApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ++escaped;
        return false;
    }
}

int TestApplication::escapedExceptions()
{
    return escaped;
}

void resetHost()
{
    host::ReferenceHost::instance().reset();
    // Each test opens its dialogs at their own size, whatever an earlier one did to them.
    dialogs::common::QtDialogAbstract::setGeometryMemoryEnabled(true);
    dialogs::common::QtDialogAbstract::forgetRememberedGeometries();
}

ModalRun runModal(QWidget* dialog, std::function<void()> const& launch, std::function<void()> const& actions)
{
    using dialogs::common::QtDialogAbstract;
    ModalRun run;
    // Told by the dialog itself from inside its modal loop, once it is up: no timer to race.
    QtDialogAbstract::ShownObserver const previous =
        QtDialogAbstract::setShownObserver([&](QtDialogAbstract& shown) {
            if (run.actionsRan || (dialog && &shown != dialog))
                return;
            run.actionsRan = true;
            QPointer<QWidget> const guard(&shown);
            actions();
            if (guard && guard->isVisible()) {
                run.leftOpen = true;
                QMetaObject::invokeMethod(guard.data(), "reject");
            }
        });
    struct Restore
    {
        QtDialogAbstract::ShownObserver const& previous;
        ~Restore() { QtDialogAbstract::setShownObserver(previous); }
    } const restore{previous};
    launch();
    return run;
}

void typeText(QWidget* widget, QString const& text)
{
    // One key event per character, as a keyboard sends them: a character outside the basic
    // plane arrives whole, both halves of its surrogate pair in one event.
    for (uint const code : text.toUcs4()) {
        bool const ascii = code >= 0x20 && code < 0x7f;
        QTest::sendKeyEvent(QTest::Click, widget, ascii ? QTest::asciiToKey(char(code)) : Qt::Key_unknown,
                            QString::fromUcs4(&code, 1), Qt::NoModifier);
    }
}

void typeIntoFocus(QString const& text)
{
    for (uint const code : text.toUcs4())
        if (QWidget* const focus = QApplication::focusWidget())
            typeText(focus, QString::fromUcs4(&code, 1));
}

void reachIdle()
{
    // Twice: an update run at the idle point may itself defer one more step.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

void clickIndicator(QAbstractButton* button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    bool const radio = qobject_cast<QRadioButton*>(button) != nullptr;
    QRect const area = button->style()->subElementRect(
        radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &option, button);
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, area.center());
    reachIdle(); // the click is taken once Qt is done with the button, as after a person's click
}

bool showActive(QWidget* window)
{
    window->show();
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}

std::vector<std::string> hostMessageTexts()
{
    std::vector<std::string> texts;
    for (host::HostMessage const& message : host::ReferenceHost::instance().messages())
        texts.push_back(message.text);
    return texts;
}

QStringList texts(std::initializer_list<char const*> items)
{
    QStringList list;
    for (char const* item : items)
        list << QString::fromUtf8(item);
    return list;
}

QChar accessKey(QString const& text)
{
    for (int i = text.indexOf(QLatin1Char('&')); i >= 0 && i + 1 < text.size();
         i = text.indexOf(QLatin1Char('&'), i + 2))
        if (text.at(i + 1) != QLatin1Char('&'))
            return text.at(i + 1).toLower();
    return {};
}

QPushButton* dialogButton(QDialog& dialog, QDialogButtonBox::StandardButton which)
{
    auto* const box = dialog.findChild<QDialogButtonBox*>();
    return box ? box->button(which) : nullptr;
}

} // namespace quarlin::test
