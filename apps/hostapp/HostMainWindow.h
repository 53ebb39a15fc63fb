#pragma once

#include "hostapp/PromptCatalog.h"

#include <boost/signals2/connection.hpp>

#include <QMainWindow>

class QListWidget;
class QPlainTextEdit;

namespace quarlin::hostapp {

// Stands for the host application: a menu entry per prompt, a log of what each prompt gave
// back, the host's state controls, and a dock listing what the library asked of the host
// (help topics shown, messages posted).
class HostMainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit HostMainWindow(QWidget* parent = nullptr);

    // What the prompts gave back so far, as logged.
    int outcomeCount() const { return m_outcomeCount; }
    QString lastOutcome() const { return m_lastOutcome; }

private:
    void runPrompt(PromptEntry const& entry);
    void record(QString const& line);

    HostSession m_session;
    std::vector<PromptEntry> m_prompts;
    QPlainTextEdit* m_outcomes; // owned by this window
    QListWidget* m_activity;    // owned by the activity dock
    int m_outcomeCount = 0;
    QString m_lastOutcome;
    boost::signals2::scoped_connection m_messageConnection;
    boost::signals2::scoped_connection m_helpConnection;
};

} // namespace quarlin::hostapp
