#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

// File names on the command line as the file system has them. Qt reads arguments as UTF-8 and
// replaces each byte that is not, so a name written in another encoding (Latin-1 from an old
// disk) would name another file. Here an argument that is not UTF-8 keeps each of its bytes
// above 0x7F as a character of its own, U+DC80 to U+DCFF, and turns back into the same bytes.
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

// Writes data to the file the argument names, as writeCalendarFile does (a new or regular file
// replaced whole, a device or pipe written into). Returns the system's reason, empty once done.
QString write(const QString& argument, const QByteArray& data);

} // namespace FileNames
