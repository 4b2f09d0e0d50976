#include "core/store/eventrulefile.h"

#include "core/store/jsonfile.h"
#include "core/text/textconv.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

namespace {

// Raised when a later version changes what an older one would misread.
constexpr int fileVersion = 1;
// Far above what a list of events' rules comes to; a larger file is not this program's.
constexpr qint64 maxFileBytes = 8 * 1024 * 1024;

} // namespace

std::optional<YearlyRule> EventRuleTable::ruleFor(const BirthdayRecord& record) const
{
    for (const EventRule& entry : rules) {
        if (entry.key == record.key && entry.name == record.value(BirthdayRecord::Name) &&
            entry.storedDate == record.value(BirthdayRecord::Date))
            return entry.rule;
    }
    return std::nullopt;
}

void EventRuleTable::attachTo(QList<BirthdayRecord>& records) const
{
    for (BirthdayRecord& record : records)
        record.rule = ruleFor(record);
}

namespace EventRuleFile {

QString pathFor(const QString& dataPath)
{
    const QFileInfo data(dataPath);
    return data.dir().filePath(data.completeBaseName() + QStringLiteral("-rules.json"));
}

Expected<EventRuleTable> load(const QString& path)
{
    const JsonFile::Texts texts{
        QCoreApplication::translate("EventRuleFile", "The rules file \"%1\" is damaged: %2."),
        QCoreApplication::translate(
            "EventRuleFile",
            "The rules file \"%1\" was written by a newer version of the program."),
        QCoreApplication::translate("EventRuleFile",
                                    "The rules file \"%1\" is larger than %2 MB, more than this "
                                    "program writes: it is not read.")};
    const Expected<std::optional<QJsonObject>> read =
        JsonFile::read(path, fileVersion, maxFileBytes, texts);
    if (!read)
        return UserError{read.error()};
    EventRuleTable table;
    if (!*read)
        return table;
    const QJsonObject& root = **read;
    const QString name = QDir::toNativeSeparators(path);
    const QJsonArray entries = root.value("events").toArray();
    for (const auto& value : entries) {
        const QJsonObject object = value.toObject();
        const std::optional<YearlyRule> rule =
            YearlyRule::fromText(object.value("rule").toString());
        if (!rule || !object.value("key").isDouble() || !object.value("name").isString() ||
            !object.value("date").isString()) {
            return UserError{QCoreApplication::translate(
                                 "EventRuleFile",
                                 "The rules file \"%1\" is damaged: an entry in it does not read.")
                                 .arg(name)};
        }
        table.rules.append({object.value("key").toInt(), object.value("name").toString(),
                            object.value("date").toString(), *rule});
    }
    return table;
}

Expected<> save(const QString& path, const EventRuleTable& table)
{
    QJsonArray entries;
    for (const EventRule& entry : table.rules) {
        entries.append(QJsonObject{{"key", entry.key},
                                   {"name", entry.name},
                                   {"date", entry.storedDate},
                                   {"rule", entry.rule.toText()}});
    }
    return JsonFile::write(path, fileVersion, QJsonObject{{"events", entries}});
}

Expected<> setRule(const QString& path, const BirthdayRecord& record,
                   const std::optional<YearlyRule>& rule, bool keepOthers)
{
    Expected<EventRuleTable> table = load(path);
    if (!table)
        return UserError{table.error()};
    table->rules.removeIf([&](const EventRule& entry) {
        return entry.key == record.key &&
               (!keepOthers || entry.storedDate == record.value(BirthdayRecord::Date));
    });
    if (rule)
        table->rules.append({record.key, record.value(BirthdayRecord::Name),
                             record.value(BirthdayRecord::Date), *rule});
    return save(path, *table);
}

Expected<> rollForward(BirthdayStore& store, QList<BirthdayRecord>& records, QDate today,
                       LeapDayRule leapDay)
{
    const QString path = pathFor(store.dataPath());
    for (BirthdayRecord& record : records) {
        if (!record.rule || record.value(BirthdayRecord::Recurs) != QLatin1String("1"))
            continue;
        const std::optional<QDate> stored =
            TextConv::textToDate(record.value(BirthdayRecord::Date), store.dateLocale());
        if (stored && *stored >= today)
            continue;
        const QDate next = nextOccurrence(*record.rule, today, leapDay);
        if (!next.isValid())
            continue;
        BirthdayRecord moved = record;
        moved.setValue(BirthdayRecord::Date, TextConv::dateToText(next));
        if (Expected<> kept = setRule(path, moved, record.rule, true); !kept)
            return kept;
        const BirthdayStore::Outcome outcome =
            store.updateField(record, BirthdayRecord::Date, moved.value(BirthdayRecord::Date));
        if (outcome == BirthdayStore::Outcome::Failed)
            return UserError{store.errorString()};
        // Another copy changed the record meanwhile: the next read sees what it wrote.
        if (outcome == BirthdayStore::Outcome::Changed)
            continue;
        record = moved;
        if (Expected<> dropped = setRule(path, record, record.rule); !dropped)
            return dropped;
    }
    return {};
}

} // namespace EventRuleFile
