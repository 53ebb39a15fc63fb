#include "propertybindings/qwidgetobservable/QComboBoxObservable.h"

#include "sdk/exception/ExceptionBoundary.h"

#include <QComboBox>

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
    connect(&comboBox, qOverload<int>(&QComboBox::activated), this, &QComboBoxObservable::onActivated);
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

void QComboBoxObservable::onActivated()
{
    int const before = m_previousIndex;
    // A copy: a listener may remove itself while being told.
    std::vector<QComboBoxListenerInterface*> const listeners = m_listeners;
    for (QComboBoxListenerInterface* listener : listeners) {
        // A choice a listener refuses is reported and undone.
        if (!runAtBoundary([&] { listener->comboBoxSelectionChanged(*this); })) {
            if (m_comboBox)
                m_comboBox->setCurrentIndex(before);
            return;
        }
    }
}

} // namespace quarlin::sdk::ui::dialogs::propertybindings::qwidgetobservable
