#include "platform/fileio.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace FileIo {

namespace {

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

} // namespace

FileState stateOf(const QString& path)
{
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return FileState();
    return stateOfStat(info);
}

FileState stateOfOpen(QFile& file)
{
    struct stat info;
    if (::fstat(file.handle(), &info) != 0)
        return stateOf(file.fileName());
    return stateOfStat(info);
}

bool open(QFile& file, QIODevice::OpenMode mode)
{
    return file.open(mode);
}

bool isReplaced(const QFile& file, const QString& path)
{
    struct stat open, atPath;
    if (::fstat(file.handle(), &open) != 0)
        return true;
    return ::stat(QFile::encodeName(path).constData(), &atPath) != 0 ||
           open.st_ino != atPath.st_ino || open.st_dev != atPath.st_dev;
}

bool syncToDisk(QFile& file)
{
    return ::fsync(file.handle()) == 0;
}

bool replaceFile(const QString& from, const QString& to, QString& reason)
{
    if (::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    reason = qt_error_string(errno);
    return false;
}

void syncFolder(const QString& folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace FileIo
