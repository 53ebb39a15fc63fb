#pragma once

#include "quarlin_prompt_export.h"
#include "sdk/uicommon/OnIdleActionPerformerSingleShot.h"

#include <boost/function.hpp>
#include <boost/signals2/connection.hpp>

namespace quarlin {
class PropertyItemInterface;
}

namespace quarlin::sdk::ui::common {

/// Runs an action once at the next idle point after the property changed, however often it
/// changed meanwhile. While disabled, changes are not noticed at all (a run already pending
/// stays pending). The property must outlive the performer.
class QUARLIN_PROMPT_EXPORT OnIdleAfterPropertyChangeActionPerformer
{
public:
    /// Runs `action` at the next idle point after each change of `property` (borrowed). Enabled.
    OnIdleAfterPropertyChangeActionPerformer(PropertyItemInterface const& property,
                                             boost::function<void()> action);
    ~OnIdleAfterPropertyChangeActionPerformer();
    OnIdleAfterPropertyChangeActionPerformer(OnIdleAfterPropertyChangeActionPerformer const&) = delete;
    OnIdleAfterPropertyChangeActionPerformer&
    operator=(OnIdleAfterPropertyChangeActionPerformer const&) = delete;

    /// Notices changes again.
    void enable() { m_enabled = true; }
    /// Stops noticing changes.
    void disable() { m_enabled = false; }
    /// Whether changes are noticed.
    bool isEnabled() const { return m_enabled; }
    /// Whether a run is due.
    bool isPending() const { return m_performer.isPending(); }

private:
    OnIdleActionPerformerSingleShot m_performer;
    bool m_enabled = true;
    boost::signals2::scoped_connection m_connection;
};

} // namespace quarlin::sdk::ui::common
