#pragma once

#include "core/events/birthdayrecord.h"
#include "core/exchange/importentry.h"

#include <QDate>
#include <QDeadlineTimer>
#include <QList>
#include <QLocale>
#include <QString>

class BirthdayStore;

// From a contacts or calendar file to records: what an import would add, what is there
// already, and the adding itself. The window's preview and the command line share it.
namespace ImportPlan {

// The largest file an import reads. Address books of thousands of contacts with photos stay
// well below it; a larger file, or anything that is not a regular file (a device, a pipe, a
// folder), would only hold the program up or exhaust its memory, so it is refused unread.
inline constexpr qint64 maxFileBytes = 64 * 1024 * 1024;

// A contacts (vCard) or calendar (iCalendar) file, told apart by its content. UTF-16 and
// UTF-32 with a byte-order mark (as Windows programs export) read as UTF-8 does.
ImportFile read(const QString& path);
ImportFile readData(const QByteArray& data);

// The entries of several files, or, when any of them is unusable, none of any file and the
// reason: a line "Nothing was added from any of the files." and one line per unusable file.
// names: how each path is shown.
ImportFile readFiles(const QStringList& paths, const QStringList& names);

// The most events the data file holds (its record key's range), and the room left in it.
int eventLimit();
int roomLeft(const QList<BirthdayRecord>& stored);
// "the data file holds at most 1,276 events"
QString limitText();

struct Item
{
    // Ending: a yearly event whose repeats stop in a year to come; it may be added, but only
    // when chosen. NoRoom: a new event beyond the room left in the data file.
    enum class Status { New, AlreadyThere, NoDate, LeftOut, Broken, Ending, NoRoom };

    ImportEntry entry;
    Status status = Status::New;
    QString reason;        // for all but New: why it is not added
    BirthdayRecord record; // New, AlreadyThere: the record the entry makes (no key yet)
};

// Each entry's fate. An entry is already there when a stored record, or an earlier entry,
// has the same name (ignoring letter case and surrounding blanks) and the same day and month.
// A date without a year is given this year (the last leap year for 29 February) and
// ShowYears "0". The other fields are those of the add dialog's new event (Notify "10",
// Alert "0" Show a Dialog, ShowYears "1", "0" for a one-off), unless the file gave its own.
// An entry whose date is not a day of the calendar (a year before 1) is broken; a yearly
// event whose repeats ended before today is left out. New events beyond the room left in the
// data file have no room. The stored records' dates not in ISO form are read with locale, the
// language recorded for the data file.
QList<Item> plan(const QList<ImportEntry>& entries, const QList<BirthdayRecord>& stored,
                 QDate today, const QLocale& locale = QLocale());

struct Counts
{
    int added = 0; // the New items
    int alreadyThere = 0;
    int noDate = 0;
    int leftOut = 0;
    int broken = 0;
    int ending = 0; // not chosen
    int noRoom = 0;

    // "N added, M already there, K without a date", then the left-out, unreadable, ending and
    // no-room entries when there are any. A dry run says "to add" for "added".
    QString summary(bool dryRun = false) const;
    // Whether the files held any dated entry at all, new or already there.
    bool anyDated() const { return added + alreadyThere > 0; }
};
Counts count(const QList<Item>& items);

struct Result
{
    int added = 0;
    QString error; // empty when every record was added
};

// Backs the data file up, then adds the records one by one with the store's one-lock add.
// Stops at the first refusal (the data file full, no free key) and says how many were added.
Result run(BirthdayStore& store, const QList<BirthdayRecord>& records);

// The same run a slice at a time, so a window can answer in between: each step adds records
// until its time is up (at least one), the first step after the backup.
class Run
{
public:
    Run(BirthdayStore& store, QList<BirthdayRecord> records);
    // True while records are left to add and none was refused.
    bool step(QDeadlineTimer until);
    // Every record added, or one refused.
    bool done() const { return m_stopped || m_result.added >= m_records.size(); }
    const Result& result() const { return m_result; }
    qsizetype total() const { return m_records.size(); }

private:
    BirthdayStore& m_store;
    QList<BirthdayRecord> m_records;
    Result m_result;
    bool m_backedUp = false;
    bool m_stopped = false;
};

} // namespace ImportPlan
