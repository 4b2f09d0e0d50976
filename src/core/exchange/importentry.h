#pragma once

#include "core/rules/yearlyrule.h"

#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QString>

#include <optional>

// One date a contacts or calendar file gives, as its reader understood it, before it becomes a
// record. Readers know nothing of the data file; the import plan turns entries into records.
struct ImportEntry
{
    // Why an entry is not imported.
    enum class Problem {
        None,
        NoDate,  // a contact without a birthday or anniversary, an event without a start
        LeftOut, // a date the program cannot keep: a timed event, one repeating other than yearly
        Broken,  // the entry could not be read; skipped and counted
    };

    QString name;
    QDate date;          // invalid unless problem is None
    bool hasYear = true; // false: the file gave day and month only
    bool recurs = true;
    Problem problem = Problem::None;
    QString reason; // what is wrong, for the preview; empty when nothing is

    // The rest of a record when the file carries it (an export of this program, or a calendar's
    // alarm); empty texts take the defaults of a new event.
    QString notify;
    QString alert;
    QString showYears;
    // Which contact or event of the file it came from (its UID; may be empty), and whether it
    // is a contact's anniversary rather than its birthday: what a subscription links by.
    QString uid;
    bool anniversary = false;
    // A yearly event whose repeats end: its last day (invalid: the rule gives none at all).
    std::optional<QDate> lastDay;
    // An anniversary's contact, whose name the event's name is made of.
    QString contact{};
    // A yearly day that moves (the second Sunday of May): date is then one of its days.
    std::optional<YearlyRule> rule{};
};

// What a reader made of a whole file. When error is set the file as a whole is unusable (not
// a contacts or calendar file, or cut off) and nothing of it may be imported.
struct ImportFile
{
    QList<ImportEntry> entries;
    QString error;
};

// The name of the event an anniversary of a contact becomes: the one place of this wording.
inline constexpr const char* anniversaryNameSource =
    //: The name of the event that a contact's anniversary becomes; %1 is the contact's name.
    QT_TRANSLATE_NOOP("ImportEntry", "%1 \u2014 Anniversary");
inline QString anniversaryName(const QString& contactName)
{
    // Stored in the user's language, as a name the user typed would be.
    return QCoreApplication::translate("ImportEntry", anniversaryNameSource).arg(contactName);
}
