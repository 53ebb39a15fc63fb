#include "sdk/uicommon/OnIdleAfterStateChangeActionPerformer_p.h"

#include "sdk/exception/ExceptionBoundary.h"
#include "sdk/host/StateChangeEvent.h"

namespace quarlin::sdk::ui::common {

OnIdleAfterStateChangeActionPerformer::OnIdleAfterStateChangeActionPerformer(boost::function<void()> action,
                                                                             Filter filter)
    : m_performer(std::move(action))
    , m_filter(std::move(filter))
    , m_connection(toolbox::StateChangeEventObservable::getInstance().connectStateChanged(
          [this](toolbox::StateChangeEventInterface const& event) {
              runAtBoundary([&] {
                  if (!m_filter || m_filter(event))
                      m_performer.enableNotification();
              });
          }))
{}

OnIdleAfterStateChangeActionPerformer::~OnIdleAfterStateChangeActionPerformer() = default;

} // namespace quarlin::sdk::ui::common
