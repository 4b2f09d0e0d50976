#include "ui/reminders/reminderrunner.h"

#include "ui/reminders/alertdialog.h"
#include "ui/reminders/notificationwindow.h"

#include "core/calendar/clock.h"
#include "core/calendar/nextevent.h"
#include "core/calendar/reminderdecision.h"
#include "core/presentation/reminderdisplay.h"
#include "core/settings/settingsstore.h"
#include "core/store/birthdaystore.h"
#include "core/text/textconv.h"

#include <QApplication>

#include <algorithm>
#include <exception>

namespace {

const QString dueTodayTitle = QStringLiteral("Birthdays Due Today");
const QString dueSoonTitle = QStringLiteral("Birthdays Due Soon");
const QString missedTitle = QStringLiteral("Missed While Away");

// The lines of the notification window's today list that tell of missed days.
QString missedLines(const QList<MissedEvents::Missed>& missed)
{
    QString lines;
    for (const MissedEvents::Missed& event : missed)
        lines += QLatin1String("\r\nMissed: ") + event.entry;
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

void ReminderRunner::ReminderCheck(bool forceShow)
{
    const std::optional<QList<BirthdayRecord>> records = m_store.recordsReadAll();
    if (records)
        ReminderCheck(*records, forceShow);
}

ComingEvents ReminderRunner::ReminderCheck(const QList<BirthdayRecord>& records, bool forceShow)
{
    const QDateTime now = m_clock.now();
    const QDate today = now.date();

    ReminderSettings settings;
    settings.notifyEvery = m_settings.read(Setting::notifyEvery);
    settings.notifyTime = m_settings.read(Setting::notifyTime);
    settings.notifyDate = m_settings.read(Setting::notifyDate);
    settings.alertTime = m_settings.readText(Setting::alertTime);
    settings.leapDayRule = LeapDayRules::fromName(m_settings.read(Setting::leapDayEvents));

    // The decision works out every record's date once; the tray's tip and the list take them
    // from it.
    const ReminderDecision decision =
        reminderDecide(records, now, forceShow, m_firstCheckDone, settings);

    // Carrying the decision out is silent: whatever goes wrong, the user is not bothered and
    // the next run tries again.
    try {
        const QString tip = trayTipText(decision.coming.soonest());
        if (tip != m_trayTip) {
            m_trayTip = tip;
            emit trayTipChanged(tip);
        }

        const bool notifications =
            ReminderDisplays::fromSetting(m_settings.read(Setting::showRemindersAs),
                                          m_windowPlaceable()) == ReminderDisplay::Notifications;

        // Never a missed day: a sleep shows as a jump of the clock between two checks.
        if (MissedEvents::clockJumped(m_previousCheck, now))
            m_catchUpPending = true;
        m_previousCheck = now;
        const QString lastCheck = m_settings.read(Setting::lastCheck);
        QList<MissedEvents::Missed> missed;
        // The windows can't show over a modal dialog: the catch-up waits for a later run.
        const bool catchUpNow = m_catchUpPending && (notifications || !m_modalOpen());
        if (catchUpNow)
            missed = MissedEvents::since(records, lastCheck, now, settings.leapDayRule);

        if (m_unstampedDay != today) {
            m_unstampedDay = today;
            m_unstamped.clear();
        }
        const QString todayText = TextConv::dateToText(today);
        // With notifications, the day's alerts of this run go out as one that stays.
        bool alertsNotified = false;
        if (notifications) {
            QStringList names;
            for (const ReminderAlert& alert : decision.alerts) {
                const auto unstamped = m_unstamped.constFind(alert.key);
                if (alert.showDialog &&
                    (unstamped == m_unstamped.cend() || *unstamped != alert.name))
                    names.append(alert.name);
            }
            alertsNotified = names.isEmpty() || notify({QStringLiteral("Candlewatcher Alert"),
                                                        names.join(u'\n'), true});
        }
        for (const ReminderAlert& alert : decision.alerts) {
            const auto unstamped = m_unstamped.constFind(alert.key);
            const bool alreadyShown = unstamped != m_unstamped.cend() && *unstamped == alert.name;
            // A failed alert is not stamped, so a later run shows it.
            if (alert.showDialog && !alreadyShown && !alertsNotified && !alertShow(alert.name))
                continue;
            // The stamp states the record the check read: should another program have changed
            // it, or given its key to another event, meanwhile, nothing is written, and the
            // next run decides again on what the file then holds.
            const auto read =
                std::find_if(records.cbegin(), records.cend(),
                             [&](const BirthdayRecord& record) { return record.key == alert.key; });
            if (m_store.fieldUpdate(*read, BirthdayRecord::LastDate, todayText) ==
                BirthdayStore::Outcome::Done)
                m_unstamped.remove(alert.key);
            else
                m_unstamped.insert(alert.key, alert.name);
        }

        // The missed days: one notification, or their own heading in the alert dialog and
        // their lines in the notification window, which shows for them whatever its schedule.
        bool missedInWindow = false;
        bool caughtUp = catchUpNow;
        if (!missed.isEmpty()) {
            QStringList entries;
            for (const MissedEvents::Missed& event : missed)
                entries.append(event.entry);
            missedInWindow = !(notifications && notify({missedTitle, entries.join(u'\n'), true}));
            // Not taken and no window to stand in (a modal dialog is open): a later run tries.
            if (missedInWindow && !missedShow(missed))
                caughtUp = missedInWindow = false;
        }
        if (caughtUp) {
            m_catchUpPending = false;
            m_settings.write(Setting::lastCheck, MissedEvents::stampText(now));
        } else if (!m_catchUpPending && MissedEvents::stampDue(lastCheck, now)) {
            m_settings.write(Setting::lastCheck, MissedEvents::stampText(now));
        }

        // The stamps and the first showing say when the window was last seen, so they count
        // only once it was: a modal dialog in the way loses nothing.
        bool shown = false;
        if (decision.show && notifications) {
            const bool dueToday = !decision.todayEntries.isEmpty();
            QStringList lines = dueToday ? decision.todayEntries : decision.soonEntries;
            if (dueToday && !decision.soonEntries.isEmpty())
                lines << QString() << dueSoonTitle + u':' << decision.soonEntries;
            shown = notify({dueToday ? dueTodayTitle : dueSoonTitle, lines.join(u'\n'), false});
        }
        if (!shown && (decision.show || missedInWindow)) {
            const QString extra = missedInWindow ? missedLines(missed) : QString();
            shown = notificationShow(decision.soonText(), decision.todayText() + extra);
        }
        if (shown) {
            m_firstCheckDone = decision.firstCheckDone;
            m_settings.write(Setting::notifyTime, TextConv::timeToText(now.time()));
            m_settings.write(Setting::notifyDate, todayText);
        }
    } catch (const std::exception&) {
    }
    return decision.coming;
}

bool ReminderRunner::alertShow(const QString& name)
{
    // A dialog already open keeps its list; it simply gets the name at a later run.
    if (m_modalOpen())
        return false;
    if (!m_alert)
        m_alert = new AlertDialog;
    m_alert->dueAdd(name);
    m_alert->show();
    m_alert->raise();
    m_alert->activateWindow();
    return true;
}

bool ReminderRunner::missedShow(const QList<MissedEvents::Missed>& missed)
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
    if (!m_alert)
        m_alert = new AlertDialog;
    for (const QString& entry : entries)
        m_alert->missedAdd(entry);
    m_alert->show();
    m_alert->raise();
    m_alert->activateWindow();
    return true;
}

bool ReminderRunner::notify(const Notifier::Message& message)
{
    if (m_notifier && m_notifier->notify(message))
        return true;
    if (!m_unavailableReported) {
        m_unavailableReported = true;
        emit notificationsUnavailable();
    }
    return false;
}

bool ReminderRunner::notificationShow(const QString& soonText, const QString& todayText)
{
    if (m_modalOpen()) {
        notificationUnload();
        return false;
    }
    if (!m_notification) {
        m_notification = new NotificationWindow();
        m_notification->setHelpSink(m_helpSink);
    }
    m_notification->setSoonText(soonText);
    m_notification->setTodayText(todayText);
    if (m_notification->isVisible())
        m_notification->objectsResize();
    else
        m_notification->show();
    m_notification->raise();
    return true;
}

void ReminderRunner::notificationUnload()
{
    if (m_notification)
        m_notification->close();
}
