#pragma once

#include "birthdayrecord.h"

#include <QList>
#include <QString>

#include <optional>

// The data file birthday.dat: a flat run of field cells (slot byte, flag byte, 5-byte key,
// value padded to the field's size), no header. Every operation opens the file, holds an
// exclusive lock on it for its duration (a second running copy may share the file), walks it
// and closes it; nothing is cached between operations.
//
// Operations that fail return false / std::nullopt and leave the reason, with the file's name,
// in errorString(). A refused operation writes nothing.
class BirthdayStore
{
public:
    explicit BirthdayStore(QString dataPath);

    const QString& dataPath() const { return m_dataPath; }
    QString errorString() const { return m_error; }

    // Keys of all live records, in the order of their Name cells.
    std::optional<QList<int>> recordKeysList();
    // One record; all fields "" when no record has the key.
    std::optional<BirthdayRecord> recordRead(int key);
    // All live records in one walk, in Name-cell order; the same as recordKeysList followed
    // by recordRead of each key.
    std::optional<QList<BirthdayRecord>> recordsReadAll();
    // The smallest key no live record uses. Refused when that key does not fit the cell or
    // the record limit is reached.
    std::optional<int> recordKeyNew();
    bool fieldWrite(const QString& fieldName, int key, const QString& value);
    bool fieldDelete(const QString& fieldName, int key);
    bool recordDelete(int key);
    // Copies the record under a new key; returns that key.
    std::optional<int> recordDuplicate(int key);
    // Rewrites the file without its deleted cells, atomically.
    bool databaseCompact();

private:
    QString m_dataPath;
    QString m_error;
};
