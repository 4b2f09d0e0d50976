#pragma once

#include <QString>
#include <QStringList>

// The lines of the notification window's two lists when the screen has room for only so many:
// the today list keeps as many lines as it can while the soon list keeps a few (up to three,
// at most half), and a list that loses lines ends with a line saying how many more it has.
struct NotificationLines
{
    QStringList today;
    QStringList soon;

    // Fits the lists into `capacity` lines in all (at least one line per list is always kept).
    static NotificationLines fit(const QStringList& today, const QStringList& soon, int capacity);
    // The closing line of a list that was cut short; `count` is at least 2.
    static QString moreText(int count);
    // How much of an entry is the event's name: soon entries end in " (date)" or
    // " (date - N Years)", today entries in " (N Years)" when they show the years. Other
    // lines are all name.
    static qsizetype nameLength(const QString& entry, bool soon);
};
