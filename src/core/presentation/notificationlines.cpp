#include "core/presentation/notificationlines.h"

#include <QCoreApplication>
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

// What follows the name in a today entry that shows the years, in every plural form of the
// language in use (0, 1, 2, 3, 11 and 100 reach each form of the languages that have the most).
const QRegularExpression& todayTail()
{
    QStringList tails;
    for (const int years : {0, 1, 2, 3, 11, 100}) {
        const QString entry =
            QCoreApplication::translate("ReminderDecision", "%1 (%n Years)", nullptr, years);
        const QString tail = entry.sliced(std::max<qsizetype>(entry.indexOf(u"%1") + 2, 2));
        QString pattern = QRegularExpression::escape(tail);
        pattern.replace(QString::number(years), QStringLiteral("-?[0-9]+"));
        if (!tails.contains(pattern))
            tails.append(pattern);
    }
    const QString pattern = QStringLiteral("(?:%1)$").arg(tails.join(u'|'));
    // Built again only when the language changed.
    thread_local QRegularExpression cached;
    if (cached.pattern() != pattern)
        cached.setPattern(pattern);
    return cached;
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
    return QCoreApplication::translate("NotificationLines", "(%n more events)", nullptr, count);
}

qsizetype NotificationLines::nameLength(const QString& entry, bool soon)
{
    // The last parenthesis is the check's own: a name may hold parentheses of its own, a date
    // text never does.
    static const QRegularExpression soonTail(QStringLiteral(" \\([^()]*\\)$"));
    const QRegularExpressionMatch tail = (soon ? soonTail : todayTail()).match(entry);
    return tail.hasMatch() ? tail.capturedStart() : entry.size();
}
