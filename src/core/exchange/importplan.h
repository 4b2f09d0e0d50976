#pragma once

#include "core/events/birthdayrecord.h"
#include "core/exchange/importentry.h"

#include <QDate>
#include <QList>
#include <QLocale>
#include <QString>

class BirthdayStore;

// From a contacts or calendar file to records: what an import would add, what is there
// already, and the adding itself. The window's preview and the command line share it.
namespace ImportPlan {

// A contacts (vCard) or calendar (iCalendar) file, told apart by its content.
ImportFile read(const QString& path);
ImportFile readData(const QByteArray& data);

struct Item
{
    enum class Status { New, AlreadyThere, NoDate, LeftOut, Broken };

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
QList<Item> plan(const QList<ImportEntry>& entries, const QList<BirthdayRecord>& stored,
                 QDate today, const QLocale& locale = QLocale());

struct Counts
{
    int added = 0; // the New items
    int alreadyThere = 0;
    int noDate = 0;
    int leftOut = 0;
    int broken = 0;

    // "N added, M already there, K without a date", then the left-out and unreadable entries
    // when there are any. A dry run says "to add" for "added".
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

} // namespace ImportPlan
