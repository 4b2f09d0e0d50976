#include "platform/fileio.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <io.h>
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace FileIo {

namespace {

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

} // namespace

FileState stateOf(const QString& path)
{
    return stateOfInfo(QFileInfo(path));
}

FileState stateOfOpen(QFile& file)
{
    return stateOfInfo(QFileInfo(file.fileName()));
}

bool isReplaced(const QFile&, const QString&)
{
    // A file held open here cannot be renamed over or deleted: nothing can replace it.
    return false;
}

bool syncToDisk(QFile& file)
{
    return FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(file.handle())));
}

bool replaceFile(const QString& from, const QString& to, QString& reason)
{
    const QString f = QDir::toNativeSeparators(from), t = QDir::toNativeSeparators(to);
    if (MoveFileExW(reinterpret_cast<LPCWSTR>(f.utf16()), reinterpret_cast<LPCWSTR>(t.utf16()),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    reason = qt_error_string(int(GetLastError()));
    return false;
}

void syncFolder(const QString&)
{
    // Nothing to do: replaceFile's MOVEFILE_WRITE_THROUGH returns once the rename is on the disk.
}

} // namespace FileIo
