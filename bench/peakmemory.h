#pragma once

// The resident memory of the benchmark's own process, for a "peak_x" counter: the growth at its
// highest over the input's size.

#include <QFile>

// A line of /proc/self/status in kB ("VmHWM:", "VmRSS:").
inline qint64 statusKb(const char* field)
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').first().toLongLong();
    return 0;
}

inline void resetPeak()
{
    QFile clear("/proc/self/clear_refs"); // "5" sets the peak back to the resident size now
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}
