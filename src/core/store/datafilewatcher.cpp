#include "core/store/datafilewatcher.h"

#include <QFileInfo>

DataFileWatcher::DataFileWatcher(const QString& dataPath, QObject* parent)
    : QObject(parent), m_path(QFileInfo(dataPath).absoluteFilePath())
{
    m_quiet.setSingleShot(true);
    m_quiet.setInterval(quietIntervalMs);
    connect(&m_quiet, &QTimer::timeout, this, &DataFileWatcher::changed);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &DataFileWatcher::noteChange);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &DataFileWatcher::noteChange);
    m_watcher.addPath(QFileInfo(m_path).absolutePath());
    if (QFileInfo::exists(m_path))
        m_watcher.addPath(m_path);
}

void DataFileWatcher::noteChange()
{
    // A file renamed over the data file, or deleted, is no longer watched: the watch goes to
    // whatever now bears the name.
    if (!m_watcher.files().contains(m_path) && QFileInfo::exists(m_path))
        m_watcher.addPath(m_path);
    m_quiet.start();
}
