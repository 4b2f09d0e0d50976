// Prepares a data file for the desktop tests and the screenshot script. Without events: one live
// event that is not due for months (so no window of the reminder gets in the way) and the dead
// cells of a deleted one, which the compaction at unload must drop. With events, each given as
// "NAME|YEAR|DAYS[|ALERT[|NOTIFY[|SHOWYEARS]]]": a yearly event of that year whose day falls
// DAYS days from today (Alert "1", Notify "0", ShowYears "1" unless given). Prints the size.
#include "store/birthdaystore.h"
#include "text/textconv.h"

#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream err(stderr);
    if (args.size() < 2) {
        err << "usage: x11seed <birthday.dat> [NAME|YEAR|DAYS[|ALERT[|NOTIFY[|SHOWYEARS]]]...]\n";
        return 2;
    }
    BirthdayStore store(args[1]);
    bool written = true;
    if (args.size() == 2) {
        const QDate notDue = QDate::currentDate().addMonths(6);
        written =
            store.fieldWrite("Name", 0, "Ada Lovelace") &&
            store.fieldWrite("Date", 0, TextConv::dateToText(QDate(1990, notDue.month(), 1))) &&
            store.fieldWrite("Recurs", 0, "1") && store.fieldWrite("Notify", 0, "3") &&
            store.fieldWrite("Alert", 0, "1") && store.fieldWrite("ShowYears", 0, "0") &&
            store.fieldWrite("Name", 1, "Deleted") && store.recordDelete(1);
    }
    for (int key = 0; written && key + 2 < args.size(); ++key) {
        const QStringList parts = args[key + 2].split(u'|');
        const QDate day = QDate::currentDate().addDays(parts.value(2).toInt());
        const QDate date(parts.value(1).toInt(), day.month(), day.day());
        const QStringList fields = {"Name", "Date", "Recurs", "Notify", "Alert", "ShowYears"};
        const QStringList values = {
            parts.value(0),      TextConv::dateToText(date), "1",
            parts.value(4, "0"), parts.value(3, "1"),        parts.value(5, "1")};
        for (int i = 0; written && i < fields.size(); ++i)
            written = store.fieldWrite(fields[i], key, values[i]);
    }
    if (!written) {
        err << "x11seed: " << store.errorString() << "\n";
        return 1;
    }
    QTextStream(stdout) << QFileInfo(args[1]).size() << "\n";
    return 0;
}
