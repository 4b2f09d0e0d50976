#pragma once

#include "core/calendar/clock.h"
#include "core/settings/settingsstore.h"
#include "core/store/birthdaystore.h"
#include "core/store/storefields.h"
#include "core/text/textconv.h"

#include <QTemporaryDir>
#include <QTest>

// A test's rows on one column: each row's name and its value.
template <typename T>
void columnRows(const char* column, std::initializer_list<std::pair<const char*, T>> rows)
{
    QTest::addColumn<T>(column);
    for (const auto& [name, value] : rows)
        QTest::newRow(name) << value;
}
inline void boolRows(const char* column, const char* whenFalse, const char* whenTrue)
{
    columnRows<bool>(column, {{whenFalse, false}, {whenTrue, true}});
}

// A file's bytes; none when it does not read.
inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes the file anew; whether all of bytes went in.
inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

// A data file and a settings file of their own in a folder that goes with the fixture, and a
// clock that stands still. The set-up most tests share.
struct StoreFixture
{
    QTemporaryDir dir;
    BirthdayStore store{dir.filePath(QStringLiteral("birthday.dat"))};
    StoreFields fields{store};
    SettingsStore settings{dir.filePath(QStringLiteral("settings.ini"))};
    FixedClock clock{QDateTime(QDate(2024, 3, 1), QTime(12, 0))};

    QString path() const { return store.dataPath(); }

    // Adds one record as the add dialog writes it (no LastDate unless given); returns its key,
    // or -1 with the store's reason given to the test's log.
    int add(const QString& name, const QString& dateText, const QString& recurs = "1",
            const QString& notify = "10", const QString& alert = "0",
            const QString& showYears = "1", const QString& lastDate = QString())
    {
        BirthdayRecord record;
        record.values = {name, dateText, recurs, notify, alert, lastDate, showYears};
        const Expected<int> key = store.addRecord(record);
        if (!key)
            qWarning("StoreFixture::add: %s", qPrintable(store.errorString()));
        return key.value_or(-1);
    }
    int add(const QString& name, QDate date, const QString& recurs = "1",
            const QString& notify = "10", const QString& alert = "0",
            const QString& showYears = "1")
    {
        return add(name, TextConv::dateToText(date), recurs, notify, alert, showYears);
    }

    // One field of every record, or all of them, in the file's order.
    QStringList values(int field = -1)
    {
        QStringList values;
        for (const BirthdayRecord& record :
             store.readAllRecords().value_or(QList<BirthdayRecord>()))
            for (int i = 0; i < BirthdayRecord::FieldCount; ++i)
                if (field < 0 || i == field)
                    values << record.value(BirthdayRecord::Field(i));
        return values;
    }
    QStringList names() { return values(BirthdayRecord::Name); }

    // The whole data file and the settings file, as bytes.
    QByteArray bytes() const { return readFile(path()); }
    QByteArray settingsBytes() const { return readFile(dir.filePath("settings.ini")); }
};
