// Prepares a data file for the tests of the real program. Each event is given as
// "NAME|YEAR|DAYS[|ALERT[|NOTIFY]]": a yearly event of that year whose day falls DAYS days from
// today (Alert "1", Notify "0" unless given); without any, one not due for half a year. The
// dead cells of a deleted event follow, which the compaction at unload must drop. Prints the
// file's size.
#include "store/birthdaystore.h"
#include "text/textconv.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList events = app.arguments().mid(2);
    if (app.arguments().size() < 2) {
        QTextStream(stderr)
            << "usage: x11seed <birthday.dat> [NAME|YEAR|DAYS[|ALERT[|NOTIFY]]...]\n";
        return 2;
    }
    if (events.isEmpty())
        events << "Ada Lovelace|1990|183";
    BirthdayStore store(app.arguments().at(1));
    std::optional<int> key;
    for (const QString& event : events + QStringList{"Deleted|2000|200"}) {
        const QStringList given = event.split(u'|');
        const QDate day = QDate::currentDate().addDays(given.value(2).toInt());
        BirthdayRecord record;
        record.values = {
            given.value(0),
            TextConv::dateToText(QDate(given.value(1).toInt(), day.month(), day.day())),
            "1",
            given.value(4, "0"),
            given.value(3, "1"),
            QString(),
            "1"};
        if (!(key = store.recordAdd(record)))
            break;
    }
    if (!key || store.recordDelete(*store.recordRead(*key)) != BirthdayStore::Outcome::Done) {
        QTextStream(stderr) << "x11seed: " << store.errorString() << "\n";
        return 1;
    }
    QTextStream(stdout) << QFileInfo(app.arguments().at(1)).size() << "\n";
    return 0;
}
