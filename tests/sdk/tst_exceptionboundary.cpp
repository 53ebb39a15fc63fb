// Every place where Qt or the host calls the library catches what the property model throws:
// nothing escapes, the host hears of it once, the property keeps its value, and the next
// commit through the same widget still works.
#include "testsupport/TestSupport.h"

#include "property/Property.h"
#include "propertybindings/ComboBoxPropertyBinding.h"
#include "propertybindings/RadioButtonPropertyBinding.h"
#include "propertybindings/SpinBoxLgIndexPropertyBinding_p.h"
#include "propertybindings/TextFieldPropertyBinding.h"
#include "propertybindings/models/StringListModel.h"
#include "sdk/dialogs/LaunchHelpAction_p.h"
#include "sdk/exception/InvalidArgumentException.h"
#include "sdk/managerbase/SpinBoxIncDecCalculatorBase.h"
#include "sdk/uicommon/OnIdleActionPerformerSingleShot.h"
#include "sdk/widgets/IntegralSpinBox.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include <boost/make_shared.hpp>

#include <stdexcept>

using namespace quarlin;
using namespace quarlin::sdk::ui::dialogs::propertybindings;
using quarlin::test::hostMessageTexts;

namespace {

enum class Throw { Refusal, Conversion, StdError, Unknown };

// What a refusal of each kind reads like to the person at the screen.
std::string expectedMessage(Throw kind)
{
    switch (kind) {
    case Throw::Refusal: return "Refused.";
    case Throw::Conversion: return "Cannot convert.";
    case Throw::StdError: return "The change could not be made: boom";
    case Throw::Unknown: return "The change could not be made because of an unexpected error.";
    }
    return {};
}

[[noreturn]] void raise(Throw kind)
{
    switch (kind) {
    case Throw::Refusal: throw InvalidPropertyValueException("Refused.");
    case Throw::Conversion: throw InvalidArgumentException("Cannot convert.");
    case Throw::StdError: throw std::runtime_error("boom");
    case Throw::Unknown: throw 42;
    }
    throw 0;
}

// Accepts every value but one, for which it throws the chosen kind.
template <class T>
class ThrowingValidator : public ValidatorInterface<T>
{
public:
    ThrowingValidator(T bad, Throw kind)
        : m_bad(bad)
        , m_kind(kind)
    {}
    ValidationResult validate(T const& value) const override
    {
        if (value == m_bad)
            raise(m_kind);
        return {};
    }

private:
    T m_bad;
    Throw m_kind;
};

template <class T>
boost::shared_ptr<Property<T>> throwingProperty(T initial, T bad, Throw kind)
{
    return boost::make_shared<Property<T>>(initial, boost::make_shared<ThrowingValidator<T>>(bad, kind));
}

// A step calculator that fails on its first step only.
class FailingOnceCalculator : public sdk::ui::propertymanager::SpinBoxIncDecCalculatorBase
{
public:
    explicit FailingOnceCalculator(Throw kind)
        : m_kind(kind)
    {}
    double stepSize() const override
    {
        if (!m_failed) {
            m_failed = true;
            raise(m_kind);
        }
        return 1.0;
    }

private:
    Throw m_kind;
    mutable bool m_failed = false;
};

// One entry point: `act(true)` drives a person's act that makes the library throw, `act(false)`
// the same act with a value the property takes. It returns the property's value afterwards.
struct EntryPoint
{
    std::function<long long(bool)> act;
    long long initial;
    long long good;
};

void typeAndEnter(QWidget* field, QString const& text)
{
    field->setFocus();
    if (auto* const edit = qobject_cast<QLineEdit*>(field))
        edit->selectAll();
    else if (auto* const spin = qobject_cast<QAbstractSpinBox*>(field))
        spin->selectAll();
    quarlin::test::typeText(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

} // namespace

Q_DECLARE_METATYPE(Throw)

class TestExceptionBoundary : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { quarlin::test::resetHost(); }

    void nothingEscapesAndTheNextCommitWorks_data()
    {
        QTest::addColumn<QByteArray>("where");
        QTest::addColumn<Throw>("kind");
        QTest::newRow("line edit commit, conversion") << QByteArray("lineEdit") << Throw::Conversion;
        QTest::newRow("line edit commit, std error") << QByteArray("lineEdit") << Throw::StdError;
        QTest::newRow("combo activation, std error") << QByteArray("comboChoice") << Throw::StdError;
        QTest::newRow("combo model reset, refusal") << QByteArray("comboReset") << Throw::Refusal;
        QTest::newRow("radio toggle, conversion") << QByteArray("radio") << Throw::Conversion;
        QTest::newRow("radio toggle, unknown") << QByteArray("radio") << Throw::Unknown;
        QTest::newRow("spin box commit, std error") << QByteArray("spinCommit") << Throw::StdError;
        QTest::newRow("spin box step, refusal") << QByteArray("spinStep") << Throw::Refusal;
        QTest::newRow("idle action, unknown") << QByteArray("idle") << Throw::Unknown;
        QTest::newRow("help by F1, std error") << QByteArray("help") << Throw::StdError;
        QTest::newRow("help by F1, refusal") << QByteArray("help") << Throw::Refusal;
    }

    void nothingEscapesAndTheNextCommitWorks()
    {
        QFETCH(QByteArray, where);
        QFETCH(Throw, kind);
        m_window = std::make_unique<QWidget>();
        new QVBoxLayout(m_window.get());
        m_keep.clear();
        EntryPoint entry = build(where, kind);
        QVERIFY(quarlin::test::showActive(m_window.get()));

        try {
            QCOMPARE(entry.act(true), entry.initial);
            QCOMPARE(hostMessageTexts(), std::vector<std::string>{expectedMessage(kind)});
            QCOMPARE(entry.act(false), entry.good);
        } catch (...) {
            QFAIL("an exception escaped to the caller");
        }
        QCOMPARE(hostMessageTexts().size(), std::size_t(1));
        m_keep.clear();
        m_window.reset();
    }

private:
    std::unique_ptr<QWidget> m_window;
    std::vector<std::shared_ptr<void>> m_keep; // bindings and models of the current row

    EntryPoint build(QByteArray const& where, Throw kind)
    {
        QWidget* const window = m_window.get();
        auto add = [window](auto* widget) {
            window->layout()->addWidget(widget);
            return widget;
        };
        if (where == "lineEdit") {
            auto property = throwingProperty<std::string>("a", "bad", kind);
            auto* const edit = add(new QLineEdit);
            add(new QLineEdit); // somewhere for the focus to go
            m_keep.push_back(std::make_shared<TextFieldPropertyBinding<std::string>>(edit, property));
            return {[=](bool bad) {
                        typeAndEnter(edit, bad ? QStringLiteral("bad") : QStringLiteral("good"));
                        return static_cast<long long>(property->value().size());
                    },
                    1, 4};
        }
        if (where == "comboChoice" || where == "comboReset") {
            bool const reset = where == "comboReset";
            auto property = throwingProperty<int>(reset ? 2 : 0, reset ? 0 : 1, kind);
            auto model =
                boost::make_shared<models::StringListModel>(std::vector<std::string>{"zero", "one", "two"});
            auto* const combo = add(new QComboBox);
            m_keep.push_back(std::make_shared<ComboBoxPropertyBinding<int>>(
                *combo, property, model, BindingInterface::ModelUpdateImmediate));
            auto choose = [=](int row) {
                combo->setFocus();
                combo->setCurrentIndex(row - 1);
                QTest::keyClick(combo, Qt::Key_Down); // a person's choice: activated(row)
                quarlin::test::reachIdle();           // taken once Qt is done with the key
                return static_cast<long long>(property->value());
            };
            if (!reset)
                return {[=](bool bad) { return choose(bad ? 1 : 2); }, 0, 2};
            // The list loses the chosen value; the fallback (the first row, 0) is refused.
            return {[=](bool bad) {
                        if (!bad)
                            return choose(1);
                        model->setRows({"zero", "one"});
                        quarlin::test::reachIdle();
                        return static_cast<long long>(property->value());
                    },
                    2, 1};
        }
        if (where == "radio") {
            auto property = throwingProperty<int>(0, 2, kind);
            std::vector<QRadioButton*> buttons;
            for (int value = 0; value < 3; ++value) {
                buttons.push_back(add(new QRadioButton(QString::number(value))));
                m_keep.push_back(
                    std::make_shared<RadioButtonPropertyBinding<int>>(buttons.back(), property, value));
            }
            return {[=](bool bad) {
                        quarlin::test::clickIndicator(buttons[bad ? 2 : 1]);
                        return static_cast<long long>(property->value());
                    },
                    0, 1};
        }
        if (where == "spinCommit" || where == "spinStep") {
            bool const step = where == "spinStep";
            auto property =
                step ? boost::make_shared<Property<__int64>>(5) : throwingProperty<__int64>(5, 7, kind);
            auto* const spin = add(new quarlin::ui::IntegralSpinBox);
            spin->setRange(0, 100);
            boost::shared_ptr<sdk::ui::propertymanager::SpinBoxIncDecCalculatorBase> calculator;
            if (step)
                calculator = boost::make_shared<FailingOnceCalculator>(kind);
            m_keep.push_back(std::make_shared<SpinBoxLgIndexPropertyBinding>(spin, property, calculator));
            return {[=](bool bad) {
                        if (step) {
                            spin->setFocus();
                            QTest::keyClick(spin, Qt::Key_Up);
                        } else {
                            typeAndEnter(spin, bad ? QStringLiteral("7") : QStringLiteral("8"));
                        }
                        quarlin::test::reachIdle(); // the spin box commits once Qt is done with the key
                        return static_cast<long long>(property->value());
                    },
                    5, step ? 6 : 8};
        }
        if (where == "help") { // the host's help fails on its first call
            auto* const edit = add(new QLineEdit);
            auto* const help = new dialogs::common::LaunchHelpAction("topic.html", *window);
            window->addAction(help);
            auto shown = std::make_shared<long long>(0);
            m_keep.push_back(std::make_shared<boost::signals2::scoped_connection>(
                host::ReferenceHost::instance().helpShown.connect([shown, kind](std::string const&) {
                    if (++*shown == 1)
                        raise(kind);
                })));
            return {[=](bool) {
                        edit->setFocus();
                        QTest::keyClick(edit, Qt::Key_F1);
                        return *shown - 1; // the calls that succeeded
                    },
                    0, 1};
        }
        // An idle action (a deferred widget update, a relevance refresh) that fails once.
        auto runs = std::make_shared<long long>(0);
        auto performer = std::make_shared<sdk::ui::common::OnIdleActionPerformerSingleShot>([runs, kind] {
            if (++*runs == 1)
                raise(kind);
        });
        m_keep.push_back(performer);
        return {[=](bool bad) {
                    performer->enableNotification();
                    quarlin::test::reachIdle();
                    return *runs - (bad ? 1 : 0);
                },
                0, 2};
    }
};

QUARLIN_TEST_MAIN(TestExceptionBoundary)
#include "tst_exceptionboundary.moc"
