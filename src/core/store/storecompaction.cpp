#include "core/store/birthdaystore.h"

#include "core/store/cellformat.h"
#include "core/text/textconv.h"
#include "platform/filelock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <cerrno>

// Compaction writes a fresh copy of the data file with only its live cells, then puts it in
// place of the file; torn records go to a file of their own rather than into the copy.

using namespace FieldTable;
using namespace CellFormat;
using DataFileIo::nativeName;

// The cell with its date written as ISO, when it is a Date or LastDate cell whose value reads;
// empty otherwise (the cell is kept as it is).
QByteArray BirthdayStore::isoDateCell(QByteArrayView cell, int slot) const
{
    if (slot != BirthdayRecord::Date && slot != BirthdayRecord::LastDate)
        return {};
    const QByteArrayView value = cell.sliced(cellHeadSize);
    const std::optional<QDate> date = TextConv::textToDate(decodeValue(value), m_dateLocale);
    if (!date)
        return {};
    return cell.first(cellHeadSize).toByteArray() +
           padValue(TextConv::dateToText(*date).toUtf8(), int(value.size()));
}

Expected<> BirthdayStore::compact()
{
    return result(compactFile());
}

bool BirthdayStore::compactFile()
{
    m_setAside = 0;
    std::unique_ptr<FileLock> guard;
    if (!lock(Access::Write, guard) || !makeBackup(false))
        return false;
    for (int attempt = 1; attempt <= 5; ++attempt) {
        // A link into a synced folder stays a link: the copy goes in place of its target.
        bool replaced = false;
        if (!compactOnce(DataFileIo::writeTarget(m_dataPath), replaced))
            return false;
        if (!replaced)
            return true;
    }
    return fail(tr("Cannot compact the data file \"%1\": another program keeps "
                   "replacing it.")
                    .arg(nativeName(m_dataPath)));
}

bool BirthdayStore::compactOnce(const QString& target, bool& replaced)
{
    const QString tmpPath = target + QStringLiteral(".tmp");
    // A copy left by a compaction that was cut off is never the only whole file: the data
    // file is replaced only by a finished copy.
    if (QFileInfo::exists(tmpPath) || QFileInfo(tmpPath).isSymLink()) {
        QFile stray(tmpPath);
        if (!stray.remove())
            return fail(tr("Cannot delete the leftover file \"%1\": %2.")
                            .arg(nativeName(tmpPath), stray.errorString()));
    }

    DataFileIo::OpenFile file(target);
    QByteArray data;
    bool missing = false;
    if (!file.read(false, data, missing, m_fileState, m_error))
        return false;
    if (missing)
        return true;
    // Replacing a data file made read-only with a fresh copy would drop that protection and
    // let later writes through.
    if (!QFileInfo(target).isWritable())
        return fail(tr("Cannot compact the data file \"%1\": it is read-only.")
                        .arg(nativeName(m_dataPath)));
    QFile copy(tmpPath);
    if (!copy.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return fail(
            tr("Cannot create the file \"%1\": %2.").arg(nativeName(tmpPath), copy.errorString()));
    const auto copyFailed = [&](const QString& reason) {
        copy.close();
        QFile::remove(tmpPath);
        return fail(tr("Cannot write the file \"%1\": %2.").arg(nativeName(tmpPath), reason));
    };
    // A record listed without a Date cell was cut off in its write (every writer writes the
    // two in one step, an older copy of the program one cell at a time): it can never remind
    // of anything, and compacted it would stay for good. Its cells are set aside, byte for
    // byte, in a file of their own beside the data file, and the caller is told.
    QSet<int> named, dated;
    for (CellWalker walker(data); walker.next();) {
        if (walker.listsRecord())
            named.insert(walker.key());
        if (walker.isLive() && walker.slot() == BirthdayRecord::Date)
            dated.insert(walker.key());
    }
    const QSet<int> torn = named - dated;
    QByteArray aside;
    CellWalker walker(data);
    while (walker.next()) {
        if (!walker.isLive())
            continue;
        if (torn.contains(walker.key())) {
            aside += walker.cell();
            continue;
        }
        QByteArrayView cell = walker.cell();
        const QByteArray iso = isoDateCell(cell, walker.slot());
        if (!iso.isEmpty())
            cell = iso;
        if (copy.write(cell.data(), cell.size()) != cell.size())
            return copyFailed(DataFileIo::failureReason(copy, errno));
    }
    if (!copy.flush())
        return copyFailed(DataFileIo::failureReason(copy, errno));
    if (!FileIo::syncToDisk(copy))
        return copyFailed(qt_error_string());
    copy.close();
    if (copy.error() != QFileDevice::NoError)
        return copyFailed(DataFileIo::failureReason(copy, errno));

    if (m_beforeWrite)
        m_beforeWrite();
    // What another program put in place since the read is compacted in its turn, not lost.
    replaced = file.isReplaced();
    if (replaced) {
        QFile::remove(tmpPath);
        return true;
    }
    m_setAside = int(torn.size());
    if (!aside.isEmpty() && !setAside(aside)) {
        QFile::remove(tmpPath);
        return false;
    }
    file.close();
    QString reason;
    if (!FileIo::replaceFile(tmpPath, target, reason)) {
        QFile::remove(tmpPath);
        return fail(tr("Cannot put the compacted copy in place of the data file "
                       "\"%1\": %2.")
                        .arg(nativeName(m_dataPath), reason));
    }
    FileIo::syncFolder(QFileInfo(target).absolutePath());
    m_fileState = fileStateOf(m_dataPath);
    return true;
}

QString BirthdayStore::setAsidePath() const
{
    const QFileInfo data(m_dataPath);
    const QString suffix = data.suffix().isEmpty() ? QString() : u'.' + data.suffix();
    return data.dir().filePath(data.completeBaseName() + QStringLiteral("-torn") + suffix);
}

bool BirthdayStore::setAside(const QByteArray& cells)
{
    // Appended and on the disk before the data file loses them.
    QFile file(setAsidePath());
    errno = 0;
    if (file.open(QIODevice::WriteOnly | QIODevice::Append) && file.write(cells) == cells.size() &&
        file.flush() && FileIo::syncToDisk(file))
        return true;
    return fail(tr("Cannot write the file \"%1\": %2.")
                    .arg(nativeName(setAsidePath()), DataFileIo::failureReason(file, errno)));
}
