// Runs store operations given on its command line against one data file, for the fault tests
// that need a second process, and for scripts/measure-program.sh:
//   cw_storetool [--fsize-limit=BYTES] [--as-nobody] <data file> <command>...
// Commands: list, write:FIELD:KEY:VALUE, delete:KEY (whatever the key holds now),
// add:NAME, compact, restore:BACKUP, generate:RECORDS (replaces the file with the benchmarks'
// records), wait:FILE (until it exists), count:KEY:TIMES (adds 1 to the number that is the record's
// Name, TIMES times), stress:ID:OPERATIONS:SEED. Each prints one line, "ok [result]" or
// "fail <error text>", and the tool goes on with the next command.

#include "datafile.h"
#include "toolrun.h"

#include "core/store/birthdaystore.h"
#include "core/store/storefields.h"

#include <QCoreApplication>
#include <QMap>
#include <QRandomGenerator>
#include <QThread>

#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>

namespace {

using Outcome = BirthdayStore::Outcome;

// Adds 1 to the number in the Name of the record under key, with an update that states the
// record as read: when the other copy counted in between, it reads again.
bool count(BirthdayStore& store, int key)
{
    Outcome outcome = Outcome::Changed;
    while (outcome == Outcome::Changed) {
        const auto record = StoreFields(store).readRecord(key);
        if (!record)
            return false;
        BirthdayRecord next = *record;
        next.values[0] = QString::number(record->values[0].toInt() + 1);
        outcome = store.updateRecord(*record, next);
    }
    return outcome == Outcome::Done;
}

// Adds, deletes, reads back and compacts its own records at random, as one running copy of
// the program might while another does the same. Answers with the names of its records still
// alive, or with the first operation that failed.
QString stress(BirthdayStore& store, int id, int operations, quint32 seed)
{
    QRandomGenerator random(seed);
    QMap<QString, BirthdayRecord> alive; // by name
    for (int op = 0, added = 0; op < operations; ++op) {
        const int dice = random.bounded(100);
        const auto it =
            alive.isEmpty() ? alive.end() : std::next(alive.begin(), random.bounded(alive.size()));
        if (it == alive.end() || dice < 55) {
            BirthdayRecord record = stressRecord(id, added++);
            const auto key = store.addRecord(record);
            if (!key)
                return "fail add: " + store.errorString();
            record.key = *key;
            alive.insert(record.values[0], record);
        } else if (dice < 85) { // the other copy never takes our records: each is as written
            if (store.deleteRecord(*it) != Outcome::Done)
                return "fail delete: " + store.errorString();
            alive.erase(it);
        } else if (dice < 90) {
            const auto record = StoreFields(store).readRecord(it->key);
            if (!record || record->values[0] != it.key())
                return "fail read of " + it.key() + ": " + store.errorString();
        } else if (!store.compact()) {
            return "fail compact: " + store.errorString();
        }
    }
    return "ok " + QStringList(alive.keys()).join(',');
}

QString run(BirthdayStore& store, const QString& command)
{
    const QStringList parts = command.split(':');
    const QString& op = parts[0];
    const QString rest = parts.mid(1).join(':');
    const int number = parts.value(1).toInt();
    if (op == "list") {
        const auto keys = StoreFields(store).recordKeys();
        QStringList texts;
        for (int key : keys.value_or(QList<int>()))
            texts.append(QString::number(key));
        return keys ? "ok " + texts.join(',') : "fail " + store.errorString();
    }
    bool ok = false;
    if (op == "write" && parts.size() >= 4) {
        ok = StoreFields(store).writeField(parts[1], parts[2].toInt(), parts.mid(3).join(':'));
    } else if (op == "delete") {
        const auto record = StoreFields(store).readRecord(number);
        ok = record && store.deleteRecord(*record) != Outcome::Failed;
    } else if (op == "add") {
        BirthdayRecord record = stressRecord(0, 0);
        record.values[0] = rest;
        ok = store.addRecord(record).has_value();
    } else if (op == "compact") {
        ok = bool(store.compact());
    } else if (op == "restore") {
        ok = bool(store.restore(rest));
    } else if (op == "generate") {
        QFile file(store.dataPath());
        const QByteArray bytes = DataFile::generate(number, false, false);
        ok = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    } else if (op == "wait") {
        for (int i = 0; i < 10000 && !QFile::exists(rest); ++i)
            QThread::msleep(1);
        ok = QFile::exists(rest);
    } else if (op == "count" && parts.size() == 3) {
        ok = true;
        for (int i = 0; ok && i < parts[2].toInt(); ++i)
            ok = count(store, number);
    } else if (op == "stress" && parts.size() == 4) {
        return stress(store, number, parts[2].toInt(), parts[3].toUInt());
    } else {
        return "fail unknown command " + command;
    }
    return ok ? QString("ok") : "fail " + store.errorString();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    for (; !args.isEmpty() && args.first().startsWith("--"); args.removeFirst()) {
        if (args.first().startsWith("--fsize-limit=")) {
            // A full disk, as the process sees it: writes past the limit fail with EFBIG.
            signal(SIGXFSZ, SIG_IGN);
            const rlim_t limit = args.first().section('=', 1).toULongLong();
            const rlimit rl{limit, limit};
            if (setrlimit(RLIMIT_FSIZE, &rl) != 0)
                return 3;
        } else if (args.first() == "--as-nobody" && geteuid() == 0 &&
                   (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0)) {
            // Root ignores file modes; the user nobody does not.
            std::puts("fail cannot become nobody");
            return 3;
        }
    }
    if (args.size() < 2) {
        std::fputs("usage: cw_storetool [--fsize-limit=BYTES] [--as-nobody] <data file> "
                   "<command>...\n",
                   stderr);
        return 2;
    }
    BirthdayStore store(args.takeFirst());
    for (const QString& command : args) {
        std::puts(qPrintable(run(store, command)));
        std::fflush(stdout);
    }
    return 0;
}
