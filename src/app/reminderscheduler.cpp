#include "app/reminderscheduler.h"

#include "core/calendar/clock.h"
#include "core/store/datafilewatcher.h"
#include "core/store/eventrulefile.h"

ReminderScheduler::ReminderScheduler(BirthdayStore& store, const Clock& clock, Check check,
                                     QObject* parent)
    : QObject(parent), m_store(store), m_clock(clock), m_check(std::move(check)),
      m_watcher(new DataFileWatcher(store.dataPath(), this))
{
    m_timer.setObjectName(QStringLiteral("tmrCheck"));
    m_timer.setInterval(checkIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &ReminderScheduler::tick);
    connect(m_watcher, &DataFileWatcher::changed, this, &ReminderScheduler::followDataFile);
    connect(m_watcher, &DataFileWatcher::changed, this, &ReminderScheduler::dataFileChanged);
}

ReminderScheduler::~ReminderScheduler() = default;

void ReminderScheduler::start()
{
    if (!m_stopped)
        m_timer.start();
}

void ReminderScheduler::stop()
{
    m_stopped = true;
    m_timer.stop();
}

void ReminderScheduler::tick()
{
    // A new day changes the list's "Next" and "In" columns: the refresh ends in the check.
    if (m_listDay != m_clock.today())
        refresh();
    else
        check(false);
}

void ReminderScheduler::refresh()
{
    Expected<QList<BirthdayRecord>> records = m_store.readAllRecords();
    if (!records) {
        hand({{}, comingEvents({}, m_clock.today(), LeapDayRule::March1), m_store.fileState()});
        Q_EMIT readFailed(records.error());
        return;
    }
    // A rules file that does not read is told once a day; the days fall as stored meanwhile.
    if (!m_store.rulesError().isEmpty())
        Q_EMIT readFailed(m_store.rulesError());
    checkRecords(std::move(*records), false, Fill::Anew);
}

void ReminderScheduler::check(bool forceShow)
{
    if (m_stopped)
        return;
    Expected<QList<BirthdayRecord>> records = m_store.readAllRecords();
    if (records)
        checkRecords(std::move(*records), forceShow, Fill::Follow);
}

void ReminderScheduler::followDataFile()
{
    if (m_stopped || BirthdayStore::fileStateOf(m_store.dataPath()) == m_listState)
        return;
    check(false);
}

void ReminderScheduler::checkRecords(QList<BirthdayRecord> records, bool forceShow, Fill fill)
{
    // The check goes first, so the rows can take the records over rather than copy them;
    // nothing runs in between, so the user sees the same.
    BirthdayStore::FileState read = m_store.fileState();
    ComingEvents coming = m_check(records, forceShow);
    // A moving day that has passed moves its Date cell on, for an older copy reading the file.
    if (const Expected<> rolled =
            EventRuleFile::rollForward(m_store, records, coming.today, coming.rule);
        !rolled)
        Q_EMIT readFailed(rolled.error());
    // The check stamps LastDate: the rows take the stamps in, so that a command on them does
    // not take the program's own stamp for another program's change.
    if (m_store.fileState() != read) {
        if (Expected<QList<BirthdayRecord>> again = m_store.readAllRecords()) {
            records = std::move(*again);
            read = m_store.fileState();
            coming = comingEvents(records, coming.today, coming.rule, m_store.dateLocale());
        }
    }
    if (fill == Fill::Anew || read != m_listState)
        hand({std::move(records), std::move(coming), read});
}

void ReminderScheduler::hand(Listing listing)
{
    m_listState = listing.state;
    m_listDay = listing.coming.today;
    if (m_sink)
        m_sink(std::move(listing));
}
