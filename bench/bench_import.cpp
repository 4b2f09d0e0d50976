// Costs of reading import files of every size, each through the whole import (format detection,
// the reader, the plan): 10,000 ordinary contacts (about 5 MB), a name of 800,000 characters,
// 20,000 labelled dates, a 1 MB iCalendar SUMMARY, 50 MB of blank lines and a calendar nesting
// 300,000 deep (refused). Besides the time, "peak_x" is the growth of the resident memory at
// its highest over the file's size.

#include "core/exchange/importplan.h"
#include "peakmemory.h"

#include <benchmark/benchmark.h>

#include <functional>

namespace {

const QDate today(2026, 12, 6);

QByteArray contact(int i, const QByteArray& name, const QByteArray& more = {})
{
    return "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Schmidt;Anna;;;\r\nFN:" + name +
           "\r\nTEL;TYPE=CELL:+49 " + QByteArray::number(1700000000 + i) +
           "\r\nEMAIL;TYPE=INTERNET:anna.schmidt@example.org\r\nADR;TYPE=HOME:;;Hauptstrasse " +
           QByteArray::number(i) +
           ";Berlin;;10115;Germany\r\nBDAY:1984-04-12\r\nNOTE:" + QByteArray(300, 'n') + "\r\n" +
           more + "END:VCARD\r\n";
}

QByteArray calendar(const QByteArray& events)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//bench//EN\r\n" + events +
           "END:VCALENDAR\r\n";
}

const std::pair<const char*, std::function<QByteArray()>> inputs[] = {
    {"10000 contacts",
     [] {
         QByteArray data;
         for (int i = 0; i < 10000; ++i)
             data += contact(i, "Anna Schmidt " + QByteArray::number(i));
         return data;
     }},
    {"800000-character name", [] { return contact(0, QString(800000, QChar(0xe4)).toUtf8()); }},
    {"20000 labelled dates",
     [] {
         QByteArray dates;
         for (int i = 0; i < 20000; ++i)
             dates += "item" + QByteArray::number(i) + ".X-ABDATE:2010-06-19\r\nitem" +
                      QByteArray::number(i) + ".X-ABLabel:_$!<Anniversary>!$_\r\n";
         return contact(0, "Anna", dates);
     }},
    {"1 MB SUMMARY",
     [] {
         return calendar(
             "BEGIN:VEVENT\r\nUID:1\r\nDTSTART;VALUE=DATE:19840412\r\nRRULE:FREQ=YEARLY\r\n"
             "SUMMARY:" +
             QByteArray(1 << 20, 'a') + "\r\nEND:VEVENT\r\n");
     }},
    {"50 MB of blank lines", [] { return QByteArray(50 << 20, '\n') + contact(0, "Anna"); }},
    {"nested 300000 deep",
     [] { return calendar(QByteArray("BEGIN:VEVENT\r\n").repeated(300000)); }},
};

void importOf(benchmark::State& state, int index)
{
    const QByteArray data = inputs[index].second();
    qint64 growthKb = 0;
    for (auto _ : state) {
        resetPeak();
        const qint64 before = statusKb("VmRSS:");
        const ImportFile file = ImportPlan::readData(data);
        const QList<ImportPlan::Item> items = ImportPlan::plan(file.entries, {}, today);
        benchmark::DoNotOptimize(items.size());
        growthKb = std::max(growthKb, statusKb("VmHWM:") - before);
    }
    state.counters["MB"] = double(data.size()) / (1 << 20);
    state.counters["peak_x"] = double(growthKb) * 1024 / double(data.size());
    state.SetBytesProcessed(state.iterations() * data.size());
}

} // namespace

int main(int argc, char** argv)
{
    for (int i = 0; i < int(std::size(inputs)); ++i)
        benchmark::RegisterBenchmark(inputs[i].first, importOf, i)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(3);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
