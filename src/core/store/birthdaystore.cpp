#include "core/store/birthdaystore.h"

#include "core/store/backups.h"
#include "core/store/fieldtable.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#ifdef Q_OS_WIN
#include <QLockFile>
#endif
#include <QStringDecoder>
#include <QThread>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <vector>

#ifdef Q_OS_WIN
#include <io.h>
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace FieldTable;

namespace {

constexpr quint8 flagLive = 0x00;
constexpr quint8 flagDeleted = 0x01;
constexpr int keyCount = maxKey + 1;

// Windows-1252 for the bytes 0x80..0x9F; the five bytes it leaves undefined map to the C1
// control of the same number, as Windows itself does. All other bytes are Latin-1.
constexpr char16_t cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString nativeName(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// The reason for a failed read or write. QFile sometimes loses the system's reason on a failed
// write (it says "Unknown error" for a file grown to its size limit); errno, taken right after
// the failing call, still has it.
QString failureReason(const QFileDevice& file, int savedErrno)
{
    const QString reason = file.errorString();
    if (savedErrno != 0 && (reason.isEmpty() || reason == QFile().errorString()))
        return qt_error_string(savedErrno);
    return reason;
}

QByteArray withoutNuls(QByteArrayView bytes)
{
    QByteArray out;
    out.reserve(bytes.size());
    for (char c : bytes)
        if (c != '\0')
            out.append(c);
    return out;
}

QByteArray padded(const QByteArray& value, int size)
{
    QByteArray out = value;
    out.append(size - value.size(), '\0');
    return out;
}

QByteArray cellBytes(int slot, int key, const QByteArray& value)
{
    QByteArray cell;
    cell.reserve(cellSize(slot));
    cell.append(char(slot));
    cell.append(char(flagLive));
    cell.append(BirthdayStore::keyEncode(key));
    cell.append(padded(value, fieldSize(slot)));
    return cell;
}

// fieldSize of slots 0 to 6, a byte each, slot 0 lowest. Where the next cell starts is known
// only from this one's slot byte, so the walk waits on every step: a shift is quicker than a
// second load from the table.
constexpr quint64 packedSizes = [] {
    quint64 packed = 0;
    for (int slot = fieldCount - 1; slot >= 0; --slot)
        packed = packed << 8 | quint64(fieldSizes[size_t(slot)]);
    return packed;
}();
static_assert(fieldCount <= 8 && fieldSizes[0] <= 0xFF);

// Walks the cells of a file read into memory. Stops at the end or at a final cell cut short
// (its bytes are left alone).
class CellWalker
{
public:
    explicit CellWalker(QByteArrayView data) : m_data(data) {}

    bool next()
    {
        const qsizetype left = m_data.size() - m_pos;
        if (left < cellHeadSize)
            return false;
        const char* cell = m_data.data() + m_pos;
        // Fetching ahead keeps the coming cells close.
#if defined(__GNUC__)
        __builtin_prefetch(cell + 1024);
#endif
        const int slot = quint8(cell[0]);
        const int size = slot < fieldCount ? int((packedSizes >> (8 * slot)) & 0xFF) : 0;
        if (left < cellHeadSize + size)
            return false;
        m_offset = m_pos;
        m_slot = slot;
        m_flag = quint8(cell[1]);
        m_valueSize = size;
        m_pos += cellHeadSize + size;
        return true;
    }

    qint64 offset() const
    {
        return m_offset;
    }
    int slot() const
    {
        return m_slot;
    }
    quint8 flag() const
    {
        return m_flag;
    }
    bool live() const
    {
        return m_flag != flagDeleted;
    }
    // Decoded when asked: most cells of a churned file are deleted ones, passed over.
    int key() const
    {
        const char* key = m_data.data() + m_offset + 2;
        return quint8(key[0]) + quint8(key[1]) + quint8(key[2]) + quint8(key[3]) + quint8(key[4]);
    }
    QByteArrayView cell() const
    {
        return m_data.sliced(m_offset, cellHeadSize + m_valueSize);
    }
    QByteArrayView value() const
    {
        return m_data.sliced(m_offset + cellHeadSize, m_valueSize);
    }
    // End of the last whole cell read so far; after the walk, where appends belong.
    qint64 cellsEnd() const
    {
        return m_pos;
    }
    qint64 fileSize() const
    {
        return m_data.size();
    }

private:
    QByteArrayView m_data;
    qsizetype m_pos = 0;
    qsizetype m_offset = 0;
    int m_slot = 0;
    quint8 m_flag = 0;
    int m_valueSize = 0;
};

// The value of the cell of slot at offset in data, or nothing for no cell (-1).
QByteArrayView valueAt(const QByteArray& data, qsizetype offset, int slot)
{
    if (offset < 0)
        return {};
    return QByteArrayView(data).sliced(offset + cellHeadSize, fieldSize(slot));
}

bool syncToDisk(QFile& file)
{
#ifdef Q_OS_WIN
    return FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(file.handle())));
#else
    return ::fsync(file.handle()) == 0;
#endif
}

// Puts from in place of to in one step: to is always either the old or the new file.
bool replaceFile(const QString& from, const QString& to, QString& reason)
{
#ifdef Q_OS_WIN
    const QString f = QDir::toNativeSeparators(from), t = QDir::toNativeSeparators(to);
    if (MoveFileExW(reinterpret_cast<LPCWSTR>(f.utf16()), reinterpret_cast<LPCWSTR>(t.utf16()),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    reason = qt_error_string(int(GetLastError()));
    return false;
#else
    if (::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    reason = qt_error_string(errno);
    return false;
#endif
}

// Makes a rename durable; where the system can't, the rename itself is still atomic.
void syncFolder([[maybe_unused]] const QString& folder)
{
#ifndef Q_OS_WIN
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#endif
}

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
        if (!walker.live() || walker.slot() >= fieldCount || walker.key() != key)
            continue;
        const size_t slot = size_t(walker.slot());
        if (slot == 0 && walker.flag() == flagLive)
            cells.listed = true;
        if (cells.first[slot] < 0)
            cells.first[slot] = walker.offset();
        cells.last[slot] = walker.offset();
    }
    cells.cellsEnd = walker.cellsEnd();
    return cells;
}

// Whether the record still reads as the caller read it.
bool recordIs(const QByteArray& data, const RecordCells& cells, const BirthdayRecord& expected)
{
    if (!cells.listed)
        return false;
    for (int slot = 0; slot < fieldCount; ++slot) {
        if (BirthdayStore::valueDecode(valueAt(data, cells.last[size_t(slot)], slot)) !=
            expected.values[size_t(slot)])
            return false;
    }
    return true;
}

#ifdef Q_OS_WIN
BirthdayStore::FileState stateOfInfo(const QFileInfo& info)
{
    BirthdayStore::FileState state;
    if (!info.exists())
        return state;
    state.exists = true;
    state.size = info.size();
    state.modified = info.lastModified().toMSecsSinceEpoch() * 1000000;
    state.changed = info.metadataChangeTime().toMSecsSinceEpoch() * 1000000;
    return state;
}
#else
BirthdayStore::FileState stateOfStat(const struct stat& info)
{
    BirthdayStore::FileState state;
    state.exists = true;
    state.size = info.st_size;
    state.modified = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    state.changed = qint64(info.st_ctim.tv_sec) * 1000000000 + info.st_ctim.tv_nsec;
    state.id = quint64(info.st_ino);
    return state;
}
#endif

// The state of an open file, or of the file at its path.
BirthdayStore::FileState stateOfOpen(QFile& file)
{
#ifdef Q_OS_WIN
    return stateOfInfo(QFileInfo(file.fileName()));
#else
    struct stat info;
    if (::fstat(file.handle(), &info) != 0)
        return BirthdayStore::fileStateOf(file.fileName());
    return stateOfStat(info);
#endif
}

} // namespace

BirthdayStore::FileState BirthdayStore::fileStateOf(const QString& path)
{
#ifdef Q_OS_WIN
    return stateOfInfo(QFileInfo(path));
#else
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return FileState();
    return stateOfStat(info);
#endif
}

BirthdayStore::BirthdayStore(QString dataPath) : m_dataPath(std::move(dataPath)) {}

BirthdayStore::~BirthdayStore() = default;

// ---- encodings ----

int BirthdayStore::fieldIndex(const QString& fieldName)
{
    return fieldSlot(fieldName).value_or(0);
}

std::optional<int> BirthdayStore::fieldSlot(const QString& fieldName)
{
    for (int slot = 0; slot < fieldCount; ++slot)
        if (fieldName.compare(QLatin1String(fieldNames[size_t(slot)]), Qt::CaseInsensitive) == 0)
            return slot;
    return std::nullopt;
}

QByteArray BirthdayStore::keyEncode(int key)
{
    Q_ASSERT(key >= 0 && key <= maxKey);
    QByteArray bytes;
    while (key >= 256) {
        bytes.append(char(0xFF));
        key -= 255;
    }
    bytes.append(char(key));
    bytes.append(keySize - bytes.size(), '\0');
    return bytes;
}

int BirthdayStore::keyDecode(QByteArrayView bytes)
{
    int sum = 0;
    for (char c : bytes)
        sum += quint8(c);
    return sum;
}

QString BirthdayStore::valueDecode(QByteArrayView bytes)
{
    // Values are mostly plain ASCII padded with NULs: those need no decoder and no copy. The
    // padding is found with the C library's own (vectorised) search and compare: names are
    // short, and their padding was most of the time a list read took.
    if (bytes.isEmpty())
        return QString();
    static const char zeros[256] = {};
    const auto nul = static_cast<const char*>(std::memchr(bytes.data(), 0, size_t(bytes.size())));
    qsizetype end = nul ? nul - bytes.data() : bytes.size();
    const qsizetype padding = bytes.size() - end;
    bool plain = padding <= qsizetype(sizeof zeros) &&
                 std::memcmp(bytes.data() + end, zeros, size_t(padding)) == 0;
    if (!plain) {
        end = bytes.size();
        while (end > 0 && bytes[end - 1] == '\0')
            --end;
    }
    QByteArrayView text = bytes.first(end);
    for (char c : text) {
        if (c == '\0' || quint8(c) >= 0x80) {
            plain = false;
            break;
        }
    }
    if (plain) {
        // Most values are one character or two digits ("1", "0", "10"): those share one copy
        // each instead of taking an allocation of their own.
        static const std::array<QString, 128 + 100> shortTexts = [] {
            std::array<QString, 128 + 100> texts;
            for (int c = 0; c < 128; ++c)
                texts[size_t(c)] = QString(QChar(c));
            for (int n = 0; n < 100; ++n)
                texts[size_t(128 + n)] = QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
            return texts;
        }();
        if (text.size() == 1)
            return shortTexts[size_t(quint8(text[0]))];
        if (text.size() == 2 && std::isdigit(quint8(text[0])) && std::isdigit(quint8(text[1])))
            return shortTexts[size_t(128 + (text[0] - '0') * 10 + (text[1] - '0'))];
        return QString::fromLatin1(text);
    }
    const QByteArray clean = withoutNuls(text);
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString decoded = utf8.decode(clean);
    if (!utf8.hasError())
        return decoded;
    decoded.clear();
    decoded.reserve(clean.size());
    for (char c : clean) {
        const quint8 b = quint8(c);
        decoded.append(b >= 0x80 && b <= 0x9F ? QChar(cp1252High[b - 0x80]) : QChar(b));
    }
    return decoded;
}

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
    return fail(QStringLiteral("The record key %1 is not valid: keys run from 0 to %2.")
                    .arg(key)
                    .arg(maxKey));
}

class BirthdayStore::Lock
{
public:
#ifdef Q_OS_WIN
    std::unique_ptr<QLockFile> file;
#else
    explicit Lock(int fd) : m_fd(fd) {}
    ~Lock()
    {
        ::close(m_fd);
    } // closing drops the lock
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;

private:
    int m_fd;
#endif
};

bool BirthdayStore::lock(Access access, std::unique_ptr<Lock>& guard)
{
    const QString lockPath = m_dataPath + QStringLiteral(".lock");
    // Look again often rather than block: a waiting copy goes on as soon as the other is
    // done, and gives up at its own deadline.
    const QDeadlineTimer deadline(m_lockTimeout);
    int pause = 1;
    bool busy = false;
    bool noPermission = false;
    QString systemReason;
#ifdef Q_OS_WIN
    auto lockFile = std::make_unique<QLockFile>(lockPath);
    // Operations take milliseconds; a lock this old belongs to a copy that hangs. A copy that
    // died is found out at once by its process id.
    lockFile->setStaleLockTime(30000);
    // A lock file that names no owner was left by a copy killed the instant it created it
    // (writing the owner takes microseconds); once it has stayed so for a second, it is stale.
    QElapsedTimer ownerless;
    while (!lockFile->tryLock(0)) {
        if (lockFile->error() != QLockFile::LockFailedError || deadline.hasExpired())
            break;
        qint64 pid = 0;
        QString host;
        QString application;
        if (lockFile->getLockInfo(&pid, &host, &application)) {
            ownerless.invalidate();
        } else if (!ownerless.isValid()) {
            ownerless.start();
        } else if (ownerless.elapsed() > 1000) {
            lockFile->removeStaleLockFile();
            ownerless.invalidate();
            continue;
        }
        QThread::msleep(ulong(qBound(qint64(1), deadline.remainingTime(), qint64(pause))));
        pause = qMin(pause * 2, 40);
    }
    if (lockFile->isLocked()) {
        guard = std::make_unique<Lock>();
        guard->file = std::move(lockFile);
        return true;
    }
    busy = lockFile->error() == QLockFile::LockFailedError;
    noPermission = lockFile->error() == QLockFile::PermissionError;
#else
    // The lock file stays in place for good: the data file itself is replaced by compaction,
    // and a lock on a file that can vanish locks nothing. A lock file someone else created
    // and we may only read still takes the lock.
    const QByteArray nativePath = QFile::encodeName(lockPath);
    int fd = ::open(nativePath.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    int error = fd < 0 ? errno : 0;
    if (fd < 0 && (error == EACCES || error == EPERM || error == EROFS)) {
        fd = ::open(nativePath.constData(), O_RDONLY | O_CLOEXEC);
        if (fd >= 0)
            error = 0;
    }
    if (fd >= 0) {
        for (;;) {
            if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
                guard = std::make_unique<Lock>(fd);
                return true;
            }
            if (errno == EINTR)
                continue;
            if (errno != EWOULDBLOCK) {
                error = errno;
                break;
            }
            if (deadline.hasExpired()) {
                busy = true;
                break;
            }
            QThread::msleep(ulong(qBound(qint64(1), deadline.remainingTime(), qint64(pause))));
            pause = qMin(pause * 2, 10);
        }
        ::close(fd);
    }
    noPermission = error == EACCES || error == EPERM || error == EROFS;
    if (error != 0)
        systemReason = qt_error_string(error);
#endif
    // Reading can do without the lock where nobody can write: a folder we may not write to,
    // or one that doesn't exist yet (so neither does the data file).
    if (access == Access::Read && (noPermission || !QFileInfo::exists(m_dataPath)))
        return true;
    QString reason;
    const QFileInfo folder(QFileInfo(m_dataPath).absolutePath());
    if (busy)
        reason = QStringLiteral("it is in use by another running copy of Candlewatcher");
    else if (!folder.isDir())
        reason = QStringLiteral("the folder \"%1\" does not exist")
                     .arg(nativeName(folder.absoluteFilePath()));
    else if (noPermission)
        reason = QStringLiteral("no permission to create \"%1\"").arg(nativeName(lockPath));
    else if (!systemReason.isEmpty())
        reason = QStringLiteral("\"%1\" could not be created or locked (%2)")
                     .arg(nativeName(lockPath), systemReason);
    else
        reason = QStringLiteral("\"%1\" could not be created").arg(nativeName(lockPath));
    return fail(QStringLiteral("Cannot lock the data file \"%1\": %2.")
                    .arg(nativeName(m_dataPath), reason));
}

bool BirthdayStore::openForWalk(QFile& file, bool& missing)
{
    file.setFileName(m_dataPath);
    const QFileInfo info(m_dataPath);
    missing = !info.exists() && !info.isSymLink();
    if (missing)
        return true;
    if (file.open(QIODevice::ReadOnly))
        return true;
    return fail(QStringLiteral("Cannot open the data file \"%1\": %2.")
                    .arg(nativeName(m_dataPath), file.errorString()));
}

bool BirthdayStore::applyPatches(const QByteArray& data, qint64 cellsEnd,
                                 const QList<Patch>& patches)
{
    if (patches.isEmpty())
        return true;
    QFile file(m_dataPath);
    if (!file.open(QIODevice::ReadWrite))
        return fail(QStringLiteral("Cannot open the data file \"%1\" for writing: %2.")
                        .arg(nativeName(m_dataPath), file.errorString()));
    const auto writeFailed = [&](const QString& what) {
        const QString reason = failureReason(file, errno);
        // Put back every byte overwritten and take back what was appended, so the file holds
        // what it held before and stays aligned. Overwriting in place needs no new room.
        file.close();
        bool restored = file.open(QIODevice::ReadWrite);
        for (const Patch& patch : patches) {
            if (!restored || patch.offset >= cellsEnd)
                continue;
            const QByteArray old = data.mid(patch.offset, patch.bytes.size());
            restored = file.seek(patch.offset) && file.write(old) == old.size();
        }
        restored = restored && (file.size() <= cellsEnd || file.resize(cellsEnd)) && file.flush();
        file.close();
        return fail(QStringLiteral("Cannot %1 the data file \"%2\": %3.%4")
                        .arg(what, nativeName(m_dataPath), reason,
                             restored ? QString()
                                      : QStringLiteral("  Part of the change may have been "
                                                       "written.")));
    };
    // A final cell cut short would shift every cell appended after it.
    if (data.size() > cellsEnd && !file.resize(cellsEnd))
        return writeFailed(QStringLiteral("shorten"));
    for (const Patch& patch : patches) {
        if ((file.pos() != patch.offset && !file.seek(patch.offset)) ||
            file.write(patch.bytes) != patch.bytes.size())
            return writeFailed(QStringLiteral("write"));
    }
    if (!file.flush())
        return writeFailed(QStringLiteral("write"));
    m_fileState = stateOfOpen(file);
    file.close();
    if (file.error() != QFileDevice::NoError)
        return fail(QStringLiteral("Cannot write the data file \"%1\": %2.")
                        .arg(nativeName(m_dataPath), file.errorString()));
    return true;
}

bool BirthdayStore::readFailed(const QFile& file)
{
    return fail(QStringLiteral("Cannot read the data file \"%1\": %2.")
                    .arg(nativeName(m_dataPath), file.errorString()));
}

bool BirthdayStore::readWhole(QByteArray& data, bool& missing)
{
    data.clear();
    m_fileState = FileState();
    QFile file;
    if (!openForWalk(file, missing))
        return false;
    if (missing)
        return true;
    // Never more than the size the file had when opened, so a device that never ends cannot
    // hold the read up.
    const qint64 size = file.size();
    data = file.read(size);
    if (data.size() != size)
        return readFailed(file);
    m_fileState = stateOfOpen(file);
    return true;
}

bool BirthdayStore::lockAndRead(Access access, Snapshot& snapshot)
{
    return lock(access, snapshot.guard) && readWhole(snapshot.data, snapshot.missing);
}

// ---- readers ----

std::optional<QList<int>> BirthdayStore::recordKeysList()
{
    Snapshot file;
    if (!lockAndRead(Access::Read, file))
        return std::nullopt;
    QByteArray& data = file.data;
    QList<int> keys;
    CellWalker walker(data);
    while (walker.next()) {
        if (walker.slot() == 0 && walker.flag() == flagLive)
            keys.append(walker.key());
    }
    return keys;
}

std::optional<BirthdayRecord> BirthdayStore::recordRead(int key)
{
    if (!checkKey(key))
        return std::nullopt;
    Snapshot file;
    if (!lockAndRead(Access::Read, file))
        return std::nullopt;
    QByteArray& data = file.data;
    BirthdayRecord record;
    record.key = key;
    std::array<qsizetype, BirthdayRecord::FieldCount> cells;
    cells.fill(-1);
    CellWalker walker(data);
    while (walker.next()) {
        // Later cells win, so a record with two live cells of one field shows the last.
        if (walker.live() && walker.key() == key && walker.slot() < fieldCount)
            cells[size_t(walker.slot())] = walker.offset();
    }
    for (int slot = 0; slot < fieldCount; ++slot)
        record.values[size_t(slot)] = valueDecode(valueAt(data, cells[size_t(slot)], slot));
    return record;
}

std::optional<QList<BirthdayRecord>> BirthdayStore::recordsReadAll()
{
    Snapshot file;
    if (!lockAndRead(Access::Read, file))
        return std::nullopt;
    QByteArray& data = file.data;
    const bool missing = file.missing;
    QList<BirthdayRecord> records;
    if (missing)
        return records;
    // Where each key's last live cell of each field starts; values are decoded only for the
    // records that have a Name, after the walk.
    std::vector<std::array<qsizetype, BirthdayRecord::FieldCount>> cells(keyCount);
    for (auto& row : cells)
        row.fill(-1);
    QList<int> keys;
    CellWalker walker(data);
    while (walker.next()) {
        if (!walker.live() || walker.slot() >= fieldCount)
            continue;
        const int key = walker.key();
        if (walker.slot() == 0 && walker.flag() == flagLive)
            keys.append(key);
        cells[size_t(key)][size_t(walker.slot())] = walker.offset();
    }
    records.resize(keys.size());
    for (qsizetype i = 0; i < keys.size(); ++i) {
        BirthdayRecord& record = records[i];
        record.key = keys[i];
        for (int slot = 0; slot < fieldCount; ++slot)
            record.values[size_t(slot)] =
                valueDecode(valueAt(data, cells[size_t(record.key)][size_t(slot)], slot));
    }
    return records;
}

std::optional<int> BirthdayStore::recordKeyNew()
{
    Snapshot file;
    if (!lockAndRead(Access::Read, file))
        return std::nullopt;
    QByteArray& data = file.data;
    const bool missing = file.missing;
    if (missing)
        return 0;
    std::vector<bool> used(keyCount + 1, false);
    int count = 0;
    CellWalker walker(data);
    while (walker.next()) {
        if (walker.slot() == 0 && walker.flag() == flagLive) {
            used[size_t(walker.key())] = true;
            ++count;
        }
    }
    if (count >= maxRecords) {
        fail(QStringLiteral("The data file \"%1\" already holds %2 events, the most it can hold.")
                 .arg(nativeName(m_dataPath))
                 .arg(count));
        return std::nullopt;
    }
    int key = 0;
    while (used[size_t(key)])
        ++key;
    if (key > maxKey) {
        fail(QStringLiteral("The data file \"%1\" has no free record key left: all keys from 0 "
                            "to %2 are in use.")
                 .arg(nativeName(m_dataPath))
                 .arg(maxKey));
        return std::nullopt;
    }
    return key;
}

// ---- writers ----

bool BirthdayStore::fieldWrite(const QString& fieldName, int key, const QString& value)
{
    const std::optional<int> slot = fieldSlot(fieldName);
    if (!slot)
        return fail(QStringLiteral("There is no field \"%1\" in the data file.").arg(fieldName));
    QByteArray bytes;
    if (!checkKey(key) || !valueFits(*slot, value, bytes))
        return false;
    const int size = fieldSize(*slot);

    Snapshot file;
    if (!lockAndRead(Access::Write, file))
        return false;
    QByteArray& data = file.data;
    const bool missing = file.missing;
    qint64 cellsEnd = 0;
    std::optional<qint64> found;
    int records = 0;
    if (!missing) {
        // The walk goes on past the cell it overwrites: only its end shows whether the file
        // ends in a cell cut short, which has to go before anything is written.
        CellWalker walker(data);
        while (walker.next()) {
            if (!found && walker.slot() == *slot && walker.live() && walker.key() == key)
                found = walker.offset();
            if (walker.slot() == 0 && walker.flag() == flagLive)
                ++records;
        }
        cellsEnd = walker.cellsEnd();
    }
    if (found)
        return applyPatches(data, cellsEnd, {{*found + cellHeadSize, padded(bytes, size)}});
    // A Name cell appended here starts a new record.
    if (*slot == 0 && records >= maxRecords)
        return fail(QStringLiteral("The data file \"%1\" already holds %2 events, the most it can "
                                   "hold.")
                        .arg(nativeName(m_dataPath))
                        .arg(records));
    return applyPatches(data, cellsEnd, {{cellsEnd, cellBytes(*slot, key, bytes)}});
}

bool BirthdayStore::fieldDelete(const QString& fieldName, int key)
{
    const std::optional<int> slot = fieldSlot(fieldName);
    if (!slot)
        return fail(QStringLiteral("There is no field \"%1\" in the data file.").arg(fieldName));
    if (!checkKey(key))
        return false;
    Snapshot file;
    if (!lockAndRead(Access::Write, file))
        return false;
    QByteArray& data = file.data;
    const bool missing = file.missing;
    if (missing)
        return true;
    CellWalker walker(data);
    std::optional<qint64> found;
    while (walker.next()) {
        if (!found && walker.slot() == *slot && walker.live() && walker.key() == key)
            found = walker.offset();
    }
    if (!found)
        return true;
    return applyPatches(data, walker.cellsEnd(), {{*found + 1, QByteArray(1, char(flagDeleted))}});
}

BirthdayStore::Outcome BirthdayStore::recordDelete(const BirthdayRecord& expected)
{
    if (!checkKey(expected.key))
        return Outcome::Failed;
    Snapshot file;
    if (!lockAndRead(Access::Write, file))
        return Outcome::Failed;
    const RecordCells cells = recordCells(file.data, expected.key);
    if (!recordIs(file.data, cells, expected))
        return Outcome::Changed;
    // The first live cell of each field, as deleting field by field would mark.
    QList<Patch> patches;
    for (const qsizetype offset : cells.first)
        if (offset >= 0)
            patches.append({offset + 1, QByteArray(1, char(flagDeleted))});
    std::sort(patches.begin(), patches.end(),
              [](const Patch& a, const Patch& b) { return a.offset < b.offset; });
    return applyPatches(file.data, cells.cellsEnd, patches) ? Outcome::Done : Outcome::Failed;
}

BirthdayStore::Outcome BirthdayStore::recordUpdate(const BirthdayRecord& expected,
                                                   const BirthdayRecord& values)
{
    std::array<std::optional<QByteArray>, BirthdayRecord::FieldCount> bytes;
    if (!checkKey(expected.key) || !valuesFit(values, false, bytes))
        return Outcome::Failed;
    return recordWrite(expected, bytes);
}

BirthdayStore::Outcome BirthdayStore::fieldUpdate(const BirthdayRecord& expected,
                                                  BirthdayRecord::Field field, const QString& value)
{
    std::array<std::optional<QByteArray>, BirthdayRecord::FieldCount> bytes;
    bytes[size_t(field)].emplace();
    if (!checkKey(expected.key) || !valueFits(field, value, *bytes[size_t(field)]))
        return Outcome::Failed;
    return recordWrite(expected, bytes);
}

BirthdayStore::Outcome BirthdayStore::recordWrite(
    const BirthdayRecord& expected,
    const std::array<std::optional<QByteArray>, BirthdayRecord::FieldCount>& bytes)
{
    Snapshot file;
    if (!lockAndRead(Access::Write, file))
        return Outcome::Failed;
    const RecordCells cells = recordCells(file.data, expected.key);
    if (!recordIs(file.data, cells, expected))
        return Outcome::Changed;
    QList<Patch> patches;
    qint64 end = cells.cellsEnd;
    for (int slot = 0; slot < fieldCount; ++slot) {
        if (!bytes[size_t(slot)])
            continue;
        // Over the cell every read shows, should a damaged file hold two.
        const qsizetype shown = cells.last[size_t(slot)];
        if (shown >= 0) {
            patches.append({shown + cellHeadSize, padded(*bytes[size_t(slot)], fieldSize(slot))});
        } else {
            patches.append({end, cellBytes(slot, expected.key, *bytes[size_t(slot)])});
            end += cellSize(slot);
        }
    }
    return applyPatches(file.data, cells.cellsEnd, patches) ? Outcome::Done : Outcome::Failed;
}

BirthdayStore::Outcome BirthdayStore::recordDuplicate(const BirthdayRecord& expected, int* newKey)
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

bool BirthdayStore::valuesFit(
    const BirthdayRecord& record, bool withLastDate,
    std::array<std::optional<QByteArray>, BirthdayRecord::FieldCount>& bytes)
{
    for (int slot = 0; slot < fieldCount; ++slot) {
        if (slot == BirthdayRecord::LastDate && !withLastDate)
            continue;
        if (!valueFits(slot, record.values[size_t(slot)], bytes[size_t(slot)].emplace()))
            return false;
    }
    return true;
}

bool BirthdayStore::valueFits(int slot, const QString& text, QByteArray& bytes)
{
    bytes = text.toUtf8();
    if (bytes.size() > fieldSize(slot))
        return fail(QStringLiteral("The %1 \"%2\" is too long: it takes %3 bytes, and the data "
                                   "file holds at most %4.")
                        .arg(QLatin1String(fieldNames[size_t(slot)]), text)
                        .arg(bytes.size())
                        .arg(fieldSize(slot)));
    return true;
}

std::optional<int> BirthdayStore::recordAdd(const BirthdayRecord& record)
{
    std::array<std::optional<QByteArray>, BirthdayRecord::FieldCount> values;
    if (!valuesFit(record, !record.value(BirthdayRecord::LastDate).isEmpty(), values))
        return std::nullopt;
    bool changed = false;
    return insertRecord(nullptr, values, changed);
}

// One walk finds the free key, the cells a new record under it would overwrite (cells of
// that key left behind without a Name) and, for a copy, the values of the record copied.
std::optional<int> BirthdayStore::insertRecord(
    const BirthdayRecord* expected,
    const std::array<std::optional<QByteArray>, BirthdayRecord::FieldCount>& values, bool& changed)
{
    Snapshot file;
    if (!lockAndRead(Access::Write, file))
        return std::nullopt;
    QByteArray& data = file.data;
    std::vector<bool> used(keyCount + 1, false);
    std::vector<std::array<qint64, BirthdayRecord::FieldCount>> firstLive(keyCount);
    for (auto& cells : firstLive)
        cells.fill(-1);
    std::array<QByteArray, BirthdayRecord::FieldCount> source;
    int records = 0;
    CellWalker walker(data);
    while (walker.next()) {
        const int slot = walker.slot(), key = walker.key();
        if (slot == 0 && walker.flag() == flagLive) {
            used[size_t(key)] = true;
            ++records;
        }
        if (slot >= fieldCount || !walker.live())
            continue;
        if (firstLive[size_t(key)][size_t(slot)] < 0)
            firstLive[size_t(key)][size_t(slot)] = walker.offset();
        if (expected && key == expected->key) // later cells win, as for every read
            source[size_t(slot)] = walker.value().toByteArray();
    }
    const qint64 cellsEnd = walker.cellsEnd();
    if (expected) {
        changed = !used[size_t(expected->key)];
        for (int slot = 0; slot < fieldCount && !changed; ++slot)
            changed = valueDecode(source[size_t(slot)]) != expected->values[size_t(slot)];
        if (changed)
            return std::nullopt;
    }
    if (records >= maxRecords) {
        fail(QStringLiteral("The data file \"%1\" already holds %2 events, the most it can hold.")
                 .arg(nativeName(m_dataPath))
                 .arg(records));
        return std::nullopt;
    }
    int newKey = 0;
    while (used[size_t(newKey)])
        ++newKey;
    if (newKey > maxKey) {
        fail(QStringLiteral("The data file \"%1\" has no free record key left: all keys from 0 to "
                            "%2 are in use.")
                 .arg(nativeName(m_dataPath))
                 .arg(maxKey));
        return std::nullopt;
    }
    QList<Patch> patches;
    qint64 end = cellsEnd;
    for (int slot = 0; slot < fieldCount; ++slot) {
        QByteArray bytes;
        if (expected) // A copy always gets all seven cells, empty ones included.
            bytes = withoutNuls(source[size_t(slot)]);
        else if (values[size_t(slot)])
            bytes = *values[size_t(slot)];
        else
            continue;
        const qint64 existing = firstLive[size_t(newKey)][size_t(slot)];
        if (existing >= 0) {
            patches.append({existing + cellHeadSize, padded(bytes, fieldSize(slot))});
        } else {
            patches.append({end, cellBytes(slot, newKey, bytes)});
            end += cellSize(slot);
        }
    }
    if (!applyPatches(data, cellsEnd, patches))
        return std::nullopt;
    return newKey;
}

// ---- compaction ----

bool BirthdayStore::databaseCompact()
{
    std::unique_ptr<Lock> guard;
    if (!lock(Access::Write, guard) || !backupLocked(false))
        return false;
    const QString tmpPath = m_dataPath + QStringLiteral(".tmp");
    // A copy left by a compaction that was cut off is never the only whole file: the data
    // file is replaced only by a finished copy.
    if (QFileInfo::exists(tmpPath) || QFileInfo(tmpPath).isSymLink()) {
        QFile stray(tmpPath);
        if (!stray.remove())
            return fail(QStringLiteral("Cannot delete the leftover file \"%1\": %2.")
                            .arg(nativeName(tmpPath), stray.errorString()));
    }
    stage(CompactionStage::StrayRemoved);

    QByteArray data;
    bool missing = false;
    if (!readWhole(data, missing))
        return false;
    if (missing)
        return true;
    // Replacing a data file made read-only with a fresh copy would drop that protection and
    // let later writes through.
    if (!QFileInfo(m_dataPath).isWritable())
        return fail(QStringLiteral("Cannot compact the data file \"%1\": it is read-only.")
                        .arg(nativeName(m_dataPath)));
    QFile copy(tmpPath);
    if (!copy.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return fail(QStringLiteral("Cannot create the file \"%1\": %2.")
                        .arg(nativeName(tmpPath), copy.errorString()));
    const auto copyFailed = [&](const QString& reason) {
        copy.close();
        QFile::remove(tmpPath);
        return fail(
            QStringLiteral("Cannot write the file \"%1\": %2.").arg(nativeName(tmpPath), reason));
    };
    CellWalker walker(data);
    bool halfReported = false;
    while (walker.next()) {
        if (!walker.live())
            continue;
        const QByteArrayView cell = walker.cell();
        if (copy.write(cell.data(), cell.size()) != cell.size())
            return copyFailed(failureReason(copy, errno));
        if (!halfReported && walker.cellsEnd() * 2 >= walker.fileSize()) {
            halfReported = true;
            stage(CompactionStage::CopyHalfWritten);
        }
    }
    stage(CompactionStage::CopyWritten);
    if (!copy.flush())
        return copyFailed(failureReason(copy, errno));
    if (!syncToDisk(copy))
        return copyFailed(qt_error_string());
    copy.close();
    if (copy.error() != QFileDevice::NoError)
        return copyFailed(failureReason(copy, errno));
    stage(CompactionStage::CopySynced);

    QString reason;
    if (!replaceFile(tmpPath, m_dataPath, reason)) {
        QFile::remove(tmpPath);
        return fail(QStringLiteral("Cannot put the compacted copy in place of the data file "
                                   "\"%1\": %2.")
                        .arg(nativeName(m_dataPath), reason));
    }
    syncFolder(QFileInfo(m_dataPath).absolutePath());
    m_fileState = fileStateOf(m_dataPath);
    stage(CompactionStage::Replaced);
    return true;
}

// ---- backups ----

bool BirthdayStore::backupLocked(bool keepCurrentState)
{
    const QDate today = m_clock ? m_clock->today() : Clock().today();
    return Backups::make(m_dataPath, today, keepCurrentState, m_error);
}

bool BirthdayStore::databaseBackup()
{
    std::unique_ptr<Lock> guard;
    return lock(Access::Write, guard) && backupLocked(false);
}

bool BirthdayStore::databaseRestore(const QString& backupPath)
{
    std::unique_ptr<Lock> guard;
    return lock(Access::Write, guard) && backupLocked(true) &&
           Backups::restore(m_dataPath, backupPath, m_error);
}

int BirthdayStore::liveRecordCount(QByteArrayView data)
{
    int count = 0;
    CellWalker walker(data);
    while (walker.next())
        count += walker.slot() == 0 && walker.flag() == flagLive ? 1 : 0;
    return count;
}
