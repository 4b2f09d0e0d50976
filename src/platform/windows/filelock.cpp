#include "platform/filelock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

struct FileLock::Handle
{
    HANDLE file;
    ~Handle() { CloseHandle(file); } // closing drops the lock, as does the process's end
};

FileLock::FileLock(QString path) : m_path(std::move(path)) {}

FileLock::~FileLock() = default;

namespace {

HANDLE openForLock(const QString& path, DWORD access, DWORD disposition)
{
    // Shared every way: the lock is the byte range, not the file, so a copy waiting for it can
    // open the file, and a lock file nobody holds never stands in anyone's way.
    return CreateFileW(reinterpret_cast<LPCWSTR>(path.utf16()), access,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, disposition,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool isPermissionError(DWORD error)
{
    return error == ERROR_ACCESS_DENIED || error == ERROR_WRITE_PROTECT;
}

} // namespace

FileLock::Status FileLock::lock(QDeadlineTimer deadline)
{
    // A lock file someone else created and we may only read still takes the lock.
    const QString native = QDir::toNativeSeparators(m_path);
    HANDLE file = openForLock(native, GENERIC_READ | GENERIC_WRITE, OPEN_ALWAYS);
    DWORD error = file == INVALID_HANDLE_VALUE ? GetLastError() : 0;
    if (file == INVALID_HANDLE_VALUE && isPermissionError(error) && !QFileInfo(m_path).isDir()) {
        file = openForLock(native, GENERIC_READ, OPEN_EXISTING);
        if (file != INVALID_HANDLE_VALUE)
            error = 0;
    }
    // Look again often rather than block: a waiting copy goes on as soon as the other is
    // done, and gives up at its own deadline.
    int pause = 1;
    bool busy = false;
    if (file != INVALID_HANDLE_VALUE) {
        for (;;) {
            OVERLAPPED whole = {};
            if (LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0,
                           &whole)) {
                m_handle.reset(new Handle{file});
                return Status::Locked;
            }
            error = GetLastError();
            if (error != ERROR_LOCK_VIOLATION && error != ERROR_IO_PENDING)
                break;
            if (deadline.hasExpired()) {
                busy = true;
                error = 0;
                break;
            }
            QThread::msleep(ulong(qBound(qint64(1), deadline.remainingTime(), qint64(pause))));
            pause = qMin(pause * 2, 10);
        }
        CloseHandle(file);
    }
    m_systemReason = error != 0 ? qt_error_string(int(error)) : QString();
    if (busy)
        return Status::Busy;
    // A folder in the lock's place is no question of permission, whatever Windows calls it.
    if (isPermissionError(error) && !QFileInfo(m_path).isDir())
        return Status::NoPermission;
    return Status::Failed;
}
