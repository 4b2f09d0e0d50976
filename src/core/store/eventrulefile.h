#pragma once

#include "core/events/birthdayrecord.h"
#include "core/program/expected.h"
#include "core/rules/yearlyrule.h"
#include "core/store/birthdaystore.h"

#include <QList>
#include <QString>

#include <optional>

// What the data file cannot hold: a moving event's rule. Kept beside the data file, whose Date
// cell holds the rule's next day as an ordinary date, so an older copy still reminds on it.
struct EventRule
{
    // The record it belongs to: its key, name and stored Date text. A record an older copy
    // deleted, or a key it reused for another event, no longer matches and inherits nothing.
    int key = -1;
    QString name;
    QString storedDate;
    YearlyRule rule;
    bool operator==(const EventRule&) const = default;
};

struct EventRuleTable
{
    QList<EventRule> rules;

    // The rule of the record as it is stored now; none when no entry matches it whole.
    std::optional<YearlyRule> ruleFor(const BirthdayRecord& record) const;
    // Gives each record its rule.
    void attachTo(QList<BirthdayRecord>& records) const;
};

namespace EventRuleFile {

// birthday-rules.json in the data file's folder, named after the data file.
QString pathFor(const QString& dataPath);

// The table; an empty one where the file does not exist. A file that can't be read, is damaged
// or was written by a newer version gives nothing and the reason: the caller shows it and must
// not save over the file, which would lose every rule.
Expected<EventRuleTable> load(const QString& path);

// Writes the whole table or nothing.
Expected<> save(const QString& path, const EventRuleTable& table);

// Gives the record, as it is stored now, its rule, or with none takes the record's rules away;
// keeps the entry for another stored date of the same record when `keepOthers` is set.
// Refused, with the reason, when the file does not read.
Expected<> setRule(const QString& path, const BirthdayRecord& record,
                   const std::optional<YearlyRule>& rule, bool keepOthers = false);

// Moves each moving event's Date cell on once its day has passed, to the rule's next day, so an
// older copy that reads the data file alone reminds on it. The new date's entry is written
// before the cell and the old one dropped after, so a crash in between loses no rule. The
// records take the new dates; a failed write stops it.
Expected<> rollForward(BirthdayStore& store, QList<BirthdayRecord>& records, QDate today,
                       LeapDayRule leapDay);

} // namespace EventRuleFile
