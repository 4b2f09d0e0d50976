#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <cstdio>

// What every command prints and how it ends: its output in UTF-8 on the standard streams, a
// failure or a usage error on standard error behind the program's name.
namespace CommandLine {

// The exit status, as the manual page and scripts rely on it.
enum ExitStatus { Done = 0, Failed = 1, Usage = 2 };

inline void print(FILE* stream, const QString& text)
{
    std::fputs(text.toUtf8().constData(), stream);
}

inline int fail(const QString& message)
{
    print(stderr, QStringLiteral("candlewatcher: %1\n").arg(message));
    return Failed;
}

inline int usageError(const QString& message)
{
    //: %1 is what was wrong with the command line.
    print(stderr, QCoreApplication::translate("CommandLine",
                                              "candlewatcher: %1\nTry 'candlewatcher --help'.\n")
                      .arg(message));
    return Usage;
}

// The events a command left out because their stored dates do not read.
inline void printUnreadable(const QStringList& names)
{
    if (!names.isEmpty())
        print(stderr,
              QCoreApplication::translate(
                  "CommandLine", "candlewatcher: left out, their dates could not be read: %1\n")
                  .arg(names.join(QStringLiteral(", "))));
}

} // namespace CommandLine
