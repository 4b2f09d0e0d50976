#pragma once

#include "core/calendar/clock.h"
#include "core/events/birthdayrecord.h"
#include "core/program/expected.h"
#include "core/store/datafileio.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QLocale>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class FileLock;

// The data file birthday.dat: a flat run of field cells (cellformat.h), no header. Every
// operation opens the file, holds an exclusive lock on it for its duration (a second running
// copy may share the file), reads it whole and walks it in memory, writes only the bytes that
// change into the file it read and closes it; nothing is cached between operations. A file
// another program renamed over the path after the read (sync tools don't take the lock) is
// read again before anything is written. Writes to a symbolic link go to its target; the link
// stays. The lock is a system lock on the file beside it, birthday.dat.lock (filelock.h).
//
// Operations that fail say why, with the file's name: a failed Expected holds the reason, and
// errorString() gives it too (the only way for the Outcome of a record's change). A refused
// operation writes nothing. Refused are: keys outside 0..1275 (the most the 5-byte key holds),
// field names not in the table, values longer in UTF-8 than their field, and a new record beyond
// 10001 or without a free key. A missing data file is no error: it holds no records. Where the lock
// file can't be created for lack of permission, reading goes on without the lock (nothing can write
// there) while writing is refused.
class BirthdayStore
{
    Q_DECLARE_TR_FUNCTIONS(BirthdayStore)

public:
    // lockTimeoutMs: how long an operation waits for another copy's lock before it gives up.
    explicit BirthdayStore(QString dataPath, int lockTimeoutMs = 5000);
    ~BirthdayStore();

    const QString& dataPath() const { return m_dataPath; }
    QString errorString() const { return m_error; }

    // All live records in one walk, in Name-cell order.
    Expected<QList<BirthdayRecord>> readAllRecords();

    // Delete, edit, duplicate and a field's update state what they expect to find: the record
    // as the caller read it, its key and values as readAllRecords gave them.
    // Under the same lock as the write, the record under that key must still be listed with
    // exactly those values; another program may have changed it, or deleted it and given its
    // key to another event. Otherwise nothing is written and the answer is Changed. LastDate,
    // the reminder check's stamp, counts only for an update of LastDate itself: a stamp made
    // meanwhile never refuses the user's edit, delete or copy.
    enum class Outcome { Done, Changed, Failed };
    // Marks the first live cell of each field of the record deleted.
    Outcome deleteRecord(const BirthdayRecord& expected);
    // Writes the six fields the editor sets (all but LastDate) from values, each over its live
    // cell or appended; all of them or, on a failure, none. The record keeps its LastDate.
    Outcome updateRecord(const BirthdayRecord& expected, const BirthdayRecord& values);
    // Writes one field, over its live cell or appended (the reminder check's LastDate stamp).
    Outcome updateField(const BirthdayRecord& expected, BirthdayRecord::Field field,
                        const QString& value);
    // Copies the record, all seven cells, under the smallest free key, which goes to newKey.
    Outcome duplicateRecord(const BirthdayRecord& expected, int* newKey = nullptr);
    // Adds a new record under the smallest free key in one locked operation, so two running
    // copies can never pick the same key. Writes Name, Date, Recurs, Notify, Alert and
    // ShowYears, and LastDate only when it is not empty. Returns the key.
    Expected<int> addRecord(const BirthdayRecord& record);

    // Rewrites the file without its deleted cells, atomically, after the day's backup (see
    // backups.h); a backup that can't be written refuses the compaction. Every Date and
    // LastDate that reads (in the date locale) is written as ISO yyyy-MM-dd, so the file no
    // longer depends on a language; one that does not read keeps its bytes.
    Expected<> compact();
    // How many records the last compaction set aside, cut off in their write (a Name cell with
    // no Date cell), and the file beside the data file that holds their cells as they were.
    int setAsideRecords() const { return m_setAside; }
    QString setAsidePath() const;
    // The day's backup of the data file, as made before a compaction; before an import.
    Expected<> backup();
    // Puts a backup in place of the data file, after keeping the file as it is as a backup;
    // a damaged backup is refused before anything changes (Backups::check).
    Expected<> restore(const QString& backupPath);
    // Where backups take their day from; the system clock unless set.
    void setClock(const Clock& clock) { m_clock = &clock; }
    // Called once the file is read and the change worked out, just before it is written: lets
    // a test put another program's file in place at that very moment.
    void setBeforeWriteHook(std::function<void()> hook) { m_beforeWrite = std::move(hook); }
    // Called right after a change is written, before the store checks that the path still leads
    // to the file written: another program's rename between two changes.
    void setAfterWriteHook(std::function<void()> hook) { m_afterWrite = std::move(hook); }
    // The language that wrote the file's dates not in ISO form (datelocale.h); the user's
    // unless set. Every reader of the records' dates reads them with it.
    void setDateLocale(const QLocale& locale) { m_dateLocale = locale; }
    const QLocale& dateLocale() const { return m_dateLocale; }

    // What the data file was when this store's last operation read or wrote it, taken under
    // the lock: a file that is no longer so has been written by someone else since (or by a
    // later operation).
    using FileState = FileIo::FileState;
    FileState fileState() const { return m_fileState; }
    // The data file's state now, read without the lock.
    static FileState fileStateOf(const QString& path) { return FileIo::stateOf(path); }

private:
    // Cell by cell, for the tests, benchmarks and fuzzers that check the file that way
    // (storefields.h); the program reads and writes whole records.
    friend class StoreFields;
    // Keys of all live records, in the order of their Name cells.
    std::optional<QList<int>> recordKeys();
    // One record; all fields "" when no record has the key.
    std::optional<BirthdayRecord> readRecord(int key);
    // The smallest key no live record uses. Refused when that key does not fit the cell or
    // the record limit is reached.
    std::optional<int> newRecordKey();
    bool writeField(const QString& fieldName, int key, const QString& value);
    bool deleteField(const QString& fieldName, int key);

    // The work of the public operations of the same name; these add the failure's reason.
    std::optional<QList<BirthdayRecord>> readRecords();
    std::optional<int> addNewRecord(const BirthdayRecord& record);
    bool compactFile();
    bool restoreFile(const QString& backupPath);
    template <typename T> Expected<T> result(std::optional<T> value) const
    {
        if (value)
            return std::move(*value);
        return UserError{m_error};
    }
    Expected<> result(bool ok) const { return ok ? Expected<>() : UserError{m_error}; }

    using FieldBytes = std::array<std::optional<QByteArray>, BirthdayRecord::FieldCount>;
    enum class Access { Read, Write };

    bool lock(Access access, std::unique_ptr<FileLock>& guard);
    // The file's bytes, read under the lock, which is held for as long as the snapshot lives.
    struct Snapshot
    {
        std::unique_ptr<FileLock> guard;
        QByteArray data;
        bool missing = false;
    };
    bool lockAndRead(Snapshot& snapshot);
    // What a write makes of the file's bytes: the patches (none: nothing to write), or false
    // when it refuses, with the reason given.
    struct Change
    {
        qint64 cellsEnd = 0;
        QList<DataFileIo::Patch> patches;
    };
    using Planner = std::function<bool(const QByteArray& data, bool missing, Change& change)>;
    // Under the lock, reads the file, plans the change and writes it into the file read. A file
    // replaced in between is read and planned again. False when the plan refused or the write
    // failed.
    bool change(const Planner& plan);
    // The smallest key not marked used, for a file of records live records; refused at the
    // record limit and when every key is taken.
    std::optional<int> freeKey(const std::vector<bool>& used, int records);
    // Refuses a new record once the file holds the most it can.
    bool checkRoom(int records);
    // A new record under the smallest free key: a copy of expected, when given, or values.
    // Sets changed when expected is no longer what the file holds.
    std::optional<int> insertRecord(const BirthdayRecord* expected, const FieldBytes& values,
                                    bool& changed);
    // Writes the fields that have bytes over the record's cells, or appends them, when the
    // record is still as expected.
    Outcome writeRecord(const BirthdayRecord& expected, const FieldBytes& bytes);
    // Checks a value against its field's size; its bytes go to bytes.
    bool checkValue(int slot, const QString& text, QByteArray& bytes);
    // Checks the values of an update or a new record against their fields' sizes.
    bool checkValues(const BirthdayRecord& record, bool withLastDate, FieldBytes& bytes);
    bool checkKey(int key);
    // The day's backup, made under the lock already held; spared is never pruned.
    bool makeBackup(bool keepCurrentState, const QString& spared = QString());
    // The compacted copy written beside target and put in its place, unless the file read was
    // replaced meanwhile (replaced set, nothing changed).
    bool compactOnce(const QString& target, bool& replaced);
    bool fail(const QString& message);
    // Appends cells to setAsidePath(), synced.
    bool setAside(const QByteArray& cells);
    QByteArray isoDateCell(QByteArrayView cell, int slot) const;

    QString m_dataPath;
    QString m_error;
    FileState m_fileState;
    int m_lockTimeout;
    const Clock* m_clock = nullptr; // the system clock
    std::function<void()> m_beforeWrite;
    std::function<void()> m_afterWrite;
    int m_setAside = 0;
    QLocale m_dateLocale;
};
