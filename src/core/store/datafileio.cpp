#include "core/store/datafileio.h"

#include <QCoreApplication>
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

const char* const writeFailure =
    QT_TRANSLATE_NOOP("DataFileIo", "Cannot write the data file \"%1\": %2.");

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

QString writeTarget(const QString& path)
{
    const QFileInfo info(path);
    const QString target = info.isSymLink() ? info.canonicalFilePath() : QString();
    return target.isEmpty() ? path : target; // a link that leads nowhere fails where it is used
}

OpenFile::OpenFile(QString path) : m_path(std::move(path)) {}

bool OpenFile::read(bool forWriting, QByteArray& data, bool& missing, FileState& state,
                    QString& error)
{
    data.clear();
    state = FileState();
    m_file.close();
    m_writeRefusal.clear();
    const QFileInfo info(m_path);
    // A link that leads nowhere is a file that can't be opened, not a missing one.
    m_missing = missing = !info.exists() && !info.isSymLink();
    if (missing)
        return true;
    m_file.setFileName(m_path);
    // A file we may only read is read all the same: only a write to it fails, and says why.
    if (forWriting && !m_file.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) {
        m_writeRefusal = m_file.errorString();
        m_file.unsetError();
    }
    if (!m_file.isOpen() && !m_file.open(QIODevice::ReadOnly)) {
        error = QCoreApplication::translate("DataFileIo", "Cannot open the data file \"%1\": %2.")
                    .arg(nativeName(m_path), m_file.errorString());
        return false;
    }
    // Never more than the size the file had when opened, so a device that never ends cannot
    // hold the read up.
    const qint64 size = m_file.size();
    data = m_file.read(size);
    if (data.size() != size) {
        error = QCoreApplication::translate("DataFileIo", "Cannot read the data file \"%1\": %2.")
                    .arg(nativeName(m_path), m_file.errorString());
        return false;
    }
    state = stateOfOpen(m_file);
    return true;
}

bool OpenFile::isReplaced() const
{
    if (m_missing)
        return QFileInfo::exists(m_path) || QFileInfo(m_path).isSymLink();
#ifdef Q_OS_WIN
    // A file held open here cannot be renamed over or deleted: nothing can replace it.
    return false;
#else
    struct stat open, atPath;
    if (::fstat(m_file.handle(), &open) != 0)
        return true;
    return ::stat(QFile::encodeName(m_path).constData(), &atPath) != 0 ||
           open.st_ino != atPath.st_ino || open.st_dev != atPath.st_dev;
#endif
}

OpenFile::Written OpenFile::applyPatches(const QByteArray& data, qint64 cellsEnd,
                                         const QList<Patch>& patches, FileState& state,
                                         QString& error)
{
    if (patches.isEmpty())
        return Written::Done;
    if (isReplaced())
        return Written::Replaced;
    QFile& file = m_file;
    if (m_missing) {
        // Only a file nobody else created since the read.
        file.setFileName(m_path);
        if (!file.open(QIODevice::ReadWrite | QIODevice::NewOnly | QIODevice::Unbuffered)) {
            if (isReplaced())
                return Written::Replaced;
            m_writeRefusal = file.errorString();
        }
    }
    if (!m_writeRefusal.isEmpty() || !file.isWritable()) {
        error = QCoreApplication::translate("DataFileIo",
                                            "Cannot open the data file \"%1\" for writing: %2.")
                    .arg(nativeName(m_path), m_writeRefusal);
        return Written::Failed;
    }
    // `message`: the English source of the sentence, with the file as %1 and the reason as %2.
    const auto writeFailed = [&](const char* message) {
        const QString reason = failureReason(file, errno);
        file.unsetError();
        // Put back every byte overwritten and take back what was appended, so the file holds
        // what it held before and stays aligned. Overwriting in place needs no new room.
        bool restored = true;
        for (const Patch& patch : patches) {
            if (!restored || patch.offset >= cellsEnd)
                continue;
            const QByteArray old = data.mid(patch.offset, patch.bytes.size());
            restored = file.seek(patch.offset) && file.write(old) == old.size() && file.flush();
        }
        restored = restored && (file.size() <= cellsEnd || file.resize(cellsEnd)) && file.flush();
        file.close();
        error = QCoreApplication::translate("DataFileIo", message).arg(nativeName(m_path), reason);
        if (!restored)
            error += QCoreApplication::translate("DataFileIo",
                                                 "  Part of the change may have been written.");
        return Written::Failed;
    };
    // A final cell cut short would shift every cell appended after it.
    if (data.size() > cellsEnd && !file.resize(cellsEnd))
        return writeFailed(
            QT_TRANSLATE_NOOP("DataFileIo", "Cannot shorten the data file \"%1\": %2."));
    for (const Patch& patch : patches) {
        if ((file.pos() != patch.offset && !file.seek(patch.offset)) ||
            file.write(patch.bytes) != patch.bytes.size())
            return writeFailed(writeFailure);
    }
    if (!file.flush())
        return writeFailed(writeFailure);
    state = stateOfOpen(file);
    file.close();
    if (file.error() != QFileDevice::NoError) {
        error = QCoreApplication::translate("DataFileIo", writeFailure)
                    .arg(nativeName(m_path), file.errorString());
        return Written::Failed;
    }
    return Written::Done;
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
