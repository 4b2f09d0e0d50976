#include "platform/filelock.h"

#include <QFile>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

struct FileLock::Handle
{
    int fd;
    ~Handle() { ::close(fd); } // closing drops the lock
};

FileLock::FileLock(QString path) : m_path(std::move(path)) {}

FileLock::~FileLock() = default;

FileLock::Status FileLock::lock(QDeadlineTimer deadline)
{
    // A lock file someone else created and we may only read still takes the lock.
    const QByteArray nativePath = QFile::encodeName(m_path);
    int fd = ::open(nativePath.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    int error = fd < 0 ? errno : 0;
    if (fd < 0 && (error == EACCES || error == EPERM || error == EROFS)) {
        fd = ::open(nativePath.constData(), O_RDONLY | O_CLOEXEC);
        if (fd >= 0)
            error = 0;
    }
    // Look again often rather than block: a waiting copy goes on as soon as the other is
    // done, and gives up at its own deadline.
    int pause = 1;
    bool busy = false;
    if (fd >= 0) {
        for (;;) {
            if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
                m_handle.reset(new Handle{fd});
                return Status::Locked;
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
    m_systemReason = error != 0 ? qt_error_string(error) : QString();
    if (busy)
        return Status::Busy;
    if (error == EACCES || error == EPERM || error == EROFS)
        return Status::NoPermission;
    return Status::Failed;
}
