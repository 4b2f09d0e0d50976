#pragma once

#include <QString>

// Where a 29 February event falls in a common year.
enum class LeapDayRule { March1, February28 };

namespace LeapDayRules {
// The rule's stored texts (the setting LeapDayEvents); the default is 1 March.
QString name(LeapDayRule rule);
// "February28" gives 28 February; anything else, the default.
LeapDayRule fromName(const QString& name);
} // namespace LeapDayRules
