#include "store/birthdaystore.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <functional>

using StoreOperation = std::function<bool(BirthdayStore&)>;
using Outcome = BirthdayStore::Outcome;
Q_DECLARE_METATYPE(StoreOperation)

namespace {

// Length of the whole cells at the start of a file, by the layout.
qsizetype wholeCellsLength(const QByteArray& bytes)
{
    constexpr int cellSizes[] = {262, 32, 8, 9, 8, 32, 8};
    qsizetype pos = 0;
    while (bytes.size() - pos >= 7) {
        const int slot = quint8(bytes[pos]);
        const int length = slot < 7 ? cellSizes[slot] : 7;
        if (bytes.size() - pos < length)
            break;
        pos += length;
    }
    return pos;
}

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(text);
}

// A cell built by hand from the layout: slot, flag, the 5 key bytes given as hex, the value
// padded with zeros to size.
QByteArray cell(int slot, int flag, const char* keyHex, const QByteArray& value, int size)
{
    QByteArray bytes;
    bytes.append(char(slot));
    bytes.append(char(flag));
    bytes.append(hex(keyHex));
    bytes.append(value);
    bytes.append(size - value.size(), '\0');
    return bytes;
}

constexpr int sizes[] = {255, 25, 1, 2, 1, 25, 1};

QByteArray cellFor(int slot, int flag, int key, const QByteArray& value)
{
    return cell(slot, flag, BirthdayStore::keyEncode(key).toHex().constData(), value,
                slot < 7 ? sizes[slot] : 0);
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

BirthdayRecord makeRecord(const QString& name, const QString& date = QStringLiteral("2000-01-02"))
{
    BirthdayRecord r;
    r.setValue(BirthdayRecord::Name, name);
    r.setValue(BirthdayRecord::Date, date);
    r.setValue(BirthdayRecord::Recurs, QStringLiteral("1"));
    r.setValue(BirthdayRecord::Notify, QStringLiteral("7"));
    r.setValue(BirthdayRecord::Alert, QStringLiteral("0"));
    r.setValue(BirthdayRecord::ShowYears, QStringLiteral("1"));
    return r;
}

// The add dialog's way: a free key, then the six fields one by one.
int addBySteps(BirthdayStore& store, const QString& name)
{
    const std::optional<int> key = store.recordKeyNew();
    if (!key)
        return -1;
    const BirthdayRecord r = makeRecord(name);
    for (int slot : {0, 1, 2, 3, 4, 6})
        if (!store.fieldWrite(
                QString::fromLatin1(std::array{"Name", "Date", "Recurs", "Notify", "Alert",
                                               "LastDate", "ShowYears"}[size_t(slot)]),
                *key, r.values[size_t(slot)]))
            return -1;
    return *key;
}

// What the key holds now, as the list would read it (all fields "" when nothing).
BirthdayRecord recordNow(BirthdayStore& store, int key)
{
    BirthdayRecord none;
    none.key = key;
    return store.recordRead(key).value_or(none);
}

// What the list fill would see, the slow way.
QList<BirthdayRecord> readOneByOne(BirthdayStore& store, bool* ok)
{
    QList<BirthdayRecord> out;
    *ok = false;
    const auto keys = store.recordKeysList();
    if (!keys)
        return out;
    for (int key : *keys) {
        const auto r = store.recordRead(key);
        if (!r)
            return out;
        out.append(*r);
    }
    *ok = true;
    return out;
}

} // namespace

class TestBirthdayStore : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_case = 0;
    // birthday.dat in a new, empty folder.
    QString freshPath()
    {
        const QString folder = m_dir.filePath(QStringLiteral("case%1").arg(++m_case));
        QDir().mkpath(folder);
        return folder + QStringLiteral("/birthday.dat");
    }
    QString freshFile(const QByteArray& bytes)
    {
        const QString path = freshPath();
        writeAll(path, bytes);
        return path;
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    // ---- the layout ----

    void keyEncoding_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("0") << 0 << hex("0000000000");
        QTest::newRow("3") << 3 << hex("0300000000");
        QTest::newRow("255") << 255 << hex("FF00000000");
        QTest::newRow("256") << 256 << hex("FF01000000");
        QTest::newRow("300") << 300 << hex("FF2D000000");
        QTest::newRow("510") << 510 << hex("FFFF000000");
        QTest::newRow("511") << 511 << hex("FFFF010000");
        QTest::newRow("600") << 600 << hex("FFFF5A0000");
        QTest::newRow("1275") << 1275 << hex("FFFFFFFFFF");
    }
    void keyEncoding()
    {
        QFETCH(int, key);
        QFETCH(QByteArray, bytes);
        QCOMPARE(BirthdayStore::keyEncode(key), bytes);
        QCOMPARE(BirthdayStore::keyDecode(bytes), key);
        // The same bytes land in the file, right after the slot and flag bytes.
        BirthdayStore store(freshPath());
        QVERIFY2(store.fieldWrite(QStringLiteral("Recurs"), key, QStringLiteral("1")),
                 qPrintable(store.errorString()));
        QCOMPARE(readAll(store.dataPath()), QByteArray("\x02\x00", 2) + bytes + "1");
        QCOMPARE(store.recordRead(key)->value(BirthdayRecord::Recurs), QStringLiteral("1"));
    }

    void keyDecodingBySum()
    {
        // Any 5 bytes with the same sum name the same record.
        const QString path =
            freshFile(cell(0, 0, "00FF010000", "Odd", 255) + cell(1, 0, "8080000000", "1999", 25));
        BirthdayStore store(path);
        QCOMPARE(*store.recordKeysList(), QList<int>{256});
        const auto r = store.recordRead(256);
        QVERIFY(r);
        QCOMPARE(r->value(BirthdayRecord::Name), QStringLiteral("Odd"));
        QCOMPARE(r->value(BirthdayRecord::Date), QStringLiteral("1999"));
    }

    void exampleCells()
    {
        BirthdayStore store(freshPath());
        QVERIFY(store.fieldWrite(QStringLiteral("Name"), 3, QStringLiteral("Ann")));
        QVERIFY(store.fieldWrite(QStringLiteral("Recurs"), 3, QStringLiteral("1")));
        const QByteArray name = hex("00000300000000416E6E") + QByteArray(252, '\0');
        const QByteArray recurs = hex("0200030000000031");
        QCOMPARE(readAll(store.dataPath()), name + recurs);

        QCOMPARE(store.recordDelete(recordNow(store, 3)), Outcome::Done);
        QByteArray deleted = name + recurs;
        deleted[1] = '\x01';
        deleted[name.size() + 1] = '\x01';
        QCOMPARE(readAll(store.dataPath()), deleted);
    }

    void fileLengthsOfANewRecord()
    {
        BirthdayStore store(freshPath());
        const std::optional<int> key = store.recordAdd(makeRecord(QStringLiteral("Ann")));
        QVERIFY2(key, qPrintable(store.errorString()));
        QCOMPARE(*key, 0);
        const QByteArray bytes = readAll(store.dataPath());
        QCOMPARE(bytes.size(), 327);
        // Name, Date, Recurs, Notify, Alert, ShowYears, at their cell lengths.
        const QList<std::pair<int, int>> cells = {{0, 0},   {1, 262}, {2, 294},
                                                  {3, 302}, {4, 311}, {6, 319}};
        for (auto [slot, offset] : cells) {
            QCOMPARE(int(quint8(bytes[offset])), slot);
            QCOMPARE(bytes[offset + 1], '\0');
        }

        // The add dialog's field-by-field way gives the same bytes.
        BirthdayStore steps(freshPath());
        QCOMPARE(addBySteps(steps, QStringLiteral("Ann")), 0);
        QCOMPARE(readAll(steps.dataPath()), bytes);

        QVERIFY(store.fieldWrite(QStringLiteral("LastDate"), 0, QStringLiteral("2024-05-01")));
        QCOMPARE(QFileInfo(store.dataPath()).size(), 359);
        QVERIFY(store.fieldWrite(QStringLiteral("lastdate"), 0, QStringLiteral("2025-05-01")));
        QCOMPARE(QFileInfo(store.dataPath()).size(), 359);
        QCOMPARE(store.recordRead(0)->value(BirthdayRecord::LastDate),
                 QStringLiteral("2025-05-01"));
    }

    void values_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("readBack");
        const QString date25 = QStringLiteral("1234567890123456789012345");
        QTest::newRow("exactly the size") << "Date" << date25 << date25.toLatin1() << date25;
        QTest::newRow("empty") << "Date" << QString() << QByteArray(25, '\0') << QString();
        QTest::newRow("short") << "Notify"
                               << "7" << QByteArray("7\0", 2) << "7";
        QTest::newRow("NUL inside") << "Date" << QStringLiteral("12") + QChar(0) + "34"
                                    << QByteArray("12\0"
                                                  "34",
                                                  5) +
                                           QByteArray(20, '\0')
                                    << "1234";
        const QString e127 = QString(127, QChar(0xE9));
        QTest::newRow("UTF-8 fills the field")
            << "Name" << e127 + "x" << e127.toUtf8() + "x" << e127 + "x";
        QTest::newRow("euro sign")
            << "Name" << QStringLiteral("\u20AC 5")
            << QByteArray("\xE2\x82\xAC 5") + QByteArray(250, '\0') << QStringLiteral("\u20AC 5");
    }
    void values()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QByteArray, stored);
        QFETCH(QString, readBack);
        BirthdayStore store(freshPath());
        QVERIFY2(store.fieldWrite(field, 9, value), qPrintable(store.errorString()));
        QCOMPARE(readAll(store.dataPath()).mid(7), stored);
        const int slot = BirthdayStore::fieldIndex(field);
        QCOMPARE(store.recordRead(9)->values[size_t(slot)], readBack);
    }

    void valueDecoding_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("ascii") << QByteArray("Ann") << "Ann";
        QTest::newRow("utf-8") << QByteArray("Jos\xC3\xA9") << QStringLiteral("Jos\u00E9");
        QTest::newRow("1252 latin") << QByteArray("Jos\xE9") << QStringLiteral("Jos\u00E9");
        QTest::newRow("1252 high table")
            << QByteArray("\x80\x85\x8A\x91\x92\x96\x99\x9F")
            << QStringLiteral("\u20AC\u2026\u0160\u2018\u2019\u2013\u2122\u0178");
        QTest::newRow("1252 undefined bytes")
            << QByteArray("\x81\x8D") << QStringLiteral("\u0081\u008D");
        QTest::newRow("cut utf-8 sequence") << QByteArray("ab\xC3") << QStringLiteral("ab\u00C3");
        QTest::newRow("overlong utf-8 is no utf-8")
            << QByteArray("\xC0\x80x") << QStringLiteral("\u00C0\u20ACx");
        QTest::newRow("encoded surrogate is no utf-8")
            << QByteArray("\xED\xA0\x80") << QStringLiteral("\u00ED\u00A0\u20AC");
        QTest::newRow("NULs removed") << QByteArray("a\0b\0\0", 5) << "ab";
        QTest::newRow("only NULs") << QByteArray(25, '\0') << QString();
        QTest::newRow("BOM kept") << QByteArray("\xEF\xBB\xBFx") << QStringLiteral("\uFEFFx");
    }
    void valueDecoding()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(BirthdayStore::valueDecode(bytes), text);
    }

    void windowsFileReads()
    {
        // Written by the old program on Windows: one byte per character, cp1252.
        const QString path = freshFile(cell(0, 0, "0100000000", "Ren\xE9\x20\x80", 255) +
                                       cell(1, 0, "0100000000", "31.12.1999", 25));
        BirthdayStore store(path);
        const auto r = store.recordRead(1);
        QVERIFY(r);
        QCOMPARE(r->value(BirthdayRecord::Name), QStringLiteral("Ren\u00E9 \u20AC"));
        QCOMPARE(r->value(BirthdayRecord::Date), QStringLiteral("31.12.1999"));
    }

    void fieldNames()
    {
        QCOMPARE(BirthdayStore::fieldIndex(QStringLiteral("name")), 0);
        QCOMPARE(BirthdayStore::fieldIndex(QStringLiteral("SHOWYEARS")), 6);
        QCOMPARE(BirthdayStore::fieldIndex(QStringLiteral("LastDate")), 5);
        QCOMPARE(BirthdayStore::fieldIndex(QStringLiteral("Birthday")), 0);
        QVERIFY(!BirthdayStore::fieldSlot(QStringLiteral("Birthday")));
    }

    // ---- the operations ----

    void missingAndEmptyFile()
    {
        for (bool empty : {false, true}) {
            const QString path = empty ? freshFile({}) : freshPath();
            BirthdayStore store(path);
            QCOMPARE(*store.recordKeysList(), QList<int>());
            QCOMPARE(*store.recordsReadAll(), QList<BirthdayRecord>());
            QCOMPARE(*store.recordKeyNew(), 0);
            const auto r = store.recordRead(5);
            QVERIFY(r);
            for (const QString& v : r->values)
                QVERIFY(v.isEmpty());
            QVERIFY(store.fieldDelete(QStringLiteral("Name"), 0));
            QCOMPARE(store.recordDelete(recordNow(store, 0)), Outcome::Changed);
            QVERIFY(store.databaseCompact());
            QCOMPARE(QFileInfo::exists(path), empty);
        }
    }

    void keysAreReused()
    {
        BirthdayStore store(freshPath());
        QCOMPARE(addBySteps(store, QStringLiteral("A")), 0);
        QCOMPARE(addBySteps(store, QStringLiteral("B")), 1);
        QCOMPARE(*store.recordAdd(makeRecord(QStringLiteral("C"))), 2);
        const qint64 size = QFileInfo(store.dataPath()).size();
        QCOMPARE(store.recordDelete(recordNow(store, 1)), Outcome::Done);
        QCOMPARE(QFileInfo(store.dataPath()).size(), size);
        QCOMPARE(*store.recordKeysList(), (QList<int>{0, 2}));
        QCOMPARE(*store.recordKeyNew(), 1);
        QCOMPARE(*store.recordAdd(makeRecord(QStringLiteral("D"))), 1);
        // Name-cell order: D's cells were appended last.
        QCOMPARE(*store.recordKeysList(), (QList<int>{0, 2, 1}));
        QCOMPARE(store.recordRead(1)->value(BirthdayRecord::Name), QStringLiteral("D"));
    }

    void compaction()
    {
        BirthdayStore store(freshPath());
        for (const char* name : {"A", "B", "C", "D"})
            QVERIFY(store.recordAdd(makeRecord(QString::fromLatin1(name))));
        QVERIFY(store.fieldWrite(QStringLiteral("LastDate"), 1, QStringLiteral("x")));
        QVERIFY(store.fieldDelete(QStringLiteral("Notify"), 3));
        QCOMPARE(store.recordDelete(recordNow(store, 1)), Outcome::Done);
        const QByteArray before = readAll(store.dataPath());
        bool ok = false;
        const QList<BirthdayRecord> records = readOneByOne(store, &ok);
        QVERIFY(ok);
        QCOMPARE(records.size(), 3);

        // The live cells, byte for byte, in file order.
        QByteArray expected;
        for (int pos = 0; pos < before.size();) {
            const int length = 7 + (quint8(before[pos]) < 7 ? sizes[quint8(before[pos])] : 0);
            if (before[pos + 1] != '\x01')
                expected += before.mid(pos, length);
            pos += length;
        }
        QCOMPARE(before.size() - expected.size(), 327 + 32 + 9);

        writeAll(store.dataPath() + ".tmp", "left over from a crash");
        QVERIFY2(store.databaseCompact(), qPrintable(store.errorString()));
        QCOMPARE(readAll(store.dataPath()), expected);
        QVERIFY(!QFileInfo::exists(store.dataPath() + ".tmp"));
        QCOMPARE(*store.recordsReadAll(), records);
        QCOMPARE(store.recordRead(3)->value(BirthdayRecord::Notify), QString());
        QCOMPARE(store.recordRead(3)->value(BirthdayRecord::Name), QStringLiteral("D"));
    }

    void strayCopyGoesFirst()
    {
        BirthdayStore store(freshPath());
        QVERIFY(store.recordAdd(makeRecord(QStringLiteral("A"))));
        const QString tmp = store.dataPath() + ".tmp";
        writeAll(tmp, QByteArray(1000, 'x'));
        bool strayGone = false;
        store.setCompactionHook([&](BirthdayStore::CompactionStage stage) {
            if (stage == BirthdayStore::CompactionStage::StrayRemoved)
                strayGone = !QFileInfo::exists(tmp);
        });
        QVERIFY(store.databaseCompact());
        QVERIFY(strayGone);

        // Without a data file the stray still goes and nothing is created.
        BirthdayStore empty(freshPath());
        writeAll(empty.dataPath() + ".tmp", "x");
        QVERIFY(empty.databaseCompact());
        QVERIFY(!QFileInfo::exists(empty.dataPath() + ".tmp"));
        QVERIFY(!QFileInfo::exists(empty.dataPath()));
    }

    void flagsOtherThanZeroAndOne()
    {
        // A Name cell flagged 0x02 is not listed, yet every other reader takes it as live.
        const QString path = freshFile(cellFor(0, 0, 0, "Zero") + cellFor(0, 2, 4, "Four") +
                                       cellFor(1, 2, 4, "d4") + cellFor(1, 1, 0, "gone"));
        BirthdayStore store(path);
        QCOMPARE(*store.recordKeysList(), QList<int>{0});
        QCOMPARE(store.recordRead(4)->value(BirthdayRecord::Name), QStringLiteral("Four"));
        QCOMPARE(store.recordRead(4)->value(BirthdayRecord::Date), QStringLiteral("d4"));
        QCOMPARE(store.recordRead(0)->value(BirthdayRecord::Date), QString());
        // Key 1 is free (4 is not in the listing either, but 1 comes first).
        QCOMPARE(*store.recordKeyNew(), 1);
        // Writing over the 0x02 cell keeps its flag.
        QVERIFY(store.fieldWrite(QStringLiteral("Name"), 4, QStringLiteral("Vier")));
        const QByteArray bytes = readAll(path);
        QCOMPARE(bytes.size(), 262 * 2 + 32 * 2);
        QCOMPARE(bytes[262 + 1], '\x02');
        QCOMPARE(bytes.mid(262 + 7, 4), QByteArray("Vier"));
        // Compaction keeps it (not 0x01) but drops the deleted Date.
        QVERIFY(store.databaseCompact());
        QCOMPARE(readAll(path), bytes.left(262 * 2 + 32));
    }

    void duplicateCellsLaterWins()
    {
        const QString path = freshFile(cellFor(0, 0, 2, "First") + cellFor(1, 0, 2, "d1") +
                                       cellFor(0, 0, 2, "Second") + cellFor(0, 0, 5, "Five"));
        BirthdayStore store(path);
        QCOMPARE(*store.recordKeysList(), (QList<int>{2, 2, 5}));
        QCOMPARE(store.recordRead(2)->value(BirthdayRecord::Name), QStringLiteral("Second"));
        bool ok = false;
        const QList<BirthdayRecord> slow = readOneByOne(store, &ok);
        QVERIFY(ok);
        QCOMPARE(*store.recordsReadAll(), slow);
        // A write goes to the first live cell of the field.
        QVERIFY(store.fieldWrite(QStringLiteral("Name"), 2, QStringLiteral("New")));
        QCOMPARE(readAll(path).mid(7, 3), QByteArray("New"));
        QCOMPARE(store.recordRead(2)->value(BirthdayRecord::Name), QStringLiteral("Second"));
    }

    // recordDelete and recordDuplicate walk once; the result must be what the field-by-field
    // way gives, also on files with stray and doubled cells.
    void oneWalkMatchesFieldByField_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("key");
        const QByteArray plain = cellFor(0, 0, 0, "A") + cellFor(1, 0, 0, "d") +
                                 cellFor(0, 0, 1, "B") + cellFor(5, 0, 1, "last");
        QTest::newRow("plain") << plain << 0;
        QTest::newRow("missing key") << plain << 7;
        QTest::newRow("doubled cells")
            << cellFor(0, 0, 3, "A") + cellFor(0, 0, 3, "A2") + cellFor(1, 2, 3, "d") +
                   cellFor(1, 0, 3, "d2") + cellFor(9, 0, 3, "") + cellFor(0, 1, 3, "old")
            << 3;
        QTest::newRow("orphan cells under the free key")
            << cellFor(0, 0, 0, "A") + cellFor(1, 0, 1, "orphan") + cellFor(6, 2, 1, "1") +
                   cellFor(0, 2, 1, "flag2") + cellFor(3, 0, 0, "12")
            << 0;
        QTest::newRow("partial tail") << plain + cellFor(0, 0, 0, "cut").left(40) << 1;
        QTest::newRow("1252 name, full") << cellFor(0, 0, 0, QByteArray(255, '\xE9')) << 0;
    }
    void oneWalkMatchesFieldByField()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, key);
        const char* names[] = {"Name",  "Date",     "Recurs",   "Notify",
                               "Alert", "LastDate", "ShowYears"};

        BirthdayStore fast(freshFile(file)), slow(freshFile(file));
        QVERIFY(fast.recordDelete(recordNow(fast, key)) != Outcome::Failed);
        for (const char* name : names)
            QVERIFY(slow.fieldDelete(QString::fromLatin1(name), key));
        QCOMPARE(readAll(fast.dataPath()), readAll(slow.dataPath()));

        BirthdayStore copy(freshFile(file)), steps(freshFile(file));
        int newKey = -1;
        const Outcome duplicated = copy.recordDuplicate(recordNow(copy, key), &newKey);
        if (!steps.recordKeysList()->contains(key)) { // nothing listed: nothing to copy
            QCOMPARE(duplicated, Outcome::Changed);
            QCOMPARE(readAll(copy.dataPath()), file);
            return;
        }
        QVERIFY2(duplicated == Outcome::Done, qPrintable(copy.errorString()));
        const BirthdayRecord source = *steps.recordRead(key);
        QCOMPARE(*steps.recordKeyNew(), newKey);
        for (int slot = 0; slot < 7; ++slot) {
            // Text written back may need more bytes than the bytes read (cp1252 to UTF-8);
            // the copy keeps the stored bytes, which read back as the same text.
            const QString& value = source.values[size_t(slot)];
            if (value.toUtf8().size() > sizes[slot])
                continue;
            QVERIFY(steps.fieldWrite(QString::fromLatin1(names[slot]), newKey, value));
        }
        BirthdayRecord copied = *copy.recordRead(newKey);
        QCOMPARE(copied.values, source.values);
        if (source.value(BirthdayRecord::Name).toUtf8().size() <= 255)
            QCOMPARE(readAll(copy.dataPath()), readAll(steps.dataPath()));
    }

    void duplicateWritesAllSevenCells()
    {
        BirthdayStore store(freshPath());
        QVERIFY(store.recordAdd(makeRecord(QStringLiteral("Ann"))));
        int key = -1;
        QCOMPARE(store.recordDuplicate(recordNow(store, 0), &key), Outcome::Done);
        QCOMPARE(key, 1);
        QCOMPARE(QFileInfo(store.dataPath()).size(), 327 + 359);
        BirthdayRecord original = *store.recordRead(0), copy = *store.recordRead(1);
        QCOMPARE(copy.values, original.values);
        QCOMPARE(copy.value(BirthdayRecord::LastDate), QString());

        // A key nobody has: nothing to copy.
        QCOMPARE(store.recordDuplicate(recordNow(store, 40)), Outcome::Changed);
        QCOMPARE(*store.recordKeysList(), (QList<int>{0, 1}));
    }

    // ---- refusals ----

    void refusalsWriteNothing_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<StoreOperation>("operation");
        QTest::addColumn<QString>("errorPart");
        using Op = StoreOperation;
        const QByteArray one = cellFor(0, 0, 0, "Ann") + cellFor(1, 0, 0, "1999");
        QTest::newRow("key above 1275")
            << one << Op([](BirthdayStore& s) { return s.fieldWrite("Name", 1276, "x"); })
            << "1276";
        QTest::newRow("negative key")
            << one << Op([](BirthdayStore& s) { return s.fieldWrite("Date", -1, "x"); }) << "-1";
        QTest::newRow("negative key, delete") << one << Op([](BirthdayStore& s) {
            return s.recordDelete(recordNow(s, -3)) == Outcome::Done;
        }) << "-3";
        QTest::newRow("negative key, duplicate") << one << Op([](BirthdayStore& s) {
            return s.recordDuplicate(recordNow(s, -3)) == Outcome::Done;
        }) << "-3";
        QTest::newRow("name of 256 bytes") << one << Op([](BirthdayStore& s) {
            return s.fieldWrite("Name", 0, QString(256, 'a'));
        }) << "256 bytes";
        QTest::newRow("name of 128 two-byte characters") << one << Op([](BirthdayStore& s) {
            return s.fieldWrite("Name", 0, QString(128, QChar(0xE9)));
        }) << "at most 255";
        QTest::newRow("date of 26")
            << one << Op([](BirthdayStore& s) { return s.fieldWrite("Date", 0, QString(26, '1')); })
            << "Date";
        QTest::newRow("notify of 3")
            << one << Op([](BirthdayStore& s) { return s.fieldWrite("Notify", 0, "100"); })
            << "100";
        QTest::newRow("over-long value of a new record") << one << Op([](BirthdayStore& s) {
            BirthdayRecord r = makeRecord("x");
            r.setValue(BirthdayRecord::Recurs, "10");
            return bool(s.recordAdd(r));
        }) << "Recurs";
        QTest::newRow("unknown field")
            << one << Op([](BirthdayStore& s) { return s.fieldWrite("Birthday", 0, "x"); })
            << "Birthday";
        QTest::newRow("unknown field, delete")
            << one << Op([](BirthdayStore& s) { return s.fieldDelete("Birthday", 0); })
            << "Birthday";

        QByteArray allKeys;
        for (int key = 0; key <= 1275; ++key)
            allKeys += cellFor(0, 0, key, "n");
        QTest::newRow("no free key: new key")
            << allKeys << Op([](BirthdayStore& s) { return bool(s.recordKeyNew()); }) << "1275";
        QTest::newRow("no free key: add")
            << allKeys << Op([](BirthdayStore& s) { return bool(s.recordAdd(makeRecord("x"))); })
            << "1275";
        QTest::newRow("no free key: duplicate") << allKeys << Op([](BirthdayStore& s) {
            return s.recordDuplicate(recordNow(s, 3)) == Outcome::Done;
        }) << "1275";

        QByteArray full;
        for (int i = 0; i < 10001; ++i)
            full += cellFor(0, 0, i % 7, "n");
        QTest::newRow("10001 records: new key")
            << full << Op([](BirthdayStore& s) { return bool(s.recordKeyNew()); }) << "10001";
        QTest::newRow("10001 records: add")
            << full << Op([](BirthdayStore& s) { return bool(s.recordAdd(makeRecord("x"))); })
            << "10001";
        QTest::newRow("10001 records: a new Name")
            << full << Op([](BirthdayStore& s) { return s.fieldWrite("Name", 9, "x"); }) << "10001";
    }
    void refusalsWriteNothing()
    {
        QFETCH(QByteArray, file);
        QFETCH(StoreOperation, operation);
        QFETCH(QString, errorPart);
        BirthdayStore store(freshFile(file));
        QVERIFY(!operation(store));
        QVERIFY2(store.errorString().contains(errorPart), qPrintable(store.errorString()));
        QCOMPARE(readAll(store.dataPath()), file);

        // Without a data file the same refusal creates none.
        if (file.size() < 1000) {
            BirthdayStore none(freshPath());
            QVERIFY(!operation(none));
            QVERIFY(!QFileInfo::exists(none.dataPath()));
        }
    }

    void limitsStillAllowChanges()
    {
        // At the record limit, existing records can still be changed.
        QByteArray full;
        for (int i = 0; i < 10001; ++i)
            full += cellFor(0, 0, i % 7, "n");
        BirthdayStore store(freshFile(full));
        QVERIFY(store.fieldWrite(QStringLiteral("Name"), 3, QStringLiteral("renamed")));
        QVERIFY(store.fieldWrite(QStringLiteral("Date"), 3, QStringLiteral("2000")));
        QCOMPARE(readAll(store.dataPath()).size(), full.size() + 32);
        // The highest key still fits.
        QVERIFY(store.fieldWrite(QStringLiteral("Date"), 1275, QStringLiteral("x")));
        QCOMPARE(store.recordRead(1275)->value(BirthdayRecord::Date), QStringLiteral("x"));
    }

    // ---- damaged files ----

    void truncatedFile_data()
    {
        QTest::addColumn<int>("cut");
        QTest::newRow("inside a head") << 3;
        QTest::newRow("inside a value") << 100;
        QTest::newRow("one byte short") << 261;
    }
    void truncatedFile()
    {
        QFETCH(int, cut);
        BirthdayStore whole(freshPath());
        QVERIFY(whole.recordAdd(makeRecord(QStringLiteral("A"))));
        QVERIFY(whole.recordAdd(makeRecord(QStringLiteral("B"))));
        const QByteArray bytes = readAll(whole.dataPath());
        // Cut inside B's Name cell (B starts at 327).
        const QByteArray damaged = bytes.left(327 + cut);
        BirthdayStore store(freshFile(damaged));
        QCOMPARE(*store.recordKeysList(), QList<int>{0});
        QCOMPARE(store.recordRead(0)->value(BirthdayRecord::Name), QStringLiteral("A"));
        QCOMPARE(store.recordsReadAll()->size(), 1);
        QCOMPARE(*store.recordKeyNew(), 1);

        // Reading changes nothing; the next write drops the cut cell before appending.
        QCOMPARE(readAll(store.dataPath()), damaged);
        QVERIFY(store.fieldWrite(QStringLiteral("LastDate"), 0, QStringLiteral("x")));
        QCOMPARE(readAll(store.dataPath()), bytes.left(327) + cellFor(5, 0, 0, "x"));

        // An in-place write or a delete drops it as well, so later appends stay aligned.
        BirthdayStore other(freshFile(damaged));
        QVERIFY(other.fieldDelete(QStringLiteral("Date"), 0));
        QCOMPARE(readAll(other.dataPath()).size(), 327);
        QCOMPARE(*other.recordAdd(makeRecord(QStringLiteral("C"))), 1);
        QCOMPARE(other.recordRead(1)->value(BirthdayRecord::Name), QStringLiteral("C"));

        // Compaction leaves the cut cell out.
        BirthdayStore compact(freshFile(damaged));
        QVERIFY(compact.databaseCompact());
        QCOMPARE(readAll(compact.dataPath()), bytes.left(327));
    }

    void refusedDeleteLeavesDamagedFileAlone()
    {
        const QByteArray damaged = cellFor(0, 0, 0, "A") + QByteArray("\x00\x00", 2);
        BirthdayStore store(freshFile(damaged));
        QCOMPARE(store.recordDelete(recordNow(store, 7)), Outcome::Changed);
        QCOMPARE(readAll(store.dataPath()), damaged);
    }

    void randomFiles()
    {
        // Random and cut files: no reader crashes or hangs, and the one-walk read agrees
        // with the key list and single reads; a write then leaves a well-formed file.
        QRandomGenerator random(20240501);
        for (int round = 0; round < 120; ++round) {
            QByteArray bytes;
            const int kind = round % 3;
            if (kind == 0) {
                bytes.resize(random.bounded(0, 1200));
                for (char& c : bytes)
                    c = char(random.bounded(256));
            } else {
                // Cell-shaped noise: plausible slots and flags, random keys and values.
                const int cells = random.bounded(0, 30);
                for (int i = 0; i < cells; ++i) {
                    const int slot = random.bounded(0, 10);
                    QByteArray value(slot < 7 ? sizes[slot] : 0, '\0');
                    for (char& c : value)
                        c = random.bounded(4) == 0 ? char(random.bounded(256)) : 'a';
                    QByteArray key(5, '\0');
                    for (char& c : key)
                        c = char(random.bounded(3) == 0 ? random.bounded(256) : 0);
                    bytes += char(slot) + QByteArray(1, char(random.bounded(0, 3))) + key + value;
                }
                if (kind == 2 && !bytes.isEmpty())
                    bytes.truncate(random.bounded(bytes.size()));
            }
            BirthdayStore store(freshFile(bytes));
            bool ok = false;
            const QList<BirthdayRecord> slow = readOneByOne(store, &ok);
            QVERIFY(ok);
            const auto fast = store.recordsReadAll();
            QVERIFY(fast);
            QCOMPARE(*fast, slow);
            const std::optional<int> key = store.recordKeyNew();
            QVERIFY(key);
            QVERIFY(!store.recordKeysList()->contains(*key));
            QVERIFY(store.recordRead(random.bounded(1276)));

            const qsizetype whole = wholeCellsLength(bytes);
            QVERIFY(store.fieldWrite(QStringLiteral("Alert"), *key, QStringLiteral("1")));
            const QByteArray written = readAll(store.dataPath());
            QVERIFY(written.size() == whole || written.size() == whole + 8);
            QCOMPARE(wholeCellsLength(written), written.size());
            if (round % 5 != 0)
                continue;
            const QList<BirthdayRecord> beforeCompaction = *store.recordsReadAll();
            QVERIFY(store.databaseCompact());
            const QByteArray compacted = readAll(store.dataPath());
            QCOMPARE(wholeCellsLength(compacted), compacted.size());
            for (qsizetype pos = 0; pos < compacted.size();
                 pos += 7 + (quint8(compacted[pos]) < 7 ? sizes[quint8(compacted[pos])] : 0))
                QVERIFY(compacted[pos + 1] != '\x01');
            QCOMPARE(*store.recordsReadAll(), beforeCompaction);
        }
    }

    // ---- file errors ----

    void folderInPlaceOfFile()
    {
        const QString path = freshPath();
        QVERIFY(QDir().mkpath(path));
        BirthdayStore store(path);
        const auto check = [&](bool ok) {
            QVERIFY(!ok);
            QVERIFY2(store.errorString().contains(QDir::toNativeSeparators(path)),
                     qPrintable(store.errorString()));
        };
        check(bool(store.recordKeysList()));
        check(bool(store.recordRead(0)));
        check(bool(store.recordsReadAll()));
        check(bool(store.recordKeyNew()));
        check(store.fieldWrite(QStringLiteral("Name"), 0, QStringLiteral("x")));
        check(store.fieldDelete(QStringLiteral("Name"), 0));
        check(store.recordDelete(recordNow(store, 0)) == Outcome::Done);
        check(store.recordDuplicate(recordNow(store, 0)) == Outcome::Done);
        check(bool(store.recordAdd(makeRecord(QStringLiteral("x")))));
        check(store.databaseCompact());
        QVERIFY(QFileInfo(path).isDir());
    }

    void missingFolder()
    {
        BirthdayStore store(m_dir.filePath(QStringLiteral("no/such/folder/birthday.dat")));
        QCOMPARE(*store.recordKeysList(), QList<int>());
        QVERIFY(!store.fieldWrite(QStringLiteral("Name"), 0, QStringLiteral("x")));
        QVERIFY2(store.errorString().contains(QStringLiteral("does not exist")),
                 qPrintable(store.errorString()));
    }

    void fullDisk()
    {
#ifdef Q_OS_LINUX
        const QString path = freshPath();
        QVERIFY(QFile::link(QStringLiteral("/dev/full"), path));
        BirthdayStore store(path);
        QVERIFY(!store.fieldWrite(QStringLiteral("Name"), 0, QStringLiteral("x")));
        QVERIFY2(store.errorString().contains(QDir::toNativeSeparators(path)),
                 qPrintable(store.errorString()));
        QVERIFY2(store.errorString().contains(qt_error_string(ENOSPC)),
                 qPrintable(store.errorString()));
        QVERIFY(!store.recordAdd(makeRecord(QStringLiteral("x"))));
        QVERIFY(store.errorString().contains(qt_error_string(ENOSPC)));
#else
        QSKIP("needs /dev/full");
#endif
    }

    void lockHeldByAnotherStore()
    {
        BirthdayStore first(freshPath());
        QVERIFY(first.recordAdd(makeRecord(QStringLiteral("A"))));
        QCOMPARE(first.recordDelete(recordNow(first, 0)), Outcome::Done);
        QVERIFY(first.recordAdd(makeRecord(QStringLiteral("B"))));
        const QByteArray before = readAll(first.dataPath());

        BirthdayStore second(first.dataPath());
        second.setLockTimeout(50);
        bool writeRefused = false, readRefused = false, compactRefused = false;
        QString message;
        first.setCompactionHook([&](BirthdayStore::CompactionStage stage) {
            if (stage != BirthdayStore::CompactionStage::CopyHalfWritten)
                return;
            writeRefused = !second.fieldWrite(QStringLiteral("Name"), 0, QStringLiteral("C"));
            message = second.errorString();
            readRefused = !second.recordKeysList();
            compactRefused = !second.databaseCompact();
        });
        QVERIFY(first.databaseCompact());
        QVERIFY(writeRefused);
        QVERIFY(readRefused);
        QVERIFY(compactRefused);
        QVERIFY2(message.contains(QStringLiteral("in use")), qPrintable(message));
        QVERIFY(message.contains(QDir::toNativeSeparators(first.dataPath())));
        // The compaction finished as if alone; afterwards the second store works again.
        QCOMPARE(readAll(first.dataPath()), before.mid(327));
        QVERIFY(second.fieldWrite(QStringLiteral("Name"), 0, QStringLiteral("C")));
        QCOMPARE(second.recordRead(0)->value(BirthdayRecord::Name), QStringLiteral("C"));
    }

    // A lock file by itself holds nothing: whatever an earlier copy left in it, only a copy
    // that is running and in the middle of an operation blocks another.
    void lockFileLeftBehind_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("owner of an older version, alive") << QByteArray("1\ncandlewatcher\nhost\n");
        QTest::newRow("garbage") << QByteArray("\xff\x00zz", 4);
    }
    void lockFileLeftBehind()
    {
        QFETCH(QByteArray, contents);
        const QString path = freshPath();
        QFile lockFile(path + QStringLiteral(".lock"));
        QVERIFY(lockFile.open(QIODevice::WriteOnly));
        lockFile.write(contents);
        lockFile.close();

        BirthdayStore store(path);
        store.setLockTimeout(0);
        QVERIFY2(store.recordAdd(makeRecord(QStringLiteral("A"))), qPrintable(store.errorString()));
        QVERIFY2(store.fieldWrite(QStringLiteral("Name"), 0, QStringLiteral("B")),
                 qPrintable(store.errorString()));
        QVERIFY2(store.databaseCompact(), qPrintable(store.errorString()));
        QCOMPARE(store.recordRead(0)->value(BirthdayRecord::Name), QStringLiteral("B"));
        // A second store in the same process takes the lock once the first is done.
        BirthdayStore second(path);
        second.setLockTimeout(0);
        QCOMPARE(second.recordKeysList(), std::optional<QList<int>>(QList<int>{0}));
    }
};

QTEST_GUILESS_MAIN(TestBirthdayStore)
#include "test_birthdaystore.moc"
