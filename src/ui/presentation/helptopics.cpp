#include "ui/presentation/helptopics.h"

#include <QCoreApplication>

#include <array>

namespace {

// The texts keep their two blanks after each full stop.
const std::array<HelpTopic, 20> topics{{
    {"bdaylist", QT_TRANSLATE_NOOP("HelpTopics", "Birthdays List"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "The Birthdays List contains all of your current birthday items.  Double click "
         "on any item to edit it, or right click on any item to view options such as "
         "delete or duplicate.")},
    {"statusbar", QT_TRANSLATE_NOOP("HelpTopics", "Status Bar"),
     QT_TRANSLATE_NOOP("HelpTopics",
                       "The status bar notifies you of any events that occur during operation.")},
    {"toolbar", QT_TRANSLATE_NOOP("HelpTopics", "Toolbar"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "The toolbar provides you with a quick and easy way to access the main functions "
         "of the Candlewatcher software.  Hold your mouse over any button to see a "
         "description of what it does.")},
    {"help", QT_TRANSLATE_NOOP("HelpTopics", "Interactive Help"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "Interactive Help provides information on any part of this product.  Simply move "
         "your mouse over any item on the screen to get a description of what it is and "
         "how to use it.")},
    {"ok", QT_TRANSLATE_NOOP("HelpTopics", "OK Button"),
     QT_TRANSLATE_NOOP("HelpTopics", "Closes the current window and saves any settings.")},
    {"cancel", QT_TRANSLATE_NOOP("HelpTopics", "Cancel Button"),
     QT_TRANSLATE_NOOP("HelpTopics", "Closes the current window without saving any settings.")},
    {"close", QT_TRANSLATE_NOOP("HelpTopics", "Close Button"),
     QT_TRANSLATE_NOOP("HelpTopics", "Closes the current window.")},
    {"sysinfo", QT_TRANSLATE_NOOP("HelpTopics", "System Information"),
     QT_TRANSLATE_NOOP("HelpTopics", "Shows you information about your computer.")},
    {"name", QT_TRANSLATE_NOOP("HelpTopics", "Birthday Name"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "A documentary name chosen by you which represents the event.  For example, "
         "Fred's Birthday, or Rita's Anniversary.  Names do not have to be unique, but "
         "for easy identification, it is recommended that they are.")},
    {"date", QT_TRANSLATE_NOOP("HelpTopics", "Birthday Date"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "This is the date that the event occurs.  If it is a recurring event such as a "
         "birthday, that happens every year, it might be convenient to set the year as "
         "the date of birth of that person.\r\n\r\nTip: using the down arrow will show "
         "you a calendar.")},
    {"repeats", QT_TRANSLATE_NOOP("HelpTopics", "Recurs Every Year"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "If you select this option then you will be reminded of the event on the date "
         "you entered and every year after that.  If you leave it unchecked, you will "
         "only be reminded on the exact date that you entered.")},
    {"notifyfrom", QT_TRANSLATE_NOOP("HelpTopics", "Notify From..."),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "This sets the number of days before the event from which to show it in the "
         "Notifications window.  This is a little window that appears above the "
         "Candlewatcher icon in the system tray, and lasts for 10 seconds.  It can be "
         "configured in the Preferences section of this software.")},
    {"alerts", QT_TRANSLATE_NOOP("HelpTopics", "Alert"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "Allows you to configure how you want to be warned on the day of an event.")},
    {"notification", QT_TRANSLATE_NOOP("HelpTopics", "Notifications"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "This window shows you any up-coming events and any events that occur today.  It "
         "is displayed at regular intervals, which can be customised in the Preferences "
         "section of this software.")},
    {"confirmdelete", QT_TRANSLATE_NOOP("HelpTopics", "Confirm Delete"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "If this is checked then you will be asked if you are sure before you can delete "
         "any birthdays.")},
    {"confirmquit", QT_TRANSLATE_NOOP("HelpTopics", "Confirm Quit"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "If this is checked then you will be asked if you are sure before you can quit "
         "Candlewatcher.  Quitting Candlewatcher will mean you are not notified of any "
         "events.")},
    {"notifysettings", QT_TRANSLATE_NOOP("HelpTopics", "Notification Settings"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "These allow you to set when the notification window appears.  The notification "
         "window is a small box that appears above the icon in the system tray, to tell "
         "you of any up-coming or current events.  If there are no events the "
         "notification window will not appear, regardless of the settings you choose.")},
    {"alerttime", QT_TRANSLATE_NOOP("HelpTopics", "Alerts Time"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "If you have set for an alert to occur on the day of a birthday event, you can "
         "configure here what time you want it to appear.")},
    {"synchours", QT_TRANSLATE_NOOP("HelpTopics", "Subscriptions Sync"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "This is how many hours apart Candlewatcher brings your subscribed address books and "
         "calendars up to date while it runs.  It also does so when it starts and when you "
         "click on Sync Now in the Subscriptions window.  With 0 it does so only then.")},
    {"specialevents", QT_TRANSLATE_NOOP("HelpTopics", "Special Events"),
     QT_TRANSLATE_NOOP(
         "HelpTopics",
         "In this box is a list of regularly used events.  Select the items you want to "
         "add to your Candlewatcher events list - you can use Shift or Control to select "
         "more than one item at a time - and then click on OK.  You will be notified of "
         "the events when they occur.")},
}};

} // namespace

QString HelpTopic::shownTitle() const
{
    return QCoreApplication::translate("HelpTopics", title);
}

QString HelpTopic::shownText() const
{
    return QCoreApplication::translate("HelpTopics", text);
}

namespace HelpTopics {

const HelpTopic* find(const QString& key)
{
    for (const HelpTopic& topic : topics) {
        if (key == QLatin1String(topic.key))
            return &topic;
    }
    return nullptr;
}

std::span<const HelpTopic> all()
{
    return topics;
}

} // namespace HelpTopics
