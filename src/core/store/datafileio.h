#pragma once

#include "core/program/expected.h"
#include "platform/fileio.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>

// Reading and writing the data file's bytes; the system calls below them are the platform's
// (platform/fileio.h). Failures come back as false with a message naming the file in error.
namespace DataFileIo {

// The path as the user's system writes it, for messages.
QString nativeName(const QString& path);

// The reason for a failed read or write of file, errno taken right after the failing call.
QString failureReason(const QFileDevice& file, int savedErrno);

// Writes path whole or leaves it as it was: a copy beside it, synced and renamed over it.
// Unbuffered, since QSaveFile renames its copy even when bytes it held back fail to reach the
// disk at commit (a full disk, the file size limit): every failed write is then one it sees.
// The failure is the system's reason.
Expected<> replaceFile(const QString& path, const QByteArray& bytes);

// The file a write to path changes: a symbolic link's target (the link stays a link), path
// itself otherwise.
QString writeTarget(const QString& path);

// Bytes to write at an offset: over cells, or past the last whole cell to append.
struct Patch
{
    qint64 offset = 0;
    QByteArray bytes;
};

// The data file held open from its read to its write, so that the bytes written go into the
// very file that was read. Another program that renames a file over the path meanwhile (a sync
// tool does, without our lock) is seen before anything is written, and the caller reads again.
class OpenFile
{
public:
    enum class Written { Done, Replaced, Failed };

    explicit OpenFile(QString path);
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    // The whole file; empty, with missing set, when there is none (no error). forWriting
    // keeps it open for applyPatches. state is what was read.
    bool read(bool forWriting, QByteArray& data, bool& missing, FileIo::FileState& state,
              QString& error);
    // Whether the path no longer leads to the file read: renamed over, deleted, or created
    // where there was none.
    bool isReplaced() const;
    // Lets go of the file read, so it can be renamed over: Windows refuses that while any
    // handle to it is open.
    void close() { m_file.close(); }
    // Writes the patches into the file read, whose bytes were data, in one write, after
    // dropping a partial final cell (everything from cellsEnd on); appends go at cellsEnd.
    // Creates the file when it was missing. On a failure puts back the bytes of data that it
    // overwrote and drops what it appended. Nothing is written when the file was replaced.
    // state is what was written. Done is followed by confirm.
    Written applyPatches(const QByteArray& data, qint64 cellsEnd, const QList<Patch>& patches,
                         FileIo::FileState& state, QString& error);
    // Closes the file written and tells whether the write is in the file the path leads to:
    // Done when it is the file written or a copy of it taken after the write, Replaced when
    // another file took its place without the write (it went into the file replaced).
    Written confirm(FileIo::FileState& state, QString& error);

private:
    QString m_path;
    QFile m_file;    // open from the read to the write
    Patch m_written; // the last write, as one run of bytes
    bool m_missing = false;
    QString m_writeRefusal; // why the file read could not be opened for writing
};

} // namespace DataFileIo
