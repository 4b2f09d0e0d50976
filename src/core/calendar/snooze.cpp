#include "core/calendar/snooze.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

QDateTime Snooze::end(Length length, const QDateTime& now, QTime alertTime)
{
    switch (length) {
    case Length::TenMinutes:
        return now.addSecs(10 * 60);
    case Length::OneHour:
        return now.addSecs(60 * 60);
    case Length::Tomorrow:
        break;
    }
    return QDateTime(now.date().addDays(1), alertTime.isValid() ? alertTime : QTime(9, 0));
}

QString Snooze::toText() const
{
    const QJsonObject object{{"until", until.toUTC().toString(Qt::ISODate)},
                             {"due", QJsonArray::fromStringList(due)},
                             {"missed", QJsonArray::fromStringList(missed)}};
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

std::optional<Snooze> Snooze::fromText(const QString& text)
{
    const QJsonObject object = QJsonDocument::fromJson(text.toUtf8()).object();
    Snooze snooze;
    snooze.until = QDateTime::fromString(object.value("until").toString(), Qt::ISODate);
    if (!snooze.until.isValid())
        return std::nullopt;
    snooze.until = snooze.until.toLocalTime();
    for (const auto& name : object.value("due").toArray())
        snooze.due.append(name.toString());
    for (const auto& entry : object.value("missed").toArray())
        snooze.missed.append(entry.toString());
    if (snooze.due.isEmpty() && snooze.missed.isEmpty())
        return std::nullopt;
    return snooze;
}
