#include "prompt/EnterThreeIntValuesDialog.h"

#include "prompt/EnterThreeIntValuesPropertiesManager_p.h"
#include "propertybindings/SpinBoxLgIndexPropertyBinding_p.h"
#include "sdk/dialogs/LaunchHelpAction_p.h"
#include "sdk/managerbase/DataSetExistsRelevance.h"
#include "ui_EnterThreeIntValues.h"

#include <boost/ptr_container/ptr_vector.hpp>

#include <algorithm>
#include <array>

namespace quarlin::dialogs::prompt {

using sdk::ui::dialogs::propertybindings::SpinBoxLgIndexPropertyBinding;

namespace {

constexpr __int64 spinBoxLimit = 2147483646;

} // namespace

// Members in construction order; destruction runs backwards, so the bindings let go of widgets
// and properties before the properties go, and the form's pointers go last.
class EnterThreeIntValuesDialog::Impl : public Ui::EnterThreeIntValues
{
public:
    Impl(__int64 initial1, __int64 initial2, __int64 initial3)
        : manager(initial1, initial2, initial3)
    {}

    EnterThreeIntValuesPropertiesManager manager;
    boost::ptr_vector<SpinBoxLgIndexPropertyBinding> bindings;
};

EnterThreeIntValuesDialog* EnterThreeIntValuesDialog::m_dialogInstance = nullptr;

EnterThreeIntValuesDialog&
EnterThreeIntValuesDialog::getInstance(QWidget& parent, __int64 value1, __int64 value2, __int64 value3,
                                       std::string const& title, std::string const& helpTopic,
                                       std::string label1, std::string label2, std::string label3,
                                       __int64 minimum1, __int64 minimum2, __int64 minimum3)
{
    if (!m_dialogInstance)
        m_dialogInstance =
            new EnterThreeIntValuesDialog(parent, title, helpTopic, value1, value2, value3, std::move(label1),
                                          std::move(label2), std::move(label3), minimum1, minimum2, minimum3);
    return *m_dialogInstance;
}

sdk::ui::propertymanager::RelevancePtr EnterThreeIntValuesDialog::relevance()
{
    static sdk::ui::propertymanager::RelevancePtr const rule =
        boost::make_shared<sdk::ui::propertymanager::DataSetExistsRelevance>();
    return rule;
}

EnterThreeIntValuesDialog::EnterThreeIntValuesDialog(QWidget& parent, std::string const& title,
                                                     std::string const& helpTopic, __int64 value1,
                                                     __int64 value2, __int64 value3, std::string label1,
                                                     std::string label2, std::string label3, __int64 minimum1,
                                                     __int64 minimum2, __int64 minimum3)
    : QtDialogAbstract(parent, relevance())
    , m_impl(std::make_unique<Impl>(value1, value2, value3))
{
    Impl& form = *m_impl;
    form.setupUi(this);
    // Every text is the host's; the form's placeholders must not come back on a language change.
    followLanguage(
        [this, &form, title,
         texts = std::array<QString, 3>{QString::fromStdString(label1), QString::fromStdString(label2),
                                        QString::fromStdString(label3)}] {
            form.retranslateUi(this);
            form.valueLabel1->setText(texts[0]);
            form.valueLabel2->setText(texts[1]);
            form.valueLabel3->setText(texts[2]);
            setWindowTitle(QString::fromStdString(title));
        });

    quarlin::ui::IntegralSpinBox* const spinBoxes[] = {form.value1, form.value2, form.value3};
    __int64 const minimums[] = {minimum1, minimum2, minimum3};
    for (int i = 0; i < 3; ++i) {
        spinBoxes[i]->setMaximum(static_cast<int>(spinBoxLimit));
        spinBoxes[i]->setMinimum(static_cast<int>(-spinBoxLimit));
        // Only a positive minimum limits a value; one beyond the spin box's range is held at it.
        if (minimums[i] > 0)
            spinBoxes[i]->setMinimum(static_cast<int>(std::min(minimums[i], spinBoxLimit)));
    }

    form.bindings.push_back(new SpinBoxLgIndexPropertyBinding(form.value1, form.manager.value1(), {}));
    form.bindings.push_back(new SpinBoxLgIndexPropertyBinding(form.value2, form.manager.value2(), {}));
    form.bindings.push_back(new SpinBoxLgIndexPropertyBinding(form.value3, form.manager.value3(), {}));

    setHelpAction(new common::LaunchHelpAction(helpTopic, *this));
}

EnterThreeIntValuesDialog::~EnterThreeIntValuesDialog()
{
    if (m_dialogInstance == this)
        m_dialogInstance = nullptr;
    m_impl->bindings.clear();
}

__int64 EnterThreeIntValuesDialog::value1() const
{
    return m_impl->manager.value1()->value();
}

__int64 EnterThreeIntValuesDialog::value2() const
{
    return m_impl->manager.value2()->value();
}

__int64 EnterThreeIntValuesDialog::value3() const
{
    return m_impl->manager.value3()->value();
}

} // namespace quarlin::dialogs::prompt
