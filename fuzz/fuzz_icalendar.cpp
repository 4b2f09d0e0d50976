// Treats its input as a calendar file: libical and what the program makes of its events must
// hold to what every import does.

#include "core/exchange/calendarexchange.h"

#define CW_READ CalendarExchange::importRead
#include "importfuzzer.h"
