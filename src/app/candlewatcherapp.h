#pragma once

#include "core/sync/secretstore.h"
#include "core/sync/syncclient.h"

#include <QObject>
#include <QTimer>

#include <memory>

class BirthdayStore;
class SettingsStore;
class Clock;
class MainWindow;
class Notifier;
class ReminderRunner;
class ReminderScheduler;
class SyncService;
class TrayIcon;
class TerminationWatcher;

// The program in the tray. Sets the program's identity and fixes the data file's place; when a
// copy runs for this user and data file already, has it show its main window and returns 0;
// otherwise loads the main window hidden, puts the icon in the tray and runs until the main
// window unloads. Returns the program's exit code.
// clients: the subscriptions' network clients; none where this build reaches no server.
// secrets: where their passwords are kept; none: the desktop's secret service.
int runTrayProgram(int argc, char** argv, SyncClientFactory clients = {},
                   SecretStoreFactory secrets = {});

// The running program: its services (the reminder scheduler with the runner that shows what
// the check decides, the sync service), the main window they are handed to and its tray icon,
// the fallback for a desktop without a tray, and the ways the program is told to end (exit
// command, end of session, SIGTERM).
class CandlewatcherApp : public QObject
{
    Q_OBJECT
public:
    static constexpr int TrayRetryIntervalMs = 2000;
    static constexpr int TrayRetryAttempts = 30; // a tray that is a minute late no longer counts
    // Enough for a tray to dock the icon on a busy machine; too short to tell from the start.
    static constexpr int LoadDelayMs = 100;

    CandlewatcherApp(BirthdayStore& store, SettingsStore& settings, const Clock& clock,
                     QObject* parent = nullptr);

    // Where the subscriptions' syncs get their clients and keep their passwords; before start.
    void setSyncClients(SyncClientFactory clients) { m_syncClients = std::move(clients); }
    void setSecretStores(SecretStoreFactory secrets) { m_secretStores = std::move(secrets); }
    ~CandlewatcherApp() override;

    // Built when first asked for: by start, after the icon is in the tray.
    MainWindow& mainWindow();
    TrayIcon& trayIcon() { return *m_tray; }
    // What shows what the check decides; made with the window.
    ReminderRunner& reminderRunner();

    // How often and how many times to look for a tray that was missing at start.
    void setTrayRetry(int intervalMs, int attempts);
    bool trayRetryActive() const { return m_trayRetry.isActive(); }

    // Adds the tray icon and builds the main window's shell; once the event loop has run a
    // little, loads it hidden (its controls wait for its first show), which runs the first
    // check.
    // Without a tray the window is shown instead (the program must stay reachable) and the
    // tray is looked for again for a while.
    void start();
    bool isLoaded() const { return m_loaded; }
    // How long after start the load waits where the icon was added.
    void setLoadDelay(int ms) { m_loadDelayMs = ms; }
    // The window for the tray icon and a later start: loaded first if its turn has not come.
    void showWindow();

    // Unloads the main window without a question: end of the desktop session, SIGTERM.
    // Does nothing once the window has unloaded.
    void endSession();
    bool isUnloaded() const { return m_unloaded; }

    // Follows the desktop session: a request to save commits the data and the program goes on
    // (the user may yet cancel the logout); the application told to quit, as the session's end
    // does, unloads without a question.
    void watchSession();

    // Has the system's requests to end the program (SIGTERM, SIGINT and SIGHUP) call
    // endSession from the event loop (platform/terminationwatcher.h). False where they cannot
    // be watched.
    bool watchTermSignals();

Q_SIGNALS:
    // The main window has unloaded, or is unloading but waits on a message that a session's
    // end cannot wait for: the program may end.
    void finished();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void load();
    bool addTrayIcon();
    void retryTray();
    void finish();

    BirthdayStore& m_store;
    SettingsStore& m_settings;
    const Clock& m_clock;
    SyncClientFactory m_syncClients;
    SecretStoreFactory m_secretStores;
    std::unique_ptr<TrayIcon> m_tray;
    std::unique_ptr<Notifier> m_notifier; // outlives the window, which uses it
    // The services outlive the window they are handed to.
    std::unique_ptr<ReminderRunner> m_runner;
    std::unique_ptr<ReminderScheduler> m_reminders;
    std::unique_ptr<SyncService> m_sync;
    std::unique_ptr<MainWindow> m_window;
    QTimer m_trayRetry;
    int m_trayRetryLeft = 0;
    int m_trayRetryAttempts = TrayRetryAttempts;
    int m_loadDelayMs = LoadDelayMs;
    bool m_iconAtStart = false;
    // No data file and the window never shown to say where the program lives.
    bool m_firstStart = false;
    bool m_loaded = false;
    bool m_unloaded = false;
    std::unique_ptr<TerminationWatcher> m_termination;
};
