#include "testsupport/TestSupport.h"

#include "property/Property.h"
#include "propertybindings/RadioButtonPropertyBinding.h"
#include "sdk/host/ReferenceHost.h"
#include "testsupport/RefusingValidator.h"

#include <QRadioButton>
#include <QVBoxLayout>

#include <boost/make_shared.hpp>

using quarlin::Property;
using quarlin::ValidationResult;
using quarlin::ValidatorInterface;
using quarlin::host::ReferenceHost;
using quarlin::sdk::ui::dialogs::propertybindings::RadioButtonPropertyBinding;

namespace {

boost::shared_ptr<ValidatorInterface<Font_e> const> noMath()
{
    return boost::make_shared<quarlin::RefusingValidator<Font_e>>([](Font_e f) { return f == Font_Math; },
                                                                  "The Math typeface is not installed.");
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

    int checkedCount() const
    {
        return static_cast<int>(
            std::count_if(buttons.begin(), buttons.end(), [](QRadioButton* b) { return b->isChecked(); }));
    }

    static constexpr Font_e fonts[4] = {Font_Base, Font_Greek, Font_Math, Font_UserDefined};
    QWidget window;
    std::vector<QRadioButton*> buttons; // owned by window
    boost::shared_ptr<Property<Font_e>> property;
    std::vector<std::unique_ptr<RadioButtonPropertyBinding<Font_e>>> bindings;
    std::vector<Font_e> heard;
    boost::signals2::scoped_connection heardConnection;
};

} // namespace

using quarlin::test::reachIdle;

class TestRadioButtonPropertyBinding : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { quarlin::test::resetHost(); }

    void constructionChecksTheHeldValue_data()
    {
        QTest::addColumn<int>("initial");
        QTest::addColumn<int>("checked"); // index into fonts, or -1
        QTest::newRow("base") << int(Font_Base) << 0;
        QTest::newRow("greek") << int(Font_Greek) << 1;
        QTest::newRow("user defined") << int(Font_UserDefined) << 3;
        QTest::newRow("no button has it") << int(Font_Helvetica) << -1;
    }

    void constructionChecksTheHeldValue()
    {
        QFETCH(int, initial);
        QFETCH(int, checked);
        Group group(static_cast<Font_e>(initial));
        for (int i = 0; i < 4; ++i)
            QCOMPARE(group.buttons[std::size_t(i)]->isChecked(), i == checked);
        QVERIFY(group.heard.empty());
        QCOMPARE(int(group.property->value()), initial);
    }

    void clickOnSecondButtonChangesOnce()
    {
        Group group(Font_Base);
        QVERIFY(quarlin::test::showActive(&group.window));
        quarlin::test::clickIndicator(group.buttons[2]);
        QCOMPARE(group.property->value(), Font_Math);
        QCOMPARE(group.heard, std::vector<Font_e>{Font_Math}); // the unchecking of Base said nothing
        reachIdle();
        QCOMPARE(group.checkedCount(), 1);
        QVERIFY(group.buttons[2]->isChecked());
    }

    void propertyChangeChecksOnIdle()
    {
        Group group(Font_Base);
        group.property->setValue(Font_UserDefined);
        QVERIFY(group.buttons[0]->isChecked()); // not yet: updates wait for the idle point
        reachIdle();
        QVERIFY(group.buttons[3]->isChecked());
        QCOMPARE(group.checkedCount(), 1);
        group.property->setValue(Font_Helvetica); // no button has it
        reachIdle();
        QVERIFY(group.buttons[3]->isChecked()); // Qt keeps an exclusive group's last checked button
        QCOMPARE(group.heard, (std::vector<Font_e>{Font_UserDefined, Font_Helvetica}));
    }

    void checkingHeldValueSendsNothing()
    {
        Group group(Font_Greek);
        group.buttons[1]->setChecked(true);
        group.buttons[1]->click(); // a checked radio button stays checked
        QVERIFY(group.heard.empty());
    }

    void refusedValueShownOnceAndTheKeptOneCheckedAgain()
    {
        Group group(Font_Greek, noMath());
        QVERIFY(quarlin::test::showActive(&group.window));
        quarlin::test::clickIndicator(group.buttons[2]);
        QCOMPARE(group.property->value(), Font_Greek);
        // The group shows what the property kept, at once.
        QVERIFY(group.buttons[1]->isChecked());
        QCOMPARE(group.checkedCount(), 1);
        auto const& messages = ReferenceHost::instance().messages();
        QCOMPARE(messages.size(), std::size_t(1));
        QCOMPARE(messages.front().text, std::string("The Math typeface is not installed."));
        QCOMPARE(messages.front().type, MessageBoxType_Error);
        QVERIFY(group.heard.empty());
    }
};

QUARLIN_TEST_MAIN(TestRadioButtonPropertyBinding)
#include "tst_radiobuttonpropertybinding.moc"
