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

    // The buttons show the property's value: at construction, and at the idle point after a change.
    void checkedButtonFollowsTheProperty_data()
    {
        QTest::addColumn<int>("initial");
        QTest::addColumn<int>("later");   // -1: no change
        QTest::addColumn<int>("checked"); // index into fonts, or -1
        QTest::newRow("base") << int(Font_Base) << -1 << 0;
        QTest::newRow("user defined") << int(Font_UserDefined) << -1 << 3;
        QTest::newRow("no button has it") << int(Font_Helvetica) << -1 << -1;
        QTest::newRow("changed") << int(Font_Base) << int(Font_UserDefined) << 3;
        // Qt keeps an exclusive group's last checked button.
        QTest::newRow("changed to one no button has") << int(Font_Greek) << int(Font_Helvetica) << 1;
    }

    void checkedButtonFollowsTheProperty()
    {
        QFETCH(int, initial);
        QFETCH(int, later);
        QFETCH(int, checked);
        Group group(static_cast<Font_e>(initial));
        if (later != -1) {
            group.property->setValue(static_cast<Font_e>(later));
            QCOMPARE(int(group.property->value()), later);
            QCOMPARE(group.checkedCount(), initial == Font_Helvetica ? 0 : 1); // not yet: at the idle point
            QVERIFY(group.buttons[std::size_t(checked)]->isChecked() == (later == Font_Helvetica));
            reachIdle();
        }
        for (int i = 0; i < 4; ++i)
            QCOMPARE(group.buttons[std::size_t(i)]->isChecked(), i == checked);
        QCOMPARE(group.heard, later == -1 ? std::vector<Font_e>{} : std::vector<Font_e>{Font_e(later)});
    }

    // A click sets the property once (the unchecked button says nothing); a refused value is
    // reported once and the button of the value kept is checked again at once.
    void clickSetsThePropertyOnce_data()
    {
        QTest::addColumn<int>("initial");
        QTest::addColumn<int>("clicked");
        QTest::addColumn<bool>("mathRefused");
        QTest::addColumn<int>("kept");
        QTest::newRow("another button") << int(Font_Base) << 2 << false << int(Font_Math);
        QTest::newRow("the checked one") << int(Font_Greek) << 1 << false << int(Font_Greek);
        QTest::newRow("refused") << int(Font_Greek) << 2 << true << int(Font_Greek);
    }

    void clickSetsThePropertyOnce()
    {
        QFETCH(int, initial);
        QFETCH(int, clicked);
        QFETCH(bool, mathRefused);
        QFETCH(int, kept);
        Group group(static_cast<Font_e>(initial), mathRefused ? noMath() : nullptr);
        QVERIFY(quarlin::test::showActive(&group.window));
        quarlin::test::clickIndicator(group.buttons[std::size_t(clicked)]);
        QCOMPARE(int(group.property->value()), kept);
        QCOMPARE(group.heard, kept == initial ? std::vector<Font_e>{} : std::vector<Font_e>{Font_e(kept)});
        auto const keptButton = std::find(std::begin(Group::fonts), std::end(Group::fonts), Font_e(kept));
        QVERIFY(group.buttons[std::size_t(keptButton - std::begin(Group::fonts))]->isChecked());
        QCOMPARE(group.checkedCount(), 1);
        auto const& messages = ReferenceHost::instance().messages();
        QCOMPARE(messages.size(), std::size_t(mathRefused ? 1 : 0));
        if (mathRefused) {
            QCOMPARE(messages.front().text, std::string("The Math typeface is not installed."));
            QCOMPARE(messages.front().type, MessageBoxType_Error);
        }
    }
};

QUARLIN_TEST_MAIN(TestRadioButtonPropertyBinding)
#include "tst_radiobuttonpropertybinding.moc"
