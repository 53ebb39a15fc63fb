#pragma once

#include "sdk/uicommon/OnIdleActionPerformerSingleShot.h"

#include <boost/function.hpp>
#include <boost/signals2/connection.hpp>

namespace quarlin::toolbox {
class StateChangeEventInterface;
}

namespace quarlin::sdk::ui::common {

// Runs an action once at the next idle point after a host state change the filter accepts,
// however many arrived meanwhile: the host's state has settled by then. Nothing runs after the
// performer is destroyed.
class OnIdleAfterStateChangeActionPerformer
{
public:
    using Filter = boost::function<bool(toolbox::StateChangeEventInterface const&)>;

    OnIdleAfterStateChangeActionPerformer(boost::function<void()> action, Filter filter);
    ~OnIdleAfterStateChangeActionPerformer();
    OnIdleAfterStateChangeActionPerformer(OnIdleAfterStateChangeActionPerformer const&) = delete;
    OnIdleAfterStateChangeActionPerformer& operator=(OnIdleAfterStateChangeActionPerformer const&) = delete;

    bool isPending() const { return m_performer.isPending(); }

private:
    OnIdleActionPerformerSingleShot m_performer;
    Filter m_filter;
    boost::signals2::scoped_connection m_connection;
};

} // namespace quarlin::sdk::ui::common
