#include "ui/list/listrows.h"

#include "core/sync/subscriptions.h"

#include <QFileInfo>

ListRows::ListRows(QString subscriptionsPath) : m_subscriptionsPath(std::move(subscriptionsPath)) {}

const QHash<int, QString>& ListRows::followedEvents()
{
    // The file is replaced whole when written: a new file has another birth time as well.
    const QFileInfo file(m_subscriptionsPath);
    const bool exists = file.exists();
    const Stamp stamp{exists ? file.birthTime() : QDateTime(),
                      exists ? file.lastModified() : QDateTime(), exists ? file.size() : -1};
    if (stamp != m_read) {
        m_followed = SubscriptionFile::load(m_subscriptionsPath)
                         .value_or(SubscriptionTable())
                         .followedEvents();
        m_read = stamp;
    }
    return m_followed;
}

ListRows::Built ListRows::build(QList<BirthdayRecord>&& records, QList<RecordDates>&& dates)
{
    const QHash<int, QString>& followed = followedEvents();
    Built built;
    // Filled in place: a row built aside and moved in has GCC's optimiser warn of a value read
    // unset, wrongly.
    built.rows.resize(records.size());
    for (qsizetype i = 0; i < records.size(); ++i) {
        BirthdayRecord& record = records[i];
        RecordDates& recordDates = dates[i];
        built.unreadableDates += recordDates.date ? 0 : 1;
        BirthdayListModel::Row& row = built.rows[i];
        row.key = record.key;
        row.name = record.value(BirthdayRecord::Name);
        row.date = recordDates.date;
        row.source = followed.value(record.key);
        row.setNext(std::move(recordDates.next));
        row.record = std::move(record);
    }
    return built;
}
