#include "core/store/datafileio.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

namespace DataFileIo {

namespace {

const char* const writeFailure =
    QT_TRANSLATE_NOOP("DataFileIo", "Cannot write the data file \"%1\": %2.");

} // namespace

QString nativeName(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// QFile sometimes loses the system's reason on a failed write (it says "Unknown error" for a
// file grown to its size limit); errno, taken right after the failing call, still has it.
QString failureReason(const QFileDevice& file, int savedErrno)
{
    const QString reason = file.errorString();
    if (savedErrno != 0 && (reason.isEmpty() || reason == QFile().errorString()))
        return qt_error_string(savedErrno);
    return reason;
}

Expected<> replaceFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    errno = 0;
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
        file.write(bytes) == bytes.size() && file.error() == QFileDevice::NoError && file.commit())
        return {};
    return UserError{failureReason(file, errno)};
}

QString writeTarget(const QString& path)
{
    const QFileInfo info(path);
    const QString target = info.isSymLink() ? info.canonicalFilePath() : QString();
    return target.isEmpty() ? path : target; // a link that leads nowhere fails where it is used
}

OpenFile::OpenFile(QString path) : m_path(std::move(path)) {}

bool OpenFile::read(bool forWriting, QByteArray& data, bool& missing, FileIo::FileState& state,
                    QString& error)
{
    data.clear();
    state = FileIo::FileState();
    m_file.close();
    m_writeRefusal.clear();
    const QFileInfo info(m_path);
    // A link that leads nowhere is a file that can't be opened, not a missing one.
    m_missing = missing = !info.exists() && !info.isSymLink();
    if (missing)
        return true;
    m_file.setFileName(m_path);
    // A file we may only read is read all the same: only a write to it fails, and says why.
    if (forWriting && !FileIo::open(m_file, QIODevice::ReadWrite | QIODevice::Unbuffered)) {
        m_writeRefusal = m_file.errorString();
        m_file.unsetError();
    }
    if (!m_file.isOpen() && !FileIo::open(m_file, QIODevice::ReadOnly)) {
        error = QCoreApplication::translate("DataFileIo", "Cannot open the data file \"%1\": %2.")
                    .arg(nativeName(m_path), m_file.errorString());
        return false;
    }
    // Never more than the size the file had when opened, so a device that never ends cannot
    // hold the read up.
    const qint64 size = m_file.size();
    data = m_file.read(size);
    if (data.size() != size) {
        error = QCoreApplication::translate("DataFileIo", "Cannot read the data file \"%1\": %2.")
                    .arg(nativeName(m_path), m_file.errorString());
        return false;
    }
    state = FileIo::stateOfOpen(m_file);
    return true;
}

bool OpenFile::isReplaced() const
{
    if (m_missing)
        return QFileInfo::exists(m_path) || QFileInfo(m_path).isSymLink();
    return FileIo::isReplaced(m_file, m_path);
}

namespace {

// The patches as one run of bytes from the first changed byte to the last, the file's own bytes
// between them, so a record reaches the file in one write: a reader or a copy never sees part
// of it. Appends follow one another from cellsEnd.
Patch gathered(const QByteArray& data, qint64 cellsEnd, const QList<Patch>& patches)
{
    qint64 first = patches.first().offset, end = first;
    for (const Patch& patch : patches) {
        first = qMin(first, patch.offset);
        end = qMax(end, patch.offset + patch.bytes.size());
    }
    QByteArray bytes =
        first < cellsEnd ? data.mid(first, qMin(end, cellsEnd) - first) : QByteArray();
    bytes.append(QByteArray(end - first - bytes.size(), '\0'));
    for (const Patch& patch : patches)
        bytes.replace(patch.offset - first, patch.bytes.size(), patch.bytes);
    return {first, bytes};
}

} // namespace

OpenFile::Written OpenFile::applyPatches(const QByteArray& data, qint64 cellsEnd,
                                         const QList<Patch>& patches, FileIo::FileState& state,
                                         QString& error)
{
    m_written = {};
    if (patches.isEmpty())
        return Written::Done;
    if (isReplaced())
        return Written::Replaced;
    QFile& file = m_file;
    if (m_missing) {
        // Only a file nobody else created since the read.
        file.setFileName(m_path);
        if (!FileIo::open(file,
                          QIODevice::ReadWrite | QIODevice::NewOnly | QIODevice::Unbuffered)) {
            if (isReplaced())
                return Written::Replaced;
            m_writeRefusal = file.errorString();
        }
        m_missing = !file.isOpen();
    }
    if (!m_writeRefusal.isEmpty() || !file.isWritable()) {
        error = QCoreApplication::translate("DataFileIo",
                                            "Cannot open the data file \"%1\" for writing: %2.")
                    .arg(nativeName(m_path), m_writeRefusal);
        return Written::Failed;
    }
    const Patch run = gathered(data, cellsEnd, patches);
    // `message`: the English source of the sentence, with the file as %1 and the reason as %2.
    const auto writeFailed = [&](const char* message) {
        const QString reason = failureReason(file, errno);
        file.unsetError();
        // Put back every byte overwritten and take back what was appended, so the file holds
        // what it held before and stays aligned. Overwriting in place needs no new room.
        const QByteArray old =
            run.offset < cellsEnd
                ? data.mid(run.offset, qMin(run.bytes.size(), cellsEnd - run.offset))
                : QByteArray();
        bool restored = old.isEmpty() || (file.seek(run.offset) && file.write(old) == old.size());
        restored = restored && (file.size() <= cellsEnd || file.resize(cellsEnd));
        file.close();
        error = QCoreApplication::translate("DataFileIo", message).arg(nativeName(m_path), reason);
        if (!restored)
            error += QCoreApplication::translate("DataFileIo",
                                                 "  Part of the change may have been written.");
        return Written::Failed;
    };
    // A final cell cut short would shift every cell appended after it.
    if (data.size() > cellsEnd && !file.resize(cellsEnd))
        return writeFailed(
            QT_TRANSLATE_NOOP("DataFileIo", "Cannot shorten the data file \"%1\": %2."));
    // Unbuffered: one write call for the whole run.
    if (!file.seek(run.offset) || file.write(run.bytes) != run.bytes.size())
        return writeFailed(writeFailure);
    state = FileIo::stateOfOpen(file);
    m_written = run;
    return Written::Done;
}

OpenFile::Written OpenFile::confirm(FileIo::FileState& state, QString& error)
{
    const bool replaced = isReplaced();
    m_file.close();
    if (m_file.error() != QFileDevice::NoError) {
        error = QCoreApplication::translate("DataFileIo", writeFailure)
                    .arg(nativeName(m_path), m_file.errorString());
        return Written::Failed;
    }
    if (!replaced)
        return Written::Done;
    // A copy taken after the write holds it; one taken before does not, and the change is
    // planned again on it.
    QFile now(m_path);
    if (!now.open(QIODevice::ReadOnly) || !now.seek(m_written.offset) ||
        now.read(m_written.bytes.size()) != m_written.bytes)
        return Written::Replaced;
    state = FileIo::stateOfOpen(now);
    return Written::Done;
}

} // namespace DataFileIo
