#include "core/settings/settingsstore.h"

#include "core/settings/datelocale.h"

#include "core/program/programidentity.h"
#include "core/text/textconv.h"

#include <QSettings>

#include <algorithm>
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

QString SettingsStore::readSetting(const QString& name, const QString& defaultValue) const
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

void SettingsStore::writeSetting(const QString& name, const QString& value)
{
    const auto settings = openSettings(m_iniFilePath);
    const QVariant before = settings->value(name);
    settings->setValue(name, value);
    // QSettings writes the whole file through a temporary copy, so a failed write leaves the
    // other values as they were; the failure itself is silent by design.
    settings->sync();
    if (settings->status() == QSettings::NoError &&
        (!before.isValid() || before.toString() != value))
        Q_EMIT changed(name);
}

QString SettingsStore::read(const Setting::Key<Setting::Type::Text>& key) const
{
    return readText(key);
}

bool SettingsStore::read(const Setting::Key<Setting::Type::Flag>& key) const
{
    // One rule for every flag: the questions before deleting and exiting are asked exactly
    // when the text is "1", and the preferences show the box ticked exactly then.
    return readText(key) == QLatin1String("1");
}

bool SettingsStore::read(const Setting::Key<Setting::Type::Bool>& key) const
{
    return TextConv::textToBool(readText(key))
        .value_or(*TextConv::textToBool(QLatin1String(key.defaultText)));
}

std::optional<int> SettingsStore::read(const Setting::Key<Setting::Type::Whole>& key) const
{
    const std::optional<int> stored =
        TextConv::textToWhole(readText(key), Setting::wholeLeast, Setting::wholeMost);
    if (!stored)
        return std::nullopt;
    return std::clamp(*stored, key.minimum, key.maximum);
}

QTime SettingsStore::read(const Setting::Key<Setting::Type::Time>& key) const
{
    // An older settings file may hold the time in its writer's long form.
    return TextConv::textToTime(readText(key), DateLocale::recorded(*this))
        .value_or(Setting::defaultTime(key));
}

void SettingsStore::write(const Setting::Key<Setting::Type::Text>& key, const QString& value)
{
    writeSetting(QLatin1String(key.name), value);
}

void SettingsStore::write(const Setting::Key<Setting::Type::Flag>& key, bool on)
{
    writeSetting(QLatin1String(key.name), on ? QStringLiteral("1") : QStringLiteral("0"));
}

void SettingsStore::write(const Setting::Key<Setting::Type::Bool>& key, bool on)
{
    writeSetting(QLatin1String(key.name), TextConv::boolToText(on));
}

void SettingsStore::write(const Setting::Key<Setting::Type::Whole>& key, int value)
{
    writeSetting(QLatin1String(key.name), QString::number(value));
}

void SettingsStore::write(const Setting::Key<Setting::Type::Time>& key, QTime time)
{
    writeSetting(QLatin1String(key.name), TextConv::timeToText(time));
}
