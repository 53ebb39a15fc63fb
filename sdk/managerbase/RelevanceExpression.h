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
    explicit RelevanceExpression(RelevancePtr rule);

    RelevanceExpression& aand(RelevancePtr rule);
    RelevanceExpression& oor(RelevancePtr rule);

    RelevancePtr rule() const { return m_rule; }
    operator RelevancePtr() const { return m_rule; }

private:
    RelevancePtr m_rule;
};

} // namespace quarlin::sdk::ui::propertymanager
