#include "core/settings/settingkeys.h"

namespace Setting {

QString Family::name(int n) const
{
    return QLatin1String(prefix) + QString::number(n) + QLatin1String(suffix);
}

QTime defaultTime(const Key<Type::Time>& key)
{
    return QTime::fromString(QLatin1String(key.defaultText), QStringLiteral("HH:mm"));
}

} // namespace Setting
