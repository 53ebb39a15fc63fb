// What holds for every prompt the reference host knows, one row per entry of its catalog: the
// form a host finds by name, its controls in the order Tab visits them, labels that lead to their
// controls, OK and Cancel, help on F1, and no crash when the window under an open prompt goes.
#include "testsupport/TestSupport.h"

#include "hostapp/PromptCatalog.h"
#include "hostapp/ReferenceLoaders.h"
#include "prompt/AnchorAlignmentDialog.h"
#include "sdk/dialogs/DialogInterface.h"
#include "sdk/host/ReferenceHost.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QRadioButton>
#include <QRegularExpression>

#include <map>
#include <set>

using quarlin::host::ReferenceHost;
using quarlin::hostapp::HostSession;
using quarlin::hostapp::promptCatalog;

namespace {

// What a host and a person meet in each prompt: its title, its help topic, whether it needs a
// data set, and the controls a person fills in, in the order Tab visits them (a radio group is
// one stop, named by a wildcard; arrow keys move within it).
struct Expected
{
    QString title;
    std::string helpTopic;
    bool needsDataSet;
    QStringList inputs;
};

std::string const variableHelp = "polar.html#polar/xy-line-error-bars/select-variable";
QString const selectVariables = QStringLiteral("Select Variables");
QString const var1 = QStringLiteral("var1_comboBox"), var2 = QStringLiteral("var2_comboBox");

std::map<QString, Expected> const expectations{
    {QStringLiteral("AnchorAlignment"),
     {QStringLiteral("Anchor Alignment"), "contour.html#contour/details/anchor-alignment", false,
      {QStringLiteral("anchorAlignment_MiddleCenter_RadioButton")}}},
    {QStringLiteral("EnterTextString"),
     {QStringLiteral("Prompt for text string"), "frames.html#frame-name", false,
      {QStringLiteral("EnterTextString_lineEdit")}}},
    {QStringLiteral("EnterThreeIntValues"),
     {QStringLiteral("Index Range"), "data.html#index-range", true,
      {QStringLiteral("value1"), QStringLiteral("value2"), QStringLiteral("value3")}}},
    {QStringLiteral("EnterASCIICharacter"),
     {QStringLiteral("Enter ASCII Character"), "polar.html#polar/symbols-map-layer/enter-ascii-character", true,
      {QStringLiteral("selectedCharacter_lineEdit"), QStringLiteral("use*Font_RadioButton")}}},
    // The sample data set's active frame is 2-D: two axes, two vector components.
    {QStringLiteral("VariableSelectAxis"), {selectVariables, variableHelp, true, {var1, var2}}},
    {QStringLiteral("VariableSelectVector"), {selectVariables, variableHelp, true, {var1, var2}}},
    {QStringLiteral("VariableSelectRGB"),
     {selectVariables, variableHelp, true, {var1, var2, QStringLiteral("var3_comboBox")}}},
    {QStringLiteral("AddonsVariableSelect"), {selectVariables, variableHelp, true, {var1, var2}}},
    {QStringLiteral("ZoneSelect"),
     {QStringLiteral("Select Zone"), "select_mapping_zone.html", true, {QStringLiteral("Zone_Source_MList")}}},
    {QStringLiteral("ChooseLoader"),
     {QStringLiteral("Choose Loader (*.csv )"), "data-loading.html#_all_files_and_all_supported_files", false,
      {QStringLiteral("LoadersList")}}},
};

QString accessibleName(QWidget* widget)
{
    QAccessibleInterface* const accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

// A control a person can put the focus on; the parts of a composite widget (a spin box's line
// edit) belong to it.
bool isFocusableControl(QWidget* widget, QWidget* window)
{
    QWidget* const parent = widget->parentWidget();
    return widget->window() == window && widget->isVisibleTo(window) && widget->isEnabled()
           && widget->focusPolicy() != Qt::NoFocus && !(parent && parent->focusPolicy() != Qt::NoFocus);
}

// Tab stops at one button of a group of exclusive radio buttons; arrow keys move within it.
bool sameRadioGroup(QWidget* a, QWidget* b)
{
    auto* const first = qobject_cast<QRadioButton*>(a);
    auto* const second = qobject_cast<QRadioButton*>(b);
    return first && second && first->autoExclusive() && second->autoExclusive()
           && first->parentWidget() == second->parentWidget();
}

QDialog* stage(QString const& name, HostSession& session, QWidget& parent)
{
    for (auto const& entry : promptCatalog(session))
        if (entry.name == name)
            return entry.stage(parent);
    return nullptr;
}

QString formNameOf(QString const& name)
{
    HostSession session;
    for (auto const& entry : promptCatalog(session))
        if (entry.name == name)
            return entry.formName;
    return {};
}

} // namespace

class TestPrompts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        quarlin::test::resetHost();
        ReferenceHost::instance().loadSampleDataSet();
        quarlin::hostapp::registerReferenceLoaders();
    }
    void formAsAHostAndAPersonMeetIt_data() { catalogRows(); }
    void formAsAHostAndAPersonMeetIt();
    void helpAndDataSetRule_data() { catalogRows(); }
    void helpAndDataSetRule();
    void parentDeletesItselfWhileOpen_data() { catalogRows(); }
    void parentDeletesItselfWhileOpen();
    void everyControlIsNamedReachedAndMarked_data() { catalogRows(); }
    void everyControlIsNamedReachedAndMarked();
    void enterAcceptsEscapeCancels_data();
    void enterAcceptsEscapeCancels();
    void anchorByArrowKeysAlone_data();
    void anchorByArrowKeysAlone();

private:
    static void catalogRows()
    {
        QTest::addColumn<QString>("prompt");
        HostSession session;
        for (auto const& entry : promptCatalog(session))
            QTest::newRow(qPrintable(entry.name)) << entry.name;
    }
};

void TestPrompts::formAsAHostAndAPersonMeetIt()
{
    QFETCH(QString, prompt);
    QVERIFY2(expectations.count(prompt), "a prompt this test has no expectations for");
    HostSession session;
    QWidget parent;
    QPointer<QDialog> const dialog = stage(prompt, session, parent);
    QVERIFY(dialog);
    QCOMPARE(dialog->objectName(), formNameOf(prompt));
    QCOMPARE(dialog->windowTitle(), expectations.at(prompt).title);
    QVERIFY(quarlin::test::showActive(dialog));

    auto* const box = dialog->findChild<QDialogButtonBox*>();
    QVERIFY(box);
    QVERIFY(box->button(QDialogButtonBox::Ok) && box->button(QDialogButtonBox::Cancel));
    QVERIFY(box->button(QDialogButtonBox::Ok)->isDefault()
            || box->button(QDialogButtonBox::Ok)->autoDefault());

    // Tab from the first input visits the inputs in order, then reaches the buttons.
    QStringList const expected = expectations.at(prompt).inputs;
    QWidget* const first = dialog->findChild<QWidget*>(expected.first());
    QVERIFY(first);
    first->setFocus();
    QStringList visited{expected.first()};
    while (visited.size() <= expected.size()) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* const now = QApplication::focusWidget();
        QVERIFY(now);
        if (box->isAncestorOf(now))
            break;
        visited << now->objectName();
    }
    QCOMPARE(visited.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i)
        QVERIFY2(QRegularExpression(QRegularExpression::wildcardToRegularExpression(expected.at(i)))
                     .match(visited.at(i))
                     .hasMatch(),
                 qPrintable(visited.join(QLatin1Char(' '))));
    QVERIFY(box->isAncestorOf(QApplication::focusWidget()));

    // A label with a shortcut leads to a control a person can use.
    for (QLabel* const label : dialog->findChildren<QLabel*>())
        if (label->text().contains(QLatin1Char('&')) && label->isVisible())
            QVERIFY2(label->buddy() && label->buddy()->focusPolicy() != Qt::NoFocus,
                     qPrintable(label->objectName()));
    dialog->reject();
}

// F1 hands the prompt's topic to the host; without a data set a prompt that needs one is
// greyed out and OK does nothing, and it comes back when a data set is loaded.
void TestPrompts::helpAndDataSetRule()
{
    QFETCH(QString, prompt);
    Expected const& expected = expectations.at(prompt);
    HostSession session;
    QWidget parent;
    QPointer<QDialog> const dialog = stage(prompt, session, parent);
    QVERIFY(quarlin::test::showActive(dialog));
    QTest::keyClick(dialog, Qt::Key_F1);
    QCOMPARE(ReferenceHost::instance().helpTopics(), std::vector<std::string>{expected.helpTopic});
    QVERIFY(dialog->isVisible()); // help does not end the prompt

    QPushButton* const ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    ReferenceHost::instance().removeDataSet();
    QCOMPARE(ok->isEnabled(), !expected.needsDataSet);
    QVERIFY(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->isEnabled());
    QCOMPARE(QMetaObject::invokeMethod(dialog, "accept"), true);
    QCOMPARE(dialog->isVisible(), expected.needsDataSet);
    ReferenceHost::instance().loadSampleDataSet();
    QVERIFY(ok->isEnabled());
    dialog->reject();
}

// The parent goes while the prompt's modal loop runs: the loop ends, the prompt goes with its
// parent, and the next request builds a fresh one under the new parent.
void TestPrompts::parentDeletesItselfWhileOpen()
{
    QFETCH(QString, prompt);
    HostSession session;
    auto* const parent = new QWidget;
    QPointer<QDialog> const dialog = stage(prompt, session, *parent);
    auto* const dialogInterface = dynamic_cast<quarlin::dialogs::common::DialogInterface*>(dialog.data());
    QVERIFY(dialogInterface);
    if (prompt != QLatin1String("EnterTextString")) { // the one prompt its caller constructs
        QWidget other;
        QCOMPARE(stage(prompt, session, other), dialog.data()); // the live one, with its first parent
        QCOMPARE(dialog->parentWidget(), parent);
    }
    auto const run = quarlin::test::runModal(
        dialog, [&] { dialogInterface->launch(); }, [&] { delete parent; });
    QVERIFY(run.actionsRan);
    QVERIFY(dialog.isNull());
    QWidget newParent;
    QPointer<QDialog> const fresh = stage(prompt, session, newParent);
    QVERIFY(fresh);
    QCOMPARE(fresh->parentWidget(), &newParent);
}

// What a screen reader and a keyboard user meet: every control has a name in words, Tab
// reaches it, and while it has the focus it looks different.
void TestPrompts::everyControlIsNamedReachedAndMarked()
{
    QFETCH(QString, prompt);
    HostSession session;
    QWidget parent;
    QPointer<QDialog> const dialog = stage(prompt, session, parent);
    QVERIFY(quarlin::test::showActive(dialog));
    QList<QWidget*> controls;
    for (QWidget* const widget : dialog->findChildren<QWidget*>())
        if (isFocusableControl(widget, dialog))
            controls << widget;
    QVERIFY(!controls.isEmpty());

    // Twice round the focus chain by Tab alone, noting each stop.
    std::set<QWidget*> stops;
    for (int i = 0; i < 2 * controls.size(); ++i) {
        QVERIFY(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        stops.insert(QApplication::focusWidget());
    }
    QStringList failures;
    for (QWidget* const control : controls) {
        QString const name = prompt + QLatin1Char(' ') + control->objectName();
        if (accessibleName(control).trimmed().isEmpty())
            failures << name + QStringLiteral(": no accessible name");
        if (std::none_of(stops.begin(), stops.end(), [control](QWidget* stop) {
                return stop == control || sameRadioGroup(stop, control);
            }))
            failures << name + QStringLiteral(": Tab does not reach it");
        // With the keyboard focus it looks different from without. Not checked for OK, the
        // dialog's default button: the default style draws it the same focused or not (seen
        // with Qt 5.15's Fusion).
        auto* const box = dialog->findChild<QDialogButtonBox*>();
        if (box && control == box->button(QDialogButtonBox::Ok))
            continue;
        control->setFocus(Qt::TabFocusReason);
        QImage const focused = control->grab().toImage();
        (control == controls.first() ? controls.last() : controls.first())->setFocus(Qt::TabFocusReason);
        if (control->grab().toImage() == focused)
            failures << name + QStringLiteral(": focus not visible");
    }
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QStringLiteral("; "))));
    dialog->reject();
}

void TestPrompts::enterAcceptsEscapeCancels_data()
{
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("result");
    HostSession session;
    for (auto const& entry : promptCatalog(session)) {
        QTest::addRow("%s, Enter", qPrintable(entry.name))
            << entry.name << int(Qt::Key_Return) << int(QDialog::Accepted);
        QTest::addRow("%s, Escape", qPrintable(entry.name))
            << entry.name << int(Qt::Key_Escape) << int(QDialog::Rejected);
    }
}

// From the control that has the focus when the prompt opens.
void TestPrompts::enterAcceptsEscapeCancels()
{
    QFETCH(QString, prompt);
    QFETCH(int, key);
    QFETCH(int, result);
    HostSession session;
    QWidget parent;
    QPointer<QDialog> const dialog = stage(prompt, session, parent);
    auto* const dialogInterface = dynamic_cast<quarlin::dialogs::common::DialogInterface*>(dialog.data());
    auto const run = quarlin::test::runModal(
        dialog, [&] { dialogInterface->launch(); },
        [&] {
            QVERIFY(quarlin::test::showActive(dialog));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        });
    QVERIFY(!run.leftOpen);
    QCOMPARE(dialog->result(), result);
}

void TestPrompts::anchorByArrowKeysAlone_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("corner");
    QTest::newRow("top left") << QList<int>{Qt::Key_Up, Qt::Key_Left} << int(AnchorAlignment_TopLeft);
    QTest::newRow("top right") << QList<int>{Qt::Key_Right, Qt::Key_Up} << int(AnchorAlignment_TopRight);
    QTest::newRow("bottom left") << QList<int>{Qt::Key_Left, Qt::Key_Down} << int(AnchorAlignment_BottomLeft);
    QTest::newRow("bottom right") << QList<int>{Qt::Key_Down, Qt::Key_Right}
                                  << int(AnchorAlignment_BottomRight);
}

// The grid moves as it looks: up, down, left and right from the middle, then Enter.
void TestPrompts::anchorByArrowKeysAlone()
{
    QFETCH(QList<int>, keys);
    QFETCH(int, corner);
    using quarlin::dialogs::prompt::AnchorAlignmentDialog;
    QWidget parent;
    AnchorAlignmentDialog& dialog = AnchorAlignmentDialog::getInstance(AnchorAlignment_MiddleCenter, parent);
    auto const run = quarlin::test::runModal(
        &dialog, [&] { dialog.launch(); },
        [&] {
            QVERIFY(quarlin::test::showActive(&dialog));
            QCOMPARE(accessibleName(QApplication::focusWidget()), QStringLiteral("Middle center"));
            for (int key : keys)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
    QVERIFY(!run.leftOpen);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(int(dialog.selectedAlignment()), corner);
}

QUARLIN_TEST_MAIN(TestPrompts)
#include "tst_prompts.moc"
