#include "core/settings/settingsstore.h"

#include "core/program/programidentity.h"

#include <QSettings>

#include <memory>

namespace {

const char* const group = "Settings";

} // namespace

SettingsStore::SettingsStore() = default;

SettingsStore::SettingsStore(QString iniFilePath) : m_iniFilePath(std::move(iniFilePath)) {}

static std::unique_ptr<QSettings> openSettings(const QString& iniFilePath)
{
    std::unique_ptr<QSettings> settings;
    if (iniFilePath.isEmpty())
        settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                               organisationName(), programTitle());
    else
        settings = std::make_unique<QSettings>(iniFilePath, QSettings::IniFormat);
    settings->beginGroup(group);
    return settings;
}

QString SettingsStore::settingRead(const QString& name, const QString& defaultValue) const
{
    const auto settings = openSettings(m_iniFilePath);
    const QVariant stored = settings->value(name);
    // Text is what the program writes; a number (a DWORD set by hand in the registry) reads
    // as its decimal text. Anything else (lists, binary) counts as unreadable.
    QString text;
    if (stored.typeId() == QMetaType::QString || stored.canConvert<qlonglong>())
        text = stored.toString();
    return text.isEmpty() ? defaultValue : text;
}

void SettingsStore::settingWrite(const QString& name, const QString& value)
{
    const auto settings = openSettings(m_iniFilePath);
    settings->setValue(name, value);
    // QSettings writes the whole file through a temporary copy, so a failed write leaves the
    // other values as they were; the failure itself is silent by design.
    settings->sync();
}
