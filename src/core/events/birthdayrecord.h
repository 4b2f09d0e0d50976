#pragma once

#include "core/rules/yearlyrule.h"

#include <QString>

#include <array>
#include <optional>

// One event: up to seven field cells in the data file that share one record key. All values
// are text; a field the record has no live cell for reads as "".
struct BirthdayRecord
{
    // Field slots, in the order of the data file's field table.
    enum Field { Name = 0, Date, Recurs, Notify, Alert, LastDate, ShowYears, FieldCount };

    int key = -1;
    std::array<QString, FieldCount> values;
    // How a moving event's day moves, from the file beside the data file; none for a fixed day.
    std::optional<YearlyRule> rule;

    // A day and month without a year (a birthday whose year is not known): kept as a fixed-day
    // rule, so the Date cell holds only the day's next occurrence and no age follows from it.
    bool isYearless() const { return rule && rule->kind == YearlyRule::Kind::Fixed; }

    const QString& value(Field field) const { return values[field]; }
    void setValue(Field field, const QString& text) { values[field] = text; }

    bool operator==(const BirthdayRecord&) const = default;
};
