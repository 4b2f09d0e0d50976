#include "store/birthdaystore.h"

#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

BirthdayRecord makeRecord(const QString& name)
{
    BirthdayRecord r;
    r.setValue(BirthdayRecord::Name, name);
    r.setValue(BirthdayRecord::Date, QStringLiteral("2001-02-03"));
    r.setValue(BirthdayRecord::Recurs, QStringLiteral("1"));
    return r;
}

// Runs the helper to its end; returns its exit code (-1 when it crashed or hung).
int runHelper(const QStringList& args, QByteArray* output = nullptr)
{
    QProcess helper;
    helper.start(QStringLiteral(CW_STORE_HELPER), args);
    if (!helper.waitForFinished(60000)) {
        helper.kill();
        helper.waitForFinished();
        return -1;
    }
    if (output)
        *output = helper.readAllStandardOutput().trimmed();
    return helper.exitStatus() == QProcess::NormalExit ? helper.exitCode() : -1;
}

} // namespace

class TestStoreProcesses : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_case = 0;
    QString freshPath()
    {
        const QString folder = m_dir.filePath(QStringLiteral("case%1").arg(++m_case));
        QDir().mkpath(folder);
        return folder + QStringLiteral("/birthday.dat");
    }

    // Forty records, every other one deleted, one field deleted: compaction has work to do.
    QString fileWithDeletedCells()
    {
        BirthdayStore store(freshPath());
        for (int i = 0; i < 40; ++i)
            store.recordAdd(makeRecord(QStringLiteral("Person %1").arg(i)));
        for (int key = 0; key < 40; key += 2)
            store.recordDelete(*store.recordRead(key));
        store.fieldDelete(QStringLiteral("Date"), 5);
        return store.dataPath();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(QFileInfo::exists(QStringLiteral(CW_STORE_HELPER)));
    }

    void crashDuringCompaction_data()
    {
        QTest::addColumn<int>("stage");
        QTest::addColumn<bool>("replaced");
        using S = BirthdayStore::CompactionStage;
        QTest::newRow("after the stray copy went") << int(S::StrayRemoved) << false;
        QTest::newRow("copy half written") << int(S::CopyHalfWritten) << false;
        QTest::newRow("copy written, not flushed") << int(S::CopyWritten) << false;
        QTest::newRow("copy on disk, not in place") << int(S::CopySynced) << false;
        QTest::newRow("copy in place") << int(S::Replaced) << true;
    }
    void crashDuringCompaction()
    {
        QFETCH(int, stage);
        QFETCH(bool, replaced);
        const QString path = fileWithDeletedCells();
        const QByteArray before = readAll(path);
        BirthdayStore store(path);
        const QList<BirthdayRecord> records = *store.recordsReadAll();
        QCOMPARE(records.size(), 20);

        // What a compaction that runs to its end gives.
        const QString twin = freshPath();
        QVERIFY(QFile::copy(path, twin));
        BirthdayStore reference(twin);
        QVERIFY(reference.databaseCompact());
        const QByteArray after = readAll(twin);
        QVERIFY(after.size() < before.size());

        QFile(path + QStringLiteral(".tmp")).open(QIODevice::WriteOnly); // an older stray
        QCOMPARE(runHelper({QStringLiteral("compact"), path, QString::number(stage)}), 9);

        // The data file is whole: the old one or the new one, never anything between.
        QCOMPARE(readAll(path), replaced ? after : before);
        QCOMPARE(*store.recordsReadAll(), records);
        // The dead copy's lock doesn't block the next run, which cleans up and finishes.
        store.setLockTimeout(10000);
        QVERIFY2(store.databaseCompact(), qPrintable(store.errorString()));
        QCOMPARE(readAll(path), after);
        QVERIFY(!QFileInfo::exists(path + QStringLiteral(".tmp")));
        QCOMPARE(*store.recordsReadAll(), records);
    }

    void lockHeldByAnotherProcess()
    {
        const QString path = fileWithDeletedCells();
        QProcess holder;
        holder.start(QStringLiteral(CW_STORE_HELPER), {QStringLiteral("hold"), path, "3000"});
        QVERIFY(holder.waitForReadyRead(30000));
        QCOMPARE(holder.readLine().trimmed(), QByteArray("holding"));
        const QByteArray during = readAll(path);

        BirthdayStore store(path);
        store.setLockTimeout(100);
        QVERIFY(!store.fieldWrite(QStringLiteral("Name"), 1, QStringLiteral("Changed")));
        QVERIFY2(store.errorString().contains(QStringLiteral("in use")),
                 qPrintable(store.errorString()));
        QVERIFY(!store.recordAdd(makeRecord(QStringLiteral("x"))));
        QVERIFY(!store.recordKeysList());
        QCOMPARE(readAll(path), during);

        // Waiting long enough, the write goes in after the other copy's compaction.
        store.setLockTimeout(30000);
        QVERIFY2(store.fieldWrite(QStringLiteral("Name"), 1, QStringLiteral("Changed")),
                 qPrintable(store.errorString()));
        QVERIFY(holder.waitForFinished(30000));
        QCOMPARE(holder.exitCode(), 0);
        QCOMPARE(store.recordRead(1)->value(BirthdayRecord::Name), QStringLiteral("Changed"));
        QCOMPARE(store.recordKeysList()->size(), 20);
    }

    void twoCopiesAtOnce()
    {
        const QString path = freshPath();
        BirthdayStore store(path);
        store.setLockTimeout(30000);
        QProcess first, second;
        first.start(QStringLiteral(CW_STORE_HELPER), {"add", path, "60", "first "});
        second.start(QStringLiteral(CW_STORE_HELPER), {"add", path, "60", "second "});
        // Meanwhile this copy adds, deletes and compacts.
        int compactions = 0;
        for (int i = 0; i < 30; ++i) {
            QVERIFY2(store.recordAdd(makeRecord(QStringLiteral("third %1").arg(i))),
                     qPrintable(store.errorString()));
            if (i % 3 == 0) {
                const std::optional<int> key = store.recordAdd(makeRecord(QStringLiteral("temp")));
                QVERIFY(key);
                QCOMPARE(store.recordDelete(*store.recordRead(*key)), BirthdayStore::Outcome::Done);
                QVERIFY2(store.databaseCompact(), qPrintable(store.errorString()));
                ++compactions;
            }
        }
        QVERIFY(first.waitForFinished(60000));
        QVERIFY(second.waitForFinished(60000));
        QCOMPARE(first.exitCode(), 0);
        QCOMPARE(second.exitCode(), 0);
        QVERIFY(compactions > 0);

        const QList<BirthdayRecord> records = *store.recordsReadAll();
        QCOMPARE(records.size(), 150);
        QSet<int> keys;
        QSet<QString> names;
        for (const BirthdayRecord& r : records) {
            keys.insert(r.key);
            names.insert(r.value(BirthdayRecord::Name));
            // Each record's cells belong together.
            const QString name = r.value(BirthdayRecord::Name);
            if (name.startsWith(QLatin1String("third")))
                QCOMPARE(r.value(BirthdayRecord::Date), QStringLiteral("2001-02-03"));
            else
                QVERIFY(name.startsWith(r.value(BirthdayRecord::Date)));
        }
        QCOMPARE(keys.size(), 150);
        for (int i = 0; i < 60; ++i) {
            QVERIFY(names.contains(QStringLiteral("first %1").arg(i)));
            QVERIFY(names.contains(QStringLiteral("second %1").arg(i)));
        }
        QVERIFY(store.databaseCompact());
        QCOMPARE(*store.recordsReadAll(), records);
    }

    void diskFillsUp_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<int>("room");
        QTest::newRow("compaction") << "compact" << -1; // a quarter of the file
        QTest::newRow("new record") << "add" << 100;
        QTest::newRow("new field") << "write" << 10;
    }
    void diskFillsUp()
    {
#ifdef Q_OS_UNIX
        QFETCH(QString, operation);
        QFETCH(int, room);
        const QString path = fileWithDeletedCells();
        const QByteArray before = readAll(path);
        QByteArray out;
        const QString limit = QString::number(room < 0 ? before.size() / 4 : before.size() + room);
        QCOMPARE(runHelper({"limited", path, limit, operation}, &out), 1);
        QVERIFY2(out.contains(qt_error_string(EFBIG).toUtf8()), out.constData());
        QVERIFY2(out.contains(QDir::toNativeSeparators(path).toUtf8()), out.constData());
        // Nothing half-done stays behind.
        QCOMPARE(readAll(path), before);
        QVERIFY(!QFileInfo::exists(path + QStringLiteral(".tmp")));
        QCOMPARE(runHelper({"limited", path, QString::number(1 << 24), operation}, &out), 0);
#else
        QSKIP("needs a file size limit");
#endif
    }

    // Run as a user who may not write: root gives up its rights in the helper.
    void withoutWritePermission()
    {
#ifdef Q_OS_UNIX
        const QString folder = m_dir.filePath(QStringLiteral("readonly"));
        QVERIFY(QDir().mkpath(folder));
        const QString path = folder + QStringLiteral("/birthday.dat");
        BirthdayStore store(path);
        QVERIFY(store.recordAdd(makeRecord(QStringLiteral("Ann"))));
        const QByteArray before = readAll(path);
        // The lock file stays once made; this folder is one where none was ever made.
        QVERIFY(QFile::remove(path + QStringLiteral(".lock")));
        const auto rx = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                        QFile::ReadOther | QFile::ExeOther;
        const auto r = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
        QVERIFY(QFile::setPermissions(m_dir.path(), rx | QFile::WriteOwner));
        QVERIFY(QFile::setPermissions(folder, rx));
        QVERIFY(QFile::setPermissions(path, r));

        // Read-only file in a read-only folder: reading works without the lock, writing and
        // compacting are refused with the reason.
        QByteArray out;
        QCOMPARE(runHelper({"as-nobody", path, "read"}, &out), 0);
        QCOMPARE(out, QByteArray("1"));
        QCOMPARE(runHelper({"as-nobody", path, "write"}, &out), 1);
        QVERIFY2(out.contains(QDir::toNativeSeparators(path).toUtf8()), out.constData());
        QVERIFY2(out.contains("no permission"), out.constData());
        QCOMPARE(runHelper({"as-nobody", path, "compact"}, &out), 1);
        QCOMPARE(readAll(path), before);

        // Writable folder, read-only file: the lock works, the write is refused by the system.
        QVERIFY(QFile::setPermissions(folder, rx | QFile::WriteOwner | QFile::WriteGroup |
                                                  QFile::WriteOther));
        QCOMPARE(runHelper({"as-nobody", path, "write"}, &out), 1);
        QVERIFY2(out.contains(qt_error_string(EACCES).toUtf8()), out.constData());
        QVERIFY2(out.contains(QDir::toNativeSeparators(path).toUtf8()), out.constData());
        QCOMPARE(readAll(path), before);
        QFile::remove(path + QStringLiteral(".lock"));
        QVERIFY(QFile::setPermissions(folder, rx | QFile::WriteOwner));
#else
        QSKIP("permission test for Unix");
#endif
    }
};

QTEST_GUILESS_MAIN(TestStoreProcesses)
#include "test_storeprocesses.moc"
