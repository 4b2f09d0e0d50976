#pragma once

#include "app/reminderscheduler.h"
#include "core/calendar/nextevent.h"
#include "core/store/birthdaystore.h"
#include "ui/app/mainactions.h"
#include "ui/common/messageprompt.h"
#include "ui/help/helphook.h"
#include "ui/list/birthdaylistmodel.h"
#include "ui/list/listrows.h"
#include "ui/presentation/listviewmode.h"

#include <QDate>
#include <QMainWindow>
#include <QPointer>

#include <memory>
#include <optional>

class BirthdayCommands;
class BirthdayListView;
class Clock;
class ExchangeCommands;
class HelpPanel;
class ListHelpLayout;
class Notifier;
class QLabel;
class QLineEdit;
class QMenu;
class QStatusBar;
class QToolBar;
class ReminderRunner;
class SyncCommands;
class SyncService;
class SettingsStore;
class TrayIcon;
class WindowLayout;

// The event list with its menus, toolbar, status bar and help panel. Loaded hidden at start;
// the close button only hides it, so the program stays in the tray. It shows what the
// program's services give (the list as the reminder scheduler read it, the syncs' news) and
// asks them (a refresh, a check, a sync); it owns none of them.
// At start it is a light shell: the menus (the tray's among them). The views, bars and help
// panel are built just before the window first shows, or when something asks for them; the
// list's rows wait for them until then.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    // Why the window is asked to unload.
    enum class UnloadReason { CloseButton, Exit, SessionEnd };

    // What the window is handed: the services live as long as the program, not as it.
    struct Services
    {
        ReminderScheduler& reminders;
        ReminderRunner& runner;
        SyncService& sync;
    };

    MainWindow(BirthdayStore& store, SettingsStore& settings, const Clock& clock,
               const Services& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The stored layout, the list's rows read (ending in one reminder check), the caption with
    // the version, and the scheduler's timer started.
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

    // Message boxes go through this hook when one is set (tests answer them).
    void setMessageHook(MessagePrompt::Hook hook);

    const MainActions& actions() const { return m_actions; }
    // The views, bars and help panel, built before the window first shows or when asked;
    // the accessors below build them too.
    void buildControls() { build(); }
    BirthdayListView* listView()
    {
        build();
        return m_list;
    }
    HelpPanel* helpPanel()
    {
        build();
        return m_help;
    }
    QToolBar* toolbar()
    {
        build();
        return m_toolbar;
    }
    QWidget* clientArea()
    {
        build();
        return m_client;
    }
    QLineEdit* searchField()
    {
        build();
        return m_search;
    }

public Q_SLOTS:
    void showFromTray(); // show, raise and activate
    // The start's own showing (no tray to wait in): a window left minimised opens minimised.
    void showAsStored();
    // A new user's first start: the window, saying that closing it leaves the program in
    // the tray.
    void introduceTray();
    // The reminder check on the data file as it is now; forceShow shows the notification
    // even when it is not due.
    void checkReminders(bool forceShow = false);
    void showNotifications(); // the check, shown whether due or not
    void refreshBirthdays();
    void newBirthday();
    void editBirthday();
    void duplicateBirthdays();
    void deleteBirthdays();
    void showSpecialEvents();
    void importFiles();
    void exportEvents();
    void restoreBackup();
    void showSubscriptions();
    void showPreferences();
    void showAbout();
    void showComments();
    void openWebsite();
    void toggleToolbar();
    void toggleStatusBar();
    void toggleHelp();
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
    // The panel's text, cut with "…" to the panel's width (its tip has it whole): a long notice
    // never widens the window.
    void showStatusText(const QString& text);
    void elideStatusText();
    void connectChoices();
    void addHelpHooks();
    void chooseViewMode(QAction* chosen);
    void chooseArrange(ListArrange arrange);
    void toggleBar(QAction* item, QWidget* bar);
    void showContextMenu(const QPoint& globalPos);
    // reason: a session end unloads without waiting for anyone to answer a message.
    void unload(UnloadReason reason);
    void saveData(bool interactive);
    // Another modal window is open: bring it forward instead of opening a second one.
    bool modalAlreadyOpen() const;
    // The commands on the list's selection, with the controls they act on built.
    BirthdayCommands& listCommands();
    // The list's rows from the records the scheduler read, with their dates as the check
    // worked them out. The selection and the scrolling stay on the events the list still
    // shows.
    void showRecords(ReminderScheduler::Listing&& listing);

    BirthdayStore& m_store;
    SettingsStore& m_settings;
    const Clock& m_clock;
    Services m_services;

    MainActions m_actions;
    MessagePrompt m_prompt;
    ListRows m_rows;
    QWidget* m_client = nullptr;
    ListHelpLayout* m_clientLayout = nullptr;
    BirthdayListView* m_list = nullptr;
    QLineEdit* m_search = nullptr;
    HelpPanel* m_help = nullptr;
    QToolBar* m_toolbar = nullptr;
    QStatusBar* m_statusBar = nullptr;
    QLabel* m_statusPanel = nullptr;
    QLabel* m_unreadableDates = nullptr; // how many events' dates do not read; hidden for none
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
    QString m_statusText;
    QString m_pendingHelpKey;
    bool m_unloaded = false;
    std::shared_ptr<bool> m_helpAlive = std::make_shared<bool>(true);
};
