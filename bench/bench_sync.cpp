// Costs of a sync of an address book filling the data file (1,276 contacts with a birthday
// each): the plan of the first sync, of a sync where every contact comes again with a new ETag,
// and of one where none changed (empty bodies); then carrying the first sync out on an empty
// data file (one locked add an event, after the day's backup) and saving the link table. Last,
// the plan of publishing those 1,276 events to a calendar, made on the window's thread a few
// seconds after each change of the data file: the first publish, and one where nothing changed.
// And reading the link table of 10,000 and of 40,000 links, in time and in memory ("peak_x": the
// growth of the resident memory at its highest over the file's size); and the refusal of one
// past the size the program reads (150,000 links, about 77 MB).

#include "core/store/birthdaystore.h"
#include "core/sync/publishplan.h"
#include "core/sync/syncplan.h"
#include "core/sync/syncrun.h"
#include "peakmemory.h"

#include <benchmark/benchmark.h>

#include <QFileInfo>
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

void loadTable(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("t.json");
    SubscriptionTable table;
    table.add(source());
    SyncLink link{table.sources.first().id, {}, {}, false, "\"etag-1\"", 0, {}};
    link.written.values = {"Anna Schmidt", "1984-04-12", "1", "7", "0", "", "1"};
    for (int i = 0; i < state.range(0); ++i) {
        link.href = QStringLiteral("/addressbooks/anna/contacts/%1.vcf").arg(i);
        link.uid = QString::number(i);
        link.key = i;
        table.links.append(link);
    }
    if (const Expected<> saved = SubscriptionFile::save(path, table); !saved)
        state.SkipWithError(qPrintable(saved.error()));
    table = {};
    const qint64 size = QFileInfo(path).size();
    qint64 growthKb = 0;
    for (auto _ : state) {
        resetPeak();
        const qint64 before = statusKb("VmRSS:");
        const auto read = SubscriptionFile::load(path);
        benchmark::DoNotOptimize(read ? read->links.size() : 0);
        growthKb = std::max(growthKb, statusKb("VmHWM:") - before);
    }
    state.counters["MB"] = double(size) / (1 << 20);
    state.counters["peak_x"] = double(growthKb) * 1024 / double(size);
}

BENCHMARK(loadTable)
    ->Arg(10000)
    ->Arg(40000)
    ->Arg(150000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(plan, first_sync, "1", true, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(plan, all_new_etags, "2", true, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(plan, none_changed, "1", false, true)->Unit(benchmark::kMillisecond);
BENCHMARK(apply)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(publish, first_publish, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(publish, none_changed, true)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
