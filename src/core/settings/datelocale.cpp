#include "core/settings/datelocale.h"

#include "core/settings/settingsstore.h"

namespace DateLocale {

QString nameOf(const QLocale& locale)
{
    // The BCP 47 name keeps the script and territory where they differ from the language's
    // usual ones (their short forms differ); the C locale has none of its own.
    return locale.language() == QLocale::C ? QStringLiteral("C") : locale.bcp47Name();
}

QLocale fromName(const QString& name, const QLocale& current)
{
    if (name.trimmed().isEmpty())
        return current;
    const QLocale locale(name.trimmed());
    // QLocale falls back to C for a name it does not know.
    if (locale.language() == QLocale::C && name.trimmed() != QLatin1String("C"))
        return current;
    return locale;
}

QLocale recorded(const SettingsStore& settings, const QLocale& current)
{
    return fromName(settings.read(Setting::dateLocale), current);
}

QLocale recordOnce(SettingsStore& settings, const QLocale& current)
{
    const QString stored = settings.read(Setting::dateLocale);
    if (!stored.trimmed().isEmpty())
        return fromName(stored, current);
    settings.write(Setting::dateLocale, nameOf(current));
    return current;
}

} // namespace DateLocale
