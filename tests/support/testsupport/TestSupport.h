#pragma once

#include "referencehost/ReferenceHost.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QObject>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace quarlin::test {

// Puts the process into a state where no test can touch a person's files or screen: test-mode
// standard paths, and host messages recorded instead of shown. Called before QApplication.
void prepareTestProcess();
// Back to a fresh host with nothing recorded; called before each test function.
void resetHost();

struct ModalRun
{
    bool actionsRan = false;
    // The actions left the modal loop running; the helper rejected the dialog to end it.
    bool leftOpen = false;
};

// Calls `launch` (which enters a modal loop) and, from inside that loop, `actions`, as a person
// would act on the shown dialog (or on whichever prompt opens first, for a null dialog). Whatever the actions
// do, the loop ends: a dialog they leave open is rejected and the result says so.
ModalRun runModal(QWidget* dialog, std::function<void()> const& launch, std::function<void()> const& actions);

// Types text as a keyboard would, any character included (QTest::keyClicks knows ASCII only).
void typeText(QWidget* widget, QString const& text);
// Types text as a person does: each key goes to whatever has the focus when it is pressed (a
// popup a key opened takes the next ones).
void typeIntoFocus(QString const& text);

// Clicks a radio button or check box where a person would: on its indicator, which for a
// button without text is not the middle of the widget; returns once the click is taken.
void clickIndicator(QAbstractButton* button);

// Shows a window and makes it the active one, as a click on it would; keyboard focus and focus
// changes only happen in an active window. False when the platform never activated it.
bool showActive(QWidget* window);

// The texts of the messages the library posted to the host, in order.
std::vector<std::string> hostMessageTexts();

// Lets the event loop reach its idle point, where deferred updates run.
void reachIdle();

// What the reference host holds for an instance of a style setting.
template <class T>
T hostStyle(host::StylePath const& path, __int64 offset1 = -1, __int64 offset2 = -1)
{
    return std::get<T>(
        *host::ReferenceHost::instance().styleStore().value(host::StyleKey{path, offset1, offset2}));
}

// Texts written as literals (UTF-8).
QStringList texts(std::initializer_list<char const*> items);

// The access key a text gives (the letter after a single "&", lower case), or nothing.
QChar accessKey(QString const& text);

// A standard button of the dialog's button box.
QPushButton* dialogButton(QDialog& dialog, QDialogButtonBox::StandardButton which);

// The application of every test process. An exception that reaches Qt's event delivery is a
// fault of the library (every entry from Qt goes through its boundary): it is counted, and its
// event dropped, so that a test can say how many escaped instead of the process ending.
class TestApplication : public QApplication
{
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override;
    static int escapedExceptions();
};

} // namespace quarlin::test

#define QUARLIN_TEST_MAIN(TestObject)                                                                        \
    int main(int argc, char** argv)                                                                          \
    {                                                                                                        \
        quarlin::test::prepareTestProcess();                                                                 \
        quarlin::test::TestApplication app(argc, argv);                                                      \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                             \
        TestObject tc;                                                                                       \
        QTEST_SET_MAIN_SOURCE_PATH                                                                           \
        return QTest::qExec(&tc, argc, argv);                                                                \
    }
