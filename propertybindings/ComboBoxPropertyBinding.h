#pragma once

#include "propertybindings/ComboBoxFinder.h"
#include "propertybindings/LineEditPropertyBindingAbstract.h"
#include "propertybindings/WidgetUpdateDeferrerOnBusy.h"
#include "propertybindings/models/ListModelInterface.h"
#include "propertybindings/models/QListModel.h"
#include "propertybindings/qwidgetobservable/QComboBoxObservable.h"
#include "sdk/exception/ExceptionBoundary.h"

#include <QComboBox>
#include <QPointer>

#include <functional>
#include <memory>
#include <type_traits>

namespace quarlin::sdk::ui::dialogs::propertybindings {

namespace intern {
/// Makes a combo box cheap over a long list (over a thousand rows): a width that does not read
/// every row, and a popup list with uniform item sizes that does not measure every row when it
/// opens (set up at the combo box's first show). A shorter list keeps the form's and the
/// style's settings. Called again when the list grows. See the definition for why.
QUARLIN_PROMPT_EXPORT void prepareComboForLongLists(QComboBox& combo);
/// Gives a combo box over the host's variables or zones (the library's lists of them) a finder;
/// other lists are left as they are.
QUARLIN_PROMPT_EXPORT void findInHostMembers(QComboBox& combo, models::ListModelInterface<int> const& model);
} // namespace intern

/// Keeps a combo box and a property in step over a list model: choosing an item sets the
/// property to that item's value; a property change selects the item holding the value. An
/// editable combo's text is committed as in LineEditPropertyBindingAbstract.
///
/// - A value the list does not hold: an editable combo shows it as text; otherwise the first
///   item is shown (or nothing, for an empty list). Showing never sets the property.
/// - When the list changes and loses the value that was chosen, the property moves to the first
///   row that is not a header; a value the list never held is left alone.
/// - A choice the property refuses is reported by the combo observable and undone.
/// - A person finds a row by any part of its text as they type where findAsYouType() asks for it;
///   a list of the host's variables or zones has it from the start.
/// The combo box, the property and the list model must outlive the binding.
template <class T>
class ComboBoxPropertyBinding : public LineEditPropertyBindingAbstract<T>
{
public:
    /// The list model the combo box shows.
    using Model = models::ListModelInterface<T>;

    /// Binds `combo` to `property` (shared) over `model` (shared); `mode` says whether the list holds
    /// its repaints while the host is busy. Throws InvalidArgumentException for a null property or
    /// model. The combo box is borrowed and must outlive the binding.
    ComboBoxPropertyBinding(QComboBox& combo, boost::shared_ptr<PropertyAbstract<T>> property,
                            boost::shared_ptr<Model const> model, BindingInterface::ModelUpdateMode mode)
        : LineEditPropertyBindingAbstract<T>(combo.lineEdit(), std::move(property))
        , m_combo(&combo)
        , m_model(std::move(model))
        , m_comboListener(*this)
        , m_modelListener([this] { onModelReset(); })
    {
        if (!m_model)
            throw InvalidArgumentException("A combo box binding needs a list model.");
        if (mode == BindingInterface::ModelUpdateDeferredOnBusy)
            m_deferrer = std::make_unique<WidgetUpdateDeferrerOnBusy>(combo);
        combo.setInsertPolicy(QComboBox::NoInsert);

        SignalConnectionCollection& connections = this->connections();
        auto const stale = [this] { this->requestWidgetUpdate(); };
        connections.add(m_model->connectToDataChangedSignal(stale));
        connections.add(m_model->connectToItemChangedSignal([this](int) { this->requestWidgetUpdate(); }));
        connections.add(m_model->connectToItemsInsertedSignal([this](int, int) {
            this->requestWidgetUpdate();
            if (m_combo)
                intern::prepareComboForLongLists(*m_combo);
        }));
        connections.add(m_model->connectToItemsRemovedSignal(stale));
        connections.add(m_model->connectToDataChangedSignal([this] { onDataChanged(); }));
        connections.add(
            this->property().connectToValueChangedSignal([this](T const& v) { onValueChanged(v); }));

        m_valueInModel = m_model->indexOf(this->property().value()) != -1;

        // The binding only reads the model, but the interface declares its text reads non-const
        // (a host's model may cache or build texts on demand), so the Qt adapter takes it as is.
        m_qtModel = std::make_unique<models::QListModel>(const_cast<Model&>(*m_model));
        combo.setModel(m_qtModel.get());
        // Uniform item sizes for the popup list, among other things for long lists.
        intern::prepareComboForLongLists(combo);

        m_comboObservable = std::make_unique<qwidgetobservable::QComboBoxObservable>(combo);
        m_comboObservable->addListener(&m_comboListener);
        if constexpr (std::is_same_v<T, int>)
            intern::findInHostMembers(combo, *m_model);
        updateWidget();
    }

    ~ComboBoxPropertyBinding() override
    {
        m_qtModel.reset();
        if (m_comboObservable)
            m_comboObservable->removeListener(&m_comboListener);
        m_comboObservable.reset();
        QObject::disconnect(m_modelResetConnection);
    }

    void updateWidget() override
    {
        if (!m_combo)
            return;
        T const value = this->property().value();
        int index = m_model->indexOf(value);
        if (index == -1) {
            if (m_combo->isEditable()) {
                m_combo->setEditText(QString::fromStdString(toText(value)));
                return;
            }
            if (m_model->size() == 0)
                return;
            index = 0;
        }
        m_combo->setCurrentIndex(index);
    }

    void updateVisibility() override { this->showAsUiPropertySays(m_combo); }
    void updateSensitivity() override { this->enableAsUiPropertySays(m_combo); }

    /// Lets a person find a row by any part of its text as they type (see ComboBoxFinder); `rows`
    /// says what the finder calls them. Returns the combo box's finder (it owns it), the one it
    /// has if it has one already; null once the combo box is gone. A choice made by finding is
    /// a choice as any other, through this binding.
    ComboBoxFinder* findAsYouType(ComboBoxFinder::Rows rows = ComboBoxFinder::Rows::Items)
    {
        if (!m_combo)
            return nullptr;
        if (ComboBoxFinder* const existing = ComboBoxFinder::of(*m_combo))
            return existing;
        return new ComboBoxFinder(*m_combo, rows);
    }

    /// Whether the list changed and the combo box has not yet been refilled from it.
    bool isModelResetPending() const { return m_modelResetPending; }

private:
    class QComboBoxListener : public virtual qwidgetobservable::QComboBoxListenerInterface
    {
    public:
        explicit QComboBoxListener(ComboBoxPropertyBinding& binding)
            : m_binding(&binding)
        {}
        void comboBoxSelectionChanged(qwidgetobservable::QComboBoxObservable& observable) override
        {
            if (QComboBox const* const combo = observable.comboBox())
                m_binding->onItemChosen(combo->currentIndex());
        }

    private:
        ComboBoxPropertyBinding* m_binding; ///< not owned: the binding owns this listener
    };

    /// Receiver of the one-shot connection to the Qt model's reset.
    class ComboboxModelListener : public QObject
    {
    public:
        explicit ComboboxModelListener(std::function<void()> onReset)
            : m_onReset(std::move(onReset))
        {}
        void modelWasReset() { m_onReset(); }

    private:
        std::function<void()> m_onReset;
    };

    void onItemChosen(int index)
    {
        if (index == -1 || m_modelResetPending)
            return;
        // A refusal propagates to the observable, which reports it and undoes the choice.
        this->property().setValue(m_model->get(index));
    }

    void onValueChanged(T const& value) { m_valueInModel = m_model->indexOf(value) != -1; }

    void onDataChanged()
    {
        m_modelResetPending = true;
        QObject::disconnect(m_modelResetConnection);
        m_modelResetConnection = QObject::connect(m_qtModel.get(), &QAbstractItemModel::modelReset,
                                                  &m_modelListener, &ComboboxModelListener::modelWasReset);
    }

    void onModelReset()
    {
        QObject::disconnect(m_modelResetConnection);
        m_modelResetPending = false;
        if (m_combo)
            intern::prepareComboForLongLists(*m_combo); // the list may have grown long
        if (!m_valueInModel || m_model->size() == 0 || m_model->indexOf(this->property().value()) != -1)
            return;
        // Called by Qt's model reset: a fallback the property refuses is reported, and the combo
        // box shows the value the property kept.
        for (int row = 0; row < m_model->size(); ++row)
            if (!m_model->isHeader(row)) {
                if (!runAtBoundary([&] { this->property().setValue(m_model->get(row)); }))
                    updateWidget();
                return;
            }
    }

    QPointer<QComboBox> m_combo; ///< not owned: the dialog's widget tree owns it
    std::unique_ptr<qwidgetobservable::QComboBoxObservable> m_comboObservable; ///< owned
    boost::shared_ptr<Model const> m_model;
    std::unique_ptr<models::QListModel> m_qtModel;          ///< owned; the combo box shows it
    std::unique_ptr<WidgetUpdateDeferrerOnBusy> m_deferrer; ///< owned; only in deferred model update mode
    bool m_modelResetPending = false;
    bool m_valueInModel = false;
    QComboBoxListener m_comboListener;
    ComboboxModelListener m_modelListener;
    QMetaObject::Connection m_modelResetConnection;
};

} // namespace quarlin::sdk::ui::dialogs::propertybindings
