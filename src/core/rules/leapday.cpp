#include "core/rules/leapday.h"

namespace LeapDayRules {

QString name(LeapDayRule rule)
{
    return rule == LeapDayRule::February28 ? QStringLiteral("February28")
                                           : QStringLiteral("March1");
}

LeapDayRule fromName(const QString& name)
{
    return name == QLatin1String("February28") ? LeapDayRule::February28 : LeapDayRule::March1;
}

} // namespace LeapDayRules
