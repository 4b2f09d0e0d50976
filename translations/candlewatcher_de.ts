<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutDialog</name>
    <message>
        <location filename="../src/ui/web/aboutdialog.cpp" line="+67"/>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Candlewatcher keeps your birthdays, anniversaries and other important dates, and reminds you of them from the system tray in good time.</source>
        <translation>Candlewatcher verwaltet Ihre Geburtstage, Jahrestage und andere wichtige Daten und erinnert Sie rechtzeitig aus dem Infobereich daran.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>For more information on this or any of our freeware and shareware products, please visit our website at:</source>
        <translation>Weitere Informationen zu diesem und allen anderen Freeware- und Shareware-Produkten finden Sie auf unserer Website:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Or e-mail %1 on:</source>
        <translation>Oder schreiben Sie %1 eine E-Mail an:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminfo …</translation>
    </message>
</context>
<context>
    <name>AlertDialog</name>
    <message>
        <location filename="../src/ui/reminders/alertdialog.cpp" line="+52"/>
        <source>Candlewatcher Alert</source>
        <translation>Candlewatcher-Alarm</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Birthdays Due Today</source>
        <translation>Heutige Geburtstage</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>&amp;Remind Me Again</source>
        <translation>&amp;Erneut erinnern</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>In &amp;10 Minutes</source>
        <translation>In &amp;10 Minuten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In 1 &amp;Hour</source>
        <translation>In 1 &amp;Stunde</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Tomorrow</source>
        <translation>&amp;Morgen</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Missed While Away</source>
        <translation>In Ihrer Abwesenheit verpasst</translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <location filename="../src/core/store/backups.cpp" line="+26"/>
        <location line="+7"/>
        <source>Cannot read &quot;%1&quot;: %2.</source>
        <translation>„%1“ kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <translation>„%1“ kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <location line="+101"/>
        <source>Cannot make the backup of the data file &quot;%1&quot;, so nothing was changed. %2</source>
        <translation>Die Sicherung der Datendatei „%1“ kann nicht angelegt werden, daher wurde nichts geändert. %2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The folder &quot;%1&quot; could not be created.</source>
        <translation>Der Ordner „%1“ konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>it is not a Candlewatcher data file (byte %1 starts no field)</source>
        <translation>Sie ist keine Candlewatcher-Datendatei (mit Byte %1 beginnt kein Feld)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>it is empty</source>
        <translation>Sie ist leer</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>it is cut short (its last %Ln bytes are part of a field)</source>
        <extracomment>%Ln is the number of bytes at the file&apos;s end that make no whole field.</extracomment>
        <translation>
            <numerusform>Sie ist abgeschnitten (ihr letztes %Ln Byte gehört zu einem Feld)</numerusform>
            <numerusform>Sie ist abgeschnitten (ihre letzten %Ln Bytes gehören zu einem Feld)</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The backup &quot;%1&quot; is damaged: %2.</source>
        <translation>Die Sicherung „%1“ ist beschädigt: %2.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The data file &quot;%1&quot; is read-only.</source>
        <translation>Die Datendatei „%1“ ist schreibgeschützt.</translation>
    </message>
</context>
<context>
    <name>BirthdayCommands</name>
    <message>
        <location filename="../src/ui/list/birthdaycommands.cpp" line="+23"/>
        <source>You currently have no birthdays in your list.  Please use the New Birthday option to create a birthday.</source>
        <translation>Ihre Liste enthält zurzeit keine Geburtstage.  Legen Sie mit „Neuer Geburtstag“ einen Geburtstag an.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>You have not selected a birthday to use.  Please select a birthday from the Birthday&apos;s list and then try again.</source>
        <translation>Sie haben keinen Geburtstag ausgewählt.  Wählen Sie einen Geburtstag in der Geburtstagsliste aus und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>&quot;%1&quot;</source>
        <comment>an event&apos;s name in quotes</comment>
        <translation>„%1“</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The event %1 was changed by another program after the list showed it, so %2.  The list now shows the events as they are.</source>
        <translation>Das Ereignis %1 wurde von einem anderen Programm geändert, nachdem die Liste es angezeigt hatte. %2.  Die Liste zeigt die Ereignisse jetzt in ihrem aktuellen Stand.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>These events were changed by another program after the list showed them, so %2: %1.  The list now shows the events as they are.</source>
        <translation>Diese Ereignisse wurden von einem anderen Programm geändert, nachdem die Liste sie angezeigt hatte. %2: %1.  Die Liste zeigt die Ereignisse jetzt in ihrem aktuellen Stand.</translation>
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
        <translation>„%1“ folgt dem Abonnement „%2“.  Sobald Sie es hier ändern, gehört es Ihnen: spätere Änderungen im Abonnement erreichen es nicht mehr.  Bearbeiten?</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Because you can only edit one birthay at a time, only the last one you selected will be displayed.</source>
        <translation>Da Sie immer nur einen Geburtstag bearbeiten können, wird nur der zuletzt ausgewählte angezeigt.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>your changes to it were not saved</source>
        <translation>Ihre Änderungen daran wurden nicht gespeichert</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&quot;%1&quot; could not be duplicated.</source>
        <translation>„%1“ konnte nicht dupliziert werden.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it was not duplicated</source>
        <translation>Es wurde nicht dupliziert</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>they were not duplicated</source>
        <translation>Sie wurden nicht dupliziert</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Of the %n selected events: %1 duplicated, %2 not duplicated.</source>
        <extracomment>%n is how many events were selected, %1 how many were copied.</extracomment>
        <translation>
            <numerusform>Von dem %n ausgewählten Ereignis: %1 dupliziert, %2 nicht dupliziert.</numerusform>
            <numerusform>Von den %n ausgewählten Ereignissen: %1 dupliziert, %2 nicht dupliziert.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+16"/>
        <source>&quot;%1&quot; was duplicated, but the copy keeps its date of this year only.

%2</source>
        <translation>„%1“ wurde dupliziert, aber die Kopie behält nur ihr Datum in diesem Jahr.

%2</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Are you sure you want to delete %1 permanently from your birthdays list?</source>
        <translation>Möchten Sie %1 wirklich endgültig aus Ihrer Geburtstagsliste löschen?</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>Are you sure you want to delete these %Ln items permanently from your birthdays list?</source>
        <extracomment>%Ln is the number of selected events (2 or more).</extracomment>
        <translation>
            <numerusform>Möchten Sie diesen %Ln Eintrag wirklich endgültig aus Ihrer Geburtstagsliste löschen?</numerusform>
            <numerusform>Möchten Sie diese %Ln Einträge wirklich endgültig aus Ihrer Geburtstagsliste löschen?</numerusform>
        </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&quot;%1&quot; could not be deleted.</source>
        <translation>„%1“ konnte nicht gelöscht werden.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>it was not deleted</source>
        <translation>Es wurde nicht gelöscht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>they were not deleted</source>
        <translation>Sie wurden nicht gelöscht</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Of the %n selected events: %1 deleted, %2 not deleted.</source>
        <extracomment>%n is how many events were selected, %1 how many were deleted.</extracomment>
        <translation>
            <numerusform>Von dem %n ausgewählten Ereignis: %1 gelöscht, %2 nicht gelöscht.</numerusform>
            <numerusform>Von den %n ausgewählten Ereignissen: %1 gelöscht, %2 nicht gelöscht.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BirthdayDialog</name>
    <message>
        <location filename="../src/ui/dialogs/birthdaydialog.cpp" line="+51"/>
        <source>The name is too long to be saved.  A name can hold at most %1 characters (letters with accents and other special characters count as two or more).</source>
        <translation>Der Name ist zu lang zum Speichern.  Ein Name darf höchstens %1 Zeichen lang sein (Buchstaben mit Akzent und andere Sonderzeichen zählen als zwei oder mehr).</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 and %2</source>
        <extracomment>the last two items of a list: &quot;a, b and c&quot;</extracomment>
        <translation>%1 und %2</translation>
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
        <translation>Neuen Geburtstag hinzufügen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Edit Birthday Details</source>
        <translation>Geburtstag bearbeiten</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>New Birthday</source>
        <translation>Neuer Geburtstag</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Occurs On</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Repeats every year</source>
        <translation>Wiederholt sich jährlich</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Display number of years</source>
        <translation>Anzahl der Jahre anzeigen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Repeats</source>
        <translation>Wiederholung</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Notify From</source>
        <translation>Benachrichtigen ab</translation>
    </message>
    <message numerus="yes">
        <location line="+13"/>
        <source>day(s) in advance</source>
        <extracomment>After the box with the number of days ahead to be notified; the number is the box&apos;s.</extracomment>
        <translation>
            <numerusform>Tag vorher</numerusform>
            <numerusform>Tage vorher</numerusform>
        </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>On the Day</source>
        <translation>Am Tag selbst</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>the date</source>
        <translation>das Datum</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>whether it repeats every year</source>
        <translation>ob es sich jährlich wiederholt</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>what happens on the day</source>
        <translation>was am Tag selbst geschieht</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>whether the number of years is displayed</source>
        <translation>ob die Anzahl der Jahre angezeigt wird</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Some details of this event could not be read: %1.  They are shown with the values a new event starts with.  Press OK to save the event with what you see, or Cancel to leave it unchanged.</source>
        <translation>Einige Angaben zu diesem Ereignis konnten nicht gelesen werden: %1.  Sie werden mit den Werten angezeigt, mit denen ein neues Ereignis beginnt.  Klicken Sie auf „OK“, um das Ereignis so zu speichern, wie Sie es sehen, oder auf „Abbrechen“, um es unverändert zu lassen.</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>You have not entered a valid name for this birthday.  Please check and try again.</source>
        <translation>Sie haben keinen gültigen Namen für diesen Geburtstag eingegeben.  Bitte prüfen Sie die Eingabe und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>You have not entered a valid date for this birthday.  Please check and try again.</source>
        <translation>Sie haben kein gültiges Datum für diesen Geburtstag eingegeben.  Bitte prüfen Sie die Eingabe und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A date without a year repeats every year: tick &quot;Repeats every year&quot; or give the year.</source>
        <translation>Ein Datum ohne Jahr wiederholt sich jährlich: Kreuzen Sie „Wiederholt sich jährlich“ an oder geben Sie das Jahr an.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The Notify From value must be a number that is zero or over.  Please check and try again.</source>
        <translation>Der Wert bei „Benachrichtigen ab“ muss eine Zahl größer oder gleich null sein.  Bitte prüfen Sie die Eingabe und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <location line="-40"/>
        <location line="+65"/>
        <location line="+25"/>
        <source>The event could not be saved.

%1</source>
        <translation>Das Ereignis konnte nicht gespeichert werden.

%1</translation>
    </message>
</context>
<context>
    <name>BirthdayInput</name>
    <message>
        <location filename="../src/core/events/birthdayinput.h" line="+25"/>
        <source>Show a Dialog</source>
        <extracomment>What happens on the event&apos;s day: an alert window opens.</extracomment>
        <translation>Dialog anzeigen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Do Nothing!</source>
        <extracomment>What happens on the event&apos;s day: no alert window, the event is only listed in the notification. The exclamation mark is part of the program&apos;s wording.</extracomment>
        <translation>Nichts tun!</translation>
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
Folgt dem Abonnement „%2“: eine Änderung dort ändert es hier.</translation>
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
        <translation>Name</translation>
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
        <translation>Nächstes</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>In</source>
        <extracomment>Column header of the event list: how long until the event (&quot;today&quot;, &quot;in 3 days&quot;). A narrow column: one short word.</extracomment>
        <translation>Wann</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Age</source>
        <extracomment>Column header of the event list: the years since the date (a person&apos;s age).</extracomment>
        <translation>Alter</translation>
    </message>
</context>
<context>
    <name>BirthdayListView</name>
    <message>
        <location filename="../src/ui/list/birthdaylistview.cpp" line="+73"/>
        <source>Birthdays List</source>
        <translation>Geburtstagsliste</translation>
    </message>
</context>
<context>
    <name>BirthdayStore</name>
    <message>
        <location filename="../src/core/store/birthdaystore.cpp" line="+90"/>
        <source>The record key %1 is not valid: keys run from 0 to %2.</source>
        <translation>Der Datensatzschlüssel %1 ist ungültig: Schlüssel reichen von 0 bis %2.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>it is in use by another running copy of Candlewatcher</source>
        <translation>Sie wird von einer anderen laufenden Instanz von Candlewatcher verwendet</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the folder &quot;%1&quot; does not exist</source>
        <translation>der Ordner „%1“ existiert nicht</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no permission to create &quot;%1&quot;</source>
        <translation>keine Berechtigung, „%1“ zu erstellen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&quot;%1&quot; could not be created or locked (%2)</source>
        <translation>„%1“ konnte nicht erstellt oder gesperrt werden (%2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&quot;%1&quot; could not be created</source>
        <translation>„%1“ konnte nicht erstellt werden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cannot lock the data file &quot;%1&quot;: %2.</source>
        <translation>Die Datendatei „%1“ kann nicht gesperrt werden: %2.</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Cannot write the data file &quot;%1&quot;: another program keeps replacing it.</source>
        <translation>Die Datendatei „%1“ kann nicht geschrieben werden: Ein anderes Programm ersetzt sie ständig.</translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>The data file &quot;%1&quot; already holds %Ln events, the most it can hold.</source>
        <extracomment>%1 is the data file, %Ln the number of events it holds: the most it can.</extracomment>
        <translation>
            <numerusform>Die Datendatei „%1“ enthält bereits %Ln Ereignis, mehr kann sie nicht aufnehmen.</numerusform>
            <numerusform>Die Datendatei „%1“ enthält bereits %Ln Ereignisse, mehr kann sie nicht aufnehmen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+14"/>
        <source>The data file &quot;%1&quot; already holds %Ln events, the most it can hold: delete one to make room for another.</source>
        <extracomment>%1 is the data file, %Ln the number of events it holds: the most it can.</extracomment>
        <translation>
            <numerusform>Die Datendatei „%1“ enthält bereits %Ln Ereignis, mehr kann sie nicht aufnehmen: Löschen Sie eines, um Platz für ein weiteres zu schaffen.</numerusform>
            <numerusform>Die Datendatei „%1“ enthält bereits %Ln Ereignisse, mehr kann sie nicht aufnehmen: Löschen Sie eines, um Platz für ein weiteres zu schaffen.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+120"/>
        <location line="+34"/>
        <source>There is no field &quot;%1&quot; in the data file.</source>
        <translation>Die Datendatei hat kein Feld „%1“.</translation>
    </message>
    <message>
        <location line="+117"/>
        <source>The %1 &quot;%2&quot; is too long: it takes %3 bytes, and the data file holds at most %4.</source>
        <extracomment>%1 is the name of a field of the data file (Name, Date, …), kept in English.</extracomment>
        <translation>Das Feld %1 „%2“ ist zu lang: Es belegt %3 Bytes, die Datendatei fasst höchstens %4.</translation>
    </message>
    <message>
        <location filename="../src/core/store/storecompaction.cpp" line="+54"/>
        <source>Cannot compact the data file &quot;%1&quot;: another program keeps replacing it.</source>
        <translation>Die Datendatei „%1“ kann nicht komprimiert werden: Ein anderes Programm ersetzt sie ständig.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Cannot delete the leftover file &quot;%1&quot;: %2.</source>
        <translation>Die übrig gebliebene Datei „%1“ kann nicht gelöscht werden: %2.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Cannot compact the data file &quot;%1&quot;: it is read-only.</source>
        <translation>Die Datendatei „%1“ kann nicht komprimiert werden: Sie ist schreibgeschützt.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot create the file &quot;%1&quot;: %2.</source>
        <translation>Die Datei „%1“ kann nicht erstellt werden: %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+79"/>
        <source>Cannot write the file &quot;%1&quot;: %2.</source>
        <translation>Die Datei „%1“ kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <location line="-24"/>
        <source>Cannot put the compacted copy in place of the data file &quot;%1&quot;: %2.</source>
        <translation>Die komprimierte Kopie kann nicht an die Stelle der Datendatei „%1“ gesetzt werden: %2.</translation>
    </message>
</context>
<context>
    <name>CalendarExchange</name>
    <message>
        <location filename="../src/core/exchange/calendarexchange.cpp" line="+30"/>
        <source>(an event without a name)</source>
        <translation>(ein Ereignis ohne Namen)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>it could not be read: %1</source>
        <translation>es konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the event has no name</source>
        <translation>das Ereignis hat keinen Namen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it moves one day of a repeating event</source>
        <translation>es verschiebt einen Tag eines wiederkehrenden Ereignisses</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the event has no start date</source>
        <translation>das Ereignis hat kein Anfangsdatum</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>its start is not a date</source>
        <translation>sein Beginn ist kein Datum</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it was cancelled</source>
        <translation>es wurde abgesagt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is not an all-day event</source>
        <translation>es ist kein ganztägiges Ereignis</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it does not repeat on one day every year</source>
        <translation>es wiederholt sich nicht jedes Jahr am selben Tag</translation>
    </message>
</context>
<context>
    <name>CalendarFeed</name>
    <message>
        <location filename="../src/core/sync/calendarfeed.cpp" line="+55"/>
        <source>not an iCalendar file (no BEGIN:VCALENDAR)</source>
        <translation>keine iCalendar-Datei (kein BEGIN:VCALENDAR)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>text after END:VCALENDAR</source>
        <translation>Text nach END:VCALENDAR</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>END:%1 does not close the open component</source>
        <translation>END:%1 schließt die offene Komponente nicht</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>the calendar is cut short (no END:VCALENDAR)</source>
        <translation>der Kalender ist abgeschnitten (kein END:VCALENDAR)</translation>
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
        <translation>Das Zertifikat von %1 lässt sich nicht überprüfen: %2

Ausgestellt für: %3
Ausgestellt von: %4
Gültig vom %5 bis %6
SHA-256-Fingerabdruck: %7

Akzeptieren Sie es für diesen Server nur, wenn Sie wissen, dass es das eigene Zertifikat des Servers ist (vergleichen Sie den Fingerabdruck mit dem, den sein Betreiber angibt). Ändert sich das Zertifikat später, werden Sie erneut gefragt.

Akzeptieren?</translation>
    </message>
</context>
<context>
    <name>CollectionFetch</name>
    <message>
        <location filename="../src/net/collectionfetch.cpp" line="+86"/>
        <source>the server sent its changes in more than %L1 parts; stopped, to be tried again at the next sync</source>
        <translation>der Server schickte seine Änderungen in mehr als %L1 Teilen; abgebrochen, beim nächsten Abgleich wird es erneut versucht</translation>
    </message>
    <message>
        <location line="+104"/>
        <source>no content for %1</source>
        <translation>kein Inhalt für %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../src/cli/commandline.cpp" line="+71"/>
        <source>Candlewatcher reminds you of birthdays and other dated events. Without options it starts in the system tray; with one of the options below it does that one thing and ends, whether or not it runs in the tray.</source>
        <translation>Candlewatcher erinnert Sie an Geburtstage und andere Ereignisse mit Datum. Ohne Optionen startet es im Infobereich; mit einer der folgenden Optionen erledigt es nur diese eine Aufgabe und beendet sich, ob es im Infobereich läuft oder nicht.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>List the events of the next DAYS days (default 30), soonest first.</source>
        <extracomment>DAYS is the value&apos;s name in the usage line: keep it as it is.</extracomment>
        <translation>Listet die Ereignisse der kommenden DAYS Tage auf (Standard: 30), das nächste zuerst.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>With --upcoming: print a JSON array instead.</source>
        <translation>Mit --upcoming: gibt stattdessen ein JSON-Array aus.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>With --import: show what would be imported.</source>
        <translation>Mit --import: zeigt, was importiert würde.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Write every event to FILE as an iCalendar file (- for standard output).</source>
        <extracomment>FILE is the value&apos;s name in the usage line: keep it as it is.</extracomment>
        <translation>Schreibt alle Ereignisse als iCalendar-Datei in FILE (- für die Standardausgabe).</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>With --upcoming: how many days ahead.</source>
        <translation>Mit --upcoming: wie viele Tage im Voraus.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>With --import: more files to import.</source>
        <translation>Mit --import: weitere zu importierende Dateien.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>--json goes with --upcoming.</source>
        <translation>--json gilt nur zusammen mit --upcoming.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--dry-run goes with --import.</source>
        <translation>--dry-run gilt nur zusammen mit --import.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>unexpected argument &quot;%1&quot;.</source>
        <translation>unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>DAYS must be a whole number from 0 to %1, not &quot;%2&quot;.</source>
        <translation>DAYS muss eine ganze Zahl von 0 bis %1 sein, nicht „%2“.</translation>
    </message>
    <message>
        <location filename="../src/cli/exportcommand.cpp" line="+26"/>
        <source>the calendar could not be written to standard output.</source>
        <translation>der Kalender konnte nicht in die Standardausgabe geschrieben werden.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>cannot write &quot;%1&quot;: %2</source>
        <extracomment>%1 is the file, %2 why it could not be written.</extracomment>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%Ln events written to %1
</source>
        <extracomment>%Ln is the number of events written, %1 the file.</extracomment>
        <translation>
            <numerusform>%Ln Ereignis in %1 geschrieben
</numerusform>
            <numerusform>%Ln Ereignisse in %1 geschrieben
</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/cli/importcommand.cpp" line="+41"/>
        <source>skipped: %1: %2
</source>
        <extracomment>%1 is an event&apos;s name, %2 why it was not added.</extracomment>
        <translation>übersprungen: %1: %2
</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>to add: %1 (%2)
</source>
        <extracomment>%1 is an event&apos;s name, %2 its date.</extracomment>
        <translation>hinzuzufügen: %1 (%2)
</translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>%Ln events were not added: %1.</source>
        <extracomment>%1 says how many events the data file holds.</extracomment>
        <translation>
            <numerusform>%Ln Ereignis wurde nicht hinzugefügt: %1.</numerusform>
            <numerusform>%Ln Ereignisse wurden nicht hinzugefügt: %1.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the files hold no contact or event with a date.</source>
        <translation>die Dateien enthalten keinen Kontakt und kein Ereignis mit Datum.</translation>
    </message>
    <message>
        <location filename="../src/cli/output.h" line="+30"/>
        <source>candlewatcher: %1
Try &apos;candlewatcher --help&apos;.
</source>
        <extracomment>%1 is what was wrong with the command line.</extracomment>
        <translation>candlewatcher: %1
Weitere Informationen mit „candlewatcher --help“.
</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>candlewatcher: left out, their dates could not be read: %1
</source>
        <translation>candlewatcher: ausgelassen, da ihr Datum nicht gelesen werden konnte: %1
</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/cli/upcoming.cpp" line="+87"/>
        <source>No events in the next %Ln days.
</source>
        <extracomment>%Ln is the number of days looked ahead.</extracomment>
        <translation>
            <numerusform>Keine Ereignisse innerhalb von %Ln Tag.
</numerusform>
            <numerusform>Keine Ereignisse in den nächsten %Ln Tagen.
</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/cli/commandline.cpp" line="-47"/>
        <source>Sync every subscribed address book and calendar once.</source>
        <translation>Jedes abonnierte Adressbuch und jeden abonnierten Kalender einmal abgleichen.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>give one of --upcoming, --import, --export-ics and --sync.</source>
        <translation>geben Sie eine der Optionen --upcoming, --import, --export-ics oder --sync an.</translation>
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
        <translation>Es gibt keine Abonnements.
</translation>
    </message>
</context>
<context>
    <name>CommentsForm</name>
    <message>
        <location filename="../src/ui/web/commentsform.cpp" line="+49"/>
        <source>Comments and Suggestions</source>
        <translation>Kommentare und Vorschläge</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Introduction</source>
        <translation>Einleitung</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Comments</source>
        <translation>Kommentare</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Suggestions</source>
        <translation>Vorschläge</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Do not display my input on the %1 website</source>
        <translation>Meine Eingaben nicht auf der Website von %1 anzeigen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Send Now</source>
        <translation>Jetzt &amp;senden</translation>
    </message>
</context>
<context>
    <name>DataFileIo</name>
    <message>
        <location filename="../src/core/store/datafileio.cpp" line="+15"/>
        <source>Cannot write the data file &quot;%1&quot;: %2.</source>
        <translation>Die Datendatei „%1“ kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Cannot open the data file &quot;%1&quot;: %2.</source>
        <translation>Die Datendatei „%1“ kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cannot read the data file &quot;%1&quot;: %2.</source>
        <translation>Die Datendatei „%1“ kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Cannot open the data file &quot;%1&quot; for writing: %2.</source>
        <translation>Die Datendatei „%1“ kann nicht zum Schreiben geöffnet werden: %2.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>  Part of the change may have been written.</source>
        <translation>  Ein Teil der Änderung wurde möglicherweise schon geschrieben.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cannot shorten the data file &quot;%1&quot;: %2.</source>
        <translation>Die Datendatei „%1“ kann nicht gekürzt werden: %2.</translation>
    </message>
</context>
<context>
    <name>DavDiscovery</name>
    <message>
        <location filename="../src/net/davdiscovery.cpp" line="+45"/>
        <source>not an http, https or webcal address</source>
        <translation>keine http-, https- oder webcal-Adresse</translation>
    </message>
    <message>
        <location line="+91"/>
        <source>no address books or calendars found</source>
        <translation>keine Adressbücher oder Kalender gefunden</translation>
    </message>
</context>
<context>
    <name>DavXml</name>
    <message>
        <location filename="../src/core/sync/davxml.cpp" line="+175"/>
        <source>not a multistatus answer</source>
        <translation>keine Multistatus-Antwort</translation>
    </message>
</context>
<context>
    <name>EventRuleFile</name>
    <message>
        <location filename="../src/core/store/eventrulefile.cpp" line="+48"/>
        <source>The rules file &quot;%1&quot; is damaged: %2.</source>
        <translation>Die Regeldatei „%1“ ist beschädigt: %2.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The rules file &quot;%1&quot; was written by a newer version of the program.</source>
        <translation>Die Regeldatei „%1“ wurde von einer neueren Version des Programms geschrieben.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The rules file &quot;%1&quot; is larger than %2 MB, more than this program writes: it is not read.</source>
        <translation>Die Regeldatei „%1“ ist größer als %2 MB, mehr als dieses Programm schreibt: Sie wird nicht gelesen.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The rules file &quot;%1&quot; is damaged: an entry in it does not read.</source>
        <translation>Die Regeldatei „%1“ ist beschädigt: ein Eintrag darin ist nicht lesbar.</translation>
    </message>
</context>
<context>
    <name>ExchangeCommands</name>
    <message>
        <location filename="../src/ui/app/exchangecommands.cpp" line="+55"/>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>There are no contacts or events to import in the file.</source>
        <translation>Die Datei enthält keine Kontakte oder Ereignisse zum Importieren.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+13"/>
        <source>Nothing was imported.</source>
        <translation>Es wurde nichts importiert.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not everything was imported.</source>
        <translation>Es wurde nicht alles importiert.</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>iCalendar files (*.ics);;All files (*)</source>
        <translation>iCalendar-Dateien (*.ics);;Alle Dateien (*)</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+7"/>
        <source>The events could not be exported.</source>
        <translation>Die Ereignisse konnten nicht exportiert werden.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <translation>„%1“ kann nicht geschrieben werden: %2.</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%Ln events were exported to &quot;%1&quot;.</source>
        <extracomment>%Ln is the number of events exported, %1 the file.</extracomment>
        <translation>
            <numerusform>%Ln Ereignis wurde nach „%1“ exportiert.</numerusform>
            <numerusform>%Ln Ereignisse wurden nach „%1“ exportiert.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>

Left out because their dates could not be read: %1</source>
        <translation>

Ausgelassen, weil ihr Datum nicht gelesen werden konnte: %1</translation>
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
        <translation>Es gibt noch keine Sicherungen.  Candlewatcher legt an jedem Tag, an dem es beendet wird oder importiert, eine Kopie Ihrer Ereignisse in „%1“ ab.</translation>
    </message>
    <message numerus="yes">
        <location line="+17"/>
        <source>Replace your events with the %Ln events of the backup of %1?

Your events as they are now are kept as a backup of today.</source>
        <extracomment>%Ln is the number of events in the backup, %1 the backup&apos;s day.</extracomment>
        <translation>
            <numerusform>Ihre Ereignisse durch das %Ln Ereignis der Sicherung vom %1 ersetzen?

Ihre Ereignisse in ihrem jetzigen Stand werden als Sicherung von heute aufbewahrt.</numerusform>
            <numerusform>Ihre Ereignisse durch die %Ln Ereignisse der Sicherung vom %1 ersetzen?

Ihre Ereignisse in ihrem jetzigen Stand werden als Sicherung von heute aufbewahrt.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The backup could not be restored.</source>
        <translation>Die Sicherung konnte nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <location line="-171"/>
        <source>Reading the files...</source>
        <translation>Die Dateien werden gelesen …</translation>
    </message>
</context>
<context>
    <name>HelpPanel</name>
    <message>
        <location filename="../src/ui/help/helppanel.h" line="+13"/>
        <source>Interactive Help</source>
        <translation>Interaktive Hilfe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Welcome to Candlewatcher Interactive help.  Simply move your mouse over any area of the screen to get help on that item.</source>
        <translation>Willkommen bei der interaktiven Hilfe von Candlewatcher.  Bewegen Sie die Maus einfach über einen beliebigen Bereich des Bildschirms, um Hilfe dazu zu erhalten.</translation>
    </message>
</context>
<context>
    <name>HelpTopics</name>
    <message>
        <location filename="../src/ui/presentation/helptopics.cpp" line="+11"/>
        <source>Birthdays List</source>
        <translation>Geburtstagsliste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The Birthdays List contains all of your current birthday items.  Double click on any item to edit it, or right click on any item to view options such as delete or duplicate.</source>
        <translation>Die Geburtstagsliste enthält alle Ihre aktuellen Geburtstage.  Doppelklicken Sie auf einen Eintrag, um ihn zu bearbeiten, oder klicken Sie mit der rechten Maustaste darauf, um Optionen wie Löschen oder Duplizieren anzuzeigen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Status Bar</source>
        <translation>Statusleiste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The status bar notifies you of any events that occur during operation.</source>
        <translation>Die Statusleiste informiert Sie über alles, was während des Betriebs geschieht.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The toolbar provides you with a quick and easy way to access the main functions of the Candlewatcher software.  Hold your mouse over any button to see a description of what it does.</source>
        <translation>Die Werkzeugleiste bietet Ihnen schnellen und einfachen Zugriff auf die wichtigsten Funktionen von Candlewatcher.  Halten Sie die Maus über eine Schaltfläche, um eine Beschreibung ihrer Funktion zu sehen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Interactive Help</source>
        <translation>Interaktive Hilfe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Interactive Help provides information on any part of this product.  Simply move your mouse over any item on the screen to get a description of what it is and how to use it.</source>
        <translation>Die interaktive Hilfe bietet Informationen zu jedem Teil dieses Produkts.  Bewegen Sie die Maus einfach über ein Element auf dem Bildschirm, um zu erfahren, was es ist und wie es verwendet wird.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>OK Button</source>
        <translation>Schaltfläche „OK“</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Closes the current window and saves any settings.</source>
        <translation>Schließt das aktuelle Fenster und speichert alle Einstellungen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel Button</source>
        <translation>Schaltfläche „Abbrechen“</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Closes the current window without saving any settings.</source>
        <translation>Schließt das aktuelle Fenster, ohne Einstellungen zu speichern.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close Button</source>
        <translation>Schaltfläche „Schließen“</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Closes the current window.</source>
        <translation>Schließt das aktuelle Fenster.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>System Information</source>
        <translation>Systeminformationen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shows you information about your computer.</source>
        <translation>Zeigt Informationen über Ihren Computer an.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Birthday Name</source>
        <translation>Name des Geburtstags</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A documentary name chosen by you which represents the event.  For example, Fred&apos;s Birthday, or Rita&apos;s Anniversary.  Names do not have to be unique, but for easy identification, it is recommended that they are.</source>
        <translation>Ein von Ihnen gewählter beschreibender Name für das Ereignis, zum Beispiel „Freds Geburtstag“ oder „Ritas Jahrestag“.  Namen müssen nicht eindeutig sein, zur leichteren Unterscheidung wird es aber empfohlen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Birthday Date</source>
        <translation>Datum des Geburtstags</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This is the date that the event occurs.  If it is a recurring event such as a birthday, that happens every year, it might be convenient to set the year as the date of birth of that person.<byte value="xd"/>
<byte value="xd"/>
Tip: using the down arrow will show you a calendar.</source>
        <translation>Das Datum, an dem das Ereignis stattfindet.  Bei einem jährlich wiederkehrenden Ereignis wie einem Geburtstag ist es praktisch, als Datum das Geburtsdatum der Person einzutragen.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Recurs Every Year</source>
        <translation>Wiederholt sich jährlich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If you select this option then you will be reminded of the event on the date you entered and every year after that.  If you leave it unchecked, you will only be reminded on the exact date that you entered.</source>
        <translation>Wenn Sie diese Option wählen, werden Sie am eingegebenen Datum und danach jedes Jahr an das Ereignis erinnert.  Wenn Sie sie nicht aktivieren, werden Sie nur genau an dem eingegebenen Datum erinnert.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Notify From...</source>
        <translation>Benachrichtigen ab …</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This sets the number of days before the event from which to show it in the Notifications window.  This is a little window that appears above the Candlewatcher icon in the system tray, and lasts for 10 seconds.  It can be configured in the Preferences section of this software.</source>
        <translation>Hier legen Sie fest, wie viele Tage vor dem Ereignis es im Benachrichtigungsfenster angezeigt wird.  Das ist ein kleines Fenster, das über dem Candlewatcher-Symbol im Infobereich erscheint und 10 Sekunden lang sichtbar bleibt.  Es lässt sich in den Einstellungen dieses Programms anpassen.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Alert</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Allows you to configure how you want to be warned on the day of an event.</source>
        <translation>Hier legen Sie fest, wie Sie am Tag eines Ereignisses gewarnt werden möchten.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Notifications</source>
        <translation>Benachrichtigungen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This window shows you any up-coming events and any events that occur today.  It is displayed at regular intervals, which can be customised in the Preferences section of this software.</source>
        <translation>Dieses Fenster zeigt Ihnen alle bevorstehenden und alle heutigen Ereignisse.  Es erscheint in regelmäßigen Abständen, die Sie in den Einstellungen dieses Programms anpassen können.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Confirm Delete</source>
        <translation>Löschen bestätigen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If this is checked then you will be asked if you are sure before you can delete any birthdays.</source>
        <translation>Wenn diese Option aktiviert ist, werden Sie vor dem Löschen von Geburtstagen um Bestätigung gebeten.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Confirm Quit</source>
        <translation>Beenden bestätigen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If this is checked then you will be asked if you are sure before you can quit Candlewatcher.  Quitting Candlewatcher will mean you are not notified of any events.</source>
        <translation>Wenn diese Option aktiviert ist, werden Sie vor dem Beenden von Candlewatcher um Bestätigung gebeten.  Solange Candlewatcher beendet ist, werden Sie an keine Ereignisse erinnert.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Notification Settings</source>
        <translation>Benachrichtigungseinstellungen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>These allow you to set when the notification window appears.  The notification window is a small box that appears above the icon in the system tray, to tell you of any up-coming or current events.  If there are no events the notification window will not appear, regardless of the settings you choose.</source>
        <translation>Hier legen Sie fest, wann das Benachrichtigungsfenster erscheint.  Das Benachrichtigungsfenster ist ein kleines Feld, das über dem Symbol im Infobereich erscheint und Sie über bevorstehende oder heutige Ereignisse informiert.  Gibt es keine Ereignisse, erscheint das Benachrichtigungsfenster nicht, unabhängig von den gewählten Einstellungen.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Alerts Time</source>
        <translation>Alarmzeit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If you have set for an alert to occur on the day of a birthday event, you can configure here what time you want it to appear.</source>
        <translation>Wenn Sie für ein Geburtstagsereignis einen Alarm am Tag selbst eingestellt haben, können Sie hier festlegen, zu welcher Uhrzeit er erscheinen soll.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Special Events</source>
        <translation>Besondere Ereignisse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In this box is a list of regularly used events.  Select the items you want to add to your Candlewatcher events list - you can use Shift or Control to select more than one item at a time - and then click on OK.  You will be notified of the events when they occur.</source>
        <translation>Dieses Feld enthält eine Liste häufig verwendeter Ereignisse.  Wählen Sie die Einträge aus, die Sie Ihrer Candlewatcher-Ereignisliste hinzufügen möchten – mit der Umschalt- oder Strg-Taste können Sie mehrere Einträge gleichzeitig auswählen –, und klicken Sie dann auf „OK“.  Sie werden an die Ereignisse erinnert, wenn sie anstehen.</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>Subscriptions Sync</source>
        <translation>Abonnements abgleichen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This is how many hours apart Candlewatcher brings your subscribed address books and calendars up to date while it runs.  It also does so when it starts and when you click on Sync Now in the Subscriptions window.  With 0 it does so only then.</source>
        <translation>Hier legen Sie fest, in welchem Abstand in Stunden Candlewatcher Ihre abonnierten Adressbücher und Kalender abgleicht, solange es läuft.  Außerdem geschieht das beim Start und wenn Sie im Fenster „Abonnements“ auf „Jetzt abgleichen“ klicken.  Bei 0 geschieht es nur dann.</translation>
    </message>
</context>
<context>
    <name>HttpCall</name>
    <message>
        <location filename="../src/net/httpcall.cpp" line="+51"/>
        <source>no answer for %1 seconds</source>
        <translation>seit %1 Sekunden keine Antwort</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the answer did not come in full within %1 seconds</source>
        <translation>die Antwort kam nicht innerhalb von %1 Sekunden vollständig an</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>the answer of %1 bytes is over the limit of %2 bytes; refused</source>
        <translation>die Antwort mit %1 Byte überschreitet die Grenze von %2 Byte; abgelehnt</translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+31"/>
        <source>the answer is over the limit of %1 bytes; refused</source>
        <translation>die Antwort überschreitet die Grenze von %1 Byte; abgelehnt</translation>
    </message>
    <message>
        <location line="-17"/>
        <source>the server&apos;s certificate does not verify (%1); refused</source>
        <translation>das Zertifikat des Servers ist nicht vertrauenswürdig (%1); abgelehnt</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the connection closed after %1 of %2 bytes</source>
        <translation>die Verbindung brach nach %1 von %2 Byte ab</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>redirected more than %1 times</source>
        <translation>mehr als %1-mal umgeleitet</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>redirected to %1, which is not an http or https address; refused</source>
        <translation>weitergeleitet an %1, keine http- oder https-Adresse; abgelehnt</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>the password is not sent over plain http except to this computer; use the https address (401)</source>
        <translation>das Passwort wird über einfaches http nur an diesen Computer gesendet; verwenden Sie die https-Adresse (401)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the password is not sent to %1, where the server redirected; if that is the right server, subscribe to that address (401)</source>
        <translation>das Passwort wird nicht an %1 gesendet, wohin der Server weiterleitete; ist das der richtige Server, abonnieren Sie diese Adresse (401)</translation>
    </message>
</context>
<context>
    <name>ICalendar</name>
    <message>
        <location filename="../src/core/exchange/icalendar.cpp" line="+435"/>
        <source>It is not an iCalendar file: it does not start with BEGIN:VCALENDAR.</source>
        <translation>Die Datei ist keine iCalendar-Datei: Sie beginnt nicht mit BEGIN:VCALENDAR.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Its BEGIN lines nest deeper than %1 levels, deeper than any calendar: it is not read.</source>
        <translation>Ihre BEGIN-Zeilen sind tiefer als %1 Ebenen verschachtelt, tiefer als in jedem Kalender: Sie wird nicht gelesen.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The file ends in the middle of a calendar (a BEGIN line has no END line): it looks cut off.</source>
        <translation>Die Datei endet mitten in einem Kalender (zu einer BEGIN-Zeile fehlt die END-Zeile): Sie scheint abgeschnitten zu sein.</translation>
    </message>
</context>
<context>
    <name>ImportDialog</name>
    <message>
        <location filename="../src/ui/dialogs/importdialog.cpp" line="+150"/>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Choose the events to add from %1:</source>
        <translation>Hinzuzufügende Ereignisse aus %1:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Events to import</source>
        <translation>Zu importierende Ereignisse</translation>
    </message>
    <message>
        <location line="-102"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>On the Day</source>
        <translation>Am Tag selbst</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>no year given: the age is not shown</source>
        <translation>kein Jahr angegeben: Das Alter wird nicht angezeigt</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>Select &amp;All</source>
        <translation>&amp;Alle auswählen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Select &amp;None</source>
        <translation>&amp;Keine auswählen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>On the &amp;Day:</source>
        <translation>Am &amp;Tag selbst:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Each as listed</source>
        <translation>Jeweils wie aufgeführt</translation>
    </message>
    <message>
        <location line="-142"/>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
</context>
<context>
    <name>ImportEntry</name>
    <message>
        <location filename="../src/core/exchange/importentry.h" line="+59"/>
        <source>%1 — Anniversary</source>
        <extracomment>The name of the event that a contact&apos;s anniversary becomes; %1 is the contact&apos;s name.</extracomment>
        <translation>%1 — Jahrestag</translation>
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
        <translation>eine Kontaktdatei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>contacts</source>
        <translation>Kontakte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the birthdays and anniversaries of contacts</source>
        <translation>die Geburtstage und Jahrestage von Kontakten</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>a calendar file</source>
        <translation>eine Kalenderdatei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>calendars</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the all-day events of calendars</source>
        <translation>die ganztägigen Ereignisse von Kalendern</translation>
    </message>
    <message>
        <location line="+27"/>
        <location line="+26"/>
        <source>%1 and %2</source>
        <extracomment>The last two items of a list.</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <location line="-23"/>
        <source>%1 (%2);;All files (*)</source>
        <extracomment>The file dialog&apos;s filters, separated by &quot;;;&quot;: keep the &quot;;;&quot; and the &quot;(*)&quot;.</extracomment>
        <translation>%1 (%2);;Alle Dateien (*)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>It is neither %1.</source>
        <extracomment>%1 lists the kinds of file, joined by &quot;%1 nor %2&quot;.</extracomment>
        <translation>Die Datei ist weder %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 nor %2</source>
        <translation>%1 noch %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Import %1 from FILE and the files after it.</source>
        <extracomment>The --import option&apos;s description; FILE is the option&apos;s value, as in the usage line.</extracomment>
        <translation>Importiert %1 aus FILE und den folgenden Dateien.</translation>
    </message>
</context>
<context>
    <name>ImportPlan</name>
    <message>
        <location filename="../src/core/exchange/importplan.cpp" line="+87"/>
        <source>It is not a regular file (it is a device, a pipe or a socket): only files are imported.</source>
        <translation>Die Datei ist keine reguläre Datei (sondern ein Gerät, eine Pipe oder ein Socket): Nur Dateien werden importiert.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>It is a folder, not a file.</source>
        <translation>Es ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>It is larger than %1 MB, more than any contacts or calendar file holds: an import reads files up to that size.</source>
        <translation>Die Datei ist größer als %1 MB, größer als jede Kontakt- oder Kalenderdatei: Beim Import werden Dateien nur bis zu dieser Größe gelesen.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>It could not be read: %1.</source>
        <translation>Die Datei konnte nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>It changed while it was read: try again.</source>
        <translation>Die Datei hat sich beim Lesen geändert: Versuchen Sie es erneut.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Nothing was added from the file.</source>
        <translation>Aus der Datei wurde nichts hinzugefügt.</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Nothing was added from any of the %Ln files: %1 of them could not be used.</source>
        <translation>
            <numerusform>Aus der %Ln Datei wurde nichts hinzugefügt: %1 davon konnte nicht verwendet werden.</numerusform>
            <numerusform>Aus keiner der %Ln Dateien wurde etwas hinzugefügt: %1 davon konnten nicht verwendet werden.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+23"/>
        <source>the data file holds at most %Ln events</source>
        <extracomment>%Ln is the most events the data file holds.</extracomment>
        <translation>
            <numerusform>die Datendatei fasst höchstens %Ln Ereignis</numerusform>
            <numerusform>die Datendatei fasst höchstens %Ln Ereignisse</numerusform>
        </translation>
    </message>
    <message>
        <location line="+50"/>
        <source>its date is not a day of the calendar</source>
        <translation>sein Datum ist kein Kalendertag</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>its repeats ended in %1</source>
        <translation>seine Wiederholungen endeten im Jahr %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its repeats end before they begin</source>
        <translation>seine Wiederholungen enden, bevor sie beginnen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>it is in the list already</source>
        <translation>es ist bereits in der Liste</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>its repeats end in %1</source>
        <translation>seine Wiederholungen enden im Jahr %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>no room: %1</source>
        <translation>kein Platz: %1</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>%L1 to add, %L2 already there, %L3 without a date</source>
        <translation>%L1 hinzuzufügen, %L2 bereits vorhanden, %L3 ohne Datum</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%L1 added, %L2 already there, %L3 without a date</source>
        <translation>%L1 hinzugefügt, %L2 bereits vorhanden, %L3 ohne Datum</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>, %L1 left out</source>
        <extracomment>One more item of the import&apos;s summary list.</extracomment>
        <translation>, %L1 ausgelassen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>, %L1 could not be read</source>
        <extracomment>One more item of the import&apos;s summary list.</extracomment>
        <translation>, %L1 nicht lesbar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>, %L1 whose repeats end, not chosen</source>
        <extracomment>One more item of the import&apos;s summary list.</extracomment>
        <translation>, %L1 mit endenden Wiederholungen, nicht ausgewählt</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>; %L1 fit, %L2 would not be added: %3</source>
        <extracomment>The end of the import&apos;s summary; %3 says how many events the data file holds.</extracomment>
        <translation>; %L1 passen, %L2 würden nicht hinzugefügt: %3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>; %L1 not added: %2</source>
        <extracomment>The end of the import&apos;s summary; %2 says how many events the data file holds.</extracomment>
        <translation>; %L1 nicht hinzugefügt: %2</translation>
    </message>
    <message numerus="yes">
        <location line="+47"/>
        <source>The import stopped after %1 of the %Ln events were added.

%2</source>
        <extracomment>%1 is how many events were added, %2 why the import stopped.</extracomment>
        <translation>
            <numerusform>Der Import wurde abgebrochen, nachdem %1 von %Ln Ereignis hinzugefügt worden war.

%2</numerusform>
            <numerusform>Der Import wurde abgebrochen, nachdem %1 der %Ln Ereignisse hinzugefügt worden waren.

%2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>JsonFile</name>
    <message>
        <location filename="../src/core/store/jsonfile.cpp" line="+25"/>
        <source>Cannot read &quot;%1&quot;: %2.</source>
        <translation>„%1“ kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Cannot write &quot;%1&quot;: %2; the file is kept as it was.</source>
        <translation>„%1“ kann nicht geschrieben werden: %2; die Datei bleibt, wie sie war.</translation>
    </message>
</context>
<context>
    <name>ListDate</name>
    <message>
        <location filename="../src/ui/presentation/listdate.cpp" line="+47"/>
        <source>1 event has a date that cannot be read (marked ⚠)</source>
        <translation>1 Ereignis hat ein nicht lesbares Datum (mit ⚠ markiert)</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%Ln events have dates that cannot be read (marked ⚠)</source>
        <extracomment>%Ln is the number of events whose stored date does not read (2 or more).</extracomment>
        <translation>
            <numerusform>%Ln Ereignis hat ein nicht lesbares Datum (mit ⚠ markiert)</numerusform>
            <numerusform>%Ln Ereignisse haben ein nicht lesbares Datum (mit ⚠ markiert)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainActions</name>
    <message>
        <location filename="../src/ui/app/mainactions.cpp" line="+190"/>
        <source>&amp;Birthdays</source>
        <translation>&amp;Geburtstage</translation>
    </message>
    <message>
        <location line="-149"/>
        <source>&amp;New Birthday</source>
        <translation>&amp;Neuer Geburtstag</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Special Events</source>
        <translation>Be&amp;sondere Ereignisse</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+59"/>
        <source>&amp;Edit Birthday</source>
        <translation>Geburtstag b&amp;earbeiten</translation>
    </message>
    <message>
        <location line="-56"/>
        <source>Du&amp;plicate Birthday</source>
        <translation>Geburtstag &amp;duplizieren</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Delete Birthday</source>
        <translation>Geburtstag &amp;löschen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren …</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Exp&amp;ort...</source>
        <translation>E&amp;xportieren …</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Restore from &amp;Backup...</source>
        <translation>Aus Sicherung &amp;wiederherstellen …</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>E&amp;xit Candlewatcher</source>
        <translation>Candlewatcher &amp;beenden</translation>
    </message>
    <message>
        <location line="+132"/>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Toolbars</source>
        <translation>&amp;Werkzeugleisten</translation>
    </message>
    <message>
        <location line="-130"/>
        <source>Standard &amp;Toolbar</source>
        <translation>Standard-&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Lar&amp;ge Icons</source>
        <translation>&amp;Große Symbole</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Small Icons</source>
        <translation>&amp;Kleine Symbole</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;List</source>
        <translation>&amp;Liste</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Details</source>
        <translation>&amp;Details</translation>
    </message>
    <message>
        <location line="+121"/>
        <source>&amp;Arrange Icons</source>
        <translation>Symbole &amp;anordnen</translation>
    </message>
    <message>
        <location line="-118"/>
        <source>By &amp;Name</source>
        <translation>Nach &amp;Name</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>By &amp;Date</source>
        <translation>Nach &amp;Datum</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>By Ne&amp;xt Date</source>
        <translation>Nach nä&amp;chstem Datum</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>By &amp;Age</source>
        <translation>Nach &amp;Alter</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+170"/>
        <location line="+1"/>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location line="-50"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="-118"/>
        <source>Interactive Help</source>
        <translation>Interaktive Hilfe</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>About Candlewatcher</source>
        <translation>Über Candlewatcher</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Comments and Suggestions</source>
        <translation>&amp;Kommentare und Vorschläge</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 &amp;Website</source>
        <translation>%1-&amp;Website</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Show Candlewatcher</source>
        <translation>Candlewatcher &amp;anzeigen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show N&amp;otifications</source>
        <translation>Benachrichtigungen an&amp;zeigen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Add &amp;New Birthday</source>
        <translation>&amp;Neuen Geburtstag hinzufügen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;About Candlewatcher</source>
        <translation>&amp;Über Candlewatcher</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;%1 Website</source>
        <translation>&amp;%1-Website</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Preferences</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <location line="+123"/>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Add New Birthday</source>
        <translation>Neuen Geburtstag hinzufügen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit Selected Birthday</source>
        <translation>Ausgewählten Geburtstag bearbeiten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Duplicate Birthday</source>
        <translation>Geburtstag duplizieren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete Selected Birthday</source>
        <translation>Ausgewählten Geburtstag löschen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Special Events</source>
        <translation>Besondere Ereignisse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert Special Events</source>
        <translation>Besondere Ereignisse einfügen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Website</source>
        <translation>Website</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 Website</source>
        <translation>%1-Website</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Exit Candlewatcher</source>
        <translation>Candlewatcher beenden</translation>
    </message>
    <message>
        <location line="-204"/>
        <source>S&amp;ubscriptions...</source>
        <translation>Ab&amp;onnements …</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../src/ui/app/mainwindow.cpp" line="+82"/>
        <source>No desktop notification service answered: reminders show in the Candlewatcher window.</source>
        <translation>Kein Benachrichtigungsdienst des Desktops hat geantwortet: Erinnerungen erscheinen im Candlewatcher-Fenster.</translation>
    </message>
    <message>
        <location line="+98"/>
        <source>Standard Toolbar</source>
        <translation>Standard-Werkzeugleiste</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 %2 - never miss a birthday again</source>
        <translation>%1 %2 – nie wieder einen Geburtstag vergessen</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Search by name (%1)</source>
        <extracomment>%1 is the key that moves to this field, as the desktop names it (Ctrl+F, Strg+F).</extracomment>
        <translation>Nach Name suchen (%1)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Search by name</source>
        <translation>Nach Name suchen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clear the search</source>
        <translation>Suche leeren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>More toolbar buttons</source>
        <translation>Weitere Symbolleistenknöpfe</translation>
    </message>
    <message>
        <location line="+112"/>
        <source>Candlewatcher runs in the system tray: closing this window keeps it there, and a click on its icon brings the window back.</source>
        <translation>Candlewatcher läuft im Infobereich: Wenn Sie dieses Fenster schließen, bleibt es dort, und ein Klick auf sein Symbol holt das Fenster zurück.</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>If you exit then you will not be alerted to any future events.  Are you sure you want to exit?</source>
        <translation>Wenn Sie Candlewatcher beenden, werden Sie nicht mehr an künftige Ereignisse erinnert.  Möchten Sie wirklich beenden?</translation>
    </message>
    <message numerus="yes">
        <location line="+33"/>
        <source>%n event(s) whose writing was cut off (a name without a date) were taken out of the data file; their cells are kept in &quot;%1&quot;.</source>
        <translation>
            <numerusform>%n Ereignis, dessen Schreiben abgebrochen wurde (ein Name ohne Datum), wurde aus der Datendatei genommen; seine Zellen liegen in „%1“.</numerusform>
            <numerusform>%n Ereignisse, deren Schreiben abgebrochen wurde (ein Name ohne Datum), wurden aus der Datendatei genommen; ihre Zellen liegen in „%1“.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The data file could not be compacted.</source>
        <translation>Die Datendatei konnte nicht komprimiert werden.</translation>
    </message>
    <message>
        <location line="-354"/>
        <source>The birthdays list could not be read.</source>
        <translation>Die Geburtstagsliste konnte nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>MissedEvents</name>
    <message numerus="yes">
        <location filename="../src/core/calendar/missedevents.cpp" line="+71"/>
        <source>%1 (%2 - %Ln Years)</source>
        <extracomment>%1 is the event&apos;s name, %2 the missed day.</extracomment>
        <translation>
            <numerusform>%1 (%2 – %Ln Jahr)</numerusform>
            <numerusform>%1 (%2 – %Ln Jahre)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NetJob</name>
    <message>
        <location filename="../src/net/netjob.cpp" line="+14"/>
        <source>the server asked for more than %L1 requests in one go; stopped, to be tried again at the next sync</source>
        <translation>der Server verlangte mehr als %L1 Anfragen auf einmal; abgebrochen, beim nächsten Abgleich wird es erneut versucht</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>the user name or the password was refused (401)</source>
        <translation>der Benutzername oder das Passwort wurde abgelehnt (401)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>access refused (403)</source>
        <translation>Zugriff verweigert (403)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not found on the server (404)</source>
        <translation>auf dem Server nicht gefunden (404)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the server failed (%1 %2)</source>
        <translation>Fehler auf dem Server (%1 %2)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>unexpected answer (%1 %2)</source>
        <translation>unerwartete Antwort (%1 %2)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the answer cannot be read: %1</source>
        <translation>die Antwort kann nicht gelesen werden: %1</translation>
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
        <translation>%1 — als Nächstes: %2, %3</translation>
    </message>
</context>
<context>
    <name>NotificationLines</name>
    <message numerus="yes">
        <location filename="../src/ui/presentation/notificationlines.cpp" line="+87"/>
        <source>(%Ln more events)</source>
        <extracomment>The notification&apos;s last line when not every event fits: %Ln is how many more there are.</extracomment>
        <translation>
            <numerusform>(%Ln weiteres Ereignis)</numerusform>
            <numerusform>(%Ln weitere Ereignisse)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NotificationWindow</name>
    <message>
        <location filename="../src/ui/reminders/notificationwindow.cpp" line="+78"/>
        <source>Birthdays Due Today</source>
        <translation>Heutige Geburtstage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>close</source>
        <translation>schließen</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>(No birthdays coming up)</source>
        <translation>(Keine bevorstehenden Geburtstage)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(No birthdays today)</source>
        <translation>(Heute keine Geburtstage)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Birthdays Due Soon</source>
        <translation>Bevorstehende Geburtstage</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <location filename="../src/platform/notifier.h" line="+35"/>
        <source>Show Candlewatcher</source>
        <translation>Candlewatcher anzeigen</translation>
    </message>
</context>
<context>
    <name>Occurrence</name>
    <message>
        <location filename="../src/core/calendar/occurrence.cpp" line="+102"/>
        <source>today</source>
        <extracomment>The list&apos;s narrow &quot;In&quot; column and the tray icon&apos;s tip: keep it short.</extracomment>
        <translation>heute</translation>
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
            <numerusform>in %Ln Tag</numerusform>
            <numerusform>in %Ln Tagen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <location filename="../src/ui/dialogs/preferencesdialog.cpp" line="+57"/>
        <source>Candlewatcher Preferences</source>
        <translation>Candlewatcher-Einstellungen</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Confirmation</source>
        <translation>Bestätigung</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Confirm before &amp;deleting a birthday</source>
        <translation>Vor dem &amp;Löschen eines Geburtstags nachfragen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Confirm before &amp;exiting Candlewatcher</source>
        <translation>Vor dem &amp;Beenden von Candlewatcher nachfragen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Notification</source>
        <translation>Benachrichtigung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show the Notification window:</source>
        <translation>Benachrichtigungsfenster anzeigen:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Every &amp;hour</source>
        <translation>Jede &amp;Stunde</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;very day</source>
        <translation>&amp;Jeden Tag</translation>
    </message>
    <message>
        <location filename="../src/platform/windows/startcaption.cpp" line="+7"/>
        <source>Only when &amp;Windows starts up</source>
        <translation>Nur beim Start von &amp;Windows</translation>
    </message>
    <message>
        <location filename="../src/platform/posix/startcaption.cpp" line="+7"/>
        <source>Only when Candlewatcher &amp;starts</source>
        <translation>Nur beim Start von &amp;Candlewatcher</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/preferencesdialog.cpp" line="+21"/>
        <source>Alerts</source>
        <extracomment>Frame title: the alert windows that open on an event&apos;s day (a noun, not a verb).</extracomment>
        <translation>Alarme</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show &amp;alerts at the following time each day:</source>
        <translation>&amp;Alarme täglich zu folgender Uhrzeit anzeigen:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>(24 hour clock)</source>
        <translation>(24-Stunden-Format)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Reminders</source>
        <translation>Erinnerungen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show reminders as:</source>
        <translation>Erinnerungen anzeigen als:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the Candlewatcher window</source>
        <translation>Candlewatcher-Fenster</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>desktop notifications</source>
        <translation>Desktop-Benachrichtigungen</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Leap-day events in other years:</source>
        <translation>Schalttag-Ereignisse in anderen Jahren:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>28 February</source>
        <translation>28. Februar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 March</source>
        <translation>1. März</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Subscriptions</source>
        <translation>Abonnements</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>S&amp;ync subscriptions every (hours):</source>
        <translation>Abonnements ab&amp;gleichen alle (Stunden):</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>only at start</source>
        <extracomment>Shown for 0 hours: subscriptions sync when the program starts and on Sync Now only.</extracomment>
        <translation>nur beim Start</translation>
    </message>
</context>
<context>
    <name>Publisher</name>
    <message>
        <location filename="../src/core/sync/publisher.cpp" line="+229"/>
        <source>Published to %1: %2</source>
        <extracomment>%1 is the calendar&apos;s name, %2 what was sent or why it failed.</extracomment>
        <translation>In %1 veröffentlicht: %2</translation>
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
        <translation>Keine anstehenden Ereignisse</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>There are no events today</source>
        <translation>Heute keine Ereignisse</translation>
    </message>
    <message numerus="yes">
        <location line="+49"/>
        <source>%1 (%2 - %Ln Years)</source>
        <extracomment>%1 is the event&apos;s name, %2 its date, %Ln the years since the date (an age, or an anniversary&apos;s count: a wording for both). The notification window cuts long names short: keep %1 first, the rest in parentheses.</extracomment>
        <translation>
            <numerusform>%1 (%2 – %Ln Jahr)</numerusform>
            <numerusform>%1 (%2 – %Ln Jahre)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+26"/>
        <location filename="../src/ui/presentation/notificationlines.cpp" line="-52"/>
        <source>%1 (%Ln Years)</source>
        <extracomment>%1 is the event&apos;s name, %Ln the years since its date: an age for a birthday, a count of years for an anniversary or any other event, so a wording that fits both (the list&apos;s &quot;Age&quot; column has a message of its own). The notification window cuts long names short: keep %1 first, the rest in parentheses.</extracomment>
        <translation>
            <numerusform>%1 (%Ln Jahr)</numerusform>
            <numerusform>%1 (%Ln Jahre)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReminderRunner</name>
    <message>
        <location filename="../src/ui/reminders/reminderrunner.cpp" line="+23"/>
        <source>Birthdays Due Today</source>
        <translation>Heutige Geburtstage</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Birthdays Due Soon</source>
        <translation>Bevorstehende Geburtstage</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Missed While Away</source>
        <translation>In Ihrer Abwesenheit verpasst</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Missed: %1</source>
        <translation>Verpasst: %1</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>Candlewatcher Alert</source>
        <translation>Candlewatcher-Alarm</translation>
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
        <translation>Aus Sicherung wiederherstellen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Choose the backup to restore.  Your events as they are now are kept as a backup of today first.</source>
        <translation>Wählen Sie die Sicherung aus, die wiederhergestellt werden soll.  Ihre Ereignisse in ihrem jetzigen Stand werden zuvor als Sicherung von heute aufbewahrt.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Backups</source>
        <translation>Sicherungen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Backup of</source>
        <translation>Sicherung vom</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Events</source>
        <translation>Ereignisse</translation>
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
        <translation>nicht lesbar</translation>
    </message>
</context>
<context>
    <name>ShellLaunch</name>
    <message>
        <location filename="../src/ui/web/shelllaunch.cpp" line="+31"/>
        <source>%1 could not open %2.</source>
        <translation>%1 konnte %2 nicht öffnen.</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <location filename="../src/platform/posix/singleinstance.cpp" line="+53"/>
        <source>No folder for the single-copy socket in &quot;%1&quot; (%2); another running copy will not be noticed.</source>
        <translation>Kein Ordner für den Socket der Einzelkopie in „%1“ (%2); eine weitere laufende Kopie wird nicht bemerkt.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The temporary folder&apos;s path &quot;%1&quot; is too long for the single-copy socket; another running copy will not be noticed.</source>
        <translation>Der Pfad des temporären Ordners „%1“ ist zu lang für den Socket der Einzelkopie; eine weitere laufende Kopie wird nicht bemerkt.</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>No private folder for the lock file (%1); another running copy will not be noticed.</source>
        <translation>Kein privater Ordner für die Sperrdatei (%1); eine andere laufende Instanz wird nicht erkannt.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>cannot be read: %1</source>
        <translation>kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>is a symbolic link</source>
        <translation>ist ein symbolischer Link</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>is not a folder</source>
        <translation>ist kein Ordner</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>belongs to another user</source>
        <translation>gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>is open to other users</source>
        <translation>ist für andere Benutzer zugänglich</translation>
    </message>
    <message>
        <location filename="../src/platform/singleinstance.cpp" line="+72"/>
        <source>Cannot make the lock file &quot;%1&quot;; another running copy will not be noticed.</source>
        <translation>Die Sperrdatei „%1“ kann nicht angelegt werden; eine andere laufende Instanz wird nicht erkannt.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Candlewatcher is already running, but it does not answer.</source>
        <translation>Candlewatcher läuft bereits, antwortet aber nicht.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Cannot listen for later starts on &quot;%1&quot;: %2</source>
        <translation>Auf „%1“ kann nicht auf spätere Starts gewartet werden: %2</translation>
    </message>
</context>
<context>
    <name>SubscriptionGuard</name>
    <message>
        <location filename="../src/core/sync/subscriptionguard.cpp" line="+18"/>
        <source>&quot;%1&quot; is in use by another copy of Candlewatcher.</source>
        <translation>„%1“ wird von einer anderen Kopie von Candlewatcher verwendet.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cannot lock &quot;%1&quot; to change it.</source>
        <translation>„%1“ kann zum Ändern nicht gesperrt werden.</translation>
    </message>
</context>
<context>
    <name>SubscriptionSetup</name>
    <message>
        <location filename="../src/core/sync/subscriptionsetup.cpp" line="+44"/>
        <source>Give the address of a server, an address book or a calendar, such as https://example.com/remote.php/dav.</source>
        <translation>Geben Sie die Adresse eines Servers, eines Adressbuchs oder eines Kalenders an, etwa https://example.com/remote.php/dav.</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>This copy of Candlewatcher was built without network access.</source>
        <translation>Diese Kopie von Candlewatcher wurde ohne Netzwerkzugang erstellt.</translation>
    </message>
    <message>
        <location line="-78"/>
        <source>Looking for address books and calendars at %1...</source>
        <translation>Adressbücher und Kalender auf %1 werden gesucht...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No address book or calendar was found there.</source>
        <translation>Dort wurde kein Adressbuch und kein Kalender gefunden.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Reading &quot;%1&quot;...</source>
        <translation>„%1“ wird gelesen...</translation>
    </message>
</context>
<context>
    <name>Subscriptions</name>
    <message>
        <location filename="../src/core/sync/subscriptions.cpp" line="+226"/>
        <source>The subscriptions file &quot;%1&quot; is larger than %2 MB, more than this program writes: it is not read.</source>
        <translation>Die Abonnementdatei „%1“ ist größer als %2 MB, mehr als dieses Programm schreibt: Sie wird nicht gelesen.</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>The subscriptions file &quot;%1&quot; is damaged: %2.</source>
        <translation>Die Abonnementdatei „%1“ ist beschädigt: %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The subscriptions file &quot;%1&quot; was written by a newer version of the program.</source>
        <translation>Die Abonnementdatei „%1“ wurde von einer neueren Version des Programms geschrieben.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>The subscriptions file &quot;%1&quot; is damaged: an entry in it does not read.</source>
        <translation>Die Abonnementdatei „%1“ ist beschädigt: Ein Eintrag darin ist nicht lesbar.</translation>
    </message>
    <message>
        <location line="-94"/>
        <source>You subscribe to &quot;%1&quot; already.</source>
        <translation>Sie haben „%1“ bereits abonniert.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Your events are published to &quot;%1&quot; already: remove that first.</source>
        <translation>Ihre Termine werden bereits in „%1“ veröffentlicht: Entfernen Sie das zuerst.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&quot;%1&quot; cannot be subscribed to and published to at once: your events would come back as subscribed ones.</source>
        <translation>„%1“ kann nicht zugleich abonniert und als Ziel der Veröffentlichung verwendet werden: Ihre Termine kämen als abonnierte zurück.</translation>
    </message>
</context>
<context>
    <name>SubscriptionsDialog</name>
    <message>
        <location filename="../src/ui/dialogs/subscriptionsdialog.cpp" line="+27"/>
        <source>Address book</source>
        <translation>Adressbuch</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Calendar address</source>
        <translation>Kalenderadresse</translation>
    </message>
    <message>
        <location line="+50"/>
        <location line="+51"/>
        <source>Subscriptions</source>
        <translation>Abonnements</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+101"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="-101"/>
        <source>Last sync</source>
        <translation>Letzter Abgleich</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Add...</source>
        <translation>&amp;Hinzufügen …</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Sync Now</source>
        <translation>&amp;Jetzt abgleichen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Address books and calendars whose birthdays and events are kept in step with your list.</source>
        <translation>Adressbücher und Kalender, deren Geburtstage und Termine mit Ihrer Liste abgeglichen werden.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Addr&amp;ess:</source>
        <translation>Adr&amp;esse:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;User name:</source>
        <translation>&amp;Benutzername:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Password:</source>
        <translation>&amp;Passwort:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The address of your server (for Nextcloud https://HOST/remote.php/dav), of an address book or calendar, or of a calendar file (https:// or webcal://). Leave the user name empty for a public calendar.</source>
        <translation>Die Adresse Ihres Servers (bei Nextcloud https://HOST/remote.php/dav), eines Adressbuchs oder Kalenders oder einer Kalenderdatei (https:// oder webcal://). Lassen Sie den Benutzernamen bei einem öffentlichen Kalender leer.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Find</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+25"/>
        <location line="+34"/>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <location line="-40"/>
        <source>&amp;Choose the address book or calendar to subscribe to:</source>
        <translation>&amp;Wählen Sie das Adressbuch oder den Kalender, den Sie abonnieren möchten:</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+16"/>
        <source>Pre&amp;view</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>What the subscription adds</source>
        <translation>Was das Abonnement hinzufügt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>What happens</source>
        <translation>Was geschieht</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>S&amp;ubscribe</source>
        <translation>&amp;Abonnieren</translation>
    </message>
    <message>
        <location line="+57"/>
        <location line="+15"/>
        <source>Never</source>
        <translation>Nie</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Syncing...</source>
        <translation>Wird abgeglichen...</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Remove the subscription to &quot;%1&quot;.

Remove its events from your list too? Yes removes them; No keeps them as your own. Events you changed here are kept either way.</source>
        <translation>Das Abonnement von „%1“ wird entfernt.

Sollen seine Termine auch aus Ihrer Liste entfernt werden? Ja entfernt sie; Nein behält sie als Ihre eigenen. Termine, die Sie hier geändert haben, bleiben in jedem Fall erhalten.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The subscription could not be removed.</source>
        <translation>Das Abonnement konnte nicht entfernt werden.</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Added</source>
        <translation>Hinzugefügt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Linked to the event in your list</source>
        <translation>Mit dem Termin in Ihrer Liste verknüpft</translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>Subscribing adds %Ln events.</source>
        <extracomment>%Ln is the number of events the subscription adds to the list.</extracomment>
        <translation>
            <numerusform>Das Abonnement fügt %Ln Termin hinzu.</numerusform>
            <numerusform>Das Abonnement fügt %Ln Termine hinzu.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%Ln events already in your list are linked to it.</source>
        <extracomment>%Ln is the number of events of the list the subscription takes over.</extracomment>
        <translation>
            <numerusform>%Ln Termin aus Ihrer Liste wird damit verknüpft.</numerusform>
            <numerusform>%Ln Termine aus Ihrer Liste werden damit verknüpft.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%Ln dates are left out.</source>
        <extracomment>%Ln is the number of the calendar&apos;s dates the list cannot hold.</extracomment>
        <translation>
            <numerusform>%Ln Datum wird ausgelassen.</numerusform>
            <numerusform>%Ln Daten werden ausgelassen.</numerusform>
        </translation>
    </message>
    <message>
        <location line="-307"/>
        <source>The password could not be kept.</source>
        <translation>Das Passwort konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <location line="+329"/>
        <source>Not every event of the subscription was added.</source>
        <translation>Nicht alle Termine des Abonnements wurden hinzugefügt.</translation>
    </message>
    <message>
        <location line="-243"/>
        <source>&amp;Publish my events to this calendar instead</source>
        <translation>&amp;Meine Termine stattdessen in diesem Kalender veröffentlichen</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Publis&amp;h</source>
        <translation>&amp;Veröffentlichen</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>Publishing to %1</source>
        <translation>Veröffentlichung in %1</translation>
    </message>
    <message>
        <location line="+172"/>
        <source>Stop publishing your events to &quot;%1&quot;.

Delete the published events from that calendar too? Yes deletes them; No leaves them there.</source>
        <translation>Die Veröffentlichung Ihrer Termine in „%1“ wird beendet.

Sollen die veröffentlichten Termine auch aus diesem Kalender gelöscht werden? Ja löscht sie; Nein lässt sie dort.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Publishing could not be stopped.</source>
        <translation>Die Veröffentlichung konnte nicht beendet werden.</translation>
    </message>
</context>
<context>
    <name>SyncCommands</name>
    <message>
        <location filename="../src/ui/app/synccommands.cpp" line="+37"/>
        <source>No secret service keeps the password: it is asked for once a session.

</source>
        <translation>Kein Schlüsseldienst speichert das Passwort: Es wird einmal pro Sitzung abgefragt.

</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Password of %1 at %2:</source>
        <extracomment>%1 is a user name, %2 an address.</extracomment>
        <translation>Passwort von %1 auf %2:</translation>
    </message>
</context>
<context>
    <name>SyncPlan</name>
    <message>
        <location filename="../src/core/sync/syncplan.cpp" line="+124"/>
        <source>: no room: </source>
        <translation>: kein Platz: </translation>
    </message>
</context>
<context>
    <name>SyncQueue</name>
    <message>
        <location filename="../src/core/sync/publisher.cpp" line="-75"/>
        <location filename="../src/core/sync/syncqueue.cpp" line="+119"/>
        <source>This copy of Candlewatcher was built without network access.</source>
        <translation>Diese Kopie von Candlewatcher wurde ohne Netzwerkzugang erstellt.</translation>
    </message>
    <message>
        <location filename="../src/core/sync/secretstore.h" line="+61"/>
        <source>No password for %1 (user %2). Choose Sync Now in Birthdays &gt; Subscriptions... to type it in: it is kept in the desktop&apos;s secret service, where the command line finds it too.</source>
        <extracomment>%1 is the server&apos;s address, %2 the user name. Birthdays &gt; Subscriptions... and Sync Now are the program&apos;s own menu item and button.</extracomment>
        <translation>Kein Passwort für %1 (Benutzer %2). Wählen Sie „Jetzt abgleichen“ unter Geburtstage &gt; Abonnements..., um es einzugeben: es wird im Schlüsselbund der Arbeitsumgebung aufbewahrt, wo es auch die Befehlszeile findet.</translation>
    </message>
</context>
<context>
    <name>SyncRun</name>
    <message>
        <location filename="../src/core/sync/publisher.cpp" line="+50"/>
        <location filename="../src/core/sync/syncrun.cpp" line="+32"/>
        <source>%L1 added, %L2 updated, %L3 removed</source>
        <translation>%L1 hinzugefügt, %L2 aktualisiert, %L3 entfernt</translation>
    </message>
    <message>
        <location filename="../src/core/sync/syncrun.cpp" line="+5"/>
        <source>, %L1 detached</source>
        <translation>, %L1 abgekoppelt</translation>
    </message>
    <message>
        <location filename="../src/core/sync/publisher.cpp" line="+5"/>
        <location filename="../src/core/sync/syncrun.cpp" line="+2"/>
        <source>, %L1 left out</source>
        <translation>, %L1 ausgelassen</translation>
    </message>
</context>
<context>
    <name>SyncService</name>
    <message>
        <location filename="../src/app/syncservice.cpp" line="+55"/>
        <source>Syncing &quot;%1&quot;...</source>
        <translation>„%1“ wird abgeglichen...</translation>
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
        <translation>Kein Schlüsselbund-Dienst (GNOME Keyring, KWallet) hat geantwortet: Passwörter werden einmal je Sitzung erfragt und nicht aufbewahrt. Starten oder installieren Sie einen, um sie aufzubewahren.</translation>
    </message>
</context>
<context>
    <name>VCardReader</name>
    <message>
        <location filename="../src/core/exchange/vcardreader.cpp" line="+281"/>
        <source>Contact on line %1</source>
        <translation>Kontakt in Zeile %1</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>its name is damaged quoted-printable text</source>
        <translation>sein Name ist beschädigter Quoted-Printable-Text</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>line %1 is not a vCard line</source>
        <translation>Zeile %1 ist keine vCard-Zeile</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the contact has no name</source>
        <translation>der Kontakt hat keinen Namen</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>its birthday &quot;%1&quot; is not a date</source>
        <translation>sein Geburtstag „%1“ ist kein Datum</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>its anniversary &quot;%1&quot; is not a date</source>
        <translation>sein Jahrestag „%1“ ist kein Datum</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>no birthday or anniversary</source>
        <translation>kein Geburtstag und kein Jahrestag</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>It is not a vCard file: it does not start with BEGIN:VCARD.</source>
        <translation>Die Datei ist keine vCard-Datei: Sie beginnt nicht mit BEGIN:VCARD.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>the contact has no END:VCARD line</source>
        <translation>dem Kontakt fehlt die Zeile END:VCARD</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The file ends in the middle of a contact (it has no END:VCARD line after line %1): it looks cut off.</source>
        <translation>Die Datei endet mitten in einem Kontakt (nach Zeile %1 folgt keine Zeile END:VCARD): Sie scheint abgeschnitten zu sein.</translation>
    </message>
</context>
<context>
    <name>WebTexts</name>
    <message>
        <location filename="../src/core/comments/webtexts.h" line="+20"/>
        <source>%1 was unable to connect to the internet.  Please connect manually and then try again.</source>
        <extracomment>%1 is the program&apos;s full title.</extracomment>
        <translation>%1 konnte keine Verbindung zum Internet herstellen.  Bitte stellen Sie die Verbindung manuell her und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>You have not entered any information.  Please enter either a comment or suggestion into the space provided.</source>
        <translation>Sie haben nichts eingegeben.  Bitte geben Sie einen Kommentar oder einen Vorschlag in das vorgesehene Feld ein.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>There was a problem sending your information to %1.  Please check you are connected to the internet correctly, and if the problem persists, try again later.</source>
        <extracomment>%1 is the organisation&apos;s name.</extracomment>
        <translation>Beim Senden Ihrer Angaben an %1 ist ein Problem aufgetreten.  Bitte prüfen Sie Ihre Internetverbindung und versuchen Sie es später erneut, falls das Problem weiterhin besteht.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Your comments and suggestions have been sent to %1.  Thank you very much for your input.</source>
        <extracomment>%1 is the organisation&apos;s name.</extracomment>
        <translation>Ihre Kommentare und Vorschläge wurden an %1 gesendet.  Vielen Dank für Ihre Rückmeldung.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 welcomes any comments and suggestions from its users.  Please fill in the boxes below and click on send.  This service is completely anonymous.</source>
        <extracomment>%1 is the organisation&apos;s name.</extracomment>
        <translation>%1 freut sich über Kommentare und Vorschläge seiner Benutzer.  Bitte füllen Sie die Felder unten aus und klicken Sie auf „Jetzt senden“.  Dieser Dienst ist vollständig anonym.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 welcomes any comments and suggestions from its users.  Please fill in the boxes below and click on send.</source>
        <extracomment>%1 is the organisation&apos;s name.</extracomment>
        <translation>%1 freut sich über Kommentare und Vorschläge seiner Benutzer.  Bitte füllen Sie die Felder unten aus und klicken Sie auf „Jetzt senden“.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Please wait while your information is being sent to the %1 website...</source>
        <extracomment>%1 is the organisation&apos;s name.</extracomment>
        <translation>Bitte warten Sie, während Ihre Angaben an die Website von %1 gesendet werden …</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>System Information is currently unavailable.  Please try again later.</source>
        <translation>Die Systeminformationen sind zurzeit nicht verfügbar.  Bitte versuchen Sie es später erneut.</translation>
    </message>
</context>
<context>
    <name>WellKnownDays</name>
    <message>
        <location filename="../src/core/events/wellknowndays.cpp" line="+17"/>
        <source>New Year&apos;s Day</source>
        <translation>Neujahr</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sherlock Holmes Birthday</source>
        <translation>Geburtstag von Sherlock Holmes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Baptism of Jesus</source>
        <translation>Taufe des Herrn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>World Religion Day</source>
        <translation>Weltreligionstag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Epiphany</source>
        <translation>Heilige Drei Könige</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Martin Luther King Jr. Day</source>
        <translation>Martin-Luther-King-Tag</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Burn&apos;s Night</source>
        <translation>Burns Night</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Groundhog Day</source>
        <translation>Murmeltiertag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Valentines Day</source>
        <translation>Valentinstag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lantern Festival</source>
        <translation>Laternenfest</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>St. David&apos;s Day</source>
        <translation>Tag des heiligen David</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>International Women&apos;s Day</source>
        <translation>Internationaler Frauentag</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>St. Patrick&apos;s Day</source>
        <translation>St. Patrick’s Day</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>April Fool&apos;s Day</source>
        <translation>Erster April</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>St. Georges Day</source>
        <translation>Georgstag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>May Day</source>
        <translation>Maifeiertag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mother&apos;s Day (US)</source>
        <translation>Muttertag (USA)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pentecost</source>
        <translation>Pfingsten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trinity</source>
        <translation>Dreifaltigkeitssonntag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dragon Boat Festival</source>
        <translation>Drachenbootfest</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>Mothers Day (UK)</source>
        <translation>Muttertag (UK)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Buddha&apos;s Birthday (Korea)</source>
        <translation>Buddhas Geburtstag (Korea)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Holocaust Rememberance Day (Israel)</source>
        <translation>Holocaust-Gedenktag (Israel)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Father&apos;s Day (US, UK)</source>
        <translation>Vatertag (USA, UK)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>International Joke Day</source>
        <translation>Internationaler Tag des Witzes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Independence Day (US)</source>
        <translation>Unabhängigkeitstag (USA)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bastille Day (France)</source>
        <translation>Nationalfeiertag (Frankreich)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Friendship Day</source>
        <translation>Tag der Freundschaft</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chinese Valentines Day</source>
        <translation>Chinesischer Valentinstag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ghandi&apos;s Birthday</source>
        <translation>Gandhis Geburtstag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Oktoberfest</source>
        <translation>Oktoberfest</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Black Thursday</source>
        <translation>Schwarzer Donnerstag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All Saints&apos; Day</source>
        <translation>Allerheiligen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Guy Fawkes Day</source>
        <translation>Guy-Fawkes-Nacht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>World Peace Day</source>
        <translation>Weltfriedenstag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Children&apos;s Day</source>
        <translation>Kindertag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>World AIDS Day</source>
        <translation>Welt-Aids-Tag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Advent Begins</source>
        <translation>Beginn der Adventszeit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>St. Nicholas Day</source>
        <translation>Nikolaustag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pearl Harbour Day (US)</source>
        <translation>Pearl-Harbor-Gedenktag (USA)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Christmas Eve</source>
        <translation>Heiligabend</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Christmas Day</source>
        <translation>Erster Weihnachtsfeiertag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Boxing Day</source>
        <translation>Zweiter Weihnachtsfeiertag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New Year&apos;s Eve</source>
        <translation>Silvester</translation>
    </message>
</context>
<context>
    <name>WellKnownDaysDialog</name>
    <message>
        <location filename="../src/ui/dialogs/wellknowndaysdialog.cpp" line="+56"/>
        <source>Special Events</source>
        <translation>Besondere Ereignisse</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Event Name</source>
        <translation>Name des Ereignisses</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Event Date</source>
        <translation>Datum des Ereignisses</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Please select any dates you want to add.  Use the Control key to select more than one.</source>
        <translation>Bitte wählen Sie die Daten aus, die Sie hinzufügen möchten.  Halten Sie die Strg-Taste gedrückt, um mehrere auszuwählen.</translation>
    </message>
    <message numerus="yes">
        <location line="+123"/>
        <source>None of the %Ln selected events could be added.

%1</source>
        <extracomment>%Ln is the number of days chosen, %1 why they could not be added.</extracomment>
        <translation>
            <numerusform>Das %Ln ausgewählte Ereignis konnte nicht hinzugefügt werden.

%1</numerusform>
            <numerusform>Keines der %Ln ausgewählten Ereignisse konnte hinzugefügt werden.

%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>Only %1 of the %Ln selected events were added; the rest could not be added.

%2</source>
        <extracomment>%1 is how many were added, %Ln how many were chosen, %2 why the rest were not.</extracomment>
        <translation>
            <numerusform>Nur %1 von %Ln ausgewähltem Ereignis wurde hinzugefügt; der Rest konnte nicht hinzugefügt werden.

%2</numerusform>
            <numerusform>Nur %1 der %Ln ausgewählten Ereignisse wurden hinzugefügt; die übrigen konnten nicht hinzugefügt werden.

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
        <translation>Tag %1 des Monats %2</translation>
    </message>
    <message>
        <location line="-126"/>
        <source>on %1 in the Chinese calendar</source>
        <extracomment>%1 is a day and month of the Chinese calendar, as ICU writes it (&quot;Second Month 26&quot;).</extracomment>
        <translation>am %1 im chinesischen Kalender</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>on %1 in the Hebrew calendar</source>
        <extracomment>%1 is a day and month of the Hebrew calendar (&quot;27 Nisan&quot;).</extracomment>
        <translation>am %1 im hebräischen Kalender</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>on %1 in the Islamic calendar</source>
        <extracomment>%1 is a day and month of the Islamic calendar (&quot;1 Ramadan&quot;).</extracomment>
        <translation>am %1 im islamischen Kalender</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>on the first %1 of %2</source>
        <extracomment>In each, %1 is a weekday (&quot;Sunday&quot;) and %2 a month (&quot;May&quot;).</extracomment>
        <translation>am ersten %1 im %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the second %1 of %2</source>
        <translation>am zweiten %1 im %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the third %1 of %2</source>
        <translation>am dritten %1 im %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the fourth %1 of %2</source>
        <translation>am vierten %1 im %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the fifth %1 of %2</source>
        <translation>am fünften %1 im %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>on the last %1 of %2</source>
        <translation>am letzten %1 im %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the second-last %1 of %2</source>
        <translation>am vorletzten %1 im %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the third-last %1 of %2</source>
        <translation>am drittletzten %1 im %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the fourth-last %1 of %2</source>
        <translation>am viertletzten %1 im %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the fifth-last %1 of %2</source>
        <translation>am fünftletzten %1 im %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>on Easter Sunday</source>
        <translation>am Ostersonntag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on Orthodox Easter Sunday</source>
        <translation>am orthodoxen Ostersonntag</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 day(s) after Easter</source>
        <extracomment>%1 is a number of days, 1 or more.</extracomment>
        <translation>%1 Tag(e) nach Ostern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 day(s) after Orthodox Easter</source>
        <translation>%1 Tag(e) nach dem orthodoxen Osterfest</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 day(s) before Easter</source>
        <extracomment>%1 is a number of days, 1 or more.</extracomment>
        <translation>%1 Tag(e) vor Ostern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 day(s) before Orthodox Easter</source>
        <translation>%1 Tag(e) vor dem orthodoxen Osterfest</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>on this date</source>
        <translation>an diesem Datum</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>on the first %1 on or after %2</source>
        <extracomment>%1 is a weekday (&quot;Saturday&quot;), %2 a day and month (&quot;16/09&quot;).</extracomment>
        <translation>am ersten %1 am oder nach dem %2</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1, moved when it falls on %2</source>
        <extracomment>%1 is when the day falls (&quot;on 27 Nisan in the Hebrew calendar&quot;), %2 the weekdays it is moved off (&quot;Friday and Sunday&quot;).</extracomment>
        <translation>%1, verschoben, wenn er auf %2 fällt</translation>
    </message>
</context>
</TS>
