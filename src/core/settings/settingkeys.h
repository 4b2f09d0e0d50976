#pragma once

#include <QString>
#include <QTime>

// Every named value the program keeps in its settings: its name, how its text reads, what a
// missing or empty value reads as and, for a number, the range it is held to. A new preference
// is one line here (and one line binding it to its control in the preferences dialog); the
// settings store reads and writes each type by one rule, so no reader spells a name, a default
// or a limit of its own.
namespace Setting {

enum class Type {
    Text,  // as stored
    Flag,  // on exactly when the text is "1"; written as "1" or "0"
    Bool,  // True or False in any letter case; any other text reads as the default
    Whole, // a decimal whole number, held to the key's range; any other text reads as none
    Time,  // a time of day (the locale's form or HH:mm); any other text reads as the default
};

// A stored whole number is a 16-bit one: a text beyond reads as no number at all.
inline constexpr int wholeLeast = -32768;
inline constexpr int wholeMost = 32767;

template <Type T> struct Key
{
    const char* name;
    const char* defaultText; // what a missing or empty value reads as
    // Whole: a number below or above the range reads as its nearest end.
    int minimum = wholeLeast;
    int maximum = wholeMost;
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
// else meaning 1 March ("March1").
inline constexpr Key<Type::Flag> quitConfirm{"QuitConfirm", "1"};
inline constexpr Key<Type::Flag> deleteConfirm{"DeleteConfirm", "1"};
inline constexpr Key<Type::Text> notifyEvery{"NotifyEvery", "Hour"};
inline constexpr Key<Type::Time> alertTime{"AlertTime", "09:00"};
inline constexpr Key<Type::Text> showRemindersAs{"ShowRemindersAs", ""};
inline constexpr Key<Type::Text> leapDayEvents{"LeapDayEvents", "March1"};

// How many hours apart the tray program syncs the subscriptions (besides at start and on Sync
// Now); 0: only then. Three weeks at most: a timer's interval ends at 2^31 ms, some 596 hours.
inline constexpr Key<Type::Whole> syncHours{"SyncHours", "6", 0, 21 * 24};

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

// Whether a start has shown the window to say where the program lives: only the first start
// with no data file does, every later one stays in the tray.
inline constexpr Key<Type::Flag> trayIntroShown{"TrayIntroShown", "0"};

// An alert put away with "Remind Me Again": when it comes back and what it lists (Snooze's
// text); empty when none is.
inline constexpr Key<Type::Text> alertSnoozed{"AlertSnoozed", ""};

// The export: keeps the UIDs of this program's events apart from others' in one calendar.
inline constexpr Key<Type::Text> calendarId{"CalendarId", ""};

// The comments form's texts when it last closed.
inline constexpr Key<Type::Text> comments{"Comments", ""};
inline constexpr Key<Type::Text> suggestions{"Suggestions", ""};

} // namespace Setting
