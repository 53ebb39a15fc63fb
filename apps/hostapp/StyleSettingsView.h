#pragma once

#include <boost/signals2/connection.hpp>

#include <QTableWidget>

namespace quarlin::hostapp {

// The host's style settings as a table: name parts, instance offsets, value, and the undo step
// of the last change. Follows the host's style changes as they happen, undo included.
class StyleSettingsView : public QTableWidget
{
    Q_OBJECT

public:
    explicit StyleSettingsView(QWidget* parent = nullptr);

private:
    void showSettings();

    boost::signals2::scoped_connection m_stateChanges;
};

} // namespace quarlin::hostapp
