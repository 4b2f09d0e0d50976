#pragma once

#include "core/calendar/clock.h"
#include "core/events/birthdayrecord.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class QFile;

// The data file birthday.dat: a flat run of field cells (slot byte, flag byte, 5-byte key,
// value padded to the field's size), no header. Every operation opens the file, holds an
// exclusive lock on it for its duration (a second running copy may share the file), reads it
// whole and walks it in memory, writes only the bytes that change and closes it; nothing is
// cached between operations. The lock is a system lock on the file beside it, birthday.dat.lock,
// which is never deleted; the system drops it when its holder ends, even by a crash.
//
// Operations that fail return false / std::nullopt and leave the reason, with the file's name,
// in errorString(). A refused operation writes nothing. Refused are: keys outside 0..1275 (the
// most the 5-byte key holds), field names not in the table, values longer in UTF-8 than their
// field, and a new record beyond 10001 or without a free key. A missing data file is no error:
// it holds no records. Where the lock file can't be created for lack of permission, reading
// goes on without the lock (nothing can write there) while writing is refused.
class BirthdayStore
{
public:
    explicit BirthdayStore(QString dataPath);
    ~BirthdayStore();

    const QString& dataPath() const { return m_dataPath; }
    QString errorString() const { return m_error; }

    // Keys of all live records, in the order of their Name cells.
    std::optional<QList<int>> recordKeysList();
    // One record; all fields "" when no record has the key.
    std::optional<BirthdayRecord> recordRead(int key);
    // All live records in one walk, in Name-cell order; the same as recordKeysList followed
    // by recordRead of each key.
    std::optional<QList<BirthdayRecord>> recordsReadAll();
    // The smallest key no live record uses. Refused when that key does not fit the cell or
    // the record limit is reached.
    std::optional<int> recordKeyNew();
    bool fieldWrite(const QString& fieldName, int key, const QString& value);
    bool fieldDelete(const QString& fieldName, int key);

    // Delete, edit, duplicate and a field's update state what they expect to find: the record
    // as the caller read it, its key and all seven values as recordsReadAll or recordRead gave
    // them. Under the same lock as the write, the record under that key must still be listed
    // with exactly those values; another program may have changed it, or deleted it and given
    // its key to another event. Otherwise nothing is written and the answer is Changed.
    enum class Outcome { Done, Changed, Failed };
    // Marks the first live cell of each field of the record deleted.
    Outcome recordDelete(const BirthdayRecord& expected);
    // Writes the six fields the editor sets (all but LastDate) from values, each over its live
    // cell or appended; all of them or, on a failure, none.
    Outcome recordUpdate(const BirthdayRecord& expected, const BirthdayRecord& values);
    // Writes one field, over its live cell or appended (the reminder check's LastDate stamp).
    Outcome fieldUpdate(const BirthdayRecord& expected, BirthdayRecord::Field field,
                        const QString& value);
    // Copies the record, all seven cells, under the smallest free key, which goes to newKey.
    Outcome recordDuplicate(const BirthdayRecord& expected, int* newKey = nullptr);
    // Rewrites the file without its deleted cells, atomically, after the day's backup (see
    // backups.h); a backup that can't be written refuses the compaction.
    bool databaseCompact();
    // The day's backup of the data file, as made before a compaction; before an import.
    bool databaseBackup();
    // Puts a backup in place of the data file, after keeping the file as it is as a backup.
    bool databaseRestore(const QString& backupPath);
    // Where backups take their day from; the system clock unless set.
    void setClock(const Clock& clock) { m_clock = &clock; }

    // Adds a new record under the smallest free key in one locked operation, so two running
    // copies can never pick the same key. Writes Name, Date, Recurs, Notify, Alert and
    // ShowYears, and LastDate only when it is not empty. Returns the key.
    std::optional<int> recordAdd(const BirthdayRecord& record);

    // What the data file was when this store's last operation read or wrote it, taken under
    // the lock: a file that is no longer so has been written by someone else since (or by a
    // later operation). Two writes of the same size within one tick of the file system's clock
    // look the same.
    struct FileState
    {
        bool exists = false;
        qint64 size = 0;
        qint64 modified = 0; // nanoseconds since the epoch
        qint64 changed = 0;  // of the file's status, nanoseconds since the epoch
        quint64 id = 0;      // the inode: a file renamed over the data file is another file
        bool operator==(const FileState&) const = default;
    };
    FileState fileState() const { return m_fileState; }
    // The data file's state now, read without the lock.
    static FileState fileStateOf(const QString& path);

    // How long an operation waits for another copy's lock before it gives up.
    void setLockTimeout(int milliseconds) { m_lockTimeout = milliseconds; }

    // Points of a compaction at which a test can stop the process to play a crash.
    enum class CompactionStage { StrayRemoved, CopyHalfWritten, CopyWritten, CopySynced, Replaced };
    void setCompactionHook(std::function<void(CompactionStage)> hook)
    {
        m_compactionHook = std::move(hook);
    }

    // The encodings of the cell layout.
    // Slot of a field name, case-insensitive; 0 (Name) for a name not in the table.
    static int fieldIndex(const QString& fieldName);
    // Slot of a field name, or std::nullopt for a name not in the table.
    static std::optional<int> fieldSlot(const QString& fieldName);
    // 5 bytes: 0xFF while the key is 256 or more (subtracting 255), the rest, 0x00 padding.
    // Keys 0 to 1275 only.
    static QByteArray keyEncode(int key);
    // The sum of the bytes.
    static int keyDecode(QByteArrayView bytes);
    // A stored value as text: NUL bytes removed; UTF-8 when valid, otherwise Windows-1252.
    static QString valueDecode(QByteArrayView bytes);
    // The number of live records in a data file's bytes.
    static int liveRecordCount(QByteArrayView data);

private:
    struct Patch
    {
        qint64 offset;
        QByteArray bytes;
    };
    enum class Access { Read, Write };
    class Lock;

    bool lock(Access access, std::unique_ptr<Lock>& guard);
    // Opens the data file for a walk; sets missing when there is none (not an error).
    bool openForWalk(QFile& file, bool& missing);
    // The whole data file; empty and missing set when there is none.
    bool readWhole(QByteArray& data, bool& missing);
    // The file's bytes, read under the lock, which is held for as long as the snapshot lives.
    struct Snapshot
    {
        std::unique_ptr<Lock> guard;
        QByteArray data;
        bool missing = false;
    };
    bool lockAndRead(Access access, Snapshot& snapshot);
    // Writes the patches in order, after dropping a partial final cell; appends go at
    // cellsEnd. Creates the file when it is missing. On a failure puts back the bytes of data
    // (the file as read) that it overwrote and drops what it appended.
    bool applyPatches(const QByteArray& data, qint64 cellsEnd, const QList<Patch>& patches);
    // A new record under the smallest free key: a copy of expected, when given, or values.
    // Sets changed when expected is no longer what the file holds.
    std::optional<int>
    insertRecord(const BirthdayRecord* expected,
                 const std::array<std::optional<QByteArray>, BirthdayRecord::FieldCount>& values,
                 bool& changed);
    // Writes the fields that have bytes over the record's cells, or appends them, when the
    // record is still as expected.
    Outcome
    recordWrite(const BirthdayRecord& expected,
                const std::array<std::optional<QByteArray>, BirthdayRecord::FieldCount>& bytes);
    // Checks a value against its field's size; its bytes go to bytes.
    bool valueFits(int slot, const QString& text, QByteArray& bytes);
    // Checks the values of an update or a new record against their fields' sizes.
    bool valuesFit(const BirthdayRecord& record, bool withLastDate,
                   std::array<std::optional<QByteArray>, BirthdayRecord::FieldCount>& bytes);
    bool checkKey(int key);
    bool backupLocked(bool keepCurrentState);
    bool readFailed(const QFile& file);
    bool fail(const QString& message);
    void stage(CompactionStage s) const
    {
        if (m_compactionHook)
            m_compactionHook(s);
    }

    QString m_dataPath;
    QString m_error;
    FileState m_fileState;
    int m_lockTimeout = 5000;
    std::function<void(CompactionStage)> m_compactionHook;
    const Clock* m_clock = nullptr; // the system clock
};
