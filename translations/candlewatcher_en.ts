<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Backups</name>
    <message numerus="yes">
        <location filename="../src/core/store/backups.cpp" line="+204"/>
        <source>it is cut short (its last %Ln bytes are part of a field)</source>
        <extracomment>%Ln is the number of bytes at the file&apos;s end that make no whole field.</extracomment>
        <translation>
            <numerusform>it is cut short (its last %Ln byte is part of a field)</numerusform>
            <numerusform>it is cut short (its last %Ln bytes are part of a field)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BirthdayCommands</name>
    <message numerus="yes">
        <location filename="../src/ui/list/birthdaycommands.cpp" line="+114"/>
        <source>Of the %n selected events: %1 duplicated, %2 not duplicated.</source>
        <extracomment>%n is how many events were selected, %1 how many were copied.</extracomment>
        <translation>
            <numerusform>Of the %n selected event: %1 duplicated, %2 not duplicated.</numerusform>
            <numerusform>Of the %n selected events: %1 duplicated, %2 not duplicated.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+36"/>
        <source>Are you sure you want to delete these %Ln items permanently from your birthdays list?</source>
        <extracomment>%Ln is the number of selected events (2 or more).</extracomment>
        <translation>
            <numerusform>Are you sure you want to delete these %Ln items permanently from your birthdays list?</numerusform>
            <numerusform>Are you sure you want to delete these %Ln items permanently from your birthdays list?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>Of the %n selected events: %1 deleted, %2 not deleted.</source>
        <extracomment>%n is how many events were selected, %1 how many were deleted.</extracomment>
        <translation>
            <numerusform>Of the %n selected event: %1 deleted, %2 not deleted.</numerusform>
            <numerusform>Of the %n selected events: %1 deleted, %2 not deleted.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BirthdayDialog</name>
    <message numerus="yes">
        <location filename="../src/ui/dialogs/birthdaydialog.cpp" line="+225"/>
        <source>day(s) in advance</source>
        <extracomment>After the box with the number of days ahead to be notified; the number is the box&apos;s.</extracomment>
        <translation>
            <numerusform>day(s) in advance</numerusform>
            <numerusform>day(s) in advance</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BirthdayStore</name>
    <message numerus="yes">
        <location filename="../src/core/store/birthdaystore.cpp" line="+175"/>
        <source>The data file &quot;%1&quot; already holds %Ln events, the most it can hold.</source>
        <extracomment>%1 is the data file, %Ln the number of events it holds: the most it can.</extracomment>
        <translation>
            <numerusform>The data file &quot;%1&quot; already holds %Ln event, the most it can hold.</numerusform>
            <numerusform>The data file &quot;%1&quot; already holds %Ln events, the most it can hold.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+14"/>
        <source>The data file &quot;%1&quot; already holds %Ln events, the most it can hold: delete one to make room for another.</source>
        <extracomment>%1 is the data file, %Ln the number of events it holds: the most it can.</extracomment>
        <translation>
            <numerusform>The data file &quot;%1&quot; already holds %Ln event, the most it can hold: delete one to make room for another.</numerusform>
            <numerusform>The data file &quot;%1&quot; already holds %Ln events, the most it can hold: delete one to make room for another.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message numerus="yes">
        <location filename="../src/cli/exportcommand.cpp" line="+37"/>
        <source>%Ln events written to %1
</source>
        <extracomment>%Ln is the number of events written, %1 the file.</extracomment>
        <translation>
            <numerusform>%Ln event written to %1
</numerusform>
            <numerusform>%Ln events written to %1
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/cli/importcommand.cpp" line="+59"/>
        <source>%Ln events were not added: %1.</source>
        <extracomment>%1 says how many events the data file holds.</extracomment>
        <translation>
            <numerusform>%Ln event was not added: %1.</numerusform>
            <numerusform>%Ln events were not added: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="../src/cli/upcoming.cpp" line="+87"/>
        <source>No events in the next %Ln days.
</source>
        <extracomment>%Ln is the number of days looked ahead.</extracomment>
        <translation>
            <numerusform>No events in the next %Ln day.
</numerusform>
            <numerusform>No events in the next %Ln days.
</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExchangeCommands</name>
    <message numerus="yes">
        <location filename="../src/ui/app/exchangecommands.cpp" line="+210"/>
        <source>%Ln events were exported to &quot;%1&quot;.</source>
        <extracomment>%Ln is the number of events exported, %1 the file.</extracomment>
        <translation>
            <numerusform>%Ln event was exported to &quot;%1&quot;.</numerusform>
            <numerusform>%Ln events were exported to &quot;%1&quot;.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+30"/>
        <source>Replace your events with the %Ln events of the backup of %1?

Your events as they are now are kept as a backup of today.</source>
        <extracomment>%Ln is the number of events in the backup, %1 the backup&apos;s day.</extracomment>
        <translation>
            <numerusform>Replace your events with the %Ln event of the backup of %1?

Your events as they are now are kept as a backup of today.</numerusform>
            <numerusform>Replace your events with the %Ln events of the backup of %1?

Your events as they are now are kept as a backup of today.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportPlan</name>
    <message numerus="yes">
        <location filename="../src/core/exchange/importplan.cpp" line="+155"/>
        <source>Nothing was added from any of the %Ln files: %1 of them could not be used.</source>
        <translation>
            <numerusform>Nothing was added from any of the %Ln files: %1 of them could not be used.</numerusform>
            <numerusform>Nothing was added from any of the %Ln files: %1 of them could not be used.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+23"/>
        <source>the data file holds at most %Ln events</source>
        <extracomment>%Ln is the most events the data file holds.</extracomment>
        <translation>
            <numerusform>the data file holds at most %Ln event</numerusform>
            <numerusform>the data file holds at most %Ln events</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+196"/>
        <source>The import stopped after %1 of the %Ln events were added.

%2</source>
        <extracomment>%1 is how many events were added, %2 why the import stopped.</extracomment>
        <translation>
            <numerusform>The import stopped after %1 of the %Ln event was added.

%2</numerusform>
            <numerusform>The import stopped after %1 of the %Ln events were added.

%2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ListDate</name>
    <message numerus="yes">
        <location filename="../src/ui/presentation/listdate.cpp" line="+50"/>
        <source>%Ln events have dates that cannot be read (marked ⚠)</source>
        <extracomment>%Ln is the number of events whose stored date does not read (2 or more).</extracomment>
        <translation>
            <numerusform>%Ln event has a date that cannot be read (marked ⚠)</numerusform>
            <numerusform>%Ln events have dates that cannot be read (marked ⚠)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message numerus="yes">
        <location filename="../src/ui/app/mainwindow.cpp" line="+414"/>
        <source>%n event(s) whose writing was cut off (a name without a date) were taken out of the data file; their cells are kept in &quot;%1&quot;.</source>
        <translation>
            <numerusform>%n event whose writing was cut off (a name without a date) was taken out of the data file; its cells are kept in &quot;%1&quot;.</numerusform>
            <numerusform>%n events whose writing was cut off (a name without a date) were taken out of the data file; their cells are kept in &quot;%1&quot;.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MissedEvents</name>
    <message numerus="yes">
        <location filename="../src/core/calendar/missedevents.cpp" line="+71"/>
        <source>%1 (%2 - %Ln Years)</source>
        <extracomment>%1 is the event&apos;s name, %2 the missed day.</extracomment>
        <translation>
            <numerusform>%1 (%2 - %Ln Years)</numerusform>
            <numerusform>%1 (%2 - %Ln Years)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NextEvent</name>
    <message numerus="yes">
        <location filename="../src/core/calendar/nextevent.cpp" line="+25"/>
        <source>%Ln</source>
        <comment>an age</comment>
        <extracomment>A person&apos;s age in the list&apos;s narrow &quot;Age&quot; column and the command line&apos;s lines: the number alone where the language needs no word (English &quot;42&quot;), else its age word.</extracomment>
        <translation>
            <numerusform>%Ln</numerusform>
            <numerusform>%Ln</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NotificationLines</name>
    <message numerus="yes">
        <location filename="../src/ui/presentation/notificationlines.cpp" line="+87"/>
        <source>(%Ln more events)</source>
        <extracomment>The notification&apos;s last line when not every event fits: %Ln is how many more there are.</extracomment>
        <translation>
            <numerusform>(%Ln more event)</numerusform>
            <numerusform>(%Ln more events)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Occurrence</name>
    <message numerus="yes">
        <location filename="../src/core/calendar/occurrence.cpp" line="+108"/>
        <source>in %Ln days</source>
        <extracomment>The list&apos;s narrow &quot;In&quot; column and the tray icon&apos;s tip: keep it short.</extracomment>
        <translation>
            <numerusform>in %Ln day</numerusform>
            <numerusform>in %Ln days</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReminderDecision</name>
    <message numerus="yes">
        <location filename="../src/core/calendar/reminderdecision.cpp" line="+133"/>
        <source>%1 (%2 - %Ln Years)</source>
        <extracomment>%1 is the event&apos;s name, %2 its date, %Ln the years since the date (an age, or an anniversary&apos;s count: a wording for both). The notification window cuts long names short: keep %1 first, the rest in parentheses.</extracomment>
        <translation>
            <numerusform>%1 (%2 - %Ln Years)</numerusform>
            <numerusform>%1 (%2 - %Ln Years)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+26"/>
        <location filename="../src/ui/presentation/notificationlines.cpp" line="-52"/>
        <source>%1 (%Ln Years)</source>
        <extracomment>%1 is the event&apos;s name, %Ln the years since its date: an age for a birthday, a count of years for an anniversary or any other event, so a wording that fits both (the list&apos;s &quot;Age&quot; column has a message of its own). The notification window cuts long names short: keep %1 first, the rest in parentheses.</extracomment>
        <translation>
            <numerusform>%1 (%Ln Years)</numerusform>
            <numerusform>%1 (%Ln Years)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SubscriptionsDialog</name>
    <message numerus="yes">
        <location filename="../src/ui/dialogs/subscriptionsdialog.cpp" line="+419"/>
        <source>Subscribing adds %Ln events.</source>
        <extracomment>%Ln is the number of events the subscription adds to the list.</extracomment>
        <translation>
            <numerusform>Subscribing adds %Ln event.</numerusform>
            <numerusform>Subscribing adds %Ln events.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%Ln events already in your list are linked to it.</source>
        <extracomment>%Ln is the number of events of the list the subscription takes over.</extracomment>
        <translation>
            <numerusform>%Ln event already in your list is linked to it.</numerusform>
            <numerusform>%Ln events already in your list are linked to it.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%Ln dates are left out.</source>
        <extracomment>%Ln is the number of the calendar&apos;s dates the list cannot hold.</extracomment>
        <translation>
            <numerusform>%Ln date is left out.</numerusform>
            <numerusform>%Ln dates are left out.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WellKnownDaysDialog</name>
    <message numerus="yes">
        <location filename="../src/ui/dialogs/wellknowndaysdialog.cpp" line="+225"/>
        <source>None of the %Ln selected events could be added.

%1</source>
        <extracomment>%Ln is the number of days chosen, %1 why they could not be added.</extracomment>
        <translation>
            <numerusform>None of the %Ln selected events could be added.

%1</numerusform>
            <numerusform>None of the %Ln selected events could be added.

%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>Only %1 of the %Ln selected events were added; the rest could not be added.

%2</source>
        <extracomment>%1 is how many were added, %Ln how many were chosen, %2 why the rest were not.</extracomment>
        <translation>
            <numerusform>Only %1 of the %Ln selected events were added; the rest could not be added.

%2</numerusform>
            <numerusform>Only %1 of the %Ln selected events were added; the rest could not be added.

%2</numerusform>
        </translation>
    </message>
</context>
</TS>
