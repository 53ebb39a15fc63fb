#include "sdk/widgets/GreyOutParties.h"

#include <QVariant>
#include <QWidget>

namespace quarlin::ui {

namespace {

// The parties holding a widget greyed out, kept on the widget so that it goes with it.
char const* const partiesProperty = "quarlinGreyedOutBy";
// Stands for the widget's owner, who disabled it before any party did.
qulonglong const owner = 0;

} // namespace

void GreyOutParties::setGreyedOutBy(QWidget& widget, void const* party, bool greyedOut)
{
    QVariantList parties = widget.property(partiesProperty).toList();
    // While no party holds it, its own state is its owner's: disabled by an explicit
    // setEnabled(false), not merely inside a disabled container.
    if (parties.isEmpty() && widget.testAttribute(Qt::WA_ForceDisabled))
        parties << owner;
    QVariant const key(qulonglong(reinterpret_cast<quintptr>(party)));
    parties.removeAll(key);
    if (greyedOut)
        parties << key;
    bool const ownerOnly = parties.size() == 1 && parties.front() == QVariant(owner);
    widget.setProperty(partiesProperty, ownerOnly ? QVariantList() : parties);
    widget.setEnabled(parties.isEmpty());
}

} // namespace quarlin::ui
