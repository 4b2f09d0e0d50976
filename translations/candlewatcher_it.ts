<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AboutDialog</name>
    <message>
        <location filename="../src/ui/web/aboutdialog.cpp" line="+67"/>
        <source>About %1</source>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Candlewatcher keeps your birthdays, anniversaries and other important dates, and reminds you of them from the system tray in good time.</source>
        <translation>Candlewatcher conserva i tuoi compleanni, anniversari e altre date importanti e te li ricorda per tempo dall&apos;area di notifica.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>For more information on this or any of our freeware and shareware products, please visit our website at:</source>
        <translation>Per ulteriori informazioni su questo o su altri nostri prodotti freeware e shareware, visita il nostro sito web:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Or e-mail %1 on:</source>
        <translation>Oppure scrivi a %1 all&apos;indirizzo:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;System Info...</source>
        <translation>Informazioni di &amp;sistema...</translation>
    </message>
</context>
<context>
    <name>AlertDialog</name>
    <message>
        <location filename="../src/ui/reminders/alertdialog.cpp" line="+52"/>
        <source>Candlewatcher Alert</source>
        <translation>Avviso di Candlewatcher</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Birthdays Due Today</source>
        <translation>Compleanni di oggi</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>&amp;Remind Me Again</source>
        <translation>&amp;Ricordamelo più tardi</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>In &amp;10 Minutes</source>
        <translation>Tra &amp;10 minuti</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In 1 &amp;Hour</source>
        <translation>Tra 1 &amp;ora</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Tomorrow</source>
        <translation>&amp;Domani</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Missed While Away</source>
        <translation>Persi durante l&apos;assenza</translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <location filename="../src/core/store/backups.cpp" line="+26"/>
        <location line="+7"/>
        <source>Cannot read &quot;%1&quot;: %2.</source>
        <translation>Impossibile leggere &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <translation>Impossibile scrivere &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <location line="+101"/>
        <source>Cannot make the backup of the data file &quot;%1&quot;, so nothing was changed. %2</source>
        <translation>Impossibile creare il backup del file dei dati &quot;%1&quot;, quindi non è stato modificato nulla. %2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The folder &quot;%1&quot; could not be created.</source>
        <translation>Impossibile creare la cartella &quot;%1&quot;.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>it is not a Candlewatcher data file (byte %1 starts no field)</source>
        <translation>non è un file dei dati di Candlewatcher (il byte %1 non inizia alcun campo)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>it is empty</source>
        <translation>è vuoto</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>it is cut short (its last %Ln bytes are part of a field)</source>
        <extracomment>%Ln is the number of bytes at the file&apos;s end that make no whole field.</extracomment>
        <translation>
            <numerusform>è troncato (%Ln byte finale fa parte di un campo)</numerusform>
            <numerusform>è troncato (%Ln byte finali fanno parte di un campo)</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The backup &quot;%1&quot; is damaged: %2.</source>
        <translation>Il backup &quot;%1&quot; è danneggiato: %2.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The data file &quot;%1&quot; is read-only.</source>
        <translation>Il file dei dati &quot;%1&quot; è di sola lettura.</translation>
    </message>
</context>
<context>
    <name>BirthdayCommands</name>
    <message>
        <location filename="../src/ui/list/birthdaycommands.cpp" line="+23"/>
        <source>You currently have no birthdays in your list.  Please use the New Birthday option to create a birthday.</source>
        <translation>Al momento non hai compleanni nell&apos;elenco.  Usa il comando Nuovo compleanno per crearne uno.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>You have not selected a birthday to use.  Please select a birthday from the Birthday&apos;s list and then try again.</source>
        <translation>Non hai selezionato alcun compleanno.  Seleziona un compleanno dall&apos;elenco dei compleanni e riprova.</translation>
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
        <translation>L&apos;evento %1 è stato modificato da un altro programma dopo che l&apos;elenco lo aveva mostrato, quindi %2.  Ora l&apos;elenco mostra gli eventi come sono.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>These events were changed by another program after the list showed them, so %2: %1.  The list now shows the events as they are.</source>
        <translation>Questi eventi sono stati modificati da un altro programma dopo che l&apos;elenco li aveva mostrati, quindi %2: %1.  Ora l&apos;elenco mostra gli eventi come sono.</translation>
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
        <translation>«%1» segue l’abbonamento «%2».  Una volta modificato qui diventa tuo: le modifiche successive nell’abbonamento non lo raggiungono più.  Modificarlo?</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Because you can only edit one birthay at a time, only the last one you selected will be displayed.</source>
        <translation>Poiché puoi modificare un solo compleanno alla volta, verrà mostrato solo l&apos;ultimo che hai selezionato.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>your changes to it were not saved</source>
        <translation>le tue modifiche non sono state salvate</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&quot;%1&quot; could not be duplicated.</source>
        <translation>Impossibile duplicare &quot;%1&quot;.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it was not duplicated</source>
        <translation>non è stato duplicato</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>they were not duplicated</source>
        <translation>non sono stati duplicati</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Of the %n selected events: %1 duplicated, %2 not duplicated.</source>
        <extracomment>%n is how many events were selected, %1 how many were copied.</extracomment>
        <translation>
            <numerusform>Dell’evento selezionato (%n): %1 duplicato, %2 non duplicato.</numerusform>
            <numerusform>Dei %n eventi selezionati: %1 duplicati, %2 non duplicati.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+16"/>
        <source>&quot;%1&quot; was duplicated, but the copy keeps its date of this year only.

%2</source>
        <translation>«%1» è stato duplicato, ma la copia mantiene solo la data di quest&apos;anno.

%2</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Are you sure you want to delete %1 permanently from your birthdays list?</source>
        <translation>Vuoi davvero eliminare definitivamente %1 dall&apos;elenco dei compleanni?</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>Are you sure you want to delete these %Ln items permanently from your birthdays list?</source>
        <extracomment>%Ln is the number of selected events (2 or more).</extracomment>
        <translation>
            <numerusform>Vuoi davvero eliminare definitivamente %Ln elemento dall&apos;elenco dei compleanni?</numerusform>
            <numerusform>Vuoi davvero eliminare definitivamente questi %Ln elementi dall&apos;elenco dei compleanni?</numerusform>
        </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&quot;%1&quot; could not be deleted.</source>
        <translation>Impossibile eliminare &quot;%1&quot;.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>it was not deleted</source>
        <translation>non è stato eliminato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>they were not deleted</source>
        <translation>non sono stati eliminati</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Of the %n selected events: %1 deleted, %2 not deleted.</source>
        <extracomment>%n is how many events were selected, %1 how many were deleted.</extracomment>
        <translation>
            <numerusform>Dell’evento selezionato (%n): %1 eliminato, %2 non eliminato.</numerusform>
            <numerusform>Dei %n eventi selezionati: %1 eliminati, %2 non eliminati.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BirthdayDialog</name>
    <message>
        <location filename="../src/ui/dialogs/birthdaydialog.cpp" line="+51"/>
        <source>The name is too long to be saved.  A name can hold at most %1 characters (letters with accents and other special characters count as two or more).</source>
        <translation>Il nome è troppo lungo per essere salvato.  Un nome può contenere al massimo %1 caratteri (le lettere accentate e altri caratteri speciali contano come due o più).</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 and %2</source>
        <extracomment>the last two items of a list: &quot;a, b and c&quot;</extracomment>
        <translation>%1 e %2</translation>
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
        <translation>Aggiungi nuovo compleanno</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Edit Birthday Details</source>
        <translation>Modifica dettagli compleanno</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>New Birthday</source>
        <translation>Nuovo compleanno</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Occurs On</source>
        <translation>Ricorre il</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Repeats every year</source>
        <translation>Si ripete ogni anno</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Display number of years</source>
        <translation>Mostra il numero di anni</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Repeats</source>
        <translation>Ripetizione</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Notify From</source>
        <translation>Notifica da</translation>
    </message>
    <message numerus="yes">
        <location line="+13"/>
        <source>day(s) in advance</source>
        <extracomment>After the box with the number of days ahead to be notified; the number is the box&apos;s.</extracomment>
        <translation>
            <numerusform>giorno prima</numerusform>
            <numerusform>giorni prima</numerusform>
        </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>On the Day</source>
        <translation>Il giorno stesso</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>the date</source>
        <translation>la data</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>whether it repeats every year</source>
        <translation>se si ripete ogni anno</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>what happens on the day</source>
        <translation>cosa succede il giorno stesso</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>whether the number of years is displayed</source>
        <translation>se viene mostrato il numero di anni</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Some details of this event could not be read: %1.  They are shown with the values a new event starts with.  Press OK to save the event with what you see, or Cancel to leave it unchanged.</source>
        <translation>Alcuni dettagli di questo evento non sono leggibili: %1.  Vengono mostrati con i valori iniziali di un nuovo evento.  Premi OK per salvare l&apos;evento così come lo vedi, o Annulla per lasciarlo invariato.</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>You have not entered a valid name for this birthday.  Please check and try again.</source>
        <translation>Non hai inserito un nome valido per questo compleanno.  Controlla e riprova.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>You have not entered a valid date for this birthday.  Please check and try again.</source>
        <translation>Non hai inserito una data valida per questo compleanno.  Controlla e riprova.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A date without a year repeats every year: tick &quot;Repeats every year&quot; or give the year.</source>
        <translation>Una data senza anno si ripete ogni anno: seleziona «Si ripete ogni anno» o indica l’anno.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The Notify From value must be a number that is zero or over.  Please check and try again.</source>
        <translation>Il valore di Notifica da deve essere un numero uguale o maggiore di zero.  Controlla e riprova.</translation>
    </message>
    <message>
        <location line="-40"/>
        <location line="+65"/>
        <location line="+25"/>
        <source>The event could not be saved.

%1</source>
        <translation>Impossibile salvare l&apos;evento.

%1</translation>
    </message>
</context>
<context>
    <name>BirthdayInput</name>
    <message>
        <location filename="../src/core/events/birthdayinput.h" line="+25"/>
        <source>Show a Dialog</source>
        <extracomment>What happens on the event&apos;s day: an alert window opens.</extracomment>
        <translation>Mostra finestra</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Do Nothing!</source>
        <extracomment>What happens on the event&apos;s day: no alert window, the event is only listed in the notification. The exclamation mark is part of the program&apos;s wording.</extracomment>
        <translation>Non fare nulla!</translation>
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
Segue l’abbonamento «%2»: una modifica lì lo modifica qui.</translation>
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
        <translation>Nome</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Date</source>
        <extracomment>Column header of the event list: the date stored with the event (year, month, day).</extracomment>
        <translation>Data</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Next</source>
        <extracomment>Column header of the event list: the date the event falls on next (not &quot;the next one&quot;).</extracomment>
        <translation>Prossima</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>In</source>
        <extracomment>Column header of the event list: how long until the event (&quot;today&quot;, &quot;in 3 days&quot;). A narrow column: one short word.</extracomment>
        <translation>Tra</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Age</source>
        <extracomment>Column header of the event list: the years since the date (a person&apos;s age).</extracomment>
        <translation>Età</translation>
    </message>
</context>
<context>
    <name>BirthdayListView</name>
    <message>
        <location filename="../src/ui/list/birthdaylistview.cpp" line="+73"/>
        <source>Birthdays List</source>
        <translation>Elenco compleanni</translation>
    </message>
</context>
<context>
    <name>BirthdayStore</name>
    <message>
        <location filename="../src/core/store/birthdaystore.cpp" line="+90"/>
        <source>The record key %1 is not valid: keys run from 0 to %2.</source>
        <translation>La chiave di record %1 non è valida: le chiavi vanno da 0 a %2.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>it is in use by another running copy of Candlewatcher</source>
        <translation>è in uso da parte di un&apos;altra copia di Candlewatcher in esecuzione</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the folder &quot;%1&quot; does not exist</source>
        <translation>la cartella &quot;%1&quot; non esiste</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no permission to create &quot;%1&quot;</source>
        <translation>nessun permesso per creare &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&quot;%1&quot; could not be created or locked (%2)</source>
        <translation>impossibile creare o bloccare &quot;%1&quot; (%2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&quot;%1&quot; could not be created</source>
        <translation>impossibile creare &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cannot lock the data file &quot;%1&quot;: %2.</source>
        <translation>Impossibile bloccare il file dei dati &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Cannot write the data file &quot;%1&quot;: another program keeps replacing it.</source>
        <translation>Impossibile scrivere il file dei dati &quot;%1&quot;: un altro programma continua a sostituirlo.</translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>The data file &quot;%1&quot; already holds %Ln events, the most it can hold.</source>
        <extracomment>%1 is the data file, %Ln the number of events it holds: the most it can.</extracomment>
        <translation>
            <numerusform>Il file dei dati &quot;%1&quot; contiene già %Ln evento, il massimo possibile.</numerusform>
            <numerusform>Il file dei dati &quot;%1&quot; contiene già %Ln eventi, il massimo possibile.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+14"/>
        <source>The data file &quot;%1&quot; already holds %Ln events, the most it can hold: delete one to make room for another.</source>
        <extracomment>%1 is the data file, %Ln the number of events it holds: the most it can.</extracomment>
        <translation>
            <numerusform>Il file dei dati &quot;%1&quot; contiene già %Ln evento, il massimo possibile: eliminane uno per fare posto a un altro.</numerusform>
            <numerusform>Il file dei dati &quot;%1&quot; contiene già %Ln eventi, il massimo possibile: eliminane uno per fare posto a un altro.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+120"/>
        <location line="+34"/>
        <source>There is no field &quot;%1&quot; in the data file.</source>
        <translation>Nel file dei dati non esiste il campo &quot;%1&quot;.</translation>
    </message>
    <message>
        <location line="+117"/>
        <source>The %1 &quot;%2&quot; is too long: it takes %3 bytes, and the data file holds at most %4.</source>
        <extracomment>%1 is the name of a field of the data file (Name, Date, …), kept in English.</extracomment>
        <translation>Il campo %1 &quot;%2&quot; è troppo lungo: occupa %3 byte e il file dei dati ne contiene al massimo %4.</translation>
    </message>
    <message>
        <location filename="../src/core/store/storecompaction.cpp" line="+54"/>
        <source>Cannot compact the data file &quot;%1&quot;: another program keeps replacing it.</source>
        <translation>Impossibile compattare il file dei dati &quot;%1&quot;: un altro programma continua a sostituirlo.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Cannot delete the leftover file &quot;%1&quot;: %2.</source>
        <translation>Impossibile eliminare il file residuo &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Cannot compact the data file &quot;%1&quot;: it is read-only.</source>
        <translation>Impossibile compattare il file dei dati &quot;%1&quot;: è di sola lettura.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot create the file &quot;%1&quot;: %2.</source>
        <translation>Impossibile creare il file &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+79"/>
        <source>Cannot write the file &quot;%1&quot;: %2.</source>
        <translation>Impossibile scrivere il file &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <location line="-24"/>
        <source>Cannot put the compacted copy in place of the data file &quot;%1&quot;: %2.</source>
        <translation>Impossibile sostituire il file dei dati &quot;%1&quot; con la copia compattata: %2.</translation>
    </message>
</context>
<context>
    <name>CalendarExchange</name>
    <message>
        <location filename="../src/core/exchange/calendarexchange.cpp" line="+30"/>
        <source>(an event without a name)</source>
        <translation>(un evento senza nome)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>it could not be read: %1</source>
        <translation>impossibile leggerlo: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the event has no name</source>
        <translation>l&apos;evento non ha un nome</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it moves one day of a repeating event</source>
        <translation>sposta un giorno di un evento ricorrente</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the event has no start date</source>
        <translation>l&apos;evento non ha una data di inizio</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>its start is not a date</source>
        <translation>il suo inizio non è una data</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it was cancelled</source>
        <translation>è stato annullato</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is not an all-day event</source>
        <translation>non è un evento di tutto il giorno</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it does not repeat on one day every year</source>
        <translation>non si ripete ogni anno nello stesso giorno</translation>
    </message>
</context>
<context>
    <name>CalendarFeed</name>
    <message>
        <location filename="../src/core/sync/calendarfeed.cpp" line="+55"/>
        <source>not an iCalendar file (no BEGIN:VCALENDAR)</source>
        <translation>non è un file iCalendar (manca BEGIN:VCALENDAR)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>text after END:VCALENDAR</source>
        <translation>testo dopo END:VCALENDAR</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>END:%1 does not close the open component</source>
        <translation>END:%1 non chiude il componente aperto</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>the calendar is cut short (no END:VCALENDAR)</source>
        <translation>il calendario è troncato (manca END:VCALENDAR)</translation>
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
        <translation>Il certificato di %1 non è verificabile: %2

Rilasciato a: %3
Rilasciato da: %4
Valido dal %5 al %6
Impronta SHA-256: %7

Accettalo per questo server solo se sai che è quello del server stesso (confronta l&apos;impronta con quella indicata dal suo proprietario). Se in seguito il certificato cambia, ti verrà chiesto di nuovo.

Accettarlo?</translation>
    </message>
</context>
<context>
    <name>CollectionFetch</name>
    <message>
        <location filename="../src/net/collectionfetch.cpp" line="+86"/>
        <source>the server sent its changes in more than %L1 parts; stopped, to be tried again at the next sync</source>
        <translation>il server ha inviato le modifiche in più di %L1 parti; interrotto, si riproverà alla prossima sincronizzazione</translation>
    </message>
    <message>
        <location line="+104"/>
        <source>no content for %1</source>
        <translation>nessun contenuto per %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../src/cli/commandline.cpp" line="+71"/>
        <source>Candlewatcher reminds you of birthdays and other dated events. Without options it starts in the system tray; with one of the options below it does that one thing and ends, whether or not it runs in the tray.</source>
        <translation>Candlewatcher ti ricorda compleanni e altri eventi con una data. Senza opzioni si avvia nell&apos;area di notifica; con una delle opzioni seguenti esegue solo quell&apos;operazione e termina, che sia già in esecuzione nell&apos;area di notifica o no.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>List the events of the next DAYS days (default 30), soonest first.</source>
        <extracomment>DAYS is the value&apos;s name in the usage line: keep it as it is.</extracomment>
        <translation>Elenca gli eventi dei prossimi DAYS giorni (predefinito 30), a partire dal più vicino.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>With --upcoming: print a JSON array instead.</source>
        <translation>Con --upcoming: stampa invece un array JSON.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>With --import: show what would be imported.</source>
        <translation>Con --import: mostra cosa verrebbe importato.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Write every event to FILE as an iCalendar file (- for standard output).</source>
        <extracomment>FILE is the value&apos;s name in the usage line: keep it as it is.</extracomment>
        <translation>Scrive tutti gli eventi in FILE come file iCalendar (- per lo standard output).</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>With --upcoming: how many days ahead.</source>
        <translation>Con --upcoming: quanti giorni in avanti.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>With --import: more files to import.</source>
        <translation>Con --import: altri file da importare.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>--json goes with --upcoming.</source>
        <translation>--json si usa con --upcoming.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--dry-run goes with --import.</source>
        <translation>--dry-run si usa con --import.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>unexpected argument &quot;%1&quot;.</source>
        <translation>argomento inatteso &quot;%1&quot;.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>DAYS must be a whole number from 0 to %1, not &quot;%2&quot;.</source>
        <translation>DAYS deve essere un numero intero da 0 a %1, non &quot;%2&quot;.</translation>
    </message>
    <message>
        <location filename="../src/cli/exportcommand.cpp" line="+26"/>
        <source>the calendar could not be written to standard output.</source>
        <translation>impossibile scrivere il calendario sullo standard output.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>cannot write &quot;%1&quot;: %2</source>
        <extracomment>%1 is the file, %2 why it could not be written.</extracomment>
        <translation>impossibile scrivere &quot;%1&quot;: %2</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%Ln events written to %1
</source>
        <extracomment>%Ln is the number of events written, %1 the file.</extracomment>
        <translation>
            <numerusform>%Ln evento scritto in %1
</numerusform>
            <numerusform>%Ln eventi scritti in %1
</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/cli/importcommand.cpp" line="+41"/>
        <source>skipped: %1: %2
</source>
        <extracomment>%1 is an event&apos;s name, %2 why it was not added.</extracomment>
        <translation>saltato: %1: %2
</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>to add: %1 (%2)
</source>
        <extracomment>%1 is an event&apos;s name, %2 its date.</extracomment>
        <translation>da aggiungere: %1 (%2)
</translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>%Ln events were not added: %1.</source>
        <extracomment>%1 says how many events the data file holds.</extracomment>
        <translation>
            <numerusform>%Ln evento non è stato aggiunto: %1.</numerusform>
            <numerusform>%Ln eventi non sono stati aggiunti: %1.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the files hold no contact or event with a date.</source>
        <translation>i file non contengono alcun contatto o evento con una data.</translation>
    </message>
    <message>
        <location filename="../src/cli/output.h" line="+30"/>
        <source>candlewatcher: %1
Try &apos;candlewatcher --help&apos;.
</source>
        <extracomment>%1 is what was wrong with the command line.</extracomment>
        <translation>candlewatcher: %1
Prova &apos;candlewatcher --help&apos;.
</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>candlewatcher: left out, their dates could not be read: %1
</source>
        <translation>candlewatcher: esclusi perché non è stato possibile leggerne la data: %1
</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/cli/upcoming.cpp" line="+87"/>
        <source>No events in the next %Ln days.
</source>
        <extracomment>%Ln is the number of days looked ahead.</extracomment>
        <translation>
            <numerusform>Nessun evento nel prossimo %Ln giorno.
</numerusform>
            <numerusform>Nessun evento nei prossimi %Ln giorni.
</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/cli/commandline.cpp" line="-47"/>
        <source>Sync every subscribed address book and calendar once.</source>
        <translation>Sincronizza una volta ogni rubrica e calendario a cui si è abbonati.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>give one of --upcoming, --import, --export-ics and --sync.</source>
        <translation>indica una delle opzioni --upcoming, --import, --export-ics e --sync.</translation>
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
        <translation>Non ci sono abbonamenti.
</translation>
    </message>
</context>
<context>
    <name>CommentsForm</name>
    <message>
        <location filename="../src/ui/web/commentsform.cpp" line="+49"/>
        <source>Comments and Suggestions</source>
        <translation>Commenti e suggerimenti</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Introduction</source>
        <translation>Introduzione</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Comments</source>
        <translation>Commenti</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Suggestions</source>
        <translation>Suggerimenti</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Do not display my input on the %1 website</source>
        <translation>Non mostrare i miei contributi sul sito web di %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Send Now</source>
        <translation>&amp;Invia ora</translation>
    </message>
</context>
<context>
    <name>DataFileIo</name>
    <message>
        <location filename="../src/core/store/datafileio.cpp" line="+15"/>
        <source>Cannot write the data file &quot;%1&quot;: %2.</source>
        <translation>Impossibile scrivere il file dei dati &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Cannot open the data file &quot;%1&quot;: %2.</source>
        <translation>Impossibile aprire il file dei dati &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cannot read the data file &quot;%1&quot;: %2.</source>
        <translation>Impossibile leggere il file dei dati &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Cannot open the data file &quot;%1&quot; for writing: %2.</source>
        <translation>Impossibile aprire in scrittura il file dei dati &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>  Part of the change may have been written.</source>
        <translation>  Una parte della modifica potrebbe essere stata scritta.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cannot shorten the data file &quot;%1&quot;: %2.</source>
        <translation>Impossibile accorciare il file dei dati &quot;%1&quot;: %2.</translation>
    </message>
</context>
<context>
    <name>DavDiscovery</name>
    <message>
        <location filename="../src/net/davdiscovery.cpp" line="+45"/>
        <source>not an http, https or webcal address</source>
        <translation>non è un indirizzo http, https o webcal</translation>
    </message>
    <message>
        <location line="+91"/>
        <source>no address books or calendars found</source>
        <translation>nessuna rubrica o calendario trovato</translation>
    </message>
</context>
<context>
    <name>DavXml</name>
    <message>
        <location filename="../src/core/sync/davxml.cpp" line="+175"/>
        <source>not a multistatus answer</source>
        <translation>non è una risposta multistatus</translation>
    </message>
</context>
<context>
    <name>EventRuleFile</name>
    <message>
        <location filename="../src/core/store/eventrulefile.cpp" line="+48"/>
        <source>The rules file &quot;%1&quot; is damaged: %2.</source>
        <translation>Il file delle regole «%1» è danneggiato: %2.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The rules file &quot;%1&quot; was written by a newer version of the program.</source>
        <translation>Il file delle regole «%1» è stato scritto da una versione più recente del programma.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The rules file &quot;%1&quot; is larger than %2 MB, more than this program writes: it is not read.</source>
        <translation>Il file delle regole «%1» supera %2 MB, più di quanto scrive questo programma: non viene letto.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The rules file &quot;%1&quot; is damaged: an entry in it does not read.</source>
        <translation>Il file delle regole «%1» è danneggiato: una sua voce non è leggibile.</translation>
    </message>
</context>
<context>
    <name>ExchangeCommands</name>
    <message>
        <location filename="../src/ui/app/exchangecommands.cpp" line="+55"/>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>There are no contacts or events to import in the file.</source>
        <translation>Il file non contiene contatti o eventi da importare.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+13"/>
        <source>Nothing was imported.</source>
        <translation>Non è stato importato nulla.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not everything was imported.</source>
        <translation>Non è stato importato tutto.</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>iCalendar files (*.ics);;All files (*)</source>
        <translation>File iCalendar (*.ics);;Tutti i file (*)</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+7"/>
        <source>The events could not be exported.</source>
        <translation>Impossibile esportare gli eventi.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <translation>Impossibile scrivere &quot;%1&quot;: %2.</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%Ln events were exported to &quot;%1&quot;.</source>
        <extracomment>%Ln is the number of events exported, %1 the file.</extracomment>
        <translation>
            <numerusform>%Ln evento è stato esportato in &quot;%1&quot;.</numerusform>
            <numerusform>%Ln eventi sono stati esportati in &quot;%1&quot;.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>

Left out because their dates could not be read: %1</source>
        <translation>

Esclusi perché non è stato possibile leggerne la data: %1</translation>
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
        <translation>Non ci sono ancora backup.  Candlewatcher salva una copia dei tuoi eventi in &quot;%1&quot; ogni giorno in cui termina o importa.</translation>
    </message>
    <message numerus="yes">
        <location line="+17"/>
        <source>Replace your events with the %Ln events of the backup of %1?

Your events as they are now are kept as a backup of today.</source>
        <extracomment>%Ln is the number of events in the backup, %1 the backup&apos;s day.</extracomment>
        <translation>
            <numerusform>Sostituire i tuoi eventi con %Ln evento del backup del %1?

I tuoi eventi attuali vengono conservati come backup di oggi.</numerusform>
            <numerusform>Sostituire i tuoi eventi con i %Ln eventi del backup del %1?

I tuoi eventi attuali vengono conservati come backup di oggi.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The backup could not be restored.</source>
        <translation>Impossibile ripristinare il backup.</translation>
    </message>
    <message>
        <location line="-171"/>
        <source>Reading the files...</source>
        <translation>Lettura dei file...</translation>
    </message>
</context>
<context>
    <name>HelpPanel</name>
    <message>
        <location filename="../src/ui/help/helppanel.h" line="+13"/>
        <source>Interactive Help</source>
        <translation>Aiuto interattivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Welcome to Candlewatcher Interactive help.  Simply move your mouse over any area of the screen to get help on that item.</source>
        <translation>Benvenuto nell&apos;Aiuto interattivo di Candlewatcher.  Sposta il mouse su una qualsiasi area dello schermo per ottenere informazioni su quell&apos;elemento.</translation>
    </message>
</context>
<context>
    <name>HelpTopics</name>
    <message>
        <location filename="../src/ui/presentation/helptopics.cpp" line="+11"/>
        <source>Birthdays List</source>
        <translation>Elenco compleanni</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The Birthdays List contains all of your current birthday items.  Double click on any item to edit it, or right click on any item to view options such as delete or duplicate.</source>
        <translation>L&apos;elenco compleanni contiene tutti i tuoi compleanni attuali.  Fai doppio clic su un elemento per modificarlo, oppure fai clic con il tasto destro su un elemento per vedere opzioni come Elimina o Duplica.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Status Bar</source>
        <translation>Barra di stato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The status bar notifies you of any events that occur during operation.</source>
        <translation>La barra di stato ti informa di ciò che accade durante il funzionamento.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Toolbar</source>
        <translation>Barra degli strumenti</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The toolbar provides you with a quick and easy way to access the main functions of the Candlewatcher software.  Hold your mouse over any button to see a description of what it does.</source>
        <translation>La barra degli strumenti offre un modo semplice e veloce per accedere alle funzioni principali di Candlewatcher.  Tieni il mouse su un pulsante per vedere una descrizione di ciò che fa.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Interactive Help</source>
        <translation>Aiuto interattivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Interactive Help provides information on any part of this product.  Simply move your mouse over any item on the screen to get a description of what it is and how to use it.</source>
        <translation>L&apos;Aiuto interattivo fornisce informazioni su ogni parte di questo prodotto.  Sposta il mouse su un elemento dello schermo per ottenere una descrizione di cosa è e di come usarlo.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>OK Button</source>
        <translation>Pulsante OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Closes the current window and saves any settings.</source>
        <translation>Chiude la finestra corrente e salva le impostazioni.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel Button</source>
        <translation>Pulsante Annulla</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Closes the current window without saving any settings.</source>
        <translation>Chiude la finestra corrente senza salvare le impostazioni.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close Button</source>
        <translation>Pulsante Chiudi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Closes the current window.</source>
        <translation>Chiude la finestra corrente.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>System Information</source>
        <translation>Informazioni di sistema</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shows you information about your computer.</source>
        <translation>Mostra informazioni sul tuo computer.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Birthday Name</source>
        <translation>Nome del compleanno</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A documentary name chosen by you which represents the event.  For example, Fred&apos;s Birthday, or Rita&apos;s Anniversary.  Names do not have to be unique, but for easy identification, it is recommended that they are.</source>
        <translation>Un nome descrittivo scelto da te che rappresenta l&apos;evento.  Ad esempio, Compleanno di Fred o Anniversario di Rita.  I nomi non devono essere per forza univoci, ma è consigliabile che lo siano, per riconoscerli facilmente.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Birthday Date</source>
        <translation>Data del compleanno</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This is the date that the event occurs.  If it is a recurring event such as a birthday, that happens every year, it might be convenient to set the year as the date of birth of that person.<byte value="xd"/>
<byte value="xd"/>
Tip: using the down arrow will show you a calendar.</source>
        <translation>È la data in cui cade l&apos;evento.  Se si tratta di un evento ricorrente che si ripete ogni anno, come un compleanno, può essere comodo indicare come anno quello di nascita della persona.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Recurs Every Year</source>
        <translation>Si ripete ogni anno</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If you select this option then you will be reminded of the event on the date you entered and every year after that.  If you leave it unchecked, you will only be reminded on the exact date that you entered.</source>
        <translation>Se selezioni questa opzione, l&apos;evento ti verrà ricordato nella data inserita e ogni anno successivo.  Se la lasci deselezionata, ti verrà ricordato solo nella data esatta inserita.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Notify From...</source>
        <translation>Notifica da...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This sets the number of days before the event from which to show it in the Notifications window.  This is a little window that appears above the Candlewatcher icon in the system tray, and lasts for 10 seconds.  It can be configured in the Preferences section of this software.</source>
        <translation>Imposta quanti giorni prima dell&apos;evento iniziare a mostrarlo nella finestra Notifiche.  È una piccola finestra che compare sopra l&apos;icona di Candlewatcher nell&apos;area di notifica e resta visibile per 10 secondi.  Si può configurare nelle Preferenze del programma.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Alert</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Allows you to configure how you want to be warned on the day of an event.</source>
        <translation>Permette di configurare come vuoi essere avvisato il giorno di un evento.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Notifications</source>
        <translation>Notifiche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This window shows you any up-coming events and any events that occur today.  It is displayed at regular intervals, which can be customised in the Preferences section of this software.</source>
        <translation>Questa finestra mostra gli eventi in arrivo e quelli di oggi.  Compare a intervalli regolari, che si possono personalizzare nelle Preferenze del programma.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Confirm Delete</source>
        <translation>Conferma eliminazione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If this is checked then you will be asked if you are sure before you can delete any birthdays.</source>
        <translation>Se questa opzione è selezionata, ti verrà chiesta conferma prima di eliminare un compleanno.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Confirm Quit</source>
        <translation>Conferma uscita</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If this is checked then you will be asked if you are sure before you can quit Candlewatcher.  Quitting Candlewatcher will mean you are not notified of any events.</source>
        <translation>Se questa opzione è selezionata, ti verrà chiesta conferma prima di uscire da Candlewatcher.  Se esci da Candlewatcher non riceverai più notifiche degli eventi.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Notification Settings</source>
        <translation>Impostazioni delle notifiche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>These allow you to set when the notification window appears.  The notification window is a small box that appears above the icon in the system tray, to tell you of any up-coming or current events.  If there are no events the notification window will not appear, regardless of the settings you choose.</source>
        <translation>Stabiliscono quando compare la finestra di notifica.  La finestra di notifica è un piccolo riquadro che compare sopra l&apos;icona nell&apos;area di notifica per informarti degli eventi in arrivo o di oggi.  Se non ci sono eventi, la finestra di notifica non compare, qualunque siano le impostazioni scelte.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Alerts Time</source>
        <translation>Ora degli avvisi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If you have set for an alert to occur on the day of a birthday event, you can configure here what time you want it to appear.</source>
        <translation>Se hai impostato un avviso per il giorno di un compleanno, qui puoi scegliere a che ora deve comparire.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Special Events</source>
        <translation>Eventi speciali</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In this box is a list of regularly used events.  Select the items you want to add to your Candlewatcher events list - you can use Shift or Control to select more than one item at a time - and then click on OK.  You will be notified of the events when they occur.</source>
        <translation>Questo riquadro contiene un elenco di ricorrenze comuni.  Seleziona quelle che vuoi aggiungere all&apos;elenco degli eventi di Candlewatcher (puoi usare Maiusc o Ctrl per selezionarne più di una alla volta), poi fai clic su OK.  Riceverai una notifica degli eventi quando arrivano.</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>Subscriptions Sync</source>
        <translation>Sincronizzazione degli abbonamenti</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This is how many hours apart Candlewatcher brings your subscribed address books and calendars up to date while it runs.  It also does so when it starts and when you click on Sync Now in the Subscriptions window.  With 0 it does so only then.</source>
        <translation>Indica ogni quante ore Candlewatcher aggiorna le rubriche e i calendari a cui sei abbonato mentre è in esecuzione.  Lo fa anche all&apos;avvio e quando fai clic su Sincronizza ora nella finestra Abbonamenti.  Con 0 lo fa solo in quei casi.</translation>
    </message>
</context>
<context>
    <name>HttpCall</name>
    <message>
        <location filename="../src/net/httpcall.cpp" line="+51"/>
        <source>no answer for %1 seconds</source>
        <translation>nessuna risposta da %1 secondi</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the answer did not come in full within %1 seconds</source>
        <translation>la risposta non è arrivata completa entro %1 secondi</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>the answer of %1 bytes is over the limit of %2 bytes; refused</source>
        <translation>la risposta di %1 byte supera il limite di %2 byte; rifiutata</translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+31"/>
        <source>the answer is over the limit of %1 bytes; refused</source>
        <translation>la risposta supera il limite di %1 byte; rifiutata</translation>
    </message>
    <message>
        <location line="-17"/>
        <source>the server&apos;s certificate does not verify (%1); refused</source>
        <translation>il certificato del server non è verificabile (%1); rifiutato</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the connection closed after %1 of %2 bytes</source>
        <translation>la connessione si è chiusa dopo %1 di %2 byte</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>redirected more than %1 times</source>
        <translation>reindirizzato più di %1 volte</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>redirected to %1, which is not an http or https address; refused</source>
        <translation>reindirizzato a %1, che non è un indirizzo http o https; rifiutato</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>the password is not sent over plain http except to this computer; use the https address (401)</source>
        <translation>la password non viene inviata su http semplice se non a questo computer; usa l&apos;indirizzo https (401)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the password is not sent to %1, where the server redirected; if that is the right server, subscribe to that address (401)</source>
        <translation>la password non viene inviata a %1, dove il server ha reindirizzato; se è il server giusto, abbonati a quell&apos;indirizzo (401)</translation>
    </message>
</context>
<context>
    <name>ICalendar</name>
    <message>
        <location filename="../src/core/exchange/icalendar.cpp" line="+435"/>
        <source>It is not an iCalendar file: it does not start with BEGIN:VCALENDAR.</source>
        <translation>Non è un file iCalendar: non inizia con BEGIN:VCALENDAR.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Its BEGIN lines nest deeper than %1 levels, deeper than any calendar: it is not read.</source>
        <translation>Le sue righe BEGIN sono annidate per più di %1 livelli, più di qualsiasi calendario: non viene letto.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The file ends in the middle of a calendar (a BEGIN line has no END line): it looks cut off.</source>
        <translation>Il file termina a metà di un calendario (una riga BEGIN non ha la riga END): sembra troncato.</translation>
    </message>
</context>
<context>
    <name>ImportDialog</name>
    <message>
        <location filename="../src/ui/dialogs/importdialog.cpp" line="+150"/>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Choose the events to add from %1:</source>
        <translation>Scegli gli eventi da aggiungere da %1:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Events to import</source>
        <translation>Eventi da importare</translation>
    </message>
    <message>
        <location line="-102"/>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>On the Day</source>
        <translation>Il giorno stesso</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>no year given: the age is not shown</source>
        <translation>anno non indicato: l&apos;età non viene mostrata</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>Select &amp;All</source>
        <translation>Seleziona &amp;tutto</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Select &amp;None</source>
        <translation>&amp;Deseleziona tutto</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>On the &amp;Day:</source>
        <translation>Il &amp;giorno stesso:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Each as listed</source>
        <translation>Ciascuno come in elenco</translation>
    </message>
    <message>
        <location line="-142"/>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
</context>
<context>
    <name>ImportEntry</name>
    <message>
        <location filename="../src/core/exchange/importentry.h" line="+59"/>
        <source>%1 — Anniversary</source>
        <extracomment>The name of the event that a contact&apos;s anniversary becomes; %1 is the contact&apos;s name.</extracomment>
        <translation>%1 — Anniversario</translation>
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
        <translation>un file di contatti</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>contacts</source>
        <translation>contatti</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the birthdays and anniversaries of contacts</source>
        <translation>i compleanni e gli anniversari dei contatti</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>a calendar file</source>
        <translation>un file di calendario</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>calendars</source>
        <translation>calendari</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the all-day events of calendars</source>
        <translation>gli eventi di tutto il giorno dei calendari</translation>
    </message>
    <message>
        <location line="+27"/>
        <location line="+26"/>
        <source>%1 and %2</source>
        <extracomment>The last two items of a list.</extracomment>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <location line="-23"/>
        <source>%1 (%2);;All files (*)</source>
        <extracomment>The file dialog&apos;s filters, separated by &quot;;;&quot;: keep the &quot;;;&quot; and the &quot;(*)&quot;.</extracomment>
        <translation>%1 (%2);;Tutti i file (*)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>It is neither %1.</source>
        <extracomment>%1 lists the kinds of file, joined by &quot;%1 nor %2&quot;.</extracomment>
        <translation>Non è né %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 nor %2</source>
        <translation>%1 né %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Import %1 from FILE and the files after it.</source>
        <extracomment>The --import option&apos;s description; FILE is the option&apos;s value, as in the usage line.</extracomment>
        <translation>Importa %1 da FILE e dai file successivi.</translation>
    </message>
</context>
<context>
    <name>ImportPlan</name>
    <message>
        <location filename="../src/core/exchange/importplan.cpp" line="+87"/>
        <source>It is not a regular file (it is a device, a pipe or a socket): only files are imported.</source>
        <translation>Non è un file normale (è un dispositivo, una pipe o un socket): si importano solo file.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>It is a folder, not a file.</source>
        <translation>È una cartella, non un file.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>It is larger than %1 MB, more than any contacts or calendar file holds: an import reads files up to that size.</source>
        <translation>È più grande di %1 MB, più di quanto contenga qualsiasi file di contatti o di calendario: l&apos;importazione legge file fino a quella dimensione.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>It could not be read: %1.</source>
        <translation>Impossibile leggerlo: %1.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>It changed while it was read: try again.</source>
        <translation>È cambiato durante la lettura: riprova.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The file is empty.</source>
        <translation>Il file è vuoto.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Nothing was added from the file.</source>
        <translation>Non è stato aggiunto nulla dal file.</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Nothing was added from any of the %Ln files: %1 of them could not be used.</source>
        <translation>
            <numerusform>Non è stato aggiunto nulla da %Ln file: non è stato possibile usarne %1.</numerusform>
            <numerusform>Non è stato aggiunto nulla da nessuno dei %Ln file: non è stato possibile usarne %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+23"/>
        <source>the data file holds at most %Ln events</source>
        <extracomment>%Ln is the most events the data file holds.</extracomment>
        <translation>
            <numerusform>il file dei dati contiene al massimo %Ln evento</numerusform>
            <numerusform>il file dei dati contiene al massimo %Ln eventi</numerusform>
        </translation>
    </message>
    <message>
        <location line="+50"/>
        <source>its date is not a day of the calendar</source>
        <translation>la sua data non è un giorno del calendario</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>its repeats ended in %1</source>
        <translation>le sue ripetizioni sono terminate nel %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its repeats end before they begin</source>
        <translation>le sue ripetizioni terminano prima di iniziare</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>it is in the list already</source>
        <translation>è già nell&apos;elenco</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>its repeats end in %1</source>
        <translation>le sue ripetizioni terminano nel %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>no room: %1</source>
        <translation>spazio esaurito: %1</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>%L1 to add, %L2 already there, %L3 without a date</source>
        <translation>%L1 da aggiungere, %L2 già presenti, %L3 senza data</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%L1 added, %L2 already there, %L3 without a date</source>
        <translation>%L1 aggiunti, %L2 già presenti, %L3 senza data</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>, %L1 left out</source>
        <extracomment>One more item of the import&apos;s summary list.</extracomment>
        <translation>, %L1 esclusi</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>, %L1 could not be read</source>
        <extracomment>One more item of the import&apos;s summary list.</extracomment>
        <translation>, %L1 illeggibili</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>, %L1 whose repeats end, not chosen</source>
        <extracomment>One more item of the import&apos;s summary list.</extracomment>
        <translation>, %L1 con ripetizioni terminate, non scelti</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>; %L1 fit, %L2 would not be added: %3</source>
        <extracomment>The end of the import&apos;s summary; %3 says how many events the data file holds.</extracomment>
        <translation>; %L1 rientrano, %L2 non verrebbero aggiunti: %3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>; %L1 not added: %2</source>
        <extracomment>The end of the import&apos;s summary; %2 says how many events the data file holds.</extracomment>
        <translation>; %L1 non aggiunti: %2</translation>
    </message>
    <message numerus="yes">
        <location line="+47"/>
        <source>The import stopped after %1 of the %Ln events were added.

%2</source>
        <extracomment>%1 is how many events were added, %2 why the import stopped.</extracomment>
        <translation>
            <numerusform>L&apos;importazione si è interrotta dopo l&apos;aggiunta di %1 su %Ln evento.

%2</numerusform>
            <numerusform>L&apos;importazione si è interrotta dopo l&apos;aggiunta di %1 eventi su %Ln.

%2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>JsonFile</name>
    <message>
        <location filename="../src/core/store/jsonfile.cpp" line="+25"/>
        <source>Cannot read &quot;%1&quot;: %2.</source>
        <translation>Impossibile leggere &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Cannot write &quot;%1&quot;: %2; the file is kept as it was.</source>
        <translation>Impossibile scrivere «%1»: %2; il file resta com&apos;era.</translation>
    </message>
</context>
<context>
    <name>ListDate</name>
    <message>
        <location filename="../src/ui/presentation/listdate.cpp" line="+47"/>
        <source>1 event has a date that cannot be read (marked ⚠)</source>
        <translation>1 evento ha una data illeggibile (contrassegnato con ⚠)</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%Ln events have dates that cannot be read (marked ⚠)</source>
        <extracomment>%Ln is the number of events whose stored date does not read (2 or more).</extracomment>
        <translation>
            <numerusform>%Ln evento ha una data illeggibile (contrassegnato con ⚠)</numerusform>
            <numerusform>%Ln eventi hanno date illeggibili (contrassegnati con ⚠)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainActions</name>
    <message>
        <location filename="../src/ui/app/mainactions.cpp" line="+190"/>
        <source>&amp;Birthdays</source>
        <translation>&amp;Compleanni</translation>
    </message>
    <message>
        <location line="-149"/>
        <source>&amp;New Birthday</source>
        <translation>&amp;Nuovo compleanno</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Special Events</source>
        <translation>Eventi &amp;speciali</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+59"/>
        <source>&amp;Edit Birthday</source>
        <translation>&amp;Modifica compleanno</translation>
    </message>
    <message>
        <location line="-56"/>
        <source>Du&amp;plicate Birthday</source>
        <translation>D&amp;uplica compleanno</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Delete Birthday</source>
        <translation>&amp;Elimina compleanno</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Import...</source>
        <translation>&amp;Importa...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Exp&amp;ort...</source>
        <translation>Es&amp;porta...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Restore from &amp;Backup...</source>
        <translation>&amp;Ripristina da backup...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>E&amp;xit Candlewatcher</source>
        <translation>Es&amp;ci da Candlewatcher</translation>
    </message>
    <message>
        <location line="+132"/>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Toolbars</source>
        <translation>&amp;Barre degli strumenti</translation>
    </message>
    <message>
        <location line="-130"/>
        <source>Standard &amp;Toolbar</source>
        <translation>Barra degli strumenti &amp;standard</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Status Bar</source>
        <translation>Barra di s&amp;tato</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Lar&amp;ge Icons</source>
        <translation>Icone &amp;grandi</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Small Icons</source>
        <translation>Icone &amp;piccole</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;List</source>
        <translation>&amp;Elenco</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Details</source>
        <translation>&amp;Dettagli</translation>
    </message>
    <message>
        <location line="+121"/>
        <source>&amp;Arrange Icons</source>
        <translation>Disponi &amp;icone</translation>
    </message>
    <message>
        <location line="-118"/>
        <source>By &amp;Name</source>
        <translation>Per &amp;nome</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>By &amp;Date</source>
        <translation>Per &amp;data</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>By Ne&amp;xt Date</source>
        <translation>Per data &amp;successiva</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>By &amp;Age</source>
        <translation>Per &amp;età</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+170"/>
        <location line="+1"/>
        <source>Preferences</source>
        <translation>Preferenze</translation>
    </message>
    <message>
        <location line="-50"/>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <location line="-118"/>
        <source>Interactive Help</source>
        <translation>Aiuto interattivo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>About Candlewatcher</source>
        <translation>Informazioni su Candlewatcher</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Comments and Suggestions</source>
        <translation>&amp;Commenti e suggerimenti</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 &amp;Website</source>
        <translation>Sito &amp;web di %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Show Candlewatcher</source>
        <translation>&amp;Mostra Candlewatcher</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show N&amp;otifications</source>
        <translation>Mostra &amp;notifiche</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Add &amp;New Birthday</source>
        <translation>&amp;Aggiungi nuovo compleanno</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;About Candlewatcher</source>
        <translation>&amp;Informazioni su Candlewatcher</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;%1 Website</source>
        <translation>Sito &amp;web di %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Preferences</source>
        <translation>&amp;Preferenze</translation>
    </message>
    <message>
        <location line="+123"/>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Add New Birthday</source>
        <translation>Aggiungi nuovo compleanno</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit Selected Birthday</source>
        <translation>Modifica il compleanno selezionato</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Duplicate</source>
        <translation>Duplica</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Duplicate Birthday</source>
        <translation>Duplica compleanno</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete Selected Birthday</source>
        <translation>Elimina il compleanno selezionato</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Special Events</source>
        <translation>Eventi speciali</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert Special Events</source>
        <translation>Inserisci eventi speciali</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Website</source>
        <translation>Sito web</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 Website</source>
        <translation>Sito web di %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Exit Candlewatcher</source>
        <translation>Esci da Candlewatcher</translation>
    </message>
    <message>
        <location line="-204"/>
        <source>S&amp;ubscriptions...</source>
        <translation>A&amp;bbonamenti...</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../src/ui/app/mainwindow.cpp" line="+82"/>
        <source>No desktop notification service answered: reminders show in the Candlewatcher window.</source>
        <translation>Nessun servizio di notifica del desktop ha risposto: i promemoria vengono mostrati nella finestra di Candlewatcher.</translation>
    </message>
    <message>
        <location line="+98"/>
        <source>Standard Toolbar</source>
        <translation>Barra degli strumenti standard</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 %2 - never miss a birthday again</source>
        <translation>%1 %2 - non dimenticare mai più un compleanno</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Search by name (%1)</source>
        <extracomment>%1 is the key that moves to this field, as the desktop names it (Ctrl+F, Strg+F).</extracomment>
        <translation>Cerca per nome (%1)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Search by name</source>
        <translation>Cerca per nome</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clear the search</source>
        <translation>Cancella la ricerca</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>More toolbar buttons</source>
        <translation>Altri pulsanti della barra degli strumenti</translation>
    </message>
    <message>
        <location line="+112"/>
        <source>Candlewatcher runs in the system tray: closing this window keeps it there, and a click on its icon brings the window back.</source>
        <translation>Candlewatcher resta nell’area di notifica: chiudere questa finestra lo lascia lì, e un clic sulla sua icona riporta la finestra.</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>If you exit then you will not be alerted to any future events.  Are you sure you want to exit?</source>
        <translation>Se esci non riceverai avvisi per gli eventi futuri.  Vuoi davvero uscire?</translation>
    </message>
    <message numerus="yes">
        <location line="+33"/>
        <source>%n event(s) whose writing was cut off (a name without a date) were taken out of the data file; their cells are kept in &quot;%1&quot;.</source>
        <translation>
            <numerusform>%n evento la cui scrittura si è interrotta (un nome senza data) è stato tolto dal file dei dati; le sue celle sono conservate in «%1».</numerusform>
            <numerusform>%n eventi la cui scrittura si è interrotta (un nome senza data) sono stati tolti dal file dei dati; le loro celle sono conservate in «%1».</numerusform>
        </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The data file could not be compacted.</source>
        <translation>Impossibile compattare il file dei dati.</translation>
    </message>
    <message>
        <location line="-354"/>
        <source>The birthdays list could not be read.</source>
        <translation>Impossibile leggere l&apos;elenco dei compleanni.</translation>
    </message>
</context>
<context>
    <name>MissedEvents</name>
    <message numerus="yes">
        <location filename="../src/core/calendar/missedevents.cpp" line="+71"/>
        <source>%1 (%2 - %Ln Years)</source>
        <extracomment>%1 is the event&apos;s name, %2 the missed day.</extracomment>
        <translation>
            <numerusform>%1 (%2 - %Ln anno)</numerusform>
            <numerusform>%1 (%2 - %Ln anni)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NetJob</name>
    <message>
        <location filename="../src/net/netjob.cpp" line="+14"/>
        <source>the server asked for more than %L1 requests in one go; stopped, to be tried again at the next sync</source>
        <translation>il server ha chiesto più di %L1 richieste in una volta; interrotto, si riproverà alla prossima sincronizzazione</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>the user name or the password was refused (401)</source>
        <translation>il nome utente o la password sono stati rifiutati (401)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>access refused (403)</source>
        <translation>accesso negato (403)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not found on the server (404)</source>
        <translation>non trovato sul server (404)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the server failed (%1 %2)</source>
        <translation>errore del server (%1 %2)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>unexpected answer (%1 %2)</source>
        <translation>risposta inattesa (%1 %2)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the answer cannot be read: %1</source>
        <translation>impossibile leggere la risposta: %1</translation>
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
        <translation>%1 — prossimo: %2, %3</translation>
    </message>
</context>
<context>
    <name>NotificationLines</name>
    <message numerus="yes">
        <location filename="../src/ui/presentation/notificationlines.cpp" line="+87"/>
        <source>(%Ln more events)</source>
        <extracomment>The notification&apos;s last line when not every event fits: %Ln is how many more there are.</extracomment>
        <translation>
            <numerusform>(%Ln altro evento)</numerusform>
            <numerusform>(altri %Ln eventi)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NotificationWindow</name>
    <message>
        <location filename="../src/ui/reminders/notificationwindow.cpp" line="+78"/>
        <source>Birthdays Due Today</source>
        <translation>Compleanni di oggi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>close</source>
        <translation>chiudi</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>(No birthdays coming up)</source>
        <translation>(Nessun compleanno in arrivo)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(No birthdays today)</source>
        <translation>(Nessun compleanno oggi)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Birthdays Due Soon</source>
        <translation>Compleanni in arrivo</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <location filename="../src/platform/notifier.h" line="+35"/>
        <source>Show Candlewatcher</source>
        <translation>Mostra Candlewatcher</translation>
    </message>
</context>
<context>
    <name>Occurrence</name>
    <message>
        <location filename="../src/core/calendar/occurrence.cpp" line="+102"/>
        <source>today</source>
        <extracomment>The list&apos;s narrow &quot;In&quot; column and the tray icon&apos;s tip: keep it short.</extracomment>
        <translation>oggi</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>tomorrow</source>
        <extracomment>The list&apos;s narrow &quot;In&quot; column and the tray icon&apos;s tip: keep it short.</extracomment>
        <translation>domani</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>in %Ln days</source>
        <extracomment>The list&apos;s narrow &quot;In&quot; column and the tray icon&apos;s tip: keep it short.</extracomment>
        <translation>
            <numerusform>tra %Ln giorno</numerusform>
            <numerusform>tra %Ln giorni</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <location filename="../src/ui/dialogs/preferencesdialog.cpp" line="+57"/>
        <source>Candlewatcher Preferences</source>
        <translation>Preferenze di Candlewatcher</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Confirmation</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Confirm before &amp;deleting a birthday</source>
        <translation>Chiedi conferma prima di &amp;eliminare un compleanno</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Confirm before &amp;exiting Candlewatcher</source>
        <translation>Chiedi conferma prima di &amp;uscire da Candlewatcher</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Notification</source>
        <translation>Notifica</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show the Notification window:</source>
        <translation>Mostra la finestra di notifica:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Every &amp;hour</source>
        <translation>Ogni &amp;ora</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;very day</source>
        <translation>Ogni &amp;giorno</translation>
    </message>
    <message>
        <location filename="../src/platform/windows/startcaption.cpp" line="+7"/>
        <source>Only when &amp;Windows starts up</source>
        <translation>Solo all&apos;avvio di &amp;Windows</translation>
    </message>
    <message>
        <location filename="../src/platform/posix/startcaption.cpp" line="+7"/>
        <source>Only when Candlewatcher &amp;starts</source>
        <translation>Solo all&apos;a&amp;vvio di Candlewatcher</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/preferencesdialog.cpp" line="+21"/>
        <source>Alerts</source>
        <extracomment>Frame title: the alert windows that open on an event&apos;s day (a noun, not a verb).</extracomment>
        <translation>Avvisi</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show &amp;alerts at the following time each day:</source>
        <translation>Mostra gli &amp;avvisi ogni giorno alla seguente ora:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>(24 hour clock)</source>
        <translation>(formato 24 ore)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Reminders</source>
        <translation>Promemoria</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show reminders as:</source>
        <translation>Mostra i promemoria come:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the Candlewatcher window</source>
        <translation>la finestra di Candlewatcher</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>desktop notifications</source>
        <translation>notifiche del desktop</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Leap-day events in other years:</source>
        <translation>Eventi del 29 febbraio negli anni non bisestili:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>28 February</source>
        <translation>28 febbraio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 March</source>
        <translation>1º marzo</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Subscriptions</source>
        <translation>Abbonamenti</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>S&amp;ync subscriptions every (hours):</source>
        <translation>&amp;Sincronizza gli abbonamenti ogni (ore):</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>only at start</source>
        <extracomment>Shown for 0 hours: subscriptions sync when the program starts and on Sync Now only.</extracomment>
        <translation>solo all&apos;avvio</translation>
    </message>
</context>
<context>
    <name>Publisher</name>
    <message>
        <location filename="../src/core/sync/publisher.cpp" line="+229"/>
        <source>Published to %1: %2</source>
        <extracomment>%1 is the calendar&apos;s name, %2 what was sent or why it failed.</extracomment>
        <translation>Pubblicato in %1: %2</translation>
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
        <translation>Non ci sono eventi in arrivo</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>There are no events today</source>
        <translation>Non ci sono eventi oggi</translation>
    </message>
    <message numerus="yes">
        <location line="+49"/>
        <source>%1 (%2 - %Ln Years)</source>
        <extracomment>%1 is the event&apos;s name, %2 its date, %Ln the years since the date (an age, or an anniversary&apos;s count: a wording for both). The notification window cuts long names short: keep %1 first, the rest in parentheses.</extracomment>
        <translation>
            <numerusform>%1 (%2 - %Ln anno)</numerusform>
            <numerusform>%1 (%2 - %Ln anni)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+26"/>
        <location filename="../src/ui/presentation/notificationlines.cpp" line="-52"/>
        <source>%1 (%Ln Years)</source>
        <extracomment>%1 is the event&apos;s name, %Ln the years since its date: an age for a birthday, a count of years for an anniversary or any other event, so a wording that fits both (the list&apos;s &quot;Age&quot; column has a message of its own). The notification window cuts long names short: keep %1 first, the rest in parentheses.</extracomment>
        <translation>
            <numerusform>%1 (%Ln anno)</numerusform>
            <numerusform>%1 (%Ln anni)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReminderRunner</name>
    <message>
        <location filename="../src/ui/reminders/reminderrunner.cpp" line="+23"/>
        <source>Birthdays Due Today</source>
        <translation>Compleanni di oggi</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Birthdays Due Soon</source>
        <translation>Compleanni in arrivo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Missed While Away</source>
        <translation>Persi durante l&apos;assenza</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Missed: %1</source>
        <translation>Perso: %1</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>Candlewatcher Alert</source>
        <translation>Avviso di Candlewatcher</translation>
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
        <translation>Ripristina da backup</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Choose the backup to restore.  Your events as they are now are kept as a backup of today first.</source>
        <translation>Scegli il backup da ripristinare.  Prima i tuoi eventi attuali vengono salvati come backup di oggi.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Backups</source>
        <translation>Backup</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Backup of</source>
        <translation>Backup del</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Events</source>
        <translation>Eventi</translation>
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
        <translation>illeggibile</translation>
    </message>
</context>
<context>
    <name>ShellLaunch</name>
    <message>
        <location filename="../src/ui/web/shelllaunch.cpp" line="+31"/>
        <source>%1 could not open %2.</source>
        <translation>%1 non è riuscito ad aprire %2.</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <location filename="../src/platform/posix/singleinstance.cpp" line="+53"/>
        <source>No folder for the single-copy socket in &quot;%1&quot; (%2); another running copy will not be noticed.</source>
        <translation>Nessuna cartella per il socket della copia unica in «%1» (%2); un&apos;altra copia in esecuzione non verrà notata.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The temporary folder&apos;s path &quot;%1&quot; is too long for the single-copy socket; another running copy will not be noticed.</source>
        <translation>Il percorso della cartella temporanea «%1» è troppo lungo per il socket della copia unica; un&apos;altra copia in esecuzione non verrà notata.</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>No private folder for the lock file (%1); another running copy will not be noticed.</source>
        <translation>Nessuna cartella privata per il file di blocco (%1): un&apos;altra copia in esecuzione non verrà rilevata.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>cannot be read: %1</source>
        <translation>non è leggibile: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>is a symbolic link</source>
        <translation>è un collegamento simbolico</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>is not a folder</source>
        <translation>non è una cartella</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>belongs to another user</source>
        <translation>appartiene a un altro utente</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>is open to other users</source>
        <translation>è accessibile ad altri utenti</translation>
    </message>
    <message>
        <location filename="../src/platform/singleinstance.cpp" line="+72"/>
        <source>Cannot make the lock file &quot;%1&quot;; another running copy will not be noticed.</source>
        <translation>Impossibile creare il file di blocco &quot;%1&quot;: un&apos;altra copia in esecuzione non verrà rilevata.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Candlewatcher is already running, but it does not answer.</source>
        <translation>Candlewatcher è già in esecuzione, ma non risponde.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Cannot listen for later starts on &quot;%1&quot;: %2</source>
        <translation>Impossibile restare in ascolto di avvii successivi su &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>SubscriptionGuard</name>
    <message>
        <location filename="../src/core/sync/subscriptionguard.cpp" line="+18"/>
        <source>&quot;%1&quot; is in use by another copy of Candlewatcher.</source>
        <translation>&quot;%1&quot; è in uso da un&apos;altra copia di Candlewatcher.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cannot lock &quot;%1&quot; to change it.</source>
        <translation>Impossibile bloccare &quot;%1&quot; per modificarlo.</translation>
    </message>
</context>
<context>
    <name>SubscriptionSetup</name>
    <message>
        <location filename="../src/core/sync/subscriptionsetup.cpp" line="+44"/>
        <source>Give the address of a server, an address book or a calendar, such as https://example.com/remote.php/dav.</source>
        <translation>Indica l&apos;indirizzo di un server, di una rubrica o di un calendario, ad esempio https://example.com/remote.php/dav.</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>This copy of Candlewatcher was built without network access.</source>
        <translation>Questa copia di Candlewatcher è stata compilata senza accesso alla rete.</translation>
    </message>
    <message>
        <location line="-78"/>
        <source>Looking for address books and calendars at %1...</source>
        <translation>Ricerca di rubriche e calendari su %1...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No address book or calendar was found there.</source>
        <translation>Lì non è stata trovata nessuna rubrica né calendario.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Reading &quot;%1&quot;...</source>
        <translation>Lettura di &quot;%1&quot;...</translation>
    </message>
</context>
<context>
    <name>Subscriptions</name>
    <message>
        <location filename="../src/core/sync/subscriptions.cpp" line="+226"/>
        <source>The subscriptions file &quot;%1&quot; is larger than %2 MB, more than this program writes: it is not read.</source>
        <translation>Il file delle sottoscrizioni «%1» supera %2 MB, più di quanto scrive questo programma: non viene letto.</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>The subscriptions file &quot;%1&quot; is damaged: %2.</source>
        <translation>Il file delle sottoscrizioni &quot;%1&quot; è danneggiato: %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The subscriptions file &quot;%1&quot; was written by a newer version of the program.</source>
        <translation>Il file delle sottoscrizioni &quot;%1&quot; è stato scritto da una versione più recente del programma.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>The subscriptions file &quot;%1&quot; is damaged: an entry in it does not read.</source>
        <translation>Il file delle sottoscrizioni &quot;%1&quot; è danneggiato: una sua voce non è leggibile.</translation>
    </message>
    <message>
        <location line="-94"/>
        <source>You subscribe to &quot;%1&quot; already.</source>
        <translation>Sei già abbonato a &quot;%1&quot;.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Your events are published to &quot;%1&quot; already: remove that first.</source>
        <translation>I tuoi eventi sono già pubblicati in &quot;%1&quot;: rimuovi prima quella pubblicazione.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&quot;%1&quot; cannot be subscribed to and published to at once: your events would come back as subscribed ones.</source>
        <translation>Non è possibile abbonarsi a &quot;%1&quot; e pubblicarvi allo stesso tempo: i tuoi eventi tornerebbero come eventi in abbonamento.</translation>
    </message>
</context>
<context>
    <name>SubscriptionsDialog</name>
    <message>
        <location filename="../src/ui/dialogs/subscriptionsdialog.cpp" line="+27"/>
        <source>Address book</source>
        <translation>Rubrica</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Calendar address</source>
        <translation>Indirizzo di calendario</translation>
    </message>
    <message>
        <location line="+50"/>
        <location line="+51"/>
        <source>Subscriptions</source>
        <translation>Abbonamenti</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+101"/>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <location line="-101"/>
        <source>Last sync</source>
        <translation>Ultima sincronizzazione</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Result</source>
        <translation>Esito</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Add...</source>
        <translation>&amp;Aggiungi...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Remove</source>
        <translation>&amp;Rimuovi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Sync Now</source>
        <translation>&amp;Sincronizza ora</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Address books and calendars whose birthdays and events are kept in step with your list.</source>
        <translation>Rubriche e calendari i cui compleanni ed eventi restano allineati con il tuo elenco.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Addr&amp;ess:</source>
        <translation>Indiri&amp;zzo:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;User name:</source>
        <translation>Nome &amp;utente:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Password:</source>
        <translation>&amp;Password:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The address of your server (for Nextcloud https://HOST/remote.php/dav), of an address book or calendar, or of a calendar file (https:// or webcal://). Leave the user name empty for a public calendar.</source>
        <translation>L&apos;indirizzo del tuo server (per Nextcloud https://HOST/remote.php/dav), di una rubrica o di un calendario, o di un file di calendario (https:// o webcal://). Lascia vuoto il nome utente per un calendario pubblico.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Find</source>
        <translation>&amp;Trova</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+25"/>
        <location line="+34"/>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <location line="-40"/>
        <source>&amp;Choose the address book or calendar to subscribe to:</source>
        <translation>S&amp;cegli la rubrica o il calendario a cui abbonarti:</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+16"/>
        <source>Pre&amp;view</source>
        <translation>&amp;Anteprima</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>What the subscription adds</source>
        <translation>Cosa aggiunge l&apos;abbonamento</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>What happens</source>
        <translation>Cosa succede</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>S&amp;ubscribe</source>
        <translation>A&amp;bbonati</translation>
    </message>
    <message>
        <location line="+57"/>
        <location line="+15"/>
        <source>Never</source>
        <translation>Mai</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Syncing...</source>
        <translation>Sincronizzazione...</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Remove the subscription to &quot;%1&quot;.

Remove its events from your list too? Yes removes them; No keeps them as your own. Events you changed here are kept either way.</source>
        <translation>Rimozione dell&apos;abbonamento a &quot;%1&quot;.

Rimuovere anche i suoi eventi dal tuo elenco? Sì li rimuove; No li mantiene come tuoi. Gli eventi che hai modificato qui restano comunque.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The subscription could not be removed.</source>
        <translation>Impossibile rimuovere l&apos;abbonamento.</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Added</source>
        <translation>Aggiunto</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Linked to the event in your list</source>
        <translation>Collegato all&apos;evento del tuo elenco</translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>Subscribing adds %Ln events.</source>
        <extracomment>%Ln is the number of events the subscription adds to the list.</extracomment>
        <translation>
            <numerusform>L&apos;abbonamento aggiunge %Ln evento.</numerusform>
            <numerusform>L&apos;abbonamento aggiunge %Ln eventi.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%Ln events already in your list are linked to it.</source>
        <extracomment>%Ln is the number of events of the list the subscription takes over.</extracomment>
        <translation>
            <numerusform>%Ln evento già nel tuo elenco viene collegato.</numerusform>
            <numerusform>%Ln eventi già nel tuo elenco vengono collegati.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%Ln dates are left out.</source>
        <extracomment>%Ln is the number of the calendar&apos;s dates the list cannot hold.</extracomment>
        <translation>
            <numerusform>%Ln data viene tralasciata.</numerusform>
            <numerusform>%Ln date vengono tralasciate.</numerusform>
        </translation>
    </message>
    <message>
        <location line="-307"/>
        <source>The password could not be kept.</source>
        <translation>Impossibile conservare la password.</translation>
    </message>
    <message>
        <location line="+329"/>
        <source>Not every event of the subscription was added.</source>
        <translation>Non tutti gli eventi dell&apos;abbonamento sono stati aggiunti.</translation>
    </message>
    <message>
        <location line="-243"/>
        <source>&amp;Publish my events to this calendar instead</source>
        <translation>&amp;Pubblica invece i miei eventi in questo calendario</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Publis&amp;h</source>
        <translation>Pu&amp;bblica</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>Publishing to %1</source>
        <translation>Pubblicazione in %1</translation>
    </message>
    <message>
        <location line="+172"/>
        <source>Stop publishing your events to &quot;%1&quot;.

Delete the published events from that calendar too? Yes deletes them; No leaves them there.</source>
        <translation>Interruzione della pubblicazione dei tuoi eventi in &quot;%1&quot;.

Eliminare anche gli eventi pubblicati da quel calendario? Sì li elimina; No li lascia lì.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Publishing could not be stopped.</source>
        <translation>Impossibile interrompere la pubblicazione.</translation>
    </message>
</context>
<context>
    <name>SyncCommands</name>
    <message>
        <location filename="../src/ui/app/synccommands.cpp" line="+37"/>
        <source>No secret service keeps the password: it is asked for once a session.

</source>
        <translation>Nessun servizio di segreti conserva la password: viene chiesta una volta per sessione.

</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Password of %1 at %2:</source>
        <extracomment>%1 is a user name, %2 an address.</extracomment>
        <translation>Password di %1 su %2:</translation>
    </message>
</context>
<context>
    <name>SyncPlan</name>
    <message>
        <location filename="../src/core/sync/syncplan.cpp" line="+124"/>
        <source>: no room: </source>
        <translation>: spazio esaurito: </translation>
    </message>
</context>
<context>
    <name>SyncQueue</name>
    <message>
        <location filename="../src/core/sync/publisher.cpp" line="-75"/>
        <location filename="../src/core/sync/syncqueue.cpp" line="+119"/>
        <source>This copy of Candlewatcher was built without network access.</source>
        <translation>Questa copia di Candlewatcher è stata compilata senza accesso alla rete.</translation>
    </message>
    <message>
        <location filename="../src/core/sync/secretstore.h" line="+61"/>
        <source>No password for %1 (user %2). Choose Sync Now in Birthdays &gt; Subscriptions... to type it in: it is kept in the desktop&apos;s secret service, where the command line finds it too.</source>
        <extracomment>%1 is the server&apos;s address, %2 the user name. Birthdays &gt; Subscriptions... and Sync Now are the program&apos;s own menu item and button.</extracomment>
        <translation>Nessuna password per %1 (utente %2). Scegli Sincronizza ora in Compleanni &gt; Abbonamenti... per digitarla: viene conservata nel servizio dei segreti del desktop, dove la trova anche la riga di comando.</translation>
    </message>
</context>
<context>
    <name>SyncRun</name>
    <message>
        <location filename="../src/core/sync/publisher.cpp" line="+50"/>
        <location filename="../src/core/sync/syncrun.cpp" line="+32"/>
        <source>%L1 added, %L2 updated, %L3 removed</source>
        <translation>%L1 aggiunti, %L2 aggiornati, %L3 rimossi</translation>
    </message>
    <message>
        <location filename="../src/core/sync/syncrun.cpp" line="+5"/>
        <source>, %L1 detached</source>
        <translation>, %L1 scollegati</translation>
    </message>
    <message>
        <location filename="../src/core/sync/publisher.cpp" line="+5"/>
        <location filename="../src/core/sync/syncrun.cpp" line="+2"/>
        <source>, %L1 left out</source>
        <translation>, %L1 esclusi</translation>
    </message>
</context>
<context>
    <name>SyncService</name>
    <message>
        <location filename="../src/app/syncservice.cpp" line="+55"/>
        <source>Syncing &quot;%1&quot;...</source>
        <translation>Sincronizzazione di &quot;%1&quot;...</translation>
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
        <translation>Nessun servizio dei segreti (GNOME Keyring, KWallet) ha risposto: le password vengono chieste una volta per sessione e non conservate. Avviane o installane uno per conservarle.</translation>
    </message>
</context>
<context>
    <name>VCardReader</name>
    <message>
        <location filename="../src/core/exchange/vcardreader.cpp" line="+281"/>
        <source>Contact on line %1</source>
        <translation>Contatto alla riga %1</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>its name is damaged quoted-printable text</source>
        <translation>il suo nome è testo quoted-printable danneggiato</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>line %1 is not a vCard line</source>
        <translation>la riga %1 non è una riga vCard</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the contact has no name</source>
        <translation>il contatto non ha un nome</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>its birthday &quot;%1&quot; is not a date</source>
        <translation>il suo compleanno &quot;%1&quot; non è una data</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>its anniversary &quot;%1&quot; is not a date</source>
        <translation>il suo anniversario &quot;%1&quot; non è una data</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>no birthday or anniversary</source>
        <translation>nessun compleanno o anniversario</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>It is not a vCard file: it does not start with BEGIN:VCARD.</source>
        <translation>Non è un file vCard: non inizia con BEGIN:VCARD.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>the contact has no END:VCARD line</source>
        <translation>il contatto non ha la riga END:VCARD</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The file ends in the middle of a contact (it has no END:VCARD line after line %1): it looks cut off.</source>
        <translation>Il file termina a metà di un contatto (manca la riga END:VCARD dopo la riga %1): sembra troncato.</translation>
    </message>
</context>
<context>
    <name>WebTexts</name>
    <message>
        <location filename="../src/core/comments/webtexts.h" line="+20"/>
        <source>%1 was unable to connect to the internet.  Please connect manually and then try again.</source>
        <extracomment>%1 is the program&apos;s full title.</extracomment>
        <translation>%1 non è riuscito a connettersi a Internet.  Connettiti manualmente e riprova.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>You have not entered any information.  Please enter either a comment or suggestion into the space provided.</source>
        <translation>Non hai inserito alcuna informazione.  Scrivi un commento o un suggerimento nello spazio apposito.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>There was a problem sending your information to %1.  Please check you are connected to the internet correctly, and if the problem persists, try again later.</source>
        <extracomment>%1 is the organisation&apos;s name.</extracomment>
        <translation>Si è verificato un problema durante l&apos;invio delle informazioni a %1.  Verifica di essere connesso correttamente a Internet e, se il problema persiste, riprova più tardi.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Your comments and suggestions have been sent to %1.  Thank you very much for your input.</source>
        <extracomment>%1 is the organisation&apos;s name.</extracomment>
        <translation>I tuoi commenti e suggerimenti sono stati inviati a %1.  Grazie mille per il tuo contributo.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 welcomes any comments and suggestions from its users.  Please fill in the boxes below and click on send.  This service is completely anonymous.</source>
        <extracomment>%1 is the organisation&apos;s name.</extracomment>
        <translation>%1 accoglie volentieri commenti e suggerimenti dai suoi utenti.  Compila i riquadri qui sotto e fai clic su Invia.  Questo servizio è completamente anonimo.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 welcomes any comments and suggestions from its users.  Please fill in the boxes below and click on send.</source>
        <extracomment>%1 is the organisation&apos;s name.</extracomment>
        <translation>%1 accoglie volentieri commenti e suggerimenti dai suoi utenti.  Compila i riquadri qui sotto e fai clic su Invia.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Please wait while your information is being sent to the %1 website...</source>
        <extracomment>%1 is the organisation&apos;s name.</extracomment>
        <translation>Attendi mentre le tue informazioni vengono inviate al sito web di %1...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>System Information is currently unavailable.  Please try again later.</source>
        <translation>Le informazioni di sistema non sono al momento disponibili.  Riprova più tardi.</translation>
    </message>
</context>
<context>
    <name>WellKnownDays</name>
    <message>
        <location filename="../src/core/events/wellknowndays.cpp" line="+17"/>
        <source>New Year&apos;s Day</source>
        <translation>Capodanno</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sherlock Holmes Birthday</source>
        <translation>Compleanno di Sherlock Holmes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Baptism of Jesus</source>
        <translation>Battesimo di Gesù</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>World Religion Day</source>
        <translation>Giornata mondiale della religione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Epiphany</source>
        <translation>Epifania</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Martin Luther King Jr. Day</source>
        <translation>Giornata di Martin Luther King</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Burn&apos;s Night</source>
        <translation>Notte di Burns</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Groundhog Day</source>
        <translation>Giorno della marmotta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Valentines Day</source>
        <translation>San Valentino</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lantern Festival</source>
        <translation>Festa delle lanterne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>St. David&apos;s Day</source>
        <translation>San Davide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>International Women&apos;s Day</source>
        <translation>Giornata internazionale della donna</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>St. Patrick&apos;s Day</source>
        <translation>San Patrizio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>April Fool&apos;s Day</source>
        <translation>Pesce d&apos;aprile</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>St. Georges Day</source>
        <translation>San Giorgio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>May Day</source>
        <translation>Primo maggio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mother&apos;s Day (US)</source>
        <translation>Festa della mamma (USA)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pentecost</source>
        <translation>Pentecoste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trinity</source>
        <translation>Santissima Trinità</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dragon Boat Festival</source>
        <translation>Festa delle barche drago</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>Mothers Day (UK)</source>
        <translation>Festa della mamma (Regno Unito)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Buddha&apos;s Birthday (Korea)</source>
        <translation>Compleanno di Buddha (Corea)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Holocaust Rememberance Day (Israel)</source>
        <translation>Giornata del ricordo dell’Olocausto (Israele)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Father&apos;s Day (US, UK)</source>
        <translation>Festa del papà (USA, Regno Unito)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>International Joke Day</source>
        <translation>Giornata internazionale della barzelletta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Independence Day (US)</source>
        <translation>Giorno dell&apos;Indipendenza (USA)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bastille Day (France)</source>
        <translation>Presa della Bastiglia (Francia)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Friendship Day</source>
        <translation>Giornata dell&apos;amicizia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chinese Valentines Day</source>
        <translation>San Valentino cinese</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ghandi&apos;s Birthday</source>
        <translation>Compleanno di Gandhi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Oktoberfest</source>
        <translation>Oktoberfest</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Black Thursday</source>
        <translation>Giovedì nero</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All Saints&apos; Day</source>
        <translation>Ognissanti</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Guy Fawkes Day</source>
        <translation>Notte di Guy Fawkes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>World Peace Day</source>
        <translation>Giornata mondiale della pace</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Children&apos;s Day</source>
        <translation>Giornata dei bambini</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>World AIDS Day</source>
        <translation>Giornata mondiale contro l&apos;AIDS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Advent Begins</source>
        <translation>Inizio dell&apos;Avvento</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>St. Nicholas Day</source>
        <translation>San Nicola</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pearl Harbour Day (US)</source>
        <translation>Giorno di Pearl Harbor (USA)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Christmas Eve</source>
        <translation>Vigilia di Natale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Christmas Day</source>
        <translation>Natale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Boxing Day</source>
        <translation>Santo Stefano</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New Year&apos;s Eve</source>
        <translation>San Silvestro</translation>
    </message>
</context>
<context>
    <name>WellKnownDaysDialog</name>
    <message>
        <location filename="../src/ui/dialogs/wellknowndaysdialog.cpp" line="+56"/>
        <source>Special Events</source>
        <translation>Eventi speciali</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Event Name</source>
        <translation>Nome dell&apos;evento</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Event Date</source>
        <translation>Data dell&apos;evento</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Please select any dates you want to add.  Use the Control key to select more than one.</source>
        <translation>Seleziona le date che vuoi aggiungere.  Usa il tasto Ctrl per selezionarne più di una.</translation>
    </message>
    <message numerus="yes">
        <location line="+123"/>
        <source>None of the %Ln selected events could be added.

%1</source>
        <extracomment>%Ln is the number of days chosen, %1 why they could not be added.</extracomment>
        <translation>
            <numerusform>Non è stato possibile aggiungere %Ln evento selezionato.

%1</numerusform>
            <numerusform>Non è stato possibile aggiungere nessuno dei %Ln eventi selezionati.

%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>Only %1 of the %Ln selected events were added; the rest could not be added.

%2</source>
        <extracomment>%1 is how many were added, %Ln how many were chosen, %2 why the rest were not.</extracomment>
        <translation>
            <numerusform>È stato aggiunto solo %1 di %Ln evento selezionato; non è stato possibile aggiungere gli altri.

%2</numerusform>
            <numerusform>Sono stati aggiunti solo %1 dei %Ln eventi selezionati; non è stato possibile aggiungere gli altri.

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
        <translation>giorno %1 del mese %2</translation>
    </message>
    <message>
        <location line="-126"/>
        <source>on %1 in the Chinese calendar</source>
        <extracomment>%1 is a day and month of the Chinese calendar, as ICU writes it (&quot;Second Month 26&quot;).</extracomment>
        <translation>il %1 del calendario cinese</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>on %1 in the Hebrew calendar</source>
        <extracomment>%1 is a day and month of the Hebrew calendar (&quot;27 Nisan&quot;).</extracomment>
        <translation>il %1 del calendario ebraico</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>on %1 in the Islamic calendar</source>
        <extracomment>%1 is a day and month of the Islamic calendar (&quot;1 Ramadan&quot;).</extracomment>
        <translation>il %1 del calendario islamico</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>on the first %1 of %2</source>
        <extracomment>In each, %1 is a weekday (&quot;Sunday&quot;) and %2 a month (&quot;May&quot;).</extracomment>
        <translation>il primo %1 di %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the second %1 of %2</source>
        <translation>il secondo %1 di %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the third %1 of %2</source>
        <translation>il terzo %1 di %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the fourth %1 of %2</source>
        <translation>il quarto %1 di %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the fifth %1 of %2</source>
        <translation>il quinto %1 di %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>on the last %1 of %2</source>
        <translation>l&apos;ultimo %1 di %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the second-last %1 of %2</source>
        <translation>il penultimo %1 di %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the third-last %1 of %2</source>
        <translation>il terzultimo %1 di %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the fourth-last %1 of %2</source>
        <translation>il quartultimo %1 di %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the fifth-last %1 of %2</source>
        <translation>il quintultimo %1 di %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>on Easter Sunday</source>
        <translation>la domenica di Pasqua</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on Orthodox Easter Sunday</source>
        <translation>la domenica di Pasqua ortodossa</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 day(s) after Easter</source>
        <extracomment>%1 is a number of days, 1 or more.</extracomment>
        <translation>%1 giorno/i dopo Pasqua</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 day(s) after Orthodox Easter</source>
        <translation>%1 giorno/i dopola Pasqua ortodossa</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 day(s) before Easter</source>
        <extracomment>%1 is a number of days, 1 or more.</extracomment>
        <translation>%1 giorno/i prima di Pasqua</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 day(s) before Orthodox Easter</source>
        <translation>%1 giorno/i prima della Pasqua ortodossa</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>on this date</source>
        <translation>in questa data</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>on the first %1 on or after %2</source>
        <extracomment>%1 is a weekday (&quot;Saturday&quot;), %2 a day and month (&quot;16/09&quot;).</extracomment>
        <translation>il primo %1 dal %2 in poi</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1, moved when it falls on %2</source>
        <extracomment>%1 is when the day falls (&quot;on 27 Nisan in the Hebrew calendar&quot;), %2 the weekdays it is moved off (&quot;Friday and Sunday&quot;).</extracomment>
        <translation>%1, spostato se cade di %2</translation>
    </message>
</context>
</TS>
