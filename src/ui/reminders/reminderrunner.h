#pragma once

#include "core/calendar/missedevents.h"
#include "core/calendar/nextevent.h"
#include "core/calendar/reminderdecision.h"
#include "core/calendar/snooze.h"
#include "core/events/birthdayrecord.h"
#include "platform/notifier.h"
#include "ui/help/helphook.h"

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>

class AlertDialog;
class BirthdayStore;
class Clock;
class NotificationWindow;
class SettingsStore;

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

    // One run of the check. Where it sends desktop notifications, it carries out the rest (the
    // windows standing in, the stamps) when the desktop has answered; meanwhile a later run
    // sends nothing again. Silent: a data file that cannot be read skips the run, a stamp
    // that cannot be written is tried again at the next, and nothing reaches the user.
    void check(bool forceShow = false);
    // The same on the records just read for the list, so one read serves both. Gives back each
    // record's date and coming occurrence as the check worked them out, for the list to show.
    ComingEvents check(const QList<BirthdayRecord>& records, bool forceShow = false);
    bool firstCheckDone() const { return m_firstCheckDone; }
    // Whether a run waits for the desktop's answers to its notifications.
    bool waitingForAnswers() const { return m_run.has_value(); }
    // Closes the notification window if it is open (when the program ends).
    void closeNotification();

    // Passed on to the notification window (help key "notification").
    void setHelpSink(const HelpSink& sink) { m_helpSink = sink; }
    // Whether a modal dialog of the program is open, which stops the windows from showing.
    // Defaults to QApplication::activeModalWidget().
    void setModalCheck(std::function<bool()> check) { m_modalOpen = std::move(check); }

    // Where desktop notifications go; none: they fall back to the windows.
    void setNotifier(Notifier* notifier);
    // Whether the window can be placed above a tray, for the automatic choice between window
    // and notifications. Defaults to yes.
    void setWindowPlaceable(std::function<bool()> probe) { m_windowPlaceable = std::move(probe); }
    // The window the notification window belongs to where it cannot place itself.
    void setOwnerWindow(QWidget* window) { m_ownerWindow = window; }

    // The windows while they are open; nullptr otherwise.
    NotificationWindow* notificationWindow() const;
    AlertDialog* alertDialog() const;
    // "Marrowfell Candlewatcher — next: Anna Schmidt, in 2 days", as of the last check.
    QString trayTip() const { return m_trayTip; }

Q_SIGNALS:
    void trayTipChanged(const QString& tip);
    // Notifications were chosen but nothing took them; the windows stand in. Once per run.
    void notificationsUnavailable();

private:
    enum class Sent { Alert, Missed, Due };
    // What one run decided and found, kept while its notifications are answered.
    struct Run
    {
        QList<BirthdayRecord> records;
        ReminderDecision decision;
        QDateTime now;
        bool notifications = false;
        QStringList alertNames; // those the day's alert notification names
        // The events whose day was missed, when the catch-up is due in this run.
        std::optional<QList<MissedEvents::Missed>> missed;
        QHash<int, Sent> unanswered;
        QList<Sent> accepted;
    };

    ReminderSettings readSettings() const;
    void updateTrayTip(const ComingEvents& coming);
    // The run's notifications; those not taken count as refused at once.
    void send(Sent kind, const Notifier::Message& message);
    void onAnswered(int request, bool accepted);
    // The jobs of one run, in this order, once every notification was answered.
    void finishRun();
    // The day's alerts (a dialog unless `notified`) and their LastDate stamps.
    void alertDue(const QList<BirthdayRecord>& records, const QList<ReminderAlert>& alerts,
                  const QDate& today, bool notified);
    // Whether the catch-up of missed days is due in this run, and then the missed events;
    // when it is not, the day's LastCheck stamp.
    std::optional<QList<MissedEvents::Missed>> catchUpDue(const QList<BirthdayRecord>& records,
                                                          const QDateTime& now, LeapDayRule rule,
                                                          bool notifications);
    // Announces the missed events unless `notified`, and writes LastCheck. Gives back those
    // the notification window is to list below today's events.
    QList<MissedEvents::Missed> catchUp(const QList<MissedEvents::Missed>& missed,
                                        const QDateTime& now, bool notified);
    // The events due today and soon in the window unless `notified`, and the stamps of
    // their showing.
    void showDue(const ReminderDecision& decision, const QList<MissedEvents::Missed>& missed,
                 const QDateTime& now, bool notified);

    // Whether the alert of this record was shown today though its stamp could not be written.
    bool alertedUnstamped(const ReminderAlert& alert) const;
    void stampLastDate(const QList<BirthdayRecord>& records, const ReminderAlert& alert,
                       const QString& today);
    bool showAlert(const QString& name);
    // The alert dialog, made when none is open, shown and raised.
    AlertDialog* openAlert();
    // Puts the open alert's events away until the end of `length`, beside any put away before.
    void snooze(Snooze::Length length);
    // Brings back the events put away once their time has come (and no modal dialog is in the
    // way), into the alert dialog.
    void resumeSnoozed(const QDateTime& now);
    bool showMissed(const QList<MissedEvents::Missed>& missed);
    bool showNotificationWindow(const QString& soonText, const QString& todayText);
    void reportUnavailable();

    BirthdayStore& m_store;
    SettingsStore& m_settings;
    const Clock& m_clock;
    bool m_firstCheckDone = false;
    HelpSink m_helpSink;
    std::function<bool()> m_modalOpen;
    QPointer<NotificationWindow> m_notification;
    QPointer<AlertDialog> m_alert;
    QPointer<Notifier> m_notifier;
    std::optional<Run> m_run;
    // A show the user asked for while a run waited: it runs once that one is done.
    bool m_showAfterRun = false;
    std::function<bool()> m_windowPlaceable;
    QPointer<QWidget> m_ownerWindow;
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
