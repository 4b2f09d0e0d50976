// Costs of the store's operations on data files of 10, 100 and 1276 records (1276: every key
// the 5-byte key field allows), each plain and churned (four deleted cells per live one), and
// of the list refresh with its reminder check. After the runs it prints, for 1276 churned
// records, how the one-walk refresh compares with the literal one (a walk for the key list
// plus one per record) and with a plain read of the file.

#include "datafile.h"

#include "core/calendar/nextevent.h"
#include "core/calendar/reminderdecision.h"
#include "core/store/birthdaystore.h"
#include "core/store/storefields.h"
#include "ui/presentation/listviewmode.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <string>

namespace {

struct Dataset
{
    int records = 0;
    bool churned = false;
    QString path;
    QByteArray image;

    std::string label() const
    {
        return std::to_string(records) + (churned ? "/churned" : "/plain");
    }
};

bool writeImage(const Dataset& data)
{
    QFile file(data.path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(data.image) == data.image.size();
}

// Puts the dataset's file back as it was, outside the timed part of an iteration.
bool restore(benchmark::State& state, const Dataset& data)
{
    state.PauseTiming();
    const bool ok = writeImage(data);
    state.ResumeTiming();
    if (!ok)
        state.SkipWithError("could not restore the data file");
    return ok;
}

void setCounters(benchmark::State& state, const Dataset& data)
{
    state.counters["file_KiB"] = double(data.image.size()) / 1024.0;
    state.SetBytesProcessed(state.iterations() * data.image.size());
}

std::optional<QList<BirthdayRecord>> readOneWalk(BirthdayStore& store)
{
    Expected<QList<BirthdayRecord>> records = store.readAllRecords();
    if (!records)
        return std::nullopt;
    return std::move(*records);
}

// The literal way: the key list, then one walk per record.
std::optional<QList<BirthdayRecord>> readLiteral(BirthdayStore& store)
{
    const auto keys = StoreFields(store).recordKeys();
    if (!keys)
        return std::nullopt;
    QList<BirthdayRecord> records;
    records.reserve(keys->size());
    for (int key : *keys) {
        auto record = StoreFields(store).readRecord(key);
        if (!record)
            return std::nullopt;
        records.append(std::move(*record));
    }
    return records;
}

// One row of the main list, as the list model keeps it: the record as read, its date and its
// coming occurrence (the "Date", "Next", "In" and "Age" columns make their texts when shown).
struct ListRow
{
    BirthdayRecord record;
    std::optional<QDate> date;
    std::optional<NextEvent> next;
};

// The refresh as the program runs it: all records read once, the reminder check on them, then
// the list rows take the records and the dates the check worked out over and are sorted by name
// as the list model sorts them. With checkReads, the check reads the records again itself, as
// the literal program does.
void refreshAndCheck(benchmark::State& state, const Dataset& data,
                     std::optional<QList<BirthdayRecord>> (*read)(BirthdayStore&),
                     bool checkReads = false)
{
    BirthdayStore store(data.path);
    const QDateTime now = QDateTime::currentDateTime();
    for (auto _ : state) {
        auto records = read(store);
        if (!records || records->size() != data.records) {
            state.SkipWithError("reading the records failed");
            break;
        }
        std::optional<QList<BirthdayRecord>> again;
        if (checkReads && !(again = read(store))) {
            state.SkipWithError("reading the records failed");
            break;
        }
        const QList<BirthdayRecord>& checked = checkReads ? *again : *records;
        // The check works out every record's date and coming occurrence once; the tray icon's
        // tip and the rows take them from its decision.
        ReminderDecision decision = reminderDecide(checked, now, false, false, ReminderSettings());
        benchmark::DoNotOptimize(trayTipText(decision.coming.soonest()));
        if (decision.soonEntries.isEmpty()) {
            state.SkipWithError("the check found nothing due: the generated dates are off");
            break;
        }
        benchmark::DoNotOptimize(decision);

        // The rows take the records over, and are sorted by name as the list model sorts them.
        QList<ListRow> rows;
        rows.reserve(records->size());
        for (qsizetype i = 0; i < records->size(); ++i) {
            RecordDates& dates = decision.coming.records[i];
            rows.emplaceBack(std::move((*records)[i]), dates.date, std::move(dates.next));
        }
        QList<QStringView> names;
        names.reserve(rows.size());
        for (const ListRow& row : rows)
            names.append(row.record.value(BirthdayRecord::Name));
        QList<ListRow> sorted;
        sorted.reserve(rows.size());
        for (const qsizetype index : ListViewModes::sortedOrder(names))
            sorted.append(std::move(rows[index]));
        benchmark::DoNotOptimize(sorted);
    }
    setCounters(state, data);
}

void readAll(benchmark::State& state, const Dataset& data,
             std::optional<QList<BirthdayRecord>> (*read)(BirthdayStore&))
{
    BirthdayStore store(data.path);
    for (auto _ : state) {
        const auto records = read(store);
        if (!records || records->size() != data.records) {
            state.SkipWithError("reading the records failed");
            break;
        }
        benchmark::DoNotOptimize(records);
    }
    setCounters(state, data);
}

void readOneWalkBench(benchmark::State& state, const Dataset& data)
{
    readAll(state, data, readOneWalk);
}

void readLiteralBench(benchmark::State& state, const Dataset& data)
{
    readAll(state, data, readLiteral);
}

void refreshOneWalk(benchmark::State& state, const Dataset& data)
{
    refreshAndCheck(state, data, readOneWalk);
}

void refreshLiteral(benchmark::State& state, const Dataset& data)
{
    refreshAndCheck(state, data, readLiteral, true);
}

void keyNew(benchmark::State& state, const Dataset& data)
{
    BirthdayStore store(data.path);
    for (auto _ : state) {
        // With every key taken (1276 records) the answer is a refusal, after the same walk.
        auto key = StoreFields(store).newRecordKey();
        if (key.has_value() != (data.records <= FieldTable::maxKey)) {
            state.SkipWithError("newRecordKey gave an unexpected answer");
            break;
        }
        benchmark::DoNotOptimize(key);
    }
    setCounters(state, data);
}

// Overwrites a field of the last record: the walk goes nearly to the end of the file.
void writeOverwrite(benchmark::State& state, const Dataset& data)
{
    BirthdayStore store(data.path);
    const int key = data.records - 1;
    int round = 0;
    for (auto _ : state) {
        if (!StoreFields(store).writeField(QStringLiteral("Notify"), key,
                                           QString::number(round++ % 2 + 3))) {
            state.SkipWithError("writeField failed");
            break;
        }
    }
    setCounters(state, data);
    writeImage(data);
}

// Writes the first LastDate of the last record: a walk to the end, then one appended cell.
void writeAppend(benchmark::State& state, const Dataset& data)
{
    BirthdayStore store(data.path);
    const int key = data.records - 1;
    const QString today = TextConv::dateToText(QDate::currentDate());
    for (auto _ : state) {
        if (!restore(state, data))
            break;
        if (!StoreFields(store).writeField(QStringLiteral("LastDate"), key, today)) {
            state.SkipWithError("writeField failed");
            break;
        }
    }
    setCounters(state, data);
    writeImage(data);
}

void deleteRecord(benchmark::State& state, const Dataset& data)
{
    BirthdayStore store(data.path);
    // The record as the list read it: the delete checks it is still so.
    const BirthdayRecord record =
        StoreFields(store).readRecord(data.records - 1).value_or(BirthdayRecord());
    for (auto _ : state) {
        if (!restore(state, data))
            break;
        if (store.deleteRecord(record) != BirthdayStore::Outcome::Done) {
            state.SkipWithError("deleteRecord failed");
            break;
        }
    }
    setCounters(state, data);
    writeImage(data);
}

void compact(benchmark::State& state, const Dataset& data)
{
    BirthdayStore store(data.path);
    for (auto _ : state) {
        if (!restore(state, data))
            break;
        if (!store.compact()) {
            state.SkipWithError("compact failed");
            break;
        }
    }
    setCounters(state, data);
    writeImage(data);
}

// The floor: the whole file into memory and nothing else.
void plainRead(benchmark::State& state, const Dataset& data)
{
    for (auto _ : state) {
        QFile file(data.path);
        if (!file.open(QIODevice::ReadOnly)) {
            state.SkipWithError("could not open the data file");
            break;
        }
        QByteArray bytes = file.readAll();
        benchmark::DoNotOptimize(bytes);
    }
    setCounters(state, data);
}

// Keeps the mean time per iteration of every run so the ratios can be printed afterwards.
class RecordingReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (!run.error_occurred && run.run_type == Run::RT_Iteration && run.iterations > 0)
                m_seconds[run.benchmark_name()] = {
                    run.real_accumulated_time / double(run.iterations),
                    run.cpu_accumulated_time / double(run.iterations)};
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // Wall-clock or CPU time per iteration of the benchmark whose name starts with `prefix`,
    // or 0.
    double seconds(const std::string& prefix, bool cpu) const
    {
        for (const auto& [name, value] : m_seconds) {
            if (name.rfind(prefix, 0) == 0)
                return cpu ? value.second : value.first;
        }
        return 0.0;
    }

private:
    std::map<std::string, std::pair<double, double>> m_seconds;
};

// Wall-clock time counts what the user waits for (file syncs included); CPU time shows the
// work of the walk itself.
void printRatio(const RecordingReporter& reporter, const char* what, const std::string& over,
                const std::string& under)
{
    for (bool cpu : {false, true}) {
        const double a = reporter.seconds(over, cpu);
        const double b = reporter.seconds(under, cpu);
        if (a > 0 && b > 0)
            std::printf("%-32s %-5s %9.1f  (%.3f ms / %.3f ms)\n", what, cpu ? "cpu" : "wall",
                        a / b, a * 1e3, b * 1e3);
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "no temporary folder: %s\n", qPrintable(dir.errorString()));
        return 1;
    }

    std::vector<std::unique_ptr<Dataset>> datasets;
    for (int records : {10, 100, FieldTable::maxKey + 1}) {
        for (bool churned : {false, true}) {
            auto data = std::make_unique<Dataset>();
            data->records = records;
            data->churned = churned;
            data->path = dir.filePath(
                QStringLiteral("birthday-%1-%2.dat").arg(records).arg(churned ? "c" : "p"));
            data->image = DataFile::generate(records, churned);
            if (!writeImage(*data)) {
                std::fprintf(stderr, "could not write %s\n", qPrintable(data->path));
                return 1;
            }
            datasets.push_back(std::move(data));
        }
    }

    using Fn = void (*)(benchmark::State&, const Dataset&);
    const std::pair<const char*, Fn> benchmarks[] = {
        {"refresh_check_onewalk", refreshOneWalk},
        {"refresh_check_literal", refreshLiteral},
        {"read_onewalk", readOneWalkBench},
        {"read_literal", readLiteralBench},
        {"newRecordKey", keyNew},
        {"fieldWrite_overwrite", writeOverwrite},
        {"fieldWrite_append", writeAppend},
        {"deleteRecord", deleteRecord},
        {"compact", compact},
        {"plain_read", plainRead},
    };
    for (const auto& [name, fn] : benchmarks) {
        for (const auto& data : datasets) {
            const Dataset* d = data.get();
            benchmark::RegisterBenchmark((std::string(name) + "/" + d->label()).c_str(),
                                         [fn, d](benchmark::State& state) { fn(state, *d); })
                ->Unit(benchmark::kMicrosecond);
        }
    }

    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const std::string big = std::to_string(FieldTable::maxKey + 1) + "/churned";
    std::printf("\nRatios for %s records:\n", big.c_str());
    printRatio(reporter, "refresh+check literal / one-walk", "refresh_check_literal/" + big,
               "refresh_check_onewalk/" + big);
    printRatio(reporter, "refresh+check one-walk / floor", "refresh_check_onewalk/" + big,
               "plain_read/" + big);
    printRatio(reporter, "read literal / one-walk", "read_literal/" + big, "read_onewalk/" + big);
    printRatio(reporter, "read one-walk / floor", "read_onewalk/" + big, "plain_read/" + big);
    return 0;
}
