#pragma once

#include <boost/signals2/connection.hpp>

#include <QWidget>

class QCheckBox;
class QComboBox;
class QSpinBox;

namespace quarlin::hostapp {

// The host's own controls over the state the prompts react to: whether a data set is loaded and
// how many probe variables it has beyond the sample's, how many pages and frames exist, which
// frame is active, and its plot type. It also follows changes made elsewhere, so what it shows is
// always the host's state.
class HostStatePanel : public QWidget
{
    Q_OBJECT

public:
    explicit HostStatePanel(QWidget* parent = nullptr);

private:
    void showHostState();

    QCheckBox* m_dataSet;     // owned by this widget
    QSpinBox* m_probes;       // owned by this widget
    QSpinBox* m_pages;        // owned by this widget
    QSpinBox* m_frames;       // owned by this widget
    QComboBox* m_activeFrame; // owned by this widget
    QComboBox* m_plotType;    // owned by this widget
    bool m_showing = false;   // true while the controls are being set from the host
    boost::signals2::scoped_connection m_stateChanges;
};

} // namespace quarlin::hostapp
