// Treats its input as a calendar file: libical and what the program makes of its events must
// hold to what every import does.

#include "importcheck.h"

#include "core/exchange/calendarexchange.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    checkImport(CalendarExchange::importRead(bytes), "fuzz_icalendar");
    return 0;
}
