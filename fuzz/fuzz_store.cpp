// Treats its input as a data file and runs every store operation over it. Whatever the file
// holds, no operation may crash; after every write the file must still walk cell by cell to
// its end with no cell cut short, the records written must read back, the records not written
// must stay as they were, and a refused operation must leave the file as it was.

#include "datafile.h"

#include "store/birthdaystore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

QByteArray g_input;

[[noreturn]] void fail(const char* what, const QString& detail = QString())
{
    std::fprintf(stderr, "fuzz_store: %s %s\n", what, detail.toUtf8().constData());
    std::abort();
}

void check(bool condition, const char* what, const QString& detail = QString())
{
    if (!condition)
        fail(what, detail);
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QString workFolder()
{
    // Memory-backed when there is one: the store opens the file many times per input.
    static QTemporaryDir dir(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                 ? QStringLiteral("/dev/shm/cw-fuzz-store-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/cw-fuzz-store-XXXXXX"));
    if (!dir.isValid())
        fail("no temporary folder");
    return dir.path();
}

// A value for a field, made from the input's bytes: printable ASCII with now and then a
// character outside it, never longer than the field's size once encoded.
QString makeValue(int slot, int seed)
{
    const int size = FieldTable::fieldSize(slot);
    if (g_input.isEmpty() || size == 0)
        return QString();
    const int wanted = static_cast<unsigned char>(g_input[seed % g_input.size()]) % (size + 1);
    QString value;
    int bytes = 0;
    for (int i = 0; i < wanted; ++i) {
        const auto b = static_cast<unsigned char>(g_input[(seed + 1 + i) % g_input.size()]);
        const QChar c = b >= 0xF8 ? QChar(0x20AC) : b >= 0xF0 ? QChar(0xE9) : QChar(0x20 + b % 95);
        const int length = QString(c).toUtf8().size();
        if (bytes + length > size)
            break;
        value.append(c);
        bytes += length;
    }
    return value;
}

// The records as the store reads them, without key `skip`.
QList<BirthdayRecord> without(const QList<BirthdayRecord>& records, int skip)
{
    QList<BirthdayRecord> rest;
    for (const BirthdayRecord& r : records) {
        if (r.key != skip)
            rest.append(r);
    }
    return rest;
}

// The keys of the Name cells whose flag is exactly 0x00, in file order.
QList<int> listedKeys(const DataFile::Walk& walk)
{
    QList<int> keys;
    for (const DataFile::Cell& c : walk.cells) {
        if (c.slot == BirthdayRecord::Name && c.flag == 0)
            keys.append(c.key);
    }
    return keys;
}

class Run
{
public:
    explicit Run(const QString& path) : m_path(path), m_store(path) {}

    // The records in one walk; their keys must be those of the live Name cells, in file order.
    QList<BirthdayRecord> readAll()
    {
        const auto all = m_store.recordsReadAll();
        check(all.has_value(), "recordsReadAll refused a readable file", m_store.errorString());
        const QList<int> keys = listedKeys(DataFile::walk(fileBytes(m_path)));
        check(all->size() == keys.size(), "recordsReadAll missed or added a record");
        for (qsizetype i = 0; i < keys.size(); ++i)
            check(all->at(i).key == keys[i], "recordsReadAll gave the records out of file order");
        return *all;
    }

    // The same, and the literal way too: the key list, then one read per record.
    QList<BirthdayRecord> readAllChecked()
    {
        const QList<BirthdayRecord> all = readAll();
        const auto keys = m_store.recordKeysList();
        check(keys.has_value(), "recordKeysList refused a readable file", m_store.errorString());
        check(keys->size() == all.size(), "recordsReadAll and recordKeysList disagree");
        for (qsizetype i = 0; i < keys->size(); ++i) {
            const auto one = m_store.recordRead(keys->at(i));
            check(one.has_value(), "recordRead refused a readable file");
            check(all.at(i).key == keys->at(i) && *one == all.at(i),
                  "the one-walk read differs from recordRead", QString::number(keys->at(i)));
        }
        return all;
    }

    // A write succeeded: the file walks to its end. A write refused: the file is unchanged.
    void afterWrite(bool ok, const QByteArray& before, const char* what)
    {
        const QByteArray after = fileBytes(m_path);
        if (ok)
            check(DataFile::walk(after).aligned, what, QStringLiteral("left a cell cut short"));
        else
            check(after == before, what, QStringLiteral("was refused but changed the file"));
    }

    // Delete and duplicate state the record as read: a key without a listed record is Changed,
    // and then nothing may be written. True when the write was done.
    bool afterExpectedWrite(BirthdayStore::Outcome outcome, int key, const QByteArray& before,
                            const char* what)
    {
        if (outcome != BirthdayStore::Outcome::Changed) {
            afterWrite(outcome == BirthdayStore::Outcome::Done, before, what);
            return outcome == BirthdayStore::Outcome::Done;
        }
        check(!m_store.recordKeysList()->contains(key), what, QStringLiteral("refused its record"));
        check(fileBytes(m_path) == before, what, QStringLiteral("found a change but wrote"));
        return false;
    }

    // `checkOthers`: also verify that no other record changed (a walk before and after).
    void write(int slot, int key, const QString& value, bool checkOthers = true)
    {
        const QByteArray before = fileBytes(m_path);
        const DataFile::Walk walk = DataFile::walk(before);
        const auto others = checkOthers ? without(readAll(), key) : QList<BirthdayRecord>();
        const bool ok = m_store.fieldWrite(QLatin1String(FieldTable::fieldNames[slot]), key, value);
        afterWrite(ok, before, "fieldWrite");
        if (!ok)
            return;
        // The walk of the write stops at the first live cell; the read takes the last one. So
        // only a key with at most one live cell of the field reads back what was written.
        if (DataFile::liveCellCount(walk, slot, key) <= 1) {
            const auto record = m_store.recordRead(key);
            check(record && record->values[slot] == value, "a written value does not read back",
                  value);
        }
        const qsizetype grown = fileBytes(m_path).size() - before.size();
        if (walk.aligned)
            check(grown ==
                      (DataFile::liveCellCount(walk, slot, key) ? 0 : FieldTable::cellSize(slot)),
                  "fieldWrite changed the file's length by the wrong amount");
        if (checkOthers)
            check(without(readAll(), key) == others, "fieldWrite changed another record");
    }

    void fieldDelete(int slot, int key)
    {
        const QByteArray before = fileBytes(m_path);
        const DataFile::Walk walk = DataFile::walk(before);
        const auto others = without(readAll(), key);
        const bool ok = m_store.fieldDelete(QLatin1String(FieldTable::fieldNames[slot]), key);
        afterWrite(ok, before, "fieldDelete");
        if (!ok)
            return;
        check(fileBytes(m_path).size() == before.size(), "fieldDelete changed the file's length");
        if (DataFile::liveCellCount(walk, slot, key) <= 1) {
            const auto record = m_store.recordRead(key);
            check(record && record->values[slot].isEmpty(), "a deleted field still reads");
        }
        check(without(readAll(), key) == others, "fieldDelete changed another record");
    }

    void recordDelete(int key)
    {
        const QByteArray before = fileBytes(m_path);
        const DataFile::Walk walk = DataFile::walk(before);
        const auto others = without(readAll(), key);
        if (!afterExpectedWrite(
                m_store.recordDelete(m_store.recordRead(key).value_or(BirthdayRecord())), key,
                before, "recordDelete"))
            return;
        if (DataFile::liveCellCount(walk, BirthdayRecord::Name, key) <= 1)
            check(!m_store.recordKeysList()->contains(key), "a deleted record is still listed");
        check(without(readAll(), key) == others, "recordDelete changed another record");
    }

    void add(int seed)
    {
        const auto all = readAll();
        const auto keys = m_store.recordKeysList();
        const QByteArray before = fileBytes(m_path);
        const auto key = m_store.recordKeyNew();
        check(fileBytes(m_path) == before, "recordKeyNew changed the file");
        if (!key) {
            // Refused only when no key up to the largest the cell can hold is free.
            int free = 0;
            while (keys->contains(free))
                ++free;
            check(free > FieldTable::maxKey || keys->size() >= FieldTable::maxRecords,
                  "recordKeyNew refused although a key was free", m_store.errorString());
            return;
        }
        check(*key >= 0 && *key <= FieldTable::maxKey && !keys->contains(*key),
              "recordKeyNew gave a key in use or out of range", QString::number(*key));
        for (int slot = 0; slot < FieldTable::fieldCount; ++slot)
            write(slot, *key, makeValue(slot, seed + slot * 31), false);
        check(without(readAll(), *key) == without(all, *key), "adding changed another record");
    }

    void duplicate(int key)
    {
        const QByteArray before = fileBytes(m_path);
        const auto all = readAll();
        const auto source = m_store.recordRead(key);
        int copy = -1;
        if (!afterExpectedWrite(m_store.recordDuplicate(source.value_or(BirthdayRecord()), &copy),
                                key, before, "recordDuplicate"))
            return;
        const DataFile::Walk walk = DataFile::walk(before);
        check(!listedKeys(walk).contains(copy), "recordDuplicate used a key in use");
        const auto read = m_store.recordRead(copy);
        check(read.has_value(), "the copy does not read");
        for (int slot = 0; slot < FieldTable::fieldCount; ++slot) {
            if (DataFile::liveCellCount(walk, slot, copy) == 0)
                check(read->values[slot] == source->values[slot],
                      "the copy differs from its record", QString::number(slot));
        }
        check(without(readAll(), copy) == without(all, copy),
              "recordDuplicate changed another record");
    }

    void compact()
    {
        const QByteArray before = fileBytes(m_path);
        const auto all = readAll();
        const bool ok = m_store.databaseCompact();
        afterWrite(ok, before, "databaseCompact");
        check(!QFileInfo::exists(m_path + QStringLiteral(".tmp")), "compaction left its copy");
        if (!ok)
            return;
        const QByteArray after = fileBytes(m_path);
        if (DataFile::walk(before).aligned)
            check(after == DataFile::compacted(before),
                  "compaction did not keep exactly the live cells in order");
        for (const DataFile::Cell& c : DataFile::walk(after).cells)
            check(c.flag != 1, "a deleted cell survived compaction");
        check(readAll() == all, "compaction changed what the records read");
    }

private:
    QString m_path;
    BirthdayStore m_store;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = workFolder() + QStringLiteral("/birthday.dat");
    QFile::remove(path + QStringLiteral(".tmp"));
    g_input = QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(g_input) != g_input.size())
            fail("could not write the input file");
    }

    Run run(path);
    const QList<BirthdayRecord> records = run.readAllChecked();
    const int seed = size ? data[size / 2] : 0;
    const int first = records.isEmpty() ? seed : records.first().key;
    const int last = records.isEmpty() ? seed : records.last().key;

    run.write(seed % FieldTable::fieldCount, first, makeValue(seed % FieldTable::fieldCount, seed));
    run.add(seed);
    run.duplicate(last);
    run.fieldDelete((seed / 7) % FieldTable::fieldCount, last);
    run.compact();
    run.recordDelete(first);
    run.add(seed + 1);
    run.compact();
    run.readAllChecked();
    return 0;
}
