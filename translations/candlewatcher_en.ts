<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
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
