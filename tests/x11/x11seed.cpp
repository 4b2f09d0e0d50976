// Prepares a data file for the X server tests: one live event that is not due for months (so no
// window of the reminder gets in the way), or with "due" one due today, and the dead cells of
// a deleted one, which the compaction at unload must drop. Prints the file's size.
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
    if (args.size() != 2 && args.value(2) != QLatin1String("due")) {
        err << "usage: x11seed <birthday.dat> [due]\n";
        return 2;
    }
    BirthdayStore store(args[1]);
    const QDate today = QDate::currentDate();
    // 28 years back: a leap day stays a leap day.
    const QDate date =
        args.size() == 2 ? QDate(1990, today.addMonths(6).month(), 1) : today.addYears(-28);
    const bool written = store.fieldWrite("Name", 0, "Ada Lovelace") &&
                         store.fieldWrite("Date", 0, TextConv::dateToText(date)) &&
                         store.fieldWrite("Recurs", 0, "1") && store.fieldWrite("Notify", 0, "3") &&
                         store.fieldWrite("Alert", 0, "1") &&
                         store.fieldWrite("ShowYears", 0, "0") &&
                         store.fieldWrite("Name", 1, "Deleted") && store.fieldDelete("Name", 1);
    if (!written) {
        err << "x11seed: " << store.errorString() << "\n";
        return 1;
    }
    QTextStream(stdout) << QFileInfo(args[1]).size() << "\n";
    return 0;
}
