#include "reminderrunner.h"

#include "alertdialog.h"
#include "notificationwindow.h"

#include "app/clock.h"
#include "reminders/reminderdecision.h"
#include "settings/settingsstore.h"
#include "store/birthdaystore.h"
#include "text/textconv.h"

#include <QApplication>

#include <exception>

ReminderRunner::ReminderRunner(BirthdayStore& store, SettingsStore& settings, const Clock& clock,
                               QObject* parent)
    : QObject(parent), m_store(store), m_settings(settings), m_clock(clock),
      m_closeInterval(NotificationWindow::closeIntervalDefault),
      m_modalOpen([] { return QApplication::activeModalWidget() != nullptr; })
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
    // The check is silent: whatever goes wrong, the user is not bothered and the next run
    // tries again.
    try {
        const std::optional<QList<BirthdayRecord>> records = m_store.recordsReadAll();
        if (!records)
            return;
        const QDateTime now = m_clock.now();
        const QDate today = now.date();

        ReminderSettings settings;
        settings.notifyEvery =
            m_settings.settingRead(QStringLiteral("NotifyEvery"), settings.notifyEvery);
        settings.notifyTime = m_settings.settingRead(QStringLiteral("NotifyTime"), QString());
        settings.notifyDate = m_settings.settingRead(QStringLiteral("NotifyDate"), QString());
        settings.alertTime =
            m_settings.settingRead(QStringLiteral("AlertTime"), settings.alertTime);
        settings.leapDayRule = LeapDayRules::fromName(m_settings.settingRead(
            QLatin1String(LeapDayRules::settingName), LeapDayRules::name(settings.leapDayRule)));

        const ReminderDecision decision =
            reminderDecide(*records, now, forceShow, m_firstCheckDone, settings);

        if (m_unstampedDay != today) {
            m_unstampedDay = today;
            m_unstamped.clear();
        }
        const QString todayText = TextConv::dateToText(today);
        for (const ReminderAlert& alert : decision.alerts) {
            const auto unstamped = m_unstamped.constFind(alert.key);
            const bool alreadyShown = unstamped != m_unstamped.cend() && *unstamped == alert.name;
            // A failed alert is not stamped, so a later run shows it.
            if (alert.showDialog && !alreadyShown && !alertShow(alert.name))
                continue;
            if (m_store.fieldWrite(QStringLiteral("LastDate"), alert.key, todayText))
                m_unstamped.remove(alert.key);
            else
                m_unstamped.insert(alert.key, alert.name);
        }

        // The stamps and the first showing say when the window was last seen, so they count
        // only once it was: a modal dialog in the way loses nothing.
        if (decision.show && notificationShow(decision.soonText(), decision.todayText())) {
            m_firstCheckDone = decision.firstCheckDone;
            m_settings.settingWrite(QStringLiteral("NotifyTime"), TextConv::timeToText(now.time()));
            m_settings.settingWrite(QStringLiteral("NotifyDate"), todayText);
        }
    } catch (const std::exception&) {
    }
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

bool ReminderRunner::notificationShow(const QString& soonText, const QString& todayText)
{
    if (m_modalOpen()) {
        notificationUnload();
        return false;
    }
    if (!m_notification) {
        m_notification = new NotificationWindow(m_closeInterval);
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
