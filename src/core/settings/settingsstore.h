#pragma once

#include <QString>

// Named text values of the program: preferences, the main window's layout, the reminder's
// memory of its last notification and the comments form's last texts. Each call goes to the
// backing store; nothing is kept in memory. A missing or empty value reads as the caller's
// default.
//
// Backed by QSettings: on Windows the registry key
// HKEY_CURRENT_USER\Software\Marrowfell\Candlewatcher\Settings, elsewhere an INI file in the
// user's config folder (organisation "Marrowfell", application "Candlewatcher", group
// "Settings"). Tests pass an INI file of their own.
class SettingsStore
{
public:
    SettingsStore();                             // the user's own settings
    explicit SettingsStore(QString iniFilePath); // an INI file, for tests and tools

    QString settingRead(const QString& name, const QString& defaultValue) const;
    // Failures are silent (the next read gives the default again); other values stay intact.
    void settingWrite(const QString& name, const QString& value);

private:
    QString m_iniFilePath; // empty: the platform's native store
};
