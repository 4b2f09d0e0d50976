#include "ui/reminders/reminderrunner.h"

#include "ui/reminders/alertdialog.h"
#include "ui/reminders/notificationwindow.h"

#include "core/calendar/clock.h"
#include "core/calendar/nextevent.h"
#include "core/settings/settingsstore.h"
#include "core/store/birthdaystore.h"
#include "core/text/textconv.h"
#include "ui/presentation/listdate.h"
#include "ui/presentation/reminderdisplay.h"

#include <QApplication>

#include <algorithm>
#include <utility>

namespace {

QString dueTodayTitle()
{
    return ReminderRunner::tr("Birthdays Due Today");
}

QString dueSoonTitle()
{
    return ReminderRunner::tr("Birthdays Due Soon");
}

QString missedTitle()
{
    return ReminderRunner::tr("Missed While Away");
}

// The lines of the notification window's today list that tell of missed days.
QString missedLines(const QList<MissedEvents::Missed>& missed)
{
    QString lines;
    for (const MissedEvents::Missed& event : missed)
        lines += QLatin1String("\r\n") + ReminderRunner::tr("Missed: %1").arg(event.entry);
    return lines;
}

} // namespace

ReminderRunner::ReminderRunner(BirthdayStore& store, SettingsStore& settings, const Clock& clock,
                               QObject* parent)
    : QObject(parent), m_store(store), m_settings(settings), m_clock(clock),
      m_modalOpen([] { return QApplication::activeModalWidget() != nullptr; }),
      m_windowPlaceable([] { return true; }), m_trayTip(trayTipText(std::nullopt))
{}

ReminderRunner::~ReminderRunner()
{
    delete m_notification.data();
    delete m_alert.data();
}

NotificationWindow* ReminderRunner::notificationWindow() const
{
    return m_notification;
}

AlertDialog* ReminderRunner::alertDialog() const
{
    return m_alert;
}

void ReminderRunner::check(bool forceShow)
{
    const Expected<QList<BirthdayRecord>> records = m_store.readAllRecords();
    if (records)
        check(*records, forceShow);
}

ComingEvents ReminderRunner::check(const QList<BirthdayRecord>& records, bool forceShow)
{
    const QDateTime now = m_clock.now();
    resumeSnoozed(now);
    const ReminderSettings settings = readSettings();
    // The decision works out every record's date once; the tray's tip and the list take them
    // from it.
    const ReminderDecision decision =
        reminderDecide(records, now, forceShow, m_firstCheckDone, settings, m_store.dateLocale());
    updateTrayTip(decision.coming);
    // The run still waiting carries out what this one would; it stamps what it delivers.
    if (m_run) {
        m_showAfterRun = m_showAfterRun || forceShow;
        return decision.coming;
    }

    const bool notifications =
        ReminderDisplays::fromSetting(m_settings.read(Setting::showRemindersAs),
                                      m_windowPlaceable()) == ReminderDisplay::Notifications;
    m_run = Run{records, decision, now, notifications, {}, {}, {}, {}};
    if (m_unstampedDay != now.date()) {
        m_unstampedDay = now.date();
        m_unstamped.clear();
    }
    m_run->missed = catchUpDue(records, now, settings.leapDayRule, notifications);
    if (notifications) {
        // The day's alerts of this run go out as one that stays.
        for (const ReminderAlert& alert : decision.alerts) {
            if (alert.showDialog && !alertedUnstamped(alert))
                m_run->alertNames.append(alert.name);
        }
        if (!m_run->alertNames.isEmpty())
            send(Sent::Alert, {tr("Candlewatcher Alert"), m_run->alertNames.join(u'\n'), true});
        if (m_run->missed && !m_run->missed->isEmpty()) {
            QStringList entries;
            for (const MissedEvents::Missed& event : *m_run->missed)
                entries.append(event.entry);
            send(Sent::Missed, {missedTitle(), entries.join(u'\n'), true});
        }
        if (decision.show) {
            const bool dueToday = !decision.todayEntries.isEmpty();
            QStringList lines = dueToday ? decision.todayEntries : decision.soonEntries;
            if (dueToday && !decision.soonEntries.isEmpty())
                lines << QString()
                      << ReminderRunner::tr("%1:", "a title before its list").arg(dueSoonTitle())
                      << decision.soonEntries;
            send(Sent::Due,
                 {dueToday ? dueTodayTitle() : dueSoonTitle(), lines.join(u'\n'), false});
        }
    }
    if (m_run && m_run->unanswered.isEmpty())
        finishRun();
    return decision.coming;
}

void ReminderRunner::setNotifier(Notifier* notifier)
{
    if (m_notifier)
        disconnect(m_notifier, nullptr, this, nullptr);
    m_notifier = notifier;
    if (notifier) {
        connect(notifier, &Notifier::answered, this, &ReminderRunner::onAnswered);
        connect(notifier, &QObject::destroyed, this, [this] { setNotifier(nullptr); });
    }
    // The answers a former notifier owes never come: its messages count as refused.
    if (m_run && !m_run->unanswered.isEmpty()) {
        m_run->unanswered.clear();
        reportUnavailable();
        finishRun();
    }
}

void ReminderRunner::send(Sent kind, const Notifier::Message& message)
{
    if (m_notifier)
        m_run->unanswered.insert(m_notifier->notify(message), kind);
    else
        reportUnavailable();
}

void ReminderRunner::onAnswered(int request, bool accepted)
{
    if (!m_run || !m_run->unanswered.contains(request))
        return;
    const Sent kind = m_run->unanswered.take(request);
    if (accepted)
        m_run->accepted.append(kind);
    else
        reportUnavailable();
    if (m_run->unanswered.isEmpty())
        finishRun();
}

void ReminderRunner::finishRun()
{
    const Run run = std::move(*m_run);
    m_run.reset();
    const auto notified = [&run](Sent kind) {
        return run.notifications && run.accepted.contains(kind);
    };
    alertDue(run.records, run.decision.alerts, run.now.date(),
             run.notifications && (run.alertNames.isEmpty() || notified(Sent::Alert)));
    const QList<MissedEvents::Missed> missedInWindow =
        run.missed ? catchUp(*run.missed, run.now, notified(Sent::Missed))
                   : QList<MissedEvents::Missed>();
    showDue(run.decision, missedInWindow, run.now, notified(Sent::Due));
    if (std::exchange(m_showAfterRun, false))
        check(true);
}

ReminderSettings ReminderRunner::readSettings() const
{
    ReminderSettings settings;
    settings.notifyEvery = m_settings.read(Setting::notifyEvery);
    settings.notifyTime = m_settings.read(Setting::notifyTime);
    settings.notifyDate = m_settings.read(Setting::notifyDate);
    settings.alertTime = m_settings.readText(Setting::alertTime);
    settings.leapDayRule = LeapDayRules::fromName(m_settings.read(Setting::leapDayEvents));
    return settings;
}

void ReminderRunner::updateTrayTip(const ComingEvents& coming)
{
    QString tip = trayTipText(coming.soonest());
    // The check leaves out events whose date does not read; the tip says so while the main
    // window, which says it too, may be hidden.
    const qsizetype unreadable =
        std::count_if(coming.records.cbegin(), coming.records.cend(),
                      [](const RecordDates& dates) { return !dates.date; });
    if (unreadable > 0)
        tip += u'\n' + ListDate::unreadableSummary(unreadable);
    if (tip == m_trayTip)
        return;
    m_trayTip = tip;
    Q_EMIT trayTipChanged(tip);
}

void ReminderRunner::alertDue(const QList<BirthdayRecord>& records,
                              const QList<ReminderAlert>& alerts, const QDate& today, bool notified)
{
    const QString todayText = TextConv::dateToText(today);
    for (const ReminderAlert& alert : alerts) {
        // A failed alert is not stamped, so a later run shows it.
        if (alert.showDialog && !alertedUnstamped(alert) && !notified && !showAlert(alert.name))
            continue;
        stampLastDate(records, alert, todayText);
    }
}

bool ReminderRunner::alertedUnstamped(const ReminderAlert& alert) const
{
    const auto unstamped = m_unstamped.constFind(alert.key);
    return unstamped != m_unstamped.cend() && *unstamped == alert.name;
}

void ReminderRunner::stampLastDate(const QList<BirthdayRecord>& records, const ReminderAlert& alert,
                                   const QString& today)
{
    // The stamp states the record the check read: should another program have changed it, or
    // given its key to another event, meanwhile, nothing is written, and the next run decides
    // again on what the file then holds.
    const auto read =
        std::find_if(records.cbegin(), records.cend(),
                     [&](const BirthdayRecord& record) { return record.key == alert.key; });
    if (m_store.updateField(*read, BirthdayRecord::LastDate, today) == BirthdayStore::Outcome::Done)
        m_unstamped.remove(alert.key);
    else
        m_unstamped.insert(alert.key, alert.name);
}

std::optional<QList<MissedEvents::Missed>>
ReminderRunner::catchUpDue(const QList<BirthdayRecord>& records, const QDateTime& now,
                           LeapDayRule rule, bool notifications)
{
    // Never a missed day: a sleep shows as a jump of the clock between two checks.
    if (MissedEvents::clockJumped(m_previousCheck, now))
        m_catchUpPending = true;
    m_previousCheck = now;
    const QString lastCheck = m_settings.read(Setting::lastCheck);
    // The windows can't show over a modal dialog: the catch-up waits for a later run.
    if (m_catchUpPending && (notifications || !m_modalOpen()))
        return MissedEvents::since(records, lastCheck, now, rule, m_store.dateLocale());
    // The day's stamp; a catch-up still waiting needs the old one to find its days.
    if (!m_catchUpPending && MissedEvents::stampDue(lastCheck, now))
        m_settings.write(Setting::lastCheck, MissedEvents::stampText(now));
    return std::nullopt;
}

QList<MissedEvents::Missed> ReminderRunner::catchUp(const QList<MissedEvents::Missed>& missed,
                                                    const QDateTime& now, bool notified)
{
    // One notification, or their own heading in the alert dialog and their lines in the
    // notification window, which shows for them whatever its schedule.
    const bool inWindow = !missed.isEmpty() && !notified;
    // Not taken and no window to stand in (a modal dialog is open): a later run tries.
    if (inWindow && !showMissed(missed))
        return {};
    m_catchUpPending = false;
    m_settings.write(Setting::lastCheck, MissedEvents::stampText(now));
    return inWindow ? missed : QList<MissedEvents::Missed>();
}

void ReminderRunner::showDue(const ReminderDecision& decision,
                             const QList<MissedEvents::Missed>& missed, const QDateTime& now,
                             bool notified)
{
    // The stamps and the first showing say when the window was last seen, so they count only
    // once it was: a modal dialog in the way loses nothing.
    bool shown = decision.show && notified;
    if (!shown && (decision.show || !missed.isEmpty()))
        shown =
            showNotificationWindow(decision.soonText(), decision.todayText() + missedLines(missed));
    if (!shown)
        return;
    m_firstCheckDone = decision.firstCheckDone;
    m_settings.write(Setting::notifyTime, TextConv::timeToText(now.time()));
    m_settings.write(Setting::notifyDate, TextConv::dateToText(now.date()));
}

bool ReminderRunner::showAlert(const QString& name)
{
    // A dialog already open keeps its list; it simply gets the name at a later run.
    if (m_modalOpen())
        return false;
    openAlert()->addDue(name);
    return true;
}

AlertDialog* ReminderRunner::openAlert()
{
    if (!m_alert) {
        m_alert = new AlertDialog;
        connect(m_alert, &AlertDialog::snoozeChosen, this, &ReminderRunner::snooze);
    }
    m_alert->show();
    m_alert->raise();
    m_alert->activateWindow();
    return m_alert;
}

void ReminderRunner::snooze(Snooze::Length length)
{
    // Added to one put away before, which would otherwise be lost; they come back together at
    // the sooner of the two times.
    const QDateTime until = Snooze::end(length, m_clock.now(), m_settings.read(Setting::alertTime));
    Snooze snooze = Snooze::fromText(m_settings.read(Setting::alertSnoozed)).value_or(Snooze());
    snooze.until = snooze.until.isValid() ? std::min(snooze.until, until) : until;
    snooze.due += m_alert->dueNames();
    snooze.missed += m_alert->missedEntries();
    m_settings.write(Setting::alertSnoozed, snooze.toText());
}

void ReminderRunner::resumeSnoozed(const QDateTime& now)
{
    const QString text = m_settings.read(Setting::alertSnoozed);
    if (text.isEmpty())
        return;
    const std::optional<Snooze> snooze = Snooze::fromText(text);
    if (snooze && (now < snooze->until || m_modalOpen()))
        return;
    m_settings.write(Setting::alertSnoozed, QString());
    if (!snooze)
        return;
    AlertDialog* alert = openAlert();
    for (const QString& name : snooze->due)
        alert->addDue(name);
    for (const QString& entry : snooze->missed)
        alert->addMissed(entry);
}

bool ReminderRunner::showMissed(const QList<MissedEvents::Missed>& missed)
{
    // "Do Nothing!" events are told of in the notification window's lines only.
    QStringList entries;
    for (const MissedEvents::Missed& event : missed) {
        if (event.showDialog)
            entries.append(event.entry);
    }
    if (entries.isEmpty())
        return true;
    if (m_modalOpen())
        return false;
    AlertDialog* alert = openAlert();
    for (const QString& entry : entries)
        alert->addMissed(entry);
    return true;
}

void ReminderRunner::reportUnavailable()
{
    if (!m_unavailableReported) {
        m_unavailableReported = true;
        Q_EMIT notificationsUnavailable();
    }
}

bool ReminderRunner::showNotificationWindow(const QString& soonText, const QString& todayText)
{
    if (m_modalOpen()) {
        closeNotification();
        return false;
    }
    if (!m_notification) {
        // Where the window cannot place itself (Wayland), the compositor places it by the
        // window it belongs to: whole, and above the main window rather than beneath it.
        QWidget* owner = m_windowPlaceable() ? nullptr : m_ownerWindow.data();
        m_notification = new NotificationWindow(NotificationWindow::closeIntervalDefault, owner);
        m_notification->setHelpSink(m_helpSink);
    }
    m_notification->setSoonText(soonText);
    m_notification->setTodayText(todayText);
    if (m_notification->isVisible())
        m_notification->fitAndPlace();
    else
        m_notification->show();
    m_notification->raise();
    return true;
}

void ReminderRunner::closeNotification()
{
    if (m_notification)
        m_notification->close();
}
