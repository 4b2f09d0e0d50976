// Treats its input as a data file and runs the store's operations over it. Whatever it holds, none
// may crash; a write must leave the file walking cell by cell to its end, other records as they
// were (a written value reading back); a refusal, the file as it was; a compaction must keep
// exactly the cells not flagged deleted, setting aside those of records cut off in their write.

#include "datafile.h"

#include "core/store/birthdaystore.h"
#include "core/store/storefields.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

using Outcome = BirthdayStore::Outcome;

void check(bool ok, const char* what)
{
    if (!ok) {
        std::fprintf(stderr, "fuzz_store: %s\n", what);
        std::abort();
    }
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Records a walk reads: those of Name cells flagged 0x00, in file order, as readRecord gives them.
QList<BirthdayRecord> records(BirthdayStore& store)
{
    const auto all = store.readAllRecords();
    const auto keys = StoreFields(store).recordKeys();
    check(all && keys && all->size() == keys->size(), "a reader refused or missed a record");
    QList<int> listed;
    for (const DataFile::Cell& c : DataFile::walk(bytesOf(store.dataPath())).cells)
        if (c.slot == 0 && c.flag == 0)
            listed.append(c.key);
    check(*keys == listed, "recordKeys is not the Name cells in file order");
    for (qsizetype i = 0; i < keys->size(); ++i)
        check(all->at(i) == StoreFields(store).readRecord(keys->at(i)),
              "readAllRecords differs from readRecord");
    return *all;
}

QList<BirthdayRecord> without(QList<BirthdayRecord> list, int key)
{
    list.removeIf([key](const BirthdayRecord& r) { return r.key == key; });
    return list;
}

// Runs an operation that may change the record under key only; true when it wrote.
bool operation(BirthdayStore& store, int key, const std::function<bool()>& op)
{
    const QByteArray before = bytesOf(store.dataPath());
    const QList<BirthdayRecord> others = without(records(store), key);
    const bool wrote = op();
    const QByteArray after = bytesOf(store.dataPath());
    check(wrote ? DataFile::walk(after).aligned : after == before, "a write cut a cell short");
    check(without(records(store), key) == others, "an operation changed another record");
    return wrote;
}

// A value for a field from the input's bytes: printable ASCII with now and then a character
// outside it, never longer than the field once encoded.
QString valueFor(const QByteArray& input, int slot, int seed)
{
    QString value;
    for (int i = 0; !input.isEmpty() && i < quint8(input[seed % input.size()]) % 64; ++i) {
        const auto b = quint8(input[(seed + 1 + i) % input.size()]);
        const QChar c = b >= 0xF8 ? QChar(0x20AC) : b >= 0xF0 ? QChar(0xE9) : QChar(0x20 + b % 95);
        if ((value + c).toUtf8().size() > FieldTable::fieldSize(slot))
            break;
        value += c;
    }
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Memory-backed when there is one: the store opens the file many times per input.
    static QTemporaryDir dir(QFileInfo("/dev/shm").isWritable()
                                 ? "/dev/shm/cw-fuzz-XXXXXX"
                                 : QDir::tempPath() + "/cw-fuzz-XXXXXX");
    const QString path = dir.filePath("birthday.dat");
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    QFile::remove(path + ".tmp");
    QFile file(path);
    check(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
              file.write(input) == input.size() && file.flush(),
          "could not write the input file");
    BirthdayStore store(path);
    const QList<BirthdayRecord> all = records(store);
    const int seed = size ? data[size / 2] : 0, slot = seed % FieldTable::fieldCount;
    const int first = all.isEmpty() ? seed : all.first().key;
    const int last = all.isEmpty() ? seed : all.last().key;

    const QString value = valueFor(input, slot, seed);
    const int cells = DataFile::liveCellCount(DataFile::walk(input), slot, first);
    if (operation(store, first,
                  [&] {
                      return StoreFields(store).writeField(FieldTable::fieldNames[slot], first,
                                                           value);
                  }) &&
        cells <= 1) // a write goes to the first live cell, a read takes the last
        check(StoreFields(store).readRecord(first)->values[slot] == value,
              "a written value does not read back");
    for (int round = 0; round < 2; ++round) {
        const auto key = StoreFields(store).newRecordKey();
        BirthdayRecord record;
        for (int s = 0; s < FieldTable::fieldCount; ++s)
            record.values[s] = valueFor(input, s, seed + round + 31 * s);
        operation(store, key.value_or(-1), [&] {
            const auto added = store.addRecord(record);
            return added && key && *added == *key;
        });
        const int copied = StoreFields(store).newRecordKey().value_or(-1);
        const BirthdayRecord source =
            StoreFields(store).readRecord(round ? first : last).value_or(BirthdayRecord());
        operation(store, copied, [&] {
            const Outcome outcome = store.duplicateRecord(source);
            check(outcome != Outcome::Changed ||
                      !StoreFields(store).recordKeys()->contains(source.key),
                  "a duplicate refused the record as read");
            return outcome == Outcome::Done;
        });
        operation(store, last, [&] {
            return StoreFields(store).deleteField(
                FieldTable::fieldNames[(seed / 7) % FieldTable::fieldCount], last);
        });
        operation(store, first, [&] {
            return store.deleteRecord(StoreFields(store).readRecord(first).value_or(
                       BirthdayRecord())) == Outcome::Done;
        });
        // Compaction keeps every record but those cut off in their write, set aside byte for byte.
        const QByteArray before = bytesOf(path), asideBefore = bytesOf(store.setAsidePath());
        const QSet<int> torn = DataFile::tornKeys(DataFile::walk(before));
        QList<BirthdayRecord> kept = records(store);
        kept.removeIf([&](const BirthdayRecord& r) { return torn.contains(r.key); });
        if (store.compact()) {
            check(records(store) == kept, "compaction changed a record it kept");
            if (DataFile::walk(before).aligned)
                check(bytesOf(path) == DataFile::compacted(before) &&
                          bytesOf(store.setAsidePath()) ==
                              asideBefore + DataFile::compacted(before, true),
                      "compaction kept other than the live cells");
        } else {
            check(bytesOf(path) == before, "a refused compaction changed the file");
        }
        check(!QFile::exists(path + ".tmp"), "compaction left its copy");
    }
    return 0;
}
