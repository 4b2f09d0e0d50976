#pragma once

#include "core/program/expected.h"

#include <QByteArray>
#include <QString>

// Writes an exported calendar to `path` whole or not at all: a calendar program never reads a
// half-written file, and a failed export leaves an earlier one as it was. A path that is a
// device or a pipe is written into as a stream and stays what it is. The failure holds the
// system's reason, for the caller's sentence about the file.
Expected<> writeCalendarFile(const QString& path, const QByteArray& calendar);
