#include "core/store/datafileio.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

#ifdef Q_OS_WIN
#include <io.h>
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace DataFileIo {

namespace {

#ifdef Q_OS_WIN
FileState stateOfInfo(const QFileInfo& info)
{
    FileState state;
    if (!info.exists())
        return state;
    state.exists = true;
    state.size = info.size();
    state.modified = info.lastModified().toMSecsSinceEpoch() * 1000000;
    state.changed = info.metadataChangeTime().toMSecsSinceEpoch() * 1000000;
    return state;
}
#else
FileState stateOfStat(const struct stat& info)
{
    FileState state;
    state.exists = true;
    state.size = info.st_size;
    state.modified = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    state.changed = qint64(info.st_ctim.tv_sec) * 1000000000 + info.st_ctim.tv_nsec;
    state.id = quint64(info.st_ino);
    return state;
}
#endif

// The state of an open file, or of the file at its path where the system can't tell.
FileState stateOfOpen(QFile& file)
{
#ifdef Q_OS_WIN
    return stateOfInfo(QFileInfo(file.fileName()));
#else
    struct stat info;
    if (::fstat(file.handle(), &info) != 0)
        return stateOf(file.fileName());
    return stateOfStat(info);
#endif
}

} // namespace

FileState stateOf(const QString& path)
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

QString nativeName(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// QFile sometimes loses the system's reason on a failed write (it says "Unknown error" for a
// file grown to its size limit); errno, taken right after the failing call, still has it.
QString failureReason(const QFileDevice& file, int savedErrno)
{
    const QString reason = file.errorString();
    if (savedErrno != 0 && (reason.isEmpty() || reason == QFile().errorString()))
        return qt_error_string(savedErrno);
    return reason;
}

bool readWhole(const QString& path, QByteArray& data, bool& missing, FileState& state,
               QString& error)
{
    data.clear();
    state = FileState();
    const QFileInfo info(path);
    // A link that leads nowhere is a file that can't be opened, not a missing one.
    missing = !info.exists() && !info.isSymLink();
    if (missing)
        return true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("Cannot open the data file \"%1\": %2.")
                    .arg(nativeName(path), file.errorString());
        return false;
    }
    // Never more than the size the file had when opened, so a device that never ends cannot
    // hold the read up.
    const qint64 size = file.size();
    data = file.read(size);
    if (data.size() != size) {
        error = QStringLiteral("Cannot read the data file \"%1\": %2.")
                    .arg(nativeName(path), file.errorString());
        return false;
    }
    state = stateOfOpen(file);
    return true;
}

bool applyPatches(const QString& path, const QByteArray& data, qint64 cellsEnd,
                  const QList<Patch>& patches, FileState& state, QString& error)
{
    if (patches.isEmpty())
        return true;
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite)) {
        error = QStringLiteral("Cannot open the data file \"%1\" for writing: %2.")
                    .arg(nativeName(path), file.errorString());
        return false;
    }
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
        error = QStringLiteral("Cannot %1 the data file \"%2\": %3.%4")
                    .arg(what, nativeName(path), reason,
                         restored ? QString()
                                  : QStringLiteral("  Part of the change may have been written."));
        return false;
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
    state = stateOfOpen(file);
    file.close();
    if (file.error() != QFileDevice::NoError) {
        error = QStringLiteral("Cannot write the data file \"%1\": %2.")
                    .arg(nativeName(path), file.errorString());
        return false;
    }
    return true;
}

bool syncToDisk(QFile& file)
{
#ifdef Q_OS_WIN
    return FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(file.handle())));
#else
    return ::fsync(file.handle()) == 0;
#endif
}

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

} // namespace DataFileIo
