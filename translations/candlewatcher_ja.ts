<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Candlewatcher keeps your birthdays, anniversaries and other important dates, and reminds you of them from the system tray in good time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For more information on this or any of our freeware and shareware products, please visit our website at:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Or e-mail %1 on:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AlertDialog</name>
    <message>
        <source>Candlewatcher Alert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birthdays Due Today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missed While Away</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>Cannot read &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot make the backup of the data file &quot;%1&quot;, so nothing was changed. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a Candlewatcher data file (byte %1 starts no field)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>it is cut short (its last %n bytes are part of a field)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; is damaged: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data file &quot;%1&quot; is read-only.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BirthdayCommands</name>
    <message>
        <source>You currently have no birthdays in your list.  Please use the New Birthday option to create a birthday.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have not selected a birthday to use.  Please select a birthday from the Birthday&apos;s list and then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <comment>an event&apos;s name in quotes</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The event %1 was changed by another program after the list showed it, so %2.  The list now shows the events as they are.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These events were changed by another program after the list showed them, so %2: %1.  The list now shows the events as they are.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the items of a list</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Because you can only edit one birthay at a time, only the last one you selected will be displayed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>your changes to it were not saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be duplicated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it was not duplicated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>they were not duplicated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1 permanently from your birthdays list?</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to delete these %n items permanently from your birthdays list?</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it was not deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>they were not deleted</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BirthdayDialog</name>
    <message>
        <source>The name is too long to be saved.  A name can hold at most %1 characters (letters with accents and other special characters count as two or more).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>the last two items of a list: &quot;a, b and c&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the items of a list</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add New Birthday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Birthday Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Birthday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Occurs On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeats every year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display number of years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notify From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>day(s) in advance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On the Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>whether it repeats every year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>what happens on the day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>whether the number of years is displayed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some details of this event could not be read: %1.  They are shown with the values a new event starts with.  Press OK to save the event with what you see, or Cancel to leave it unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have not entered a valid name for this birthday.  Please check and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have not entered a valid date for this birthday.  Please check and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Notify From value must be a number that is zero or over.  Please check and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The event could not be saved.

%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BirthdayInput</name>
    <message>
        <source>Show a Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do Nothing!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BirthdayListModel</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Age</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BirthdayListView</name>
    <message>
        <source>Birthdays List</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BirthdayStore</name>
    <message>
        <source>The record key %1 is not valid: keys run from 0 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is in use by another running copy of Candlewatcher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no permission to create &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be created or locked (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot lock the data file &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write the data file &quot;%1&quot;: another program keeps replacing it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The data file &quot;%1&quot; already holds %n events, the most it can hold.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The data file &quot;%1&quot; already holds %Ln events, the most it can hold: delete one to make room for another.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>There is no field &quot;%1&quot; in the data file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 &quot;%2&quot; is too long: it takes %3 bytes, and the data file holds at most %4.</source>
        <extracomment>%1 is the name of a field of the data file (Name, Date, …), kept in English.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot compact the data file &quot;%1&quot;: another program keeps replacing it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot delete the leftover file &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot compact the data file &quot;%1&quot;: it is read-only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create the file &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write the file &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot put the compacted copy in place of the data file &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CalendarExchange</name>
    <message>
        <source>(an event without a name)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the event has no name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it moves one day of a repeating event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the event has no start date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its start is not a date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it was cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not an all-day event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it does not repeat on one day every year</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CalendarFeed</name>
    <message>
        <source>not an iCalendar file (no BEGIN:VCALENDAR)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>text after END:VCALENDAR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>END:%1 does not close the open component</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the calendar is cut short (no END:VCALENDAR)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CollectionFetch</name>
    <message>
        <source>no content for %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Candlewatcher reminds you of birthdays and other dated events. Without options it starts in the system tray; with one of the options below it does that one thing and ends, whether or not it runs in the tray.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List the events of the next DAYS days (default 30), soonest first.</source>
        <extracomment>DAYS is the value&apos;s name in the usage line: keep it as it is.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --upcoming: print a JSON array instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --import: show what would be imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write every event to FILE as an iCalendar file (- for standard output).</source>
        <extracomment>FILE is the value&apos;s name in the usage line: keep it as it is.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --upcoming: how many days ahead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --import: more files to import.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give one of --upcoming, --import and --export-ics.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--json goes with --upcoming.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--dry-run goes with --import.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DAYS must be a whole number from 0 to %1, not &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the calendar could not be written to standard output.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <extracomment>%1 is the file, %2 why it could not be written.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n events written to %1
</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>skipped: %1: %2
</source>
        <extracomment>%1 is an event&apos;s name, %2 why it was not added.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to add: %1 (%2)
</source>
        <extracomment>%1 is an event&apos;s name, %2 its date.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln events were not added: %1.</source>
        <extracomment>%1 says how many events the data file holds.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>the files hold no contact or event with a date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>candlewatcher: %1
Try &apos;candlewatcher --help&apos;.
</source>
        <extracomment>%1 is what was wrong with the command line.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>candlewatcher: left out, their dates could not be read: %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>No events in the next %n days.
</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommentsForm</name>
    <message>
        <source>Comments and Suggestions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do not display my input on the %1 website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Send Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataFileIo</name>
    <message>
        <source>Cannot write the data file &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open the data file &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the data file &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open the data file &quot;%1&quot; for writing: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Part of the change may have been written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot shorten the data file &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DavDiscovery</name>
    <message>
        <source>not an http, https or webcal address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no address books or calendars found</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DavXml</name>
    <message>
        <source>not a multistatus answer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogButtons</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExchangeCommands</name>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no contacts or events to import in the file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not everything was imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iCalendar files (*.ics);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The events could not be exported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n events were exported to &quot;%1&quot;.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>

Left out because their dates could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the items of a list</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no backups yet.  Candlewatcher keeps a copy of your events on each day it exits or imports, in &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Replace your events with the %n events of the backup of %1?

Your events as they are now are kept as a backup of today.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The backup could not be restored.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpPanel</name>
    <message>
        <source>Interactive Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome to Candlewatcher Interactive help.  Simply move your mouse over any area of the screen to get help on that item.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpTopics</name>
    <message>
        <source>Birthdays List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Birthdays List contains all of your current birthday items.  Double click on any item to edit it, or right click on any item to view options such as delete or duplicate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The status bar notifies you of any events that occur during operation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The toolbar provides you with a quick and easy way to access the main functions of the Candlewatcher software.  Hold your mouse over any button to see a description of what it does.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interactive Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interactive Help provides information on any part of this product.  Simply move your mouse over any item on the screen to get a description of what it is and how to use it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK Button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the current window and saves any settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel Button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the current window without saving any settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close Button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the current window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows you information about your computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birthday Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A documentary name chosen by you which represents the event.  For example, Fred&apos;s Birthday, or Rita&apos;s Anniversary.  Names do not have to be unique, but for easy identification, it is recommended that they are.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birthday Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is the date that the event occurs.  If it is a recurring event such as a birthday, that happens every year, it might be convenient to set the year as the date of birth of that person.<byte value="xd"/>
<byte value="xd"/>
Tip: using the down arrow will show you a calendar.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recurs Every Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you select this option then you will be reminded of the event on the date you entered and every year after that.  If you leave it unchecked, you will only be reminded on the exact date that you entered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notify From...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This sets the number of days before the event from which to show it in the Notifications window.  This is a little window that appears above the Candlewatcher icon in the system tray, and lasts for 10 seconds.  It can be configured in the Preferences section of this software.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allows you to configure how you want to be warned on the day of an event.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This window shows you any up-coming events and any events that occur today.  It is displayed at regular intervals, which can be customised in the Preferences section of this software.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If this is checked then you will be asked if you are sure before you can delete any birthdays.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If this is checked then you will be asked if you are sure before you can quit Candlewatcher.  Quitting Candlewatcher will mean you are not notified of any events.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notification Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These allow you to set when the notification window appears.  The notification window is a small box that appears above the icon in the system tray, to tell you of any up-coming or current events.  If there are no events the notification window will not appear, regardless of the settings you choose.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alerts Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you have set for an alert to occur on the day of a birthday event, you can configure here what time you want it to appear.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Special Events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In this box is a list of regularly used events.  Select the items you want to add to your Candlewatcher events list - you can use Shift or Control to select more than one item at a time - and then click on OK.  You will be notified of the events when they occur.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HttpCall</name>
    <message>
        <source>no answer for %1 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the answer of %1 bytes is over the limit of %2 bytes; refused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the answer is over the limit of %1 bytes; refused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server&apos;s certificate does not verify (%1); refused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the connection closed after %1 of %2 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>redirected more than %1 times</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ICalendar</name>
    <message>
        <source>It is not an iCalendar file: it does not start with BEGIN:VCALENDAR.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its BEGIN lines nest deeper than %1 levels, deeper than any calendar: it is not read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file ends in the middle of a calendar (a BEGIN line has no END line): it looks cut off.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportDialog</name>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the events to add from %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Events to import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On the Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no year given: the age is not shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select &amp;None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On the &amp;Day:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each as listed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportEntry</name>
    <message>
        <source>%1 — Anniversary</source>
        <extracomment>The name of the event that a contact&apos;s anniversary becomes; %1 is the contact&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportFormats</name>
    <message>
        <source>, </source>
        <extracomment>Joins the items of a list but its last two.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a contacts file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>contacts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the birthdays and anniversaries of contacts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a calendar file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>calendars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the all-day events of calendars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two items of a list.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2);;All files (*)</source>
        <extracomment>The file dialog&apos;s filters, separated by &quot;;;&quot;: keep the &quot;;;&quot; and the &quot;(*)&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is neither %1.</source>
        <extracomment>%1 lists the kinds of file, joined by &quot;%1 nor %2&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 nor %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import %1 from FILE and the files after it.</source>
        <extracomment>The --import option&apos;s description; FILE is the option&apos;s value, as in the usage line.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportPlan</name>
    <message>
        <source>It is not a regular file (it is a device, a pipe or a socket): only files are imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is larger than %1 MB, more than any contacts or calendar file holds: an import reads files up to that size.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It could not be read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It changed while it was read: try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was added from the file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Nothing was added from any of the %n files: %1 of them could not be used.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the data file holds at most %Ln events</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>its date is not a day of the calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its repeats ended in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its repeats end before they begin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is in the list already</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its repeats end in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no room: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%L1 to add, %L2 already there, %L3 without a date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%L1 added, %L2 already there, %L3 without a date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %L1 left out</source>
        <extracomment>One more item of the import&apos;s summary list.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %L1 could not be read</source>
        <extracomment>One more item of the import&apos;s summary list.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %L1 whose repeats end, not chosen</source>
        <extracomment>One more item of the import&apos;s summary list.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; %L1 fit, %L2 would not be added: %3</source>
        <extracomment>The end of the import&apos;s summary; %3 says how many events the data file holds.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; %L1 not added: %2</source>
        <extracomment>The end of the import&apos;s summary; %2 says how many events the data file holds.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The import stopped after %1 of the %n events were added.

%2</source>
        <extracomment>%1 is how many events were added, %2 why the import stopped.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ListDate</name>
    <message>
        <source>1 event has a date that cannot be read (marked ⚠)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n events have dates that cannot be read (marked ⚠)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainActions</name>
    <message>
        <source>&amp;Birthdays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Birthday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Special Events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit Birthday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Du&amp;plicate Birthday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete Birthday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exp&amp;ort...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore from &amp;Backup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit Candlewatcher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Toolbars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard &amp;Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lar&amp;ge Icons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Small Icons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By &amp;Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By &amp;Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By Ne&amp;xt Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By &amp;Age</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interactive Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Candlewatcher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Comments and Suggestions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 &amp;Website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show Candlewatcher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show N&amp;otifications</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add &amp;New Birthday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Candlewatcher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;%1 Website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add New Birthday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Selected Birthday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate Birthday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Selected Birthday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Special Events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Special Events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit Candlewatcher</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>No desktop notification service answered: reminders show in the Candlewatcher window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 - never miss a birthday again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search by name (Ctrl+F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search by name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you exit then you will not be alerted to any future events.  Are you sure you want to exit?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data file could not be compacted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The birthdays list could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MissedEvents</name>
    <message numerus="yes">
        <source>%1 (%2 - %n Years)</source>
        <extracomment>%1 is the event&apos;s name, %2 the missed day.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NetJob</name>
    <message>
        <source>the user name or the password was refused (401)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>access refused (403)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not found on the server (404)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server failed (%1 %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected answer (%1 %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the answer cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NextEvent</name>
    <message>
        <source>%1 — next: %2, %3</source>
        <extracomment>The tray icon&apos;s tip: the program&apos;s title, the soonest event&apos;s name and when it is.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NotificationLines</name>
    <message numerus="yes">
        <source>(%n more events)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NotificationWindow</name>
    <message>
        <source>Birthdays Due Today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(No birthdays coming up)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(No birthdays today)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birthdays Due Soon</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <source>Show Candlewatcher</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Occurrence</name>
    <message>
        <source>today</source>
        <extracomment>The list&apos;s narrow &quot;In&quot; column and the tray icon&apos;s tip: keep it short.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tomorrow</source>
        <extracomment>The list&apos;s narrow &quot;In&quot; column and the tray icon&apos;s tip: keep it short.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <extracomment>The list&apos;s narrow &quot;In&quot; column and the tray icon&apos;s tip: keep it short.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Candlewatcher Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm before &amp;deleting a birthday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm before &amp;exiting Candlewatcher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the Notification window:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every &amp;hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;very day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only when &amp;Windows starts up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only when Candlewatcher &amp;starts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;alerts at the following time each day:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(24 hour clock)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show reminders as:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Candlewatcher window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>desktop notifications</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leap-day events in other years:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>28 February</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 March</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>&quot;LTR&quot; for a language written left to right, &quot;RTL&quot; for one written right to left</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReminderDecision</name>
    <message>
        <source>There are no events due</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no events today</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 (%2 - %n Years)</source>
        <extracomment>%1 is the event&apos;s name, %2 its date. The notification window cuts long names short: keep %1 first, the rest in parentheses.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n Years)</source>
        <extracomment>%1 is the event&apos;s name. The notification window cuts long names short: keep %1 first, the rest in parentheses.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReminderRunner</name>
    <message>
        <source>Birthdays Due Today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birthdays Due Soon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missed While Away</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Candlewatcher Alert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1:</source>
        <comment>a title before its list</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RestoreDialog</name>
    <message>
        <source>Restore from Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the backup to restore.  Your events as they are now are kept as a backup of today first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup of</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a backup&apos;s day, the time of day it was made</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShellLaunch</name>
    <message>
        <source>%1 could not open %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>No private folder for the lock file (%1); another running copy will not be noticed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is a symbolic link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>belongs to another user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is open to other users</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot make the lock file &quot;%1&quot;; another running copy will not be noticed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Candlewatcher is already running, but it does not answer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot listen for later starts on &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Subscriptions</name>
    <message>
        <source>Cannot read &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The subscriptions file &quot;%1&quot; is damaged: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The subscriptions file &quot;%1&quot; was written by a newer version of the program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The subscriptions file &quot;%1&quot; is damaged: an entry in it does not read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SyncPlan</name>
    <message>
        <source>: no room: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SyncRun</name>
    <message>
        <source>%L1 added, %L2 updated, %L3 removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %L1 detached</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %L1 left out</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VCardReader</name>
    <message>
        <source>Contact on line %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its name is damaged quoted-printable text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 is not a vCard line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the contact has no name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its birthday &quot;%1&quot; is not a date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its anniversary &quot;%1&quot; is not a date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no birthday or anniversary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a vCard file: it does not start with BEGIN:VCARD.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the contact has no END:VCARD line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file ends in the middle of a contact (it has no END:VCARD line after line %1): it looks cut off.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WebTexts</name>
    <message>
        <source>%1 was unable to connect to the internet.  Please connect manually and then try again.</source>
        <extracomment>%1 is the program&apos;s full title.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have not entered any information.  Please enter either a comment or suggestion into the space provided.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was a problem sending your information to %1.  Please check you are connected to the internet correctly, and if the problem persists, try again later.</source>
        <extracomment>%1 is the organisation&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your comments and suggestions have been sent to %1.  Thank you very much for your input.</source>
        <extracomment>%1 is the organisation&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 welcomes any comments and suggestions from its users.  Please fill in the boxes below and click on send.  This service is completely anonymous.</source>
        <extracomment>%1 is the organisation&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 welcomes any comments and suggestions from its users.  Please fill in the boxes below and click on send.</source>
        <extracomment>%1 is the organisation&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait while your information is being sent to the %1 website...</source>
        <extracomment>%1 is the organisation&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Information is currently unavailable.  Please try again later.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WellKnownDays</name>
    <message>
        <source>New Year&apos;s Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sherlock Holmes Birthday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baptism of Jesus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>World Religion Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Epiphany</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Martin Luther King Jr. Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Burn&apos;s Night</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Groundhog Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valentines Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lantern Festival</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>St. David&apos;s Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>International Women&apos;s Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mothers Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>St. Patrick&apos;s Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>April Fool&apos;s Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buddha&apos;s Birthday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Holocaust Rememberance Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>St. Georges Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mother&apos;s Day (US)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pentecost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trinity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dragon Boat Festival</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Father&apos;s Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>International Joke Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Independence Day (US)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bastille Day (France)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friendship Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chinese Valentines Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ghandi&apos;s Birthday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oktoberfest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black Thursday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Saints&apos; Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guy Fawkes Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>World Peace Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Children&apos;s Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>World AIDS Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advent Begins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>St. Nicholas Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pearl Harbour Day (US)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Christmas Eve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Christmas Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boxing Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Year&apos;s Eve</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WellKnownDaysDialog</name>
    <message>
        <source>Special Events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select any dates you want to add.  Use the Control key to select more than one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>None of the %n selected events could be added.

%1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Only %1 of the %n selected events were added; the rest could not be added.

%2</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
</TS>
