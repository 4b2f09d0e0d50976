#pragma once

#include <QObject>

class BirthdayStore;
class SettingsStore;
class Clock;
class QWidget;

// Carries out what the reminder check decides: fills and shows the alert dialog and the
// notification window, and writes LastDate, NotifyTime and NotifyDate.
class ReminderRunner : public QObject
{
    Q_OBJECT
public:
    ReminderRunner(BirthdayStore& store, SettingsStore& settings, const Clock& clock,
                   QObject* parent = nullptr);
    ~ReminderRunner() override;

    // One run of the check. Silent: failures never reach the user.
    void ReminderCheck(bool forceShow = false);
    bool firstCheckDone() const { return m_firstCheckDone; }
    // Closes the notification window if it is open (at unload).
    void notificationUnload();

private:
    BirthdayStore& m_store;
    SettingsStore& m_settings;
    const Clock& m_clock;
    bool m_firstCheckDone = false;
};
