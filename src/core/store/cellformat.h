#pragma once

#include "core/store/fieldtable.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// The cells of the data file: a slot byte, a flag byte, a 5-byte key and the value padded with
// NULs to its field's size (fieldtable.h), one after another with nothing before, between or
// after them. A cell's length follows from its slot alone.
namespace CellFormat {

inline constexpr quint8 flagLive = 0x00;
inline constexpr quint8 flagDeleted = 0x01; // any other flag counts as live, but lists nothing
inline constexpr int keyCount = FieldTable::maxKey + 1;

// Slot of a field name, case-insensitive; std::nullopt for a name not in the table.
std::optional<int> fieldSlot(const QString& fieldName);

// 5 bytes: 0xFF while the key is 256 or more (subtracting 255), the rest, 0x00 padding.
// Keys 0 to maxKey only: a larger one does not fit.
QByteArray encodeKey(int key);
// The sum of the 5 key bytes starting at key: bytes of the same sum are the same key.
inline int decodeKey(const char* key)
{
    return quint8(key[0]) + quint8(key[1]) + quint8(key[2]) + quint8(key[3]) + quint8(key[4]);
}

// A value's bytes followed by NULs up to size.
QByteArray padValue(const QByteArray& value, int size);
// The bytes without their NULs, wherever they stand.
QByteArray removeNuls(QByteArrayView bytes);
// A stored value as text: NUL bytes removed; UTF-8 when valid, otherwise Windows-1252 (what
// files written by older Windows programs hold).
QString decodeValue(QByteArrayView bytes);

// A live cell of slot and key holding value, padded.
QByteArray makeCell(int slot, int key, const QByteArray& value);

// The value of the cell of slot starting at offset in data; nothing for no cell (offset -1).
inline QByteArrayView valueAt(QByteArrayView data, qsizetype offset, int slot)
{
    if (offset < 0)
        return {};
    return data.sliced(offset + FieldTable::cellHeadSize, FieldTable::fieldSize(slot));
}

// fieldSize of slots 0 to 6, a byte each, slot 0 lowest. Where the next cell starts is known
// only from this one's slot byte, so the walk waits on every step: a shift is quicker than a
// second load from the table.
inline constexpr quint64 packedSizes = [] {
    quint64 packed = 0;
    for (int slot = FieldTable::fieldCount - 1; slot >= 0; --slot)
        packed = packed << 8 | quint64(FieldTable::fieldSizes[size_t(slot)]);
    return packed;
}();
static_assert(FieldTable::fieldCount <= 8 && FieldTable::fieldSizes[0] <= 0xFF);

// Walks the cells of a file read into memory. Stops at the end or at a final cell cut short
// (its bytes are left alone).
class CellWalker
{
public:
    explicit CellWalker(QByteArrayView data) : m_data(data) {}

    bool next()
    {
        const qsizetype left = m_data.size() - m_pos;
        if (left < FieldTable::cellHeadSize)
            return false;
        const char* cell = m_data.data() + m_pos;
        // Fetching ahead keeps the coming cells close.
#if defined(__GNUC__)
        __builtin_prefetch(cell + 1024);
#endif
        const int slot = quint8(cell[0]);
        const int size =
            slot < FieldTable::fieldCount ? int((packedSizes >> (8 * slot)) & 0xFF) : 0;
        if (left < FieldTable::cellHeadSize + size)
            return false;
        m_offset = m_pos;
        m_slot = slot;
        m_flag = quint8(cell[1]);
        m_valueSize = size;
        m_pos += FieldTable::cellHeadSize + size;
        return true;
    }

    qint64 offset() const
    {
        return m_offset;
    }
    int slot() const
    {
        return m_slot;
    }
    quint8 flag() const
    {
        return m_flag;
    }
    bool isLive() const
    {
        return m_flag != flagDeleted;
    }
    // A Name cell flagged exactly 0x00: only such a cell makes its record listed.
    bool listsRecord() const
    {
        return m_slot == 0 && m_flag == flagLive;
    }
    // Decoded when asked: most cells of a churned file are deleted ones, passed over.
    int key() const
    {
        return decodeKey(m_data.data() + m_offset + 2);
    }
    QByteArrayView cell() const
    {
        return m_data.sliced(m_offset, FieldTable::cellHeadSize + m_valueSize);
    }
    QByteArrayView value() const
    {
        return m_data.sliced(m_offset + FieldTable::cellHeadSize, m_valueSize);
    }
    // End of the last whole cell read so far; after the walk, where appends belong.
    qint64 cellsEnd() const
    {
        return m_pos;
    }

private:
    QByteArrayView m_data;
    qsizetype m_pos = 0;
    qsizetype m_offset = 0;
    int m_slot = 0;
    quint8 m_flag = 0;
    int m_valueSize = 0;
};

// The number of listed records in a data file's bytes.
int countRecords(QByteArrayView data);

} // namespace CellFormat
