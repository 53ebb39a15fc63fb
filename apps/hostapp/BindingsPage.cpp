#include "hostapp/BindingsPage.h"

#include "hostapp/FollowLanguage.h"
#include "propertybindings/ColorButtonPropertyBinding.h"
#include "referencehost/ReferenceHost.h"
#include "sdk/exception/ExceptionBoundary.h"
#include "sdk/host/StateChangeEvent.h"

#include "propertymanager/PropertyDependentRelevance.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>

#include "styleproperties/KernelProperty.h"

#include <boost/make_shared.hpp>

namespace quarlin::hostapp {

using namespace sdk::ui::dialogs::propertybindings;

BindingsPage::BindingsPage(QWidget* parent)
    : QWidget(parent)
    , m_variables(boost::make_shared<models::StringListWithHeadersModel>())
    , m_chosenVariable(boost::make_shared<Property<int>>(1))
    , m_stride(boost::make_shared<Property<int>>(1))
    , m_strides(
          boost::make_shared<models::StringListModel>(std::vector<std::string>{"0", "1", "2", "5", "10"}))
    , m_showMesh(boost::make_shared<sdk::styleproperties::KernelProperty<bool>>(
          toolbox::StyleValue("FieldLayers", "ShowMesh")))
    , m_meshColor(boost::make_shared<sdk::styleproperties::KernelProperty<int>>(
          toolbox::StyleValue("FieldLayers", "MeshColor")))
{
    setObjectName(QStringLiteral("BindingsPage"));
    auto* const layout = new QGridLayout(this);
    QLabel* const headings[] = {new QLabel(this), new QLabel(this), new QLabel(this), new QLabel(this)};
    for (int column = 0; column < 4; ++column)
        layout->addWidget(headings[column], 0, column);
    followLanguage(*this, [headings] {
        char const* const texts[] = {QT_TR_NOOP("<b>Property</b>"), QT_TR_NOOP("<b>Widget</b>"),
                                     QT_TR_NOOP("<b>Value</b>"), QT_TR_NOOP("<b>Set by the host</b>")};
        for (int column = 0; column < 4; ++column)
            headings[column]->setText(tr(texts[column]));
    });
    layout->setColumnStretch(1, 1);

    fillVariables();
    auto* const variableCombo = new QComboBox(this);
    variableCombo->setObjectName(QStringLiteral("variableCombo"));
    auto variableBinding = std::make_unique<ComboBoxPropertyBinding<int>>(
        *variableCombo, m_chosenVariable, m_variables, BindingInterface::ModelUpdateImmediate);
    // The host asks for finding as you type: its list mixes variables and zones under headers.
    variableBinding->findAsYouType(ComboBoxFinder::Rows::Items);
    m_bindings.push_back(std::move(variableBinding));
    addRow(QT_TR_NOOP("C&hosen variable (row)"), variableCombo, m_chosenVariable);

    // An editable combo: pick a listed row number or type any whole number and press Enter.
    auto* const strideCombo = new QComboBox(this);
    strideCombo->setObjectName(QStringLiteral("strideCombo"));
    strideCombo->setEditable(true);
    m_bindings.push_back(std::make_unique<ComboBoxPropertyBinding<int>>(
        *strideCombo, m_stride, m_strides, BindingInterface::ModelUpdateImmediate));
    addRow(QT_TR_NOOP("Str&ide (editable)"), strideCombo, m_stride);

    auto* const showMesh = new QCheckBox(this);
    showMesh->setObjectName(QStringLiteral("showMeshCheckBox"));
    int const meshRow = layout->rowCount();
    auto* const meshLabel = new QLabel(this);
    meshLabel->setBuddy(showMesh);
    layout->addWidget(meshLabel, meshRow, 0);
    layout->addWidget(showMesh, meshRow, 1);
    followLanguage(*showMesh, [showMesh, meshLabel] {
        showMesh->setText(tr("Show &mesh"));
        meshLabel->setText(tr("Mesh (host style)"));
    });
    auto const showMeshValue = [showMesh](bool shown) {
        QSignalBlocker const quiet(showMesh);
        showMesh->setChecked(shown);
    };
    showMeshValue(m_showMesh->value());
    m_connections.add(m_showMesh->connectToValueChangedSignal(showMeshValue));
    connect(showMesh, &QCheckBox::toggled, this,
            [this](bool shown) { runAtBoundary([&] { m_showMesh->setValue(shown); }); });

    // Each choice is written to the host at once, as its own undo step; the colour can be chosen
    // while the host shows the mesh.
    auto* const meshColor = new QPushButton(this);
    meshColor->setObjectName(QStringLiteral("meshColorButton"));
    m_bindings.push_back(std::make_unique<ColorButtonPropertyBinding>(meshColor, m_meshColor, true));
    addRow(QT_TR_NOOP("Mesh &color (host style)"), meshColor, m_meshColor);
    m_meshColorApplier = std::make_unique<RelevanceApplier>(
        boost::make_shared<sdk::ui::propertymanager::PropertyDependentRelevance<bool>>(
            boost::shared_ptr<PropertyAbstract<bool> const>(m_showMesh), true),
        std::initializer_list<QWidget*>{meshColor}, RelevanceApplier::Manifestation_Sensitivity,
        BindingInterface::WidgetUpdateImmediate);
    layout->setRowStretch(layout->rowCount(), 1);

    // The list follows the host's data set, as a dialog's variable list does.
    m_hostChanges = toolbox::StateChangeEventObservable::getInstance().connectStateChanged(
        [this](toolbox::StateChangeEventInterface const& event) {
            if (event.kind() == StateChange_DataSetReset || event.kind() == StateChange_VarsAltered)
                fillVariables();
        });
}

BindingsPage::~BindingsPage()
{
    m_meshColorApplier.reset();
    m_bindings.clear();
}

void BindingsPage::fillVariables()
{
    auto const& host = host::ReferenceHost::instance();
    m_variables->clear();
    if (!host.hasDataSet())
        return;
    m_variables->appendHeaderRow("Variables");
    for (auto const& variable : host.dataSet().variables)
        m_variables->append(variable.name);
    m_variables->appendHeaderRow("Zones");
    for (auto const& zone : host.dataSet().zones)
        m_variables->append(zone);
}

void BindingsPage::addRow(char const* title, QWidget* editor,
                          boost::shared_ptr<PropertyAbstract<int>> const& property)
{
    auto* const layout = static_cast<QGridLayout*>(this->layout());
    int const row = layout->rowCount();
    auto* const label = new QLabel(this);
    label->setBuddy(editor); // the access key and the name a screen reader gives the editor
    auto* const value = new QLabel(this);
    auto* const setter = new QSpinBox(this);
    setter->setObjectName(editor->objectName() + QStringLiteral("_hostSetter"));
    setter->setRange(-10, 999);
    layout->addWidget(label, row, 0);
    layout->addWidget(editor, row, 1);
    layout->addWidget(value, row, 2);
    layout->addWidget(setter, row, 3);
    auto* const combo = qobject_cast<QComboBox*>(editor);
    followLanguage(*label, [=] {
        label->setText(tr(title));
        QString const name = tr(title).remove(QRegularExpression(QStringLiteral("&(?!&)")));
        editor->setAccessibleName(name); // a combo box is read by its value otherwise
        if (combo && combo->lineEdit())
            combo->lineEdit()->setAccessibleName(name);
        setter->setAccessibleName(tr("%1, set by the host").arg(name));
        value->setAccessibleName(tr("%1, value").arg(name));
    });

    auto const show = [value, setter](int v) {
        value->setText(QString::number(v));
        QSignalBlocker const quiet(setter);
        setter->setValue(v);
    };
    show(property->value());
    m_connections.add(property->connectToValueChangedSignal([show](int const& v) { show(v); }));
    connect(setter, qOverload<int>(&QSpinBox::valueChanged), this,
            [property](int v) { runAtBoundary([&] { property->setValue(v); }); });
}

} // namespace quarlin::hostapp
