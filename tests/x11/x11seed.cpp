// Prepares a data file for the X server tests: one live event that is not due for months (so no
// window of the reminder gets in the way) and the dead cells of a deleted one, which the
// compaction at unload must drop; with "due", also an event due today, without an alert
// dialog, so the notification window shows at start. Prints the file's size.
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
    if (args.size() != 2 && (args.size() != 3 || args[2] != "due")) {
        err << "usage: x11seed <birthday.dat> [due]\n";
        return 2;
    }
    BirthdayStore store(args[1]);
    const QDate notDue = QDate::currentDate().addMonths(6);
    const bool written =
        store.fieldWrite("Name", 0, "Ada Lovelace") &&
        store.fieldWrite("Date", 0, TextConv::dateToText(QDate(1990, notDue.month(), 1))) &&
        store.fieldWrite("Recurs", 0, "1") && store.fieldWrite("Notify", 0, "3") &&
        store.fieldWrite("Alert", 0, "1") && store.fieldWrite("ShowYears", 0, "0") &&
        store.fieldWrite("Name", 1, "Deleted") && store.recordDelete(1);
    const QDate today = QDate::currentDate();
    const bool seeded =
        written &&
        (args.size() == 2 ||
         (store.fieldWrite("Name", 2, "Grace Hopper") &&
          // 2000 holds every day of the year, 29 February too.
          store.fieldWrite("Date", 2,
                           TextConv::dateToText(QDate(2000, today.month(), today.day()))) &&
          store.fieldWrite("Recurs", 2, "1") && store.fieldWrite("Notify", 2, "3") &&
          store.fieldWrite("Alert", 2, "1") && store.fieldWrite("ShowYears", 2, "1")));
    if (!seeded) {
        err << "x11seed: " << store.errorString() << "\n";
        return 1;
    }
    QTextStream(stdout) << QFileInfo(args[1]).size() << "\n";
    return 0;
}
