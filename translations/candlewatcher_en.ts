<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Backups</name>
    <message numerus="yes">
        <source>it is cut short (its last %n bytes are part of a field)</source>
        <translation>
            <numerusform>it is cut short (its last %n byte is part of a field)</numerusform>
            <numerusform>it is cut short (its last %n bytes are part of a field)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BirthdayCommands</name>
    <message numerus="yes">
        <source>Are you sure you want to delete these %n items permanently from your birthdays list?</source>
        <translation>
            <numerusform>Are you sure you want to delete these %n items permanently from your birthdays list?</numerusform>
            <numerusform>Are you sure you want to delete these %n items permanently from your birthdays list?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BirthdayStore</name>
    <message numerus="yes">
        <source>The data file &quot;%1&quot; already holds %n events, the most it can hold.</source>
        <translation>
            <numerusform>The data file &quot;%1&quot; already holds %n event, the most it can hold.</numerusform>
            <numerusform>The data file &quot;%1&quot; already holds %n events, the most it can hold.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The data file &quot;%1&quot; already holds %Ln events, the most it can hold: delete one to make room for another.</source>
        <translation>
            <numerusform>The data file &quot;%1&quot; already holds %Ln event, the most it can hold: delete one to make room for another.</numerusform>
            <numerusform>The data file &quot;%1&quot; already holds %Ln events, the most it can hold: delete one to make room for another.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message numerus="yes">
        <source>%n events written to %1
</source>
        <translation>
            <numerusform>%n event written to %1
</numerusform>
            <numerusform>%n events written to %1
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln events were not added: %1.</source>
        <extracomment>%1 says how many events the data file holds.</extracomment>
        <translation>
            <numerusform>%Ln event was not added: %1.</numerusform>
            <numerusform>%Ln events were not added: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No events in the next %n days.
</source>
        <translation>
            <numerusform>No events in the next %n day.
</numerusform>
            <numerusform>No events in the next %n days.
</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExchangeCommands</name>
    <message numerus="yes">
        <source>%n events were exported to &quot;%1&quot;.</source>
        <translation>
            <numerusform>%n event was exported to &quot;%1&quot;.</numerusform>
            <numerusform>%n events were exported to &quot;%1&quot;.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Replace your events with the %n events of the backup of %1?

Your events as they are now are kept as a backup of today.</source>
        <translation>
            <numerusform>Replace your events with the %n event of the backup of %1?

Your events as they are now are kept as a backup of today.</numerusform>
            <numerusform>Replace your events with the %n events of the backup of %1?

Your events as they are now are kept as a backup of today.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportPlan</name>
    <message numerus="yes">
        <source>Nothing was added from any of the %n files: %1 of them could not be used.</source>
        <translation>
            <numerusform>Nothing was added from any of the %n files: %1 of them could not be used.</numerusform>
            <numerusform>Nothing was added from any of the %n files: %1 of them could not be used.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the data file holds at most %Ln events</source>
        <translation>
            <numerusform>the data file holds at most %Ln event</numerusform>
            <numerusform>the data file holds at most %Ln events</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The import stopped after %1 of the %n events were added.

%2</source>
        <extracomment>%1 is how many events were added, %2 why the import stopped.</extracomment>
        <translation>
            <numerusform>The import stopped after %1 of the %n event was added.

%2</numerusform>
            <numerusform>The import stopped after %1 of the %n events were added.

%2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ListDate</name>
    <message numerus="yes">
        <source>%n events have dates that cannot be read (marked ⚠)</source>
        <translation>
            <numerusform>%n event has a date that cannot be read (marked ⚠)</numerusform>
            <numerusform>%n events have dates that cannot be read (marked ⚠)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MissedEvents</name>
    <message numerus="yes">
        <source>%1 (%2 - %n Years)</source>
        <extracomment>%1 is the event&apos;s name, %2 the missed day.</extracomment>
        <translation>
            <numerusform>%1 (%2 - %n Years)</numerusform>
            <numerusform>%1 (%2 - %n Years)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NotificationLines</name>
    <message numerus="yes">
        <source>(%n more events)</source>
        <translation>
            <numerusform>(%n more event)</numerusform>
            <numerusform>(%n more events)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Occurrence</name>
    <message numerus="yes">
        <source>in %n days</source>
        <extracomment>The list&apos;s narrow &quot;In&quot; column and the tray icon&apos;s tip: keep it short.</extracomment>
        <translation>
            <numerusform>in %n day</numerusform>
            <numerusform>in %n days</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReminderDecision</name>
    <message numerus="yes">
        <source>%1 (%2 - %n Years)</source>
        <extracomment>%1 is the event&apos;s name, %2 its date. The notification window cuts long names short: keep %1 first, the rest in parentheses.</extracomment>
        <translation>
            <numerusform>%1 (%2 - %n Years)</numerusform>
            <numerusform>%1 (%2 - %n Years)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n Years)</source>
        <extracomment>%1 is the event&apos;s name. The notification window cuts long names short: keep %1 first, the rest in parentheses.</extracomment>
        <translation>
            <numerusform>%1 (%n Years)</numerusform>
            <numerusform>%1 (%n Years)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SubscriptionsDialog</name>
    <message numerus="yes">
        <source>Subscribing adds %n events.</source>
        <translation>
            <numerusform>Subscribing adds %n event.</numerusform>
            <numerusform>Subscribing adds %n events.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n events already in your list are linked to it.</source>
        <translation>
            <numerusform>%n event already in your list is linked to it.</numerusform>
            <numerusform>%n events already in your list are linked to it.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n dates are left out.</source>
        <translation>
            <numerusform>%n date is left out.</numerusform>
            <numerusform>%n dates are left out.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WellKnownDaysDialog</name>
    <message numerus="yes">
        <source>None of the %n selected events could be added.

%1</source>
        <translation>
            <numerusform>None of the %n selected events could be added.

%1</numerusform>
            <numerusform>None of the %n selected events could be added.

%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Only %1 of the %n selected events were added; the rest could not be added.

%2</source>
        <translation>
            <numerusform>Only %1 of the %n selected events were added; the rest could not be added.

%2</numerusform>
            <numerusform>Only %1 of the %n selected events were added; the rest could not be added.

%2</numerusform>
        </translation>
    </message>
</context>
</TS>
