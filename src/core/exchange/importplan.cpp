#include "core/exchange/importplan.h"

#include "core/events/birthdayinput.h"
#include "core/exchange/importformats.h"
#include "core/store/birthdaystore.h"
#include "core/store/cellformat.h"
#include "core/store/eventrulefile.h"
#include "core/text/textconv.h"
#include "core/text/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringDecoder>

#include <algorithm>

namespace {

QString duplicateKey(const QString& name, QDate date)
{
    return name.trimmed().toCaseFolded() +
           QStringLiteral("\n%1-%2").arg(date.month()).arg(date.day());
}

// Names longer than the data file's Name cell lose their end, never half a character: the
// cut goes back from the cell's size to the start of a UTF-8 sequence, encoding the name once.
QString fitted(const QString& name)
{
    const QByteArray utf8 = name.toUtf8();
    if (utf8.size() <= BirthdayInput::nameMaxBytes)
        return name;
    qsizetype cut = BirthdayInput::nameMaxBytes;
    while (cut > 0 && (uchar(utf8[cut]) & 0xC0) == 0x80)
        --cut;
    return QString::fromUtf8(utf8.first(cut));
}

ImportFile unreadable(const QString& reason)
{
    ImportFile failed;
    failed.error = reason;
    return failed;
}

QString oneOf(const QString& given, const QStringList& allowed, const QString& otherwise)
{
    return allowed.contains(given) ? given : otherwise;
}

BirthdayRecord recordFor(const ImportEntry& entry, QDate today)
{
    QDate date = entry.date;
    if (!entry.hasYear) {
        int year = today.year();
        while (date.month() == 2 && date.day() == 29 && !QDate::isLeapYear(year))
            --year;
        date = QDate(year, date.month(), date.day());
    }
    const QString yes = QStringLiteral("1"), no = QStringLiteral("0");
    // Most files carry no Notify; the check (a pattern made for the locale) is left out then.
    const bool notifyFits = !entry.notify.isEmpty() && entry.notify.size() <= 2 &&
                            BirthdayInput::notifyTextValid(entry.notify);
    // A moving day is stored on its next day; its rule goes beside the data file.
    if (entry.rule && entry.recurs)
        date = nextOccurrence(*entry.rule, today);
    BirthdayRecord record;
    record.rule = entry.recurs ? entry.rule : std::nullopt;
    record.setValue(BirthdayRecord::Name, fitted(entry.name));
    record.setValue(BirthdayRecord::Date, TextConv::dateToText(date));
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
    // Checked before opening: opening a pipe without a writer would wait for ever.
    const QFileInfo info(path);
    const QString notAFile = QCoreApplication::translate(
        "ImportPlan",
        "It is not a regular file (it is a device, a pipe or a socket): only files are imported.");
    if (info.isDir())
        return unreadable(QCoreApplication::translate("ImportPlan", "It is a folder, not a file."));
    if (info.exists() && !info.isFile())
        return unreadable(notAFile);
    const QString tooLarge =
        QCoreApplication::translate(
            "ImportPlan", "It is larger than %1 MB, more than any contacts or calendar file holds: "
                          "an import reads files up to that size.")
            .arg(maxFileBytes / (1024 * 1024));
    if (info.size() > maxFileBytes)
        return unreadable(tooLarge);
    QFile file(path);
    const QString unreadableText =
        QCoreApplication::translate("ImportPlan", "It could not be read: %1.");
    if (!file.open(QIODevice::ReadOnly))
        return unreadable(unreadableText.arg(file.errorString()));
    // Asked again of the open file, which may have been replaced since it was looked at. The
    // memory read into is the file's size, never more than the limit.
    if (file.isSequential())
        return unreadable(notAFile);
    if (file.size() > maxFileBytes)
        return unreadable(tooLarge);
    const QByteArray data = file.read(file.size());
    if (!file.atEnd())
        return unreadable(
            QCoreApplication::translate("ImportPlan", "It changed while it was read: try again."));
    if (file.error() != QFileDevice::NoError)
        return unreadable(unreadableText.arg(file.errorString()));
    return readData(data);
}

ImportFile readData(const QByteArray& bytes)
{
    // The readers take UTF-8; a wider encoding is known by its byte-order mark only. What does
    // not decode becomes a replacement character, as a damaged name reads elsewhere.
    QByteArray data = bytes;
    const std::optional<QStringConverter::Encoding> encoding =
        QStringConverter::encodingForData(bytes);
    if (encoding && *encoding != QStringConverter::Utf8)
        data = QString(QStringDecoder(*encoding).decode(bytes)).toUtf8();
    if (const ImportFormat* format = ImportFormats::detect(data))
        return format->read(data);
    ImportFile file;
    file.error = data.trimmed().isEmpty()
                     ? QCoreApplication::translate("ImportPlan", "The file is empty.")
                     : ImportFormats::unknownFileText();
    return file;
}

ImportFile readFiles(const QStringList& paths, const QStringList& names)
{
    ImportFile all;
    QStringList unusable;
    for (qsizetype i = 0; i < paths.size(); ++i) {
        const ImportFile file = read(paths[i]);
        if (!file.error.isEmpty())
            unusable << QStringLiteral("\"%1\": %2").arg(names.value(i, paths[i]), file.error);
        all.entries += file.entries;
    }
    if (!unusable.isEmpty()) {
        all.entries.clear();
        unusable.prepend(
            paths.size() == 1
                ? QCoreApplication::translate("ImportPlan", "Nothing was added from the file.")
                //: %Ln is the number of files (2 or more), %1 how many of them could not be used.
                : QCoreApplication::translate("ImportPlan",
                                              "Nothing was added from any of the %Ln files: "
                                              "%1 of them could not be used.",
                                              nullptr, int(paths.size()))
                      .arg(unusable.size()));
        all.error = unusable.join(u'\n');
    }
    return all;
}

int eventLimit()
{
    return CellFormat::keyCount;
}

int roomLeft(const QList<BirthdayRecord>& stored)
{
    return std::max(0, eventLimit() - int(stored.size()));
}

QString limitText()
{
    //: %Ln is the most events the data file holds.
    return QCoreApplication::translate("ImportPlan", "the data file holds at most %Ln events",
                                       nullptr, eventLimit());
}

QList<Item> plan(const QList<ImportEntry>& entries, const QList<BirthdayRecord>& stored,
                 QDate today, const QLocale& locale)
{
    int room = roomLeft(stored);
    QSet<QString> present;
    for (const BirthdayRecord& record : stored)
        if (const auto date = TextConv::textToDate(record.value(BirthdayRecord::Date), locale))
            present.insert(duplicateKey(record.value(BirthdayRecord::Name), *date));

    // An anniversary is named in the language the import ran in: one imported under English
    // is there when the import runs under German.
    const QStringList anniversaryForms =
        Translations::inEveryLanguage("ImportEntry", anniversaryNameSource);
    const auto isPresent = [&](const ImportEntry& entry) {
        if (present.contains(duplicateKey(entry.name, entry.date)))
            return true;
        return entry.anniversary && !entry.contact.isEmpty() &&
               std::any_of(
                   anniversaryForms.cbegin(), anniversaryForms.cend(), [&](const QString& form) {
                       return present.contains(duplicateKey(form.arg(entry.contact), entry.date));
                   });
    };

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
            if (!entry.date.isValid() || entry.date.year() < 1) {
                item.status = Item::Status::Broken;
                item.reason = QCoreApplication::translate("ImportPlan",
                                                          "its date is not a day of the calendar");
                break;
            }
            if (entry.lastDay && (!entry.lastDay->isValid() || *entry.lastDay < today)) {
                item.status = Item::Status::LeftOut;
                item.reason =
                    entry.lastDay->isValid()
                        ? QCoreApplication::translate("ImportPlan", "its repeats ended in %1")
                              .arg(entry.lastDay->year())
                        : QCoreApplication::translate("ImportPlan",
                                                      "its repeats end before they begin");
                break;
            }
            if (isPresent(entry)) {
                item.status = Item::Status::AlreadyThere;
                item.reason =
                    QCoreApplication::translate("ImportPlan", "it is in the list already");
            } else if (entry.lastDay) {
                item.status = Item::Status::Ending;
                item.reason = QCoreApplication::translate("ImportPlan", "its repeats end in %1")
                                  .arg(entry.lastDay->year());
            } else if (room == 0) {
                item.status = Item::Status::NoRoom;
                item.reason =
                    QCoreApplication::translate("ImportPlan", "no room: %1").arg(limitText());
            } else {
                --room;
            }
            present.insert(duplicateKey(entry.name, entry.date));
            item.record = recordFor(entry, today);
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
        case Item::Status::Ending:
            ++counts.ending;
            break;
        case Item::Status::NoRoom:
            ++counts.noRoom;
            break;
        }
    }
    return counts;
}

QString Counts::summary(bool dryRun) const
{
    // The parts after the first are appended to it as the items of one list.
    QString text = (dryRun ? QCoreApplication::translate(
                                 "ImportPlan", "%L1 to add, %L2 already there, %L3 without a date")
                           : QCoreApplication::translate(
                                 "ImportPlan", "%L1 added, %L2 already there, %L3 without a date"))
                       .arg(added)
                       .arg(alreadyThere)
                       .arg(noDate);
    if (leftOut > 0)
        //: One more item of the import's summary list.
        text += QCoreApplication::translate("ImportPlan", ", %L1 left out").arg(leftOut);
    if (broken > 0)
        //: One more item of the import's summary list.
        text += QCoreApplication::translate("ImportPlan", ", %L1 could not be read").arg(broken);
    if (ending > 0)
        //: One more item of the import's summary list.
        text += QCoreApplication::translate("ImportPlan", ", %L1 whose repeats end, not chosen")
                    .arg(ending);
    if (noRoom > 0)
        //: The end of the import's summary; %3 says how many events the data file holds.
        text +=
            dryRun
                ? QCoreApplication::translate("ImportPlan", "; %L1 fit, %L2 would not be added: %3")
                      .arg(added)
                      .arg(noRoom)
                      .arg(limitText())
                //: The end of the import's summary; %2 says how many events the data file holds.
                : QCoreApplication::translate("ImportPlan", "; %L1 not added: %2")
                      .arg(noRoom)
                      .arg(limitText());
    return text;
}

Result run(BirthdayStore& store, const QList<BirthdayRecord>& records)
{
    Run adding(store, records);
    while (adding.step(QDeadlineTimer(QDeadlineTimer::Forever))) {
    }
    return adding.result();
}

Run::Run(BirthdayStore& store, QList<BirthdayRecord> records)
    : m_store(store), m_records(std::move(records))
{}

bool Run::step(QDeadlineTimer until)
{
    if (done())
        return false;
    if (!m_backedUp) {
        const Expected<> backedUp = m_store.backup();
        if (!backedUp) {
            m_result.error = backedUp.error();
            m_stopped = true;
            return false;
        }
        m_backedUp = true;
    }
    do {
        QString ruleError;
        const BirthdayRecord& record = m_records[m_result.added];
        const Expected<int> key = m_store.addRecord(record);
        if (key && record.rule) {
            BirthdayRecord added = record;
            added.key = *key;
            const Expected<> kept = EventRuleFile::setRule(
                EventRuleFile::pathFor(m_store.dataPath()), added, record.rule);
            ruleError = kept.error();
            if (!kept)
                ++m_result.added;
        }
        if (!key || !ruleError.isEmpty()) {
            //: %1 is how many events were added, %2 why the import stopped.
            m_result.error =
                QCoreApplication::translate("ImportPlan",
                                            "The import stopped after %1 of the %Ln events were "
                                            "added.\n\n%2",
                                            nullptr, int(m_records.size()))
                    .arg(QString::number(m_result.added), key ? ruleError : key.error());
            m_stopped = true;
            return false;
        }
        ++m_result.added;
    } while (!done() && !until.hasExpired());
    return !done();
}

} // namespace ImportPlan
