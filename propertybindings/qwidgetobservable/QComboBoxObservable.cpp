#include "propertybindings/qwidgetobservable/QComboBoxObservable.h"

#include "sdk/exception/ExceptionBoundary.h"
#include "sdk/widgets/DeferredCommits_p.h"

#include <QComboBox>
#include <QPointer>

#include <algorithm>

namespace quarlin::sdk::ui::dialogs::propertybindings::qwidgetobservable {

QComboBoxListenerInterface::~QComboBoxListenerInterface() = default;

QComboBoxObservable::QComboBoxObservable(QComboBox& comboBox)
    : m_comboBox(&comboBox)
    , m_shownIndex(comboBox.currentIndex())
    , m_previousIndex(comboBox.currentIndex())
{
    // Qt reports the new index before it reports the choice; keep the one before it.
    connect(&comboBox, qOverload<int>(&QComboBox::currentIndexChanged), this, [this](int index) {
        m_previousIndex = m_shownIndex;
        m_shownIndex = index;
    });
    // Qt goes on emitting the combo box's signals after this one: the choice is taken once it is
    // done, as the host may answer it by closing the window.
    connect(&comboBox, qOverload<int>(&QComboBox::activated), this, [this] {
        if (!m_choicePending)
            m_beforeChoice = m_previousIndex; // what a refusal goes back to
        m_choicePending = true;
        quarlin::ui::intern::DeferredCommits::schedule(*this, [this] {
            m_choicePending = false;
            onActivated(m_beforeChoice);
        });
    });
}

QComboBoxObservable::~QComboBoxObservable() = default;

void QComboBoxObservable::addListener(QComboBoxListenerInterface* listener)
{
    if (listener && std::find(m_listeners.begin(), m_listeners.end(), listener) == m_listeners.end())
        m_listeners.push_back(listener);
}

void QComboBoxObservable::removeListener(QComboBoxListenerInterface* listener)
{
    m_listeners.erase(std::remove(m_listeners.begin(), m_listeners.end(), listener), m_listeners.end());
}

void QComboBoxObservable::onActivated(int before)
{
    // A copy: a listener may remove itself while being told.
    std::vector<QComboBoxListenerInterface*> const listeners = m_listeners;
    // A listener may close the window, and this observable with it: nothing is touched then.
    QPointer<QComboBoxObservable> const self(this);
    for (QComboBoxListenerInterface* listener : listeners) {
        // A choice a listener refuses is reported and undone.
        bool const taken = runAtBoundary([&] { listener->comboBoxSelectionChanged(*this); });
        if (!self)
            return;
        if (!taken) {
            if (m_comboBox)
                m_comboBox->setCurrentIndex(before);
            return;
        }
    }
}

} // namespace quarlin::sdk::ui::dialogs::propertybindings::qwidgetobservable
