#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

// File names on the command line as the file system has them. Qt reads arguments as UTF-8 and
// replaces each byte that is not, so a name written in another encoding (Latin-1 from an old
// disk) would name another file. Here an argument that is not UTF-8 keeps each of its bytes
// above 0x7F as a character of its own, U+DC80 to U+DCFF, and turns back into the same bytes.
// One implementation a platform (linux/filenames.cpp).
namespace FileNames {

QStringList arguments(int argc, char** argv);

// The argument's bytes.
QByteArray encoded(const QString& argument);

// The argument as Qt shows it, in messages.
QString shown(const QString& argument);

// A path Qt's file classes can use for the file the argument names: the name itself, or,
// for one Qt cannot spell, the open file under /proc/self/fd, valid while the handle lives.
struct OpenName
{
    QString path;
    std::shared_ptr<int> handle;
};
OpenName openName(const QString& argument);

// Writes the file the argument names through writeAt, which writes a path Qt's file classes
// can use as writeCalendarFile does (a new or regular file replaced whole, a device or pipe
// written into) and gives back its error. For a name Qt cannot spell, a new or regular file is
// written under a name it can in the same folder and renamed over the target in one step.
// Returns the reason, empty once done.
QString write(const QString& argument, const std::function<QString(const QString& path)>& writeAt);

} // namespace FileNames
