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
// data set, and the controls a person fills in, in the order Tab visits them. An entry is a
// wildcard, and names a run of one or more stops: a radio group is one stop (arrow keys move
// within it), a grid of swatches many.
struct Expected
{
    QString title;
    std::string helpTopic;
    bool needsDataSet;
    QStringList inputs;
    // How a person finishes: OK or Cancel; a click on a choice (the box has only Close, and
    // every request moves the prompt under the requester); or Close, changes having reached the
    // host at once (the prompt is modeless).
    enum Finish { OkOrCancel, ClickChooses, Close } finish = OkOrCancel;
    // launch() returns at once and leaves the prompt open.
    bool modeless = false;
    // The control that has the focus first takes Enter itself (an editable box commits).
    bool firstTakesEnter = false;
};

bool matches(QString const& wildcard, QString const& name)
{
    return QRegularExpression(QRegularExpression::wildcardToRegularExpression(wildcard)).match(name).hasMatch();
}

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
    {QStringLiteral("ColorChooser"),
     {QStringLiteral("Color Chooser"), "plots.html#plots/color-chooser", false,
      {QStringLiteral("colorButton_*"), QStringLiteral("C?"), QStringLiteral("RGB")}, Expected::ClickChooses}},
    {QStringLiteral("RGBColorOpts"),
     {QStringLiteral("RGB Coloring Options"), "plots.html#plots/color-chooser/rgb-coloring", false,
      {QStringLiteral("rGBColorOpts_Mode_CmbBox"), QStringLiteral("rGBColorOpts_*Variable_CmbBox"),
       QStringLiteral("*_doubleSpinBox")},
      Expected::Close, true}},
    // A 2-D field: every size control applies; the unit's radio group is one stop, and only the
    // size field of the unit chosen (grid units) is usable.
    {QStringLiteral("ScatterSizeFont"),
     {QStringLiteral("Scatter Size/Font"), "scatter.html#scatter/scatter-size-font", false,
      {QStringLiteral("scatterSizeFont_SymbolsFont_ComboBox"), QStringLiteral("scatterSizeFont_SymbolsFont*_Button"),
       QStringLiteral("scatterSizeFont_SizeVaiable_ComboBox"), QStringLiteral("scatterSizeFont_Size*_radioButton"),
       QStringLiteral("scatterSizeFont_SizeGrid_1Text")},
      Expected::Close, false, true}},
};

// Launches the prompt and acts on it as a person would: inside its modal loop, or beside a
// modeless prompt, which launch() leaves open.
quarlin::test::ModalRun runPrompt(QString const& name, QDialog* dialog, std::function<void()> const& actions)
{
    auto* const prompt = dynamic_cast<quarlin::dialogs::common::DialogInterface*>(dialog);
    if (!expectations.at(name).modeless)
        return quarlin::test::runModal(dialog, [&] { prompt->launch(); }, actions);
    QPointer<QDialog> const guard(dialog);
    prompt->launch();
    actions();
    quarlin::test::ModalRun run{true, guard && guard->isVisible()};
    if (run.leftOpen)
        guard->reject();
    return run;
}

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
    if (expectations.at(prompt).finish != Expected::OkOrCancel) {
        QCOMPARE(box->standardButtons(), QDialogButtonBox::StandardButtons(QDialogButtonBox::Close));
    } else {
        QVERIFY(box->button(QDialogButtonBox::Ok) && box->button(QDialogButtonBox::Cancel));
        QVERIFY(box->button(QDialogButtonBox::Ok)->isDefault() || box->button(QDialogButtonBox::Ok)->autoDefault());
    }

    // Tab from the first input visits the inputs in order, then reaches the buttons.
    QStringList const expected = expectations.at(prompt).inputs;
    QWidget* first = nullptr;
    for (QWidget* const widget : dialog->findChildren<QWidget*>())
        if (!first && matches(expected.first(), widget->objectName()))
            first = widget;
    QVERIFY(first);
    first->setFocus();
    QStringList visited{first->objectName()};
    for (int stops = 0; stops < 200; ++stops) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* const now = QApplication::focusWidget();
        QVERIFY(now);
        if (box->isAncestorOf(now))
            break;
        visited << now->objectName();
    }
    // Each expected entry takes the run of stops it matches, and nothing is left over.
    int next = 0;
    for (QString const& entry : expected) {
        QVERIFY2(next < visited.size() && matches(entry, visited.at(next)), qPrintable(visited.join(QLatin1Char(' '))));
        while (next < visited.size() && matches(entry, visited.at(next)))
            ++next;
    }
    QCOMPARE(next, visited.size());
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

    auto* const box = dialog->findChild<QDialogButtonBox*>();
    QPushButton* const ok = box->button(QDialogButtonBox::Ok);
    ReferenceHost::instance().removeDataSet();
    bool const closeOnly = expected.finish != Expected::OkOrCancel;
    QCOMPARE(ok && ok->isEnabled(), !expected.needsDataSet && !closeOnly);
    QVERIFY(box->button(closeOnly ? QDialogButtonBox::Close : QDialogButtonBox::Cancel)->isEnabled());
    QCOMPARE(QMetaObject::invokeMethod(dialog, "accept"), true);
    QCOMPARE(dialog->isVisible(), expected.needsDataSet);
    ReferenceHost::instance().loadSampleDataSet();
    QVERIFY(!ok || ok->isEnabled());
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
        bool const moves = expectations.at(prompt).finish == Expected::ClickChooses;
        QWidget other;
        QCOMPARE(stage(prompt, session, other), dialog.data()); // the live one
        QCOMPARE(dialog->parentWidget(), moves ? &other : parent);
        QVERIFY(dialog->isWindow());
        if (moves)
            stage(prompt, session, *parent);
    }
    auto const run = runPrompt(prompt, dialog, [&] { delete parent; });
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
    auto* const box = dialog->findChild<QDialogButtonBox*>();
    QStringList failures;
    for (QWidget* const control : controls) {
        QString const name = prompt + QLatin1Char(' ') + control->objectName();
        if (accessibleName(control).trimmed().isEmpty())
            failures << name + QStringLiteral(": no accessible name");
        if (std::none_of(stops.begin(), stops.end(), [control](QWidget* stop) {
                return stop == control || sameRadioGroup(stop, control);
            }))
            failures << name + QStringLiteral(": Tab does not reach it");
        // With the keyboard focus it looks different from without. Not checked for the dialog's
        // default button (OK, or Close where it is the only one): the default style draws it the
        // same focused or not (seen with Qt 5.15's Fusion).
        if (auto* const button = qobject_cast<QPushButton*>(control);
            button && (button->isDefault() || button == box->button(QDialogButtonBox::Ok)))
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
    QTest::addColumn<int>("result"); // -1: the prompt stays open
    HostSession session;
    for (auto const& entry : promptCatalog(session)) {
        Expected const& expected = expectations.at(entry.name);
        // Where Close is the only button, Enter closes.
        int const enter = expected.firstTakesEnter            ? -1
                          : expected.finish == Expected::Close ? int(QDialog::Rejected)
                                                               : int(QDialog::Accepted);
        QTest::addRow("%s, Enter", qPrintable(entry.name)) << entry.name << int(Qt::Key_Return) << enter;
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
    auto const run = runPrompt(prompt, dialog, [&] {
        QVERIFY(quarlin::test::showActive(dialog));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    });
    QCOMPARE(run.leftOpen, result == -1);
    if (result != -1)
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
