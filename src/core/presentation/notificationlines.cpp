#include "core/presentation/notificationlines.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

QStringList shortened(const QStringList& entries, qsizetype lines)
{
    if (entries.size() <= lines)
        return entries;
    QStringList kept = entries.first(lines - 1);
    kept.append(NotificationLines::moreText(int(entries.size() - kept.size())));
    return kept;
}

} // namespace

NotificationLines NotificationLines::fit(const QStringList& today, const QStringList& soon,
                                         int capacity)
{
    const qsizetype total = std::max(capacity, 2);
    const qsizetype todayCount = std::max<qsizetype>(today.size(), 1);
    const qsizetype soonCount = std::max<qsizetype>(soon.size(), 1);
    if (todayCount + soonCount <= total)
        return {today, soon};
    // Today's events matter most; the soon list gets what they leave, but at least a few
    // lines (up to three, never more than half), so it is not reduced to a bare count.
    const qsizetype soonMinimum =
        std::max<qsizetype>(1, std::min({soonCount, qsizetype(3), total / 2}));
    const qsizetype soonLines = std::max(soonMinimum, std::min(soonCount, total - todayCount));
    const qsizetype todayLines = std::min(todayCount, total - soonLines);
    return {shortened(today, todayLines), shortened(soon, soonLines)};
}

QString NotificationLines::moreText(int count)
{
    return QStringLiteral("(%1 more events)").arg(count);
}

qsizetype NotificationLines::nameLength(const QString& entry, bool soon)
{
    // The last parenthesis is the check's own: a name may hold parentheses of its own, a date
    // text never does.
    static const QRegularExpression soonTail(QStringLiteral(" \\([^()]*\\)$"));
    static const QRegularExpression todayTail(QStringLiteral(" \\(-?[0-9]+ Years\\)$"));
    const QRegularExpressionMatch tail = (soon ? soonTail : todayTail).match(entry);
    return tail.hasMatch() ? tail.capturedStart() : entry.size();
}
