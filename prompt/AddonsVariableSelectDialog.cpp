#include "prompt/AddonsVariableSelectDialog.h"

#include "propertybindings/ComboBoxPropertyBinding.h"
#include "propertybindings/models/ZoneVarListModelAbstract_p.h"
#include "sdk/dialogs/LaunchHelpAction_p.h"
#include "sdk/host/SdkFunctions.h"
#include "sdk/managerbase/DataSetExistsRelevance.h"
#include "ui_VariableSelectDialog.h"

#include <boost/make_shared.hpp>
#include <boost/ptr_container/ptr_vector.hpp>

#include <stdexcept>

namespace quarlin::dialogs::prompt {

using sdk::ui::dialogs::propertybindings::BindingInterface;
using sdk::ui::dialogs::propertybindings::ComboBoxPropertyBinding;
using sdk::ui::dialogs::propertybindings::models::EnabledVariablesListModel;

class AddonsVariableSelectDialog::Impl : public Ui::VariableSelectDialog
{
public:
    std::string instructions;
    std::vector<std::string> labels;
    boost::shared_ptr<EnabledVariablesListModel> model;
    boost::shared_ptr<PropertyAbstract<int>> var1; // shared with the add-on
    boost::shared_ptr<PropertyAbstract<int>> var2;
    boost::shared_ptr<PropertyAbstract<int>> var3;
    boost::ptr_vector<ComboBoxPropertyBinding<int>> bindings;
};

AddonsVariableSelectDialog* AddonsVariableSelectDialog::m_dialogInstance = nullptr;

AddonsVariableSelectDialog& AddonsVariableSelectDialog::getInstance(
    QWidget& parent, char const* instructions, char const* label1, char const* label2, char const* label3,
    boost::shared_ptr<PropertyAbstract<int>> var1, boost::shared_ptr<PropertyAbstract<int>> var2,
    boost::shared_ptr<PropertyAbstract<int>> var3)
{
    if (!m_dialogInstance) {
        std::vector<std::string> labels;
        for (char const* label : {label1, label2, label3})
            if (label)
                labels.emplace_back(label);
        m_dialogInstance =
            new AddonsVariableSelectDialog(parent, std::move(var1), std::move(var2), std::move(var3),
                                           instructions ? instructions : "", labels);
    }
    return *m_dialogInstance;
}

sdk::ui::propertymanager::RelevancePtr AddonsVariableSelectDialog::relevance()
{
    static sdk::ui::propertymanager::RelevancePtr const rule =
        boost::make_shared<sdk::ui::propertymanager::DataSetExistsRelevance>();
    return rule;
}

AddonsVariableSelectDialog::AddonsVariableSelectDialog(QWidget& parent,
                                                       boost::shared_ptr<PropertyAbstract<int>> var1,
                                                       boost::shared_ptr<PropertyAbstract<int>> var2,
                                                       boost::shared_ptr<PropertyAbstract<int>> var3,
                                                       std::string const& instructions,
                                                       std::vector<std::string> const& labels)
    : QtDialogAbstract(parent, relevance())
    , m_impl(std::make_unique<Impl>())
{
    if (labels.empty())
        throw std::out_of_range("invalid vector subscript");
    Impl& form = *m_impl;
    form.instructions = instructions;
    form.labels = labels;
    form.model = boost::make_shared<EnabledVariablesListModel>(&sdk::getEnabledVarsForFrame, false);
    form.var1 = std::move(var1);
    form.var2 = std::move(var2);
    form.var3 = std::move(var3);
    form.setupUi(this);

    // The add-on's texts throughout: the form's placeholders must not come back on a change.
    followLanguage([this, &form] {
        form.retranslateUi(this);
        form.instructions_label->setText(QString::fromStdString(form.instructions));
        QLabel* const rowLabels[] = {form.var1_label, form.var2_label, form.var3_label};
        for (std::size_t row = 0; row < form.labels.size() && row < 3; ++row)
            rowLabels[row]->setText(QString::fromStdString(form.labels[row]));
    });
    QLabel* const rowLabels[] = {form.var1_label, form.var2_label, form.var3_label};
    QComboBox* const combos[] = {form.var1_comboBox, form.var2_comboBox, form.var3_comboBox};
    for (std::size_t row = form.labels.size(); row < 3; ++row) {
        rowLabels[row]->hide();
        combos[row]->hide();
    }
    boost::shared_ptr<PropertyAbstract<int>> const properties[] = {form.var1, form.var2, form.var3};
    for (int i = 0; i < 3; ++i)
        form.bindings.push_back(new ComboBoxPropertyBinding<int>(*combos[i], properties[i], form.model,
                                                                 BindingInterface::ModelUpdateImmediate));

    setHelpAction(new common::LaunchHelpAction("polar.html#polar/xy-line-error-bars/select-variable", *this));
    // The form's size fits its placeholder texts; a longer instruction wraps and needs more.
    resize(size().expandedTo(sizeHint()));
}

AddonsVariableSelectDialog::~AddonsVariableSelectDialog()
{
    if (m_dialogInstance == this)
        m_dialogInstance = nullptr;
}

} // namespace quarlin::dialogs::prompt
