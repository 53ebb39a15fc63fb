#include "testsupport/TestModels.h"
#include "testsupport/TestSupport.h"
#include "testsupport/TestValidators.h"

#include "prompt/Translations.h"
#include "property/Property.h"
#include "propertybindings/ComboBoxFinder.h"
#include "propertybindings/ComboBoxPropertyBinding.h"
#include "propertybindings/models/PremappedListModel.h"
#include "referencehost/ReferenceHost.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListView>
#include <QProxyStyle>
#include <QRegularExpressionValidator>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QStyleOptionComboBox>
#include <QVBoxLayout>

#include <boost/make_shared.hpp>

#include <numeric>

using quarlin::Property;
using quarlin::ValidationResult;
using quarlin::ValidatorInterface;
using quarlin::dialogs::prompt::installTranslations;
using quarlin::host::ReferenceHost;
using quarlin::sdk::ui::dialogs::propertybindings::BindingInterface;
using quarlin::sdk::ui::dialogs::propertybindings::ComboBoxFinder;
using quarlin::sdk::ui::dialogs::propertybindings::ComboBoxPropertyBinding;
using quarlin::sdk::ui::dialogs::propertybindings::models::QListModel;
using quarlin::test::AtMost;
using quarlin::test::hostMessageTexts;
using quarlin::test::VectorModel;

namespace {

using Model = VectorModel<int>;

std::vector<Model::Row> variables(std::vector<int> numbers)
{
    std::vector<Model::Row> rows;
    for (int n : numbers)
        rows.push_back({"Var " + std::to_string(n), n, false});
    return rows;
}

// A window with a combo bound to an int property over a test model, and a second widget.
struct Bench
{
    Bench(int initial, std::vector<Model::Row> rows, bool editable = false,
          boost::shared_ptr<ValidatorInterface<int> const> validator = {},
          QValidator* formValidator = nullptr)
        : property(validator ? boost::make_shared<Property<int>>(initial, validator)
                             : boost::make_shared<Property<int>>(initial))
        , model(boost::make_shared<Model>(std::move(rows)))
    {
        auto* const layout = new QVBoxLayout(&window);
        combo = new QComboBox(&window);
        combo->setEditable(editable);
        if (formValidator && combo->lineEdit())
            combo->lineEdit()->setValidator(formValidator);
        other = new QLineEdit(&window);
        layout->addWidget(combo);
        layout->addWidget(other);
        bind();
        heardConnection = property->connectToValueChangedSignal([this](int const& v) { heard.push_back(v); });
    }

    void bind()
    {
        binding = std::make_unique<ComboBoxPropertyBinding<int>>(*combo, property, model,
                                                                 BindingInterface::ModelUpdateImmediate);
    }

    QListModel* adapter() const { return qobject_cast<QListModel*>(combo->model()); }

    QWidget window;
    QComboBox* combo = nullptr; // owned by window
    QLineEdit* other = nullptr; // owned by window
    boost::shared_ptr<Property<int>> property;
    boost::shared_ptr<Model> model;
    std::unique_ptr<ComboBoxPropertyBinding<int>> binding;
    std::vector<int> heard;
    boost::signals2::scoped_connection heardConnection;
};

// Rows to find in: groups under headers, names of every kind a data set has.
std::vector<Model::Row> const findable{
    {"Temperatures", 0, true},
    {"Temperature_probe_0417", 1},
    {"temperature_mean", 2},
    {"Velocities", 0, true},
    {"U_velocity_rms", 3},
    {"V_velocity_rms_0417", 4},
    {"Odd names", 0, true},
    {"T(K)", 5},
    {"rho*u", 6},
    {"back\\slash", 7},
    {"x.y", 8},
    {"\u00c4RGER", 9},
};

// What the finder's open list shows a person, row by row.
QStringList shownIn(ComboBoxFinder const& finder)
{
    QStringList shown;
    auto* const list = finder.popup() ? finder.popup()->findChild<QAbstractItemView*>() : nullptr;
    for (int row = 0; list && row < list->model()->rowCount(); ++row)
        shown << list->model()->index(row, 0).data().toString();
    return shown;
}

// The combo box focused in its shown window, with its finder.
ComboBoxFinder* focusToFind(Bench& bench)
{
    if (!quarlin::test::showActive(&bench.window))
        return nullptr;
    bench.combo->setFocus();
    return bench.binding->findAsYouType();
}

} // namespace

using quarlin::test::reachIdle;

class TestComboBoxPropertyBinding : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { quarlin::test::resetHost(); }

    // Only a long list changes how the combo sizes itself and opens its popup, and then over the
    // combo's own style; a short one keeps what the form and the host's style gave it.
    void longListTuningKeepsHostStyle_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("comboStyle"); // empty: the application's
        QTest::addColumn<bool>("tuned");
        QTest::addColumn<QString>("popupStyle"); // the style that draws, under any proxy
        QTest::newRow("short list") << 40 << QString() << false << QApplication::style()->objectName();
        QTest::newRow("long list") << 2000 << QString() << true << QApplication::style()->objectName();
        QTest::newRow("long list, host's style")
            << 2000 << QStringLiteral("windows") << true << QStringLiteral("windows");
    }

    void longListTuningKeepsHostStyle()
    {
        QFETCH(int, rows);
        QFETCH(QString, comboStyle);
        QFETCH(bool, tuned);
        QFETCH(QString, popupStyle);
        std::vector<int> numbers(static_cast<std::size_t>(rows));
        std::iota(numbers.begin(), numbers.end(), 1);
        Bench bench(1, variables(numbers));
        std::unique_ptr<QStyle> hostStyle(comboStyle.isEmpty() ? nullptr : QStyleFactory::create(comboStyle));
        if (hostStyle)
            bench.combo->setStyle(hostStyle.get());
        QVERIFY(quarlin::test::showActive(&bench.window));

        QCOMPARE(qobject_cast<QListView*>(bench.combo->view())->uniformItemSizes(), tuned);
        QCOMPARE(bench.combo->sizeAdjustPolicy() == QComboBox::AdjustToMinimumContentsLengthWithIcon, tuned);
        QStyleOptionComboBox option;
        option.initFrom(bench.combo);
        QCOMPARE(bench.combo->style()->styleHint(QStyle::SH_ComboBox_Popup, &option, bench.combo) == 0,
                 tuned || popupStyle == QStringLiteral("windows"));
        auto const* const proxy = qobject_cast<QProxyStyle const*>(bench.combo->style());
        QCOMPARE((proxy ? proxy->baseStyle() : bench.combo->style())->objectName(), popupStyle);
        QVERIFY(!proxy || proxy->baseStyle() != QApplication::style()); // the shared style is not taken over
        bench.binding.reset();
        bench.combo->setStyle(nullptr); // before hostStyle goes
    }

    // Typed text finds the rows holding it anywhere, ignoring case, under the headers of what it
    // finds; the first row starting with it is taken by Enter, arrow keys skip headers.
    void findsByAnyPartOfTheName_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("backspaces");
        QTest::addColumn<int>("downs");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QString>("chosen"); // empty: nothing can be chosen
        auto const add = [](char const* name, char const* typed, int backspaces, int downs,
                            QStringList const& shown, char const* chosen) {
            QTest::newRow(name) << QString::fromUtf8(typed) << backspaces << downs << shown
                                << QString::fromUtf8(chosen);
        };
        using quarlin::test::texts;
        QStringList const velocities = texts({"Velocities", "U_velocity_rms", "V_velocity_rms_0417"});
        add("end of a name", "rms", 0, 0, velocities, "U_velocity_rms");
        add("upper case", "RMS", 0, 0, velocities, "U_velocity_rms");
        add("edited back", "rmsq", 1, 1, velocities, "V_velocity_rms_0417");
        add("in two groups, Down skips a header", "0417", 0, 1,
            texts({"Temperatures", "Temperature_probe_0417", "Velocities", "V_velocity_rms_0417"}),
            "V_velocity_rms_0417");
        add("first letters choose the name starting with them", "v", 0, 0, velocities, "V_velocity_rms_0417");
        add("beyond ASCII", "\u00e4rg", 0, 0, texts({"Odd names", "\u00c4RGER"}), "\u00c4RGER");
        for (char const* literal : {"(", "*", "\\", "."}) {
            auto const row = std::find_if(findable.begin(), findable.end(), [literal](auto const& candidate) {
                return candidate.text.find(literal) != std::string::npos;
            });
            QString const name = QString::fromStdString(row->text);
            QTest::addRow("literal %s", literal) << QString::fromLatin1(literal) << 0 << 0
                                                 << QStringList{QStringLiteral("Odd names"), name} << name;
        }
        add("no match", "zz(", 0, 0, texts({"No item matches \"zz(\""}), "");
        QStringList all;
        for (auto const& row : findable)
            all << QString::fromStdString(row.text);
        add("all erased: the whole list", "r", 1, 0, all, "temperature_mean");
    }

    void findsByAnyPartOfTheName()
    {
        QFETCH(QString, typed);
        QFETCH(int, backspaces);
        QFETCH(int, downs);
        QFETCH(QStringList, shown);
        QFETCH(QString, chosen);
        Bench bench(2, findable);
        ComboBoxFinder* const finder = focusToFind(bench);
        QVERIFY(finder);
        quarlin::test::typeIntoFocus(typed);
        for (int i = 0; i < backspaces; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
        QVERIFY(finder->isOpen());
        QCOMPARE(finder->text(), typed.left(typed.size() - backspaces));
        QCOMPARE(shownIn(*finder), shown);
        for (int i = 0; i < downs; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        reachIdle();
        QCOMPARE(finder->isOpen(), chosen.isEmpty()); // Enter on no match chooses nothing
        QCOMPARE(bench.combo->currentText(), chosen.isEmpty() ? QStringLiteral("temperature_mean") : chosen);
        QCOMPARE(bench.property->value(), bench.model->get(bench.combo->currentIndex()));
        QVERIFY(hostMessageTexts().empty());
    }

    // Finding leaves everything else as it was: Escape changes nothing, a refused choice is
    // reported and undone as any choice, the combo box's own list and an editable combo box's
    // text keep working, and no amount of typing stops it.
    void findingKeepsTheComboBoxsWays()
    {
        {
            Bench bench(2, findable, false, boost::make_shared<AtMost>(3));
            ComboBoxFinder* const finder = focusToFind(bench);
            QVERIFY(finder);
            quarlin::test::typeIntoFocus(QStringLiteral("0417"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            QVERIFY(!finder->isOpen());
            QCOMPARE(bench.combo->currentIndex(), 2);
            QCOMPARE(QApplication::focusWidget(), bench.combo);
            // Refused by the property: reported, and the combo box shows what it holds.
            QSignalSpy activated(bench.combo, qOverload<int>(&QComboBox::activated));
            quarlin::test::typeIntoFocus(QStringLiteral("V_"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            reachIdle();
            QCOMPARE(activated.count(), 1);
            QCOMPARE(hostMessageTexts().size(), std::size_t(1));
            QCOMPARE(bench.property->value(), 2);
            QCOMPARE(bench.combo->currentIndex(), 2);
        }
        {
            // The combo box's own list open: the first key typed in it opens the finder.
            Bench bench(2, findable);
            ComboBoxFinder* const finder = focusToFind(bench);
            QVERIFY(finder);
            bench.combo->showPopup();
            QTest::keyClick(bench.combo->view(), 'x');
            QVERIFY(finder->isOpen());
            QVERIFY(!bench.combo->view()->isVisible());
            QCOMPARE(shownIn(*finder), quarlin::test::texts({"Odd names", "x.y"}));
            // The field is named, and says how many rows match.
            auto* const field = finder->popup()->findChild<QLineEdit*>();
            QCOMPARE(field->accessibleName(), QStringLiteral("Find item"));
            QCOMPARE(field->accessibleDescription(), QStringLiteral("Items found: 1"));
            {
                // It follows a language change while open.
                auto const english = qScopeGuard([] { installTranslations(QLocale(QLocale::English)); });
                installTranslations(QLocale(QLocale::German));
                reachIdle();
                QCOMPARE(field->accessibleDescription(), QStringLiteral("Gefundene Eintr\u00e4ge: 1"));
            }
            // 10,000 characters: no match, said briefly, and each key still answers at once (the
            // field's own layout of that much text is most of what a key then costs).
            QTest::keyClicks(field, QString(1000, QLatin1Char('y')));
            field->insert(QString(8990, QLatin1Char('y')));
            QElapsedTimer clock;
            clock.start();
            QTest::keyClicks(field, QString(10, QLatin1Char('y')));
            QVERIFY2(clock.elapsed() < 500, qPrintable(QString::number(clock.elapsed())));
            QCOMPARE(field->text().size(), 10001);
            QCOMPARE(finder->matchCount(), 0);
            QVERIFY(shownIn(*finder).value(0).endsWith(QStringLiteral("\u2026\"")));
            QTest::keyClick(field, Qt::Key_Escape);
            QVERIFY(!finder->isOpen());
            QCOMPARE(bench.property->value(), 2);
        }
        {
            // An editable combo box: typing edits its text; only its open list finds.
            Bench bench(2, findable, true);
            ComboBoxFinder* const finder = focusToFind(bench);
            QVERIFY(finder);
            QTest::keyClicks(bench.combo->lineEdit(), QStringLiteral("rm"));
            QVERIFY(!finder->isOpen());
            QVERIFY(bench.combo->lineEdit()->text().endsWith(QStringLiteral("rm")));
        }
    }

    // What the combo shows for the property's value, at binding and after a change; showing never
    // writes the property back.
    void valueIsShownNotWritten_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("editable");
        QTest::addColumn<bool>("empty");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::newRow("listed") << 2 << false << false << 1 << QStringLiteral("Var 2");
        QTest::newRow("unlisted: the list shows its first item")
            << 42 << false << false << 0 << QStringLiteral("Var 1");
        QTest::newRow("unlisted, empty list: left alone") << 42 << false << true << -1 << QString();
        QTest::newRow("unlisted, editable: shows the value")
            << 42 << true << false << -2 << QStringLiteral("42");
    }

    void valueIsShownNotWritten()
    {
        QFETCH(int, value);
        QFETCH(bool, editable);
        QFETCH(bool, empty);
        QFETCH(int, index);
        QFETCH(QString, text);
        for (bool atBinding : {true, false}) {
            Bench bench(atBinding ? value : 1, empty ? variables({}) : variables({1, 2}), editable);
            QCOMPARE(bench.combo->insertPolicy(), QComboBox::NoInsert);
            if (!atBinding)
                bench.property->setValue(value);
            if (index != -2)
                QCOMPARE(bench.combo->currentIndex(), index);
            QCOMPARE(bench.combo->currentText(), text);
            reachIdle();
            QCOMPARE(bench.property->value(), value);
            QCOMPARE(bench.heard, atBinding ? std::vector<int>{} : std::vector<int>{value});
        }
    }

    void modelLosingChosenValue_data()
    {
        QTest::addColumn<int>("initial");
        QTest::addColumn<bool>("headerFirst");
        QTest::addColumn<bool>("allHeaders");
        QTest::addColumn<int>("expected");
        QTest::newRow("moves to the first row") << 3 << false << false << 5;
        QTest::newRow("skips a header") << 3 << true << false << 6;
        QTest::newRow("only headers: stays") << 3 << false << true << 3;
        QTest::newRow("never listed: stays") << 40 << false << false << 40;
        QTest::newRow("still listed: stays") << 6 << false << false << 6;
    }

    void modelLosingChosenValue()
    {
        QFETCH(int, initial);
        QFETCH(bool, headerFirst);
        QFETCH(bool, allHeaders);
        QFETCH(int, expected);
        Bench bench(initial, variables({1, 2, 3}));
        std::vector<Model::Row> rows = variables({5, 6});
        if (headerFirst)
            rows.front().header = true;
        if (allHeaders)
            for (auto& row : rows)
                row.header = true;
        bench.model->replace(rows);
        QCOMPARE(bench.property->value(), expected);
        QVERIFY(!bench.binding->isModelResetPending());
        reachIdle();
        if (bench.model->indexOf(expected) != -1)
            QCOMPARE(bench.combo->currentIndex(), bench.model->indexOf(expected));
    }

    void choiceDuringPendingResetIsIgnored()
    {
        Bench bench(1, variables({1, 2, 3}));
        bool pendingSeen = false;
        connect(bench.adapter(), &QAbstractItemModel::modelAboutToBeReset, this, [&] {
            pendingSeen = bench.binding->isModelResetPending();
            // As Qt repopulating the combo might report a choice.
            bench.combo->setCurrentIndex(2);
            Q_EMIT bench.combo->activated(2);
        });
        bench.model->replace(variables({1, 2, 3, 4}));
        QVERIFY(pendingSeen);
        QCOMPARE(bench.property->value(), 1);
        QVERIFY(bench.heard.empty());
    }

    // The three ways typed text is not taken: the field's validator does not accept it (silent), it
    // does not convert (the conversion's message), the property refuses it (the property's message).
    // Text typed key by key stands as typed, a number far past int's range included.
    void editableTextCommit_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("byKeys"); // typed key by key, else set as a paste would
        QTest::addColumn<int>("expected");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("formWords"); // the form's own validator allows words
        QTest::newRow("a listed number") << QStringLiteral("3") << false << 3 << QString() << false;
        QTest::newRow("an unlisted number") << QStringLiteral("17") << true << 17 << QString() << false;
        QTest::newRow("validator: 12x") << QStringLiteral("12x") << false << 2 << QString() << false;
        QTest::newRow("validator: empty") << QString() << false << 2 << QString() << false;
        QTest::newRow("validator: one past int's maximum, typed")
            << QStringLiteral("2147483648") << true << 2 << QString() << false;
        QTest::newRow("validator: one past int's minimum, typed")
            << QStringLiteral("-2147483649") << true << 2 << QString() << false;
        QTest::newRow("property: int's maximum, typed")
            << QStringLiteral("2147483647") << true << 2 << QStringLiteral("Value 2147483647 is above 100.")
            << false;
        QTest::newRow("property: above its maximum")
            << QStringLiteral("500") << false << 2 << QStringLiteral("Value 500 is above 100.") << false;
        QTest::newRow("conversion: words pass the form's validator")
            << QStringLiteral("abc") << false << 2 << QStringLiteral("Cannot convert \"abc\" to int") << true;
        QTest::newRow("form's validator kept: a number")
            << QStringLiteral("7") << false << 7 << QString() << true;
    }

    void editableTextCommit()
    {
        QFETCH(QString, text);
        QFETCH(bool, byKeys);
        QFETCH(int, expected);
        QFETCH(QString, message);
        QFETCH(bool, formWords);
        QRegularExpressionValidator words(QRegularExpression(QStringLiteral("[a-z0-9]*")));
        Bench bench(2, variables({1, 2, 3}), true, boost::make_shared<AtMost>(100),
                    formWords ? &words : nullptr);
        if (formWords) {
            QCOMPARE(bench.combo->lineEdit()->validator(), &words);
        } else { // the binding's own validator, replaced and not stacked when bound again
            bench.binding.reset();
            bench.bind();
            QCOMPARE(bench.combo->lineEdit()->findChildren<QValidator*>().size(), 1);
            QCOMPARE(bench.combo->lineEdit()->validator()->objectName(),
                     QStringLiteral("QuarlinBindingInstalledValidator"));
            QVERIFY(qobject_cast<QIntValidator const*>(bench.combo->lineEdit()->validator()));
        }
        QVERIFY(quarlin::test::showActive(&bench.window));
        bench.combo->setFocus();
        if (byKeys) {
            bench.combo->lineEdit()->selectAll();
            quarlin::test::typeText(bench.combo->lineEdit(), text);
            QCOMPARE(bench.combo->lineEdit()->text(), text);
        } else { // past the validator's keystroke filter
            bench.combo->lineEdit()->setText(text);
            bench.combo->lineEdit()->setModified(true);
        }
        int depthDuringCommit = -1;
        boost::signals2::scoped_connection const probe = bench.property->connectToValueChangedSignal(
            [&](int const&) { depthDuringCommit = ReferenceHost::instance().lockDepth(); });
        QTest::keyClick(bench.combo, Qt::Key_Return);
        QCOMPARE(bench.property->value(), expected);
        QCOMPARE(hostMessageTexts(), message.isEmpty() ? std::vector<std::string>{}
                                                       : std::vector<std::string>{message.toStdString()});
        if (expected != 2)
            QCOMPARE(depthDuringCommit, 1); // the value was set under the host lock
        QCOMPARE(ReferenceHost::instance().lockDepth(), 0);
        // The field shows the property's value again and keeps the focus.
        QCOMPARE(bench.combo->currentText(),
                 expected <= 3 ? QStringLiteral("Var %1").arg(expected) : QString::number(expected));
        QVERIFY(bench.combo->hasFocus());
    }

    void enumerationTextIsNotCommitted()
    {
        QComboBox combo;
        combo.setEditable(true);
        auto const property = boost::make_shared<Property<RGBMode_e>>(RGBMode_SpecifyRG);
        auto const model = boost::make_shared<
            quarlin::sdk::ui::dialogs::propertybindings::models::PremappedListModel<RGBMode_e>>(
            quarlin::sdk::ui::dialogs::propertybindings::models::PremappedListModel<RGBMode_e>::Entries{
                {"R, G, B", RGBMode_SpecifyRGB}, {"R, G", RGBMode_SpecifyRG}});
        ComboBoxPropertyBinding<RGBMode_e> binding(combo, property, model,
                                                   BindingInterface::ModelUpdateImmediate);
        combo.lineEdit()->setText(QStringLiteral("0"));
        QVERIFY(!binding.commitText());
        QCOMPARE(property->value(), RGBMode_SpecifyRG);
        QVERIFY(ReferenceHost::instance().messages().empty());
    }

    void bindingGoneLeavesComboAlone()
    {
        Bench bench(1, variables({1, 2, 3}));
        QVERIFY(quarlin::test::showActive(&bench.window));
        bench.binding.reset();
        bench.combo->setFocus();
        QTest::keyClick(bench.combo, Qt::Key_Down);
        bench.property->setValue(3);
        bench.model->replace(variables({9}));
        reachIdle();
        QCOMPARE(bench.heard, std::vector<int>{3});
    }

    void longListIsNeverWalked()
    {
        std::vector<Model::Row> rows;
        rows.reserve(100000);
        for (int i = 0; i < 100000; ++i)
            rows.push_back({"Variable " + std::to_string(i), i, false});
        Bench bench(50000, std::move(rows));
        bench.model->getStrCalls = 0;
        QVERIFY(quarlin::test::showActive(&bench.window));
        bench.combo->showPopup();
        QVERIFY(bench.combo->view()->isVisible());
        bench.combo->hidePopup();
        for (int i = 0; i < 100; ++i)
            bench.property->setValue(i * 997);
        reachIdle();
        // Showing, opening and following the property read the rows on screen, not the list.
        QVERIFY2(bench.model->getStrCalls < 2000, qPrintable(QString::number(bench.model->getStrCalls)));
        QCOMPARE(bench.combo->currentIndex(), 99 * 997);
    }

    void deferredModeHoldsPaintsWhileHostBusy()
    {
        // Counts the paints that reach the combo box itself.
        struct PaintCounter : QObject
        {
            int paints = 0;
            bool eventFilter(QObject*, QEvent* event) override
            {
                if (event->type() == QEvent::Paint)
                    ++paints;
                return false;
            }
        };
        QWidget window;
        auto* const combo = new QComboBox(&window);
        PaintCounter counter;
        // Before the binding: the filter installed last runs first, so this one sees only the
        // paints the deferrer lets through.
        combo->installEventFilter(&counter);
        auto const property = boost::make_shared<Property<int>>(1);
        auto const model = boost::make_shared<Model>(variables({1, 2, 3}));
        ComboBoxPropertyBinding<int> binding(*combo, property, model,
                                             BindingInterface::ModelUpdateDeferredOnBusy);
        QVERIFY(quarlin::test::showActive(&window));
        QCoreApplication::processEvents();
        counter.paints = 0;
        {
            quarlin::sdk::AppLock const busy;
            property->setValue(2);
            model->replace(variables({1, 2, 3, 4}));
            combo->repaint();
            QCOMPARE(counter.paints, 0);
        }
        QTRY_VERIFY(counter.paints > 0); // painted once the host is free
        QCOMPARE(combo->currentIndex(), 1);
        combo->removeEventFilter(&counter);
    }
};

QUARLIN_TEST_MAIN(TestComboBoxPropertyBinding)
#include "tst_comboboxpropertybinding.moc"
