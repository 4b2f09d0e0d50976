#pragma once

#include <QString>

class BirthdayStore;
class Clock;
class SettingsStore;

namespace CommandLine {

// --export-ics FILE: every event as an iCalendar file, the one the Birthdays menu's Export
// writes; "-" is standard output.
int exportCalendar(BirthdayStore& store, SettingsStore& settings, const Clock& clock,
                   const QString& target);

} // namespace CommandLine
