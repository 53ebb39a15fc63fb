#include "sdk/managerbase/UIKernelStylePropertiesAbstract.h"

#include "sdk/host/AppLock.h"
#include "sdk/host/QrnUtil.h"
#include "sdk/signals/ScopedExitAction.h"

namespace quarlin::sdk::ui::propertymanager {

UIKernelStylePropertiesInterface::~UIKernelStylePropertiesInterface() = default;

UIKernelStylePropertiesAbstract::UIKernelStylePropertiesAbstract(bool isModal,
                                                                 UIKernelStylePropertiesAbstract* parent)
    : m_isModal(isModal)
    , m_parent(parent)
{
    if (m_parent)
        m_parentSubmitted = m_parent->connectToSubmittedSignal([this] { parentSubmitted(); });
}

UIKernelStylePropertiesAbstract::~UIKernelStylePropertiesAbstract() = default;

void UIKernelStylePropertiesAbstract::init()
{
    if (m_parent)
        setPropertyOffsets(m_parent->collectionOffset(), m_collectionOffset);
    else
        setPropertyOffsets(m_collectionOffset, -1);
    m_initialized();
}

void UIKernelStylePropertiesAbstract::submit()
{
    // Nested sets submit when they hear of this one: inside its undo step, so that one Undo
    // takes back everything one OK wrote.
    if (m_isModal) {
        AppLock const lock(ImplicitMacroRecording_Off);
        QrnUtilUndoStateBegin(UndoStateCategory_Style);
        ScopedExitAction const closeStep([] { QrnUtilUndoStateEnd(false, true); });
        submitProperties();
        m_submitted();
        return;
    }
    m_submitted();
}

void UIKernelStylePropertiesAbstract::parentSubmitted()
{
    submit();
}

boost::signals2::connection
UIKernelStylePropertiesAbstract::connectToSubmittedSignal(Signal::slot_type const& slot) const
{
    return m_submitted.connect(slot);
}

boost::signals2::connection
UIKernelStylePropertiesAbstract::connectToInitializedSignal(Signal::slot_type const& slot) const
{
    return m_initialized.connect(slot);
}

} // namespace quarlin::sdk::ui::propertymanager
