// The binding core and its update modes, and the radio-button, text-field and list-view
// bindings: what the widget shows of the property, and what a person's edit does to it.
#include "testsupport/TestSupport.h"
#include "testsupport/TestValidators.h"

#include "property/Property.h"
#include "propertybindings/ListViewPropertyBinding.h"
#include "propertybindings/QObjectPropertyBinding.h"
#include "propertybindings/RadioButtonPropertyBinding.h"
#include "propertybindings/TextFieldPropertyBinding.h"
#include "propertybindings/models/StringListModel.h"
#include "referencehost/ReferenceHost.h"

#include <QLineEdit>
#include <QListView>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScopeGuard>
#include <QVBoxLayout>

#include <boost/make_shared.hpp>
#include <cmath>
#include <limits>
#include <set>

using quarlin::Property;
using quarlin::ValidationResult;
using quarlin::ValidatorInterface;
using quarlin::host::ReferenceHost;
using quarlin::sdk::ui::dialogs::propertybindings::BindingInterface;
using quarlin::sdk::ui::dialogs::propertybindings::QObjectPropertyBinding;
using quarlin::sdk::ui::dialogs::propertybindings::RadioButtonPropertyBinding;
using quarlin::sdk::ui::dialogs::propertybindings::TextFieldPropertyBinding;
using quarlin::sdk::ui::dialogs::propertybindings::UIStylePropertyAbstract;
using quarlin::test::hostMessageTexts;
using quarlin::test::reachIdle;
using namespace quarlin::sdk::ui::dialogs::propertybindings;

namespace {

boost::shared_ptr<ValidatorInterface<Font_e> const> noMath()
{
    return boost::make_shared<quarlin::test::RefusingValidator<Font_e>>(
        [](Font_e f) { return f == Font_Math; }, "The Math typeface is not installed.");
}

// Four buttons, one property, one binding per button: the shape the symbol prompt uses.
struct Group
{
    explicit Group(Font_e initial, boost::shared_ptr<ValidatorInterface<Font_e> const> validator = {})
        : property(validator ? boost::make_shared<Property<Font_e>>(initial, validator)
                             : boost::make_shared<Property<Font_e>>(initial))
    {
        auto* const layout = new QVBoxLayout(&window);
        for (Font_e font : fonts) {
            auto* const button = new QRadioButton(QStringLiteral("font %1").arg(int(font)), &window);
            layout->addWidget(button);
            buttons.push_back(button);
            bindings.push_back(std::make_unique<RadioButtonPropertyBinding<Font_e>>(button, property, font));
        }
        heardConnection =
            property->connectToValueChangedSignal([this](Font_e const& v) { heard.push_back(v); });
    }

    static constexpr Font_e fonts[4] = {Font_Base, Font_Greek, Font_Math, Font_UserDefined};
    QWidget window;
    std::vector<QRadioButton*> buttons; // owned by window
    boost::shared_ptr<Property<Font_e>> property;
    std::vector<std::unique_ptr<RadioButtonPropertyBinding<Font_e>>> bindings;
    std::vector<Font_e> heard;
    boost::signals2::scoped_connection heardConnection;
};

boost::shared_ptr<ValidatorInterface<double> const> positive()
{
    return boost::make_shared<quarlin::test::RefusingValidator<double>>([](double v) { return !(v > 0.0); },
                                                                        "The size must be positive.");
}

template <class T>
struct Field
{
    explicit Field(T initial, boost::shared_ptr<ValidatorInterface<T> const> validator = {})
        : property(validator ? boost::make_shared<Property<T>>(initial, validator)
                             : boost::make_shared<Property<T>>(initial))
    {
        auto* const layout = new QVBoxLayout(&window);
        edit = new QLineEdit(&window);
        other = new QLineEdit(&window);
        layout->addWidget(edit);
        layout->addWidget(other);
        binding = std::make_unique<TextFieldPropertyBinding<T>>(edit, property);
    }

    // Replaces the text as a paste would (past the validator's keystroke filter) and commits by Enter.
    void commit(QString const& text)
    {
        edit->setFocus();
        edit->setText(text);
        edit->setModified(true);
        QTest::keyClick(edit, Qt::Key_Return);
    }

    QWidget window;
    QLineEdit* edit = nullptr;  // owned by window
    QLineEdit* other = nullptr; // owned by window
    boost::shared_ptr<Property<T>> property;
    std::unique_ptr<TextFieldPropertyBinding<T>> binding;
};

// A property with UI state that keeps its value in memory.
class UIProperty : public UIStylePropertyAbstract<int>
{
protected:
    void storeValue(int const& value) override { m_value = value; }
    int storedValue() const override { return m_value; }

private:
    int m_value = 0;
};

// Counts the updates the core asks for.
class CountingBinding : public QObjectPropertyBinding<int>
{
public:
    using QObjectPropertyBinding<int>::QObjectPropertyBinding;
    using QObjectPropertyBinding<int>::requestWidgetUpdate;

    void updateWidget() override
    {
        ++widgetUpdates;
        shown = property().value();
    }
    void updateVisibility() override { ++visibilityUpdates; }
    void updateSensitivity() override { ++sensitivityUpdates; }

    int widgetUpdates = 0;
    int visibilityUpdates = 0;
    int sensitivityUpdates = 0;
    int shown = -1;
};

// A list view over "Row 0".."Row 9" bound to a set of row numbers, shown and counting what the
// property and the selection go through.
struct Fixture
{
    Fixture()
        : model(boost::make_shared<models::StringListModel>(rowTexts()))
        , property(boost::make_shared<Property<std::set<int>>>())
        , changes(property->connectToValueChangedSignal([this](std::set<int> const&) { ++propertyChanges; }))
    {
        binding.init(view, property, model, BindingInterface::ModelUpdateImmediate);
        binding.setSelectionMode(QAbstractItemView::ExtendedSelection);
        QObject::connect(view.selectionModel(), &QItemSelectionModel::selectionChanged,
                         [this] { ++selectionChanges; });
        view.show();
        quarlin::test::reachIdle();
    }

    static std::vector<std::string> rowTexts()
    {
        std::vector<std::string> rows;
        for (int i = 0; i < 10; ++i)
            rows.push_back("Row " + std::to_string(i));
        return rows;
    }

    std::set<int> selectedRows() const
    {
        std::set<int> rows;
        for (QModelIndex const& index : view.selectionModel()->selectedIndexes())
            rows.insert(index.row());
        return rows;
    }

    void click(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QRect const cell = view.visualRect(view.model()->index(row, 0));
        QTest::mouseClick(view.viewport(), Qt::LeftButton, modifiers, cell.center());
    }

    QListView view;
    boost::shared_ptr<models::StringListModel> model;
    boost::shared_ptr<Property<std::set<int>>> property;
    int propertyChanges = 0;
    int selectionChanges = 0;
    boost::signals2::scoped_connection changes;
    ListViewPropertyBinding binding;
};

} // namespace

Q_DECLARE_METATYPE(BindingInterface::WidgetUpdateMode_e)

class TestBindings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { quarlin::test::resetHost(); }

    // The buttons show the property's value at construction and at the idle point after a change
    // (until then, the value it had). A click sets it once (the unchecked button says nothing); a
    // refused value is reported once and the button of the value kept is checked again at once.
    void radioButtonsFollowAndSetTheProperty_data()
    {
        QTest::addColumn<int>("initial");
        QTest::addColumn<int>("later");   // -1: no change
        QTest::addColumn<int>("clicked"); // index into fonts, or -1
        QTest::addColumn<int>("kept");
        QTest::newRow("base") << int(Font_Base) << -1 << -1 << int(Font_Base);
        QTest::newRow("no button has it") << int(Font_Helvetica) << -1 << -1 << int(Font_Helvetica);
        QTest::newRow("changed") << int(Font_Base) << int(Font_UserDefined) << -1 << int(Font_UserDefined);
        // Qt keeps an exclusive group's last checked button.
        QTest::newRow("changed to one no button has")
            << int(Font_Greek) << int(Font_Helvetica) << -1 << int(Font_Helvetica);
        QTest::newRow("another button clicked") << int(Font_Base) << -1 << 2 << int(Font_Math);
        QTest::newRow("the checked one clicked") << int(Font_Greek) << -1 << 1 << int(Font_Greek);
        QTest::newRow("refused") << int(Font_Greek) << -1 << 2 << int(Font_Greek);
    }

    void radioButtonsFollowAndSetTheProperty()
    {
        QFETCH(int, initial);
        QFETCH(int, later);
        QFETCH(int, clicked);
        QFETCH(int, kept);
        bool const refused = QTest::currentDataTag() == QByteArray("refused");
        Group group(static_cast<Font_e>(initial), refused ? noMath() : nullptr);
        auto const checked = [&group](int font) {
            for (int i = 0; i < 4; ++i)
                QCOMPARE(group.buttons[std::size_t(i)]->isChecked(), Group::fonts[i] == font);
        };
        QVERIFY(quarlin::test::showActive(&group.window));
        if (later != -1) {
            group.property->setValue(static_cast<Font_e>(later));
            checked(initial);
            reachIdle();
        }
        if (clicked != -1)
            quarlin::test::clickIndicator(group.buttons[std::size_t(clicked)]);
        QCOMPARE(int(group.property->value()), kept);
        QCOMPARE(group.heard, kept == initial ? std::vector<Font_e>{} : std::vector<Font_e>{Font_e(kept)});
        checked(later == Font_Helvetica ? initial : kept);
        QCOMPARE(hostMessageTexts(), refused ? std::vector<std::string>{"The Math typeface is not installed."}
                                             : std::vector<std::string>{});
        if (refused)
            QCOMPARE(ReferenceHost::instance().messages().front().type, MessageBoxType_Error);
    }
    // A number shows as a stream writes it, at once; committing the shown text gives back the
    // exact value, text typed otherwise is taken as written, in the locale's notation; text that
    // is no number is not taken, silently, and a number the property refuses is reported; either
    // way the field shows the value kept.
    void doubleCommit_data()
    {
        QTest::addColumn<QString>("locale"); // empty: the C locale
        QTest::addColumn<double>("initial");
        QTest::addColumn<QString>("typed"); // null: the text shown
        QTest::addColumn<double>("expected");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown"); // before and after the commit
        QString const c, shownText;
        QString const notPositive = QStringLiteral("The size must be positive.");
        QTest::newRow("0.5 as shown") << c << 0.5 << shownText << 0.5 << QString() << QStringLiteral("0.5");
        QTest::newRow("1234567 as shown")
            << c << 1234567.0 << shownText << 1234567.0 << QString() << QStringLiteral("1.23457e+06");
        QTest::newRow("small as shown")
            << c << 0.00001 << shownText << 0.00001 << QString() << QStringLiteral("1e-05");
        QTest::newRow("1.23457e6 typed") << c << 1.0 << QStringLiteral("1.23457e6") << 1234570.0 << QString()
                                         << QStringLiteral("1.23457e+06");
        QTest::newRow("blanks around")
            << c << 1.0 << QStringLiteral("  7.25 ") << 7.25 << QString() << QStringLiteral("7.25");
        QTest::newRow("typographic minus refused by the property")
            << c << 1.0 << QStringLiteral("\u22124") << 1.0 << notPositive << QStringLiteral("1");
        QTest::newRow("zero refused")
            << c << 1.0 << QStringLiteral("0") << 1.0 << notPositive << QStringLiteral("1");
        // Text the field's validator does not accept is not taken, and nothing is said.
        QTest::newRow("letters") << c << 1.0 << QStringLiteral("abc") << 1.0 << QString()
                                 << QStringLiteral("1");
        QTest::newRow("empty") << c << 1.0 << QString(QLatin1String("")) << 1.0 << QString()
                               << QStringLiteral("1");
        QTest::newRow("group separator")
            << c << 1.0 << QStringLiteral("1,234") << 1.0 << QString() << QStringLiteral("1");
        QTest::newRow("unfinished exponent")
            << c << 1.0 << QStringLiteral("1e") << 1.0 << QString() << QStringLiteral("1");
        QString const de = QStringLiteral("de_DE");
        QTest::newRow("decimal comma") << de << 1.0 << QStringLiteral("2,5") << 2.5 << QString() << QString();
        QTest::newRow("decimal comma, exponent")
            << de << 1.0 << QStringLiteral("1,5e3") << 1500.0 << QString() << QString();
    }

    void doubleCommit()
    {
        QFETCH(QString, locale);
        QFETCH(double, initial);
        QFETCH(QString, typed);
        QFETCH(double, expected);
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QLocale const saved;
        if (!locale.isEmpty())
            QLocale::setDefault(QLocale(locale));
        auto const restore = qScopeGuard([&saved] { QLocale::setDefault(saved); });
        Field<double> field(initial, positive());
        if (typed.isNull())
            QCOMPARE(field.edit->text(), shown); // at once, without waiting for a change
        QVERIFY(quarlin::test::showActive(&field.window));
        field.commit(typed.isNull() ? field.edit->text() : typed);
        QCOMPARE(field.property->value(), expected);
        QCOMPARE(hostMessageTexts(), message.isEmpty() ? std::vector<std::string>{}
                                                       : std::vector<std::string>{message.toStdString()});
        if (!shown.isNull())
            QCOMPARE(field.edit->text(), shown);
        QVERIFY(field.edit->hasFocus());
    }

    void focusLossCommitsEditedTextOnly()
    {
        Field<double> field(3.0);
        QVERIFY(quarlin::test::showActive(&field.window));
        field.edit->setFocus();
        field.other->setFocus(); // passing through commits nothing
        QVERIFY(ReferenceHost::instance().messages().empty());
        field.edit->setFocus();
        QTest::keyClick(field.edit, Qt::Key_End);
        quarlin::test::typeText(field.edit, QStringLiteral("5"));
        field.other->setFocus();
        quarlin::test::reachIdle(); // committed once the focus has moved
        QCOMPARE(field.property->value(), 35.0);
    }

    void textValidatorRules()
    {
        QLineEdit edit;
        auto const property = boost::make_shared<Property<std::string>>("x");
        {
            // An earlier double binding left its validator behind...
            auto const number = boost::make_shared<Property<double>>(1.0);
            TextFieldPropertyBinding<double> const earlier(&edit, number);
            QCOMPARE(edit.validator()->objectName(), QStringLiteral("QuarlinBindingInstalledValidator"));
        }
        {
            // ...which a text binding removes.
            TextFieldPropertyBinding<std::string> const text(&edit, property);
            QVERIFY(!edit.validator());
        }
        auto* const form =
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[a-z]")), &edit);
        edit.setValidator(form);
        TextFieldPropertyBinding<std::string> const text(&edit, property);
        QCOMPARE(edit.validator(), form); // the form's own validator stays
    }

    // Immediate updates run inside setValue; on idle (or any other mode) a burst becomes one
    // update at the idle point, which reads the property then. An equal value, or a UI state set
    // again, updates nothing; visibility and sensitivity follow the same mode.
    void updatesFollowTheMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("immediate") << int(BindingInterface::WidgetUpdateImmediate);
        QTest::newRow("on idle") << int(BindingInterface::WidgetUpdateOnIdle);
        QTest::newRow("any other value acts as on idle") << 7;
    }

    void updatesFollowTheMode()
    {
        QFETCH(int, mode);
        bool const immediate = mode == BindingInterface::WidgetUpdateImmediate;
        UIProperty property;
        CountingBinding binding(property, static_cast<BindingInterface::WidgetUpdateMode_e>(mode));
        QCOMPARE(binding.widgetUpdates, 0); // the core does not update from its constructor
        for (int i = 1; i <= 10; ++i)
            property.setValue(i);
        property.setValue(10);
        property.setVisible(false);
        property.setVisible(true);
        property.setSensitive(false);
        property.setSensitive(false); // no change: no signal
        QCOMPARE(binding.widgetUpdates, immediate ? 10 : 0);
        QCOMPARE(binding.visibilityUpdates, immediate ? 2 : 0);
        QCOMPARE(binding.sensitivityUpdates, immediate ? 1 : 0);
        reachIdle();
        reachIdle();
        QCOMPARE(binding.widgetUpdates, immediate ? 10 : 1);
        QCOMPARE(binding.shown, 10);
        QCOMPARE(binding.visibilityUpdates, immediate ? 2 : 1);
        QCOMPARE(binding.sensitivityUpdates, 1);
    }

    void pendingUpdateDiesWithBinding()
    {
        auto const property = boost::make_shared<Property<int>>(0);
        int updatesAfterDeath = 0;
        {
            // The update would write into a counter that outlives the binding.
            struct Reporting : CountingBinding
            {
                Reporting(boost::shared_ptr<Property<int>> p, int& out)
                    : CountingBinding(p, BindingInterface::WidgetUpdateOnIdle)
                    , sink(&out)
                {}
                void updateWidget() override { ++*sink; }
                int* sink;
            } binding(property, updatesAfterDeath);
            property->setValue(5);
        }
        reachIdle();
        QCOMPARE(updatesAfterDeath, 0);
        property->setValue(6); // no listener left behind
        reachIdle();
        QCOMPARE(updatesAfterDeath, 0);
    }

    void programmaticChangeSelectsAtIdleWithoutWritingBack()
    {
        Fixture f;
        f.property->setValue({2, 3, 7});
        QVERIFY(f.selectedRows().empty());
        quarlin::test::reachIdle();
        QCOMPARE(f.selectedRows(), (std::set<int>{2, 3, 7}));
        QCOMPARE(f.propertyChanges, 1);
        int const selectionChanges = f.selectionChanges;
        f.property->setValue({2, 3, 7}); // the same rows: nothing is applied again
        quarlin::test::reachIdle();
        QCOMPARE(f.selectionChanges, selectionChanges);
    }

    void personsSelectionWritesOnceAndSorted()
    {
        Fixture f;
        f.click(6);
        f.click(1, Qt::ControlModifier);
        QCOMPARE(f.property->value(), (std::set<int>{1, 6}));
        QCOMPARE(f.propertyChanges, 2);
        int const selectionChanges = f.selectionChanges;
        quarlin::test::reachIdle(); // no redisplay was scheduled for the person's own change
        QCOMPARE(f.selectionChanges, selectionChanges);
        QCOMPARE(f.selectedRows(), (std::set<int>{1, 6}));
    }

    void vectorSelectsTheDistinctRowsItNames_data()
    {
        QTest::addColumn<std::vector<int>>("values");
        QTest::addColumn<std::vector<int>>("selected");
        int const most = std::numeric_limits<int>::max(), least = std::numeric_limits<int>::min();
        QTest::newRow("runs") << std::vector<int>{1, 2, 3, 7, 8} << std::vector<int>{1, 2, 3, 7, 8};
        QTest::newRow("every other") << std::vector<int>{0, 2, 4, 6, 8} << std::vector<int>{0, 2, 4, 6, 8};
        QTest::newRow("unsorted, repeated") << std::vector<int>{7, 1, 7, 2} << std::vector<int>{1, 2, 7};
        QTest::newRow("ascending past the last row") << std::vector<int>{8, 9, 10} << std::vector<int>{8, 9};
        QTest::newRow("no such rows, at the limits")
            << std::vector<int>{-1, most, least, 3} << std::vector<int>{3};
        QTest::newRow("empty") << std::vector<int>{} << std::vector<int>{};
    }

    // Values that are rows select exactly the rows that exist, whatever their order; the property
    // keeps what it was given.
    void vectorSelectsTheDistinctRowsItNames()
    {
        QFETCH(std::vector<int>, values);
        QFETCH(std::vector<int>, selected);
        QListView view;
        auto const property = boost::make_shared<Property<std::vector<int>>>(std::vector<int>{0, 9});
        ListViewPropertyBinding binding;
        binding.init(view, property, boost::make_shared<models::StringListModel>(Fixture::rowTexts()),
                     BindingInterface::ModelUpdateImmediate);
        view.show();
        reachIdle();
        property->setValue(values);
        reachIdle();
        std::vector<int> rows;
        for (QModelIndex const& index : view.selectionModel()->selectedIndexes())
            rows.push_back(index.row());
        std::sort(rows.begin(), rows.end());
        QCOMPARE(rows, selected);
        QCOMPARE(property->value(), values);
    }

    void removedRowDropsItsValueAtIdle()
    {
        Fixture f;
        f.property->setValue({8, 9});
        quarlin::test::reachIdle();
        f.model->remove(9, 9);
        quarlin::test::reachIdle();
        QCOMPARE(f.property->value(), std::set<int>{8});
        QCOMPARE(f.selectedRows(), std::set<int>{8});
    }
};

QUARLIN_TEST_MAIN(TestBindings)
#include "tst_bindings.moc"
