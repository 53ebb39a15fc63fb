#include "hostapp/HostStatePanel.h"

#include "referencehost/ReferenceHost.h"
#include "sdk/host/StateChangeEvent.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QSpinBox>

namespace quarlin::hostapp {

namespace {

struct PlotTypeChoice
{
    char const* text;
    PlotType_e type;
};

constexpr PlotTypeChoice plotTypes[] = {{"Sketch", PlotType_Sketch},
                                        {"XY Line", PlotType_XYLine},
                                        {"Polar Line", PlotType_PolarLine},
                                        {"2D Cartesian", PlotType_Cartesian2D},
                                        {"3D Cartesian", PlotType_Cartesian3D}};

} // namespace

HostStatePanel::HostStatePanel(QWidget* parent)
    : QWidget(parent)
    , m_dataSet(new QCheckBox(tr("Sample data set &loaded"), this))
    , m_pages(new QSpinBox(this))
    , m_frames(new QSpinBox(this))
    , m_activeFrame(new QComboBox(this))
    , m_plotType(new QComboBox(this))
{
    setObjectName(QStringLiteral("hostStatePanel"));
    m_pages->setRange(1, 99);
    m_frames->setRange(0, 99);
    for (PlotTypeChoice const& choice : plotTypes)
        m_plotType->addItem(tr(choice.text), int(choice.type));

    auto* const layout = new QFormLayout(this);
    layout->addRow(m_dataSet);
    layout->addRow(tr("&Pages:"), m_pages);
    layout->addRow(tr("&Frames on page:"), m_frames);
    layout->addRow(tr("&Active frame:"), m_activeFrame);
    layout->addRow(tr("Plot &type:"), m_plotType);

    auto& host = host::ReferenceHost::instance();
    connect(m_dataSet, &QCheckBox::toggled, this, [this, &host](bool loaded) {
        if (m_showing)
            return;
        if (loaded)
            host.loadSampleDataSet();
        else
            host.removeDataSet();
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
    showHostState();
}

void HostStatePanel::showHostState()
{
    auto const& host = host::ReferenceHost::instance();
    m_showing = true;
    m_dataSet->setChecked(host.hasDataSet());
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
