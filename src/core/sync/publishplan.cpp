#include "core/sync/publishplan.h"

#include <QCryptographicHash>
#include <QHash>
#include <QSet>
#include <QUrl>

#include <algorithm>

namespace PublishPlan {

int Plan::count(Step::Kind kind) const
{
    return int(std::count_if(steps.cbegin(), steps.cend(),
                             [kind](const Step& step) { return step.kind == kind; }));
}

QString bodyHash(const QByteArray& ics)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const QByteArray& line : ics.split('\n'))
        if (!line.startsWith("DTSTAMP"))
            hash.addData(line);
    return QString::fromLatin1(hash.result().toHex());
}

Plan make(const QString& calendarUrl, const QList<BirthdayRecord>& records,
          const CalendarExchange::ExportOptions& options, const QList<PublishedEvent>& published,
          const QLocale& locale)
{
    QHash<QString, PublishedEvent> known;
    for (const PublishedEvent& event : published)
        known.insert(event.uid, event);
    const QString base = calendarUrl.endsWith(u'/') ? calendarUrl : calendarUrl + u'/';
    Plan plan;
    QSet<QString> kept;
    for (const BirthdayRecord& record : records) {
        const QString uid = CalendarExchange::eventUid(record.key, options.calendarId);
        kept.insert(uid);
        const CalendarExchange::Export event =
            CalendarExchange::exportRecords({record}, options, locale);
        if (event.events == 0) {
            plan.leftOut += event.unreadable;
            continue;
        }
        Step step{Step::Kind::Add, uid, {}, {}, event.ics, bodyHash(event.ics)};
        const auto found = known.constFind(uid);
        if (found == known.cend()) {
            step.href = base + QString::fromLatin1(QUrl::toPercentEncoding(uid + ".ics"));
        } else if (found->hash != step.hash) {
            step.kind = Step::Kind::Change;
            step.href = found->href;
            step.etag = found->etag;
        } else {
            continue;
        }
        plan.steps.append(step);
    }
    QList<PublishedEvent> gone;
    for (const PublishedEvent& event : published)
        if (!kept.contains(event.uid))
            gone.append(event);
    plan.steps += removeAll(gone).steps;
    return plan;
}

Plan removeAll(const QList<PublishedEvent>& published)
{
    Plan plan;
    for (const PublishedEvent& event : published)
        plan.steps.append({Step::Kind::Remove, event.uid, event.href, event.etag, {}, {}});
    return plan;
}

void take(PublishTarget& target, const QList<Step>& steps, const QList<Done>& done)
{
    for (const Done& d : done) {
        const Step& step = steps.at(d.step);
        target.events.removeIf([&](const PublishedEvent& event) { return event.uid == step.uid; });
        if (step.kind != Step::Kind::Remove)
            target.events.append({step.uid, step.href, d.etag, step.hash});
    }
}

} // namespace PublishPlan
