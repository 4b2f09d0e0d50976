#pragma once

#include "core/settings/settingkeys.h"

#include <QObject>
#include <QString>
#include <QTime>

#include <optional>

// Named text values of the program: preferences, the main window's layout, the reminder's
// memory of its last notification and the comments form's last texts. Each call goes to the
// backing store; nothing is kept in memory. A missing or empty value reads as the caller's
// default. The keys, their types, defaults and ranges are in settingkeys.h; each type reads by
// one rule. A write that changes what is stored says so (changed), whoever listens.
//
// Backed by QSettings: on Windows the registry key
// HKEY_CURRENT_USER\Software\Marrowfell\Candlewatcher\Settings, elsewhere an INI file in the
// user's config folder (organisation "Marrowfell", application "Candlewatcher", group
// "Settings"). Tests pass an INI file of their own.
class SettingsStore : public QObject
{
    Q_OBJECT
public:
    SettingsStore();                             // the user's own settings
    explicit SettingsStore(QString iniFilePath); // an INI file, for tests and tools

    QString read(const Setting::Key<Setting::Type::Text>& key) const;
    bool read(const Setting::Key<Setting::Type::Flag>& key) const;
    bool read(const Setting::Key<Setting::Type::Bool>& key) const;
    std::optional<int> read(const Setting::Key<Setting::Type::Whole>& key) const;
    QTime read(const Setting::Key<Setting::Type::Time>& key) const;
    // The text as stored, or the default, unconverted.
    template <Setting::Type T> QString readText(const Setting::Key<T>& key) const
    {
        return readSetting(QLatin1String(key.name), QLatin1String(key.defaultText));
    }

    void write(const Setting::Key<Setting::Type::Text>& key, const QString& value);
    void write(const Setting::Key<Setting::Type::Flag>& key, bool on);
    void write(const Setting::Key<Setting::Type::Bool>& key, bool on);
    void write(const Setting::Key<Setting::Type::Whole>& key, int value);
    void write(const Setting::Key<Setting::Type::Time>& key, QTime time);

    // By name, for names made at run time (Setting::Family) and for tests.
    QString readSetting(const QString& name, const QString& defaultValue) const;
    // Failures are silent (the next read gives the default again); other values stay intact.
    void writeSetting(const QString& name, const QString& value);

Q_SIGNALS:
    // The stored text of the value name is another one now.
    void changed(const QString& name);

private:
    QString m_iniFilePath; // empty: the platform's native store
};
