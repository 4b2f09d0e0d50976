#include "core/store/eventrulefile.h"

#include "core/text/textconv.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace {

// Raised when a later version changes what an older one would misread.
constexpr int fileVersion = 1;

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

std::optional<EventRuleTable> load(const QString& path, QString& error)
{
    EventRuleTable table;
    QFile file(path);
    if (!file.exists())
        return table;
    const QString name = QDir::toNativeSeparators(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QCoreApplication::translate("EventRuleFile", "Cannot read \"%1\": %2.")
                    .arg(name, file.errorString());
        return std::nullopt;
    }
    QJsonParseError parsed;
    const QJsonObject root = QJsonDocument::fromJson(file.readAll(), &parsed).object();
    if (parsed.error != QJsonParseError::NoError || root.isEmpty()) {
        error =
            QCoreApplication::translate("EventRuleFile", "The rules file \"%1\" is damaged: %2.")
                .arg(name, parsed.error != QJsonParseError::NoError ? parsed.errorString()
                                                                    : QStringLiteral("empty"));
        return std::nullopt;
    }
    if (root.value("version").toInt() > fileVersion) {
        error = QCoreApplication::translate(
                    "EventRuleFile",
                    "The rules file \"%1\" was written by a newer version of the program.")
                    .arg(name);
        return std::nullopt;
    }
    const QJsonArray entries = root.value("events").toArray();
    for (const auto& value : entries) {
        const QJsonObject object = value.toObject();
        const std::optional<YearlyRule> rule =
            YearlyRule::fromText(object.value("rule").toString());
        if (!rule || !object.value("key").isDouble() || !object.value("name").isString() ||
            !object.value("date").isString()) {
            error = QCoreApplication::translate(
                        "EventRuleFile",
                        "The rules file \"%1\" is damaged: an entry in it does not read.")
                        .arg(name);
            return std::nullopt;
        }
        table.rules.append({object.value("key").toInt(), object.value("name").toString(),
                            object.value("date").toString(), *rule});
    }
    return table;
}

bool save(const QString& path, const EventRuleTable& table, QString& error)
{
    QJsonArray entries;
    for (const EventRule& entry : table.rules) {
        entries.append(QJsonObject{{"key", entry.key},
                                   {"name", entry.name},
                                   {"date", entry.storedDate},
                                   {"rule", entry.rule.toText()}});
    }
    const QByteArray bytes =
        QJsonDocument(QJsonObject{{"version", fileVersion}, {"events", entries}}).toJson();
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    error = QCoreApplication::translate("EventRuleFile", "Cannot write \"%1\": %2.")
                .arg(QDir::toNativeSeparators(path), file.errorString());
    return false;
}

bool setRule(const QString& path, const BirthdayRecord& record,
             const std::optional<YearlyRule>& rule, QString& error, bool keepOthers)
{
    std::optional<EventRuleTable> table = load(path, error);
    if (!table)
        return false;
    table->rules.removeIf([&](const EventRule& entry) {
        return entry.key == record.key &&
               (!keepOthers || entry.storedDate == record.value(BirthdayRecord::Date));
    });
    if (rule)
        table->rules.append({record.key, record.value(BirthdayRecord::Name),
                             record.value(BirthdayRecord::Date), *rule});
    return save(path, *table, error);
}

bool rollForward(BirthdayStore& store, QList<BirthdayRecord>& records, QDate today,
                 LeapDayRule leapDay, QString& error)
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
        if (!setRule(path, moved, record.rule, error, true))
            return false;
        const BirthdayStore::Outcome outcome =
            store.updateField(record, BirthdayRecord::Date, moved.value(BirthdayRecord::Date));
        if (outcome == BirthdayStore::Outcome::Failed) {
            error = store.errorString();
            return false;
        }
        // Another copy changed the record meanwhile: the next read sees what it wrote.
        if (outcome == BirthdayStore::Outcome::Changed)
            continue;
        record = moved;
        if (!setRule(path, record, record.rule, error))
            return false;
    }
    return true;
}

} // namespace EventRuleFile
