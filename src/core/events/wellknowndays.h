#pragma once

#include "core/rules/yearlyrule.h"

#include <QDate>
#include <QString>

#include <array>

// The built-in table of well-known dated events offered by the special events picker, in its
// fixed order. Day and month are two-digit texts exactly as the table gives them; a few rows
// look odd (Epiphany after World Religion Day) and are kept as they have always been.
namespace WellKnownDays {

struct Row
{
    const char* name;
    const char* day;   // "01".."31"
    const char* month; // "01".."12"
    const char* rule;  // a moving day's rule, as YearlyRule::fromText reads it; null when fixed

    // The name in the user's language: shown in the picker and stored so when imported.
    QString nameText() const;
    // When it falls: the fixed day and month, or the moving day's rule.
    YearlyRule yearlyRule() const;
    // The list's "Event Date" column: month, a backslash, day, of its day in `year`.
    QString shownAs(int year) const;
};

inline constexpr int rowCount = 44;

const std::array<Row, rowCount>& table();

// Reads month and day back from an "Event Date" text (first two and last two characters) and
// builds that day in the given year; an invalid date when the text does not hold them.
QDate dateFromShown(const QString& shownAs, int year);

} // namespace WellKnownDays
