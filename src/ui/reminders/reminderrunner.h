#pragma once

#include "core/calendar/missedevents.h"
#include "core/calendar/nextevent.h"
#include "core/calendar/reminderdecision.h"
#include "core/events/birthdayrecord.h"
#include "ui/help/helphook.h"
#include "ui/platform/notifier.h"

#include <QDate>
#include <QDateTime>
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
// notification window (or, as the user chooses, sends desktop notifications instead), and
// writes LastDate, NotifyTime and NotifyDate. At start and after the computer slept it also
// announces the events whose day was missed, and it keeps the tray icon's tip naming the next
// event.
class ReminderRunner : public QObject
{
    Q_OBJECT
public:
    ReminderRunner(BirthdayStore& store, SettingsStore& settings, const Clock& clock,
                   QObject* parent = nullptr);
    ~ReminderRunner() override;

    // One run of the check. Silent: a data file that cannot be read skips the run, a stamp
    // that cannot be written is tried again at the next, and nothing reaches the user.
    void check(bool forceShow = false);
    // The same on the records just read for the list, so one read serves both. Gives back each
    // record's date and coming occurrence as the check worked them out, for the list to show.
    ComingEvents check(const QList<BirthdayRecord>& records, bool forceShow = false);
    bool firstCheckDone() const { return m_firstCheckDone; }
    // Closes the notification window if it is open (when the program ends).
    void closeNotification();

    // Passed on to the notification window (help key "notification").
    void setHelpSink(const HelpSink& sink) { m_helpSink = sink; }
    // Whether a modal dialog of the program is open, which stops the windows from showing.
    // Defaults to QApplication::activeModalWidget().
    void setModalCheck(std::function<bool()> check) { m_modalOpen = std::move(check); }

    // Where desktop notifications go; none: they fall back to the windows.
    void setNotifier(Notifier* notifier) { m_notifier = notifier; }
    // Whether the window can be placed above a tray, for the automatic choice between window
    // and notifications. Defaults to yes.
    void setWindowPlaceable(std::function<bool()> probe) { m_windowPlaceable = std::move(probe); }

    // The windows while they are open; nullptr otherwise.
    NotificationWindow* notificationWindow() const;
    AlertDialog* alertDialog() const;
    // "Marrowfell Candlewatcher — next: Anna Schmidt, in 2 days", as of the last check.
    QString trayTip() const { return m_trayTip; }

signals:
    void trayTipChanged(const QString& tip);
    // Notifications were chosen but nothing took them; the windows stand in. Once per run.
    void notificationsUnavailable();

private:
    // The jobs of one run, in this order.
    ReminderSettings readSettings() const;
    void updateTrayTip(const ComingEvents& coming);
    // The day's alerts (a dialog or one notification) and their LastDate stamps.
    void alertDue(const QList<BirthdayRecord>& records, const QList<ReminderAlert>& alerts,
                  const QDate& today, bool notifications);
    // When due, announces the events whose day was missed and writes LastCheck. Gives back
    // those the notification window is to list below today's events.
    QList<MissedEvents::Missed> catchUp(const QList<BirthdayRecord>& records, const QDateTime& now,
                                        LeapDayRule rule, bool notifications);
    // The events due today and soon, as a notification or in the window, and the stamps of
    // its showing.
    void showDue(const ReminderDecision& decision, const QList<MissedEvents::Missed>& missed,
                 const QDateTime& now, bool notifications);

    // Whether the alert of this record was shown today though its stamp could not be written.
    bool alertedUnstamped(const ReminderAlert& alert) const;
    void stampLastDate(const QList<BirthdayRecord>& records, const ReminderAlert& alert,
                       const QString& today);
    bool showAlert(const QString& name);
    bool showMissed(const QList<MissedEvents::Missed>& missed);
    bool showNotificationWindow(const QString& soonText, const QString& todayText);
    // A desktop notification; false (and the windows stand in) when it was not taken.
    bool notify(const Notifier::Message& message);

    BirthdayStore& m_store;
    SettingsStore& m_settings;
    const Clock& m_clock;
    bool m_firstCheckDone = false;
    HelpSink m_helpSink;
    std::function<bool()> m_modalOpen;
    QPointer<NotificationWindow> m_notification;
    QPointer<AlertDialog> m_alert;
    QPointer<Notifier> m_notifier;
    std::function<bool()> m_windowPlaceable;
    bool m_unavailableReported = false;
    QString m_trayTip;
    // The catch-up is due at start and after the clock jumped; it stays due until announced.
    bool m_catchUpPending = true;
    QDateTime m_previousCheck;
    // Records whose alert was shown today but whose LastDate could not be written: they are
    // not alerted again that day, and the stamp is tried again at every run.
    QDate m_unstampedDay;
    QHash<int, QString> m_unstamped;
};
