#include "testsupport/TestSupport.h"

#include "property/Property.h"
#include "propertybindings/TextFieldPropertyBinding.h"
#include "sdk/host/ReferenceHost.h"
#include "testsupport/RefusingValidator.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include <boost/make_shared.hpp>

#include <cmath>

using quarlin::Property;
using quarlin::ValidationResult;
using quarlin::ValidatorInterface;
using quarlin::host::ReferenceHost;
using quarlin::sdk::ui::dialogs::propertybindings::TextFieldPropertyBinding;
using quarlin::test::hostMessageTexts;

namespace {

boost::shared_ptr<ValidatorInterface<double> const> positive()
{
    return boost::make_shared<quarlin::RefusingValidator<double>>([](double v) { return !(v > 0.0); },
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

} // namespace

class TestTextFieldPropertyBinding : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { quarlin::test::resetHost(); }

    void numbersShowAsAStreamWrites_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("0.5") << 0.5 << QStringLiteral("0.5");
        QTest::newRow("1234567") << 1234567.0 << QStringLiteral("1.23457e+06");
        QTest::newRow("small") << 0.00001 << QStringLiteral("1e-05");
        QTest::newRow("negative") << -2.25 << QStringLiteral("-2.25");
    }

    void numbersShowAsAStreamWrites()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        Field<double> field(value);
        QCOMPARE(field.edit->text(), text); // at once, without waiting for a change
    }

    void doubleCommit_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("expected");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain") << QStringLiteral("2.5") << 2.5 << QString() << QStringLiteral("2.5");
        QTest::newRow("blanks around")
            << QStringLiteral("  7.25 ") << 7.25 << QString() << QStringLiteral("7.25");
        QTest::newRow("exponent") << QStringLiteral("1.5E3") << 1500.0 << QString() << QStringLiteral("1500");
        QTest::newRow("typographic minus refused by the property")
            << QStringLiteral("\u22124") << 1.0 << QStringLiteral("The size must be positive.")
            << QStringLiteral("1");
        QTest::newRow("letters") << QStringLiteral("abc") << 1.0
                                 << QStringLiteral("Cannot convert \"abc\" to double") << QStringLiteral("1");
        QTest::newRow("empty") << QString() << 1.0 << QStringLiteral("Cannot convert \"\" to double")
                               << QStringLiteral("1");
        QTest::newRow("group separator")
            << QStringLiteral("1,234") << 1.0 << QStringLiteral("Cannot convert \"1,234\" to double")
            << QStringLiteral("1");
        QTest::newRow("zero refused") << QStringLiteral("0") << 1.0
                                      << QStringLiteral("The size must be positive.") << QStringLiteral("1");
    }

    void doubleCommit()
    {
        QFETCH(QString, typed);
        QFETCH(double, expected);
        QFETCH(QString, message);
        QFETCH(QString, shown);
        Field<double> field(1.0, positive());
        QVERIFY(quarlin::test::showActive(&field.window));
        field.commit(typed);
        QCOMPARE(field.property->value(), expected);
        QCOMPARE(hostMessageTexts(), message.isEmpty() ? std::vector<std::string>{}
                                                       : std::vector<std::string>{message.toStdString()});
        QCOMPARE(field.edit->text(), shown);
        QVERIFY(field.edit->hasFocus());
    }

    void shownTextCommitsTheExactValue()
    {
        double const exact = 1234567.0;
        Field<double> field(exact);
        QVERIFY(quarlin::test::showActive(&field.window));
        field.commit(field.edit->text()); // "1.23457e+06", as shown
        QCOMPARE(field.property->value(), exact);
        field.commit(QStringLiteral("1.23457e6")); // typed otherwise: taken as written
        QCOMPARE(field.property->value(), 1234570.0);
    }

    void decimalCommaWhereTheLocaleWritesOne()
    {
        QLocale const saved;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        {
            Field<double> field(1.0);
            QVERIFY(quarlin::test::showActive(&field.window));
            field.commit(QStringLiteral("2,5"));
            QCOMPARE(field.property->value(), 2.5);
            field.commit(QStringLiteral("1,5e3"));
            QCOMPARE(field.property->value(), 1500.0);
        }
        QLocale::setDefault(saved);
        Field<double> field(1.0);
        QVERIFY(quarlin::test::showActive(&field.window));
        field.commit(QStringLiteral("2,5")); // a comma is no decimal point here
        QCOMPARE(field.property->value(), 1.0);
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
};

QUARLIN_TEST_MAIN(TestTextFieldPropertyBinding)
#include "tst_textfieldpropertybinding.moc"
