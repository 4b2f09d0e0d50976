#pragma once

#include <QDeadlineTimer>
#include <QString>

#include <memory>

// An exclusive lock the system keeps on the file at a path for this object, and drops when the
// object goes or its process ends, even by a crash. The file is created when missing and never
// deleted: a lock on a file that can vanish would lock nothing. One implementation a platform
// (posix/filelock.cpp, windows/filelock.cpp).
class FileLock
{
public:
    enum class Status { Locked, Busy, NoPermission, Failed };

    explicit FileLock(QString path);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Takes the lock, trying again while another holder has it, until the deadline: Busy then.
    // NoPermission where the file can neither be created nor opened for the lock.
    Status lock(QDeadlineTimer deadline);
    // The system's reason for the last failure, where it gave one.
    QString systemReason() const { return m_systemReason; }

private:
    struct Handle; // the platform's hold on the file
    QString m_path;
    QString m_systemReason;
    std::unique_ptr<Handle> m_handle;
};
