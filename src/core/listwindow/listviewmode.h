#pragma once

#include <QString>

#include <optional>

// How the event list shows its items, and by which column it is arranged, with the names the
// layout stores for them.
enum class ListViewMode { LargeIcons = 0, SmallIcons = 1, List = 2, Details = 3 };
// NextDate sorts by the coming occurrence, today first; its column is "Next".
enum class ListArrange { Name = 0, Date = 1, NextDate = 2 };

namespace ListViewModes {

QString name(ListViewMode mode);
// Exact, case-sensitive match of a stored name; anything else is no mode.
std::optional<ListViewMode> fromName(const QString& name);

QString name(ListArrange arrange);
std::optional<ListArrange> arrangeFromName(const QString& name);

} // namespace ListViewModes
