#include "cli/exportcommand.h"

#include "cli/output.h"
#include "core/calendar/clock.h"
#include "core/exchange/calendarexchange.h"
#include "core/exchange/calendarfile.h"
#include "core/settings/settingsstore.h"
#include "core/store/birthdaystore.h"
#include "platform/filenames.h"

#include <QCoreApplication>

namespace CommandLine {

int exportCalendar(BirthdayStore& store, SettingsStore& settings, const Clock& clock,
                   const QString& target)
{
    const Expected<QList<BirthdayRecord>> records = store.readAllRecords();
    if (!records)
        return fail(records.error());
    const CalendarExchange::Export calendar = CalendarExchange::exportRecords(
        *records, CalendarExchange::exportOptions(settings, clock), store.dateLocale());
    if (target == QLatin1String("-")) {
        std::fwrite(calendar.ics.constData(), 1, size_t(calendar.ics.size()), stdout);
        if (std::fflush(stdout) != 0)
            return fail(QCoreApplication::translate(
                "CommandLine", "the calendar could not be written to standard output."));
    } else {
        const QString error = FileNames::write(target, [&calendar](const QString& path) {
            return writeCalendarFile(path, calendar.ics).error();
        });
        if (!error.isEmpty())
            //: %1 is the file, %2 why it could not be written.
            return fail(QCoreApplication::translate("CommandLine", "cannot write \"%1\": %2")
                            .arg(FileNames::shown(target), error));
        //: %Ln is the number of events written, %1 the file.
        print(stdout, QCoreApplication::translate("CommandLine", "%Ln events written to %1\n",
                                                  nullptr, calendar.events)
                          .arg(FileNames::shown(target)));
    }
    printUnreadable(calendar.unreadable);
    return Done;
}

} // namespace CommandLine
