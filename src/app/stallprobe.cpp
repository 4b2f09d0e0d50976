#include "app/stallprobe.h"

#include <QDateTime>
#include <QFile>

#include <algorithm>
#include <cstdio>

namespace {
// Enough for a long session of stalls; beyond it only the longest are worth keeping.
constexpr qsizetype maxKept = 10000;
} // namespace

StallProbe::StallProbe(const QString& logPath, QObject* parent)
    : QObject(parent), m_logPath(logPath)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(IntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &StallProbe::tick);
    m_sinceTick.start();
    m_timer.start();
}

StallProbe::~StallProbe()
{
    if (m_logPath.isEmpty())
        return;
    QFile log(m_logPath);
    if (!log.open(QIODevice::WriteOnly | QIODevice::Truncate) || log.write(report().toUtf8()) < 0)
        std::fprintf(stderr, "candlewatcher: the stall log %s could not be written: %s\n",
                     qPrintable(m_logPath), qPrintable(log.errorString()));
}

void StallProbe::tick()
{
    const qint64 late = m_sinceTick.restart() - IntervalMs;
    if (late < ReportedLatenessMs)
        return;
    const Stall stall{QDateTime::currentMSecsSinceEpoch(), late};
    if (m_stalls.size() < maxKept) {
        m_stalls.append(stall);
        return;
    }
    // Full: the shortest kept one gives way, if it is shorter.
    auto shortest =
        std::min_element(m_stalls.begin(), m_stalls.end(),
                         [](const Stall& a, const Stall& b) { return a.lateMs < b.lateMs; });
    if (shortest->lateMs < late) {
        m_stalls.erase(shortest);
        m_stalls.append(stall);
    }
}

qint64 StallProbe::longestMs() const
{
    qint64 longest = 0;
    for (const Stall& stall : m_stalls)
        longest = std::max(longest, stall.lateMs);
    return longest;
}

QString StallProbe::report() const
{
    QString text = QStringLiteral("longest %1 ms\n").arg(longestMs());
    for (const Stall& stall : m_stalls)
        text += QStringLiteral("stall %1 ms at %2\n").arg(stall.lateMs).arg(stall.atMs);
    return text;
}
