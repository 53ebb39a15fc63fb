#pragma once

#include "propertybindings/BindingInterface.h"
#include "propertybindings/ListViewPropertySynchronizer.h"

#include <QAbstractItemView>

#include <functional>
#include <memory>
#include <set>
#include <vector>

class QListView;

namespace quarlin::sdk::ui::dialogs::propertybindings {

/// Binds a list view's selection to a property of model values through a
/// ListViewPropertySynchronizer: a person's selection is written to the property (a refusal is
/// reported through the host's message box), the property's changes are shown at the next idle
/// point. Built empty, then init(); the view must outlive the binding.
class QUARLIN_PROMPT_EXPORT ListViewPropertyBinding
{
public:
    ListViewPropertyBinding();
    ~ListViewPropertyBinding();
    ListViewPropertyBinding(ListViewPropertyBinding const&) = delete;
    ListViewPropertyBinding& operator=(ListViewPropertyBinding const&) = delete;

    /// A second init replaces the first binding.
    void init(QListView& view, boost::shared_ptr<PropertyAbstract<std::set<int>>> property,
              boost::shared_ptr<models::ListModelInterface<int> const> model,
              BindingInterface::ModelUpdateMode mode);
    /// The same for a property that holds the chosen values as a vector.
    void init(QListView& view, boost::shared_ptr<PropertyAbstract<std::vector<int>>> property,
              boost::shared_ptr<models::ListModelInterface<int> const> model,
              BindingInterface::ModelUpdateMode mode);
    /// Sets the view's selection mode; nothing once the view is gone.
    void setSelectionMode(QAbstractItemView::SelectionMode mode);

    /// The synchronizer the last init() made; null before the first. Owned by the binding.
    WidgetPropertySynchronizerInterface* synchronizer() const { return m_synchronizer.get(); }

private:
    /// Replaces the synchronizer by a new one and follows the view's selection.
    void follow(QListView& view,
                std::function<std::unique_ptr<WidgetPropertySynchronizerInterface>()> const& make);

    QPointer<QListView> m_view; ///< not owned
    std::unique_ptr<WidgetPropertySynchronizerInterface> m_synchronizer;
    QMetaObject::Connection m_selectionConnection;
};

} // namespace quarlin::sdk::ui::dialogs::propertybindings
