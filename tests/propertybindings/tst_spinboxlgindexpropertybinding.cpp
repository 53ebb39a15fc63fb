#include "testsupport/TestSupport.h"

#include "property/Property.h"
#include "propertybindings/SpinBoxLgIndexPropertyBinding_p.h"
#include "referencehost/ReferenceHost.h"
#include "sdk/managerbase/SpinBoxIncDecCalculatorBase.h"
#include "sdk/widgets/IntegralSpinBox.h"

#include <QApplication>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QVBoxLayout>

#include <boost/make_shared.hpp>

#include <memory>

using quarlin::Property;
using quarlin::host::ReferenceHost;
using quarlin::sdk::ui::dialogs::propertybindings::SpinBoxLgIndexPropertyBinding;
using quarlin::sdk::ui::propertymanager::SpinBoxIncDecCalculatorBase;
using quarlin::ui::IntegralSpinBox;

namespace {

// A window with the bound spin box and a second widget that can take the focus away.
struct Bench
{
    explicit Bench(__int64 initial, int minimum = -1000, int maximum = 1000,
                   boost::shared_ptr<SpinBoxIncDecCalculatorBase> calculator = {})
        : property(boost::make_shared<Property<__int64>>(initial))
    {
        auto* const layout = new QVBoxLayout(&window);
        spinBox = new IntegralSpinBox(&window);
        spinBox->setRange(minimum, maximum);
        spinBox->setKeyboardTracking(false);
        other = new QLineEdit(&window);
        layout->addWidget(spinBox);
        layout->addWidget(other);
        binding = std::make_unique<SpinBoxLgIndexPropertyBinding>(spinBox, property, std::move(calculator));
        announcements =
            property->connectToValueChangedSignal([this](__int64 const& v) { heard.push_back(v); });
    }

    bool show()
    {
        bool const active = quarlin::test::showActive(&window);
        spinBox->setFocus();
        return active;
    }

    void type(QString const& text)
    {
        QTest::keyClick(spinBox, Qt::Key_A, Qt::ControlModifier);
        quarlin::test::typeText(spinBox, text);
    }

    QWidget window;
    IntegralSpinBox* spinBox = nullptr; // owned by window
    QLineEdit* other = nullptr;         // owned by window
    boost::shared_ptr<Property<__int64>> property;
    std::unique_ptr<SpinBoxLgIndexPropertyBinding> binding;
    std::vector<__int64> heard;
    boost::signals2::scoped_connection announcements;
};

struct FixedStep : SpinBoxIncDecCalculatorBase
{
    explicit FixedStep(double factor)
        : SpinBoxIncDecCalculatorBase(factor)
    {}
};

enum class Step { ArrowUp, ArrowDown, PageUp, WheelUp, WheelDown, UpButton, DownButton };

void step(IntegralSpinBox* spinBox, Step how)
{
    auto buttonCentre = [spinBox](QStyle::SubControl control) {
        QStyleOptionSpinBox option;
        option.initFrom(spinBox);
        option.buttonSymbols = spinBox->buttonSymbols();
        option.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown | QStyle::SC_SpinBoxFrame;
        option.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
        return spinBox->style()->subControlRect(QStyle::CC_SpinBox, &option, control, spinBox).center();
    };
    auto wheel = [spinBox](int delta) {
        QPoint const at = spinBox->rect().center();
        QWheelEvent event(at, spinBox->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(spinBox, &event);
    };
    switch (how) {
    case Step::ArrowUp: QTest::keyClick(spinBox, Qt::Key_Up); break;
    case Step::ArrowDown: QTest::keyClick(spinBox, Qt::Key_Down); break;
    case Step::PageUp: QTest::keyClick(spinBox, Qt::Key_PageUp); break;
    case Step::WheelUp: wheel(120); break;
    case Step::WheelDown: wheel(-120); break;
    case Step::UpButton:
        QTest::mouseClick(spinBox, Qt::LeftButton, Qt::NoModifier, buttonCentre(QStyle::SC_SpinBoxUp));
        break;
    case Step::DownButton:
        QTest::mouseClick(spinBox, Qt::LeftButton, Qt::NoModifier, buttonCentre(QStyle::SC_SpinBoxDown));
        break;
    }
}

} // namespace

Q_DECLARE_METATYPE(Step)

class TestSpinBoxLgIndexPropertyBinding : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { quarlin::test::resetHost(); }

    void typedTextCommitsOnEnterOrFocusLoss_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("byEnter");
        QTest::addColumn<__int64>("expected");
        QTest::newRow("Enter") << "42" << true << __int64(42);
        QTest::newRow("focus loss") << "-17" << false << __int64(-17);
        // A number past the range stands as typed and is refused whole, never cut to 500.
        QTest::newRow("above the range, Enter") << "5000" << true << __int64(7);
        QTest::newRow("not a number, focus loss") << "x" << false << __int64(7);
    }

    void typedTextCommitsOnEnterOrFocusLoss()
    {
        QFETCH(QString, typed);
        QFETCH(bool, byEnter);
        QFETCH(__int64, expected);
        Bench bench(7);
        QVERIFY(bench.show());
        bench.type(typed);
        QCOMPARE(bench.property->value(), __int64(7)); // keyboard tracking is off: nothing yet
        if (byEnter)
            QTest::keyClick(bench.spinBox, Qt::Key_Return);
        else
            bench.other->setFocus(Qt::TabFocusReason);
        quarlin::test::reachIdle(); // committed once Qt is done with the key or the focus change
        QCOMPARE(bench.property->value(), expected);
        QCOMPARE(bench.spinBox->value(), int(expected));
        QCOMPARE(bench.heard.size(), std::size_t(expected == 7 ? 0 : 1));
    }

    void outOfRangeValueShownClampedUntilEdited_data()
    {
        QTest::addColumn<__int64>("initial");
        QTest::addColumn<int>("shown");
        QTest::newRow("below a positive minimum") << __int64(0) << 1;
        QTest::newRow("beyond 32 bits") << __int64(5000000000LL) << 1000;
        QTest::newRow("far negative") << __int64(-5000000000LL) << 1;
    }

    void outOfRangeValueShownClampedUntilEdited()
    {
        QFETCH(__int64, initial);
        QFETCH(int, shown);
        Bench bench(initial, 1, 1000);
        QVERIFY(bench.show());
        QCOMPARE(bench.spinBox->value(), shown);
        QCOMPARE(bench.property->value(), initial);

        // Passing through the field is not an edit.
        bench.other->setFocus(Qt::TabFocusReason);
        bench.spinBox->setFocus(Qt::TabFocusReason);
        QCOMPARE(bench.property->value(), initial);

        // Confirming the shown value by typing it is.
        bench.type(QString::number(shown));
        QTest::keyClick(bench.spinBox, Qt::Key_Enter);
        quarlin::test::reachIdle();
        QCOMPARE(bench.property->value(), __int64(shown));

        // A change of the property shows at once, and showing it is no edit.
        bench.property->setValue(900);
        QCOMPARE(bench.spinBox->value(), 900);
        QCOMPARE(bench.heard, (std::vector<__int64>{shown, 900}));
    }

    // Every way a person steps commits before the next input; a calculator, where there is one, sets the
    // step.
    void stepCommits_data()
    {
        QTest::addColumn<double>("factor"); // negative: no calculator, the spin box's own step of one
        QTest::addColumn<Step>("how");
        QTest::addColumn<__int64>("expected");
        QTest::addColumn<QString>("typed"); // not yet committed when the step comes
        QTest::newRow("arrow up") << -1.0 << Step::ArrowUp << __int64(101) << QString();
        QTest::newRow("arrow down") << -1.0 << Step::ArrowDown << __int64(99) << QString();
        QTest::newRow("page up") << -1.0 << Step::PageUp << __int64(110) << QString();
        QTest::newRow("wheel up") << -1.0 << Step::WheelUp << __int64(101) << QString();
        QTest::newRow("wheel down") << -1.0 << Step::WheelDown << __int64(99) << QString();
        QTest::newRow("up button") << -1.0 << Step::UpButton << __int64(101) << QString();
        QTest::newRow("down button") << -1.0 << Step::DownButton << __int64(99) << QString();
        QTest::newRow("5 up") << 5.0 << Step::ArrowUp << __int64(105) << QString();
        QTest::newRow("2.5 rounds to the nearest index") << 2.5 << Step::ArrowUp << __int64(103) << QString();
        QTest::newRow("page is ten steps") << 5.0 << Step::PageUp << __int64(150) << QString();
        QTest::newRow("held at the maximum") << 1e12 << Step::ArrowUp << __int64(1000) << QString();
        QTest::newRow("from typed text") << 5.0 << Step::ArrowUp << __int64(155) << QStringLiteral("150");
        QTest::newRow("zero step stays") << 0.0 << Step::ArrowUp << __int64(100) << QString();
    }

    void stepCommits()
    {
        QFETCH(double, factor);
        QFETCH(Step, how);
        QFETCH(__int64, expected);
        QFETCH(QString, typed);
        Bench bench(100, -1000, 1000, factor < 0 ? nullptr : boost::make_shared<FixedStep>(factor));
        QVERIFY(bench.show());
        if (!typed.isEmpty())
            bench.type(typed);
        step(bench.spinBox, how);
        quarlin::test::reachIdle();
        QCOMPARE(bench.property->value(), expected);
        if (typed.isEmpty())
            QCOMPARE(bench.heard, expected == 100 ? std::vector<__int64>{} : std::vector<__int64>{expected});
    }

    // Whichever goes first, nothing flows between the two afterwards.
    void bindingAndWidgetDieInEitherOrder()
    {
        {
            Bench bench(3, -1000, 1000, boost::make_shared<FixedStep>(50.0));
            QVERIFY(bench.show());
            bench.binding.reset();
            bench.property->setValue(4);
            QCOMPARE(bench.spinBox->value(), 3);
            QTest::keyClick(bench.spinBox, Qt::Key_Up);
            quarlin::test::reachIdle();
            QCOMPARE(bench.property->value(), __int64(4));
            QCOMPARE(bench.spinBox->value(), 4); // its own single step again, not the calculator's
        }
        Bench bench(3);
        delete bench.spinBox;
        bench.property->setValue(8); // must not touch the dead widget
        bench.binding->updateWidget();
        QCOMPARE(bench.property->value(), __int64(8));
    }
};

QUARLIN_TEST_MAIN(TestSpinBoxLgIndexPropertyBinding)
#include "tst_spinboxlgindexpropertybinding.moc"
