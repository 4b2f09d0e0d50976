#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

// How the event list shows its items, and by which column it is arranged, with the names the
// layout stores for them.
enum class ListViewMode { LargeIcons = 0, SmallIcons = 1, List = 2, Details = 3 };
// NextDate sorts by the coming occurrence, today first; its column is "Next". Age sorts by the
// age at that occurrence, youngest first.
enum class ListArrange { Name = 0, Date = 1, NextDate = 2, Age = 3 };

namespace ListViewModes {

QString name(ListViewMode mode);
// Exact, case-sensitive match of a stored name; anything else is no mode.
std::optional<ListViewMode> fromName(const QString& name);

QString name(ListArrange arrange);
std::optional<ListArrange> arrangeFromName(const QString& name);

// How the list orders two texts of its sort column: QString::compare(a, b, Qt::CaseInsensitive),
// with plain ASCII (nearly every name, every date column) compared without Unicode case
// folding, which was most of the time a sort of a long list took.
int compareTexts(QStringView a, QStringView b);
// The order of texts sorted by compareTexts, equal texts in their given order: indexes into
// texts. Sorts small keys (the first characters) and not the texts, which lie all over memory.
QList<qsizetype> sortedOrder(const QList<QStringView>& texts);

} // namespace ListViewModes
