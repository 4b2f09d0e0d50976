#pragma once

#include <QMainWindow>

class BirthdayStore;
class SettingsStore;
class Clock;
class QMenu;
class TrayIcon;

// frmMain: the event list with its menus, toolbar, status bar and help panel; owns the
// reminder timer. Loaded hidden at start; the close button only hides it.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    MainWindow(BirthdayStore& store, SettingsStore& settings, const Clock& clock,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // Form_Load: layout, list fill (ending in one reminder check), caption.
    void formLoad();
    // The tray menu, mnuSysTray; its items call the slots below.
    QMenu* sysTrayMenu() const;
    // The tray icon to take back at unload.
    void setTrayIcon(TrayIcon* tray);
    // Where the desktop has no tray, the close button minimises instead of hiding.
    void setTrayAvailable(bool available);

public slots:
    void showFromTray();                     // show, raise and activate
    void ReminderCheck(bool forceShow = false);
    void birthdaysRefresh();
    void birthdayNew();
    void preferencesShow();
    void aboutShow();
    void websiteShow();
    void exitCommand();                      // asks when QuitConfirm is "1", then unloads
    void sessionEnd();                       // unload without a question (logout, SIGTERM)

signals:
    void unloaded();                         // Form_Unload has run; the program may end

private:
    BirthdayStore& m_store;
    SettingsStore& m_settings;
    const Clock& m_clock;
};
