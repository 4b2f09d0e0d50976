#include "core/exchange/calendarfile.h"

#include "core/store/datafileio.h"

#include <QFileInfo>

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
    return DataFileIo::replaceFile(path, calendar);
}
