#include "sdk/managerbase/RelevanceExpression.h"

#include <boost/make_shared.hpp>

namespace quarlin::sdk::ui::propertymanager {

namespace {

// Two rules joined by "and" or "or"; an empty operand never holds.
class JoinedRelevance final : public RelevanceInterface
{
public:
    enum class Join { And, Or };

    JoinedRelevance(Join join, RelevancePtr left, RelevancePtr right)
        : m_join(join)
        , m_left(std::move(left))
        , m_right(std::move(right))
    {}

    bool isRelevant() const override
    {
        bool const left = m_left && m_left->isRelevant();
        if (m_join == Join::And)
            return left && m_right && m_right->isRelevant();
        return left || (m_right && m_right->isRelevant());
    }

private:
    void signalRelevanceChangedConnected() const override
    {
        if (m_leftConnection.connected() || m_rightConnection.connected())
            return;
        auto const follow = [this](bool) { reevaluate(); };
        if (m_left)
            m_leftConnection = m_left->connectRelevanceChanged(follow);
        if (m_right)
            m_rightConnection = m_right->connectRelevanceChanged(follow);
    }

    Join m_join;
    RelevancePtr m_left;
    RelevancePtr m_right;
    mutable boost::signals2::scoped_connection m_leftConnection;
    mutable boost::signals2::scoped_connection m_rightConnection;
};

} // namespace

RelevanceExpression::RelevanceExpression(RelevancePtr rule)
    : m_rule(std::move(rule))
{}

RelevanceExpression& RelevanceExpression::aand(RelevancePtr rule)
{
    m_rule = boost::make_shared<JoinedRelevance>(JoinedRelevance::Join::And, m_rule, std::move(rule));
    return *this;
}

RelevanceExpression& RelevanceExpression::oor(RelevancePtr rule)
{
    m_rule = boost::make_shared<JoinedRelevance>(JoinedRelevance::Join::Or, m_rule, std::move(rule));
    return *this;
}

} // namespace quarlin::sdk::ui::propertymanager
