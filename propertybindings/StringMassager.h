#pragma once

#include "property/PropertyAbstract.h"
#include "quarlin_prompt_export.h"

#include <QString>

namespace quarlin::sdk::ui::dialogs::propertybindings {

/// Turns what a person naturally types for a number into the text the number reader takes
/// ("C" form: '.' decimal point, optional exponent):
/// - blanks around the number go;
/// - where the user's locale writes a decimal comma, one comma becomes '.' ("2,5" → "2.5",
///   "1,5e3" → "1.5e3"); elsewhere a comma is left for the validator to refuse, since it would
///   be a group separator and "1,234" must not silently become 1;
/// - a typographic minus sign (U+2212) becomes '-', and an exponent may be written with 'E';
/// - the text the field showed for the property's value (six significant digits) stands for the
///   exact value: committing the shown text unchanged never rounds the value.
/// The text is rewritten in place; anything else is left as typed.
class QUARLIN_PROMPT_EXPORT StringMassager
{
public:
    /// Rewrites `text` as described above; `property` gives the value whose shown text stands for it.
    static void prepareText(PropertyAbstract<double>& property, QString& text);
};

} // namespace quarlin::sdk::ui::dialogs::propertybindings
