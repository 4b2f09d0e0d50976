#pragma once

#include <QFile>
#include <QString>

// The data file's calls to the system below what Qt's file classes offer: what a file is on
// disk, whether a path still leads to a file held open, a write forced onto the disk, a
// rename over a file in one step. One implementation a platform (posix/fileio.cpp,
// windows/fileio.cpp).
namespace FileIo {

// What a file is on disk: a file that is no longer so has been written since. Two writes of the
// same size within one tick of the file system's clock look the same.
struct FileState
{
    bool exists = false;
    qint64 size = 0;
    qint64 modified = 0; // nanoseconds since the epoch
    qint64 changed = 0;  // of the file's status, nanoseconds since the epoch
    quint64 id = 0;      // the inode: a file renamed over the data file is another file
    bool operator==(const FileState&) const = default;
};
FileState stateOf(const QString& path);
// The state of an open file, or of the file at its path where the system can't tell.
FileState stateOfOpen(QFile& file);

// Opens the file as QFile::open would, leaving others free to rename over it or delete it while
// it is held (a sync tool's copy put in its place), as they can on every Unix.
bool open(QFile& file, QIODevice::OpenMode mode);
// Whether the path no longer leads to the open file: renamed over or deleted.
bool isReplaced(const QFile& file, const QString& path);

// Forces the file's written bytes onto the disk.
bool syncToDisk(QFile& file);
// Puts from in place of to in one step: to is always either the old or the new file.
bool replaceFile(const QString& from, const QString& to, QString& reason);
// Makes a rename in the folder durable; where the system can't, the rename itself is still
// atomic.
void syncFolder(const QString& folder);

} // namespace FileIo
