#pragma once

#include "hostapp/PromptCatalog.h"

#include <boost/signals2/connection.hpp>

#include <QMainWindow>

class QListWidget;
class QLocale;
class QSettings;

namespace quarlin::hostapp {
class RememberedLoadersView;
}
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

    // File > Open without the file dialog: reads the file with the one loader that claims
    // its extension, or asks through the loader chooser; returns what the host logged.
    QString openDataFile(QString const& fileName);

    // Restores the window's geometry and dock layout from `settings`, and keeps both, and the
    // language chosen, there from now on; without it the window remembers nothing (tests, the
    // gallery).
    void rememberLayoutIn(QSettings& settings);
    // Speaks `locale`'s language at once, this window and every prompt included.
    void setLanguage(QLocale const& locale);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void runPrompt(PromptEntry const& entry);
    void record(QString const& line);

    HostSession m_session;
    std::vector<PromptEntry> m_prompts;
    QPlainTextEdit* m_outcomes;                 // owned by this window
    QListWidget* m_activity;                    // owned by the activity dock
    RememberedLoadersView* m_rememberedLoaders; // owned by the page widget
    int m_outcomeCount = 0;
    QString m_lastOutcome;
    boost::signals2::scoped_connection m_messageConnection;
    boost::signals2::scoped_connection m_helpConnection;
    QSettings* m_settings = nullptr; // not owned; outlives the window
};

} // namespace quarlin::hostapp
