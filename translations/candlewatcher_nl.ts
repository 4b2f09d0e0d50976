<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>AboutDialog</name>
    <message>
        <location filename="../src/ui/web/aboutdialog.cpp" line="+67"/>
        <source>About %1</source>
        <translation>Over %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Candlewatcher keeps your birthdays, anniversaries and other important dates, and reminds you of them from the system tray in good time.</source>
        <translation>Candlewatcher bewaart uw verjaardagen, jubilea en andere belangrijke datums en herinnert u er vanuit het systeemvak tijdig aan.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>For more information on this or any of our freeware and shareware products, please visit our website at:</source>
        <translation>Bezoek voor meer informatie over dit of een van onze andere freeware- en sharewareproducten onze website:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Or e-mail %1 on:</source>
        <translation>Of stuur %1 een e-mail op:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeeminformatie...</translation>
    </message>
</context>
<context>
    <name>AlertDialog</name>
    <message>
        <location filename="../src/ui/reminders/alertdialog.cpp" line="+52"/>
        <source>Candlewatcher Alert</source>
        <translation>Candlewatcher-waarschuwing</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Birthdays Due Today</source>
        <translation>Verjaardagen vandaag</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>&amp;Remind Me Again</source>
        <translation>&amp;Later herinneren</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>In &amp;10 Minutes</source>
        <translation>Over &amp;10 minuten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In 1 &amp;Hour</source>
        <translation>Over 1 &amp;uur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Tomorrow</source>
        <translation>&amp;Morgen</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Missed While Away</source>
        <translation>Gemist tijdens afwezigheid</translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <location filename="../src/core/store/backups.cpp" line="+26"/>
        <location line="+7"/>
        <source>Cannot read &quot;%1&quot;: %2.</source>
        <translation>Kan &quot;%1&quot; niet lezen: %2.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <translation>Kan &quot;%1&quot; niet schrijven: %2.</translation>
    </message>
    <message>
        <location line="+101"/>
        <source>Cannot make the backup of the data file &quot;%1&quot;, so nothing was changed. %2</source>
        <translation>Kan geen back-up maken van het gegevensbestand &quot;%1&quot;, dus er is niets gewijzigd. %2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The folder &quot;%1&quot; could not be created.</source>
        <translation>De map &quot;%1&quot; kon niet worden aangemaakt.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>it is not a Candlewatcher data file (byte %1 starts no field)</source>
        <translation>het is geen gegevensbestand van Candlewatcher (byte %1 begint geen veld)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>it is empty</source>
        <translation>het is leeg</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>it is cut short (its last %Ln bytes are part of a field)</source>
        <extracomment>%Ln is the number of bytes at the file&apos;s end that make no whole field.</extracomment>
        <translation>
            <numerusform>het is afgebroken (de laatste %Ln byte hoort bij een veld)</numerusform>
            <numerusform>het is afgebroken (de laatste %Ln bytes horen bij een veld)</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The backup &quot;%1&quot; is damaged: %2.</source>
        <translation>De back-up &quot;%1&quot; is beschadigd: %2.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The data file &quot;%1&quot; is read-only.</source>
        <translation>Het gegevensbestand &quot;%1&quot; is alleen-lezen.</translation>
    </message>
</context>
<context>
    <name>BirthdayCommands</name>
    <message>
        <location filename="../src/ui/list/birthdaycommands.cpp" line="+23"/>
        <source>You currently have no birthdays in your list.  Please use the New Birthday option to create a birthday.</source>
        <translation>Er staan momenteel geen verjaardagen in uw lijst.  Gebruik de optie Nieuwe verjaardag om een verjaardag aan te maken.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>You have not selected a birthday to use.  Please select a birthday from the Birthday&apos;s list and then try again.</source>
        <translation>U hebt geen verjaardag geselecteerd.  Selecteer een verjaardag in de verjaardagenlijst en probeer het opnieuw.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>&quot;%1&quot;</source>
        <comment>an event&apos;s name in quotes</comment>
        <translation>&quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The event %1 was changed by another program after the list showed it, so %2.  The list now shows the events as they are.</source>
        <translation>De gebeurtenis %1 is door een ander programma gewijzigd nadat de lijst deze toonde, dus %2.  De lijst toont de gebeurtenissen nu zoals ze zijn.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>These events were changed by another program after the list showed them, so %2: %1.  The list now shows the events as they are.</source>
        <translation>Deze gebeurtenissen zijn door een ander programma gewijzigd nadat de lijst ze toonde, dus %2: %1.  De lijst toont de gebeurtenissen nu zoals ze zijn.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>, </source>
        <comment>between the items of a list</comment>
        <translation>, </translation>
    </message>
    <message>
        <location line="+24"/>
        <source>&quot;%1&quot; follows the subscription &quot;%2&quot;.  Once you change it here it is your own: later changes in the subscription no longer reach it.  Edit it?</source>
        <translation>&quot;%1&quot; volgt het abonnement &quot;%2&quot;.  Zodra u het hier wijzigt is het van u: latere wijzigingen in het abonnement bereiken het niet meer.  Bewerken?</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Because you can only edit one birthay at a time, only the last one you selected will be displayed.</source>
        <translation>Omdat u maar één verjaardag tegelijk kunt bewerken, wordt alleen de laatste die u hebt geselecteerd weergegeven.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>your changes to it were not saved</source>
        <translation>zijn uw wijzigingen niet opgeslagen</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&quot;%1&quot; could not be duplicated.</source>
        <translation>&quot;%1&quot; kon niet worden gedupliceerd.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it was not duplicated</source>
        <translation>is deze niet gedupliceerd</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>they were not duplicated</source>
        <translation>zijn ze niet gedupliceerd</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Of the %n selected events: %1 duplicated, %2 not duplicated.</source>
        <extracomment>%n is how many events were selected, %1 how many were copied.</extracomment>
        <translation>
            <numerusform>Van de %n geselecteerde gebeurtenis: %1 gedupliceerd, %2 niet gedupliceerd.</numerusform>
            <numerusform>Van de %n geselecteerde gebeurtenissen: %1 gedupliceerd, %2 niet gedupliceerd.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+16"/>
        <source>&quot;%1&quot; was duplicated, but the copy keeps its date of this year only.

%2</source>
        <translation>&quot;%1&quot; is gedupliceerd, maar de kopie houdt alleen de datum van dit jaar.

%2</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Are you sure you want to delete %1 permanently from your birthdays list?</source>
        <translation>Weet u zeker dat u %1 definitief uit uw verjaardagenlijst wilt verwijderen?</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>Are you sure you want to delete these %Ln items permanently from your birthdays list?</source>
        <extracomment>%Ln is the number of selected events (2 or more).</extracomment>
        <translation>
            <numerusform>Weet u zeker dat u dit %Ln item definitief uit uw verjaardagenlijst wilt verwijderen?</numerusform>
            <numerusform>Weet u zeker dat u deze %Ln items definitief uit uw verjaardagenlijst wilt verwijderen?</numerusform>
        </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&quot;%1&quot; could not be deleted.</source>
        <translation>&quot;%1&quot; kon niet worden verwijderd.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>it was not deleted</source>
        <translation>is deze niet verwijderd</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>they were not deleted</source>
        <translation>zijn ze niet verwijderd</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Of the %n selected events: %1 deleted, %2 not deleted.</source>
        <extracomment>%n is how many events were selected, %1 how many were deleted.</extracomment>
        <translation>
            <numerusform>Van de %n geselecteerde gebeurtenis: %1 verwijderd, %2 niet verwijderd.</numerusform>
            <numerusform>Van de %n geselecteerde gebeurtenissen: %1 verwijderd, %2 niet verwijderd.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BirthdayDialog</name>
    <message>
        <location filename="../src/ui/dialogs/birthdaydialog.cpp" line="+51"/>
        <source>The name is too long to be saved.  A name can hold at most %1 characters (letters with accents and other special characters count as two or more).</source>
        <translation>De naam is te lang om op te slaan.  Een naam kan maximaal %1 tekens bevatten (letters met accenten en andere speciale tekens tellen als twee of meer).</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 and %2</source>
        <extracomment>the last two items of a list: &quot;a, b and c&quot;</extracomment>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, </source>
        <comment>between the items of a list</comment>
        <translation>, </translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Add New Birthday</source>
        <translation>Nieuwe verjaardag toevoegen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Edit Birthday Details</source>
        <translation>Verjaardagsgegevens bewerken</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>New Birthday</source>
        <translation>Nieuwe verjaardag</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Occurs On</source>
        <translation>Valt op</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Repeats every year</source>
        <translation>Elk jaar herhalen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Display number of years</source>
        <translation>Aantal jaren weergeven</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Repeats</source>
        <translation>Herhaling</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Notify From</source>
        <translation>Melden vanaf</translation>
    </message>
    <message numerus="yes">
        <location line="+13"/>
        <source>day(s) in advance</source>
        <extracomment>After the box with the number of days ahead to be notified; the number is the box&apos;s.</extracomment>
        <translation>
            <numerusform>dag van tevoren</numerusform>
            <numerusform>dagen van tevoren</numerusform>
        </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>On the Day</source>
        <translation>Op de dag zelf</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>the date</source>
        <translation>de datum</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>whether it repeats every year</source>
        <translation>of het elk jaar terugkeert</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>what happens on the day</source>
        <translation>wat er op de dag zelf gebeurt</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>whether the number of years is displayed</source>
        <translation>of het aantal jaren wordt weergegeven</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Some details of this event could not be read: %1.  They are shown with the values a new event starts with.  Press OK to save the event with what you see, or Cancel to leave it unchanged.</source>
        <translation>Sommige gegevens van deze gebeurtenis konden niet worden gelezen: %1.  Ze worden getoond met de waarden waarmee een nieuwe gebeurtenis begint.  Klik op OK om de gebeurtenis op te slaan zoals u haar ziet, of op Annuleren om haar ongewijzigd te laten.</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>You have not entered a valid name for this birthday.  Please check and try again.</source>
        <translation>U hebt geen geldige naam voor deze verjaardag ingevoerd.  Controleer dit en probeer het opnieuw.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>You have not entered a valid date for this birthday.  Please check and try again.</source>
        <translation>U hebt geen geldige datum voor deze verjaardag ingevoerd.  Controleer dit en probeer het opnieuw.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A date without a year repeats every year: tick &quot;Repeats every year&quot; or give the year.</source>
        <translation>Een datum zonder jaar herhaalt zich elk jaar: vink &quot;Elk jaar herhalen&quot; aan of geef het jaar op.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The Notify From value must be a number that is zero or over.  Please check and try again.</source>
        <translation>De waarde van Melden vanaf moet een getal zijn dat nul of groter is.  Controleer dit en probeer het opnieuw.</translation>
    </message>
    <message>
        <location line="-40"/>
        <location line="+65"/>
        <location line="+25"/>
        <source>The event could not be saved.

%1</source>
        <translation>De gebeurtenis kon niet worden opgeslagen.

%1</translation>
    </message>
</context>
<context>
    <name>BirthdayInput</name>
    <message>
        <location filename="../src/core/events/birthdayinput.h" line="+25"/>
        <source>Show a Dialog</source>
        <extracomment>What happens on the event&apos;s day: an alert window opens.</extracomment>
        <translation>Venster tonen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Do Nothing!</source>
        <extracomment>What happens on the event&apos;s day: no alert window, the event is only listed in the notification. The exclamation mark is part of the program&apos;s wording.</extracomment>
        <translation>Niets doen!</translation>
    </message>
</context>
<context>
    <name>BirthdayListModel</name>
    <message>
        <location filename="../src/ui/list/birthdaylistmodel.cpp" line="+135"/>
        <source>%1
Follows the subscription &quot;%2&quot;: a change there changes it here.</source>
        <extracomment>The tip of an event that a subscription keeps in step; %1 is the event&apos;s name, %2 the subscription&apos;s.</extracomment>
        <translation>%1
Volgt het abonnement &quot;%2&quot;: een wijziging daar wijzigt het hier.</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Name</source>
        <extracomment>Column header of the event list: the event&apos;s name.</extracomment>
        <translation>Naam</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Date</source>
        <extracomment>Column header of the event list: the date stored with the event (year, month, day).</extracomment>
        <translation>Datum</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Next</source>
        <extracomment>Column header of the event list: the date the event falls on next (not &quot;the next one&quot;).</extracomment>
        <translation>Volgende</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>In</source>
        <extracomment>Column header of the event list: how long until the event (&quot;today&quot;, &quot;in 3 days&quot;). A narrow column: one short word.</extracomment>
        <translation>Over</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Age</source>
        <extracomment>Column header of the event list: the years since the date (a person&apos;s age).</extracomment>
        <translation>Leeftijd</translation>
    </message>
</context>
<context>
    <name>BirthdayListView</name>
    <message>
        <location filename="../src/ui/list/birthdaylistview.cpp" line="+73"/>
        <source>Birthdays List</source>
        <translation>Verjaardagenlijst</translation>
    </message>
</context>
<context>
    <name>BirthdayStore</name>
    <message>
        <location filename="../src/core/store/birthdaystore.cpp" line="+90"/>
        <source>The record key %1 is not valid: keys run from 0 to %2.</source>
        <translation>De recordsleutel %1 is ongeldig: sleutels lopen van 0 tot en met %2.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>it is in use by another running copy of Candlewatcher</source>
        <translation>het is in gebruik door een ander actief exemplaar van Candlewatcher</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the folder &quot;%1&quot; does not exist</source>
        <translation>de map &quot;%1&quot; bestaat niet</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no permission to create &quot;%1&quot;</source>
        <translation>geen toestemming om &quot;%1&quot; aan te maken</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&quot;%1&quot; could not be created or locked (%2)</source>
        <translation>&quot;%1&quot; kon niet worden aangemaakt of vergrendeld (%2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&quot;%1&quot; could not be created</source>
        <translation>&quot;%1&quot; kon niet worden aangemaakt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cannot lock the data file &quot;%1&quot;: %2.</source>
        <translation>Kan het gegevensbestand &quot;%1&quot; niet vergrendelen: %2.</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Cannot write the data file &quot;%1&quot;: another program keeps replacing it.</source>
        <translation>Kan het gegevensbestand &quot;%1&quot; niet schrijven: een ander programma blijft het vervangen.</translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>The data file &quot;%1&quot; already holds %Ln events, the most it can hold.</source>
        <extracomment>%1 is the data file, %Ln the number of events it holds: the most it can.</extracomment>
        <translation>
            <numerusform>Het gegevensbestand &quot;%1&quot; bevat al %Ln gebeurtenis, het maximum dat het kan bevatten.</numerusform>
            <numerusform>Het gegevensbestand &quot;%1&quot; bevat al %Ln gebeurtenissen, het maximum dat het kan bevatten.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+14"/>
        <source>The data file &quot;%1&quot; already holds %Ln events, the most it can hold: delete one to make room for another.</source>
        <extracomment>%1 is the data file, %Ln the number of events it holds: the most it can.</extracomment>
        <translation>
            <numerusform>Het gegevensbestand &quot;%1&quot; bevat al %Ln gebeurtenis, het maximum dat het kan bevatten: verwijder er een om ruimte te maken voor een andere.</numerusform>
            <numerusform>Het gegevensbestand &quot;%1&quot; bevat al %Ln gebeurtenissen, het maximum dat het kan bevatten: verwijder er een om ruimte te maken voor een andere.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+120"/>
        <location line="+34"/>
        <source>There is no field &quot;%1&quot; in the data file.</source>
        <translation>Er is geen veld &quot;%1&quot; in het gegevensbestand.</translation>
    </message>
    <message>
        <location line="+117"/>
        <source>The %1 &quot;%2&quot; is too long: it takes %3 bytes, and the data file holds at most %4.</source>
        <extracomment>%1 is the name of a field of the data file (Name, Date, …), kept in English.</extracomment>
        <translation>Het veld %1 &quot;%2&quot; is te lang: het neemt %3 bytes in beslag, en het gegevensbestand bevat er maximaal %4.</translation>
    </message>
    <message>
        <location filename="../src/core/store/storecompaction.cpp" line="+54"/>
        <source>Cannot compact the data file &quot;%1&quot;: another program keeps replacing it.</source>
        <translation>Kan het gegevensbestand &quot;%1&quot; niet comprimeren: een ander programma blijft het vervangen.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Cannot delete the leftover file &quot;%1&quot;: %2.</source>
        <translation>Kan het overgebleven bestand &quot;%1&quot; niet verwijderen: %2.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Cannot compact the data file &quot;%1&quot;: it is read-only.</source>
        <translation>Kan het gegevensbestand &quot;%1&quot; niet comprimeren: het is alleen-lezen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot create the file &quot;%1&quot;: %2.</source>
        <translation>Kan het bestand &quot;%1&quot; niet aanmaken: %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+79"/>
        <source>Cannot write the file &quot;%1&quot;: %2.</source>
        <translation>Kan het bestand &quot;%1&quot; niet schrijven: %2.</translation>
    </message>
    <message>
        <location line="-24"/>
        <source>Cannot put the compacted copy in place of the data file &quot;%1&quot;: %2.</source>
        <translation>Kan de gecomprimeerde kopie niet in de plaats van het gegevensbestand &quot;%1&quot; zetten: %2.</translation>
    </message>
</context>
<context>
    <name>CalendarExchange</name>
    <message>
        <location filename="../src/core/exchange/calendarexchange.cpp" line="+30"/>
        <source>(an event without a name)</source>
        <translation>(een gebeurtenis zonder naam)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>it could not be read: %1</source>
        <translation>het kon niet worden gelezen: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the event has no name</source>
        <translation>de gebeurtenis heeft geen naam</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it moves one day of a repeating event</source>
        <translation>het verplaatst één dag van een terugkerende gebeurtenis</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the event has no start date</source>
        <translation>de gebeurtenis heeft geen begindatum</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>its start is not a date</source>
        <translation>het begin is geen datum</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it was cancelled</source>
        <translation>het is geannuleerd</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is not an all-day event</source>
        <translation>het is geen gebeurtenis die de hele dag duurt</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it does not repeat on one day every year</source>
        <translation>het keert niet elk jaar op dezelfde dag terug</translation>
    </message>
</context>
<context>
    <name>CalendarFeed</name>
    <message>
        <location filename="../src/core/sync/calendarfeed.cpp" line="+55"/>
        <source>not an iCalendar file (no BEGIN:VCALENDAR)</source>
        <translation>geen iCalendar-bestand (geen BEGIN:VCALENDAR)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>text after END:VCALENDAR</source>
        <translation>tekst na END:VCALENDAR</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>END:%1 does not close the open component</source>
        <translation>END:%1 sluit het open onderdeel niet af</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>the calendar is cut short (no END:VCALENDAR)</source>
        <translation>de agenda is afgebroken (geen END:VCALENDAR)</translation>
    </message>
</context>
<context>
    <name>CertificateQuestion</name>
    <message>
        <location filename="../src/ui/dialogs/certificatequestion.cpp" line="+15"/>
        <source>The certificate of %1 does not verify: %2

Issued to: %3
Issued by: %4
Valid from %5 to %6
SHA-256 fingerprint: %7

Accept it for this server only if you know it is the server&apos;s own (compare the fingerprint with the one its owner gives). A certificate that changes later is asked about again.

Accept it?</source>
        <extracomment>%1 is a server&apos;s address, %2 what is wrong with its certificate, %3 and %4 whom it names and who issued it, %5 and %6 dates, %7 the fingerprint.</extracomment>
        <translation>Het certificaat van %1 kan niet worden geverifieerd: %2

Uitgegeven aan: %3
Uitgegeven door: %4
Geldig van %5 tot %6
SHA-256-vingerafdruk: %7

Accepteer het alleen voor deze server als u weet dat het van de server zelf is (vergelijk de vingerafdruk met die van de beheerder). Als het certificaat later verandert, wordt het opnieuw gevraagd.

Accepteren?</translation>
    </message>
</context>
<context>
    <name>CollectionFetch</name>
    <message>
        <location filename="../src/net/collectionfetch.cpp" line="+86"/>
        <source>the server sent its changes in more than %L1 parts; stopped, to be tried again at the next sync</source>
        <translation>de server stuurde zijn wijzigingen in meer dan %L1 delen; gestopt, bij de volgende synchronisatie opnieuw geprobeerd</translation>
    </message>
    <message>
        <location line="+104"/>
        <source>no content for %1</source>
        <translation>geen inhoud voor %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../src/cli/commandline.cpp" line="+71"/>
        <source>Candlewatcher reminds you of birthdays and other dated events. Without options it starts in the system tray; with one of the options below it does that one thing and ends, whether or not it runs in the tray.</source>
        <translation>Candlewatcher herinnert u aan verjaardagen en andere gebeurtenissen met een datum. Zonder opties start het in het systeemvak; met een van de onderstaande opties doet het alleen dat en stopt dan, of het nu in het systeemvak draait of niet.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>List the events of the next DAYS days (default 30), soonest first.</source>
        <extracomment>DAYS is the value&apos;s name in the usage line: keep it as it is.</extracomment>
        <translation>De gebeurtenissen van de komende DAYS dagen tonen (standaard 30), de eerstvolgende eerst.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>With --upcoming: print a JSON array instead.</source>
        <translation>Met --upcoming: in plaats daarvan een JSON-array afdrukken.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>With --import: show what would be imported.</source>
        <translation>Met --import: tonen wat er geïmporteerd zou worden.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Write every event to FILE as an iCalendar file (- for standard output).</source>
        <extracomment>FILE is the value&apos;s name in the usage line: keep it as it is.</extracomment>
        <translation>Alle gebeurtenissen als iCalendar-bestand naar FILE schrijven (- voor standaarduitvoer).</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>With --upcoming: how many days ahead.</source>
        <translation>Met --upcoming: hoeveel dagen vooruit.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>With --import: more files to import.</source>
        <translation>Met --import: meer bestanden om te importeren.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>--json goes with --upcoming.</source>
        <translation>--json hoort bij --upcoming.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--dry-run goes with --import.</source>
        <translation>--dry-run hoort bij --import.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>unexpected argument &quot;%1&quot;.</source>
        <translation>onverwacht argument &quot;%1&quot;.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>DAYS must be a whole number from 0 to %1, not &quot;%2&quot;.</source>
        <translation>DAYS moet een geheel getal van 0 tot en met %1 zijn, niet &quot;%2&quot;.</translation>
    </message>
    <message>
        <location filename="../src/cli/exportcommand.cpp" line="+26"/>
        <source>the calendar could not be written to standard output.</source>
        <translation>de agenda kon niet naar standaarduitvoer worden geschreven.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>cannot write &quot;%1&quot;: %2</source>
        <extracomment>%1 is the file, %2 why it could not be written.</extracomment>
        <translation>kan &quot;%1&quot; niet schrijven: %2</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%Ln events written to %1
</source>
        <extracomment>%Ln is the number of events written, %1 the file.</extracomment>
        <translation>
            <numerusform>%Ln gebeurtenis geschreven naar %1
</numerusform>
            <numerusform>%Ln gebeurtenissen geschreven naar %1
</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/cli/importcommand.cpp" line="+41"/>
        <source>skipped: %1: %2
</source>
        <extracomment>%1 is an event&apos;s name, %2 why it was not added.</extracomment>
        <translation>overgeslagen: %1: %2
</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>to add: %1 (%2)
</source>
        <extracomment>%1 is an event&apos;s name, %2 its date.</extracomment>
        <translation>toe te voegen: %1 (%2)
</translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>%Ln events were not added: %1.</source>
        <extracomment>%1 says how many events the data file holds.</extracomment>
        <translation>
            <numerusform>%Ln gebeurtenis is niet toegevoegd: %1.</numerusform>
            <numerusform>%Ln gebeurtenissen zijn niet toegevoegd: %1.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the files hold no contact or event with a date.</source>
        <translation>de bestanden bevatten geen contactpersoon of gebeurtenis met een datum.</translation>
    </message>
    <message>
        <location filename="../src/cli/output.h" line="+30"/>
        <source>candlewatcher: %1
Try &apos;candlewatcher --help&apos;.
</source>
        <extracomment>%1 is what was wrong with the command line.</extracomment>
        <translation>candlewatcher: %1
Probeer &apos;candlewatcher --help&apos;.
</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>candlewatcher: left out, their dates could not be read: %1
</source>
        <translation>candlewatcher: weggelaten omdat hun datum niet gelezen kon worden: %1
</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/cli/upcoming.cpp" line="+87"/>
        <source>No events in the next %Ln days.
</source>
        <extracomment>%Ln is the number of days looked ahead.</extracomment>
        <translation>
            <numerusform>Geen gebeurtenissen in de komende %Ln dag.
</numerusform>
            <numerusform>Geen gebeurtenissen in de komende %Ln dagen.
</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/cli/commandline.cpp" line="-47"/>
        <source>Sync every subscribed address book and calendar once.</source>
        <translation>Synchroniseer elk geabonneerd adresboek en elke agenda één keer.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>give one of --upcoming, --import, --export-ics and --sync.</source>
        <translation>geef een van --upcoming, --import, --export-ics en --sync op.</translation>
    </message>
    <message>
        <location filename="../src/cli/synccommand.cpp" line="+47"/>
        <source>%1: %2</source>
        <extracomment>%1 is the subscription&apos;s name, %2 what its sync did.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>There are no subscriptions.
</source>
        <translation>Er zijn geen abonnementen.
</translation>
    </message>
</context>
<context>
    <name>CommentsForm</name>
    <message>
        <location filename="../src/ui/web/commentsform.cpp" line="+49"/>
        <source>Comments and Suggestions</source>
        <translation>Opmerkingen en suggesties</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Introduction</source>
        <translation>Inleiding</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Comments</source>
        <translation>Opmerkingen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Suggestions</source>
        <translation>Suggesties</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Do not display my input on the %1 website</source>
        <translation>Mijn bijdrage niet tonen op de website van %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Send Now</source>
        <translation>Nu &amp;verzenden</translation>
    </message>
</context>
<context>
    <name>DataFileIo</name>
    <message>
        <location filename="../src/core/store/datafileio.cpp" line="+15"/>
        <source>Cannot write the data file &quot;%1&quot;: %2.</source>
        <translation>Kan het gegevensbestand &quot;%1&quot; niet schrijven: %2.</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Cannot open the data file &quot;%1&quot;: %2.</source>
        <translation>Kan het gegevensbestand &quot;%1&quot; niet openen: %2.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cannot read the data file &quot;%1&quot;: %2.</source>
        <translation>Kan het gegevensbestand &quot;%1&quot; niet lezen: %2.</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Cannot open the data file &quot;%1&quot; for writing: %2.</source>
        <translation>Kan het gegevensbestand &quot;%1&quot; niet openen om te schrijven: %2.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>  Part of the change may have been written.</source>
        <translation>  Een deel van de wijziging is mogelijk geschreven.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cannot shorten the data file &quot;%1&quot;: %2.</source>
        <translation>Kan het gegevensbestand &quot;%1&quot; niet inkorten: %2.</translation>
    </message>
</context>
<context>
    <name>DavDiscovery</name>
    <message>
        <location filename="../src/net/davdiscovery.cpp" line="+45"/>
        <source>not an http, https or webcal address</source>
        <translation>geen http-, https- of webcal-adres</translation>
    </message>
    <message>
        <location line="+91"/>
        <source>no address books or calendars found</source>
        <translation>geen adresboeken of agenda&apos;s gevonden</translation>
    </message>
</context>
<context>
    <name>DavXml</name>
    <message>
        <location filename="../src/core/sync/davxml.cpp" line="+175"/>
        <source>not a multistatus answer</source>
        <translation>geen multistatus-antwoord</translation>
    </message>
</context>
<context>
    <name>EventRuleFile</name>
    <message>
        <location filename="../src/core/store/eventrulefile.cpp" line="+48"/>
        <source>The rules file &quot;%1&quot; is damaged: %2.</source>
        <translation>Het regelbestand &quot;%1&quot; is beschadigd: %2.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The rules file &quot;%1&quot; was written by a newer version of the program.</source>
        <translation>Het regelbestand &quot;%1&quot; is geschreven door een nieuwere versie van het programma.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The rules file &quot;%1&quot; is larger than %2 MB, more than this program writes: it is not read.</source>
        <translation>Het regelbestand &quot;%1&quot; is groter dan %2 MB, meer dan dit programma schrijft: het wordt niet gelezen.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The rules file &quot;%1&quot; is damaged: an entry in it does not read.</source>
        <translation>Het regelbestand &quot;%1&quot; is beschadigd: een regel erin is onleesbaar.</translation>
    </message>
</context>
<context>
    <name>ExchangeCommands</name>
    <message>
        <location filename="../src/ui/app/exchangecommands.cpp" line="+55"/>
        <source>Import</source>
        <translation>Importeren</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>There are no contacts or events to import in the file.</source>
        <translation>Het bestand bevat geen contactpersonen of gebeurtenissen om te importeren.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+13"/>
        <source>Nothing was imported.</source>
        <translation>Er is niets geïmporteerd.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not everything was imported.</source>
        <translation>Niet alles is geïmporteerd.</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Export</source>
        <translation>Exporteren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>iCalendar files (*.ics);;All files (*)</source>
        <translation>iCalendar-bestanden (*.ics);;Alle bestanden (*)</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+7"/>
        <source>The events could not be exported.</source>
        <translation>De gebeurtenissen konden niet worden geëxporteerd.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <translation>Kan &quot;%1&quot; niet schrijven: %2.</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%Ln events were exported to &quot;%1&quot;.</source>
        <extracomment>%Ln is the number of events exported, %1 the file.</extracomment>
        <translation>
            <numerusform>%Ln gebeurtenis is geëxporteerd naar &quot;%1&quot;.</numerusform>
            <numerusform>%Ln gebeurtenissen zijn geëxporteerd naar &quot;%1&quot;.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>

Left out because their dates could not be read: %1</source>
        <translation>

Weggelaten omdat hun datum niet gelezen kon worden: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>, </source>
        <comment>between the items of a list</comment>
        <translation>, </translation>
    </message>
    <message>
        <location line="+10"/>
        <source>There are no backups yet.  Candlewatcher keeps a copy of your events on each day it exits or imports, in &quot;%1&quot;.</source>
        <translation>Er zijn nog geen back-ups.  Candlewatcher bewaart op elke dag dat het afsluit of importeert een kopie van uw gebeurtenissen in &quot;%1&quot;.</translation>
    </message>
    <message numerus="yes">
        <location line="+17"/>
        <source>Replace your events with the %Ln events of the backup of %1?

Your events as they are now are kept as a backup of today.</source>
        <extracomment>%Ln is the number of events in the backup, %1 the backup&apos;s day.</extracomment>
        <translation>
            <numerusform>Uw gebeurtenissen vervangen door de %Ln gebeurtenis uit de back-up van %1?

Uw huidige gebeurtenissen worden bewaard als back-up van vandaag.</numerusform>
            <numerusform>Uw gebeurtenissen vervangen door de %Ln gebeurtenissen uit de back-up van %1?

Uw huidige gebeurtenissen worden bewaard als back-up van vandaag.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The backup could not be restored.</source>
        <translation>De back-up kon niet worden teruggezet.</translation>
    </message>
    <message>
        <location line="-171"/>
        <source>Reading the files...</source>
        <translation>De bestanden worden gelezen...</translation>
    </message>
</context>
<context>
    <name>HelpPanel</name>
    <message>
        <location filename="../src/ui/help/helppanel.h" line="+13"/>
        <source>Interactive Help</source>
        <translation>Interactieve help</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Welcome to Candlewatcher Interactive help.  Simply move your mouse over any area of the screen to get help on that item.</source>
        <translation>Welkom bij de interactieve help van Candlewatcher.  Beweeg de muis over een willekeurig deel van het scherm voor hulp bij dat onderdeel.</translation>
    </message>
</context>
<context>
    <name>HelpTopics</name>
    <message>
        <location filename="../src/ui/presentation/helptopics.cpp" line="+11"/>
        <source>Birthdays List</source>
        <translation>Verjaardagenlijst</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The Birthdays List contains all of your current birthday items.  Double click on any item to edit it, or right click on any item to view options such as delete or duplicate.</source>
        <translation>De verjaardagenlijst bevat al uw huidige verjaardagen.  Dubbelklik op een item om het te bewerken, of klik met de rechtermuisknop op een item voor opties zoals verwijderen of dupliceren.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Status Bar</source>
        <translation>Statusbalk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The status bar notifies you of any events that occur during operation.</source>
        <translation>De statusbalk meldt wat er tijdens het gebruik gebeurt.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Toolbar</source>
        <translation>Werkbalk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The toolbar provides you with a quick and easy way to access the main functions of the Candlewatcher software.  Hold your mouse over any button to see a description of what it does.</source>
        <translation>De werkbalk biedt snel en eenvoudig toegang tot de belangrijkste functies van Candlewatcher.  Houd de muis boven een knop om te zien wat deze doet.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Interactive Help</source>
        <translation>Interactieve help</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Interactive Help provides information on any part of this product.  Simply move your mouse over any item on the screen to get a description of what it is and how to use it.</source>
        <translation>De interactieve help geeft informatie over elk onderdeel van dit product.  Beweeg de muis over een onderdeel op het scherm om te zien wat het is en hoe u het gebruikt.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>OK Button</source>
        <translation>Knop OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Closes the current window and saves any settings.</source>
        <translation>Sluit het huidige venster en slaat de instellingen op.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel Button</source>
        <translation>Knop Annuleren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Closes the current window without saving any settings.</source>
        <translation>Sluit het huidige venster zonder de instellingen op te slaan.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close Button</source>
        <translation>Knop Sluiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Closes the current window.</source>
        <translation>Sluit het huidige venster.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>System Information</source>
        <translation>Systeeminformatie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shows you information about your computer.</source>
        <translation>Toont informatie over uw computer.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Birthday Name</source>
        <translation>Naam van de verjaardag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A documentary name chosen by you which represents the event.  For example, Fred&apos;s Birthday, or Rita&apos;s Anniversary.  Names do not have to be unique, but for easy identification, it is recommended that they are.</source>
        <translation>Een beschrijvende naam die u zelf kiest en die de gebeurtenis aanduidt.  Bijvoorbeeld Verjaardag van Fred of Trouwdag van Rita.  Namen hoeven niet uniek te zijn, maar voor een gemakkelijke herkenning is dat wel aan te raden.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Birthday Date</source>
        <translation>Datum van de verjaardag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This is the date that the event occurs.  If it is a recurring event such as a birthday, that happens every year, it might be convenient to set the year as the date of birth of that person.<byte value="xd"/>
<byte value="xd"/>
Tip: using the down arrow will show you a calendar.</source>
        <translation>Dit is de datum waarop de gebeurtenis plaatsvindt.  Als het een terugkerende gebeurtenis is, zoals een verjaardag die elk jaar valt, is het handig om als jaar het geboortejaar van die persoon in te vullen.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Recurs Every Year</source>
        <translation>Elk jaar herhalen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If you select this option then you will be reminded of the event on the date you entered and every year after that.  If you leave it unchecked, you will only be reminded on the exact date that you entered.</source>
        <translation>Als u deze optie selecteert, wordt u op de ingevoerde datum en elk jaar daarna aan de gebeurtenis herinnerd.  Als u haar uitgevinkt laat, wordt u alleen op precies de ingevoerde datum herinnerd.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Notify From...</source>
        <translation>Melden vanaf...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This sets the number of days before the event from which to show it in the Notifications window.  This is a little window that appears above the Candlewatcher icon in the system tray, and lasts for 10 seconds.  It can be configured in the Preferences section of this software.</source>
        <translation>Hiermee stelt u in hoeveel dagen vóór de gebeurtenis deze in het meldingenvenster verschijnt.  Dat is een klein venster dat boven het Candlewatcher-pictogram in het systeemvak verschijnt en 10 seconden zichtbaar blijft.  Het is in te stellen bij de voorkeuren van dit programma.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Alert</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Allows you to configure how you want to be warned on the day of an event.</source>
        <translation>Hiermee stelt u in hoe u op de dag van een gebeurtenis gewaarschuwd wilt worden.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Notifications</source>
        <translation>Meldingen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This window shows you any up-coming events and any events that occur today.  It is displayed at regular intervals, which can be customised in the Preferences section of this software.</source>
        <translation>Dit venster toont de komende gebeurtenissen en die van vandaag.  Het verschijnt met vaste tussenpozen, die u kunt aanpassen bij de voorkeuren van dit programma.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Confirm Delete</source>
        <translation>Verwijderen bevestigen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If this is checked then you will be asked if you are sure before you can delete any birthdays.</source>
        <translation>Als dit is aangevinkt, wordt u om bevestiging gevraagd voordat u een verjaardag verwijdert.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Confirm Quit</source>
        <translation>Afsluiten bevestigen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If this is checked then you will be asked if you are sure before you can quit Candlewatcher.  Quitting Candlewatcher will mean you are not notified of any events.</source>
        <translation>Als dit is aangevinkt, wordt u om bevestiging gevraagd voordat u Candlewatcher afsluit.  Als u Candlewatcher afsluit, krijgt u geen meldingen van gebeurtenissen meer.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Notification Settings</source>
        <translation>Meldingsinstellingen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>These allow you to set when the notification window appears.  The notification window is a small box that appears above the icon in the system tray, to tell you of any up-coming or current events.  If there are no events the notification window will not appear, regardless of the settings you choose.</source>
        <translation>Hiermee stelt u in wanneer het meldingenvenster verschijnt.  Het meldingenvenster is een klein vak boven het pictogram in het systeemvak dat u op komende of huidige gebeurtenissen wijst.  Als er geen gebeurtenissen zijn, verschijnt het meldingenvenster niet, ongeacht de gekozen instellingen.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Alerts Time</source>
        <translation>Tijdstip van waarschuwingen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If you have set for an alert to occur on the day of a birthday event, you can configure here what time you want it to appear.</source>
        <translation>Als u een waarschuwing op de dag van een verjaardag hebt ingesteld, kunt u hier het tijdstip instellen waarop deze verschijnt.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Special Events</source>
        <translation>Speciale gebeurtenissen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In this box is a list of regularly used events.  Select the items you want to add to your Candlewatcher events list - you can use Shift or Control to select more than one item at a time - and then click on OK.  You will be notified of the events when they occur.</source>
        <translation>Dit vak bevat een lijst met veelvoorkomende gebeurtenissen.  Selecteer de items die u aan de gebeurtenissenlijst van Candlewatcher wilt toevoegen (met Shift of Ctrl kunt u er meer tegelijk selecteren) en klik dan op OK.  U krijgt een melding van de gebeurtenissen wanneer ze plaatsvinden.</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>Subscriptions Sync</source>
        <translation>Abonnementen synchroniseren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This is how many hours apart Candlewatcher brings your subscribed address books and calendars up to date while it runs.  It also does so when it starts and when you click on Sync Now in the Subscriptions window.  With 0 it does so only then.</source>
        <translation>Dit is om de hoeveel uur Candlewatcher uw geabonneerde adresboeken en agenda&apos;s bijwerkt terwijl het draait.  Het doet dat ook bij het starten en wanneer u in het venster Abonnementen op Nu synchroniseren klikt.  Bij 0 doet het dat alleen dan.</translation>
    </message>
</context>
<context>
    <name>HttpCall</name>
    <message>
        <location filename="../src/net/httpcall.cpp" line="+51"/>
        <source>no answer for %1 seconds</source>
        <translation>al %1 seconden geen antwoord</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the answer did not come in full within %1 seconds</source>
        <translation>het antwoord kwam niet volledig binnen %1 seconden</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>the answer of %1 bytes is over the limit of %2 bytes; refused</source>
        <translation>het antwoord van %1 bytes overschrijdt de limiet van %2 bytes; geweigerd</translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+31"/>
        <source>the answer is over the limit of %1 bytes; refused</source>
        <translation>het antwoord overschrijdt de limiet van %1 bytes; geweigerd</translation>
    </message>
    <message>
        <location line="-17"/>
        <source>the server&apos;s certificate does not verify (%1); refused</source>
        <translation>het certificaat van de server kan niet worden geverifieerd (%1); geweigerd</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the connection closed after %1 of %2 bytes</source>
        <translation>de verbinding werd verbroken na %1 van %2 bytes</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>redirected more than %1 times</source>
        <translation>meer dan %1 keer omgeleid</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>redirected to %1, which is not an http or https address; refused</source>
        <translation>doorgestuurd naar %1, geen http- of https-adres; geweigerd</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>the password is not sent over plain http except to this computer; use the https address (401)</source>
        <translation>het wachtwoord wordt via gewoon http alleen naar deze computer gestuurd; gebruik het https-adres (401)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the password is not sent to %1, where the server redirected; if that is the right server, subscribe to that address (401)</source>
        <translation>het wachtwoord wordt niet naar %1 gestuurd, waarheen de server doorstuurde; is dat de juiste server, abonneer u dan op dat adres (401)</translation>
    </message>
</context>
<context>
    <name>ICalendar</name>
    <message>
        <location filename="../src/core/exchange/icalendar.cpp" line="+435"/>
        <source>It is not an iCalendar file: it does not start with BEGIN:VCALENDAR.</source>
        <translation>Het is geen iCalendar-bestand: het begint niet met BEGIN:VCALENDAR.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Its BEGIN lines nest deeper than %1 levels, deeper than any calendar: it is not read.</source>
        <translation>De BEGIN-regels zijn dieper genest dan %1 niveaus, dieper dan welke agenda ook: het wordt niet gelezen.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The file ends in the middle of a calendar (a BEGIN line has no END line): it looks cut off.</source>
        <translation>Het bestand eindigt midden in een agenda (een BEGIN-regel heeft geen END-regel): het lijkt afgebroken.</translation>
    </message>
</context>
<context>
    <name>ImportDialog</name>
    <message>
        <location filename="../src/ui/dialogs/importdialog.cpp" line="+150"/>
        <source>Import</source>
        <translation>Importeren</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Choose the events to add from %1:</source>
        <translation>Kies de gebeurtenissen die u uit %1 wilt toevoegen:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Events to import</source>
        <translation>Te importeren gebeurtenissen</translation>
    </message>
    <message>
        <location line="-102"/>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>On the Day</source>
        <translation>Op de dag zelf</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>no year given: the age is not shown</source>
        <translation>geen jaar opgegeven: de leeftijd wordt niet getoond</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>Select &amp;All</source>
        <translation>&amp;Alles selecteren</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Select &amp;None</source>
        <translation>&amp;Niets selecteren</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>On the &amp;Day:</source>
        <translation>Op de &amp;dag zelf:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Each as listed</source>
        <translation>Elk zoals vermeld</translation>
    </message>
    <message>
        <location line="-142"/>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Note</source>
        <translation>Opmerking</translation>
    </message>
</context>
<context>
    <name>ImportEntry</name>
    <message>
        <location filename="../src/core/exchange/importentry.h" line="+59"/>
        <source>%1 — Anniversary</source>
        <extracomment>The name of the event that a contact&apos;s anniversary becomes; %1 is the contact&apos;s name.</extracomment>
        <translation>%1 — Jubileum</translation>
    </message>
</context>
<context>
    <name>ImportFormats</name>
    <message>
        <location filename="../src/core/exchange/importformats.cpp" line="+18"/>
        <source>, </source>
        <extracomment>Joins the items of a list but its last two.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <location line="+18"/>
        <source>a contacts file</source>
        <translation>een contactenbestand</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>contacts</source>
        <translation>contactpersonen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the birthdays and anniversaries of contacts</source>
        <translation>de verjaardagen en jubilea van contactpersonen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>a calendar file</source>
        <translation>een agendabestand</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>calendars</source>
        <translation>agenda&apos;s</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the all-day events of calendars</source>
        <translation>de gebeurtenissen van een hele dag uit agenda&apos;s</translation>
    </message>
    <message>
        <location line="+27"/>
        <location line="+26"/>
        <source>%1 and %2</source>
        <extracomment>The last two items of a list.</extracomment>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <location line="-23"/>
        <source>%1 (%2);;All files (*)</source>
        <extracomment>The file dialog&apos;s filters, separated by &quot;;;&quot;: keep the &quot;;;&quot; and the &quot;(*)&quot;.</extracomment>
        <translation>%1 (%2);;Alle bestanden (*)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>It is neither %1.</source>
        <extracomment>%1 lists the kinds of file, joined by &quot;%1 nor %2&quot;.</extracomment>
        <translation>Het is noch %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 nor %2</source>
        <translation>%1, noch %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Import %1 from FILE and the files after it.</source>
        <extracomment>The --import option&apos;s description; FILE is the option&apos;s value, as in the usage line.</extracomment>
        <translation>%1 importeren uit FILE en de bestanden daarna.</translation>
    </message>
</context>
<context>
    <name>ImportPlan</name>
    <message>
        <location filename="../src/core/exchange/importplan.cpp" line="+87"/>
        <source>It is not a regular file (it is a device, a pipe or a socket): only files are imported.</source>
        <translation>Het is geen gewoon bestand (het is een apparaat, een pipe of een socket): alleen bestanden worden geïmporteerd.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>It is a folder, not a file.</source>
        <translation>Het is een map, geen bestand.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>It is larger than %1 MB, more than any contacts or calendar file holds: an import reads files up to that size.</source>
        <translation>Het is groter dan %1 MB, meer dan welk contacten- of agendabestand ook bevat: een import leest bestanden tot die grootte.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>It could not be read: %1.</source>
        <translation>Het kon niet worden gelezen: %1.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>It changed while it was read: try again.</source>
        <translation>Het is gewijzigd tijdens het lezen: probeer het opnieuw.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The file is empty.</source>
        <translation>Het bestand is leeg.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Nothing was added from the file.</source>
        <translation>Er is niets uit het bestand toegevoegd.</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Nothing was added from any of the %Ln files: %1 of them could not be used.</source>
        <translation>
            <numerusform>Er is niets toegevoegd uit %Ln bestand: %1 ervan kon niet worden gebruikt.</numerusform>
            <numerusform>Er is niets toegevoegd uit de %Ln bestanden: %1 ervan konden niet worden gebruikt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+23"/>
        <source>the data file holds at most %Ln events</source>
        <extracomment>%Ln is the most events the data file holds.</extracomment>
        <translation>
            <numerusform>het gegevensbestand bevat maximaal %Ln gebeurtenis</numerusform>
            <numerusform>het gegevensbestand bevat maximaal %Ln gebeurtenissen</numerusform>
        </translation>
    </message>
    <message>
        <location line="+50"/>
        <source>its date is not a day of the calendar</source>
        <translation>de datum is geen dag van de kalender</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>its repeats ended in %1</source>
        <translation>de herhalingen zijn geëindigd in %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its repeats end before they begin</source>
        <translation>de herhalingen eindigen voordat ze beginnen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>it is in the list already</source>
        <translation>het staat al in de lijst</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>its repeats end in %1</source>
        <translation>de herhalingen eindigen in %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>no room: %1</source>
        <translation>geen ruimte: %1</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>%L1 to add, %L2 already there, %L3 without a date</source>
        <translation>%L1 toe te voegen, %L2 al aanwezig, %L3 zonder datum</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%L1 added, %L2 already there, %L3 without a date</source>
        <translation>%L1 toegevoegd, %L2 al aanwezig, %L3 zonder datum</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>, %L1 left out</source>
        <extracomment>One more item of the import&apos;s summary list.</extracomment>
        <translation>, %L1 weggelaten</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>, %L1 could not be read</source>
        <extracomment>One more item of the import&apos;s summary list.</extracomment>
        <translation>, %L1 onleesbaar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>, %L1 whose repeats end, not chosen</source>
        <extracomment>One more item of the import&apos;s summary list.</extracomment>
        <translation>, %L1 met beëindigde herhalingen, niet gekozen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>; %L1 fit, %L2 would not be added: %3</source>
        <extracomment>The end of the import&apos;s summary; %3 says how many events the data file holds.</extracomment>
        <translation>; %L1 passen, %L2 zouden niet worden toegevoegd: %3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>; %L1 not added: %2</source>
        <extracomment>The end of the import&apos;s summary; %2 says how many events the data file holds.</extracomment>
        <translation>; %L1 niet toegevoegd: %2</translation>
    </message>
    <message numerus="yes">
        <location line="+47"/>
        <source>The import stopped after %1 of the %Ln events were added.

%2</source>
        <extracomment>%1 is how many events were added, %2 why the import stopped.</extracomment>
        <translation>
            <numerusform>De import is gestopt nadat %1 van de %Ln gebeurtenis was toegevoegd.

%2</numerusform>
            <numerusform>De import is gestopt nadat %1 van de %Ln gebeurtenissen waren toegevoegd.

%2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>JsonFile</name>
    <message>
        <location filename="../src/core/store/jsonfile.cpp" line="+25"/>
        <source>Cannot read &quot;%1&quot;: %2.</source>
        <translation>Kan &quot;%1&quot; niet lezen: %2.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Cannot write &quot;%1&quot;: %2; the file is kept as it was.</source>
        <translation>Kan &quot;%1&quot; niet schrijven: %2; het bestand blijft zoals het was.</translation>
    </message>
</context>
<context>
    <name>ListDate</name>
    <message>
        <location filename="../src/ui/presentation/listdate.cpp" line="+47"/>
        <source>1 event has a date that cannot be read (marked ⚠)</source>
        <translation>1 gebeurtenis heeft een datum die niet gelezen kan worden (gemarkeerd met ⚠)</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%Ln events have dates that cannot be read (marked ⚠)</source>
        <extracomment>%Ln is the number of events whose stored date does not read (2 or more).</extracomment>
        <translation>
            <numerusform>%Ln gebeurtenis heeft een datum die niet gelezen kan worden (gemarkeerd met ⚠)</numerusform>
            <numerusform>%Ln gebeurtenissen hebben datums die niet gelezen kunnen worden (gemarkeerd met ⚠)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainActions</name>
    <message>
        <location filename="../src/ui/app/mainactions.cpp" line="+190"/>
        <source>&amp;Birthdays</source>
        <translation>&amp;Verjaardagen</translation>
    </message>
    <message>
        <location line="-149"/>
        <source>&amp;New Birthday</source>
        <translation>&amp;Nieuwe verjaardag</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Special Events</source>
        <translation>&amp;Speciale gebeurtenissen</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+59"/>
        <source>&amp;Edit Birthday</source>
        <translation>Verjaardag &amp;bewerken</translation>
    </message>
    <message>
        <location line="-56"/>
        <source>Du&amp;plicate Birthday</source>
        <translation>Verjaardag &amp;dupliceren</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Delete Birthday</source>
        <translation>Verjaardag &amp;verwijderen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Import...</source>
        <translation>&amp;Importeren...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Exp&amp;ort...</source>
        <translation>&amp;Exporteren...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Restore from &amp;Backup...</source>
        <translation>&amp;Herstellen uit back-up...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>E&amp;xit Candlewatcher</source>
        <translation>Candlewatcher a&amp;fsluiten</translation>
    </message>
    <message>
        <location line="+132"/>
        <source>&amp;View</source>
        <translation>Beel&amp;d</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Toolbars</source>
        <translation>&amp;Werkbalken</translation>
    </message>
    <message>
        <location line="-130"/>
        <source>Standard &amp;Toolbar</source>
        <translation>&amp;Standaardwerkbalk</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Status Bar</source>
        <translation>Status&amp;balk</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Lar&amp;ge Icons</source>
        <translation>&amp;Grote pictogrammen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Small Icons</source>
        <translation>&amp;Kleine pictogrammen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;List</source>
        <translation>&amp;Lijst</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Details</source>
        <translation>&amp;Details</translation>
    </message>
    <message>
        <location line="+121"/>
        <source>&amp;Arrange Icons</source>
        <translation>Pictogrammen &amp;schikken</translation>
    </message>
    <message>
        <location line="-118"/>
        <source>By &amp;Name</source>
        <translation>Op &amp;naam</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>By &amp;Date</source>
        <translation>Op &amp;datum</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>By Ne&amp;xt Date</source>
        <translation>Op &amp;volgende datum</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>By &amp;Age</source>
        <translation>Op &amp;leeftijd</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+170"/>
        <location line="+1"/>
        <source>Preferences</source>
        <translation>Voorkeuren</translation>
    </message>
    <message>
        <location line="-50"/>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location line="-118"/>
        <source>Interactive Help</source>
        <translation>Interactieve help</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>About Candlewatcher</source>
        <translation>Over Candlewatcher</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Comments and Suggestions</source>
        <translation>&amp;Opmerkingen en suggesties</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 &amp;Website</source>
        <translation>&amp;Website van %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Show Candlewatcher</source>
        <translation>Candlewatcher &amp;tonen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show N&amp;otifications</source>
        <translation>&amp;Meldingen tonen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Add &amp;New Birthday</source>
        <translation>&amp;Nieuwe verjaardag toevoegen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;About Candlewatcher</source>
        <translation>&amp;Over Candlewatcher</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;%1 Website</source>
        <translation>&amp;Website van %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Preferences</source>
        <translation>&amp;Voorkeuren</translation>
    </message>
    <message>
        <location line="+123"/>
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Add New Birthday</source>
        <translation>Nieuwe verjaardag toevoegen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Edit</source>
        <translation>Bewerken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit Selected Birthday</source>
        <translation>Geselecteerde verjaardag bewerken</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Duplicate</source>
        <translation>Dupliceren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Duplicate Birthday</source>
        <translation>Verjaardag dupliceren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete Selected Birthday</source>
        <translation>Geselecteerde verjaardag verwijderen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Special Events</source>
        <translation>Speciale gebeurtenissen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert Special Events</source>
        <translation>Speciale gebeurtenissen invoegen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Website</source>
        <translation>Website</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 Website</source>
        <translation>Website van %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Exit Candlewatcher</source>
        <translation>Candlewatcher afsluiten</translation>
    </message>
    <message>
        <location line="-204"/>
        <source>S&amp;ubscriptions...</source>
        <translation>Abonne&amp;menten...</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../src/ui/app/mainwindow.cpp" line="+82"/>
        <source>No desktop notification service answered: reminders show in the Candlewatcher window.</source>
        <translation>Geen meldingsdienst van het bureaublad reageerde: herinneringen verschijnen in het Candlewatcher-venster.</translation>
    </message>
    <message>
        <location line="+98"/>
        <source>Standard Toolbar</source>
        <translation>Standaardwerkbalk</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 %2 - never miss a birthday again</source>
        <translation>%1 %2 - vergeet nooit meer een verjaardag</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Search by name (%1)</source>
        <extracomment>%1 is the key that moves to this field, as the desktop names it (Ctrl+F, Strg+F).</extracomment>
        <translation>Zoeken op naam (%1)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Search by name</source>
        <translation>Zoeken op naam</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clear the search</source>
        <translation>Zoekopdracht wissen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>More toolbar buttons</source>
        <translation>Meer werkbalkknoppen</translation>
    </message>
    <message>
        <location line="+112"/>
        <source>Candlewatcher runs in the system tray: closing this window keeps it there, and a click on its icon brings the window back.</source>
        <translation>Candlewatcher blijft in het systeemvak: als u dit venster sluit blijft het daar, en een klik op het pictogram brengt het venster terug.</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>If you exit then you will not be alerted to any future events.  Are you sure you want to exit?</source>
        <translation>Als u afsluit, wordt u niet meer gewaarschuwd voor toekomstige gebeurtenissen.  Weet u zeker dat u wilt afsluiten?</translation>
    </message>
    <message numerus="yes">
        <location line="+33"/>
        <source>%n event(s) whose writing was cut off (a name without a date) were taken out of the data file; their cells are kept in &quot;%1&quot;.</source>
        <translation>
            <numerusform>%n gebeurtenis waarvan het schrijven werd afgebroken (een naam zonder datum) is uit het gegevensbestand gehaald; de cellen staan in &quot;%1&quot;.</numerusform>
            <numerusform>%n gebeurtenissen waarvan het schrijven werd afgebroken (een naam zonder datum) zijn uit het gegevensbestand gehaald; de cellen staan in &quot;%1&quot;.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The data file could not be compacted.</source>
        <translation>Het gegevensbestand kon niet worden gecomprimeerd.</translation>
    </message>
    <message>
        <location line="-354"/>
        <source>The birthdays list could not be read.</source>
        <translation>De verjaardagenlijst kon niet worden gelezen.</translation>
    </message>
</context>
<context>
    <name>MissedEvents</name>
    <message numerus="yes">
        <location filename="../src/core/calendar/missedevents.cpp" line="+71"/>
        <source>%1 (%2 - %Ln Years)</source>
        <extracomment>%1 is the event&apos;s name, %2 the missed day.</extracomment>
        <translation>
            <numerusform>%1 (%2 - %Ln jaar)</numerusform>
            <numerusform>%1 (%2 - %Ln jaar)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NetJob</name>
    <message>
        <location filename="../src/net/netjob.cpp" line="+14"/>
        <source>the server asked for more than %L1 requests in one go; stopped, to be tried again at the next sync</source>
        <translation>de server vroeg meer dan %L1 verzoeken in één keer; gestopt, bij de volgende synchronisatie opnieuw geprobeerd</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>the user name or the password was refused (401)</source>
        <translation>de gebruikersnaam of het wachtwoord is geweigerd (401)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>access refused (403)</source>
        <translation>toegang geweigerd (403)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not found on the server (404)</source>
        <translation>niet gevonden op de server (404)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the server failed (%1 %2)</source>
        <translation>fout op de server (%1 %2)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>unexpected answer (%1 %2)</source>
        <translation>onverwacht antwoord (%1 %2)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the answer cannot be read: %1</source>
        <translation>het antwoord kan niet worden gelezen: %1</translation>
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
    <message>
        <location line="+64"/>
        <source>%1 — next: %2, %3</source>
        <extracomment>The tray icon&apos;s tip: the program&apos;s title, the soonest event&apos;s name and when it is.</extracomment>
        <translation>%1 — volgende: %2, %3</translation>
    </message>
</context>
<context>
    <name>NotificationLines</name>
    <message numerus="yes">
        <location filename="../src/ui/presentation/notificationlines.cpp" line="+87"/>
        <source>(%Ln more events)</source>
        <extracomment>The notification&apos;s last line when not every event fits: %Ln is how many more there are.</extracomment>
        <translation>
            <numerusform>(nog %Ln gebeurtenis)</numerusform>
            <numerusform>(nog %Ln gebeurtenissen)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NotificationWindow</name>
    <message>
        <location filename="../src/ui/reminders/notificationwindow.cpp" line="+78"/>
        <source>Birthdays Due Today</source>
        <translation>Verjaardagen vandaag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>close</source>
        <translation>sluiten</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>(No birthdays coming up)</source>
        <translation>(Geen verjaardagen binnenkort)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(No birthdays today)</source>
        <translation>(Geen verjaardagen vandaag)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Birthdays Due Soon</source>
        <translation>Verjaardagen binnenkort</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <location filename="../src/platform/notifier.h" line="+35"/>
        <source>Show Candlewatcher</source>
        <translation>Candlewatcher tonen</translation>
    </message>
</context>
<context>
    <name>Occurrence</name>
    <message>
        <location filename="../src/core/calendar/occurrence.cpp" line="+102"/>
        <source>today</source>
        <extracomment>The list&apos;s narrow &quot;In&quot; column and the tray icon&apos;s tip: keep it short.</extracomment>
        <translation>vandaag</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>tomorrow</source>
        <extracomment>The list&apos;s narrow &quot;In&quot; column and the tray icon&apos;s tip: keep it short.</extracomment>
        <translation>morgen</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>in %Ln days</source>
        <extracomment>The list&apos;s narrow &quot;In&quot; column and the tray icon&apos;s tip: keep it short.</extracomment>
        <translation>
            <numerusform>over %Ln dag</numerusform>
            <numerusform>over %Ln dagen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <location filename="../src/ui/dialogs/preferencesdialog.cpp" line="+57"/>
        <source>Candlewatcher Preferences</source>
        <translation>Voorkeuren voor Candlewatcher</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Confirmation</source>
        <translation>Bevestiging</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Confirm before &amp;deleting a birthday</source>
        <translation>Bevestigen voor het &amp;verwijderen van een verjaardag</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Confirm before &amp;exiting Candlewatcher</source>
        <translation>Bevestigen voor het &amp;afsluiten van Candlewatcher</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Notification</source>
        <translation>Melding</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show the Notification window:</source>
        <translation>Het meldingenvenster tonen:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Every &amp;hour</source>
        <translation>Elk &amp;uur</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;very day</source>
        <translation>Elke &amp;dag</translation>
    </message>
    <message>
        <location filename="../src/platform/windows/startcaption.cpp" line="+7"/>
        <source>Only when &amp;Windows starts up</source>
        <translation>Alleen als &amp;Windows start</translation>
    </message>
    <message>
        <location filename="../src/platform/posix/startcaption.cpp" line="+7"/>
        <source>Only when Candlewatcher &amp;starts</source>
        <translation>Alleen als Candlewatcher &amp;start</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/preferencesdialog.cpp" line="+21"/>
        <source>Alerts</source>
        <extracomment>Frame title: the alert windows that open on an event&apos;s day (a noun, not a verb).</extracomment>
        <translation>Waarschuwingen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show &amp;alerts at the following time each day:</source>
        <translation>Elke dag op deze tijd waarschuwingen &amp;tonen:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>(24 hour clock)</source>
        <translation>(24-uursklok)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Reminders</source>
        <translation>Herinneringen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show reminders as:</source>
        <translation>Herinneringen tonen als:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the Candlewatcher window</source>
        <translation>het Candlewatcher-venster</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>desktop notifications</source>
        <translation>bureaubladmeldingen</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Leap-day events in other years:</source>
        <translation>Gebeurtenissen op 29 februari in niet-schrikkeljaren:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>28 February</source>
        <translation>28 februari</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 March</source>
        <translation>1 maart</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Subscriptions</source>
        <translation>Abonnementen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>S&amp;ync subscriptions every (hours):</source>
        <translation>Abonnementen s&amp;ynchroniseren om de (uur):</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>only at start</source>
        <extracomment>Shown for 0 hours: subscriptions sync when the program starts and on Sync Now only.</extracomment>
        <translation>alleen bij het starten</translation>
    </message>
</context>
<context>
    <name>Publisher</name>
    <message>
        <location filename="../src/core/sync/publisher.cpp" line="+229"/>
        <source>Published to %1: %2</source>
        <extracomment>%1 is the calendar&apos;s name, %2 what was sent or why it failed.</extracomment>
        <translation>Gepubliceerd in %1: %2</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <location filename="../src/core/text/translations.cpp" line="+18"/>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>&quot;LTR&quot; for a language written left to right, &quot;RTL&quot; for one written right to left</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>ReminderDecision</name>
    <message>
        <location filename="../src/core/calendar/reminderdecision.cpp" line="+78"/>
        <source>There are no events due</source>
        <translation>Er zijn geen gebeurtenissen binnenkort</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>There are no events today</source>
        <translation>Er zijn vandaag geen gebeurtenissen</translation>
    </message>
    <message numerus="yes">
        <location line="+49"/>
        <source>%1 (%2 - %Ln Years)</source>
        <extracomment>%1 is the event&apos;s name, %2 its date, %Ln the years since the date (an age, or an anniversary&apos;s count: a wording for both). The notification window cuts long names short: keep %1 first, the rest in parentheses.</extracomment>
        <translation>
            <numerusform>%1 (%2 - %Ln jaar)</numerusform>
            <numerusform>%1 (%2 - %Ln jaar)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+26"/>
        <location filename="../src/ui/presentation/notificationlines.cpp" line="-52"/>
        <source>%1 (%Ln Years)</source>
        <extracomment>%1 is the event&apos;s name, %Ln the years since its date: an age for a birthday, a count of years for an anniversary or any other event, so a wording that fits both (the list&apos;s &quot;Age&quot; column has a message of its own). The notification window cuts long names short: keep %1 first, the rest in parentheses.</extracomment>
        <translation>
            <numerusform>%1 (%Ln jaar)</numerusform>
            <numerusform>%1 (%Ln jaar)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReminderRunner</name>
    <message>
        <location filename="../src/ui/reminders/reminderrunner.cpp" line="+23"/>
        <source>Birthdays Due Today</source>
        <translation>Verjaardagen vandaag</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Birthdays Due Soon</source>
        <translation>Verjaardagen binnenkort</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Missed While Away</source>
        <translation>Gemist tijdens afwezigheid</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Missed: %1</source>
        <translation>Gemist: %1</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>Candlewatcher Alert</source>
        <translation>Candlewatcher-waarschuwing</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1:</source>
        <comment>a title before its list</comment>
        <translation>%1:</translation>
    </message>
</context>
<context>
    <name>RestoreDialog</name>
    <message>
        <location filename="../src/ui/dialogs/restoredialog.cpp" line="+13"/>
        <source>Restore from Backup</source>
        <translation>Herstellen uit back-up</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Choose the backup to restore.  Your events as they are now are kept as a backup of today first.</source>
        <translation>Kies de back-up die u wilt terugzetten.  Uw huidige gebeurtenissen worden eerst bewaard als back-up van vandaag.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Backups</source>
        <translation>Back-ups</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Backup of</source>
        <translation>Back-up van</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Events</source>
        <translation>Gebeurtenissen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1, %2</source>
        <comment>a backup&apos;s day, the time of day it was made</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>unreadable</source>
        <translation>onleesbaar</translation>
    </message>
</context>
<context>
    <name>ShellLaunch</name>
    <message>
        <location filename="../src/ui/web/shelllaunch.cpp" line="+31"/>
        <source>%1 could not open %2.</source>
        <translation>%1 kon %2 niet openen.</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <location filename="../src/platform/posix/singleinstance.cpp" line="+53"/>
        <source>No folder for the single-copy socket in &quot;%1&quot; (%2); another running copy will not be noticed.</source>
        <translation>Geen map voor de socket van de enkele kopie in &quot;%1&quot; (%2); een andere draaiende kopie wordt niet opgemerkt.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The temporary folder&apos;s path &quot;%1&quot; is too long for the single-copy socket; another running copy will not be noticed.</source>
        <translation>Het pad van de tijdelijke map &quot;%1&quot; is te lang voor de socket van de enkele kopie; een andere draaiende kopie wordt niet opgemerkt.</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>No private folder for the lock file (%1); another running copy will not be noticed.</source>
        <translation>Geen privémap voor het vergrendelingsbestand (%1); een ander actief exemplaar wordt niet opgemerkt.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>cannot be read: %1</source>
        <translation>kan niet worden gelezen: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>is a symbolic link</source>
        <translation>is een symbolische koppeling</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>is not a folder</source>
        <translation>is geen map</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>belongs to another user</source>
        <translation>is van een andere gebruiker</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>is open to other users</source>
        <translation>is toegankelijk voor andere gebruikers</translation>
    </message>
    <message>
        <location filename="../src/platform/singleinstance.cpp" line="+72"/>
        <source>Cannot make the lock file &quot;%1&quot;; another running copy will not be noticed.</source>
        <translation>Kan het vergrendelingsbestand &quot;%1&quot; niet aanmaken; een ander actief exemplaar wordt niet opgemerkt.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Candlewatcher is already running, but it does not answer.</source>
        <translation>Candlewatcher draait al, maar reageert niet.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Cannot listen for later starts on &quot;%1&quot;: %2</source>
        <translation>Kan niet luisteren naar latere starts op &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>SubscriptionGuard</name>
    <message>
        <location filename="../src/core/sync/subscriptionguard.cpp" line="+18"/>
        <source>&quot;%1&quot; is in use by another copy of Candlewatcher.</source>
        <translation>&quot;%1&quot; is in gebruik door een ander exemplaar van Candlewatcher.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cannot lock &quot;%1&quot; to change it.</source>
        <translation>Kan &quot;%1&quot; niet vergrendelen om het te wijzigen.</translation>
    </message>
</context>
<context>
    <name>SubscriptionSetup</name>
    <message>
        <location filename="../src/core/sync/subscriptionsetup.cpp" line="+44"/>
        <source>Give the address of a server, an address book or a calendar, such as https://example.com/remote.php/dav.</source>
        <translation>Geef het adres van een server, een adresboek of een agenda op, zoals https://example.com/remote.php/dav.</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>This copy of Candlewatcher was built without network access.</source>
        <translation>Dit exemplaar van Candlewatcher is gebouwd zonder netwerktoegang.</translation>
    </message>
    <message>
        <location line="-78"/>
        <source>Looking for address books and calendars at %1...</source>
        <translation>Adresboeken en agenda&apos;s zoeken op %1...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No address book or calendar was found there.</source>
        <translation>Daar is geen adresboek of agenda gevonden.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Reading &quot;%1&quot;...</source>
        <translation>&quot;%1&quot; wordt gelezen...</translation>
    </message>
</context>
<context>
    <name>Subscriptions</name>
    <message>
        <location filename="../src/core/sync/subscriptions.cpp" line="+226"/>
        <source>The subscriptions file &quot;%1&quot; is larger than %2 MB, more than this program writes: it is not read.</source>
        <translation>Het abonnementenbestand &quot;%1&quot; is groter dan %2 MB, meer dan dit programma schrijft: het wordt niet gelezen.</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>The subscriptions file &quot;%1&quot; is damaged: %2.</source>
        <translation>Het abonnementenbestand &quot;%1&quot; is beschadigd: %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The subscriptions file &quot;%1&quot; was written by a newer version of the program.</source>
        <translation>Het abonnementenbestand &quot;%1&quot; is geschreven door een nieuwere versie van het programma.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>The subscriptions file &quot;%1&quot; is damaged: an entry in it does not read.</source>
        <translation>Het abonnementenbestand &quot;%1&quot; is beschadigd: een item erin is onleesbaar.</translation>
    </message>
    <message>
        <location line="-94"/>
        <source>You subscribe to &quot;%1&quot; already.</source>
        <translation>Je bent al geabonneerd op &quot;%1&quot;.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Your events are published to &quot;%1&quot; already: remove that first.</source>
        <translation>Je gebeurtenissen worden al in &quot;%1&quot; gepubliceerd: verwijder dat eerst.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&quot;%1&quot; cannot be subscribed to and published to at once: your events would come back as subscribed ones.</source>
        <translation>Je kunt niet tegelijk op &quot;%1&quot; geabonneerd zijn en erin publiceren: je gebeurtenissen zouden als geabonneerde terugkomen.</translation>
    </message>
</context>
<context>
    <name>SubscriptionsDialog</name>
    <message>
        <location filename="../src/ui/dialogs/subscriptionsdialog.cpp" line="+27"/>
        <source>Address book</source>
        <translation>Adresboek</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Calendar</source>
        <translation>Agenda</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Calendar address</source>
        <translation>Agenda-adres</translation>
    </message>
    <message>
        <location line="+50"/>
        <location line="+51"/>
        <source>Subscriptions</source>
        <translation>Abonnementen</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+101"/>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <location line="-101"/>
        <source>Last sync</source>
        <translation>Laatste synchronisatie</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Result</source>
        <translation>Resultaat</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Add...</source>
        <translation>&amp;Toevoegen...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Remove</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Sync Now</source>
        <translation>Nu &amp;synchroniseren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <translation>S&amp;luiten</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Address books and calendars whose birthdays and events are kept in step with your list.</source>
        <translation>Adresboeken en agenda&apos;s waarvan de verjaardagen en gebeurtenissen gelijk blijven met je lijst.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Addr&amp;ess:</source>
        <translation>&amp;Adres:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;User name:</source>
        <translation>&amp;Gebruikersnaam:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Password:</source>
        <translation>&amp;Wachtwoord:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The address of your server (for Nextcloud https://HOST/remote.php/dav), of an address book or calendar, or of a calendar file (https:// or webcal://). Leave the user name empty for a public calendar.</source>
        <translation>Het adres van je server (voor Nextcloud https://HOST/remote.php/dav), van een adresboek of agenda, of van een agendabestand (https:// of webcal://). Laat de gebruikersnaam leeg voor een openbare agenda.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Find</source>
        <translation>&amp;Zoeken</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+25"/>
        <location line="+34"/>
        <source>&amp;Back</source>
        <translation>Te&amp;rug</translation>
    </message>
    <message>
        <location line="-40"/>
        <source>&amp;Choose the address book or calendar to subscribe to:</source>
        <translation>&amp;Kies het adresboek of de agenda om op te abonneren:</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+16"/>
        <source>Pre&amp;view</source>
        <translation>&amp;Voorbeeld</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>What the subscription adds</source>
        <translation>Wat het abonnement toevoegt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>What happens</source>
        <translation>Wat er gebeurt</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>S&amp;ubscribe</source>
        <translation>A&amp;bonneren</translation>
    </message>
    <message>
        <location line="+57"/>
        <location line="+15"/>
        <source>Never</source>
        <translation>Nooit</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Syncing...</source>
        <translation>Bezig met synchroniseren...</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Remove the subscription to &quot;%1&quot;.

Remove its events from your list too? Yes removes them; No keeps them as your own. Events you changed here are kept either way.</source>
        <translation>Het abonnement op &quot;%1&quot; wordt verwijderd.

Ook de gebeurtenissen ervan uit je lijst verwijderen? Ja verwijdert ze; Nee houdt ze als je eigen. Gebeurtenissen die je hier hebt gewijzigd blijven in elk geval.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The subscription could not be removed.</source>
        <translation>Het abonnement kon niet worden verwijderd.</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Added</source>
        <translation>Toegevoegd</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Linked to the event in your list</source>
        <translation>Gekoppeld aan de gebeurtenis in je lijst</translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>Subscribing adds %Ln events.</source>
        <extracomment>%Ln is the number of events the subscription adds to the list.</extracomment>
        <translation>
            <numerusform>Het abonnement voegt %Ln gebeurtenis toe.</numerusform>
            <numerusform>Het abonnement voegt %Ln gebeurtenissen toe.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%Ln events already in your list are linked to it.</source>
        <extracomment>%Ln is the number of events of the list the subscription takes over.</extracomment>
        <translation>
            <numerusform>%Ln gebeurtenis die al in je lijst staat, wordt eraan gekoppeld.</numerusform>
            <numerusform>%Ln gebeurtenissen die al in je lijst staan, worden eraan gekoppeld.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%Ln dates are left out.</source>
        <extracomment>%Ln is the number of the calendar&apos;s dates the list cannot hold.</extracomment>
        <translation>
            <numerusform>%Ln datum wordt overgeslagen.</numerusform>
            <numerusform>%Ln datums worden overgeslagen.</numerusform>
        </translation>
    </message>
    <message>
        <location line="-307"/>
        <source>The password could not be kept.</source>
        <translation>Het wachtwoord kon niet worden bewaard.</translation>
    </message>
    <message>
        <location line="+329"/>
        <source>Not every event of the subscription was added.</source>
        <translation>Niet alle gebeurtenissen van het abonnement zijn toegevoegd.</translation>
    </message>
    <message>
        <location line="-243"/>
        <source>&amp;Publish my events to this calendar instead</source>
        <translation>Mijn gebeurtenissen in plaats daarvan in deze agenda &amp;publiceren</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Publis&amp;h</source>
        <translation>Pu&amp;bliceren</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>Publishing to %1</source>
        <translation>Publiceren in %1</translation>
    </message>
    <message>
        <location line="+172"/>
        <source>Stop publishing your events to &quot;%1&quot;.

Delete the published events from that calendar too? Yes deletes them; No leaves them there.</source>
        <translation>Het publiceren van je gebeurtenissen in &quot;%1&quot; stopt.

Ook de gepubliceerde gebeurtenissen uit die agenda verwijderen? Ja verwijdert ze; Nee laat ze daar staan.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Publishing could not be stopped.</source>
        <translation>Het publiceren kon niet worden gestopt.</translation>
    </message>
</context>
<context>
    <name>SyncCommands</name>
    <message>
        <location filename="../src/ui/app/synccommands.cpp" line="+37"/>
        <source>No secret service keeps the password: it is asked for once a session.

</source>
        <translation>Geen geheimendienst bewaart het wachtwoord: het wordt één keer per sessie gevraagd.

</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Password of %1 at %2:</source>
        <extracomment>%1 is a user name, %2 an address.</extracomment>
        <translation>Wachtwoord van %1 op %2:</translation>
    </message>
</context>
<context>
    <name>SyncPlan</name>
    <message>
        <location filename="../src/core/sync/syncplan.cpp" line="+124"/>
        <source>: no room: </source>
        <translation>: geen ruimte: </translation>
    </message>
</context>
<context>
    <name>SyncQueue</name>
    <message>
        <location filename="../src/core/sync/publisher.cpp" line="-75"/>
        <location filename="../src/core/sync/syncqueue.cpp" line="+119"/>
        <source>This copy of Candlewatcher was built without network access.</source>
        <translation>Dit exemplaar van Candlewatcher is gebouwd zonder netwerktoegang.</translation>
    </message>
    <message>
        <location filename="../src/core/sync/secretstore.h" line="+61"/>
        <source>No password for %1 (user %2). Choose Sync Now in Birthdays &gt; Subscriptions... to type it in: it is kept in the desktop&apos;s secret service, where the command line finds it too.</source>
        <extracomment>%1 is the server&apos;s address, %2 the user name. Birthdays &gt; Subscriptions... and Sync Now are the program&apos;s own menu item and button.</extracomment>
        <translation>Geen wachtwoord voor %1 (gebruiker %2). Kies Nu synchroniseren in Verjaardagen &gt; Abonnementen... om het in te typen: het wordt bewaard in de geheimendienst van het bureaublad, waar ook de opdrachtregel het vindt.</translation>
    </message>
</context>
<context>
    <name>SyncRun</name>
    <message>
        <location filename="../src/core/sync/publisher.cpp" line="+50"/>
        <location filename="../src/core/sync/syncrun.cpp" line="+32"/>
        <source>%L1 added, %L2 updated, %L3 removed</source>
        <translation>%L1 toegevoegd, %L2 bijgewerkt, %L3 verwijderd</translation>
    </message>
    <message>
        <location filename="../src/core/sync/syncrun.cpp" line="+5"/>
        <source>, %L1 detached</source>
        <translation>, %L1 losgekoppeld</translation>
    </message>
    <message>
        <location filename="../src/core/sync/publisher.cpp" line="+5"/>
        <location filename="../src/core/sync/syncrun.cpp" line="+2"/>
        <source>, %L1 left out</source>
        <translation>, %L1 weggelaten</translation>
    </message>
</context>
<context>
    <name>SyncService</name>
    <message>
        <location filename="../src/app/syncservice.cpp" line="+55"/>
        <source>Syncing &quot;%1&quot;...</source>
        <translation>&quot;%1&quot; wordt gesynchroniseerd...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: %2</source>
        <extracomment>%1 is the subscription&apos;s name, %2 what its sync did or why it failed.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>No secret service (GNOME Keyring, KWallet) answered: passwords are asked for once a session and not kept. Start or install one to keep them.</source>
        <translation>Geen geheimendienst (GNOME Keyring, KWallet) gaf antwoord: wachtwoorden worden één keer per sessie gevraagd en niet bewaard. Start of installeer er een om ze te bewaren.</translation>
    </message>
</context>
<context>
    <name>VCardReader</name>
    <message>
        <location filename="../src/core/exchange/vcardreader.cpp" line="+281"/>
        <source>Contact on line %1</source>
        <translation>Contactpersoon op regel %1</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>its name is damaged quoted-printable text</source>
        <translation>de naam is beschadigde quoted-printable-tekst</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>line %1 is not a vCard line</source>
        <translation>regel %1 is geen vCard-regel</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the contact has no name</source>
        <translation>de contactpersoon heeft geen naam</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>its birthday &quot;%1&quot; is not a date</source>
        <translation>de verjaardag &quot;%1&quot; is geen datum</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>its anniversary &quot;%1&quot; is not a date</source>
        <translation>het jubileum &quot;%1&quot; is geen datum</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>no birthday or anniversary</source>
        <translation>geen verjaardag of jubileum</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>It is not a vCard file: it does not start with BEGIN:VCARD.</source>
        <translation>Het is geen vCard-bestand: het begint niet met BEGIN:VCARD.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>the contact has no END:VCARD line</source>
        <translation>de contactpersoon heeft geen END:VCARD-regel</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The file ends in the middle of a contact (it has no END:VCARD line after line %1): it looks cut off.</source>
        <translation>Het bestand eindigt midden in een contactpersoon (er is geen END:VCARD-regel na regel %1): het lijkt afgebroken.</translation>
    </message>
</context>
<context>
    <name>WebTexts</name>
    <message>
        <location filename="../src/core/comments/webtexts.h" line="+20"/>
        <source>%1 was unable to connect to the internet.  Please connect manually and then try again.</source>
        <extracomment>%1 is the program&apos;s full title.</extracomment>
        <translation>%1 kon geen verbinding maken met internet.  Maak handmatig verbinding en probeer het opnieuw.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>You have not entered any information.  Please enter either a comment or suggestion into the space provided.</source>
        <translation>U hebt geen informatie ingevoerd.  Vul een opmerking of suggestie in het daarvoor bestemde vak in.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>There was a problem sending your information to %1.  Please check you are connected to the internet correctly, and if the problem persists, try again later.</source>
        <extracomment>%1 is the organisation&apos;s name.</extracomment>
        <translation>Er is een probleem opgetreden bij het verzenden van uw informatie naar %1.  Controleer of u goed met internet bent verbonden en probeer het later opnieuw als het probleem blijft bestaan.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Your comments and suggestions have been sent to %1.  Thank you very much for your input.</source>
        <extracomment>%1 is the organisation&apos;s name.</extracomment>
        <translation>Uw opmerkingen en suggesties zijn verzonden naar %1.  Hartelijk dank voor uw bijdrage.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 welcomes any comments and suggestions from its users.  Please fill in the boxes below and click on send.  This service is completely anonymous.</source>
        <extracomment>%1 is the organisation&apos;s name.</extracomment>
        <translation>%1 verwelkomt alle opmerkingen en suggesties van gebruikers.  Vul de vakken hieronder in en klik op Verzenden.  Deze dienst is volledig anoniem.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 welcomes any comments and suggestions from its users.  Please fill in the boxes below and click on send.</source>
        <extracomment>%1 is the organisation&apos;s name.</extracomment>
        <translation>%1 verwelkomt alle opmerkingen en suggesties van gebruikers.  Vul de vakken hieronder in en klik op Verzenden.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Please wait while your information is being sent to the %1 website...</source>
        <extracomment>%1 is the organisation&apos;s name.</extracomment>
        <translation>Een ogenblik geduld terwijl uw informatie naar de website van %1 wordt verzonden...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>System Information is currently unavailable.  Please try again later.</source>
        <translation>Systeeminformatie is momenteel niet beschikbaar.  Probeer het later opnieuw.</translation>
    </message>
</context>
<context>
    <name>WellKnownDays</name>
    <message>
        <location filename="../src/core/events/wellknowndays.cpp" line="+17"/>
        <source>New Year&apos;s Day</source>
        <translation>Nieuwjaarsdag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sherlock Holmes Birthday</source>
        <translation>Verjaardag van Sherlock Holmes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Baptism of Jesus</source>
        <translation>Doop van Jezus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>World Religion Day</source>
        <translation>Werelddag van de religie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Epiphany</source>
        <translation>Driekoningen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Martin Luther King Jr. Day</source>
        <translation>Martin Luther Kingdag</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Burn&apos;s Night</source>
        <translation>Burnsavond</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Groundhog Day</source>
        <translation>Marmottendag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Valentines Day</source>
        <translation>Valentijnsdag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lantern Festival</source>
        <translation>Lantaarnfeest</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>St. David&apos;s Day</source>
        <translation>Sint-David</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>International Women&apos;s Day</source>
        <translation>Internationale Vrouwendag</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>St. Patrick&apos;s Day</source>
        <translation>Sint-Patricksdag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>April Fool&apos;s Day</source>
        <translation>1 april</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>St. Georges Day</source>
        <translation>Sint-Joris</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>May Day</source>
        <translation>Dag van de Arbeid</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mother&apos;s Day (US)</source>
        <translation>Moederdag (VS)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pentecost</source>
        <translation>Pinksteren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trinity</source>
        <translation>Drievuldigheidszondag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dragon Boat Festival</source>
        <translation>Drakenbootfestival</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>Mothers Day (UK)</source>
        <translation>Moederdag (Verenigd Koninkrijk)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Buddha&apos;s Birthday (Korea)</source>
        <translation>Verjaardag van Boeddha (Korea)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Holocaust Rememberance Day (Israel)</source>
        <translation>Holocaust-herdenkingsdag (Israël)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Father&apos;s Day (US, UK)</source>
        <translation>Vaderdag (VS, Verenigd Koninkrijk)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>International Joke Day</source>
        <translation>Internationale Dag van de Mop</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Independence Day (US)</source>
        <translation>Onafhankelijkheidsdag (VS)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bastille Day (France)</source>
        <translation>Bestorming van de Bastille (Frankrijk)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Friendship Day</source>
        <translation>Dag van de Vriendschap</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chinese Valentines Day</source>
        <translation>Chinese Valentijnsdag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ghandi&apos;s Birthday</source>
        <translation>Verjaardag van Gandhi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Oktoberfest</source>
        <translation>Oktoberfest</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Black Thursday</source>
        <translation>Zwarte Donderdag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All Saints&apos; Day</source>
        <translation>Allerheiligen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Guy Fawkes Day</source>
        <translation>Guy Fawkes-avond</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>World Peace Day</source>
        <translation>Wereldvredesdag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Children&apos;s Day</source>
        <translation>Kinderdag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>World AIDS Day</source>
        <translation>Wereldaidsdag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Advent Begins</source>
        <translation>Begin van de advent</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>St. Nicholas Day</source>
        <translation>Sinterklaas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pearl Harbour Day (US)</source>
        <translation>Pearl Harbor-dag (VS)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Christmas Eve</source>
        <translation>Kerstavond</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Christmas Day</source>
        <translation>Eerste kerstdag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Boxing Day</source>
        <translation>Tweede kerstdag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New Year&apos;s Eve</source>
        <translation>Oudejaarsavond</translation>
    </message>
</context>
<context>
    <name>WellKnownDaysDialog</name>
    <message>
        <location filename="../src/ui/dialogs/wellknowndaysdialog.cpp" line="+56"/>
        <source>Special Events</source>
        <translation>Speciale gebeurtenissen</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Event Name</source>
        <translation>Naam van de gebeurtenis</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Event Date</source>
        <translation>Datum van de gebeurtenis</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Please select any dates you want to add.  Use the Control key to select more than one.</source>
        <translation>Selecteer de datums die u wilt toevoegen.  Houd de Ctrl-toets ingedrukt om er meer dan één te selecteren.</translation>
    </message>
    <message numerus="yes">
        <location line="+123"/>
        <source>None of the %Ln selected events could be added.

%1</source>
        <extracomment>%Ln is the number of days chosen, %1 why they could not be added.</extracomment>
        <translation>
            <numerusform>De %Ln geselecteerde gebeurtenis kon niet worden toegevoegd.

%1</numerusform>
            <numerusform>Geen van de %Ln geselecteerde gebeurtenissen kon worden toegevoegd.

%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>Only %1 of the %Ln selected events were added; the rest could not be added.

%2</source>
        <extracomment>%1 is how many were added, %Ln how many were chosen, %2 why the rest were not.</extracomment>
        <translation>
            <numerusform>Slechts %1 van de %Ln geselecteerde gebeurtenis is toegevoegd; de rest kon niet worden toegevoegd.

%2</numerusform>
            <numerusform>Slechts %1 van de %Ln geselecteerde gebeurtenissen zijn toegevoegd; de rest kon niet worden toegevoegd.

%2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>YearlyRule</name>
    <message>
        <location filename="../src/core/rules/rulechoices.cpp" line="+162"/>
        <source>day %1 of month %2</source>
        <extracomment>%1 is a day of a month of another calendar, %2 the month&apos;s number in that calendar.</extracomment>
        <translation>dag %1 van maand %2</translation>
    </message>
    <message>
        <location line="-126"/>
        <source>on %1 in the Chinese calendar</source>
        <extracomment>%1 is a day and month of the Chinese calendar, as ICU writes it (&quot;Second Month 26&quot;).</extracomment>
        <translation>op %1 in de Chinese kalender</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>on %1 in the Hebrew calendar</source>
        <extracomment>%1 is a day and month of the Hebrew calendar (&quot;27 Nisan&quot;).</extracomment>
        <translation>op %1 in de Hebreeuwse kalender</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>on %1 in the Islamic calendar</source>
        <extracomment>%1 is a day and month of the Islamic calendar (&quot;1 Ramadan&quot;).</extracomment>
        <translation>op %1 in de islamitische kalender</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>on the first %1 of %2</source>
        <extracomment>In each, %1 is a weekday (&quot;Sunday&quot;) and %2 a month (&quot;May&quot;).</extracomment>
        <translation>op de eerste %1 van %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the second %1 of %2</source>
        <translation>op de tweede %1 van %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the third %1 of %2</source>
        <translation>op de derde %1 van %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the fourth %1 of %2</source>
        <translation>op de vierde %1 van %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the fifth %1 of %2</source>
        <translation>op de vijfde %1 van %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>on the last %1 of %2</source>
        <translation>op de laatste %1 van %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the second-last %1 of %2</source>
        <translation>op de voorlaatste %1 van %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the third-last %1 of %2</source>
        <translation>op de op twee na laatste %1 van %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the fourth-last %1 of %2</source>
        <translation>op de op drie na laatste %1 van %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the fifth-last %1 of %2</source>
        <translation>op de op vier na laatste %1 van %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>on Easter Sunday</source>
        <translation>op Paaszondag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on Orthodox Easter Sunday</source>
        <translation>op orthodoxe Paaszondag</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 day(s) after Easter</source>
        <extracomment>%1 is a number of days, 1 or more.</extracomment>
        <translation>%1 dag(en) na Pasen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 day(s) after Orthodox Easter</source>
        <translation>%1 dag(en) na orthodox Pasen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 day(s) before Easter</source>
        <extracomment>%1 is a number of days, 1 or more.</extracomment>
        <translation>%1 dag(en) voor Pasen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 day(s) before Orthodox Easter</source>
        <translation>%1 dag(en) voor orthodox Pasen</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>on this date</source>
        <translation>op deze datum</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>on the first %1 on or after %2</source>
        <extracomment>%1 is a weekday (&quot;Saturday&quot;), %2 a day and month (&quot;16/09&quot;).</extracomment>
        <translation>op de eerste %1 op of na %2</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1, moved when it falls on %2</source>
        <extracomment>%1 is when the day falls (&quot;on 27 Nisan in the Hebrew calendar&quot;), %2 the weekdays it is moved off (&quot;Friday and Sunday&quot;).</extracomment>
        <translation>%1, verschoven als het op %2 valt</translation>
    </message>
</context>
</TS>
