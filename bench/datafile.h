#pragma once

// Builds and checks birthday.dat images byte by byte, independently of BirthdayStore, so the
// benchmarks, fuzzers and fault tests can make files of any shape and verify what the store
// left behind. Header-only; QtCore only.

#include "core/store/fieldtable.h"
#include "core/text/textconv.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QSet>
#include <QString>

namespace DataFile {

// 0xFF while the key is 256 or more (subtracting 255), then the rest, then 0x00 up to 5 bytes.
inline QByteArray keyEncode(int key)
{
    QByteArray bytes;
    while (key >= 256) {
        bytes.append(char(0xFF));
        key -= 255;
    }
    bytes.append(char(key));
    bytes.append(FieldTable::keySize - bytes.size(), '\0');
    return bytes;
}

inline int keyDecode(const char* bytes)
{
    int sum = 0;
    for (int i = 0; i < FieldTable::keySize; ++i)
        sum += static_cast<unsigned char>(bytes[i]);
    return sum;
}

// One cell: slot byte, flag byte, key, value padded with 0x00 to the slot's size. The value
// must already fit.
inline QByteArray cell(int slot, char flag, int key, const QByteArray& value)
{
    QByteArray bytes;
    bytes.reserve(FieldTable::cellSize(slot));
    bytes.append(char(slot));
    bytes.append(flag);
    bytes.append(keyEncode(key));
    bytes.append(value.left(FieldTable::fieldSize(slot)));
    bytes.append(FieldTable::cellSize(slot) - bytes.size(), '\0');
    return bytes;
}

// The values of generated record number i: a recurring event spread over the year, announced
// a week ahead, so a reminder check over a generated file finds some events soon and some due.
inline QList<QByteArray> recordValues(int i, QDate today, bool withLastDate)
{
    const QDate date = today.addDays(i % 365 - 3).addYears(-(20 + i % 60));
    return {
        QStringLiteral("Person %1 of the generated list").arg(i, 4, 10, QLatin1Char('0')).toUtf8(),
        TextConv::dateToText(date).toUtf8(),
        "1",
        QByteArray::number(i % 10),
        "1",
        withLastDate ? TextConv::dateToText(today.addDays(-1)).toUtf8() : QByteArray(),
        "1"};
}

// A data file of `records` records with keys 0.. in key order. Churned: before each record,
// four deleted copies of its cells, so the file holds four deleted cells per live one (what
// four edits-and-deletes per event leave until the next compaction). Without LastDate a
// record has six cells (327 bytes), as the add dialog leaves it; with it, seven (359 bytes).
inline QByteArray generate(int records, bool churned, bool withLastDate = false,
                           QDate today = QDate::currentDate())
{
    QByteArray file;
    for (int key = 0; key < records; ++key) {
        const QList<QByteArray> values = recordValues(key, today, withLastDate);
        const int copies = churned ? 4 : 0;
        for (int copy = 0; copy <= copies; ++copy) {
            const char flag = copy < copies ? '\1' : '\0';
            for (int slot = 0; slot < FieldTable::fieldCount; ++slot) {
                if (slot == 5 && !withLastDate)
                    continue;
                file.append(cell(slot, flag, key, values[slot]));
            }
        }
    }
    return file;
}

struct Cell
{
    qint64 offset = 0;
    int slot = 0;
    char flag = 0;
    int key = 0;
    QByteArray value; // NULs removed
};

struct Walk
{
    QList<Cell> cells;
    bool aligned = true;       // every cell whole, nothing left over at the end
    bool flagsSound = true;    // every flag byte 0x00 or 0x01
    qint64 problemOffset = -1; // where the first cut-short cell begins
};

// Walks the image cell by cell to its end, as every reader of the file does.
inline Walk walk(const QByteArray& bytes)
{
    Walk result;
    qint64 pos = 0;
    while (pos < bytes.size()) {
        const int slot = static_cast<unsigned char>(bytes[pos]);
        const qint64 size = FieldTable::cellSize(slot);
        if (pos + size > bytes.size()) {
            result.aligned = false;
            result.problemOffset = pos;
            break;
        }
        Cell c;
        c.offset = pos;
        c.slot = slot;
        c.flag = bytes[pos + 1];
        c.key = keyDecode(bytes.constData() + pos + 2);
        c.value = bytes.mid(pos + FieldTable::cellHeadSize, size - FieldTable::cellHeadSize);
        c.value.replace('\0', QByteArray());
        if (c.flag != 0 && c.flag != 1)
            result.flagsSound = false;
        result.cells.append(c);
        pos += size;
    }
    return result;
}

// The records listed by a Name cell flagged 0x00 that have no live Date cell: cut off in
// their write, so compaction sets them aside instead of keeping them.
inline QSet<int> tornKeys(const Walk& w)
{
    QSet<int> named, dated;
    for (const Cell& c : w.cells) {
        if (c.slot == 0 && c.flag == 0)
            named.insert(c.key);
        if (c.slot == 1 && c.flag != 1)
            dated.insert(c.key);
    }
    return named - dated;
}

// What compaction must leave: the cells whose flag is not 0x01, byte for byte, in file order,
// save those of torn records (or, with aside, only those). Only meaningful for an aligned image.
inline QByteArray compacted(const QByteArray& bytes, bool aside = false)
{
    const Walk w = walk(bytes);
    const QSet<int> torn = tornKeys(w);
    QByteArray out;
    for (const Cell& c : w.cells) {
        if (c.flag != 1 && torn.contains(c.key) == aside)
            out.append(bytes.mid(c.offset, FieldTable::cellSize(c.slot)));
    }
    return out;
}

// Number of live (flag not 0x01) cells of one slot and key.
inline int liveCellCount(const Walk& w, int slot, int key)
{
    int count = 0;
    for (const Cell& c : w.cells)
        count += c.flag != 1 && c.slot == slot && c.key == key;
    return count;
}

} // namespace DataFile
