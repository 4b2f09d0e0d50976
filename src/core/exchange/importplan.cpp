#include "core/exchange/importplan.h"

#include "core/events/birthdayinput.h"
#include "core/exchange/importformats.h"
#include "core/store/birthdaystore.h"
#include "core/text/textconv.h"

#include <QDir>
#include <QFile>
#include <QSet>

namespace {

QString duplicateKey(const QString& name, QDate date)
{
    return name.trimmed().toCaseFolded() +
           QStringLiteral("\n%1-%2").arg(date.month()).arg(date.day());
}

// Names longer than the data file's Name cell lose their end, never half a character.
QString fitted(QString name)
{
    while (BirthdayInput::nameBytes(name) > BirthdayInput::nameMaxBytes)
        name.chop(name.size() >= 2 && name.back().isLowSurrogate() ? 2 : 1);
    return name;
}

QString oneOf(const QString& given, const QStringList& allowed, const QString& otherwise)
{
    return allowed.contains(given) ? given : otherwise;
}

BirthdayRecord recordFor(const ImportEntry& entry, QDate today, const QLocale& locale)
{
    QDate date = entry.date;
    if (!entry.hasYear) {
        int year = today.year();
        while (date.month() == 2 && date.day() == 29 && !QDate::isLeapYear(year))
            --year;
        date = QDate(year, date.month(), date.day());
    }
    const QString yes = QStringLiteral("1"), no = QStringLiteral("0");
    const bool notifyFits =
        entry.notify.size() <= 2 && BirthdayInput::notifyTextValid(entry.notify);
    BirthdayRecord record;
    record.setValue(BirthdayRecord::Name, fitted(entry.name));
    record.setValue(BirthdayRecord::Date, TextConv::dateToText(date, locale));
    record.setValue(BirthdayRecord::Recurs, entry.recurs ? yes : no);
    record.setValue(BirthdayRecord::Notify, notifyFits ? entry.notify : QStringLiteral("10"));
    record.setValue(BirthdayRecord::Alert, oneOf(entry.alert, {yes, no}, no));
    record.setValue(BirthdayRecord::ShowYears,
                    oneOf(entry.showYears, {yes, no}, entry.hasYear && entry.recurs ? yes : no));
    return record;
}

} // namespace

namespace ImportPlan {

ImportFile read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ImportFile failed;
        failed.error = QStringLiteral("It could not be read: %1.").arg(file.errorString());
        return failed;
    }
    return readData(file.readAll());
}

ImportFile readData(const QByteArray& data)
{
    if (const ImportFormat* format = ImportFormats::detect(data))
        return format->read(data);
    ImportFile file;
    file.error = data.trimmed().isEmpty() ? QStringLiteral("The file is empty.")
                                          : ImportFormats::unknownFileText();
    return file;
}

QList<Item> plan(const QList<ImportEntry>& entries, const QList<BirthdayRecord>& stored,
                 QDate today, const QLocale& locale)
{
    QSet<QString> present;
    for (const BirthdayRecord& record : stored)
        if (const auto date = TextConv::textToDate(record.value(BirthdayRecord::Date), locale))
            present.insert(duplicateKey(record.value(BirthdayRecord::Name), *date));

    QList<Item> items;
    for (const ImportEntry& entry : entries) {
        Item item;
        item.entry = entry;
        item.reason = entry.reason;
        switch (entry.problem) {
        case ImportEntry::Problem::NoDate:
            item.status = Item::Status::NoDate;
            break;
        case ImportEntry::Problem::LeftOut:
            item.status = Item::Status::LeftOut;
            break;
        case ImportEntry::Problem::Broken:
            item.status = Item::Status::Broken;
            break;
        case ImportEntry::Problem::None: {
            const QString key = duplicateKey(entry.name, entry.date);
            if (present.contains(key)) {
                item.status = Item::Status::AlreadyThere;
                item.reason = QStringLiteral("it is in the list already");
            }
            present.insert(key);
            item.record = recordFor(entry, today, locale);
            break;
        }
        }
        items.append(item);
    }
    return items;
}

Counts count(const QList<Item>& items)
{
    Counts counts;
    for (const Item& item : items) {
        switch (item.status) {
        case Item::Status::New:
            ++counts.added;
            break;
        case Item::Status::AlreadyThere:
            ++counts.alreadyThere;
            break;
        case Item::Status::NoDate:
            ++counts.noDate;
            break;
        case Item::Status::LeftOut:
            ++counts.leftOut;
            break;
        case Item::Status::Broken:
            ++counts.broken;
            break;
        }
    }
    return counts;
}

QString Counts::summary(bool dryRun) const
{
    QString text = QStringLiteral("%1 %2, %3 already there, %4 without a date")
                       .arg(added)
                       .arg(dryRun ? QStringLiteral("to add") : QStringLiteral("added"))
                       .arg(alreadyThere)
                       .arg(noDate);
    if (leftOut > 0)
        text += QStringLiteral(", %1 left out").arg(leftOut);
    if (broken > 0)
        text += QStringLiteral(", %1 could not be read").arg(broken);
    return text;
}

Result run(BirthdayStore& store, const QList<BirthdayRecord>& records)
{
    Result result;
    if (records.isEmpty())
        return result;
    if (!store.backup()) {
        result.error = store.errorString();
        return result;
    }
    for (const BirthdayRecord& record : records) {
        if (!store.addRecord(record)) {
            result.error = QStringLiteral("The import stopped after %1 of the %2 events were "
                                          "added.\n\n%3")
                               .arg(result.added)
                               .arg(records.size())
                               .arg(store.errorString());
            return result;
        }
        ++result.added;
    }
    return result;
}

} // namespace ImportPlan
