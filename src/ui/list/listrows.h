#pragma once

#include "core/calendar/nextevent.h"
#include "core/events/birthdayrecord.h"
#include "ui/list/birthdaylistmodel.h"

#include <QDateTime>
#include <QHash>
#include <QList>

// Makes the list's rows from the records of one refresh, marking the events a subscription
// keeps in step. The subscriptions file is read again only when it changed: a refresh comes
// every half minute and after every edit, and the file rarely changes.
class ListRows
{
public:
    explicit ListRows(QString subscriptionsPath);

    struct Built
    {
        QList<BirthdayListModel::Row> rows;
        qsizetype unreadableDates = 0;
    };
    // Takes the records and their dates over (one per record, in the same order).
    Built build(QList<BirthdayRecord>&& records, QList<RecordDates>&& dates);

private:
    // Which events a subscription follows, by record key; a table that does not read marks
    // none (the Subscriptions window says why).
    const QHash<int, QString>& followedEvents();

    struct Stamp
    {
        QDateTime born;
        QDateTime modified;
        qint64 size = -1;
        bool operator==(const Stamp&) const = default;
    };
    QString m_subscriptionsPath;
    Stamp m_read; // of the file as last read; a missing file has marked nothing
    QHash<int, QString> m_followed;
};
