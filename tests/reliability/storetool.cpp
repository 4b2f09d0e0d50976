// Runs store operations given on its command line against one data file, for the fault tests
// that need a second process: one to kill at a chosen point, one with a file-size limit, one
// without root's rights, two at once on the same file.
//
//   cw_storetool [--fsize-limit=BYTES] [--as-nobody] <data file> <command>...
//
// Commands: list, readall, read:KEY, write:FIELD:KEY:VALUE, delete:KEY, keynew, compact,
// add:NAME, stress:ID:OPERATIONS:SEED, generate:RECORDS (replaces the file with generated
// records dated around today, as the benchmarks use). Each prints one line, "ok [result]" or
// "fail <error text>", and the tool goes on with the next command.

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

// Adds, deletes, reads back and compacts its own records at random, as one running copy of
// the program might while another does the same. Answers with the names of its records still
// alive, or with the first operation that failed.
QString stress(BirthdayStore& store, int id, int operations, quint32 seed)
{
    QRandomGenerator random(seed);
    QMap<QString, int> alive; // name -> key
    int added = 0;
    for (int op = 0; op < operations; ++op) {
        const int dice = random.bounded(100);
        if (dice < 55 || alive.isEmpty()) {
            const BirthdayRecord record = stressRecord(id, added++);
            const auto key = store.recordAdd(record);
            if (!key)
                return QStringLiteral("fail add: ") + store.errorString();
            alive.insert(record.value(BirthdayRecord::Name), *key);
        } else if (dice < 85) {
            const auto it = std::next(alive.begin(), random.bounded(int(alive.size())));
            if (!store.recordDelete(it.value()))
                return QStringLiteral("fail delete: ") + store.errorString();
            alive.erase(it);
        } else if (dice < 95) {
            // Our key must still hold our record: the other copy never took it.
            const auto it = std::next(alive.begin(), random.bounded(int(alive.size())));
            const auto record = store.recordRead(it.value());
            if (!record)
                return QStringLiteral("fail read: ") + store.errorString();
            if (record->value(BirthdayRecord::Name) != it.key())
                return QStringLiteral("fail key %1 holds %2 instead of %3")
                    .arg(it.value())
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
    if (op == QLatin1String("delete") && parts.size() == 2)
        return store.recordDelete(parts[1].toInt()) ? QStringLiteral("ok") : failLine(store);
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
