#include "core/exchange/calendarfile.h"

#include "core/store/datafileio.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

Expected<> writeCalendarFile(const QString& path, const QByteArray& calendar)
{
    // A device or a pipe is written into as a stream: replacing it with a file would destroy
    // it (a device node) or leave its reader waiting.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile() && !info.isDir()) {
        QFile stream(path);
        if (stream.open(QIODevice::WriteOnly | QIODevice::ExistingOnly) &&
            stream.write(calendar) == calendar.size() && stream.flush())
            return {};
        return UserError{stream.errorString()};
    }
    // Unbuffered: bytes held back until commit, failing there (a full disk), would not stop
    // QSaveFile from putting the cut file in place.
    QSaveFile file(path);
    errno = 0;
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
        file.write(calendar) == calendar.size() && file.commit())
        return {};
    return UserError{DataFileIo::failureReason(file, errno)};
}
