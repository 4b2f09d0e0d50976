#pragma once

#include "core/calendar/nextevent.h"
#include "core/events/birthdayrecord.h"
#include "core/store/birthdaystore.h"

#include <QDate>
#include <QList>
#include <QObject>
#include <QTimer>

#include <functional>

class Clock;
class DataFileWatcher;

// What runs every 30 seconds: the reminder check on the data file as it is, on the timer
// tmrCheck, on every change of the file by anyone, and after every change the program makes.
// One read serves the check and the event list: the dates the check works out are handed to
// the list with the records. A new day refreshes the list (its "Next" and "In" columns move),
// which ends in the check as any refresh does.
class ReminderScheduler : public QObject
{
    Q_OBJECT
public:
    static constexpr int checkIntervalMs = 30000;

    // What one read gives the list: the records, each one's dates as the check worked them out
    // (one per record, in record order) and the state of the file when it was read.
    struct Listing
    {
        QList<BirthdayRecord> records;
        ComingEvents coming;
        BirthdayStore::FileState state;
    };
    // The check carried out on records just read (the reminder runner's): it may stamp them in
    // the file, and gives back the dates it worked out.
    using Check = std::function<ComingEvents(const QList<BirthdayRecord>& records, bool forceShow)>;
    // Takes the records over: the list's rows are made from them, not copied.
    using ListingSink = std::function<void(Listing&& listing)>;

    ReminderScheduler(BirthdayStore& store, const Clock& clock, Check check,
                      QObject* parent = nullptr);
    ~ReminderScheduler() override;

    // Where the records read go; without one they are read for the check alone.
    void setListingSink(ListingSink sink) { m_sink = std::move(sink); }

    // The timer runs from here on; stop ends every check to come (the program's end).
    void start();
    void stop();
    bool isStopped() const { return m_stopped; }

    // The list read anew, ending in the check. A file that cannot be read lists nothing and
    // says why by readFailed.
    void refresh();
    // The check on the file as it is now, the list following only when the file changed since
    // the list read it; forceShow shows the notification even when it is not due. Silent: a
    // file that cannot be read is left for the next run, which a message could only repeat.
    void check(bool forceShow = false);

    QTimer* timer() { return &m_timer; }

Q_SIGNALS:
    void readFailed(const QString& error);
    // Someone changed the data file: this program, or another writer.
    void dataFileChanged();

private:
    void tick();
    // Someone else wrote the file: the list follows and the check runs on the new data. The
    // program's own writes were followed by their refresh already.
    void followDataFile();
    enum class Fill { Anew, Follow };
    void checkRecords(QList<BirthdayRecord> records, bool forceShow, Fill fill);
    void hand(Listing listing);

    BirthdayStore& m_store;
    const Clock& m_clock;
    Check m_check;
    ListingSink m_sink;
    QTimer m_timer;
    DataFileWatcher* m_watcher = nullptr;
    // The data file as the list last read it, and the day its columns were worked out for.
    BirthdayStore::FileState m_listState;
    QDate m_listDay;
    bool m_stopped = false;
};
