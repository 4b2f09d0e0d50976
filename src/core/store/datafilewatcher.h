#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

// Says when the data file may have changed on disk, by this program or any other writer: a
// sync tool that renames a new file over it, a script, another copy. It watches the file and
// its folder, so the watch survives the file being replaced, or deleted and made again, and it
// waits for a quiet moment (a writer's run of changes, a temporary file and its rename) before
// it says so, once. Whether the file really differs from what the reader last read is the
// reader's to tell (BirthdayStore::fileState).
class DataFileWatcher : public QObject
{
    Q_OBJECT
public:
    static constexpr int quietIntervalMs = 300;

    explicit DataFileWatcher(const QString& dataPath, QObject* parent = nullptr);

Q_SIGNALS:
    void changed();

private:
    void noteChange();

    QString m_path;
    QFileSystemWatcher m_watcher;
    QTimer m_quiet;
};
