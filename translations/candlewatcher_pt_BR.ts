<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Only %1 of the %n selected events were added; the rest could not be added.

%2</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
</TS>
