#include "cli/importcommand.h"

#include "cli/output.h"
#include "core/calendar/clock.h"
#include "core/exchange/importplan.h"
#include "core/store/birthdaystore.h"
#include "platform/filenames.h"

#include <QCoreApplication>

namespace CommandLine {

int importFiles(BirthdayStore& store, const Clock& clock, const QStringList& paths, bool dryRun)
{
    // One unusable file stops the whole import: nothing of the others is added either. A name
    // Qt cannot spell is read through its handle, open until every file is read.
    QList<FileNames::OpenName> open;
    QStringList openPaths, shownNames;
    for (const QString& path : paths) {
        open.append(FileNames::openName(path));
        openPaths << open.last().path;
        shownNames << FileNames::shown(path);
    }
    const ImportFile files = ImportPlan::readFiles(openPaths, shownNames);
    if (!files.error.isEmpty())
        return fail(files.error);
    const QList<ImportEntry>& entries = files.entries;
    const Expected<QList<BirthdayRecord>> stored = store.readAllRecords();
    if (!stored)
        return fail(stored.error());
    const QList<ImportPlan::Item> items =
        ImportPlan::plan(entries, *stored, clock.today(), store.dateLocale());
    ImportPlan::Counts counts = ImportPlan::count(items);
    QList<BirthdayRecord> records;
    for (const ImportPlan::Item& item : items) {
        if (item.status == ImportPlan::Item::Status::New)
            records.append(item.record);
        else if (dryRun || item.status == ImportPlan::Item::Status::Broken ||
                 item.status == ImportPlan::Item::Status::Ending)
            //: %1 is an event's name, %2 why it was not added.
            print(stderr, QCoreApplication::translate("CommandLine", "skipped: %1: %2\n")
                              .arg(item.entry.name, item.reason));
    }
    if (dryRun) {
        for (const BirthdayRecord& record : records)
            print(stdout,
                  //: %1 is an event's name, %2 its date.
                  QCoreApplication::translate("CommandLine", "to add: %1 (%2)\n")
                      .arg(record.value(BirthdayRecord::Name), record.value(BirthdayRecord::Date)));
        print(stdout, counts.summary(true) + u'\n');
    } else {
        const ImportPlan::Result result = ImportPlan::run(store, records);
        counts.added = result.added;
        print(stdout, counts.summary() + u'\n');
        if (!result.error.isEmpty())
            return fail(result.error);
        if (counts.noRoom > 0)
            //: %1 says how many events the data file holds.
            return fail(QCoreApplication::translate("CommandLine", "%Ln events were not added: %1.",
                                                    nullptr, counts.noRoom)
                            .arg(ImportPlan::limitText()));
    }
    if (!counts.anyDated())
        return fail(QCoreApplication::translate("CommandLine",
                                                "the files hold no contact or event with a date."));
    return Done;
}

} // namespace CommandLine
