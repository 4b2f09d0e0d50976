#pragma once

#include <QtGlobal>

class BirthdayStore;
class Clock;
class SettingsStore;

namespace CommandLine {

// --upcoming [DAYS] [--json]: the events of the next `days` days, soonest first, with the
// list's "Next", "In" and "Age" columns' own rule, so the two never disagree.
int listUpcoming(BirthdayStore& store, SettingsStore& settings, const Clock& clock, qint64 days,
                 bool json);

} // namespace CommandLine
