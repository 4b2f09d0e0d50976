#pragma once

// What every import reader must hold to, whatever the file: a file refused as a whole gives no
// entries; an entry with a problem says why; one without has a date, and the record the plan
// makes of it fits the data file (the name within its cell, the date reading back).

#include "core/events/birthdayinput.h"
#include "core/exchange/importplan.h"
#include "core/text/textconv.h"

#include <cstdio>
#include <cstdlib>

inline void checkImport(const ImportFile& file, const char* fuzzer)
{
    const auto check = [fuzzer](bool ok, const char* what) {
        if (!ok) {
            std::fprintf(stderr, "%s: %s\n", fuzzer, what);
            std::abort();
        }
    };
    check(file.error.isEmpty() || file.entries.isEmpty(), "a refused file gave entries");
    for (const ImportEntry& entry : file.entries)
        check(entry.problem == ImportEntry::Problem::None ? entry.date.isValid()
                                                          : !entry.reason.isEmpty(),
              "an entry has neither a date nor a reason");
    for (const ImportPlan::Item& item : ImportPlan::plan(file.entries, {}, QDate(2026, 12, 6))) {
        if (item.status != ImportPlan::Item::Status::New)
            continue;
        check(BirthdayInput::nameFits(item.record.value(BirthdayRecord::Name)),
              "a name does not fit its cell");
        const std::optional<QDate> date =
            TextConv::textToDate(item.record.value(BirthdayRecord::Date));
        check(date && (!item.entry.hasYear || *date == item.entry.date),
              "a date does not read back from the record");
    }
}
