#include "core/exchange/calendarfile.h"

#include <QSaveFile>

QString writeCalendarFile(const QString& path, const QByteArray& calendar)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(calendar) == calendar.size() && file.commit())
        return QString();
    return file.errorString();
}
