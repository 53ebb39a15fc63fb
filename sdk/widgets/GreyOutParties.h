#pragma once

#include "quarlin_prompt_export.h"

class QWidget;

namespace quarlin::ui {

/// A widget that several parties grey out, each for a reason of its own: the dialog frame while
/// the dialog's rule does not hold, a relevance applier while its rule does not hold, a binding
/// while its property is not sensitive. The widget is usable only while none of them greys it
/// out, so one party's "usable again" never undoes another's "not usable", whatever order their
/// updates arrive in. A widget its owner disabled outside this scheme stays disabled.
class QUARLIN_PROMPT_EXPORT GreyOutParties
{
public:
    /// Records whether `party` (any address that stays the same for it) greys the widget out,
    /// and enables or disables the widget accordingly.
    static void setGreyedOutBy(QWidget& widget, void const* party, bool greyedOut);
};

} // namespace quarlin::ui
