#pragma once

#include "store/birthdayrecord.h"
#include "text/textconv.h"

#include <QDate>

// The record a stress run of cw_storetool adds as its number-th: its fields follow from its
// name, so a reader can tell a whole record from a mixed-up one.
inline BirthdayRecord stressRecord(int id, int number)
{
    BirthdayRecord record;
    record.setValue(BirthdayRecord::Name, QStringLiteral("p%1-%2").arg(id).arg(number));
    record.setValue(BirthdayRecord::Date, TextConv::dateToText(QDate(1950, 1, 1).addDays(number)));
    record.setValue(BirthdayRecord::Recurs, QString::number(id % 2));
    record.setValue(BirthdayRecord::Notify, QString::number(number % 100));
    record.setValue(BirthdayRecord::Alert, QStringLiteral("1"));
    record.setValue(BirthdayRecord::ShowYears, QString::number(number % 2));
    return record;
}
