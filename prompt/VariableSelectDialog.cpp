#include "prompt/VariableSelectDialog.h"

#include "propertybindings/ComboBoxPropertyBinding.h"
#include "propertybindings/models/ZoneVarListModelAbstract_p.h"
#include "sdk/dialogs/LaunchHelpAction_p.h"
#include "sdk/exception/ExceptionBoundary.h"
#include "sdk/host/AppLock.h"
#include "sdk/host/QrnUtil.h"
#include "sdk/host/SdkFunctions.h"
#include "sdk/host/StyleValue.h"
#include "sdk/managerbase/DataSetExistsRelevance.h"

#include "sdk/signals/ScopedExitAction.h"
#include "styleproperties/KernelPropertyDeferred.h"
#include "ui_VariableSelectDialog.h"
#include <QCoreApplication>
#include <QPointer>

#include <boost/make_shared.hpp>
#include <boost/ptr_container/ptr_vector.hpp>

#include <stdexcept>

namespace quarlin::dialogs::prompt {

using sdk::styleproperties::KernelPropertyDeferred;
using sdk::ui::dialogs::propertybindings::BindingInterface;
using sdk::ui::dialogs::propertybindings::ComboBoxPropertyBinding;
using sdk::ui::dialogs::propertybindings::models::EnabledVariablesListModel;

namespace {

// The library's own texts in the person's language; a host's texts as the host gave them.
QString shown(std::string const& text)
{
    return QCoreApplication::translate("VariableSelectDialog", text.c_str());
}

char const* const helpTopic = "polar.html#polar/xy-line-error-bars/select-variable";

} // namespace

// Members in construction order; the bindings go first on destruction, while the widgets,
// the properties and the model they use still exist.
class VariableSelectDialog::Impl : public Ui::VariableSelectDialog
{
public:
    bool hasEveryLabel() const { return labels.size() >= (threeVariables ? 3u : 2u); }
    void showTexts()
    {
        instructions_label->setText(shown(instructions));
        var1_label->setText(shown(labels[0]));
        var2_label->setText(shown(labels[1]));
        if (threeVariables) {
            var3_label->setText(shown(labels[2]));
        } else {
            var3_label->hide();
            var3_comboBox->hide();
        }
    }

    std::string instructions;
    std::vector<std::string> labels;
    bool threeVariables = false;
    boost::shared_ptr<EnabledVariablesListModel> model;
    boost::shared_ptr<KernelPropertyDeferred<int>> var1Property;
    boost::shared_ptr<KernelPropertyDeferred<int>> var2Property;
    // With two variables, a second property on the second setting, for the hidden row; never written.
    boost::shared_ptr<KernelPropertyDeferred<int>> var3Property;
    boost::ptr_vector<ComboBoxPropertyBinding<int>> bindings;
    boost::function<void()> postAssignmentAction;
    std::unique_ptr<DefaultVarAssignmentInterface const> defaults; // null: the first listed is the fallback
    boost::signals2::scoped_connection listChanged;

    // The data set lost a shown variable: the proposal is made again, before the combo boxes
    // fall back to the first listed variable.
    void proposeAgain() const
    {
        auto const listed = [this](KernelPropertyDeferred<int> const& p) {
            return model->indexOf(p.value()) != -1;
        };
        if (!defaults || model->size() == 0
            || (listed(*var1Property) && listed(*var2Property) && (!threeVariables || listed(*var3Property))))
            return;
        defaults->assignDefaults(*var1Property, *var2Property, *var3Property);
    }
};

VariableSelectDialog* VariableSelectDialog::m_dialogInstance = nullptr;

VariableSelectDialog::DefaultVarAssignmentInterface::~DefaultVarAssignmentInterface() = default;

std::unique_ptr<VariableSelectDialog::DefaultVarAssignmentInterface>
VariableSelectDialog::DefaultVarAssignmentInterface::clone() const
{
    return nullptr;
}

VariableSelectDialog& VariableSelectDialog::getInstance(QWidget& parent, toolbox::StringList const& var1Path,
                                                        toolbox::StringList const& var2Path,
                                                        toolbox::StringList const& var3Path,
                                                        std::string const& instructions,
                                                        std::vector<std::string> const& labels,
                                                        DefaultVarAssignmentInterface const& defaults)
{
    if (!m_dialogInstance)
        m_dialogInstance =
            new VariableSelectDialog(parent, var1Path, var2Path, var3Path, instructions, labels, defaults);
    return *m_dialogInstance;
}

sdk::ui::propertymanager::RelevancePtr VariableSelectDialog::relevance()
{
    static sdk::ui::propertymanager::RelevancePtr const rule =
        boost::make_shared<sdk::ui::propertymanager::DataSetExistsRelevance>();
    return rule;
}

VariableSelectDialog::VariableSelectDialog(QWidget& parent, toolbox::StringList const& var1Path,
                                           toolbox::StringList const& var2Path,
                                           toolbox::StringList const& var3Path,
                                           std::string const& instructions,
                                           std::vector<std::string> const& labels,
                                           DefaultVarAssignmentInterface const& defaults)
    : QtDialogAbstract(parent, relevance())
    , m_impl(std::make_unique<Impl>())
{
    Impl& form = *m_impl;
    form.instructions = instructions;
    form.labels = labels;
    form.threeVariables = var3Path.count() > 0;
    form.model = boost::make_shared<EnabledVariablesListModel>(&sdk::getEnabledVarsForFrame, false);
    form.setupUi(this);

    form.var1Property = boost::make_shared<KernelPropertyDeferred<int>>(toolbox::StyleValue(var1Path));
    form.var2Property = boost::make_shared<KernelPropertyDeferred<int>>(toolbox::StyleValue(var2Path));
    form.var3Property = boost::make_shared<KernelPropertyDeferred<int>>(
        toolbox::StyleValue(form.threeVariables ? var3Path : var2Path));
    // Before the bindings exist, so the combo boxes open on the proposal.
    defaults.assignDefaults(*form.var1Property, *form.var2Property, *form.var3Property);
    form.defaults = defaults.clone();
    // First of all listeners of the list: before the bindings' fallback.
    form.listChanged = form.model->connectToDataChangedSignal(
        [&form] { runAtBoundary([&form] { form.proposeAgain(); }); }, boost::signals2::at_front);

    QComboBox* const combos[] = {form.var1_comboBox, form.var2_comboBox, form.var3_comboBox};
    boost::shared_ptr<KernelPropertyDeferred<int>> const properties[] = {form.var1Property, form.var2Property,
                                                                         form.var3Property};
    for (int i = 0; i < 3; ++i)
        form.bindings.push_back(new ComboBoxPropertyBinding<int>(*combos[i], properties[i], form.model,
                                                                 BindingInterface::ModelUpdateImmediate));

    setHelpAction(new common::LaunchHelpAction(helpTopic, *this));
    // Shown before launch too, so a host that shows the dialog its own way sees the right form.
    followLanguage([this, &form] {
        form.retranslateUi(this);
        if (form.hasEveryLabel())
            form.showTexts();
    });
    fitToTexts();
}

VariableSelectDialog::~VariableSelectDialog()
{
    if (m_dialogInstance == this)
        m_dialogInstance = nullptr;
}

void VariableSelectDialog::launch()
{
    Impl& form = *m_impl;
    if (!form.hasEveryLabel())
        throw std::out_of_range("invalid vector subscript");
    form.showTexts();
    fitToTexts();
    QtDialogAbstract::launch();
}

void VariableSelectDialog::fitToTexts()
{
    // The form's size fits its placeholder texts; a longer instruction wraps and needs more.
    resize(size().expandedTo(sizeHint()));
}

void VariableSelectDialog::setPostAssignmentAction(boost::function<void()> action)
{
    m_impl->postAssignmentAction = std::move(action);
}

void VariableSelectDialog::accept()
{
    // OK's slot: a refusal is the host's message, and the dialog stays open.
    // The host may close the window under the prompt from a write it answers or from the action:
    // what was written stays written, the step and the lock close, and the gone dialog is left
    // alone.
    QPointer<VariableSelectDialog> const self(this);
    runAtBoundary([this, &self] {
        Impl& form = *m_impl;
        auto const first = form.var1Property, second = form.var2Property, third = form.var3Property;
        auto const action = form.postAssignmentAction;
        bool const threeVariables = form.threeVariables;
        sdk::AppLock const lock(sdk::ImplicitMacroRecording_Off);
        QrnUtilUndoStateBegin(UndoStateCategory_Style);
        {
            ScopedExitAction const closeStep([] { QrnUtilUndoStateEnd(false, true); });
            first->submitValue();
            if (self)
                second->submitValue();
            if (self && threeVariables)
                third->submitValue();
            if (self && action)
                action();
        }
        if (self)
            QDialog::accept();
    });
}

} // namespace quarlin::dialogs::prompt
