#include "propertybindings/ListViewPropertyBinding.h"

#include <QListView>

namespace quarlin::sdk::ui::dialogs::propertybindings {

ListViewPropertyBinding::ListViewPropertyBinding() = default;

ListViewPropertyBinding::~ListViewPropertyBinding()
{
    QObject::disconnect(m_selectionConnection);
}

namespace {

template <class T>
std::unique_ptr<WidgetPropertySynchronizerInterface>
synchronizerFor(QListView& view, boost::shared_ptr<PropertyAbstract<T>> property,
                boost::shared_ptr<models::ListModelInterface<int> const> model)
{
    return std::make_unique<ListViewPropertySynchronizer<T>>(view, std::move(property), std::move(model));
}

} // namespace

void ListViewPropertyBinding::init(QListView& view,
                                   boost::shared_ptr<PropertyAbstract<std::set<int>>> property,
                                   boost::shared_ptr<models::ListModelInterface<int> const> model,
                                   BindingInterface::ModelUpdateMode)
{
    follow(view, [&] { return synchronizerFor(view, std::move(property), std::move(model)); });
}

void ListViewPropertyBinding::init(QListView& view,
                                   boost::shared_ptr<PropertyAbstract<std::vector<int>>> property,
                                   boost::shared_ptr<models::ListModelInterface<int> const> model,
                                   BindingInterface::ModelUpdateMode)
{
    follow(view, [&] { return synchronizerFor(view, std::move(property), std::move(model)); });
}

void ListViewPropertyBinding::follow(
    QListView& view, std::function<std::unique_ptr<WidgetPropertySynchronizerInterface>()> const& make)
{
    QObject::disconnect(m_selectionConnection);
    m_synchronizer.reset();
    m_synchronizer = make();
    m_view = &view;
    m_selectionConnection =
        QObject::connect(view.selectionModel(), &QItemSelectionModel::selectionChanged,
                         [this] { runAtBoundary([this] { m_synchronizer->updateProperty(); }); });
}

void ListViewPropertyBinding::setSelectionMode(QAbstractItemView::SelectionMode mode)
{
    if (m_view)
        m_view->setSelectionMode(mode);
}

template class ListViewPropertySynchronizer<std::vector<int>>;
template class ListViewPropertySynchronizer<std::set<int>>;

} // namespace quarlin::sdk::ui::dialogs::propertybindings
