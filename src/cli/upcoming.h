#pragma once

#include <QtGlobal>

class BirthdayStore;
class QLocale;
class Clock;
class SettingsStore;

namespace CommandLine {

// --upcoming [DAYS] [--json]: the events of the next `days` days, soonest first, with the
// list's "Next", "In" and "Age" columns' own rule, so the two never disagree. The lines show
// days and months as `shown` names them (the program's language); the JSON is the same in all.
int listUpcoming(BirthdayStore& store, SettingsStore& settings, const Clock& clock, qint64 days,
                 bool json, const QLocale& shown);

} // namespace CommandLine
