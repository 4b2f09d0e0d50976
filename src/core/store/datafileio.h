#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class QFile;
class QFileDevice;

// Reading and writing the data file's bytes, and the system calls a safe replacement of it
// needs. Failures come back as false with a message naming the file in error.
namespace DataFileIo {

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

// The path as the user's system writes it, for messages.
QString nativeName(const QString& path);

// The reason for a failed read or write of file, errno taken right after the failing call.
QString failureReason(const QFileDevice& file, int savedErrno);

// The whole data file; empty, with missing set, when there is none (no error). state is what
// was read.
bool readWhole(const QString& path, QByteArray& data, bool& missing, FileState& state,
               QString& error);

// Bytes to write at an offset: over cells, or past the last whole cell to append.
struct Patch
{
    qint64 offset;
    QByteArray bytes;
};
// Writes the patches in order into the data file whose bytes were data, after dropping a
// partial final cell (everything from cellsEnd on); appends go at cellsEnd. Creates the file
// when it is missing. On a failure puts back the bytes of data that it overwrote and drops
// what it appended. state is what was written.
bool applyPatches(const QString& path, const QByteArray& data, qint64 cellsEnd,
                  const QList<Patch>& patches, FileState& state, QString& error);

// Forces the file's written bytes onto the disk.
bool syncToDisk(QFile& file);
// Puts from in place of to in one step: to is always either the old or the new file.
bool replaceFile(const QString& from, const QString& to, QString& reason);
// Makes a rename in the folder durable; where the system can't, the rename itself is still
// atomic.
void syncFolder(const QString& folder);

} // namespace DataFileIo
