#include "sdk/uicommon/OnIdleAfterPropertyChangeActionPerformer.h"

#include "sdk/propertybase/PropertyItemInterface.h"

namespace quarlin::sdk::ui::common {

OnIdleAfterPropertyChangeActionPerformer::OnIdleAfterPropertyChangeActionPerformer(
    PropertyItemInterface const& property, boost::function<void()> action)
    : m_performer(std::move(action))
    , m_connection(property.connectToPropertyChangedSignal([this] {
        if (m_enabled)
            m_performer.enableNotification();
    }))
{}

OnIdleAfterPropertyChangeActionPerformer::~OnIdleAfterPropertyChangeActionPerformer() = default;

} // namespace quarlin::sdk::ui::common
