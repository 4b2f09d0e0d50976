// Prepares a data file for the X server tests: one live event that is not due for months (so no
// window of the reminder gets in the way) and the dead cells of a deleted one, which the
// compaction at unload must drop. Prints the file's size. Given events instead, each as
// "NAME|YEAR|DAYS[|ALERT[|NOTIFY[|SHOWYEARS]]]": yearly events of that year whose day falls
// DAYS days from today (Alert "1", Notify "0", ShowYears "1" unless given).
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
    for (int key = 0; key + 2 < args.size(); ++key) {
        const QStringList given = args[key + 2].split(u'|');
        const QDate day = QDate::currentDate().addDays(given.value(2).toInt());
        const QStringList values = {
            given.value(0),
            TextConv::dateToText(QDate(given.value(1).toInt(), day.month(), day.day())),
            "1",
            given.value(4, "0"),
            given.value(3, "1"),
            given.value(5, "1")};
        int i = 0;
        for (const char* field : {"Name", "Date", "Recurs", "Notify", "Alert", "ShowYears"})
            if (!store.fieldWrite(field, key, values.at(i++))) {
                err << "x11seed: " << store.errorString() << "\n";
                return 1;
            }
    }
    if (args.size() > 2) {
        QTextStream(stdout) << QFileInfo(args[1]).size() << "\n";
        return 0;
    }
    const QDate notDue = QDate::currentDate().addMonths(6);
    const bool written =
        store.fieldWrite("Name", 0, "Ada Lovelace") &&
        store.fieldWrite("Date", 0, TextConv::dateToText(QDate(1990, notDue.month(), 1))) &&
        store.fieldWrite("Recurs", 0, "1") && store.fieldWrite("Notify", 0, "3") &&
        store.fieldWrite("Alert", 0, "1") && store.fieldWrite("ShowYears", 0, "0") &&
        store.fieldWrite("Name", 1, "Deleted") && store.fieldDelete("Name", 1);
    if (!written) {
        err << "x11seed: " << store.errorString() << "\n";
        return 1;
    }
    QTextStream(stdout) << QFileInfo(args[1]).size() << "\n";
    return 0;
}
