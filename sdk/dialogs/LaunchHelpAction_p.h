#pragma once

#include <QAction>

#include <string>

namespace quarlin::dialogs::common {

// Opens one help topic in the host's help when triggered (F1 or a Help button in a dialog).
class LaunchHelpAction : public QAction
{
    Q_OBJECT

public:
    LaunchHelpAction(std::string const& helpTopic, QObject& parent);
    ~LaunchHelpAction() override;

    std::string const& helpTopic() const { return m_helpTopic; }
    void retranslate();

private:
    std::string m_helpTopic;
};

} // namespace quarlin::dialogs::common
