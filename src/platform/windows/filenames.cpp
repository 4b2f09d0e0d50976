#include "platform/filenames.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

// On Windows a file name is UTF-16 and Qt opens every one: the arguments come from the wide
// command line, not from the ANSI argv, whose code page cannot spell every name.
namespace FileNames {

QStringList arguments(int argc, char** argv)
{
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide) {
        // Only when out of memory: the ANSI arguments in the system's code page, then.
        QStringList list;
        for (int i = 0; i < argc; ++i)
            list << QString::fromLocal8Bit(argv[i]);
        return list;
    }
    QStringList list;
    for (int i = 0; i < count; ++i)
        list << QString::fromWCharArray(wide[i]);
    LocalFree(wide);
    return list;
}

QByteArray encoded(const QString& argument)
{
    return argument.toUtf8();
}

QString shown(const QString& argument)
{
    return argument;
}

OpenName openName(const QString& argument)
{
    return {argument, nullptr};
}

QString write(const QString& argument, const std::function<QString(const QString& path)>& writeAt)
{
    return writeAt(argument);
}

} // namespace FileNames
