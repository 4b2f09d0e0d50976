#pragma once

#include "core/calendar/nextevent.h"
#include "core/presentation/listviewmode.h"
#include "core/store/birthdaystore.h"
#include "ui/app/mainactions.h"
#include "ui/help/helphook.h"
#include "ui/list/birthdaylistmodel.h"
#include "ui/list/messageprompt.h"

#include <QDate>
#include <QMainWindow>
#include <QPointer>

#include <memory>
#include <optional>

class BirthdayCommands;
class BirthdayListView;
class Clock;
class DataFileWatcher;
class ExchangeCommands;
class HelpPanel;
class Notifier;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QStatusBar;
class QTimer;
class QToolBar;
class ReminderRunner;
class SyncCommands;
class SettingsStore;
class TrayIcon;
class WindowLayout;

// The event list with its menus, toolbar, status bar and help panel; owns the reminder timer.
// Loaded hidden at start; the close button only hides it, so the program stays in the tray.
// At start it is a light shell: the menus (the tray's among them), the check, its timer and
// the file watcher. The views, bars and help panel are built just before the window first
// shows, or when something asks for them; the list's rows wait for them until then.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    // Why the window is asked to unload.
    enum class UnloadReason { CloseButton, Exit, SessionEnd };

    MainWindow(BirthdayStore& store, SettingsStore& settings, const Clock& clock,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // The stored layout, the list's rows read (ending in one reminder check), the caption with
    // the version, and the check timer started.
    void load();
    // The menu of the tray icon; its items call the slots below.
    QMenu* trayMenu() const;
    // The tray icon to take back at unload.
    void setTrayIcon(TrayIcon* tray);
    // Where the desktop has no tray, the close button minimises instead of hiding.
    void setTrayAvailable(bool available);
    // Where desktop notifications go (and whose "Show Candlewatcher" shows this window).
    void setNotifier(Notifier* notifier);
    // Whether the reminder windows can be placed above a tray: not on Wayland, not without
    // a tray. Decides whether reminders show as windows or notifications by default.
    bool windowPlaceable() const;

    // True when the unload may go on (the user may be asked first). The close button only
    // hides the window and answers false.
    bool confirmUnload(UnloadReason reason);
    // What the unload keeps: the layout saved, the data file compacted. Also at a save of the
    // desktop session, after which the program goes on. Only an interactive commit shows a
    // failure; otherwise nobody may be there to answer.
    void commitData(bool interactive);
    // From the start of the unload on (a message of the unload may still be open).
    bool isUnloaded() const { return m_unloaded; }

    // The help panel shows the entry of this key (see HelpPanel::showTopic).
    void showHelp(const QString& helpKey);
    // What other windows call with their help keys; harmless once this window is gone.
    HelpSink helpSink();
    // Lays out list and help panel for the room the bars leave.
    void arrangeControls();
    // A toolbar button, by its identifier; unknown identifiers do nothing.
    void triggerToolbarButton(const QString& identifier);

    // Message boxes go through this hook when one is set (tests answer them).
    void setMessageHook(MessagePrompt::Hook hook);

    const MainActions& actions() const { return m_actions; }
    // The controls, built when first asked for.
    BirthdayListView* listView();
    HelpPanel* helpPanel();
    QToolBar* toolbar();
    QWidget* clientArea();
    QLineEdit* searchField();
    QMenuBar* menuBar();
    QStatusBar* statusBar();
    QTimer* checkTimer() const { return m_checkTimer; }
    ReminderRunner* reminderRunner() const { return m_runner; }
    SyncCommands* syncCommands() const { return m_sync; }

public Q_SLOTS:
    void showFromTray(); // show, raise and activate
    // The start's own showing (no tray to wait in): a window left minimised opens minimised.
    void showAsStored();
    // The reminder check on the data file as it is now; forceShow shows the notification
    // even when it is not due.
    void checkReminders(bool forceShow = false);
    void refreshBirthdays();
    // The data file changed on disk: when someone else wrote it, the list follows (keeping
    // the selection on the events it still shows) and the check runs on the new data.
    void followDataFile();
    void newBirthday();
    void editBirthday();
    void duplicateBirthdays();
    void deleteBirthdays();
    void showSpecialEvents();
    void showPreferences();
    void showAbout();
    void showComments();
    void openWebsite();
    void exitProgram(); // asks when QuitConfirm is "1", then unloads
    void endSession();  // unload without a question (logout, SIGTERM)

Q_SIGNALS:
    void unloaded(); // the unload has run; the program may end

public:
    // The controls are built before the first show.
    void setVisible(bool visible) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The views, bars, help panel and the commands on the list, once; then the rows read
    // meanwhile.
    void build(bool withRows = true);
    void createControls();
    void showPendingRows();
    // The status bar's panel, or what it shows once built.
    void setStatusNotice(const QString& text);
    void connectActions();
    void addHelpHooks();
    void chooseViewMode(QAction* chosen);
    void chooseArrange(ListArrange arrange);
    void toggleBar(QAction* item, QWidget* bar);
    void toggleHelp();
    void showContextMenu(const QPoint& globalPos);
    // reason: a session end unloads without waiting for anyone to answer a message.
    void unload(UnloadReason reason);
    void saveData(bool interactive);
    // Another modal window is open: bring it forward instead of opening a second one.
    bool modalAlreadyOpen() const;
    // The list's rows from records read when the file was in state, with their dates as the
    // check worked them out (one per record). The selection and the scrolling stay on the
    // events the list still shows.
    void showRecords(QList<BirthdayRecord> records, ComingEvents coming,
                     const BirthdayStore::FileState& state);
    // What the list does with records just read: fill anew (a refresh), or only when the file
    // changed since the list read it (the check, and someone else's change).
    enum class ListFill { Anew, Follow };
    // The reminder check on records just read, and the list from them.
    void checkRecords(QList<BirthdayRecord> records, bool forceShow, ListFill fill);

    BirthdayStore& m_store;
    SettingsStore& m_settings;
    const Clock& m_clock;

    MainActions m_actions;
    MessagePrompt m_prompt;
    QWidget* m_client = nullptr;
    BirthdayListView* m_list = nullptr;
    QLineEdit* m_search = nullptr;
    HelpPanel* m_help = nullptr;
    QToolBar* m_toolbar = nullptr;
    QStatusBar* m_statusBar = nullptr;
    QLabel* m_statusPanel = nullptr;
    QLabel* m_unreadableDates = nullptr; // how many events' dates do not read; hidden for none
    QTimer* m_checkTimer = nullptr;
    ReminderRunner* m_runner = nullptr;
    DataFileWatcher* m_watcher = nullptr;
    // The data file as the list last read it.
    BirthdayStore::FileState m_listState;
    BirthdayCommands* m_commands = nullptr;
    ExchangeCommands* m_exchange = nullptr;
    SyncCommands* m_sync = nullptr;
    std::unique_ptr<WindowLayout> m_layout;
    QPointer<TrayIcon> m_tray;
    bool m_trayAvailable = true;
    // What the controls show once they are built: the list's rows, the count of dates that do
    // not read, the status panel's notice and the help topic asked for.
    std::optional<QList<BirthdayListModel::Row>> m_pendingRows;
    QString m_unreadableSummary;
    QString m_statusNotice;
    QString m_pendingHelpKey;
    // The day the list's "Next" and "In" columns were worked out for.
    QDate m_listDay;
    bool m_unloaded = false;
    std::shared_ptr<bool> m_helpAlive = std::make_shared<bool>(true);
};
