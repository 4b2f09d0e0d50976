#pragma once

#include "core/program/expected.h"

#include <QJsonObject>
#include <QString>

#include <optional>

// The program's own JSON files beside the data file (the moving days' rules, the
// subscriptions): read whole, refused when damaged or newer, and written whole or not at all.
namespace JsonFile {

// What the reader says, in the words of the file concerned; %1 is the file's name.
struct Texts
{
    QString damaged;  // %2 is why
    QString newer;    // written by a later version, which an older one would misread
    QString tooLarge; // %2 is the limit in MB
};

// The root object, none where the file does not exist. A file that is larger than maxBytes,
// does not read, or has a version above `version` gives the reason: the caller must not save
// over it, which would lose all it holds.
Expected<std::optional<QJsonObject>> read(const QString& path, int version, qint64 maxBytes,
                                          const Texts& texts);

// Puts the root in place of the file, with its version; on a failure the file is kept byte for
// byte as it was.
Expected<> write(const QString& path, int version, QJsonObject root);

} // namespace JsonFile
