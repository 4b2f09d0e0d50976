#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTime>

#include <optional>

// "Remind Me Again": the alert put away for a while with what it listed, so that it comes back
// then, after a restart too (the settings keep it as text).
struct Snooze
{
    enum class Length { TenMinutes, OneHour, Tomorrow };

    QDateTime until;
    QStringList due;    // the events listed as due today
    QStringList missed; // the missed events' entries

    // When a snooze chosen at `now` ends: tomorrow is the next day at the alert time.
    static QDateTime end(Length length, const QDateTime& now, QTime alertTime);

    // One line of JSON, the time in UTC, so a change of time zone or of the clocks in between
    // does not move it.
    QString toText() const;
    // None for an empty or unreadable text.
    static std::optional<Snooze> fromText(const QString& text);

    bool operator==(const Snooze&) const = default;
};
