#pragma once

#include "quarlin_prompt_export.h"

#include <QValidator>

namespace quarlin::ui {

/// Holds a field to a number of characters as a person counts them: a letter with its accents
/// ("e" + U+0301), an emoji, a character outside the basic plane each count once, where Qt's
/// maximum length counts UTF-16 code units and would cut such a character in half.
///
/// Text that is not well-formed UTF-16 (half a surrogate pair) is Invalid: no conversion could
/// keep it. Longer text is Intermediate: it may stand in the field while a person edits it, and
/// whoever commits the field does not take it.
class QUARLIN_PROMPT_EXPORT CharacterLimitValidator : public QValidator
{
    Q_OBJECT

public:
    /// Allows `maxCharacters` characters; `parent` owns the validator, as Qt's parents do.
    CharacterLimitValidator(int maxCharacters, QObject* parent);
    ~CharacterLimitValidator() override;

    /// Acceptable up to the limit, Intermediate beyond it, Invalid when not well-formed.
    State validate(QString& text, int& position) const override;

    /// The limit, in characters as a person counts them.
    int maxCharacters() const { return m_maxCharacters; }
    /// The characters of text as a person counts them (grapheme clusters).
    static int characterCount(QString const& text);
    /// No half of a surrogate pair stands alone.
    static bool isWellFormed(QString const& text);

private:
    int m_maxCharacters;
};

} // namespace quarlin::ui
