// Costs of a sync of an address book filling the data file (1,276 contacts with a birthday
// each): the plan of the first sync, of a sync where every contact comes again with a new ETag,
// and of one where none changed (empty bodies); then carrying the first sync out on an empty
// data file (one locked add an event, after the day's backup) and saving the link table. Last,
// the plan of publishing those 1,276 events to a calendar, made on the window's thread a few
// seconds after each change of the data file: the first publish, and one where nothing changed.

#include "core/store/birthdaystore.h"
#include "core/sync/publishplan.h"
#include "core/sync/syncplan.h"
#include "core/sync/syncrun.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

namespace {

const QDate today(2026, 12, 7);
const int contacts = 1276;

RemoteChanges addressBook(const char* etag, bool bodies)
{
    RemoteChanges changes;
    for (int i = 0; i < contacts; ++i) {
        const QByteArray n = QByteArray::number(i);
        changes.changed.append({"/ab/" + n + ".vcf", etag,
                                bodies ? "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:" + n +
                                             "\r\nFN:Anna Schmidt " + n + "\r\nTEL:+49 170 " + n +
                                             "\r\nBDAY:1984-04-12\r\nEND:VCARD\r\n"
                                       : QByteArray()});
    }
    return changes;
}

SyncSource source()
{
    SyncSource s;
    s.id = QStringLiteral("s");
    return s;
}

// The links and records a first sync leaves, keys in order.
void firstSync(QList<SyncLink>& links, QList<BirthdayRecord>& records)
{
    for (const SyncPlan::Action& action :
         SyncPlan::make(source(), addressBook("1", true), {}, {}, today).actions) {
        links.append(*action.after);
        links.last().key = int(records.size());
        records.append(action.values);
        records.last().key = links.last().key;
    }
}

void plan(benchmark::State& state, const char* etag, bool bodies, bool linked)
{
    QList<SyncLink> links;
    QList<BirthdayRecord> records;
    if (linked)
        firstSync(links, records);
    const RemoteChanges changes = addressBook(etag, bodies);
    for (auto _ : state)
        benchmark::DoNotOptimize(SyncPlan::make(source(), changes, links, records, today));
}

void apply(benchmark::State& state)
{
    const SyncPlan::Plan first = SyncPlan::make(source(), addressBook("1", true), {}, {}, today);
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        BirthdayStore store(dir.filePath("birthday.dat"));
        SubscriptionTable table;
        table.sources.append(source());
        state.ResumeTiming();
        const SyncRun::Result result =
            SyncRun::apply(store, table, source().id, first, QDateTime::currentDateTime());
        if (result.added != contacts || !result.errors.isEmpty())
            state.SkipWithError(qPrintable(result.summary()));
    }
}

void publish(benchmark::State& state, bool published)
{
    QList<SyncLink> links;
    QList<BirthdayRecord> records;
    firstSync(links, records);
    CalendarExchange::ExportOptions options;
    options.calendarId = QStringLiteral("cal");
    options.stamp = QDateTime(today, QTime(12, 0));
    const QString url = QStringLiteral("https://dav.test/cal/");
    PublishTarget target;
    if (published) {
        const PublishPlan::Plan first = PublishPlan::make(url, records, options, {}, QLocale::c());
        QList<PublishPlan::Done> done;
        for (int i = 0; i < first.steps.size(); ++i)
            done.append({i, QStringLiteral("e")});
        PublishPlan::take(target, first.steps, done);
    }
    for (auto _ : state) {
        const PublishPlan::Plan plan =
            PublishPlan::make(url, records, options, target.events, QLocale::c());
        if (plan.steps.size() != (published ? 0 : contacts))
            state.SkipWithError("unexpected steps");
    }
}

} // namespace

BENCHMARK_CAPTURE(plan, first_sync, "1", true, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(plan, all_new_etags, "2", true, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(plan, none_changed, "1", false, true)->Unit(benchmark::kMillisecond);
BENCHMARK(apply)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(publish, first_publish, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(publish, none_changed, true)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
