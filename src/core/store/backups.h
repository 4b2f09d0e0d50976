#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// Daily copies of the data file, kept in the folder "backups" beside it and named with their
// day (birthday-2026-12-07.dat), so a bad import or a slip can be undone. The store makes one
// before it rewrites the whole file or takes in an import, and before it restores one; the
// copies of the newest keptDays days stay, older ones go.
//
// The first copy of a day is the one kept, so the day's backup holds the file as it was before
// that day's changes. Before a restore, though, the file as it is must not be lost: if the
// day's backup differs from it, it is kept as a further copy of the day
// (birthday-2026-12-07-2.dat).
//
// These functions work on the files only; the store calls them under its lock.
namespace Backups {

inline constexpr int keptDays = 14;

struct Backup
{
    QString path;
    QDate date;
    int copy = 1;      // 2, 3... for further copies of the same day
    QDateTime written; // when the copy was made
    int events = -1;   // live events in it; -1 when it could not be read or is damaged
};

QString folder(const QString& dataPath);
QString filePath(const QString& dataPath, QDate date, int copy = 1);

// The backups of this data file, newest first, each with its number of events.
QList<Backup> list(const QString& dataPath);

// Copies the data file to the day's backup as described above, then drops the backups of all
// but the newest keptDays days by the day in their names, never the copy just made nor spared
// (the backup about to be restored). No data file: nothing to copy. False with the reason in
// error when the copy could not be written; no partial copy is ever left under a backup's name.
bool make(const QString& dataPath, QDate day, bool keepCurrentState, QString& error,
          const QString& spared = QString());

// The backup's bytes when they are whole cells this program could have written; otherwise
// nothing, with the reason (empty, cut short, not a data file) in error.
std::optional<QByteArray> check(const QString& backupPath, QString& error);

// Puts bytes (a checked backup's) in place of the data file, or of its target when it is a
// link, in one step.
bool restore(const QString& dataPath, const QByteArray& bytes, QString& error);
// Puts the backup's moving days' rules in place of the data file's, when it has them.
bool restoreRules(const QString& dataPath, const QString& backupPath, QString& error);

} // namespace Backups
