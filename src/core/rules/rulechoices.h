#pragma once

#include "core/rules/yearlyrule.h"

#include <QDate>
#include <QList>
#include <QLocale>
#include <QString>

// The rules an editor offers for a day the user picked: each that falls on that day in its
// year. The plain yearly date comes first, then the weekday of its month (the Nth and, in the
// month's last week, the last), the days from Western and Orthodox Easter (within 100), and the
// day in the Chinese, Hebrew and Islamic calendars.
QList<YearlyRule> rulesThrough(QDate date);

// The rule in words, in the locale's language: "on the second Sunday of May", "on 27 Nisan in
// the Hebrew calendar". The repeat every year is said by the editor beside it.
QString describeRule(const YearlyRule& rule, const QLocale& locale = QLocale());

// The day `date` is in the rule's own calendar (one kept in another calendar), as ICU writes it
// for the locale ("2 Iyar"), or in numbers where ICU has no words for it ("day 2 of month 8").
QString dayInOwnCalendar(const YearlyRule& rule, QDate date, const QLocale& locale = QLocale());
