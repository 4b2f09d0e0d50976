// A second copy of the program working on a data file, for the tests that need another
// process: one that holds the lock, one that dies in the middle of a compaction, one that adds
// records at the same time, one that runs without write permission.
#include "store/birthdaystore.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>
#include <cstdlib>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {

int usage()
{
    std::fputs(
        "usage: cw_store_helper compact|add|hold|limited|as-nobody <data file> <argument>...\n",
        stderr);
    return 64;
}

void printLine(const QString& text)
{
    std::fputs(qPrintable(text + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4)
        return usage();
    const QString command = args[1];
    BirthdayStore store(args[2]);

    if (command == QLatin1String("compact")) {
        // Dies at the given stage without any clean-up, as a crash or power cut would.
        const int crashAt = args[3].toInt();
        store.setCompactionHook([crashAt](BirthdayStore::CompactionStage stage) {
            if (int(stage) == crashAt)
                std::_Exit(9);
        });
        return store.databaseCompact() ? 0 : 1;
    }
    if (command == QLatin1String("add")) {
        const int count = args[3].toInt();
        const QString tag = args.value(4);
        for (int i = 0; i < count; ++i) {
            BirthdayRecord record;
            record.setValue(BirthdayRecord::Name, tag + QString::number(i));
            record.setValue(BirthdayRecord::Date, tag);
            record.setValue(BirthdayRecord::Notify, QString::number(i % 100));
            if (!store.recordAdd(record)) {
                printLine(store.errorString());
                return 1;
            }
        }
        return 0;
    }
    if (command == QLatin1String("hold")) {
        // Holds the lock for the given time in the middle of a compaction.
        const int ms = args[3].toInt();
        store.setCompactionHook([ms](BirthdayStore::CompactionStage stage) {
            if (stage == BirthdayStore::CompactionStage::CopyHalfWritten) {
                printLine(QStringLiteral("holding"));
                QThread::msleep(ms);
            }
        });
        return store.databaseCompact() ? 0 : 1;
    }
    if (command == QLatin1String("limited")) {
        // Files may grow only to the given size, as on a disk that fills up.
#ifdef Q_OS_UNIX
        std::signal(SIGXFSZ, SIG_IGN);
        const rlim_t limit = rlim_t(args[3].toLongLong());
        const rlimit fileSize{limit, limit};
        if (::setrlimit(RLIMIT_FSIZE, &fileSize) != 0)
            return 70;
#endif
        const QString op = args.value(4);
        bool ok = false;
        if (op == QLatin1String("compact"))
            ok = store.databaseCompact();
        else if (op == QLatin1String("add"))
            ok = bool(store.recordAdd(BirthdayRecord{}));
        else if (op == QLatin1String("write"))
            ok = store.fieldWrite(QStringLiteral("LastDate"), 0, QStringLiteral("x"));
        else
            return usage();
        printLine(ok ? QStringLiteral("done") : store.errorString());
        return ok ? 0 : 1;
    }
    if (command == QLatin1String("as-nobody")) {
#ifdef Q_OS_UNIX
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
            printLine(QStringLiteral("cannot drop root rights"));
            return 70;
        }
#endif
        const QString op = args[3];
        if (op == QLatin1String("read")) {
            const auto records = store.recordsReadAll();
            printLine(records ? QString::number(records->size()) : store.errorString());
            return records ? 0 : 1;
        }
        if (op == QLatin1String("write")) {
            const bool ok = store.fieldWrite(QStringLiteral("Date"), 0, QStringLiteral("x"));
            printLine(ok ? QStringLiteral("written") : store.errorString());
            return ok ? 0 : 1;
        }
        if (op == QLatin1String("compact")) {
            const bool ok = store.databaseCompact();
            printLine(ok ? QStringLiteral("compacted") : store.errorString());
            return ok ? 0 : 1;
        }
    }
    return usage();
}
