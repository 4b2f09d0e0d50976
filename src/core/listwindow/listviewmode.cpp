#include "listviewmode.h"

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
    return std::nullopt;
}

} // namespace ListViewModes
