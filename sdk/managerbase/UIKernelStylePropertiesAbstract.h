#pragma once

#include "quarlin_prompt_export.h"
#include "sdk/managerbase/UIKernelStylePropertiesInterface.h"

#include <boost/signals2/connection.hpp>
#include <boost/signals2/signal.hpp>

namespace quarlin::sdk::ui::propertymanager {

/// The base of a generated style set: a modal set edits deferred properties and sends them on
/// submit(), a modeless one writes through at once. Sets nest: a set built under a parent shares
/// its modality, is submitted when the parent is, and takes the parent's collection offset as its
/// first offset.
///
/// A set's collection offset chooses the instance of its settings (per map, per zone; -1 for
/// none). init() hands the offsets to the properties: (own, -1) for a set without a parent,
/// (parent's, own) for a nested one.
class QUARLIN_PROMPT_EXPORT UIKernelStylePropertiesAbstract : public virtual UIKernelStylePropertiesInterface
{
public:
    /// Fires after the set was initialised or submitted.
    using Signal = boost::signals2::signal<void()>;

    /// A set that is modal or not; under `parent` (borrowed, must outlive this set) it takes the
    /// parent's modality instead.
    explicit UIKernelStylePropertiesAbstract(bool isModal, UIKernelStylePropertiesAbstract* parent = nullptr);
    ~UIKernelStylePropertiesAbstract() override;
    UIKernelStylePropertiesAbstract(UIKernelStylePropertiesAbstract const&) = delete;
    UIKernelStylePropertiesAbstract& operator=(UIKernelStylePropertiesAbstract const&) = delete;

    void init() override;
    /// Modal: takes the host lock and sends every property in one undo step; the step is closed
    /// however the sending ends, and a refusal (InvalidPropertyValueException) reaches the
    /// caller. Modeless: there is nothing to send. Announces submitted either way.
    void submit() override;
    /// Whether the set defers its writes to submit().
    bool isModal() const override { return m_isModal; }

    /// The parent was submitted; a nested set submits itself.
    void parentSubmitted();
    /// Chooses the instance of the settings; takes effect at the next init().
    void setCollectionOffset(int const& offset) { m_collectionOffset = offset; }
    /// The instance of the settings; -1 for none.
    int collectionOffset() const { return m_collectionOffset; }
    /// The parent set; null for a set of its own.
    UIKernelStylePropertiesAbstract* parent() const { return m_parent; }

    /// Connects `slot` to the submitted signal; the caller owns the connection.
    boost::signals2::connection connectToSubmittedSignal(Signal::slot_type const& slot) const;
    /// Connects `slot` to the initialised signal; the caller owns the connection.
    boost::signals2::connection connectToInitializedSignal(Signal::slot_type const& slot) const;

protected:
    /// A generated set sends each of its deferred properties to the host, in order.
    virtual void submitProperties() = 0;
    /// A generated set points each of its properties at the instance the offsets choose.
    virtual void setPropertyOffsets(int offset1, int offset2) = 0;

private:
    bool m_isModal;
    UIKernelStylePropertiesAbstract* m_parent; ///< not owned; outlives this set
    int m_collectionOffset = -1;
    mutable Signal m_submitted;
    mutable Signal m_initialized;
    boost::signals2::scoped_connection m_parentSubmitted;
};

} // namespace quarlin::sdk::ui::propertymanager
