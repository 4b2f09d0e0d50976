#include "cli/commandline.h"

#include "cli/exportcommand.h"
#include "cli/importcommand.h"
#include "cli/output.h"
#include "cli/synccommand.h"
#include "cli/upcoming.h"
#include "core/calendar/clock.h"
#include "core/exchange/importformats.h"
#include "core/program/programidentity.h"
#include "core/settings/datelocale.h"
#include "core/settings/settingsstore.h"
#include "core/store/birthdaystore.h"
#include "core/store/datafilepath.h"
#include "core/text/translations.h"
#include "platform/filenames.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>

namespace CommandLine {

namespace {

// A hundred years: every yearly event comes round within any longer span anyway.
constexpr qint64 maximumDays = 36500;

} // namespace

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
        // -sync alone is the X server's option; --sync is ours.
        if (QByteArray(argv[i]) == "--sync")
            return true;
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

int run(int argc, char** argv, const SyncServices& sync)
{
    setProgramIdentity();
    QCoreApplication app(argc, argv);
    const QString language = Translations::install(app, QLocale::system().uiLanguages());

    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Candlewatcher reminds you of birthdays and other dated events. Without "
                       "options it starts in the system tray; with one of the options below it "
                       "does that one thing and ends, whether or not it runs in the tray."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption upcoming(
        QStringLiteral("upcoming"),
        //: DAYS is the value's name in the usage line: keep it as it is.
        QCoreApplication::translate(
            "CommandLine", "List the events of the next DAYS days (default 30), soonest first."));
    const QCommandLineOption json(
        QStringLiteral("json"),
        QCoreApplication::translate("CommandLine", "With --upcoming: print a JSON array instead."));
    const QCommandLineOption import(QStringLiteral("import"), ImportFormats::importHelp(),
                                    QStringLiteral("FILE"));
    const QCommandLineOption dryRun(
        QStringLiteral("dry-run"),
        QCoreApplication::translate("CommandLine", "With --import: show what would be imported."));
    const QCommandLineOption exportIcs(
        QStringLiteral("export-ics"),
        //: FILE is the value's name in the usage line: keep it as it is.
        QCoreApplication::translate(
            "CommandLine",
            "Write every event to FILE as an iCalendar file (- for standard output)."),
        QStringLiteral("FILE"));
    const QCommandLineOption syncOption(
        QStringLiteral("sync"),
        QCoreApplication::translate("CommandLine",
                                    "Sync every subscribed address book and calendar once."));
    parser.addOptions({upcoming, json, import, dryRun, exportIcs, syncOption});
    parser.addPositionalArgument(
        QStringLiteral("DAYS"),
        QCoreApplication::translate("CommandLine", "With --upcoming: how many days ahead."),
        QStringLiteral("[DAYS]"));
    parser.addPositionalArgument(
        QStringLiteral("FILE"),
        QCoreApplication::translate("CommandLine", "With --import: more files to import."),
        QStringLiteral("[FILE...]"));

    // The parser would read "-3" as an option; a negative number is a DAYS value out of range,
    // so it is set aside and judged with the others.
    QStringList arguments = FileNames::arguments(argc, argv);
    QStringList negatives;
    static const QRegularExpression negative(QStringLiteral("^-[0-9]+$"));
    for (qsizetype i = arguments.size() - 1; i > 0; --i) {
        if (negative.match(arguments.at(i)).hasMatch())
            negatives.prepend(arguments.takeAt(i));
    }
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(help))
        parser.showHelp(Done);
    if (parser.isSet(version))
        parser.showVersion();
    const int actions = int(parser.isSet(upcoming)) + int(parser.isSet(import)) +
                        int(parser.isSet(exportIcs)) + int(parser.isSet(syncOption));
    const QStringList rest = negatives + parser.positionalArguments();
    if (actions != 1)
        return usageError(QCoreApplication::translate(
            "CommandLine", "give one of --upcoming, --import, --export-ics and --sync."));
    if (parser.isSet(json) && !parser.isSet(upcoming))
        return usageError(
            QCoreApplication::translate("CommandLine", "--json goes with --upcoming."));
    if (parser.isSet(dryRun) && !parser.isSet(import))
        return usageError(
            QCoreApplication::translate("CommandLine", "--dry-run goes with --import."));
    const QString unexpected =
        QCoreApplication::translate("CommandLine", "unexpected argument \"%1\".");
    qint64 days = 30;
    if (parser.isSet(upcoming) && !rest.isEmpty()) {
        bool number = false;
        days = rest.first().toLongLong(&number);
        if (!number || days < 0 || days > maximumDays)
            return usageError(
                QCoreApplication::translate("CommandLine",
                                            "DAYS must be a whole number from 0 to %1, not \"%2\".")
                    .arg(QString::number(maximumDays), rest.first()));
        if (rest.size() > 1)
            return usageError(unexpected.arg(rest.at(1)));
    } else if ((parser.isSet(exportIcs) || parser.isSet(syncOption)) && !rest.isEmpty()) {
        return usageError(unexpected.arg(rest.first()));
    }

    BirthdayStore store(dataFilePath());
    SettingsStore settings;
    Clock clock;
    store.setClock(clock);
    // Read, never recorded here: a script's language (a cron job's LANG) says nothing about the
    // language the tray program wrote the file in, which its own first start records.
    store.setDateLocale(DateLocale::recorded(settings));
    if (parser.isSet(upcoming))
        return listUpcoming(store, settings, clock, days, parser.isSet(json), QLocale(language));
    if (parser.isSet(import))
        return importFiles(store, clock, QStringList{parser.value(import)} + rest,
                           parser.isSet(dryRun));
    if (parser.isSet(syncOption))
        return syncSubscriptions(store, settings, clock, sync);
    return exportCalendar(store, settings, clock, parser.value(exportIcs));
}

} // namespace CommandLine
