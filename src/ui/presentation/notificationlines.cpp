#include "ui/presentation/notificationlines.h"

#include <QCoreApplication>
#include <QLocale>

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
// language in use (0, 1, 2, 3, 11 and 100 reach each form of the languages that have the most):
// the text before the number and after it, or the whole text for a form without the number.
struct YearsTail
{
    QString before;
    QString after;
    bool number = true;
    bool operator==(const YearsTail&) const = default;
};

QList<YearsTail> todayTails()
{
    QList<YearsTail> tails;
    for (const int years : {0, 1, 2, 3, 11, 100}) {
        const QString entry =
            QCoreApplication::translate("ReminderDecision", "%1 (%Ln Years)", nullptr, years);
        const QString tail = entry.sliced(std::max<qsizetype>(entry.indexOf(u"%1") + 2, 2));
        const QString number = QLocale().toString(years);
        const qsizetype at = tail.indexOf(number);
        const YearsTail parts = at < 0 ? YearsTail{tail, {}, false}
                                       : YearsTail{tail.first(at), tail.sliced(at + number.size())};
        if (!tails.contains(parts))
            tails.append(parts);
    }
    return tails;
}

// Where the tail starts when the entry ends in it; -1 when it does not.
qsizetype tailStart(const QString& entry, const YearsTail& tail)
{
    if (!tail.number)
        return entry.endsWith(tail.before) ? entry.size() - tail.before.size() : -1;
    if (!entry.endsWith(tail.after))
        return -1;
    qsizetype at = entry.size() - tail.after.size();
    const qsizetype end = at;
    while (at > 0 && entry[at - 1].isDigit()) // in the locale's digits
        --at;
    if (at == end)
        return -1; // no number
    if (at > 0 && entry[at - 1] == u'-')
        --at;
    return QStringView(entry).first(at).endsWith(tail.before) ? at - tail.before.size() : -1;
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
    //: The notification's last line when not every event fits: %Ln is how many more there are.
    return QCoreApplication::translate("NotificationLines", "(%Ln more events)", nullptr, count);
}

qsizetype NotificationLines::nameLength(const QString& entry, bool soon)
{
    // The last parenthesis is the check's own: a name may hold parentheses of its own, a date
    // text never does. Read by hand: a regular expression would load its engine for the first
    // notification of every start.
    const qsizetype all = entry.size();
    if (!soon) {
        qsizetype first = all;
        for (const YearsTail& tail : todayTails()) {
            const qsizetype start = tailStart(entry, tail);
            if (start >= 0)
                first = std::min(first, start);
        }
        return first;
    }
    if (!entry.endsWith(u')'))
        return all;
    qsizetype open = all - 2;
    while (open >= 0 && entry[open] != u'(' && entry[open] != u')')
        --open;
    return open >= 1 && entry[open] == u'(' && entry[open - 1] == u' ' ? open - 1 : all;
}
