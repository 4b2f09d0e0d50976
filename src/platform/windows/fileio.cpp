#include "platform/fileio.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <fcntl.h>
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

// The volume and the file's index on it: a file renamed over another is another file.
bool identity(HANDLE handle, quint64& volume, quint64& index)
{
    BY_HANDLE_FILE_INFORMATION info;
    if (handle == INVALID_HANDLE_VALUE || !GetFileInformationByHandle(handle, &info))
        return false;
    volume = info.dwVolumeSerialNumber;
    index = (quint64(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    return true;
}

constexpr DWORD shareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

} // namespace

FileState stateOf(const QString& path)
{
    return stateOfInfo(QFileInfo(path));
}

FileState stateOfOpen(QFile& file)
{
    return stateOfInfo(QFileInfo(file.fileName()));
}

bool open(QFile& file, QIODevice::OpenMode mode)
{
    // QFile shares neither delete nor rename: while it held the data file, a sync tool's
    // MoveFileEx over it would fail with "Access denied".
    const bool write = mode & QIODevice::WriteOnly;
    const QString path = QDir::toNativeSeparators(file.fileName());
    const HANDLE handle = CreateFileW(reinterpret_cast<LPCWSTR>(path.utf16()),
                                      GENERIC_READ | (write ? GENERIC_WRITE : 0), shareAll, nullptr,
                                      mode & QIODevice::NewOnly ? CREATE_NEW : OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return file.open(mode); // fails as well, and QFile says why
    const int fd = _open_osfhandle(intptr_t(handle), _O_BINARY | (write ? _O_RDWR : _O_RDONLY));
    if (fd < 0) {
        CloseHandle(handle);
        return file.open(mode);
    }
    // The file keeps its name: stateOfOpen and the error messages use it.
    if (file.open(fd, mode & ~QIODevice::NewOnly, QFileDevice::AutoCloseHandle))
        return true;
    ::_close(fd);
    return false;
}

bool isReplaced(const QFile& file, const QString& path)
{
    quint64 openVolume = 0, openIndex = 0, volume = 0, index = 0;
    if (!identity(reinterpret_cast<HANDLE>(_get_osfhandle(file.handle())), openVolume, openIndex))
        return true;
    const QString native = QDir::toNativeSeparators(path);
    const HANDLE atPath = CreateFileW(reinterpret_cast<LPCWSTR>(native.utf16()), 0, shareAll,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    const bool known = identity(atPath, volume, index);
    if (atPath != INVALID_HANDLE_VALUE)
        CloseHandle(atPath);
    return !known || volume != openVolume || index != openIndex;
}

bool syncToDisk(QFile& file)
{
    return FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(file.handle())));
}

namespace {

// A rename over a file others hold open (shared for delete, as open() does), which MoveFileEx
// refuses with "Access denied"; Windows 10 has it since 1809, on NTFS.
bool renameOverOpen(const QString& from, const QString& to)
{
    // FileRenameInfoEx, which MinGW declares only for a newer _WIN32_WINNT than Qt's.
    constexpr auto renameInfoEx = FILE_INFO_BY_HANDLE_CLASS(22);
    const HANDLE handle = CreateFileW(reinterpret_cast<LPCWSTR>(from.utf16()), DELETE | SYNCHRONIZE,
                                      shareAll, nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    const DWORD nameBytes = DWORD(to.size() * sizeof(WCHAR));
    QByteArray buffer(qsizetype(sizeof(FILE_RENAME_INFO) + nameBytes), '\0');
    auto* info = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
    // Flags shares its place with ReplaceIfExists.
    const DWORD flags = FILE_RENAME_FLAG_REPLACE_IF_EXISTS | FILE_RENAME_FLAG_POSIX_SEMANTICS;
    memcpy(buffer.data(), &flags, sizeof(flags));
    info->FileNameLength = nameBytes;
    memcpy(info->FileName, to.utf16(), nameBytes);
    const bool done = SetFileInformationByHandle(handle, renameInfoEx, info, DWORD(buffer.size()));
    CloseHandle(handle);
    return done;
}

} // namespace

bool replaceFile(const QString& from, const QString& to, QString& reason)
{
    const QString f = QDir::toNativeSeparators(from), t = QDir::toNativeSeparators(to);
    if (renameOverOpen(QDir::toNativeSeparators(QFileInfo(from).absoluteFilePath()),
                       QDir::toNativeSeparators(QFileInfo(to).absoluteFilePath())))
        return true;
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
