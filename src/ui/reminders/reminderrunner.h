#pragma once

#include "help/helphook.h"
#include "store/birthdayrecord.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

class AlertDialog;
class BirthdayStore;
class Clock;
class NotificationWindow;
class SettingsStore;
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
    // The same on the records just read for the list, so one read serves both.
    void ReminderCheck(const QList<BirthdayRecord>& records, bool forceShow = false);
    bool firstCheckDone() const { return m_firstCheckDone; }
    // Closes the notification window if it is open (at unload).
    void notificationUnload();

    // Passed on to the notification window (help key "notification").
    void setHelpSink(const HelpSink& sink) { m_helpSink = sink; }
    // How long a newly loaded notification window stays; 10 s unless a test shortens it.
    void setNotificationCloseInterval(int milliseconds) { m_closeInterval = milliseconds; }
    // Whether a modal dialog of the program is open, which stops the windows from showing.
    // Defaults to QApplication::activeModalWidget().
    void setModalCheck(std::function<bool()> check) { m_modalOpen = std::move(check); }

    // The windows while they are open; nullptr otherwise.
    NotificationWindow* notificationWindow() const;
    AlertDialog* alertDialog() const;

private:
    bool alertShow(const QString& name);
    bool notificationShow(const QString& soonText, const QString& todayText);

    BirthdayStore& m_store;
    SettingsStore& m_settings;
    const Clock& m_clock;
    bool m_firstCheckDone = false;
    HelpSink m_helpSink;
    int m_closeInterval;
    std::function<bool()> m_modalOpen;
    QPointer<NotificationWindow> m_notification;
    QPointer<AlertDialog> m_alert;
    // Records whose alert was shown today but whose LastDate could not be written: they are
    // not alerted again that day, and the stamp is tried again at every run.
    QDate m_unstampedDay;
    QHash<int, QString> m_unstamped;
};
