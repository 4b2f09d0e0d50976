#include "core/store/birthdaystore.h"

#include "core/store/backups.h"
#include "core/store/cellformat.h"
#include "core/store/eventrulefile.h"
#include "core/text/textconv.h"
#include "platform/filelock.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>

using namespace FieldTable;
using namespace CellFormat;
using DataFileIo::nativeName;
using DataFileIo::Patch;

namespace {

// Where one record stands in a file read into memory: what a read of it shows and what a
// write to it changes.
struct RecordCells
{
    bool listed = false; // it has a Name cell whose flag is exactly 0x00
    std::array<qsizetype, BirthdayRecord::FieldCount> first; // first live cell of each field
    std::array<qsizetype, BirthdayRecord::FieldCount> last;  // last live cell: what reads show
    qint64 cellsEnd = 0;
};

RecordCells recordCells(QByteArrayView data, int key)
{
    RecordCells cells;
    cells.first.fill(-1);
    cells.last.fill(-1);
    CellWalker walker(data);
    while (walker.next()) {
        if (!walker.isLive() || walker.slot() >= fieldCount || walker.key() != key)
            continue;
        const size_t slot = size_t(walker.slot());
        if (walker.listsRecord())
            cells.listed = true;
        if (cells.first[slot] < 0)
            cells.first[slot] = walker.offset();
        cells.last[slot] = walker.offset();
    }
    cells.cellsEnd = walker.cellsEnd();
    return cells;
}

// Whether the record still reads as the caller read it. LastDate is the program's own stamp,
// which the reminder check (this copy's or another's) may write at any time: only a write of
// LastDate itself minds it, never the user's edit, delete or copy.
bool recordIs(const QByteArray& data, const RecordCells& cells, const BirthdayRecord& expected,
              bool withLastDate)
{
    if (!cells.listed)
        return false;
    for (int slot = 0; slot < fieldCount; ++slot) {
        if (slot == BirthdayRecord::LastDate && !withLastDate)
            continue;
        if (decodeValue(valueAt(data, cells.last[size_t(slot)], slot)) !=
            expected.values[size_t(slot)])
            return false;
    }
    return true;
}

} // namespace

BirthdayStore::BirthdayStore(QString dataPath, int lockTimeoutMs)
    : m_dataPath(std::move(dataPath)), m_lockTimeout(lockTimeoutMs)
{}

BirthdayStore::~BirthdayStore() = default;

// ---- shared machinery ----

bool BirthdayStore::fail(const QString& message)
{
    m_error = message;
    return false;
}

bool BirthdayStore::checkKey(int key)
{
    if (key >= 0 && key <= maxKey)
        return true;
    return fail(tr("The record key %1 is not valid: keys run from 0 to %2.").arg(key).arg(maxKey));
}

bool BirthdayStore::lock(Access access, std::unique_ptr<FileLock>& guard)
{
    const QString lockPath = m_dataPath + QStringLiteral(".lock");
    auto fileLock = std::make_unique<FileLock>(lockPath);
    const FileLock::Status status = fileLock->lock(QDeadlineTimer(m_lockTimeout));
    if (status == FileLock::Status::Locked) {
        guard = std::move(fileLock);
        return true;
    }
    const bool busy = status == FileLock::Status::Busy;
    const bool noPermission = status == FileLock::Status::NoPermission;
    // Reading can do without the lock where nobody can write: a folder we may not write to,
    // or one that doesn't exist yet (so neither does the data file).
    if (access == Access::Read && (noPermission || !QFileInfo::exists(m_dataPath)))
        return true;
    QString reason;
    const QFileInfo folder(QFileInfo(m_dataPath).absolutePath());
    if (busy)
        reason = tr("it is in use by another running copy of Candlewatcher");
    else if (!folder.isDir())
        reason = tr("the folder \"%1\" does not exist").arg(nativeName(folder.absoluteFilePath()));
    else if (noPermission)
        reason = tr("no permission to create \"%1\"").arg(nativeName(lockPath));
    else if (!fileLock->systemReason().isEmpty())
        reason = tr("\"%1\" could not be created or locked (%2)")
                     .arg(nativeName(lockPath), fileLock->systemReason());
    else
        reason = tr("\"%1\" could not be created").arg(nativeName(lockPath));
    return fail(tr("Cannot lock the data file \"%1\": %2.").arg(nativeName(m_dataPath), reason));
}

bool BirthdayStore::lockAndRead(Snapshot& snapshot)
{
    DataFileIo::OpenFile file(m_dataPath);
    return lock(Access::Read, snapshot.guard) &&
           file.read(false, snapshot.data, snapshot.missing, m_fileState, m_error);
}

bool BirthdayStore::change(const Planner& plan)
{
    std::unique_ptr<FileLock> guard;
    if (!lock(Access::Write, guard))
        return false;
    // A sync tool that keeps renaming its copies over the file gets a few tries, not forever.
    for (int attempt = 1; attempt <= 5; ++attempt) {
        DataFileIo::OpenFile file(m_dataPath);
        QByteArray data;
        bool missing = false;
        Change planned;
        if (!file.read(true, data, missing, m_fileState, m_error) || !plan(data, missing, planned))
            return false;
        if (planned.patches.isEmpty())
            return true;
        if (m_beforeWrite)
            m_beforeWrite();
        auto written =
            file.applyPatches(data, planned.cellsEnd, planned.patches, m_fileState, m_error);
        if (written == DataFileIo::OpenFile::Written::Done) {
            if (m_afterWrite)
                m_afterWrite();
            written = file.confirm(m_fileState, m_error);
        }
        switch (written) {
        case DataFileIo::OpenFile::Written::Done:
            return true;
        case DataFileIo::OpenFile::Written::Failed:
            return false;
        case DataFileIo::OpenFile::Written::Replaced:
            break;
        }
    }
    return fail(tr("Cannot write the data file \"%1\": another program keeps "
                   "replacing it.")
                    .arg(nativeName(m_dataPath)));
}

bool BirthdayStore::checkRoom(int records)
{
    if (records < maxRecords)
        return true;
    return fail(
        //: %1 is the data file, %Ln the number of events it holds: the most it can.
        tr("The data file \"%1\" already holds %Ln events, the most it can hold.", nullptr, records)
            .arg(nativeName(m_dataPath)));
}

std::optional<int> BirthdayStore::freeKey(const std::vector<bool>& used, int records)
{
    if (!checkRoom(records))
        return std::nullopt;
    int key = 0;
    while (used[size_t(key)])
        ++key;
    if (key > maxKey) {
        // Every key the cell's key field can hold is in use: that is the most events it takes.
        //: %1 is the data file, %Ln the number of events it holds: the most it can.
        fail(tr("The data file \"%1\" already holds %Ln events, the most it can "
                "hold: delete one to make room for another.",
                nullptr, maxKey + 1)
                 .arg(nativeName(m_dataPath)));
        return std::nullopt;
    }
    return key;
}

// ---- readers ----

std::optional<QList<int>> BirthdayStore::recordKeys()
{
    Snapshot file;
    if (!lockAndRead(file))
        return std::nullopt;
    QList<int> keys;
    CellWalker walker(file.data);
    while (walker.next()) {
        if (walker.listsRecord())
            keys.append(walker.key());
    }
    return keys;
}

std::optional<BirthdayRecord> BirthdayStore::readRecord(int key)
{
    if (!checkKey(key))
        return std::nullopt;
    Snapshot file;
    if (!lockAndRead(file))
        return std::nullopt;
    BirthdayRecord record;
    record.key = key;
    std::array<qsizetype, BirthdayRecord::FieldCount> cells;
    cells.fill(-1);
    CellWalker walker(file.data);
    while (walker.next()) {
        // Later cells win, so a record with two live cells of one field shows the last.
        if (walker.isLive() && walker.key() == key && walker.slot() < fieldCount)
            cells[size_t(walker.slot())] = walker.offset();
    }
    for (int slot = 0; slot < fieldCount; ++slot)
        record.values[size_t(slot)] = decodeValue(valueAt(file.data, cells[size_t(slot)], slot));
    return record;
}

Expected<QList<BirthdayRecord>> BirthdayStore::readAllRecords()
{
    return result(readRecords());
}

std::optional<QList<BirthdayRecord>> BirthdayStore::readRecords()
{
    Snapshot file;
    if (!lockAndRead(file))
        return std::nullopt;
    QList<BirthdayRecord> records;
    if (file.missing)
        return records;
    // Where each key's last live cell of each field starts; values are decoded only for the
    // records that have a Name, after the walk.
    std::vector<std::array<qsizetype, BirthdayRecord::FieldCount>> cells(keyCount);
    for (auto& row : cells)
        row.fill(-1);
    QList<int> keys;
    CellWalker walker(file.data);
    while (walker.next()) {
        if (!walker.isLive() || walker.slot() >= fieldCount)
            continue;
        const int key = walker.key();
        if (walker.listsRecord())
            keys.append(key);
        cells[size_t(key)][size_t(walker.slot())] = walker.offset();
    }
    records.resize(keys.size());
    for (qsizetype i = 0; i < keys.size(); ++i) {
        BirthdayRecord& record = records[i];
        record.key = keys[i];
        for (int slot = 0; slot < fieldCount; ++slot)
            record.values[size_t(slot)] =
                decodeValue(valueAt(file.data, cells[size_t(record.key)][size_t(slot)], slot));
    }
    attachRules(records);
    return records;
}

void BirthdayStore::attachRules(QList<BirthdayRecord>& records)
{
    const Expected<EventRuleTable> rules = EventRuleFile::load(EventRuleFile::pathFor(m_dataPath));
    m_rulesError = rules.error();
    if (rules)
        rules->attachTo(records);
}

std::optional<int> BirthdayStore::newRecordKey()
{
    Snapshot file;
    if (!lockAndRead(file))
        return std::nullopt;
    if (file.missing)
        return 0;
    std::vector<bool> used(keyCount + 1, false);
    int records = 0;
    CellWalker walker(file.data);
    while (walker.next()) {
        if (walker.listsRecord()) {
            used[size_t(walker.key())] = true;
            ++records;
        }
    }
    return freeKey(used, records);
}

// ---- writers ----

bool BirthdayStore::writeField(const QString& fieldName, int key, const QString& value)
{
    const std::optional<int> slot = fieldSlot(fieldName);
    if (!slot)
        return fail(tr("There is no field \"%1\" in the data file.").arg(fieldName));
    QByteArray bytes;
    if (!checkKey(key) || !checkValue(*slot, value, bytes))
        return false;

    return change([&](const QByteArray& data, bool, Change& change) {
        std::optional<qint64> found;
        int records = 0;
        // The walk goes on past the cell it overwrites: only its end shows whether the file
        // ends in a cell cut short, which has to go before anything is written.
        CellWalker walker(data);
        while (walker.next()) {
            if (!found && walker.slot() == *slot && walker.isLive() && walker.key() == key)
                found = walker.offset();
            if (walker.listsRecord())
                ++records;
        }
        change.cellsEnd = walker.cellsEnd();
        if (found) {
            change.patches = {{*found + cellHeadSize, padValue(bytes, fieldSize(*slot))}};
            return true;
        }
        // A Name cell appended here starts a new record.
        if (*slot == 0 && !checkRoom(records))
            return false;
        change.patches = {{change.cellsEnd, makeCell(*slot, key, bytes)}};
        return true;
    });
}

bool BirthdayStore::deleteField(const QString& fieldName, int key)
{
    const std::optional<int> slot = fieldSlot(fieldName);
    if (!slot)
        return fail(tr("There is no field \"%1\" in the data file.").arg(fieldName));
    if (!checkKey(key))
        return false;
    return change([&](const QByteArray& data, bool, Change& change) {
        CellWalker walker(data);
        std::optional<qint64> found;
        while (walker.next()) {
            if (!found && walker.slot() == *slot && walker.isLive() && walker.key() == key)
                found = walker.offset();
        }
        change.cellsEnd = walker.cellsEnd();
        if (found)
            change.patches = {{*found + 1, QByteArray(1, char(flagDeleted))}};
        return true;
    });
}

BirthdayStore::Outcome BirthdayStore::deleteRecord(const BirthdayRecord& expected)
{
    if (!checkKey(expected.key))
        return Outcome::Failed;
    bool changed = false;
    const bool done = change([&](const QByteArray& data, bool, Change& change) {
        const RecordCells cells = recordCells(data, expected.key);
        changed = !recordIs(data, cells, expected, false);
        if (changed)
            return false;
        // The first live cell of each field, as deleting field by field would mark.
        for (const qsizetype offset : cells.first)
            if (offset >= 0)
                change.patches.append({offset + 1, QByteArray(1, char(flagDeleted))});
        std::sort(change.patches.begin(), change.patches.end(),
                  [](const Patch& a, const Patch& b) { return a.offset < b.offset; });
        change.cellsEnd = cells.cellsEnd;
        return true;
    });
    return done ? Outcome::Done : changed ? Outcome::Changed : Outcome::Failed;
}

BirthdayStore::Outcome BirthdayStore::updateRecord(const BirthdayRecord& expected,
                                                   const BirthdayRecord& values)
{
    FieldBytes bytes;
    if (!checkKey(expected.key) || !checkValues(values, false, bytes))
        return Outcome::Failed;
    return writeRecord(expected, bytes);
}

BirthdayStore::Outcome BirthdayStore::updateField(const BirthdayRecord& expected,
                                                  BirthdayRecord::Field field, const QString& value)
{
    FieldBytes bytes;
    bytes[size_t(field)].emplace();
    if (!checkKey(expected.key) || !checkValue(field, value, *bytes[size_t(field)]))
        return Outcome::Failed;
    return writeRecord(expected, bytes);
}

BirthdayStore::Outcome BirthdayStore::writeRecord(const BirthdayRecord& expected,
                                                  const FieldBytes& bytes)
{
    bool changed = false;
    const bool done = change([&](const QByteArray& data, bool, Change& change) {
        const RecordCells cells = recordCells(data, expected.key);
        changed = !recordIs(data, cells, expected, bytes[BirthdayRecord::LastDate].has_value());
        if (changed)
            return false;
        qint64 end = change.cellsEnd = cells.cellsEnd;
        for (int slot = 0; slot < fieldCount; ++slot) {
            if (!bytes[size_t(slot)])
                continue;
            // Over the cell every read shows, should a damaged file hold two.
            const qsizetype shown = cells.last[size_t(slot)];
            if (shown >= 0) {
                change.patches.append(
                    {shown + cellHeadSize, padValue(*bytes[size_t(slot)], fieldSize(slot))});
            } else {
                change.patches.append({end, makeCell(slot, expected.key, *bytes[size_t(slot)])});
                end += cellSize(slot);
            }
        }
        return true;
    });
    return done ? Outcome::Done : changed ? Outcome::Changed : Outcome::Failed;
}

BirthdayStore::Outcome BirthdayStore::duplicateRecord(const BirthdayRecord& expected, int* newKey)
{
    if (!checkKey(expected.key))
        return Outcome::Failed;
    bool changed = false;
    const std::optional<int> key = insertRecord(&expected, {}, changed);
    if (changed)
        return Outcome::Changed;
    if (!key)
        return Outcome::Failed;
    if (newKey)
        *newKey = *key;
    return Outcome::Done;
}

bool BirthdayStore::checkValues(const BirthdayRecord& record, bool withLastDate, FieldBytes& bytes)
{
    for (int slot = 0; slot < fieldCount; ++slot) {
        if (slot == BirthdayRecord::LastDate && !withLastDate)
            continue;
        if (!checkValue(slot, record.values[size_t(slot)], bytes[size_t(slot)].emplace()))
            return false;
    }
    return true;
}

bool BirthdayStore::checkValue(int slot, const QString& text, QByteArray& bytes)
{
    bytes = text.toUtf8();
    if (bytes.size() > fieldSize(slot))
        //: %1 is the name of a field of the data file (Name, Date, …), kept in English.
        return fail(tr("The %1 \"%2\" is too long: it takes %3 bytes, and the data "
                       "file holds at most %4.")
                        .arg(QLatin1String(fieldNames[size_t(slot)]), text)
                        .arg(bytes.size())
                        .arg(fieldSize(slot)));
    return true;
}

Expected<int> BirthdayStore::addRecord(const BirthdayRecord& record)
{
    return result(addNewRecord(record));
}

std::optional<int> BirthdayStore::addNewRecord(const BirthdayRecord& record)
{
    FieldBytes values;
    if (!checkValues(record, !record.value(BirthdayRecord::LastDate).isEmpty(), values))
        return std::nullopt;
    bool changed = false;
    return insertRecord(nullptr, values, changed);
}

// One walk finds the free key, the cells a new record under it would overwrite (cells of
// that key left behind without a Name) and, for a copy, the values of the record copied.
std::optional<int> BirthdayStore::insertRecord(const BirthdayRecord* expected,
                                               const FieldBytes& values, bool& changed)
{
    std::optional<int> newKey;
    const bool done = change([&](const QByteArray& data, bool, Change& change) {
        std::vector<bool> used(keyCount + 1, false);
        std::vector<std::array<qint64, BirthdayRecord::FieldCount>> firstLive(keyCount);
        for (auto& cells : firstLive)
            cells.fill(-1);
        std::array<QByteArray, BirthdayRecord::FieldCount> source;
        int records = 0;
        CellWalker walker(data);
        while (walker.next()) {
            const int slot = walker.slot(), key = walker.key();
            if (walker.listsRecord()) {
                used[size_t(key)] = true;
                ++records;
            }
            if (slot >= fieldCount || !walker.isLive())
                continue;
            if (firstLive[size_t(key)][size_t(slot)] < 0)
                firstLive[size_t(key)][size_t(slot)] = walker.offset();
            if (expected && key == expected->key) // later cells win, as for every read
                source[size_t(slot)] = walker.value().toByteArray();
        }
        change.cellsEnd = walker.cellsEnd();
        if (expected) {
            // The copy takes the LastDate the record has now.
            changed = !used[size_t(expected->key)];
            for (int slot = 0; slot < fieldCount && !changed; ++slot)
                changed = slot != BirthdayRecord::LastDate &&
                          decodeValue(source[size_t(slot)]) != expected->values[size_t(slot)];
            if (changed)
                return false;
        }
        newKey = freeKey(used, records);
        if (!newKey)
            return false;
        qint64 end = change.cellsEnd;
        for (int slot = 0; slot < fieldCount; ++slot) {
            QByteArray bytes;
            if (expected) // A copy always gets all seven cells, empty ones included.
                bytes = removeNuls(source[size_t(slot)]);
            else if (values[size_t(slot)])
                bytes = *values[size_t(slot)];
            else
                continue;
            const qint64 existing = firstLive[size_t(*newKey)][size_t(slot)];
            if (existing >= 0) {
                change.patches.append({existing + cellHeadSize, padValue(bytes, fieldSize(slot))});
            } else {
                change.patches.append({end, makeCell(slot, *newKey, bytes)});
                end += cellSize(slot);
            }
        }
        return true;
    });
    return done ? newKey : std::nullopt;
}

// ---- backups ----

bool BirthdayStore::makeBackup(bool keepCurrentState, const QString& spared)
{
    const QDate today = m_clock ? m_clock->today() : Clock().today();
    return Backups::make(m_dataPath, today, keepCurrentState, m_error, spared);
}

Expected<> BirthdayStore::backup()
{
    std::unique_ptr<FileLock> guard;
    return result(lock(Access::Write, guard) && makeBackup(false));
}

Expected<> BirthdayStore::restore(const QString& backupPath)
{
    return result(restoreFile(backupPath));
}

bool BirthdayStore::restoreFile(const QString& backupPath)
{
    std::unique_ptr<FileLock> guard;
    if (!lock(Access::Write, guard))
        return false;
    // A damaged copy is refused before anything changes.
    const std::optional<QByteArray> bytes = Backups::check(backupPath, m_error);
    return bytes && makeBackup(true, backupPath) && Backups::restore(m_dataPath, *bytes, m_error) &&
           Backups::restoreRules(m_dataPath, backupPath, m_error);
}
