// Text typed into a real-number spin box bound to a property, confirmed with Return: the
// property gets exactly the number the field showed, or the text is refused with a message and
// the property keeps its value; the field then shows text that reads back as the property's
// value once the event loop turns. The first byte picks the locale, so both decimal point
// conventions are explored.
#include "FuzzSupport.h"
#include "propertybindings/SpinBoxDoublePropertyBinding_p.h"
#include "sdk/managerbase/SpinBoxIncDecCalculatorBase.h"
#include "sdk/widgets/QScientificSpinBox.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <cmath>
#include <cstdint>

namespace {

bool sameNumber(double a, double b)
{
    return a == b || (std::isnan(a) && std::isnan(b));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size)
{
    using namespace quarlin;
    static ui::QScientificSpinBox spinBox;
    static auto const property = boost::make_shared<Property<double>>(0.5);
    static bool const ready = [] {
        spinBox.setRange(-1e150, 1e150);
        return true;
    }();
    (void)ready;
    static sdk::ui::dialogs::propertybindings::SpinBoxDoublePropertyBinding binding(
        &spinBox, property, boost::make_shared<sdk::ui::propertymanager::SpinBoxIncDecCalculatorBase>(0.1));
    static QLocale const english(QLocale::English, QLocale::UnitedStates);
    static QLocale const german(QLocale::German, QLocale::Germany);
    if (size == 0)
        return 0;
    QLocale::setDefault((data[0] & 1U) ? german : english);
    QString const typed =
        QString::fromUtf8(reinterpret_cast<char const*>(data + 1), static_cast<int>(size - 1));

    host::ReferenceHost::instance().clearRecords();
    double const before = property->value();
    QLineEdit* const edit = spinBox.findChild<QLineEdit*>();
    edit->selectAll();
    edit->insert(typed); // as a paste: the spin box's validator may refuse it whole
    QString const shown = edit->text();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(&spinBox, &enter);
    QCoreApplication::processEvents(); // the commit runs once Qt is done with the key, as in a prompt

    bool const refused = !host::ReferenceHost::instance().messages().empty();
    if (refused && !sameNumber(property->value(), before))
        fuzz::fail("a refused text changed the property");
    if (!refused && !sameNumber(property->value(), before)
        && !sameNumber(property->value(), spinBox.valueFromText(shown)))
        fuzz::fail("the property got another number than the field showed");
    if (!sameNumber(spinBox.valueFromText(edit->text()), property->value()))
        fuzz::fail("the field does not show the property's value exactly");
    return 0;
}
