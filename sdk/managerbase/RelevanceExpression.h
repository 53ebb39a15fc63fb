#pragma once

#include "sdk/managerbase/RelevanceInterface.h"

namespace quarlin::sdk::ui::propertymanager {

/// Joins rules into one. Joins apply left to right as written:
///   RelevanceExpression(a).aand(b).oor(c)  holds when (a and b) or c.
/// Group differently by passing an expression as the argument:
///   RelevanceExpression(a).aand(RelevanceExpression(b).oor(c)).
/// The joined rule is immutable and shared: converting twice gives the same object, and later
/// joins on the expression build a new rule without touching one already handed out.
class QUARLIN_PROMPT_EXPORT RelevanceExpression
{
public:
    /// Starts from `rule` (shared). Here and in the joins a null rule is one that never holds.
    explicit RelevanceExpression(RelevancePtr rule);

    /// Joins `rule` with and: the expression holds when it held and `rule` holds.
    RelevanceExpression& aand(RelevancePtr rule);
    /// Joins `rule` with or: the expression holds when it held or `rule` holds.
    RelevanceExpression& oor(RelevancePtr rule);

    /// The joined rule.
    RelevancePtr rule() const { return m_rule; }
    /// Same as rule().
    operator RelevancePtr() const { return m_rule; }

private:
    RelevancePtr m_rule;
};

} // namespace quarlin::sdk::ui::propertymanager
