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
    OnIdleAfterPropertyChangeActionPerformer(PropertyItemInterface const& property,
                                             boost::function<void()> action);
    ~OnIdleAfterPropertyChangeActionPerformer();
    OnIdleAfterPropertyChangeActionPerformer(OnIdleAfterPropertyChangeActionPerformer const&) = delete;
    OnIdleAfterPropertyChangeActionPerformer&
    operator=(OnIdleAfterPropertyChangeActionPerformer const&) = delete;

    void enable() { m_enabled = true; }
    void disable() { m_enabled = false; }
    bool isEnabled() const { return m_enabled; }
    bool isPending() const { return m_performer.isPending(); }

private:
    OnIdleActionPerformerSingleShot m_performer;
    bool m_enabled = true;
    boost::signals2::scoped_connection m_connection;
};

} // namespace quarlin::sdk::ui::common
