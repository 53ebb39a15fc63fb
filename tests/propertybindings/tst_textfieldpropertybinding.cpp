#include "testsupport/TestSupport.h"

#include "property/Property.h"
#include "propertybindings/TextFieldPropertyBinding.h"
#include "sdk/host/ReferenceHost.h"
#include "testsupport/RefusingValidator.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QScopeGuard>
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

    // A number shows as a stream writes it, at once; committing the shown text gives back the
    // exact value, text typed otherwise is taken as written, in the locale's notation, and text
    // that is no number or that the property refuses is reported, the field showing the value kept.
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
        auto const cannot = [](char const* text) {
            return QStringLiteral("Cannot convert \"%1\" to double").arg(QString::fromUtf8(text));
        };
        QTest::newRow("0.5 as shown") << c << 0.5 << shownText << 0.5 << QString() << QStringLiteral("0.5");
        QTest::newRow("1234567 as shown")
            << c << 1234567.0 << shownText << 1234567.0 << QString() << QStringLiteral("1.23457e+06");
        QTest::newRow("small as shown")
            << c << 0.00001 << shownText << 0.00001 << QString() << QStringLiteral("1e-05");
        QTest::newRow("1.23457e6 typed") << c << 1.0 << QStringLiteral("1.23457e6") << 1234570.0 << QString()
                                         << QStringLiteral("1.23457e+06");
        QTest::newRow("plain") << c << 1.0 << QStringLiteral("2.5") << 2.5 << QString()
                               << QStringLiteral("2.5");
        QTest::newRow("blanks around")
            << c << 1.0 << QStringLiteral("  7.25 ") << 7.25 << QString() << QStringLiteral("7.25");
        QTest::newRow("exponent") << c << 1.0 << QStringLiteral("1.5E3") << 1500.0 << QString()
                                  << QStringLiteral("1500");
        QTest::newRow("typographic minus refused by the property")
            << c << 1.0 << QStringLiteral("\u22124") << 1.0 << notPositive << QStringLiteral("1");
        QTest::newRow("zero refused")
            << c << 1.0 << QStringLiteral("0") << 1.0 << notPositive << QStringLiteral("1");
        QTest::newRow("letters") << c << 1.0 << QStringLiteral("abc") << 1.0 << cannot("abc")
                                 << QStringLiteral("1");
        QTest::newRow("empty") << c << 1.0 << QString(QLatin1String("")) << 1.0 << cannot("")
                               << QStringLiteral("1");
        QTest::newRow("group separator")
            << c << 1.0 << QStringLiteral("1,234") << 1.0 << cannot("1,234") << QStringLiteral("1");
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
