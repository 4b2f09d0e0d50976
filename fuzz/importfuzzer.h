// The fuzzer of the import reader CW_READ. Whatever the file: one refused whole gives no entries,
// an entry with a problem says why, one without has a date, and the plan's record of it fits the
// data file (name within its cell, date reading back, a moving day's on one of its days).

#include "core/events/birthdayinput.h"
#include "core/exchange/importplan.h"
#include "core/rules/yearlyrule.h"
#include "core/text/textconv.h"

#include <cstdio>
#include <cstdlib>

#define check(ok, what) (ok) ? void() : (std::fprintf(stderr, "%s\n", what), std::abort())

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const ImportFile file =
        CW_READ(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
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
        // A day that moves is stored on one of its days, not necessarily the file's.
        check(date && (!item.entry.hasYear ||
                       (item.entry.rule ? nextOccurrence(*item.entry.rule, *date) == *date
                                        : *date == item.entry.date)),
              "a date does not read back from the record");
    }
    return 0;
}
