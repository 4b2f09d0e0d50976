#include "cli/importcommand.h"

#include "cli/output.h"
#include "core/calendar/clock.h"
#include "core/exchange/importplan.h"
#include "core/store/birthdaystore.h"

namespace CommandLine {

int importFiles(BirthdayStore& store, const Clock& clock, const QStringList& paths, bool dryRun)
{
    QList<ImportEntry> entries;
    bool unusable = false;
    for (const QString& path : paths) {
        const ImportFile file = ImportPlan::read(path);
        if (!file.error.isEmpty()) {
            fail(QStringLiteral("nothing was imported from \"%1\": %2").arg(path, file.error));
            unusable = true;
        }
        entries += file.entries;
    }
    if (unusable)
        return Failed;
    const std::optional<QList<BirthdayRecord>> stored = store.readAllRecords();
    if (!stored)
        return fail(store.errorString());
    const QList<ImportPlan::Item> items = ImportPlan::plan(entries, *stored, clock.today());
    ImportPlan::Counts counts = ImportPlan::count(items);
    QList<BirthdayRecord> records;
    for (const ImportPlan::Item& item : items) {
        if (item.status == ImportPlan::Item::Status::New)
            records.append(item.record);
        else if (dryRun || item.status == ImportPlan::Item::Status::Broken)
            print(stderr, QStringLiteral("skipped: %1: %2\n").arg(item.entry.name, item.reason));
    }
    if (dryRun) {
        for (const BirthdayRecord& record : records)
            print(stdout,
                  QStringLiteral("to add: %1 (%2)\n")
                      .arg(record.value(BirthdayRecord::Name), record.value(BirthdayRecord::Date)));
        print(stdout, counts.summary(true) + u'\n');
    } else {
        const ImportPlan::Result result = ImportPlan::run(store, records);
        counts.added = result.added;
        print(stdout, counts.summary() + u'\n');
        if (!result.error.isEmpty())
            return fail(result.error);
    }
    if (!counts.anyDated())
        return fail(QStringLiteral("the files hold no contact or event with a date."));
    return Done;
}

} // namespace CommandLine
