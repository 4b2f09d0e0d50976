#pragma once

#include <QString>

#include <array>

// The data file's field table: slot number, name and value size in bytes. Slots past
// fieldCount have no name and size 0, so a cell of such a slot is just its 7-byte head.
namespace FieldTable {

inline constexpr int fieldCount = 7;
inline constexpr int slotCount = 256;
inline constexpr int cellHeadSize = 7; // slot byte, flag byte, 5 key bytes
inline constexpr int keySize = 5;
inline constexpr int maxKey = 1275;      // 5 bytes of at most 0xFF each
inline constexpr int maxRecords = 10001; // live records the program allows at once

inline constexpr std::array<const char*, fieldCount> fieldNames = {
    "Name", "Date", "Recurs", "Notify", "Alert", "LastDate", "ShowYears"};
inline constexpr std::array<int, fieldCount> fieldSizes = {255, 25, 1, 2, 1, 25, 1};

// Value size of a slot; 0 for the unused slots 7..255.
inline constexpr int fieldSize(int slot)
{
    return slot >= 0 && slot < fieldCount ? fieldSizes[static_cast<size_t>(slot)] : 0;
}
inline constexpr int cellSize(int slot)
{
    return cellHeadSize + fieldSize(slot);
}

} // namespace FieldTable
