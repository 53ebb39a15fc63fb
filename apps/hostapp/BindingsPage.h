#pragma once

#include "property/Property.h"
#include "propertybindings/ComboBoxPropertyBinding.h"
#include "propertybindings/RelevanceApplier.h"
#include "propertybindings/models/StringListModel.h"

#include <QWidget>

#include <memory>

class QComboBox;
class QLabel;
class QSpinBox;

namespace quarlin::hostapp {

// Shows bindings at work: combo boxes bound to properties over list models, and a colour button
// bound to a host style setting, with each property's value beside its widget and a spin box
// through which the host sets it, so a person sees both directions: choose in the widget and
// the value follows; change the value and the widget follows.
class BindingsPage : public QWidget
{
    Q_OBJECT

public:
    explicit BindingsPage(QWidget* parent = nullptr);
    ~BindingsPage() override;

private:
    void addRow(char const* title, QWidget* editor, boost::shared_ptr<PropertyAbstract<int>> const& property);
    void fillVariables();

    boost::shared_ptr<sdk::ui::dialogs::propertybindings::models::StringListWithHeadersModel> m_variables;
    boost::shared_ptr<Property<int>> m_chosenVariable;
    boost::shared_ptr<Property<int>> m_stride;
    boost::shared_ptr<sdk::ui::dialogs::propertybindings::models::StringListModel> m_strides;
    // The host's mesh, read and written through its style settings: the colour can be chosen
    // while the mesh is shown.
    boost::shared_ptr<PropertyAbstract<bool>> m_showMesh;
    boost::shared_ptr<PropertyAbstract<int>> m_meshColor;
    std::unique_ptr<sdk::ui::dialogs::propertybindings::RelevanceApplier> m_meshColorApplier;
    // Owned; declared after the properties and models they use, so they go first.
    std::vector<std::unique_ptr<sdk::ui::dialogs::propertybindings::PropertyBindingInterface>> m_bindings;
    SignalConnectionCollection m_connections;
    boost::signals2::scoped_connection m_hostChanges;
};

} // namespace quarlin::hostapp
