#include "ui/presentation/listviewmode.h"

#include <algorithm>
#include <array>
#include <vector>

namespace ListViewModes {

QString name(ListViewMode mode)
{
    switch (mode) {
    case ListViewMode::LargeIcons:
        return QStringLiteral("LargeIcons");
    case ListViewMode::SmallIcons:
        return QStringLiteral("SmallIcons");
    case ListViewMode::List:
        return QStringLiteral("List");
    case ListViewMode::Details:
        return QStringLiteral("Details");
    }
    return QString();
}

std::optional<ListViewMode> fromName(const QString& name)
{
    for (ListViewMode mode : {ListViewMode::LargeIcons, ListViewMode::SmallIcons,
                              ListViewMode::List, ListViewMode::Details}) {
        if (name == ListViewModes::name(mode))
            return mode;
    }
    return std::nullopt;
}

QString name(ListArrange arrange)
{
    switch (arrange) {
    case ListArrange::Name:
        return QStringLiteral("Name");
    case ListArrange::Date:
        return QStringLiteral("Date");
    case ListArrange::NextDate:
        return QStringLiteral("NextDate");
    case ListArrange::Age:
        return QStringLiteral("Age");
    }
    return QString();
}

std::optional<ListArrange> arrangeFromName(const QString& name)
{
    if (name == QLatin1String("Name"))
        return ListArrange::Name;
    if (name == QLatin1String("Date"))
        return ListArrange::Date;
    if (name == QLatin1String("NextDate"))
        return ListArrange::NextDate;
    if (name == QLatin1String("Age"))
        return ListArrange::Age;
    return std::nullopt;
}

} // namespace ListViewModes

int ListViewModes::compareTexts(QStringView a, QStringView b)
{
    const qsizetype common = qMin(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const char16_t x = a[i].unicode(), y = b[i].unicode();
        if (x >= 0x80 || y >= 0x80)
            return a.sliced(i).compare(b.sliced(i), Qt::CaseInsensitive);
        const int lx = x >= u'A' && x <= u'Z' ? x + 32 : x;
        const int ly = y >= u'A' && y <= u'Z' ? y + 32 : y;
        if (lx != ly)
            return lx - ly;
    }
    return int(a.size() - b.size());
}

QList<qsizetype> ListViewModes::sortedOrder(const QList<QStringView>& texts)
{
    struct Entry
    {
        // Up to 16 ASCII characters, folded, the first in the top byte of the first half.
        std::array<quint64, 2> prefix = {};
        qsizetype index = 0;
        bool plain = true; // no other characters among the first 16
    };
    std::vector<Entry> entries(size_t(texts.size()));
    for (qsizetype i = 0; i < texts.size(); ++i) {
        Entry& entry = entries[size_t(i)];
        entry.index = i;
        const QStringView text = texts[i];
        for (qsizetype k = 0; k < 16; ++k) {
            char16_t c = k < text.size() ? text[k].unicode() : 0;
            if (c >= 0x80)
                entry.plain = false;
            if (c >= u'A' && c <= u'Z')
                c += 32;
            quint64& half = entry.prefix[size_t(k / 8)];
            half = half << 8 | (c & 0xFF);
        }
    }
    // Keys that differ order the plain texts as compareTexts does; anything else asks it.
    std::stable_sort(entries.begin(), entries.end(), [&texts](const Entry& a, const Entry& b) {
        if (a.plain && b.plain && a.prefix != b.prefix)
            return a.prefix < b.prefix;
        return compareTexts(texts[a.index], texts[b.index]) < 0;
    });
    QList<qsizetype> order;
    order.reserve(texts.size());
    for (const Entry& entry : entries)
        order.append(entry.index);
    return order;
}
