// What holds for every prompt the reference host knows, one row per entry of its catalog: the
// form a host finds by name, its controls in the order Tab visits them, labels that lead to their
// controls, OK and Cancel, help on F1, and no crash when the window under an open prompt goes.
#include "testsupport/TestSupport.h"

#include "hostapp/PromptCatalog.h"
#include "hostapp/ReferenceLoaders.h"
#include "prompt/AnchorAlignmentDialog.h"
#include "prompt/ColorChooserWidget.h"
#include "prompt/EnterASCIICharacterDialog.h"
#include "prompt/EnterTextStringDialog.h"
#include "prompt/EnterThreeIntValuesDialog.h"
#include "prompt/Translations.h"
#include "prompt/VariableSelectDialog.h"
#include "prompt/ZoneSelectDialog.h"
#include "propertybindings/ComboBoxFinder.h"
#include "referencehost/ReferenceHost.h"
#include "sdk/dialogs/DialogInterface.h"
#include "sdk/host/ApplicationSettings.h"
#include "sdk/host/StateChangeEvent.h"
#include "sdk/signals/ScopedExitAction.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDoubleValidator>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSpinBox>
#include <QTextBoundaryFinder>
#include <QToolButton>

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>

using quarlin::dialogs::prompt::ColorChooserWidget;
using quarlin::dialogs::prompt::EnterASCIICharacterDialog;
using quarlin::dialogs::prompt::EnterTextStringDialog;
using quarlin::dialogs::prompt::EnterThreeIntValuesDialog;
using quarlin::dialogs::prompt::VariableSelectDialog;
using quarlin::dialogs::prompt::ZoneSelectDialog;
using quarlin::host::ReferenceHost;
using quarlin::hostapp::HostSession;
using quarlin::hostapp::promptCatalog;

namespace {

// What a host and a person meet in each prompt: its help topic, whether it needs a
// data set, and the controls a person fills in, in the order Tab visits them. An entry is a
// wildcard, and names a run of one or more stops: a radio group is one stop (arrow keys move
// within it), a grid of swatches many.
struct Expected
{
    std::string helpTopic;
    bool needsDataSet;
    QStringList inputs;
    // How a person finishes: OK or Cancel; a click on a choice (the box has only Close, and
    // every request moves the prompt under the requester); or Close, changes having reached the
    // host at once (the prompt is modeless).
    enum Finish { OkOrCancel, ClickChooses, Close } finish = OkOrCancel;
    // launch() returns at once and leaves the prompt open.
    bool modeless = false;
};

bool matches(QString const& wildcard, QString const& name)
{
    return QRegularExpression(QRegularExpression::wildcardToRegularExpression(wildcard))
        .match(name)
        .hasMatch();
}

std::string const variableHelp = "polar.html#polar/xy-line-error-bars/select-variable";
QString const var1 = QStringLiteral("var1_comboBox"), var2 = QStringLiteral("var2_comboBox");

std::map<QString, Expected> const expectations{
    {QStringLiteral("AnchorAlignment"),
     {"contour.html#contour/details/anchor-alignment",
      false,
      {QStringLiteral("anchorAlignment_MiddleCenter_RadioButton")}}},
    {QStringLiteral("EnterTextString"),
     {"frames.html#frame-name", false, {QStringLiteral("EnterTextString_lineEdit")}}},
    {QStringLiteral("EnterThreeIntValues"),
     {"data.html#index-range",
      true,
      {QStringLiteral("value1"), QStringLiteral("value2"), QStringLiteral("value3")}}},
    {QStringLiteral("EnterASCIICharacter"),
     {"polar.html#polar/symbols-map-layer/enter-ascii-character",
      true,
      {QStringLiteral("selectedCharacter_lineEdit"), QStringLiteral("use*Font_RadioButton")}}},
    // The sample data set's active frame is 2-D: two axes, two vector components.
    {QStringLiteral("VariableSelectAxis"), {variableHelp, true, {var1, var2}}},
    {QStringLiteral("VariableSelectVector"), {variableHelp, true, {var1, var2}}},
    {QStringLiteral("VariableSelectRGB"),
     {variableHelp, true, {var1, var2, QStringLiteral("var3_comboBox")}}},
    {QStringLiteral("AddonsVariableSelect"), {variableHelp, true, {var1, var2}}},
    {QStringLiteral("ZoneSelect"), {"select_mapping_zone.html", true, {QStringLiteral("Zone_Source_MList")}}},
    {QStringLiteral("ChooseLoader"),
     {"data-loading.html#_all_files_and_all_supported_files", false, {QStringLiteral("LoadersList")}}},
    {QStringLiteral("ColorChooser"),
     {"plots.html#plots/color-chooser",
      false,
      {QStringLiteral("colorButton_*"), QStringLiteral("C?"), QStringLiteral("RGB")},
      Expected::ClickChooses}},
    {QStringLiteral("RGBColorOpts"),
     {"plots.html#plots/color-chooser/rgb-coloring",
      false,
      {QStringLiteral("rGBColorOpts_Mode_CmbBox"), QStringLiteral("rGBColorOpts_*Variable_CmbBox"),
       QStringLiteral("*_doubleSpinBox")},
      Expected::Close,
      true}},
    // A 2-D field: every size control applies; the unit's radio group is one stop, and only the
    // size field of the unit chosen (grid units) is usable.
    {QStringLiteral("ScatterSizeFont"),
     {"scatter.html#scatter/scatter-size-font",
      false,
      {QStringLiteral("scatterSizeFont_SymbolsFont_ComboBox"),
       QStringLiteral("scatterSizeFont_SymbolsFont*_Button"),
       QStringLiteral("scatterSizeFont_SizeVaiable_ComboBox"),
       QStringLiteral("scatterSizeFont_Size*_radioButton"), QStringLiteral("scatterSizeFont_SizeGrid_1Text")},
      Expected::Close}},
};

// Launches the prompt and acts on it as a person would: inside its modal loop, or beside a
// modeless prompt, which launch() leaves open.
quarlin::test::ModalRun runPrompt(QString const& name, QDialog* dialog, std::function<void()> const& actions)
{
    auto* const prompt = dynamic_cast<quarlin::dialogs::common::DialogInterface*>(dialog);
    if (!expectations.at(name).modeless)
        return quarlin::test::runModal(
            dialog, [&] { prompt->launch(); }, actions);
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

// Where a person types or chooses: every focusable control but the buttons.
QList<QWidget*> fieldsOf(QDialog* dialog)
{
    QList<QWidget*> fields;
    for (QWidget* const widget : dialog->findChildren<QWidget*>())
        if (isFocusableControl(widget, dialog) && !qobject_cast<QPushButton*>(widget)
            && !qobject_cast<QToolButton*>(widget))
            fields << widget;
    return fields;
}

// A field that takes a number, and its text.
bool isNumberField(QWidget* widget)
{
    if (qobject_cast<QAbstractSpinBox*>(widget))
        return true;
    auto* const edit = qobject_cast<QLineEdit*>(widget);
    return edit
           && (qobject_cast<QDoubleValidator const*>(edit->validator())
               || qobject_cast<QIntValidator const*>(edit->validator()));
}

QLineEdit* editOf(QWidget* field)
{
    if (auto* const spinBox = qobject_cast<QAbstractSpinBox*>(field))
        return spinBox->findChild<QLineEdit*>();
    return qobject_cast<QLineEdit*>(field);
}

std::function<double(QDialog*)> hostSetting(char const* group, char const* name)
{
    return [=](QDialog*) { return quarlin::test::hostStyle<double>({group, name}); };
}

// What the host holds for each number field of the catalog's prompts.
std::map<QString, std::function<double(QDialog*)>> const hostValueOf{
    {QStringLiteral("value1"),
     [](QDialog* d) { return double(dynamic_cast<EnterThreeIntValuesDialog*>(d)->value1()); }},
    {QStringLiteral("value2"),
     [](QDialog* d) { return double(dynamic_cast<EnterThreeIntValuesDialog*>(d)->value2()); }},
    {QStringLiteral("value3"),
     [](QDialog* d) { return double(dynamic_cast<EnterThreeIntValuesDialog*>(d)->value3()); }},
    {QStringLiteral("minValue_doubleSpinBox"), hostSetting("GlobalRGB", "RangeMin")},
    {QStringLiteral("maxValue_doubleSpinBox"), hostSetting("GlobalRGB", "RangeMax")},
    {QStringLiteral("scatterSizeFont_SizeGrid_1Text"), hostSetting("GlobalScatter", "RelativeSize")},
};

// The names and enabled states of a prompt's controls, as a person finds them.
QStringList usableControls(QDialog* dialog)
{
    QStringList usable;
    for (QWidget* const widget : dialog->findChildren<QWidget*>())
        if (!widget->objectName().isEmpty() && !widget->objectName().startsWith(QLatin1String("qt_"))
            && widget->isEnabled())
            usable << widget->objectName();
    usable.sort();
    return usable;
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

// Texts that are the same word in German and English.
QStringList const sameInGerman{QStringLiteral("OK"), QStringLiteral("&RGB"), QStringLiteral("&U"),
                               QStringLiteral("&V"), QStringLiteral("&W"),   QStringLiteral("&X"),
                               QStringLiteral("&Y"), QStringLiteral("&R"),   QStringLiteral("&G"),
                               QStringLiteral("&B"), QStringLiteral("Cyan")};

// What a person reads in the prompt built in a language, with where it stands and whether it
// carries the accelerator of a control. The list of a combo box is data, but for the RGB mode's.
struct ShownText
{
    QString text;
    QString where;
    bool mnemonic;
};

QList<ShownText> textsOf(QDialog& dialog, QString const& prompt);

QList<ShownText> textsIn(QString const& prompt, QLocale const& locale)
{
    quarlin::hostapp::installTranslations(locale);
    HostSession session;
    QWidget parent;
    QPointer<QDialog> const dialog = stage(prompt, session, parent);
    quarlin::test::showActive(dialog);
    quarlin::test::reachIdle();
    QList<ShownText> const shown = textsOf(*dialog, prompt);
    dialog->reject();
    return shown;
}

// The prompt opened in one language and read after the library switched to another; the
// host's own texts stay English throughout, as a host gives them.
QList<ShownText> textsAfterSwitch(QString const& prompt, QLocale const& opened, QLocale const& switched)
{
    quarlin::dialogs::prompt::installTranslations(opened);
    HostSession session;
    QWidget parent;
    QPointer<QDialog> const dialog = stage(prompt, session, parent);
    quarlin::test::showActive(dialog);
    quarlin::test::reachIdle();
    if (opened != switched) {
        quarlin::dialogs::prompt::installTranslations(switched);
        quarlin::test::reachIdle();
    }
    QList<ShownText> const shown = textsOf(*dialog, prompt);
    dialog->reject();
    return shown;
}

QList<ShownText> textsOf(QDialog& dialog, QString const& prompt)
{
    QList<ShownText> shown{{dialog.windowTitle(), prompt, false}};
    for (QWidget* const widget : dialog.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&dialog) || widget->height() == 0) // a placeholder that takes no room
            continue;
        auto* const label = qobject_cast<QLabel*>(widget);
        auto* const button = qobject_cast<QAbstractButton*>(widget);
        auto* const group = qobject_cast<QGroupBox*>(widget);
        QString const own = label    ? label->text()
                            : button ? button->text()
                            : group  ? group->title()
                                     : QString();
        shown.push_back({own, widget->objectName(), button || (label && label->buddy())});
        shown.push_back({widget->toolTip(), widget->objectName(), false});
        if (auto* const combo = qobject_cast<QComboBox*>(widget);
            combo && widget->objectName().contains(QLatin1String("Mode")))
            for (int i = 0; i < combo->count(); ++i)
                shown.push_back({combo->itemText(i), widget->objectName(), false});
        shown.push_back({widget->accessibleName(), widget->objectName(), false});
        // A list's headers are the library's; its other rows are the host's data.
        if (auto* const view = qobject_cast<QAbstractItemView*>(widget); view && view->model())
            for (int row = 0; row < view->model()->rowCount(); ++row)
                if (QModelIndex const index = view->model()->index(row, 0);
                    !(view->model()->flags(index) & Qt::ItemIsSelectable))
                    shown.push_back({index.data().toString(), widget->objectName(), false});
    }
    return shown;
}

// Acts on a prompt as a person trying everything would: empties every field and leaves it (a
// refusal), types into it, chooses with the arrows and Space, asks for help by F1 and by every
// action, presses every button of its own, then those that end it. Stops touching the prompt the
// moment it is gone.
void tryEverything(QPointer<QDialog> const& dialog)
{
    auto const usable = [&dialog] { return dialog && dialog->isVisible(); };
    auto const guarded = [](auto const& list) { // each watched from the start
        QList<QPointer<std::remove_pointer_t<typename std::decay_t<decltype(list)>::value_type>>> all;
        for (auto* const item : list)
            all << item;
        return all;
    };
    for (bool const emptied : {true, false}) {
        for (QPointer<QWidget> const& field : guarded(usable() ? fieldsOf(dialog) : QList<QWidget*>())) {
            if (!usable() || !field || !field->isEnabled())
                continue;
            field->setFocus(Qt::TabFocusReason);
            if (QLineEdit* const edit = editOf(field)) {
                edit->selectAll();
                if (emptied)
                    QTest::keyClick(edit, Qt::Key_Delete);
                else
                    quarlin::test::typeText(edit, QStringLiteral("7"));
            }
            if (!emptied && field)
                QTest::keyClick(field, Qt::Key_Down);
            if (!emptied && field)
                QTest::keyClick(field, Qt::Key_Space);
            if (field)
                QTest::keyClick(field, Qt::Key_Tab);
        }
        quarlin::test::reachIdle();
    }
    if (usable() && QApplication::focusWidget())
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    for (QPointer<QAction> const& action :
         guarded(usable() ? dialog->findChildren<QAction*>() : QList<QAction*>()))
        if (usable() && action && action->isEnabled())
            action->trigger();
    // The buttons of the prompt's own (a help button among them) before those that end it.
    QPointer<QDialogButtonBox> const box = usable() ? dialog->findChild<QDialogButtonBox*>() : nullptr;
    QList<QPointer<QAbstractButton>> buttons;
    for (QAbstractButton* const button :
         usable() ? dialog->findChildren<QAbstractButton*>() : QList<QAbstractButton*>())
        if (!box || !box->isAncestorOf(button))
            buttons << button;
    for (QAbstractButton* const button : box ? box->buttons() : QList<QAbstractButton*>())
        buttons << button;
    for (QPointer<QAbstractButton> const& button : buttons)
        if (usable() && button && button->isVisibleTo(dialog) && button->isEnabled())
            button->click();
    quarlin::test::reachIdle();
}

// The calls a prompt makes to the host in the middle of its own work.
QStringList const hostCallbacks{QStringLiteral("message"), QStringLiteral("help"),
                                QStringLiteral("style write"), QStringLiteral("post-assignment"),
                                QStringLiteral("colour chosen")};

// Opens a prompt on `parent` and tries everything in it, with `onCall` run on each call of one kind
// the prompt makes to the host. For "message" every style write and the settings file are made to
// fail, so that every field that reaches the host gets a message.
quarlin::test::ModalRun tryWithHook(QString const& prompt, QString const& callback, HostSession& session,
                                    QWidget& parent, QPointer<QDialog>& dialog,
                                    std::function<void()> const& onCall)
{
    auto& host = ReferenceHost::instance();
    auto& settings = quarlin::sdk::ApplicationSettings::getInstance();
    std::string const settingsFile = settings.fileName();
    bool const refuse = callback == QLatin1String("message");
    if (refuse) {
        for (auto const& entry : host.styleStore().entries())
            host.styleStore().setRule(entry.key.path, quarlin::host::StyleRule::refuse("The host refuses."));
        settings.setFileName("/proc/quarlin-unwritable/settings.ini");
    }
    quarlin::ScopedExitAction const restore([&] {
        if (refuse)
            settings.setFileName(settingsFile);
    });
    dialog = stage(prompt, session, parent);
    std::vector<boost::signals2::scoped_connection> hooks;
    if (refuse)
        hooks.emplace_back(host.messagePosted.connect([&](quarlin::host::HostMessage const&) { onCall(); }));
    else if (callback == QLatin1String("help"))
        hooks.emplace_back(host.helpShown.connect([&](std::string const&) { onCall(); }));
    else if (callback == QLatin1String("style write"))
        hooks.emplace_back(quarlin::toolbox::StateChangeEventObservable::getInstance().connectStateChanged(
            [&](quarlin::toolbox::StateChangeEventInterface const& event) {
                if (event.kind() == StateChange_Style)
                    onCall();
            }));
    else if (auto* const variables = qobject_cast<VariableSelectDialog*>(dialog.data());
             variables && callback == QLatin1String("post-assignment"))
        variables->setPostAssignmentAction(onCall);
    else if (auto* const panel = dialog ? dialog->findChild<ColorChooserWidget*>() : nullptr;
             panel && callback == QLatin1String("colour chosen"))
        hooks.emplace_back(panel->connectToColorSelectedSignal([&](int) { onCall(); }));
    return runPrompt(prompt, dialog, [&] {
        if (quarlin::test::showActive(dialog))
            tryEverything(dialog);
    });
}

// How the host changes its data set under an open prompt: replaced by a smaller one with other
// names, shrunk to its first rows, removed.
void changeDataSet(QString const& how)
{
    auto& host = ReferenceHost::instance();
    if (how == QLatin1String("removed")) {
        host.removeDataSet();
        return;
    }
    quarlin::host::DataSet data = host.dataSet();
    if (how == QLatin1String("replaced")) {
        data.variables = {{"X", {0, 1}}, {"Y", {0, 1}}, {"V3", {0, 1}}, {"V4", {0, 1}}};
        data.zones = {"First", "Second"};
    } else {
        data.variables.resize(2);
        data.zones.resize(1);
    }
    host.loadDataSet(data);
}

// The lists of a prompt a person can pick from, by object name, with their rows.
std::map<QString, int> listsOf(QDialog const& dialog)
{
    std::map<QString, int> lists;
    for (QComboBox* const combo : dialog.findChildren<QComboBox*>())
        lists[combo->objectName()] = combo->count();
    for (QAbstractItemView* const view : dialog.findChildren<QAbstractItemView*>())
        if (view->model() && !qobject_cast<QComboBox*>(view->parentWidget()))
            lists[view->objectName()] = view->model()->rowCount();
    return lists;
}

// A data set with names to find in: the sample's, `probes` probe readings and names holding
// characters that a pattern would read otherwise.
void loadFindingDataSet(int probes)
{
    auto& host = ReferenceHost::instance();
    host.loadSampleDataSet(probes);
    quarlin::host::DataSet data = host.dataSet();
    for (char const* const name : {"Temperature (K)", "rho*u", "path\\to", "x.y"})
        data.variables.push_back({name, {}});
    host.loadDataSet(std::move(data));
}

// The host's variables whose names hold `typed`, ignoring case, in the data set's order.
QStringList variablesHolding(QString const& typed)
{
    QStringList names;
    for (auto const& variable : ReferenceHost::instance().dataSet().variables)
        if (QString const name = QString::fromStdString(variable.name);
            name.contains(typed, Qt::CaseInsensitive))
            names << name;
    return names;
}

// Whether a combo box lists the host's variables: it offers each of them.
bool listsEveryVariable(QComboBox const& combo)
{
    auto const& variables = ReferenceHost::instance().dataSet().variables;
    return combo.count() >= int(variables.size())
           && std::all_of(variables.begin(), variables.end(), [&combo](auto const& variable) {
                  return combo.findText(QString::fromStdString(variable.name)) >= 0;
              });
}

// After a prompt went with its window, the next request builds a new one under the new parent.
bool buildsAfreshUnderANewParent(QString const& prompt, HostSession& session)
{
    QWidget newParent;
    QPointer<QDialog> const fresh = stage(prompt, session, newParent);
    return fresh && fresh->parentWidget() == &newParent;
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
    void parentDeletesItselfWhileOpen_data() { catalogRows(); }
    void returnInEveryField_data() { catalogRows(); }
    void nothingEscapesAHostThatRefusesEverything_data() { catalogRows(); }
    void speaksGerman_data() { catalogRows(); }
    // A row for each call a prompt makes: found by trying everything in it once, destroying nothing.
    void hostCallbackDestroysThePrompt_data()
    {
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("callback");
        QTest::addColumn<bool>("promptItself"); // else its parent
        HostSession catalogSession;
        for (auto const& entry : promptCatalog(catalogSession))
            for (QString const& callback : hostCallbacks) {
                init();
                HostSession session;
                QWidget parent;
                QPointer<QDialog> dialog;
                int calls = 0;
                tryWithHook(entry.name, callback, session, parent, dialog, [&calls] { ++calls; });
                delete dialog.data(); // the next dry run builds its own
                for (bool const itself : {false, true})
                    if (calls > 0)
                        QTest::addRow("%s, %s, %s", qPrintable(entry.name), qPrintable(callback),
                                      itself ? "prompt" : "parent")
                            << entry.name << callback << itself;
            }
    }

    // A row for each prompt with lists that follow the host's data set: found by changing the
    // data set under it once.
    void dataChangesUnderTheOpenPrompt_data()
    {
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QStringList>("following");
        QTest::addColumn<QString>("change");
        HostSession catalogSession;
        for (auto const& entry : promptCatalog(catalogSession)) {
            init();
            HostSession session;
            QWidget parent;
            QPointer<QDialog> const dialog = stage(entry.name, session, parent);
            auto const before = listsOf(*dialog);
            changeDataSet(QStringLiteral("replaced"));
            quarlin::test::reachIdle();
            QStringList following;
            for (auto const& [name, rows] : listsOf(*dialog))
                if (before.count(name) && before.at(name) != rows)
                    following << name;
            delete dialog.data();
            if (!following.isEmpty())
                for (char const* change : {"replaced", "shrunk", "removed"})
                    QTest::addRow("%s, %s", qPrintable(entry.name), change)
                        << entry.name << following << QString::fromLatin1(change);
        }
    }

    // A row for each way a person finds in each list of the host's variables the catalog's
    // prompts show, the lists found by what they list.
    void findAVariableByPartOfItsName_data()
    {
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("action");
        HostSession catalogSession;
        for (auto const& entry : promptCatalog(catalogSession)) {
            init();
            loadFindingDataSet(300);
            HostSession session;
            QWidget parent;
            QPointer<QDialog> const dialog = stage(entry.name, session, parent);
            quarlin::test::showActive(dialog);
            quarlin::test::reachIdle();
            for (QComboBox* const combo : dialog->findChildren<QComboBox*>())
                if (combo->isVisibleTo(dialog) && combo->isEnabled() && listsEveryVariable(*combo))
                    for (char const* action : {"chosen", "literal", "Escape", "no match", "data set changed"})
                        QTest::addRow("%s %s, %s", qPrintable(entry.name), qPrintable(combo->objectName()),
                                      action)
                            << entry.name << combo->objectName() << QString::fromLatin1(action);
            delete dialog.data();
        }
    }

private:
    static void catalogRows()
    {
        QTest::addColumn<QString>("prompt");
        HostSession session;
        for (auto const& entry : promptCatalog(session))
            QTest::newRow(qPrintable(entry.name)) << entry.name;
    }

private Q_SLOTS:
    void formAsAHostAndAPersonMeetIt()
    {
        QFETCH(QString, prompt);
        QVERIFY2(expectations.count(prompt), "a prompt this test has no expectations for");
        Expected const& expected = expectations.at(prompt);
        HostSession session;
        QWidget parent;
        QPointer<QDialog> const dialog = stage(prompt, session, parent);
        QVERIFY(dialog);
        QCOMPARE(dialog->objectName(), formNameOf(prompt));
        QVERIFY(quarlin::test::showActive(dialog));

        auto* const box = dialog->findChild<QDialogButtonBox*>();
        QVERIFY(box);
        if (expected.finish != Expected::OkOrCancel) {
            QCOMPARE(box->standardButtons(), QDialogButtonBox::StandardButtons(QDialogButtonBox::Close));
        } else {
            QVERIFY(box->button(QDialogButtonBox::Ok) && box->button(QDialogButtonBox::Cancel));
            QVERIFY(box->button(QDialogButtonBox::Ok)->isDefault()
                    || box->button(QDialogButtonBox::Ok)->autoDefault());
        }

        // Tab from the first input visits the inputs in order, then reaches the buttons; twice
        // round by Tab alone reaches every control.
        QList<QWidget*> controls;
        QWidget* first = nullptr;
        for (QWidget* const widget : dialog->findChildren<QWidget*>()) {
            if (isFocusableControl(widget, dialog))
                controls << widget;
            if (!first && matches(expected.inputs.first(), widget->objectName()))
                first = widget;
        }
        QVERIFY(first);
        first->setFocus();
        QList<QWidget*> stops{first};
        for (int i = 0; i < 2 * controls.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY(QApplication::focusWidget());
            stops << QApplication::focusWidget();
        }
        QStringList visited; // before the first button
        for (QWidget* const stop : stops) {
            if (box->isAncestorOf(stop))
                break;
            visited << stop->objectName();
        }
        // Each expected entry takes the run of stops it matches, and nothing is left over.
        int next = 0;
        for (QString const& entry : expected.inputs) {
            QVERIFY2(next < visited.size() && matches(entry, visited.at(next)),
                     qPrintable(visited.join(QLatin1Char(' '))));
            while (next < visited.size() && matches(entry, visited.at(next)))
                ++next;
        }
        QCOMPARE(next, visited.size());

        // A label with a shortcut leads to a control a person can use.
        for (QLabel* const label : dialog->findChildren<QLabel*>())
            if (label->text().contains(QLatin1Char('&')) && label->isVisible())
                QVERIFY2(label->buddy() && label->buddy()->focusPolicy() != Qt::NoFocus,
                         qPrintable(label->objectName()));

        // What a screen reader and a keyboard user meet: every control has a name in words, Tab
        // reaches it, and while it has the focus it looks different.
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

        // F1 hands the prompt's topic to the host, and Escape cancels. Without a data set a prompt
        // that needs one is greyed out and OK does nothing, and it comes back when a data set is
        // loaded.
        QTest::keyClick(dialog, Qt::Key_F1);
        QCOMPARE(ReferenceHost::instance().helpTopics(), std::vector<std::string>{expected.helpTopic});
        QVERIFY(dialog->isVisible()); // help does not end the prompt
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QVERIFY(quarlin::test::showActive(dialog));
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
    void parentDeletesItselfWhileOpen()
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
        QVERIFY(buildsAfreshUnderANewParent(prompt, session));
    }

    // Return in any field of a prompt with OK accepts it. In a Close-only prompt, whose changes have
    // reached the host already, it commits the field and nothing else: no button is pressed (no
    // Close, no Recalculate Size over the value just typed), and the host sees no write.
    void returnInEveryField()
    {
        QFETCH(QString, prompt);
        bool const closeOnly = expectations.at(prompt).finish == Expected::Close;
        HostSession session;
        QWidget parent;
        QStringList fields;
        for (QWidget* const field : fieldsOf(stage(prompt, session, parent)))
            fields << field->objectName();
        QStringList failures;
        for (QString const& name : fields) {
            QPointer<QDialog> const dialog = stage(prompt, session, parent);
            ReferenceHost::instance().styleStore().clearWrites();
            auto const run = runPrompt(prompt, dialog, [&] {
                QVERIFY(quarlin::test::showActive(dialog));
                QWidget* const field = dialog->findChild<QWidget*>(name);
                field->setFocus(Qt::TabFocusReason);
                QTest::keyClick(field, Qt::Key_Return);
            });
            if (closeOnly != run.leftOpen || (!closeOnly && dialog->result() != QDialog::Accepted))
                failures << name
                                + (closeOnly ? QStringLiteral(": closed") : QStringLiteral(": not accepted"));
            if (closeOnly && !ReferenceHost::instance().styleStore().writes().empty())
                failures << name + QStringLiteral(": wrote to the host");
        }
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QStringLiteral("; "))));
    }

    void typedNumberReachesTheHostAsShownOrIsRefused_data()
    {
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        quarlin::test::resetHost();
        ReferenceHost::instance().loadSampleDataSet();
        HostSession session;
        // Overflow, beyond the range, not a number, tiny, huge, trailing junk, and what people write.
        QStringList const texts =
            QString::fromUtf8("1e400 -1e400 2e150 99999999999 0 - nan 5e-19 1e150 12abc 0.1 1.5E3 \u22124.25")
                .split(QLatin1Char(' '));
        for (auto const& entry : promptCatalog(session)) {
            QWidget parent;
            for (QWidget* const field : fieldsOf(entry.stage(parent))) {
                if (!isNumberField(field))
                    continue;
                QStringList rows = texts;
                // A whole-number field's limits, and one past each with as many digits.
                if (auto* const whole = qobject_cast<QSpinBox*>(field))
                    for (long long const limit : {whole->minimum(), whole->maximum()})
                        for (long long const number : {limit - 1, limit, limit + 1})
                            rows << QString::number(number);
                for (QString const& text : rows)
                    QTest::addRow("%s %s %s", qPrintable(entry.name), qPrintable(field->objectName()),
                                  qPrintable(text))
                        << entry.name << field->objectName() << text;
            }
        }
    }

    // Whatever a person types into a number field and confirms with Return, the host gets the number
    // the field showed, exactly; or the text is refused, the host keeps its value and the field shows
    // it again: a spin box says why in one message, a line edit whose validator does not accept the
    // text says nothing. Never a third number (the last acceptable keystroke's value, a rounded one,
    // a clamped one), and a whole number stands as typed, however far past the range.
    void typedNumberReachesTheHostAsShownOrIsRefused()
    {
        QFETCH(QString, prompt);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QVERIFY2(hostValueOf.count(field), "a number field this test cannot read back from the host");
        HostSession session;
        QWidget parent;
        QPointer<QDialog> const dialog = stage(prompt, session, parent);
        double const before = hostValueOf.at(field)(dialog);
        QString beforeText, shown, afterText;
        bool validatorRefuses = false, spinBox = false;
        runPrompt(prompt, dialog, [&] {
            QVERIFY(quarlin::test::showActive(dialog));
            QWidget* const widget = dialog->findChild<QWidget*>(field);
            QLineEdit* const edit = editOf(widget);
            spinBox = qobject_cast<QAbstractSpinBox*>(widget) != nullptr;
            widget->setFocus(Qt::TabFocusReason);
            beforeText = edit->text();
            edit->selectAll();
            quarlin::test::typeText(edit, typed);
            shown = edit->text();
            QString judged = shown;
            int position = 0;
            validatorRefuses = edit->validator()->validate(judged, position) != QValidator::Acceptable;
            ReferenceHost::instance().clearRecords();
            QTest::keyClick(widget, Qt::Key_Return);
            afterText = edit->text();
        });
        if (QRegularExpression(QStringLiteral("^-?\\d+$")).match(typed).hasMatch())
            QCOMPARE(shown, typed);
        double const after = hostValueOf.at(field)(dialog);
        auto const messages = quarlin::test::hostMessageTexts();
        // Exactly: QCOMPARE would compare doubles fuzzily.
        auto const expectHost = [&](double expected) {
            QVERIFY2(after == expected || (std::isnan(after) && std::isnan(expected)),
                     qPrintable(QStringLiteral("host has %1, expected %2")
                                    .arg(after, 0, 'g', 17)
                                    .arg(expected, 0, 'g', 17)));
        };
        if (validatorRefuses && shown != beforeText) {
            QCOMPARE(int(messages.size()), spinBox ? 1 : 0);
            QCOMPARE(afterText, beforeText);
            expectHost(before);
        } else if (!messages.empty()) { // refused by its conversion or by the property
            QCOMPARE(int(messages.size()), 1);
            QCOMPARE(afterText, beforeText);
            expectHost(before);
        } else if (shown == beforeText) {
            expectHost(before);
        } else {
            bool ok = false;
            double const number =
                QLocale::c().toDouble(shown.trimmed().replace(QChar(0x2212), QLatin1Char('-')), &ok);
            QVERIFY2(ok, qPrintable(QStringLiteral("taken without a message: \"%1\"").arg(shown)));
            expectHost(number);
        }
    }

    void typedTextReachesTheHostWhole_data()
    {
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("how"); // typed, pasted, or the host's initial text
        struct Text
        {
            char const* name;
            QString text;
            bool canBeTyped;
        };
        std::vector<Text> const texts{
            {"outside the basic plane", QString::fromUtf8("\xf0\x9f\x98\x80"), true},
            {"combining sequence", QStringLiteral("e\u0301"), true},
            {"right-to-left word", QString::fromUtf8("\xd7\xa9\xd7\x9c\xd7\x95\xd7\x9d"), true},
            {"blanks around", QStringLiteral("  A & B  "), true},
            {"100000 characters", QString(100000, QLatin1Char('w')), false},
            {"newline", QStringLiteral("a\nb"), false},
            {"empty", QString(), true},
        };
        for (QString const& prompt :
             {QStringLiteral("EnterTextString"), QStringLiteral("EnterASCIICharacter")})
            for (Text const& text : texts)
                for (QString const& how :
                     {QStringLiteral("typed"), QStringLiteral("pasted"), QStringLiteral("initial")})
                    if ((how != QLatin1String("typed") || text.canBeTyped)
                        && (how != QLatin1String("initial")
                            || (prompt == QLatin1String("EnterTextString") && !text.text.isEmpty())))
                        QTest::addRow("%s, %s, %s", qPrintable(prompt), text.name, qPrintable(how))
                            << prompt << text.text << how;
    }

    // A text field takes what a person types or pastes, and what the host gives it, whole; or it
    // refuses it and keeps what it had, the focus staying: the symbol field takes one character as
    // a person sees it (more is not taken, silently; none is refused with the property's message),
    // the text field any line.
    void typedTextReachesTheHostWhole()
    {
        QFETCH(QString, prompt);
        QFETCH(QString, given);
        QFETCH(QString, how);
        bool const symbol = prompt == QLatin1String("EnterASCIICharacter");
        bool const initial = how == QLatin1String("initial");
        HostSession session;
        if (initial) // the text prompt is built with the host's text
            session.frameName = given;
        QWidget parent;
        QPointer<QDialog> const dialog = stage(prompt, session, parent);
        auto const received = [&]() -> QString {
            if (symbol)
                return QString::fromStdString(
                    dynamic_cast<EnterASCIICharacterDialog*>(dialog.data())->selectedChar());
            return dynamic_cast<EnterTextStringDialog*>(dialog.data())->text();
        };
        QString const before = received();
        ReferenceHost::instance().clearRecords();
        auto const run = runPrompt(prompt, dialog, [&] {
            QVERIFY(quarlin::test::showActive(dialog));
            auto* const edit = qobject_cast<QLineEdit*>(fieldsOf(dialog).front());
            QVERIFY(edit);
            edit->setFocus(Qt::TabFocusReason);
            if (!initial) {
                edit->selectAll();
                QTest::keyClick(edit, Qt::Key_Delete);
            }
            if (how == QLatin1String("pasted")) {
                QApplication::clipboard()->setText(given);
                QTest::keySequence(edit, QKeySequence::Paste);
            } else if (how == QLatin1String("typed")) {
                quarlin::test::typeText(edit, given);
            }
            QTest::keyClick(edit, Qt::Key_Return);
            if (symbol && edit->text() != given) { // refused: what was kept, still focused
                QCOMPARE(edit->text(), before);
                QVERIFY(edit->hasFocus());
            }
        });
        bool const oneCharacter =
            !given.isEmpty()
            && QTextBoundaryFinder(QTextBoundaryFinder::Grapheme, given).toNextBoundary() == given.size();
        bool const taken = initial || (symbol ? oneCharacter : !given.isEmpty());
        QCOMPARE(run.leftOpen, !taken);
        if (taken || symbol) // an empty text prompt stays open with its field empty
            QCOMPARE(received(), taken ? given : before);
        QCOMPARE(int(ReferenceHost::instance().messages().size()), symbol && given.isEmpty() ? 1 : 0);
    }

    void plotTypeWalkEndsAsAFreshOpen_data()
    {
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        HostSession session;
        for (auto const& entry : promptCatalog(session))
            for (int from = PlotType_Automatic; from <= PlotType_PolarLine; ++from)
                for (int to = PlotType_Automatic; to <= PlotType_PolarLine; ++to)
                    if (from != to)
                        QTest::addRow("%s, %d to %d", qPrintable(entry.name), from, to)
                            << entry.name << from << to;
    }

    // A prompt open while the frame's plot type changes ends where one opened on the new plot type
    // starts: the same controls usable, whatever the frame and the relevance rules did on the way.
    void plotTypeWalkEndsAsAFreshOpen()
    {
        QFETCH(QString, prompt);
        QFETCH(int, from);
        QFETCH(int, to);
        HostSession session;
        QWidget parent;
        ReferenceHost::instance().setPlotType(PlotType_e(from));
        QPointer<QDialog> dialog = stage(prompt, session, parent);
        QVERIFY(quarlin::test::showActive(dialog));
        quarlin::test::reachIdle();
        ReferenceHost::instance().setPlotType(PlotType_e(to));
        quarlin::test::reachIdle();
        QStringList const walked = usableControls(dialog);
        delete dialog;
        dialog = stage(prompt, session, parent);
        QVERIFY(quarlin::test::showActive(dialog));
        quarlin::test::reachIdle();
        QCOMPARE(walked, usableControls(dialog));
        dialog->reject();
    }

    // A host that refuses every style write, whose help fails, and a data set whose RGB channels
    // need repair: every prompt is built, shown, typed into, chosen from, asked for help by F1, by
    // each of its actions and each of its buttons, and closed; no exception reaches Qt, and each
    // failure of help is told once.
    void nothingEscapesAHostThatRefusesEverything()
    {
        QFETCH(QString, prompt);
        auto& styles = ReferenceHost::instance().styleStore();
        styles.change(quarlin::host::StyleKey{{"GlobalRGB", "RedChannelVar"}}, __int64(0));
        for (auto const& entry : styles.entries())
            styles.setRule(entry.key.path, quarlin::host::StyleRule::refuse("The host refuses."));
        int helpAsked = 0;
        boost::signals2::scoped_connection const helpFails =
            ReferenceHost::instance().helpShown.connect([&helpAsked](std::string const&) {
                ++helpAsked;
                throw std::runtime_error("help is down");
            });
        int const escapedBefore = quarlin::test::TestApplication::escapedExceptions();
        HostSession session;
        QWidget parent;
        QPointer<QDialog> const dialog = stage(prompt, session, parent);
        QVERIFY(dialog);
        runPrompt(prompt, dialog, [&] {
            QVERIFY(quarlin::test::showActive(dialog));
            tryEverything(dialog);
        });
        QCOMPARE(quarlin::test::TestApplication::escapedExceptions(), escapedBefore);
        QVERIFY(helpAsked >= 2); // F1 and the help action at least
        auto const messages = quarlin::test::hostMessageTexts();
        QCOMPARE(
            int(std::count(messages.begin(), messages.end(), "The change could not be made: help is down")),
            helpAsked);
    }

    // The host destroys the prompt, or the window under it, from inside a call the prompt makes to
    // it: a message it shows, help it opens, a style write it answers, the action run after OK, a
    // colour handed back. Nothing is touched after that call, the lock and the undo step are
    // closed, what was written stays written, launch() returns, and the next request builds a
    // fresh prompt.
    void hostCallbackDestroysThePrompt()
    {
        QFETCH(QString, prompt);
        QFETCH(QString, callback);
        QFETCH(bool, promptItself);
        auto& styles = ReferenceHost::instance().styleStore();
        HostSession session;
        auto* const parent = new QWidget;
        QPointer<QWidget> const parentGuard(parent);
        QPointer<QDialog> dialog;
        std::vector<quarlin::host::StyleEntry> heldWhenDestroyed;
        bool destroyed = false;
        auto const run = tryWithHook(prompt, callback, session, *parent, dialog, [&] {
            if (destroyed)
                return;
            destroyed = true;
            heldWhenDestroyed = styles.entries();
            delete (promptItself ? static_cast<QWidget*>(dialog.data()) : parentGuard.data());
        });
        delete parentGuard.data(); // where it still stands
        QVERIFY(destroyed);
        QVERIFY(run.actionsRan);
        QVERIFY(dialog.isNull());
        QCOMPARE(ReferenceHost::instance().lockDepth(), 0);
        QCOMPARE(ReferenceHost::instance().undoDepth(), 0);
        auto const now = styles.entries();
        QVERIFY2(
            std::equal(now.begin(), now.end(), heldWhenDestroyed.begin(), heldWhenDestroyed.end(),
                       [](auto const& a, auto const& b) { return a.key == b.key && a.value == b.value; }),
            "the host's settings changed after the prompt was gone");
        QVERIFY(buildsAfreshUnderANewParent(prompt, session));
    }

    // The host changes its data set while a person has picked the last entry of every list that
    // follows it. What the prompt then shows, writes and returns exists in the new data set: a
    // lost value is replaced by the prompt's own rule or the first listed one, never kept, and
    // OK hands back nothing the frame lacks.
    void dataChangesUnderTheOpenPrompt()
    {
        QFETCH(QString, prompt);
        QFETCH(QStringList, following);
        QFETCH(QString, change);
        auto& host = ReferenceHost::instance();
        HostSession session;
        QWidget parent;
        QPointer<QDialog> const dialog = stage(prompt, session, parent);
        bool okUsable = false;
        QStringList shownAfter;
        runPrompt(prompt, dialog, [&] {
            QVERIFY(quarlin::test::showActive(dialog));
            for (QString const& name : following) {
                auto* const list = dialog->findChild<QWidget*>(name);
                list->setFocus(Qt::TabFocusReason);
                QTest::keyClick(list, Qt::Key_End);
            }
            quarlin::test::reachIdle();
            host.clearRecords();
            changeDataSet(change);
            quarlin::test::reachIdle();
            for (QString const& name : following)
                if (auto* const combo = dialog->findChild<QComboBox*>(name))
                    shownAfter << combo->currentText();
            QPushButton* const ok = quarlin::test::dialogButton(*dialog, QDialogButtonBox::Ok);
            okUsable = ok && ok->isEnabled();
            if (okUsable)
                ok->click();
            quarlin::test::reachIdle();
        });
        QStringList names;
        for (auto const& variable : host.dataSet().variables)
            names << QString::fromStdString(variable.name);
        for (QString const& shown : shownAfter)
            QVERIFY2(shown.isEmpty() ? names.isEmpty() : names.contains(shown), qPrintable(shown));
        QCOMPARE(quarlin::test::hostMessageTexts(), std::vector<std::string>{}); // no write refused
        if (auto* const zones = qobject_cast<ZoneSelectDialog*>(dialog.data())) {
            int const count = int(host.dataSet().zones.size());
            QCOMPARE(okUsable, dialog->result() == QDialog::Accepted);
            if (okUsable)
                QVERIFY(zones->selectedZone() >= 1 && zones->selectedZone() <= count);
            else // greyed out: the zone picked is gone
                QVERIFY(zones->selectedZone() > count);
        }
    }

    // In German no text a person reads in a prompt is still the English one (a text asked for
    // under another context than its translation's stays English), and no two of its controls
    // share an accelerator.
    void speaksGerman()
    {
        QFETCH(QString, prompt);
        auto const english =
            qScopeGuard([] { quarlin::hostapp::installTranslations(QLocale(QLocale::English)); });
        QList<ShownText> const before = textsIn(prompt, QLocale(QLocale::English));
        QList<ShownText> const after = textsIn(prompt, QLocale(QLocale::German));
        QCOMPARE(after.size(), before.size());
        QStringList failures;
        std::map<QChar, QString> accelerators;
        for (int i = 0; i < after.size(); ++i) {
            QString const& text = after[i].text;
            if (text == before[i].text && !sameInGerman.contains(text)
                && text.contains(QRegularExpression(QStringLiteral("\\p{L}")))) // digits are digits
                failures << QStringLiteral("\"%1\" (%2) is still English").arg(text, after[i].where);
            if (QChar const key = quarlin::test::accessKey(text); after[i].mnemonic && !key.isNull()) {
                if (accelerators.count(key))
                    failures
                        << QStringLiteral("\"%1\" and \"%2\" share &%3").arg(accelerators[key], text, key);
                accelerators[key] = text;
            }
        }
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QStringLiteral("; "))));
    }

    // A prompt open while the language changes reads as one opened in the new language, and as
    // before once the language is back; a host's texts stay as the host gave them.
    void followsALanguageChangeWhileOpen()
    {
        QFETCH(QString, prompt);
        auto const english =
            qScopeGuard([] { quarlin::dialogs::prompt::installTranslations(QLocale(QLocale::English)); });
        QLocale const en(QLocale::English), de(QLocale::German);
        for (auto const& [from, to] : {std::pair{en, de}, std::pair{de, en}}) {
            QList<ShownText> const fresh = textsAfterSwitch(prompt, to, to);
            QList<ShownText> const switched = textsAfterSwitch(prompt, from, to);
            QCOMPARE(switched.size(), fresh.size());
            QStringList failures;
            for (int i = 0; i < fresh.size(); ++i)
                if (switched[i].text != fresh[i].text)
                    failures << QStringLiteral("%1: \"%2\" where \"%3\" belongs")
                                    .arg(fresh[i].where, switched[i].text, fresh[i].text);
            QVERIFY2(failures.isEmpty(),
                     qPrintable(to.name() + QLatin1String(": ") + failures.join(QStringLiteral("; "))));
        }
        // What the host named stays so: the window's title, and the text prompt's OK.
        HostSession session;
        QWidget parent;
        QPointer<QDialog> const dialog = stage(prompt, session, parent);
        dialog->setWindowTitle(QStringLiteral("Host title"));
        auto* const text = qobject_cast<quarlin::dialogs::prompt::EnterTextStringDialog*>(dialog.data());
        if (text)
            text->setOkButtonText("Rename");
        quarlin::test::showActive(dialog);
        quarlin::dialogs::prompt::installTranslations(de);
        quarlin::test::reachIdle();
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Host title"));
        if (text)
            QCOMPARE(quarlin::test::dialogButton(*dialog, QDialogButtonBox::Ok)->text(),
                     QStringLiteral("Rename"));
        dialog->reject();
    }
    void followsALanguageChangeWhileOpen_data() { catalogRows(); }

    // Typed into a list of variables, part of a name shows the variables holding it; Enter takes
    // the one highlighted and the host gets it as any choice; Escape leaves the prompt as it
    // was; no match chooses nothing; a pattern's characters are themselves; the host's data set
    // changing under the open finder changes the rows, not what was typed.
    void findAVariableByPartOfItsName()
    {
        QFETCH(QString, prompt);
        QFETCH(QString, list);
        QFETCH(QString, action);
        loadFindingDataSet(300);
        bool const chooses = action == QLatin1String("chosen") || action == QLatin1String("literal");
        QString const typed = action == QLatin1String("no match")  ? QStringLiteral("zz(q")
                              : action == QLatin1String("literal") ? QStringLiteral(".")
                                                                   : QStringLiteral("RMS_000");
        int const downs = action == QLatin1String("chosen") ? 1 : 0;
        QString chosen;
        QPointer<QDialog> dialog;
        auto const act = [&] {
            QVERIFY(quarlin::test::showActive(dialog));
            auto* const combo = dialog->findChild<QComboBox*>(list);
            QVERIFY(combo);
            int const before = combo->currentIndex();
            combo->setFocus(Qt::TabFocusReason);
            quarlin::test::typeIntoFocus(typed);
            auto* const finder = quarlin::sdk::ui::dialogs::propertybindings::ComboBoxFinder::of(*combo);
            QVERIFY2(finder && finder->isOpen(), "typing opened no finder");
            auto const shown = [&] {
                QStringList texts;
                for (int const row : finder->shownRows())
                    texts << combo->itemText(row);
                return texts;
            };
            QStringList const expected = variablesHolding(typed);
            QCOMPARE(shown(), expected);
            QVERIFY(finder->popup()->findChild<QLineEdit*>()->accessibleDescription().endsWith(
                QString::number(expected.size())));
            if (action == QLatin1String("data set changed")) {
                loadFindingDataSet(40);
                quarlin::test::reachIdle();
                QCOMPARE(finder->text(), typed);
                QCOMPARE(shown(), variablesHolding(typed));
            }
            for (int i = 0; i < downs; ++i)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
            QTest::keyClick(QApplication::focusWidget(), chooses ? Qt::Key_Return : Qt::Key_Escape);
            quarlin::test::reachIdle();
            QVERIFY(dialog && dialog->isVisible()); // Escape closed the list, not the prompt
            QVERIFY(!finder->isOpen());
            if (chooses) {
                chosen = expected.value(downs);
                QCOMPARE(combo->currentText(), chosen);
            } else if (action != QLatin1String("data set changed")) {
                QCOMPARE(combo->currentIndex(), before);
            }
            if (QPushButton* const ok = quarlin::test::dialogButton(*dialog, QDialogButtonBox::Ok))
                ok->click();
        };
        HostSession session;
        QWidget parent;
        for (auto const& entry : promptCatalog(session)) {
            if (entry.name != prompt)
                continue;
            QString outcome;
            if (expectations.at(prompt).modeless) {
                dialog = stage(prompt, session, parent);
                act();
                outcome = entry.run(parent); // the prompt is open already: what the host holds
            } else {
                quarlin::test::runModal(
                    nullptr, [&] { outcome = entry.run(parent); },
                    [&] {
                        dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                        act();
                    });
            }
            QVERIFY2(outcome.contains(chosen), qPrintable(outcome));
            QCOMPARE(quarlin::test::hostMessageTexts(), std::vector<std::string>{});
        }
    }

    // The grid moves as it looks: up, down, left and right from the middle, then Enter.
    void anchorByArrowKeysAlone()
    {
        using quarlin::dialogs::prompt::AnchorAlignmentDialog;
        std::pair<QList<int>, AnchorAlignment_e> const walks[] = {
            {{Qt::Key_Up, Qt::Key_Left}, AnchorAlignment_TopLeft},
            {{Qt::Key_Right, Qt::Key_Up}, AnchorAlignment_TopRight},
            {{Qt::Key_Left, Qt::Key_Down}, AnchorAlignment_BottomLeft},
            {{Qt::Key_Down, Qt::Key_Right}, AnchorAlignment_BottomRight}};
        for (auto const& [keys, corner] : walks) {
            QWidget parent; // a fresh prompt each time, opened on the middle
            AnchorAlignmentDialog& dialog =
                AnchorAlignmentDialog::getInstance(AnchorAlignment_MiddleCenter, parent);
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
            QCOMPARE(dialog.selectedAlignment(), corner);
        }
    }
};

QUARLIN_TEST_MAIN(TestPrompts)
#include "tst_prompts.moc"
