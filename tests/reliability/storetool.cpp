// Runs store operations given on its command line against one data file, for the fault tests
// that need a second process: one to kill at a chosen point, one with a file-size limit, one
// without root's rights, two at once on the same file.
//
//   cw_storetool [--fsize-limit=BYTES] [--as-nobody] <data file> <command>...
//
// Commands: list, readall, read:KEY, write:FIELD:KEY:VALUE, delete:KEY (whatever the key holds
// now), keynew, compact, add:NAME, stress:ID:OPERATIONS:SEED, count:KEY:TIMES (adds 1 to the
// number that is the record's Name), wait:FILE (until it exists), generate:RECORDS (replaces the
// file with generated records dated around today, as the benchmarks use). Each prints one line, "ok
// [result]" or "fail <error text>", and the tool goes on with the next command.

#include "datafile.h"
#include "stressrecord.h"

#include "store/birthdaystore.h"
#include "store/fieldtable.h"
#include "text/textconv.h"

#include <QCoreApplication>
#include <QFile>
#include <QMap>
#include <QRandomGenerator>
#include <QStringList>
#include <QThread>

#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>

namespace {

void print(const QString& line)
{
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

QString failLine(const BirthdayStore& store)
{
    return QStringLiteral("fail ") + store.errorString();
}

// Writes the six fields a new event gets, under the key recordKeyNew gives.
std::optional<int> addRecord(BirthdayStore& store, const QString& name, int number)
{
    const auto key = store.recordKeyNew();
    if (!key)
        return std::nullopt;
    const QString values[] = {name,
                              TextConv::dateToText(QDate(1950, 1, 1).addDays(number)),
                              QStringLiteral("1"),
                              QString::number(number % 100),
                              QStringLiteral("1"),
                              QString(),
                              QStringLiteral("0")};
    for (int slot = 0; slot < FieldTable::fieldCount; ++slot) {
        if (slot == BirthdayRecord::LastDate)
            continue;
        if (!store.fieldWrite(QLatin1String(FieldTable::fieldNames[slot]), *key, values[slot]))
            return std::nullopt;
    }
    return key;
}

// Adds 1 to the number in the Name of the record under key, with an update that states the
// record as read: when the other copy counted in between, it reads again.
bool count(BirthdayStore& store, int key)
{
    for (;;) {
        const auto record = store.recordRead(key);
        if (!record)
            return false;
        BirthdayRecord next = *record;
        next.setValue(BirthdayRecord::Name,
                      QString::number(record->value(BirthdayRecord::Name).toInt() + 1));
        const BirthdayStore::Outcome outcome = store.recordUpdate(*record, next);
        if (outcome != BirthdayStore::Outcome::Changed)
            return outcome == BirthdayStore::Outcome::Done;
    }
}

// Adds, deletes, reads back and compacts its own records at random, as one running copy of
// the program might while another does the same. Answers with the names of its records still
// alive, or with the first operation that failed.
QString stress(BirthdayStore& store, int id, int operations, quint32 seed)
{
    QRandomGenerator random(seed);
    QMap<QString, BirthdayRecord> alive; // by name
    int added = 0;
    for (int op = 0; op < operations; ++op) {
        const int dice = random.bounded(100);
        if (dice < 55 || alive.isEmpty()) {
            BirthdayRecord record = stressRecord(id, added++);
            const auto key = store.recordAdd(record);
            if (!key)
                return QStringLiteral("fail add: ") + store.errorString();
            record.key = *key;
            alive.insert(record.value(BirthdayRecord::Name), record);
        } else if (dice < 85) {
            // The other copy never takes our records, so each is still as we wrote it.
            const auto it = std::next(alive.begin(), random.bounded(int(alive.size())));
            const BirthdayStore::Outcome outcome = store.recordDelete(it.value());
            if (outcome != BirthdayStore::Outcome::Done)
                return QStringLiteral("fail delete %1: %2")
                    .arg(int(outcome))
                    .arg(store.errorString());
            alive.erase(it);
        } else if (dice < 90) {
            const auto it = std::next(alive.begin(), random.bounded(int(alive.size())));
            const auto record = store.recordRead(it.value().key);
            if (!record)
                return QStringLiteral("fail read: ") + store.errorString();
            if (record->value(BirthdayRecord::Name) != it.key())
                return QStringLiteral("fail key %1 holds %2 instead of %3")
                    .arg(it.value().key)
                    .arg(record->value(BirthdayRecord::Name), it.key());
        } else if (!store.databaseCompact()) {
            return QStringLiteral("fail compact: ") + store.errorString();
        }
    }
    return QStringLiteral("ok ") + QStringList(alive.keys()).join(QLatin1Char(','));
}

QString runCommand(BirthdayStore& store, const QString& command)
{
    const QStringList parts = command.split(QLatin1Char(':'));
    const QString& op = parts[0];
    if (op == QLatin1String("list")) {
        const auto keys = store.recordKeysList();
        if (!keys)
            return failLine(store);
        QStringList texts;
        for (int key : *keys)
            texts.append(QString::number(key));
        return QStringLiteral("ok ") + texts.join(QLatin1Char(','));
    }
    if (op == QLatin1String("readall")) {
        const auto records = store.recordsReadAll();
        return records ? QStringLiteral("ok %1").arg(records->size()) : failLine(store);
    }
    if (op == QLatin1String("read") && parts.size() == 2) {
        const auto record = store.recordRead(parts[1].toInt());
        return record ? QStringLiteral("ok ") + record->value(BirthdayRecord::Name)
                      : failLine(store);
    }
    if (op == QLatin1String("write") && parts.size() >= 4) {
        const QString value = parts.mid(3).join(QLatin1Char(':'));
        return store.fieldWrite(parts[1], parts[2].toInt(), value) ? QStringLiteral("ok")
                                                                   : failLine(store);
    }
    if (op == QLatin1String("delete") && parts.size() == 2) {
        const auto record = store.recordRead(parts[1].toInt());
        return record && store.recordDelete(*record) != BirthdayStore::Outcome::Failed
                   ? QStringLiteral("ok")
                   : failLine(store);
    }
    if (op == QLatin1String("keynew")) {
        const auto key = store.recordKeyNew();
        return key ? QStringLiteral("ok %1").arg(*key) : failLine(store);
    }
    if (op == QLatin1String("compact"))
        return store.databaseCompact() ? QStringLiteral("ok") : failLine(store);
    if (op == QLatin1String("add") && parts.size() >= 2) {
        const auto key = addRecord(store, parts.mid(1).join(QLatin1Char(':')), 0);
        return key ? QStringLiteral("ok %1").arg(*key) : failLine(store);
    }
    if (op == QLatin1String("generate") && parts.size() == 2) {
        QFile file(store.dataPath());
        const QByteArray image = DataFile::generate(parts[1].toInt(), false, false);
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                       file.write(image) == image.size()
                   ? QStringLiteral("ok")
                   : QStringLiteral("fail ") + file.errorString();
    }
    if (op == QLatin1String("stress") && parts.size() == 4)
        return stress(store, parts[1].toInt(), parts[2].toInt(), parts[3].toUInt());
    if (op == QLatin1String("wait") && parts.size() >= 2) {
        const QString file = parts.mid(1).join(QLatin1Char(':'));
        for (int i = 0; i < 10000 && !QFile::exists(file); ++i)
            QThread::msleep(1);
        return QFile::exists(file) ? QStringLiteral("ok") : QStringLiteral("fail no ") + file;
    }
    if (op == QLatin1String("count") && parts.size() == 3) {
        for (int i = 0; i < parts[2].toInt(); ++i)
            if (!count(store, parts[1].toInt()))
                return failLine(store);
        return QStringLiteral("ok");
    }
    return QStringLiteral("fail unknown command ") + command;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    while (!args.isEmpty() && args.first().startsWith(QLatin1String("--"))) {
        const QString option = args.takeFirst();
        if (option.startsWith(QLatin1String("--fsize-limit="))) {
            // A full disk, as the process sees it: writes past the limit fail with EFBIG.
            signal(SIGXFSZ, SIG_IGN);
            const rlim_t limit = option.section(QLatin1Char('='), 1).toULongLong();
            const rlimit rl{limit, limit};
            if (setrlimit(RLIMIT_FSIZE, &rl) != 0) {
                print(QStringLiteral("fail setrlimit"));
                return 3;
            }
        } else if (option == QLatin1String("--as-nobody")) {
            // Root ignores file modes; the user nobody does not.
            if (geteuid() == 0 &&
                (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0)) {
                print(QStringLiteral("fail cannot become nobody"));
                return 3;
            }
        } else {
            print(QStringLiteral("fail unknown option ") + option);
            return 2;
        }
    }
    if (args.size() < 2) {
        std::fputs("usage: cw_storetool [--fsize-limit=BYTES] [--as-nobody] <data file> "
                   "<command>...\n",
                   stderr);
        return 2;
    }
    BirthdayStore store(args.takeFirst());
    for (const QString& command : args)
        print(runCommand(store, command));
    return 0;
}
