#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

// Measures how long the event loop was kept from running: a short timer whose lateness is
// recorded. Started by the tray program when CANDLEWATCHER_STALL_LOG names a file; the gaps
// are written there when the probe ends, for the benchmark scripts to read.
class StallProbe : public QObject
{
public:
    static constexpr int IntervalMs = 10;
    // Lateness below this is the timer's ordinary jitter and not kept.
    static constexpr qint64 ReportedLatenessMs = 20;

    struct Stall
    {
        qint64 atMs;   // when the loop ran again, in milliseconds since the epoch
        qint64 lateMs; // how much later than the interval asked for
    };

    explicit StallProbe(const QString& logPath, QObject* parent = nullptr);
    ~StallProbe() override; // writes the log

    // The stalls so far, in the order they happened.
    const QList<Stall>& stalls() const { return m_stalls; }
    qint64 longestMs() const;
    // One line a stall: "stall LATE_MS ms at EPOCH_MS", after "longest LATE_MS ms".
    QString report() const;

private:
    void tick();

    QString m_logPath;
    QTimer m_timer;
    QElapsedTimer m_sinceTick;
    QList<Stall> m_stalls;
};
