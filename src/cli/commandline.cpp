#include "cli/commandline.h"

#include "core/calendar/clock.h"
#include "core/calendar/occurrence.h"
#include "core/comments/webtexts.h"
#include "core/exchange/calendarexchange.h"
#include "core/exchange/importformats.h"
#include "core/exchange/importplan.h"
#include "core/program/programidentity.h"
#include "core/settings/settingsstore.h"
#include "core/store/birthdaystore.h"
#include "core/store/databasedefine.h"
#include "core/text/textconv.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <algorithm>
#include <cstdio>

namespace {

enum Status { Done = 0, Failed = 1, Usage = 2 };

void print(FILE* stream, const QString& text)
{
    std::fputs(text.toUtf8().constData(), stream);
}

int failed(const QString& message)
{
    print(stderr, QStringLiteral("candlewatcher: %1\n").arg(message));
    return Failed;
}

int usage(const QString& message)
{
    print(stderr, QStringLiteral("candlewatcher: %1\nTry 'candlewatcher --help'.\n").arg(message));
    return Usage;
}

struct Upcoming
{
    BirthdayRecord record;
    Occurrence next;
    bool showAge = false;
};

// "Sun 8 Dec  in 2 days  Anna Schmidt (42)", in English whatever the user's language, as
// scripts and status bars read it.
QString upcomingLine(const Upcoming& u)
{
    const QString when = u.next.days == 0   ? QStringLiteral("today")
                         : u.next.days == 1 ? QStringLiteral("tomorrow")
                                            : QStringLiteral("in %1 days").arg(u.next.days);
    QString line = QLocale::c().toString(u.next.date, QStringLiteral("ddd d MMM")) +
                   QStringLiteral("  ") + when + QStringLiteral("  ") +
                   u.record.value(BirthdayRecord::Name);
    if (u.showAge)
        line += QStringLiteral(" (%1)").arg(u.next.years);
    return line + u'\n';
}

int upcomingList(BirthdayStore& store, SettingsStore& settings, const Clock& clock, qint64 days,
                 bool json)
{
    const std::optional<QList<BirthdayRecord>> records = store.recordsReadAll();
    if (!records)
        return failed(store.errorString());
    const LeapDayRule rule = LeapDayRules::fromName(settings.read(Setting::leapDayEvents));
    const QDate today = clock.today();
    QList<Upcoming> found;
    QStringList unreadable;
    for (const BirthdayRecord& record : *records) {
        const std::optional<QDate> date = TextConv::textToDate(record.value(BirthdayRecord::Date));
        if (!date) {
            unreadable << record.value(BirthdayRecord::Name);
            continue;
        }
        const bool recurs = record.value(BirthdayRecord::Recurs) == QLatin1String("1");
        const std::optional<Occurrence> next = nextOccurrence(*date, recurs, today, rule);
        if (next && next->days <= days)
            found.append({record, *next,
                          recurs && record.value(BirthdayRecord::ShowYears) != QLatin1String("0")});
    }
    std::stable_sort(found.begin(), found.end(), [](const Upcoming& a, const Upcoming& b) {
        return a.next.days < b.next.days;
    });
    if (!unreadable.isEmpty())
        print(stderr, QStringLiteral("candlewatcher: left out, their dates could not be read: %1\n")
                          .arg(unreadable.join(QStringLiteral(", "))));

    if (!json) {
        for (const Upcoming& u : found)
            print(stdout, upcomingLine(u));
        return Done;
    }
    QJsonArray list;
    for (const Upcoming& u : found) {
        list.append(QJsonObject{
            {QStringLiteral("name"), u.record.value(BirthdayRecord::Name)},
            {QStringLiteral("date"), u.next.date.toString(Qt::ISODate)},
            {QStringLiteral("days"), u.next.days},
            {QStringLiteral("years"), u.showAge ? QJsonValue(u.next.years) : QJsonValue()},
            {QStringLiteral("key"), u.record.key},
        });
    }
    print(stdout, QString::fromUtf8(QJsonDocument(list).toJson(QJsonDocument::Indented)));
    return Done;
}

int importFiles(BirthdayStore& store, const Clock& clock, const QStringList& paths, bool dryRun)
{
    // Every file is read before anything is written: one unusable file stops the lot.
    QList<ImportEntry> entries;
    bool unusable = false;
    for (const QString& path : paths) {
        const ImportFile file = ImportPlan::read(path);
        if (!file.error.isEmpty()) {
            failed(QStringLiteral("nothing was imported from \"%1\": %2").arg(path, file.error));
            unusable = true;
        }
        entries += file.entries;
    }
    if (unusable)
        return Failed;
    const std::optional<QList<BirthdayRecord>> stored = store.recordsReadAll();
    if (!stored)
        return failed(store.errorString());
    const QList<ImportPlan::Item> items = ImportPlan::plan(entries, *stored, clock.today());
    ImportPlan::Counts counts = ImportPlan::count(items);
    QList<BirthdayRecord> records;
    for (const ImportPlan::Item& item : items) {
        if (item.status == ImportPlan::Item::Status::New)
            records.append(item.record);
        else if (dryRun || item.status == ImportPlan::Item::Status::Broken)
            print(stderr, QStringLiteral("skipped: %1: %2\n").arg(item.entry.name, item.reason));
    }
    if (dryRun) {
        for (const BirthdayRecord& record : records)
            print(stdout,
                  QStringLiteral("to add: %1 (%2)\n")
                      .arg(record.value(BirthdayRecord::Name), record.value(BirthdayRecord::Date)));
        print(stdout, counts.summary(true) + u'\n');
    } else {
        const ImportPlan::Result result = ImportPlan::run(store, records);
        counts.added = result.added;
        print(stdout, counts.summary() + u'\n');
        if (!result.error.isEmpty())
            return failed(result.error);
    }
    if (!counts.anyDated())
        return failed(QStringLiteral("the files hold no contact or event with a date."));
    return Done;
}

int exportCalendar(BirthdayStore& store, SettingsStore& settings, const Clock& clock,
                   const QString& target)
{
    const std::optional<QList<BirthdayRecord>> records = store.recordsReadAll();
    if (!records)
        return failed(store.errorString());
    const CalendarExchange::Export calendar =
        CalendarExchange::exportRecords(*records, CalendarExchange::exportOptions(settings, clock));
    if (target == QLatin1String("-")) {
        std::fwrite(calendar.ics.constData(), 1, size_t(calendar.ics.size()), stdout);
        if (std::fflush(stdout) != 0)
            return failed(QStringLiteral("the calendar could not be written to standard output."));
    } else {
        QSaveFile file(target);
        if (!file.open(QIODevice::WriteOnly) || file.write(calendar.ics) != calendar.ics.size() ||
            !file.commit())
            return failed(
                QStringLiteral("cannot write \"%1\": %2").arg(target, file.errorString()));
        print(stdout, QStringLiteral("%1 events written to %2\n").arg(calendar.events).arg(target));
    }
    if (!calendar.unreadable.isEmpty())
        print(stderr, QStringLiteral("candlewatcher: left out, their dates could not be read: %1\n")
                          .arg(calendar.unreadable.join(QStringLiteral(", "))));
    return Done;
}

} // namespace

namespace CommandLine {

bool requested(int argc, char** argv)
{
    // Qt's window-system options, which belong to the program in the tray; those in the first
    // list take a value as the next argument.
    static const QStringList withValue = {
        QStringLiteral("platform"),      QStringLiteral("platformpluginpath"),
        QStringLiteral("platformtheme"), QStringLiteral("plugin"),
        QStringLiteral("session"),       QStringLiteral("qwindowgeometry"),
        QStringLiteral("qwindowicon"),   QStringLiteral("qwindowtitle"),
        QStringLiteral("display"),       QStringLiteral("geometry"),
        QStringLiteral("name"),          QStringLiteral("title"),
        QStringLiteral("visual"),        QStringLiteral("style"),
        QStringLiteral("stylesheet")};
    static const QStringList alone = {QStringLiteral("reverse"), QStringLiteral("widgetcount"),
                                      QStringLiteral("nograb"), QStringLiteral("dograb"),
                                      QStringLiteral("sync")};
    for (int i = 1; i < argc; ++i) {
        QString option = QString::fromLocal8Bit(argv[i]);
        if (!option.startsWith(u'-'))
            return true;
        option = option.mid(option.startsWith(QLatin1String("--")) ? 2 : 1).section(u'=', 0, 0);
        if (withValue.contains(option) && !QByteArray(argv[i]).contains('='))
            ++i;
        else if (!withValue.contains(option) && !alone.contains(option))
            return true;
    }
    return false;
}

int run(int argc, char** argv)
{
    programIdentitySet();
    QCoreApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Candlewatcher reminds you of birthdays and other dated events. Without "
                       "options it starts in the system tray; with one of the options below it "
                       "does that one thing and ends, whether or not it runs in the tray."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption upcoming(
        QStringLiteral("upcoming"),
        QStringLiteral("List the events of the next DAYS days (default 30), soonest first."));
    const QCommandLineOption json(QStringLiteral("json"),
                                  QStringLiteral("With --upcoming: print a JSON array instead."));
    const QCommandLineOption import(QStringLiteral("import"), ImportFormats::importHelp(),
                                    QStringLiteral("FILE"));
    const QCommandLineOption dryRun(QStringLiteral("dry-run"),
                                    QStringLiteral("With --import: show what would be imported."));
    const QCommandLineOption exportIcs(
        QStringLiteral("export-ics"),
        QStringLiteral("Write every event to FILE as an iCalendar file (- for standard output)."),
        QStringLiteral("FILE"));
    parser.addOptions({upcoming, json, import, dryRun, exportIcs});
    parser.addPositionalArgument(QStringLiteral("DAYS"),
                                 QStringLiteral("With --upcoming: how many days ahead."),
                                 QStringLiteral("[DAYS]"));
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("With --import: more files to import."),
                                 QStringLiteral("[FILE...]"));

    if (!parser.parse(app.arguments()))
        return usage(parser.errorText());
    if (parser.isSet(help))
        parser.showHelp(Done);
    if (parser.isSet(version))
        parser.showVersion();
    const int actions =
        int(parser.isSet(upcoming)) + int(parser.isSet(import)) + int(parser.isSet(exportIcs));
    const QStringList rest = parser.positionalArguments();
    if (actions != 1)
        return usage(QStringLiteral("give one of --upcoming, --import and --export-ics."));
    if (parser.isSet(json) && !parser.isSet(upcoming))
        return usage(QStringLiteral("--json goes with --upcoming."));
    if (parser.isSet(dryRun) && !parser.isSet(import))
        return usage(QStringLiteral("--dry-run goes with --import."));
    qint64 days = 30;
    if (parser.isSet(upcoming) && !rest.isEmpty()) {
        bool number = false;
        days = rest.first().toLongLong(&number);
        if (!number || days < 0 || rest.size() > 1)
            return usage(QStringLiteral("DAYS must be one whole number, 0 or more."));
    } else if (parser.isSet(exportIcs) && !rest.isEmpty()) {
        return usage(QStringLiteral("unexpected argument \"%1\".").arg(rest.first()));
    }

    BirthdayStore store(databaseDefine());
    SettingsStore settings;
    Clock clock;
    store.setClock(clock);
    if (parser.isSet(upcoming))
        return upcomingList(store, settings, clock, days, parser.isSet(json));
    if (parser.isSet(import))
        return importFiles(store, clock, QStringList{parser.value(import)} + rest,
                           parser.isSet(dryRun));
    return exportCalendar(store, settings, clock, parser.value(exportIcs));
}

} // namespace CommandLine
