#include "reminderrunner.h"

ReminderRunner::ReminderRunner(BirthdayStore& store, SettingsStore& settings, const Clock& clock,
                               QObject* parent)
    : QObject(parent), m_store(store), m_settings(settings), m_clock(clock)
{
}

ReminderRunner::~ReminderRunner() = default;

void ReminderRunner::ReminderCheck(bool forceShow)
{
    Q_UNUSED(forceShow); // TODO(reminders): placeholder until the reminders land
}

void ReminderRunner::notificationUnload() {}
