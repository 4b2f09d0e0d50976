#include "platform/filelock.h"

#include <QElapsedTimer>
#include <QLockFile>
#include <QThread>

struct FileLock::Handle
{
    std::unique_ptr<QLockFile> file; // unlocks as it goes
};

FileLock::FileLock(QString path) : m_path(std::move(path)) {}

FileLock::~FileLock() = default;

FileLock::Status FileLock::lock(QDeadlineTimer deadline)
{
    auto lockFile = std::make_unique<QLockFile>(m_path);
    // Operations take milliseconds; a lock this old belongs to a copy that hangs. A copy that
    // died is found out at once by its process id.
    lockFile->setStaleLockTime(30000);
    // Look again often rather than block: a waiting copy goes on as soon as the other is
    // done, and gives up at its own deadline.
    int pause = 1;
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
    m_systemReason.clear();
    if (lockFile->isLocked()) {
        m_handle.reset(new Handle{std::move(lockFile)});
        return Status::Locked;
    }
    switch (lockFile->error()) {
    case QLockFile::LockFailedError:
        return Status::Busy;
    case QLockFile::PermissionError:
        return Status::NoPermission;
    default:
        return Status::Failed;
    }
}
