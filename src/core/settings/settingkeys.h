#pragma once

#include <QString>
#include <QTime>

// Every named value the program keeps in its settings: its name, how its text reads and what a
// missing or empty value reads as. A new preference is one line here; the settings store reads
// and writes each type by one rule, so no reader spells a name or a default of its own.
namespace Setting {

enum class Type {
    Text,  // as stored
    Flag,  // on exactly when the text is "1"; written as "1" or "0"
    Bool,  // True or False in any letter case; any other text reads as the default
    Whole, // a decimal whole number; any other text reads as none
    Time,  // a time of day (the locale's form or HH:mm); any other text reads as the default
};

template <Type T> struct Key
{
    const char* name;
    const char* defaultText; // what a missing or empty value reads as
};

// Whole-number keys named after a list column n = 1, 2, …: prefix, n in decimal, suffix. A
// missing value leaves the column as it is.
struct Family
{
    const char* prefix;
    const char* suffix;

    QString name(int n) const;
};

// The time a missing or unreadable time reads as.
QTime defaultTime(const Key<Type::Time>& key);

// The preferences. NotifyEvery is "Hour", "Day" or "None"; ShowRemindersAs "Window" or
// "Notifications", none following what the desktop suits; LeapDayEvents "February28", anything
// else meaning 1 March.
inline constexpr Key<Type::Flag> quitConfirm{"QuitConfirm", "1"};
inline constexpr Key<Type::Flag> deleteConfirm{"DeleteConfirm", "1"};
inline constexpr Key<Type::Text> notifyEvery{"NotifyEvery", "Hour"};
inline constexpr Key<Type::Time> alertTime{"AlertTime", "09:00"};
inline constexpr Key<Type::Text> showRemindersAs{"ShowRemindersAs", ""};
inline constexpr Key<Type::Text> leapDayEvents{"LeapDayEvents", ""};

// How many hours apart the tray program syncs the subscriptions (besides at start and on Sync
// Now); 0 or less: only then.
inline constexpr Key<Type::Whole> syncHours{"SyncHours", "6"};

// The reminder check's memory: the date and time of the last notification, and of a check
// (ISO date and time).
inline constexpr Key<Type::Text> notifyDate{"NotifyDate", ""};
inline constexpr Key<Type::Text> notifyTime{"NotifyTime", ""};
inline constexpr Key<Type::Text> lastCheck{"LastCheck", ""};
// The language (a BCP 47 name, "C" for the C locale) whose short forms the dates and times
// stored before they were all ISO are in: recorded once, at the first start that knows it
// (datelocale.h).
inline constexpr Key<Type::Text> dateLocale{"DateLocale", ""};

// The main window's layout. IconView is "LargeIcons", "SmallIcons", "List" or "Details";
// ArrangeIcons "Name" or "Date", none arranging by the next date; WindowState 0 normal,
// 1 minimised, 2 maximised. Places and sizes are in twips; a missing one leaves the window
// where the window manager puts it.
inline constexpr Key<Type::Bool> statusBar{"StatusBar", "true"};
inline constexpr Key<Type::Bool> toolBar{"ToolBar", "true"};
inline constexpr Key<Type::Bool> interactiveHelp{"InteractiveHelp", "false"};
inline constexpr Key<Type::Text> iconView{"IconView", "LargeIcons"};
inline constexpr Key<Type::Text> arrangeIcons{"ArrangeIcons", ""};
inline constexpr Key<Type::Whole> windowState{"WindowState", "0"};
inline constexpr Key<Type::Whole> windowLeft{"WindowLeft", ""};
inline constexpr Key<Type::Whole> windowTop{"WindowTop", ""};
inline constexpr Key<Type::Whole> windowWidth{"WindowWidth", ""};
inline constexpr Key<Type::Whole> windowHeight{"WindowHeight", ""};
inline constexpr Family columnWidth{"Column", "Width"}; // Column1Width, Column2Width, …
inline constexpr Family columnPos{"Column", "Pos"};     // the column's place, from 1

// The export: keeps the UIDs of this program's events apart from others' in one calendar.
inline constexpr Key<Type::Text> calendarId{"CalendarId", ""};

// The comments form's texts when it last closed.
inline constexpr Key<Type::Text> comments{"Comments", ""};
inline constexpr Key<Type::Text> suggestions{"Suggestions", ""};

} // namespace Setting
