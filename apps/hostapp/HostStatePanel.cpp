#include "hostapp/HostStatePanel.h"

#include "hostapp/FollowLanguage.h"
#include "referencehost/ReferenceHost.h"
#include "sdk/host/StateChangeEvent.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>

#include <algorithm>

namespace quarlin::hostapp {

namespace {

struct PlotTypeChoice
{
    char const* text;
    PlotType_e type;
};

constexpr PlotTypeChoice plotTypes[] = {
    {QT_TRANSLATE_NOOP("quarlin::hostapp::HostStatePanel", "Sketch"), PlotType_Sketch},
    {QT_TRANSLATE_NOOP("quarlin::hostapp::HostStatePanel", "XY Line"), PlotType_XYLine},
    {QT_TRANSLATE_NOOP("quarlin::hostapp::HostStatePanel", "Polar Line"), PlotType_PolarLine},
    {QT_TRANSLATE_NOOP("quarlin::hostapp::HostStatePanel", "2D Cartesian"), PlotType_Cartesian2D},
    {QT_TRANSLATE_NOOP("quarlin::hostapp::HostStatePanel", "3D Cartesian"), PlotType_Cartesian3D}};

} // namespace

HostStatePanel::HostStatePanel(QWidget* parent)
    : QWidget(parent)
    , m_dataSet(new QCheckBox(this))
    , m_probes(new QSpinBox(this))
    , m_pages(new QSpinBox(this))
    , m_frames(new QSpinBox(this))
    , m_activeFrame(new QComboBox(this))
    , m_plotType(new QComboBox(this))
{
    setObjectName(QStringLiteral("hostStatePanel"));
    // Up to 100,000 variables, for finding one by name; the data set loads once a count is set.
    m_probes->setRange(0, 100000);
    m_probes->setSingleStep(1000);
    m_probes->setKeyboardTracking(false);
    m_probes->setGroupSeparatorShown(true);
    m_probes->setObjectName(QStringLiteral("probesSpinBox"));
    m_pages->setRange(1, 99);
    m_frames->setRange(0, 99);
    m_dataSet->setObjectName(QStringLiteral("dataSetCheckBox"));
    m_pages->setObjectName(QStringLiteral("pagesSpinBox"));
    m_frames->setObjectName(QStringLiteral("framesSpinBox"));
    m_activeFrame->setObjectName(QStringLiteral("activeFrameCombo"));
    m_plotType->setObjectName(QStringLiteral("plotTypeCombo"));
    for (PlotTypeChoice const& choice : plotTypes)
        m_plotType->addItem(QString(), int(choice.type));

    auto* const layout = new QFormLayout(this);
    layout->addRow(m_dataSet);
    // Each label is its field's buddy: the access key focuses the field, and a screen reader
    // names the field by it. A combo box also gets the name itself, or it is read by its value.
    QWidget* const fields[] = {m_probes, m_pages, m_frames, m_activeFrame, m_plotType};
    std::vector<QLabel*> labels;
    for (QWidget* const field : fields) {
        auto* const label = new QLabel(this);
        label->setBuddy(field);
        layout->addRow(label, field);
        labels.push_back(label);
    }
    followLanguage(*this, [this, labels] {
        m_dataSet->setText(tr("Sample data set loa&ded"));
        QString const texts[] = {tr("Probe &variables:"), tr("Pa&ges:"), tr("Frames o&n page:"),
                                 tr("&Active frame:"), tr("Plot &type:")};
        QWidget* const named[] = {m_probes, m_pages, m_frames, m_activeFrame, m_plotType};
        for (std::size_t i = 0; i < labels.size(); ++i) {
            labels[i]->setText(texts[i]);
            named[i]->setAccessibleName(QString(texts[i]).remove(QLatin1Char('&')).remove(QLatin1Char(':')));
        }
        for (int i = 0; i < m_plotType->count(); ++i)
            m_plotType->setItemText(i, tr(plotTypes[i].text));
        showHostState(); // the frames are listed with their plot type's name
    });

    auto& host = host::ReferenceHost::instance();
    connect(m_dataSet, &QCheckBox::toggled, this, [this, &host](bool loaded) {
        if (m_showing)
            return;
        if (loaded)
            host.loadSampleDataSet();
        else
            host.removeDataSet();
    });
    connect(m_probes, qOverload<int>(&QSpinBox::valueChanged), this, [this, &host](int count) {
        if (!m_showing)
            host.loadSampleDataSet(count);
    });
    connect(m_pages, qOverload<int>(&QSpinBox::valueChanged), this, [this, &host](int count) {
        if (!m_showing)
            host.setPageCount(count);
    });
    connect(m_frames, qOverload<int>(&QSpinBox::valueChanged), this, [this, &host](int count) {
        if (!m_showing)
            host.setFrameCount(count);
    });
    connect(m_activeFrame, qOverload<int>(&QComboBox::currentIndexChanged), this, [this, &host](int index) {
        if (!m_showing && index >= 0)
            host.activateFrame(index);
    });
    connect(m_plotType, qOverload<int>(&QComboBox::currentIndexChanged), this, [this, &host](int index) {
        if (!m_showing && index >= 0)
            host.setPlotType(static_cast<PlotType_e>(m_plotType->itemData(index).toInt()));
    });

    m_stateChanges = toolbox::StateChangeEventObservable::getInstance().connectStateChanged(
        [this](toolbox::StateChangeEventInterface const&) { showHostState(); });
}

void HostStatePanel::showHostState()
{
    auto const& host = host::ReferenceHost::instance();
    m_showing = true;
    m_dataSet->setChecked(host.hasDataSet());
    constexpr int sampleVariables = 8;
    m_probes->setValue(host.hasDataSet() ? std::max(0, int(host.dataSet().variables.size()) - sampleVariables)
                                         : 0);
    m_pages->setValue(host.pageCount());
    m_frames->setValue(host.frameCount());
    m_activeFrame->clear();
    for (host::Frame const& frame : host.frames()) {
        int const shown = m_plotType->findData(int(frame.plotType));
        m_activeFrame->addItem(QStringLiteral("%1 (%2)").arg(
            QString::fromStdString(frame.name), shown >= 0 ? m_plotType->itemText(shown) : tr("other")));
    }
    m_activeFrame->setCurrentIndex(host.activeFrame());
    m_activeFrame->setEnabled(host.frameCount() > 0);
    m_plotType->setCurrentIndex(m_plotType->findData(int(host.plotType())));
    m_plotType->setEnabled(host.frameCount() > 0);
    m_showing = false;
}

} // namespace quarlin::hostapp
