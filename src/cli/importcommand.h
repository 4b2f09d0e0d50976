#pragma once

#include <QStringList>

class BirthdayStore;
class Clock;

namespace CommandLine {

// --import FILE... [--dry-run]: adds the dated contacts and events of the files that are not
// there already. Every file is read before anything is written: one unusable file stops the
// lot.
int importFiles(BirthdayStore& store, const Clock& clock, const QStringList& paths, bool dryRun);

} // namespace CommandLine
