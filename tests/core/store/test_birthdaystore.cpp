#include "datafile.h"
#include "storefixture.h"

#include "core/store/cellformat.h"
#include "platform/filelock.h"

#include <QtTest>

#include <functional>

using DataFile::cell;
using Outcome = BirthdayStore::Outcome;
using StoreOperation = std::function<bool(BirthdayStore&)>;
Q_DECLARE_METATYPE(StoreOperation)
#define OP(call) StoreOperation([](BirthdayStore& s) { return bool(call); })

namespace {

void put(const QString& path, const QByteArray& bytes)
{
    QVERIFY(writeFile(path, bytes));
}

// The record under key as a list would show it: all fields "" when there is none.
BirthdayRecord shown(BirthdayStore& store, int key)
{
    BirthdayRecord none;
    none.key = key;
    return StoreFields(store).readRecord(key).value_or(none);
}

BirthdayRecord record(const QString& name, const QString& recurs = "1")
{
    BirthdayRecord r;
    r.values = {name, "2000-01-02", recurs, "7", "0", "", "1"};
    return r;
}

// A Name cell for each of count records, with keys 0 to keys - 1 over and over: every key
// once, or 10001 records, the two limits of new records.
QByteArray names(int count, int keys)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += cell(0, 0, i % keys, "n");
    return bytes;
}

// What the system says when a folder is opened as a file: each spells it its own way.
QString systemReasonForFolder()
{
    QFile folder(QDir::tempPath());
    return folder.open(QIODevice::ReadWrite) ? QString() : folder.errorString();
}

// Whether another program can rename a file over the data file while the store holds it open.
bool canRenameOverHeldFile(const QTemporaryDir& dir)
{
    const QString held = dir.filePath("held"), other = dir.filePath("other");
    put(held, "a");
    put(other, "b");
    QFile file(held);
    QString reason;
    return FileIo::open(file, QIODevice::ReadWrite) && FileIo::replaceFile(other, held, reason);
}

} // namespace

class TestBirthdayStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keyEncoding_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QByteArray>("bytes");
        for (const char* row :
             {"0 0000000000", "255 FF00000000", "256 FF01000000", "300 FF2D000000",
              "510 FFFF000000", "511 FFFF010000", "1100 FFFFFFFF50", "1275 FFFFFFFFFF"}) {
            const QList<QByteArray> parts = QByteArray(row).split(' ');
            QTest::newRow(parts[0]) << parts[0].toInt() << QByteArray::fromHex(parts[1]);
        }
    }
    void keyEncoding()
    {
        QFETCH(int, key);
        QFETCH(QByteArray, bytes);
        StoreFixture f;
        QVERIFY2(f.fields.writeField("Recurs", key, "1"), qPrintable(f.store.errorString()));
        QCOMPARE(f.bytes(), QByteArray("\x02\x00", 2) + bytes + "1");
        QCOMPARE(f.fields.readRecord(key)->value(BirthdayRecord::Recurs), QString("1"));
    }

    void newRecordsAndTheirKeys()
    {
        StoreFixture f;
        QCOMPARE(f.add("Ann", "2000-01-02"), 0);
        QByteArray expected;
        for (const auto& [slot, value] :
             {std::pair{0, "Ann"}, {1, "2000-01-02"}, {2, "1"}, {3, "10"}, {4, "0"}, {6, "1"}})
            expected += cell(slot, 0, 0, value);
        QCOMPARE(f.bytes(), expected);
        QVERIFY(f.fields.writeField("LastDate", 0, "2024-05-01"));
        QCOMPARE(f.bytes(), expected + cell(5, 0, 0, "2024-05-01"));
        QVERIFY(f.fields.writeField("lastdate", 0, "2025-05-01"));
        QCOMPARE(f.bytes().size(), 359);
        QCOMPARE(f.fields.readRecord(0)->value(BirthdayRecord::LastDate), QString("2025-05-01"));
        // A deleted record's cells stay where they are; its key is the next new record's.
        for (const char* name : {"B", "C"})
            f.add(name, "2000-01-02");
        const qint64 size = f.bytes().size();
        QCOMPARE(f.store.deleteRecord(shown(f.store, 1)), Outcome::Done);
        QCOMPARE(f.bytes().size(), size);
        QCOMPARE(*f.fields.newRecordKey(), 1);
        QCOMPARE(f.add("D", "2000-01-02"), 1);
        QCOMPARE(*f.fields.recordKeys(), (QList<int>{0, 2, 1})); // in Name-cell order
        QCOMPARE(shown(f.store, 1).values[0], QString("D"));
    }

    void values_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("readBack");
        const QString date25 = "1234567890123456789012345", e127(127, QChar(0xE9));
        QTest::newRow("exactly the size") << "Date" << date25 << date25.toLatin1() << date25;
        QTest::newRow("empty") << "Date" << QString() << QByteArray(25, '\0') << QString();
        QTest::newRow("short") << "Notify"
                               << "7" << QByteArray("7\0", 2) << "7";
        QTest::newRow("NUL inside")
            << "Date" << QString("12") + QChar(0) + "34"
            << QByteArray("12") + '\0' + "34" + QByteArray(20, '\0') << "1234";
        QTest::newRow("UTF-8 fills the field")
            << "Name" << e127 + "x" << e127.toUtf8() + "x" << e127 + "x";
    }
    void values()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QByteArray, stored);
        QFETCH(QString, readBack);
        StoreFixture f;
        QVERIFY2(f.fields.writeField(field, 9, value), qPrintable(f.store.errorString()));
        QCOMPARE(f.bytes().mid(7), stored);
        QCOMPARE(f.fields.readRecord(9)->values[*CellFormat::fieldSlot(field)], readBack);
    }

    // UTF-8 where it is valid, else Windows-1252; NULs dropped.
    void valueDecoding()
    {
        for (const auto& [bytes, text] :
             {std::pair{QByteArray("Ann"), QString("Ann")},
              {"Jos\xC3\xA9", "Jos\u00E9"},
              {"Ren\xE9 \x80", "Ren\u00E9 \u20AC"},
              {"ab\xC3", "ab\u00C3"},                 // a cut UTF-8 sequence
              {"\xC0\x80x", "\u00C0\u20ACx"},         // overlong
              {"\xED\xA0\x80", "\u00ED\u00A0\u20AC"}, // an encoded surrogate
              {QByteArray("a\0b\0\0", 5), "ab"},
              {QByteArray(25, '\0'), ""},
              {"\xEF\xBB\xBFx", QStringLiteral("\uFEFFx")}}) // a BOM kept
            QVERIFY2(CellFormat::decodeValue(bytes) == text, bytes.toHex().constData());
    }

    // What other programs or damage leave: a key is its 5 bytes' sum, a flag other than 0x01 is
    // live (only 0x00 lists a Name), a field's last live cell is read, its first written.
    void unusualCells()
    {
        StoreFixture f;
        QByteArray name256 = cell(0, 0, 0, "Odd"), date256 = cell(1, 0, 0, "1999");
        name256.replace(2, 5, QByteArray::fromHex("00FF010000"));
        date256.replace(2, 5, QByteArray::fromHex("8080000000"));
        const QByteArray file = name256 + date256 + cell(0, 2, 0, "Flagged") + cell(1, 2, 0, "d0") +
                                cell(0, 0, 2, "First") + cell(1, 1, 2, "gone") +
                                cell(0, 0, 2, "Second") + cell(1, 0, 2, "d2");
        put(f.path(), file);
        QCOMPARE(*f.fields.recordKeys(), (QList<int>{256, 2, 2}));
        QStringList read;
        QList<BirthdayRecord> oneByOne;
        for (int key : {256, 0, 2})
            read << shown(f.store, key).values[0] + ' ' + shown(f.store, key).values[1];
        QCOMPARE(read, (QStringList{"Odd 1999", "Flagged d0", "Second d2"}));
        for (int key : {256, 2, 2})
            oneByOne.append(shown(f.store, key));
        QCOMPARE(*f.store.readAllRecords(), oneByOne);
        QCOMPARE(*f.fields.newRecordKey(), 0);

        QVERIFY(f.fields.writeField("Name", 0, "Vier"));
        QVERIFY(f.fields.writeField("Name", 2, "New"));
        QCOMPARE(f.bytes().mid(294, 11), QByteArray("\x00\x02\x00\x00\x00\x00\x00Vier", 11));
        QCOMPARE(f.bytes().mid(595, 3), QByteArray("New"));
        QCOMPARE(shown(f.store, 2).values[0], QString("Second"));
        // Compaction drops the 0x01 cells only.
        const QByteArray before = f.bytes();
        QVERIFY(f.store.compact());
        QCOMPARE(f.bytes(), DataFile::compacted(before));
        QCOMPARE(f.bytes().size(), before.size() - 32);
    }

    // Compaction writes every Date and LastDate that reads, in the language recorded for the
    // file, as ISO; one that does not read keeps its bytes, and so do the cells' heads.
    void compactionWritesDatesAsIso()
    {
        // The file's language, the stored date, the date after compaction.
        for (const char* row :
             {"en_US|12/6/2026|2026-12-06", "en_US|12/6/26|2026-12-06",
              "en_GB|12/06/2026|2026-06-12", "de_DE|06.12.2026|2026-12-06",
              "C|6 Dec 2026|2026-12-06", "de_DE|2026-12-06|2026-12-06", "de_DE|12/6/2026|12/6/2026",
              "en_US|\xE9t\xE9 26|\xE9t\xE9 26", "en_US||"}) {
            const QList<QByteArray> r = QByteArray(row).split('|');
            StoreFixture f;
            const auto file = [](const QByteArray& date) {
                return cell(0, 0, 300, "Ann") + cell(1, 0, 300, date) + cell(1, 1, 2, "1/2/2000") +
                       cell(5, 2, 300, date) + cell(2, 0, 300, "1");
            };
            put(f.path(), file(r[1]));
            f.store.setDateLocale(QLocale(QString(r[0])));
            QVERIFY2(f.store.compact(), qPrintable(f.store.errorString()));
            QVERIFY2(f.bytes() == DataFile::compacted(file(r[2])), row);
        }
    }

    // A record whose write stopped after its Name cell is removed at compaction, its cells set
    // aside unchanged in a file a second one joins; one lacking other cells, or none, stays.
    void compactionSetsCutOffRecordsAside()
    {
        StoreFixture f;
        const QByteArray whole = cell(0, 0, 0, "Ann") + cell(1, 0, 0, "2000-01-02"),
                         noNotify = cell(0, 0, 2, "Cy") + cell(1, 0, 2, "2000-01-03"),
                         cutOff = cell(0, 0, 1, "Bob") + cell(2, 0, 1, "1");
        put(f.path(), whole + cell(0, 0, 1, "Bob") + noNotify + cell(2, 0, 1, "1"));
        QVERIFY2(f.store.compact(), qPrintable(f.store.errorString()));
        QCOMPARE(f.bytes(), whole + noNotify);
        QCOMPARE(f.store.setAsideRecords(), 1);
        QCOMPARE(QFileInfo(f.store.setAsidePath()).fileName(), "birthday-torn.dat");
        put(f.path(), whole + cell(0, 0, 1, "Dee"));
        QVERIFY(f.store.compact() && f.store.setAsideRecords() == 1);
        QVERIFY(f.store.compact() && f.store.setAsideRecords() == 0);
        QCOMPARE(readFile(f.store.setAsidePath()), cutOff + cell(0, 0, 1, "Dee"));
        QCOMPARE(f.bytes(), whole);
    }

    void missingAndEmptyFile()
    {
        for (bool empty : {false, true}) {
            StoreFixture f;
            if (empty)
                put(f.path(), {});
            put(f.path() + ".tmp", "left by a crash");
            QCOMPARE(*f.fields.recordKeys(), QList<int>());
            QCOMPARE(*f.store.readAllRecords(), QList<BirthdayRecord>());
            QCOMPARE(*f.fields.newRecordKey(), 0);
            QCOMPARE(shown(f.store, 5).values, BirthdayRecord().values);
            QVERIFY(f.fields.deleteField("Name", 0));
            QCOMPARE(f.store.deleteRecord(shown(f.store, 0)), Outcome::Changed);
            QVERIFY(f.store.compact());
            QCOMPARE(QFileInfo::exists(f.path()), empty);
            QVERIFY(!QFileInfo::exists(f.path() + ".tmp"));
        }
    }

    // deleteRecord and duplicateRecord walk once; they must do what the field-by-field way
    // does, also on files with stray and doubled cells.
    void oneWalkMatchesFieldByField_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("key");
        const QByteArray plain =
            cell(0, 0, 0, "A") + cell(1, 0, 0, "d") + cell(0, 0, 1, "B") + cell(5, 0, 1, "last");
        QTest::newRow("plain") << plain << 0;
        QTest::newRow("missing key") << plain << 7;
        QTest::newRow("doubled cells")
            << cell(0, 0, 3, "A") + cell(0, 0, 3, "A2") + cell(1, 2, 3, "d") + cell(1, 0, 3, "d2") +
                   cell(9, 0, 3, "") + cell(0, 1, 3, "old")
            << 3;
        QTest::newRow("orphan cells under the free key, doubled, from the file's start")
            << cell(1, 0, 1, "orphan") + cell(0, 0, 0, "A") + cell(6, 2, 1, "1") +
                   cell(0, 2, 1, "flag2") + cell(1, 0, 1, "") + cell(3, 0, 0, "12")
            << 0;
        QTest::newRow("partial tail") << plain + cell(0, 0, 0, "cut").left(40) << 1;
        QTest::newRow("1252 name, full") << cell(0, 0, 0, QByteArray(255, '\xE9')) << 0;
    }
    void oneWalkMatchesFieldByField()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, key);
        StoreFixture fast, slow, copy, steps;
        for (StoreFixture* f : {&fast, &slow, &copy, &steps})
            put(f->path(), file);
        QVERIFY(fast.store.deleteRecord(shown(fast.store, key)) != Outcome::Failed);
        for (const char* name : FieldTable::fieldNames)
            QVERIFY(slow.fields.deleteField(name, key));
        QCOMPARE(fast.bytes(), slow.bytes());

        int newKey = -1;
        const Outcome duplicated = copy.store.duplicateRecord(shown(copy.store, key), &newKey);
        if (!steps.fields.recordKeys()->contains(key)) { // nothing listed: nothing to copy
            QCOMPARE(duplicated, Outcome::Changed);
            QCOMPARE(copy.bytes(), file);
            return;
        }
        QCOMPARE(duplicated, Outcome::Done);
        const BirthdayRecord source = shown(steps.store, key);
        QCOMPARE(*steps.fields.newRecordKey(), newKey);
        QCOMPARE(shown(copy.store, newKey).values, source.values);
        if (source.values[0].toUtf8().size() > 255)
            return; // the copy keeps the stored 1252 bytes, which no text write gives
        for (int slot = 0; slot < FieldTable::fieldCount; ++slot)
            QVERIFY(steps.fields.writeField(FieldTable::fieldNames[slot], newKey,
                                            source.values[size_t(slot)]));
        QCOMPARE(copy.bytes(), steps.bytes());
    }

    // Delete, edit, duplicate and the check's stamp state the record as this copy's list showed
    // it; another copy may have changed it since. Then nothing is written and the answer is
    // Changed. A LastDate stamped meanwhile refuses only another stamp; an edit keeps it.
    void staleRecord_data()
    {
        QTest::addColumn<StoreOperation>("otherCopy");
        QTest::addColumn<QString>("operation");
        QTest::addColumn<bool>("changed");
        const struct
        {
            const char* what;
            StoreOperation otherCopy;
            QString changedFor; // the operations answered Changed
        } rows[] = {
            {"Bob deleted, Nora added under his key",
             OP(s.deleteRecord(shown(s, 1)) == Outcome::Done && s.addRecord(record("Nora")) == 1),
             "delete edit duplicate stamp"},
            {"Bob deleted", OP(s.deleteRecord(shown(s, 1)) == Outcome::Done),
             "delete edit duplicate stamp"},
            {"a field the list does not show changed",
             OP(StoreFields(s).writeField("Notify", 1, "9")), "delete edit duplicate stamp"},
            {"its last field changed", OP(StoreFields(s).writeField("ShowYears", 1, "0")),
             "delete edit duplicate stamp"},
            {"LastDate stamped", OP(StoreFields(s).writeField("LastDate", 1, "2026-12-06")),
             "stamp"},
            {"another record changed", OP(StoreFields(s).writeField("Name", 0, "Ann Smith")), ""}};
        for (const auto& row : rows)
            for (const char* operation : {"delete", "edit", "duplicate", "stamp"})
                QTest::addRow("%s, %s", row.what, operation)
                    << row.otherCopy << QString(operation)
                    << row.changedFor.split(' ').contains(operation);
    }
    void staleRecord()
    {
        QFETCH(StoreOperation, otherCopy);
        QFETCH(QString, operation);
        QFETCH(bool, changed);
        StoreFixture f;
        for (const char* name : {"Ann", "Bob", "Cleo"})
            f.add(name, "2000-01-02");
        const BirthdayRecord bob = shown(f.store, 1);
        BirthdayStore second(f.path());
        QVERIFY(otherCopy(second));
        const BirthdayRecord bobNow = shown(second, 1);
        const QByteArray before = f.bytes();
        BirthdayRecord robert = bob;
        robert.values[0] = "Robert";
        robert.values[BirthdayRecord::LastDate] = "1999-01-01"; // not for an edit to write
        int copyKey = -1;
        const Outcome outcome =
            operation == "delete" ? f.store.deleteRecord(bob)
            : operation == "edit" ? f.store.updateRecord(bob, robert)
            : operation == "stamp"
                ? f.store.updateField(bob, BirthdayRecord::LastDate, "2026-12-07")
                : f.store.duplicateRecord(bob, &copyKey);
        QCOMPARE(outcome, changed ? Outcome::Changed : Outcome::Done);
        QCOMPARE(f.bytes() == before, changed);
        if (changed)
            return;
        // What the other copy wrote stays: the edit and the copy keep its stamp.
        robert.values[BirthdayRecord::LastDate] = bobNow.values[BirthdayRecord::LastDate];
        if (operation == "edit")
            QCOMPARE(shown(f.store, 1).values, robert.values);
        if (operation == "duplicate")
            QCOMPARE(shown(f.store, copyKey).values, bobNow.values);
    }

    void refusalsWriteNothing_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<StoreOperation>("operation");
        QTest::addColumn<QString>("errorPart");
        const QByteArray one = cell(0, 0, 0, "Ann") + cell(1, 0, 0, "1999");
        const QByteArray allKeys = names(1276, 1276), full = names(10001, 7);
        const auto row = [](const char* tag, const QByteArray& file, StoreOperation operation,
                            const QString& errorPart) {
            QTest::newRow(tag) << file << operation << errorPart;
        };
        row("key 1276", one, OP(StoreFields(s).writeField("Name", 1276, "x")), "1276");
        row("key -1", one, OP(StoreFields(s).writeField("Date", -1, "x")), "-1");
        row("name of 256 bytes", one, OP(StoreFields(s).writeField("Name", 0, QString(256, 'a'))),
            "256 bytes");
        row("name of 128 two-byte characters", one,
            OP(StoreFields(s).writeField("Name", 0, QString(128, QChar(0xE9)))), "at most 255");
        row("date of 26", one, OP(StoreFields(s).writeField("Date", 0, QString(26, '1'))), "Date");
        row("recurs of 2, new record", one, OP(s.addRecord(record("x", "10"))), "Recurs");
        row("unknown field", one, OP(StoreFields(s).writeField("Birthday", 0, "x")), "Birthday");
        row("unknown field, delete", one, OP(StoreFields(s).deleteField("Birthday", 0)),
            "Birthday");
        row("no free key: new key", allKeys, OP(StoreFields(s).newRecordKey()), "make room");
        row("no free key: add", allKeys, OP(s.addRecord(record("x"))), "make room");
        row("no free key: duplicate", allKeys, OP(s.duplicateRecord(shown(s, 3)) == Outcome::Done),
            "make room");
        row("compacted copy gone before it is put in place", allKeys,
            OP((s.setBeforeWriteHook([&s] { QFile::remove(s.dataPath() + ".tmp"); }), s.compact())),
            "Cannot put the compacted copy in place of the data file");
        row("a folder where the lock goes: the system's reason", one,
            OP((QDir().mkdir(s.dataPath() + ".lock"), StoreFields(s).writeField("Name", 0, "x"))),
            "(" + systemReasonForFolder() + ")");
        row("10001 records: new key", full, OP(StoreFields(s).newRecordKey()), "10,001");
        row("10001 records: add", full, OP(s.addRecord(record("x"))), "10,001");
        row("10001 records: a new Name", full, OP(StoreFields(s).writeField("Name", 9, "x")),
            "10,001");
    }
    void refusalsWriteNothing()
    {
        QFETCH(QByteArray, file);
        QFETCH(StoreOperation, operation);
        QFETCH(QString, errorPart);
        StoreFixture f, none;
        put(f.path(), file);
        QVERIFY(!operation(f.store));
        QVERIFY2(f.store.errorString().contains(errorPart), qPrintable(f.store.errorString()));
        QCOMPARE(f.bytes(), file);
        if (file.size() < 1000) { // without a data file the same refusal creates none
            QVERIFY(!operation(none.store));
            QVERIFY(!QFileInfo::exists(none.path()));
        }
    }

    void limitsStillAllowChanges()
    {
        StoreFixture f;
        put(f.path(), names(10001, 7));
        QVERIFY(f.fields.writeField("Name", 3, "renamed"));
        QVERIFY(f.fields.writeField("Date", 3, "2000"));
        QCOMPARE(f.bytes().size(), 10001 * 262 + 32);
        QVERIFY(f.fields.writeField("Date", 1275, "x"));
        QCOMPARE(shown(f.store, 1275).values[1], QString("x"));
    }

    void cutOffFinalCell_data()
    {
        columnRows<int>("cut",
                        {{"inside a head", 3}, {"inside a value", 100}, {"one byte short", 261}});
    }
    void cutOffFinalCell()
    {
        QFETCH(int, cut);
        StoreFixture whole, f, other, compact;
        whole.add("A", "2000-01-02");
        whole.add("B", "2000-01-02");
        const QByteArray damaged = whole.bytes().left(327 + cut), sound = damaged.left(327);
        for (StoreFixture* s : {&f, &other, &compact})
            put(s->path(), damaged);
        QCOMPARE(*f.fields.recordKeys(), QList<int>{0});
        QCOMPARE(f.store.readAllRecords()->size(), 1);
        QCOMPARE(*f.fields.newRecordKey(), 1);
        // Reading and a refused write change nothing; the next write drops the cut cell first.
        QCOMPARE(f.store.deleteRecord(shown(f.store, 7)), Outcome::Changed);
        QCOMPARE(f.bytes(), damaged);
        QVERIFY(f.fields.writeField("LastDate", 0, "x"));
        QCOMPARE(f.bytes(), sound + cell(5, 0, 0, "x"));
        // An in-place write drops it as well, so later appends stay aligned.
        QVERIFY(other.fields.deleteField("Date", 0));
        QCOMPARE(other.bytes().size(), 327);
        QCOMPARE(other.add("C", "2000-01-02"), 1);
        QVERIFY(compact.store.compact());
        QCOMPARE(compact.bytes(), sound);
    }

    // Another program that takes no lock (a sync tool) puts its copy at the path between an
    // operation's read and its write, or the path is a link into its folder: the operation
    // changes that copy exactly as if it had been read, and a link stays a link.
    void writesReachTheFileThere_data()
    {
        QTest::addColumn<StoreOperation>("operation");
        QTest::addColumn<QString>("situation");
        const QList<std::pair<const char*, StoreOperation>> operations = {
            {"add", OP(s.addRecord(record("Nora")))},
            {"write a field", OP(StoreFields(s).writeField("Name", 2, "Cleo Smith"))},
            {"delete a field", OP(StoreFields(s).deleteField("Notify", 2))},
            {"delete", OP(s.deleteRecord(shown(s, 1)) == Outcome::Done)},
            {"edit", OP(s.updateRecord(shown(s, 1), record("Robert")) == Outcome::Done)},
            {"duplicate", OP(s.duplicateRecord(shown(s, 1)) == Outcome::Done)},
            {"compact", OP(s.compact())}};
        for (const auto& [name, operation] : operations)
            for (const char* situation : {"replaced", "linked"})
                QTest::addRow("%s, %s", name, situation) << operation << QString(situation);
        for (qsizetype i : {0, 1})
            QTest::addRow("%s, created", operations[i].first)
                << operations[i].second << QString("created");
        // Right after a write, before the next: a copy of the file as it was before the write,
        // or as it is after it. Compaction renames a copy of its own and is left out.
        for (qsizetype i = 0; i + 1 < operations.size(); ++i)
            for (const char* situation : {"copied before, renamed after", "copied after"})
                QTest::addRow("%s, %s", operations[i].first, situation)
                    << operations[i].second << QString(situation);
    }
    void writesReachTheFileThere()
    {
        QFETCH(StoreOperation, operation);
        QFETCH(QString, situation);
        StoreFixture f, reference;
        for (const char* name : {"Ann", "Bob", "Cleo"})
            reference.add(name, "2000-01-02");
        const QByteArray three = reference.bytes();
        if (situation != "linked" && situation != "created")
            put(f.path(), three);
        // A deleted cell first, so every offset differs from the file read; an event of its own.
        const QByteArray there = cell(0, 1, 9, "Gone") + reference.bytes() + cell(0, 0, 3, "Dora");
        put(reference.path(), there);
        QVERIFY(operation(reference.store));
        const QString elsewhere = f.dir.filePath("synced.dat");
        put(elsewhere, there);
        QByteArray expected = reference.bytes();
        if (situation == "copied after") {
            // The write is in the copy: made once, not twice.
            put(reference.path(), three);
            QVERIFY(operation(reference.store));
            expected = reference.bytes();
        }
        if (situation != "linked" && situation != "created" && !canRenameOverHeldFile(f.dir))
            QSKIP("Wine 8 refuses a rename over a file held open; Windows 10 (1809) renames it");
        if (situation == "linked") {
            QVERIFY(QFile::link(elsewhere, f.path()));
            if (!QFileInfo(f.path()).isSymbolicLink())
                QSKIP(
                    "QFile::link makes a .lnk shortcut on Windows, which file calls don't follow");
        } else {
            const auto renameOver = [&] {
                QString reason;
                if (situation == "copied after" && QFileInfo::exists(elsewhere))
                    put(elsewhere, f.bytes());
                // The file read is kept under another name: the write must not reach it.
                if (situation == "replaced" && QFileInfo::exists(elsewhere))
                    QVERIFY(QFile::rename(f.path(), f.dir.filePath("kept.dat")));
                QVERIFY2(!QFileInfo::exists(elsewhere) ||
                             FileIo::replaceFile(elsewhere, f.path(), reason),
                         qPrintable(reason));
            };
            if (situation.contains("after"))
                f.store.setAfterWriteHook(renameOver);
            else
                f.store.setBeforeWriteHook(renameOver);
        }
        QVERIFY2(operation(f.store), qPrintable(f.store.errorString()));
        QCOMPARE(f.bytes(), expected);
        QCOMPARE(QFileInfo(f.path()).isSymLink(), situation == "linked");
        QCOMPARE(QFileInfo::exists(elsewhere), situation == "linked");
        if (situation == "replaced")
            QCOMPARE(readFile(f.dir.filePath("kept.dat")), three);
    }

    void folderInPlaceOfFile()
    {
        StoreFixture f;
        QVERIFY(QDir().mkpath(f.path()));
        for (const StoreOperation& operation :
             {OP(StoreFields(s).recordKeys()), OP(StoreFields(s).readRecord(0)),
              OP(s.readAllRecords()), OP(StoreFields(s).newRecordKey()),
              OP(StoreFields(s).writeField("Name", 0, "x")),
              OP(StoreFields(s).deleteField("Name", 0)),
              OP(s.deleteRecord(shown(s, 0)) != Outcome::Failed),
              OP(s.duplicateRecord(shown(s, 0)) != Outcome::Failed), OP(s.addRecord(record("x"))),
              OP(s.compact())}) {
            QVERIFY(!operation(f.store));
            QVERIFY2(f.store.errorString().contains(QDir::toNativeSeparators(f.path())),
                     qPrintable(f.store.errorString()));
        }
        QVERIFY(QFileInfo(f.path()).isDir());
        // A folder that is not there: nothing to read, and a write says so.
        BirthdayStore lost(f.dir.filePath("no/such/folder/birthday.dat"));
        QCOMPARE(*StoreFields(lost).recordKeys(), QList<int>());
        QVERIFY(!StoreFields(lost).writeField("Name", 0, "x"));
        QVERIFY2(lost.errorString().contains("does not exist"), qPrintable(lost.errorString()));
    }

    // A lock file alone holds nothing, whatever an earlier copy left in it. While another copy
    // holds the lock, reading and every change wait, then give up; released, they work again.
    void lockHeldByAnotherCopy()
    {
        StoreFixture f;
        put(f.path() + ".lock", "1\ncandlewatcher\nhost\n");
        QCOMPARE(BirthdayStore(f.path(), 0).addRecord(record("A")), 0);
        const QByteArray before = f.bytes();
        BirthdayStore store(f.path(), 50);
        auto held = std::make_unique<FileLock>(f.path() + ".lock");
        QCOMPARE(held->lock(QDeadlineTimer(0)), FileLock::Status::Locked);
        QVERIFY(!StoreFields(store).writeField("Name", 0, "C"));
        QVERIFY2(store.errorString().contains("in use by another running copy"),
                 qPrintable(store.errorString()));
        QVERIFY(!StoreFields(store).recordKeys());
        QVERIFY(!store.compact());
        QCOMPARE(f.bytes(), before);
        held.reset();
        QVERIFY(StoreFields(store).writeField("Name", 0, "C"));
        QVERIFY(store.compact());
    }
};

QTEST_GUILESS_MAIN(TestBirthdayStore)
#include "test_birthdaystore.moc"
