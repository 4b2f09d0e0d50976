<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutDialog</name>
    <message>
        <location filename="../src/ui/web/aboutdialog.cpp" line="+67"/>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Candlewatcher keeps your birthdays, anniversaries and other important dates, and reminds you of them from the system tray in good time.</source>
        <translation>Candlewatcher guarda sus cumpleaños, aniversarios y otras fechas importantes, y se los recuerda con tiempo desde el área de notificación.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>For more information on this or any of our freeware and shareware products, please visit our website at:</source>
        <translation>Para obtener más información sobre este o cualquiera de nuestros productos gratuitos y shareware, visite nuestro sitio web en:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Or e-mail %1 on:</source>
        <translation>O escriba a %1 a:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;System Info...</source>
        <translation>&amp;Información del sistema…</translation>
    </message>
</context>
<context>
    <name>AlertDialog</name>
    <message>
        <location filename="../src/ui/reminders/alertdialog.cpp" line="+52"/>
        <source>Candlewatcher Alert</source>
        <translation>Alerta de Candlewatcher</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Birthdays Due Today</source>
        <translation>Cumpleaños de hoy</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>&amp;Remind Me Again</source>
        <translation>&amp;Recordar más tarde</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>In &amp;10 Minutes</source>
        <translation>En &amp;10 minutos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In 1 &amp;Hour</source>
        <translation>En 1 &amp;hora</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Tomorrow</source>
        <translation>&amp;Mañana</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Missed While Away</source>
        <translation>Perdidos durante su ausencia</translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <location filename="../src/core/store/backups.cpp" line="+26"/>
        <location line="+7"/>
        <source>Cannot read &quot;%1&quot;: %2.</source>
        <translation>No se puede leer «%1»: %2.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <translation>No se puede escribir «%1»: %2.</translation>
    </message>
    <message>
        <location line="+101"/>
        <source>Cannot make the backup of the data file &quot;%1&quot;, so nothing was changed. %2</source>
        <translation>No se puede hacer la copia de seguridad del archivo de datos «%1», así que no se ha cambiado nada. %2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The folder &quot;%1&quot; could not be created.</source>
        <translation>No se ha podido crear la carpeta «%1».</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>it is not a Candlewatcher data file (byte %1 starts no field)</source>
        <translation>no es un archivo de datos de Candlewatcher (ningún campo empieza en el byte %1)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>it is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>it is cut short (its last %Ln bytes are part of a field)</source>
        <extracomment>%Ln is the number of bytes at the file&apos;s end that make no whole field.</extracomment>
        <translation>
            <numerusform>el archivo está cortado (%Ln byte final forma parte de un campo)</numerusform>
            <numerusform>el archivo está cortado (sus últimos %Ln bytes forman parte de un campo)</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The backup &quot;%1&quot; is damaged: %2.</source>
        <translation>La copia de seguridad «%1» está dañada: %2.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The data file &quot;%1&quot; is read-only.</source>
        <translation>El archivo de datos «%1» es de solo lectura.</translation>
    </message>
</context>
<context>
    <name>BirthdayCommands</name>
    <message>
        <location filename="../src/ui/list/birthdaycommands.cpp" line="+23"/>
        <source>You currently have no birthdays in your list.  Please use the New Birthday option to create a birthday.</source>
        <translation>Actualmente no tiene ningún cumpleaños en su lista.  Use la opción Nuevo cumpleaños para crear uno.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>You have not selected a birthday to use.  Please select a birthday from the Birthday&apos;s list and then try again.</source>
        <translation>No ha seleccionado ningún cumpleaños.  Seleccione un cumpleaños de la lista de cumpleaños e inténtelo de nuevo.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>&quot;%1&quot;</source>
        <comment>an event&apos;s name in quotes</comment>
        <translation>«%1»</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The event %1 was changed by another program after the list showed it, so %2.  The list now shows the events as they are.</source>
        <translation>Otro programa ha cambiado el evento %1 después de que la lista lo mostrara, por lo que %2.  La lista muestra ahora los eventos tal como están.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>These events were changed by another program after the list showed them, so %2: %1.  The list now shows the events as they are.</source>
        <translation>Otro programa ha cambiado estos eventos después de que la lista los mostrara, por lo que %2: %1.  La lista muestra ahora los eventos tal como están.</translation>
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
        <translation>«%1» sigue la suscripción «%2».  Cuando lo cambie aquí será suyo: los cambios posteriores de la suscripción ya no le llegan.  ¿Editarlo?</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Because you can only edit one birthay at a time, only the last one you selected will be displayed.</source>
        <translation>Como solo puede editar un cumpleaños a la vez, solo se mostrará el último que haya seleccionado.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>your changes to it were not saved</source>
        <translation>no se han guardado sus cambios</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&quot;%1&quot; could not be duplicated.</source>
        <translation>No se ha podido duplicar «%1».</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it was not duplicated</source>
        <translation>no se ha duplicado</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>they were not duplicated</source>
        <translation>no se han duplicado</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Of the %n selected events: %1 duplicated, %2 not duplicated.</source>
        <extracomment>%n is how many events were selected, %1 how many were copied.</extracomment>
        <translation>
            <numerusform>De los %n eventos seleccionados: %1 duplicado(s), %2 no duplicado(s).</numerusform>
            <numerusform>De los %n eventos seleccionados: %1 duplicados, %2 no duplicados.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+16"/>
        <source>&quot;%1&quot; was duplicated, but the copy keeps its date of this year only.

%2</source>
        <translation>«%1» se ha duplicado, pero la copia solo conserva su fecha de este año.

%2</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Are you sure you want to delete %1 permanently from your birthdays list?</source>
        <translation>¿Está seguro de que desea eliminar %1 de forma permanente de su lista de cumpleaños?</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>Are you sure you want to delete these %Ln items permanently from your birthdays list?</source>
        <extracomment>%Ln is the number of selected events (2 or more).</extracomment>
        <translation>
            <numerusform>¿Está seguro de que desea eliminar este elemento (%Ln) de forma permanente de su lista de cumpleaños?</numerusform>
            <numerusform>¿Está seguro de que desea eliminar estos %Ln elementos de forma permanente de su lista de cumpleaños?</numerusform>
        </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&quot;%1&quot; could not be deleted.</source>
        <translation>No se ha podido eliminar «%1».</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>it was not deleted</source>
        <translation>no se ha eliminado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>they were not deleted</source>
        <translation>no se han eliminado</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Of the %n selected events: %1 deleted, %2 not deleted.</source>
        <extracomment>%n is how many events were selected, %1 how many were deleted.</extracomment>
        <translation>
            <numerusform>De los %n eventos seleccionados: %1 eliminado(s), %2 no eliminado(s).</numerusform>
            <numerusform>De los %n eventos seleccionados: %1 eliminados, %2 no eliminados.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BirthdayDialog</name>
    <message>
        <location filename="../src/ui/dialogs/birthdaydialog.cpp" line="+51"/>
        <source>The name is too long to be saved.  A name can hold at most %1 characters (letters with accents and other special characters count as two or more).</source>
        <translation>El nombre es demasiado largo para guardarlo.  Un nombre puede tener como máximo %1 caracteres (las letras con tilde y otros caracteres especiales cuentan como dos o más).</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 and %2</source>
        <extracomment>the last two items of a list: &quot;a, b and c&quot;</extracomment>
        <translation>%1 y %2</translation>
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
        <translation>Añadir nuevo cumpleaños</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Edit Birthday Details</source>
        <translation>Editar los detalles del cumpleaños</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>New Birthday</source>
        <translation>Nuevo cumpleaños</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Occurs On</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Repeats every year</source>
        <translation>Se repite cada año</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Display number of years</source>
        <translation>Mostrar el número de años</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Repeats</source>
        <translation>Repetición</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Notify From</source>
        <translation>Notificar desde</translation>
    </message>
    <message numerus="yes">
        <location line="+13"/>
        <source>day(s) in advance</source>
        <extracomment>After the box with the number of days ahead to be notified; the number is the box&apos;s.</extracomment>
        <translation>
            <numerusform>día antes</numerusform>
            <numerusform>días antes</numerusform>
        </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>On the Day</source>
        <translation>El mismo día</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>the date</source>
        <translation>la fecha</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>whether it repeats every year</source>
        <translation>si se repite cada año</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>what happens on the day</source>
        <translation>qué ocurre el mismo día</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>whether the number of years is displayed</source>
        <translation>si se muestra el número de años</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Some details of this event could not be read: %1.  They are shown with the values a new event starts with.  Press OK to save the event with what you see, or Cancel to leave it unchanged.</source>
        <translation>No se han podido leer algunos datos de este evento: %1.  Se muestran con los valores con los que empieza un evento nuevo.  Pulse Aceptar para guardar el evento tal como lo ve, o Cancelar para dejarlo sin cambios.</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>You have not entered a valid name for this birthday.  Please check and try again.</source>
        <translation>No ha introducido un nombre válido para este cumpleaños.  Revíselo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>You have not entered a valid date for this birthday.  Please check and try again.</source>
        <translation>No ha introducido una fecha válida para este cumpleaños.  Revísela e inténtelo de nuevo.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A date without a year repeats every year: tick &quot;Repeats every year&quot; or give the year.</source>
        <translation>Una fecha sin año se repite cada año: marque «Se repite cada año» o indique el año.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The Notify From value must be a number that is zero or over.  Please check and try again.</source>
        <translation>El valor de Notificar desde debe ser un número igual o mayor que cero.  Revíselo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <location line="-40"/>
        <location line="+65"/>
        <location line="+25"/>
        <source>The event could not be saved.

%1</source>
        <translation>No se ha podido guardar el evento.

%1</translation>
    </message>
</context>
<context>
    <name>BirthdayInput</name>
    <message>
        <location filename="../src/core/events/birthdayinput.h" line="+25"/>
        <source>Show a Dialog</source>
        <extracomment>What happens on the event&apos;s day: an alert window opens.</extracomment>
        <translation>Mostrar un diálogo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Do Nothing!</source>
        <extracomment>What happens on the event&apos;s day: no alert window, the event is only listed in the notification. The exclamation mark is part of the program&apos;s wording.</extracomment>
        <translation>¡No hacer nada!</translation>
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
Sigue la suscripción «%2»: un cambio allí lo cambia aquí.</translation>
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
        <translation>Nombre</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Date</source>
        <extracomment>Column header of the event list: the date stored with the event (year, month, day).</extracomment>
        <translation>Fecha</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Next</source>
        <extracomment>Column header of the event list: the date the event falls on next (not &quot;the next one&quot;).</extracomment>
        <translation>Próxima</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>In</source>
        <extracomment>Column header of the event list: how long until the event (&quot;today&quot;, &quot;in 3 days&quot;). A narrow column: one short word.</extracomment>
        <translation>Cuándo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Age</source>
        <extracomment>Column header of the event list: the years since the date (a person&apos;s age).</extracomment>
        <translation>Edad</translation>
    </message>
</context>
<context>
    <name>BirthdayListView</name>
    <message>
        <location filename="../src/ui/list/birthdaylistview.cpp" line="+73"/>
        <source>Birthdays List</source>
        <translation>Lista de cumpleaños</translation>
    </message>
</context>
<context>
    <name>BirthdayStore</name>
    <message>
        <location filename="../src/core/store/birthdaystore.cpp" line="+90"/>
        <source>The record key %1 is not valid: keys run from 0 to %2.</source>
        <translation>La clave de registro %1 no es válida: las claves van de 0 a %2.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>it is in use by another running copy of Candlewatcher</source>
        <translation>lo está usando otra copia de Candlewatcher en ejecución</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the folder &quot;%1&quot; does not exist</source>
        <translation>la carpeta «%1» no existe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no permission to create &quot;%1&quot;</source>
        <translation>no hay permiso para crear «%1»</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&quot;%1&quot; could not be created or locked (%2)</source>
        <translation>no se ha podido crear ni bloquear «%1» (%2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&quot;%1&quot; could not be created</source>
        <translation>no se ha podido crear «%1»</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cannot lock the data file &quot;%1&quot;: %2.</source>
        <translation>No se puede bloquear el archivo de datos «%1»: %2.</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Cannot write the data file &quot;%1&quot;: another program keeps replacing it.</source>
        <translation>No se puede escribir el archivo de datos «%1»: otro programa lo sustituye una y otra vez.</translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>The data file &quot;%1&quot; already holds %Ln events, the most it can hold.</source>
        <extracomment>%1 is the data file, %Ln the number of events it holds: the most it can.</extracomment>
        <translation>
            <numerusform>El archivo de datos «%1» ya contiene %Ln evento, el máximo que admite.</numerusform>
            <numerusform>El archivo de datos «%1» ya contiene %Ln eventos, el máximo que admite.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+14"/>
        <source>The data file &quot;%1&quot; already holds %Ln events, the most it can hold: delete one to make room for another.</source>
        <extracomment>%1 is the data file, %Ln the number of events it holds: the most it can.</extracomment>
        <translation>
            <numerusform>El archivo de datos «%1» ya contiene %Ln evento, el máximo que admite: elimine uno para dejar sitio a otro.</numerusform>
            <numerusform>El archivo de datos «%1» ya contiene %Ln eventos, el máximo que admite: elimine uno para dejar sitio a otro.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+120"/>
        <location line="+34"/>
        <source>There is no field &quot;%1&quot; in the data file.</source>
        <translation>No hay ningún campo «%1» en el archivo de datos.</translation>
    </message>
    <message>
        <location line="+117"/>
        <source>The %1 &quot;%2&quot; is too long: it takes %3 bytes, and the data file holds at most %4.</source>
        <extracomment>%1 is the name of a field of the data file (Name, Date, …), kept in English.</extracomment>
        <translation>El campo %1 «%2» es demasiado largo: ocupa %3 bytes y el archivo de datos admite como máximo %4.</translation>
    </message>
    <message>
        <location filename="../src/core/store/storecompaction.cpp" line="+54"/>
        <source>Cannot compact the data file &quot;%1&quot;: another program keeps replacing it.</source>
        <translation>No se puede compactar el archivo de datos «%1»: otro programa lo sustituye una y otra vez.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Cannot delete the leftover file &quot;%1&quot;: %2.</source>
        <translation>No se puede eliminar el archivo sobrante «%1»: %2.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Cannot compact the data file &quot;%1&quot;: it is read-only.</source>
        <translation>No se puede compactar el archivo de datos «%1»: es de solo lectura.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot create the file &quot;%1&quot;: %2.</source>
        <translation>No se puede crear el archivo «%1»: %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+79"/>
        <source>Cannot write the file &quot;%1&quot;: %2.</source>
        <translation>No se puede escribir el archivo «%1»: %2.</translation>
    </message>
    <message>
        <location line="-24"/>
        <source>Cannot put the compacted copy in place of the data file &quot;%1&quot;: %2.</source>
        <translation>No se puede poner la copia compactada en lugar del archivo de datos «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>CalendarExchange</name>
    <message>
        <location filename="../src/core/exchange/calendarexchange.cpp" line="+30"/>
        <source>(an event without a name)</source>
        <translation>(un evento sin nombre)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>it could not be read: %1</source>
        <translation>no se ha podido leer: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the event has no name</source>
        <translation>el evento no tiene nombre</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it moves one day of a repeating event</source>
        <translation>mueve un día de un evento periódico</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the event has no start date</source>
        <translation>el evento no tiene fecha de inicio</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>its start is not a date</source>
        <translation>su inicio no es una fecha</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it was cancelled</source>
        <translation>se ha cancelado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is not an all-day event</source>
        <translation>no es un evento de todo el día</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it does not repeat on one day every year</source>
        <translation>no se repite en un mismo día cada año</translation>
    </message>
</context>
<context>
    <name>CalendarFeed</name>
    <message>
        <location filename="../src/core/sync/calendarfeed.cpp" line="+55"/>
        <source>not an iCalendar file (no BEGIN:VCALENDAR)</source>
        <translation>no es un archivo iCalendar (falta BEGIN:VCALENDAR)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>text after END:VCALENDAR</source>
        <translation>hay texto después de END:VCALENDAR</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>END:%1 does not close the open component</source>
        <translation>END:%1 no cierra el componente abierto</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>the calendar is cut short (no END:VCALENDAR)</source>
        <translation>el calendario está incompleto (falta END:VCALENDAR)</translation>
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
        <translation>No se puede verificar el certificado de %1: %2

Emitido para: %3
Emitido por: %4
Válido del %5 al %6
Huella SHA-256: %7

Acéptelo para este servidor solo si sabe que es el del propio servidor (compare la huella con la que da su propietario). Si el certificado cambia más adelante, se le volverá a preguntar.

¿Aceptarlo?</translation>
    </message>
</context>
<context>
    <name>CollectionFetch</name>
    <message>
        <location filename="../src/net/collectionfetch.cpp" line="+86"/>
        <source>the server sent its changes in more than %L1 parts; stopped, to be tried again at the next sync</source>
        <translation>el servidor envió sus cambios en más de %L1 partes; detenido, se volverá a intentar en la próxima sincronización</translation>
    </message>
    <message>
        <location line="+104"/>
        <source>no content for %1</source>
        <translation>no hay contenido para %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../src/cli/commandline.cpp" line="+71"/>
        <source>Candlewatcher reminds you of birthdays and other dated events. Without options it starts in the system tray; with one of the options below it does that one thing and ends, whether or not it runs in the tray.</source>
        <translation>Candlewatcher le recuerda los cumpleaños y otros eventos con fecha. Sin opciones, se inicia en el área de notificación; con una de las opciones siguientes, hace solo esa tarea y termina, tanto si se está ejecutando en el área de notificación como si no.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>List the events of the next DAYS days (default 30), soonest first.</source>
        <extracomment>DAYS is the value&apos;s name in the usage line: keep it as it is.</extracomment>
        <translation>Lista los eventos de los próximos DAYS días (30 de forma predeterminada), los más cercanos primero.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>With --upcoming: print a JSON array instead.</source>
        <translation>Con --upcoming: imprime una matriz JSON en su lugar.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>With --import: show what would be imported.</source>
        <translation>Con --import: muestra lo que se importaría.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Write every event to FILE as an iCalendar file (- for standard output).</source>
        <extracomment>FILE is the value&apos;s name in the usage line: keep it as it is.</extracomment>
        <translation>Escribe todos los eventos en FILE como archivo iCalendar (- para la salida estándar).</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>With --upcoming: how many days ahead.</source>
        <translation>Con --upcoming: cuántos días por adelantado.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>With --import: more files to import.</source>
        <translation>Con --import: más archivos que importar.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>--json goes with --upcoming.</source>
        <translation>--json va con --upcoming.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--dry-run goes with --import.</source>
        <translation>--dry-run va con --import.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>unexpected argument &quot;%1&quot;.</source>
        <translation>argumento inesperado «%1».</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>DAYS must be a whole number from 0 to %1, not &quot;%2&quot;.</source>
        <translation>DAYS debe ser un número entero de 0 a %1, no «%2».</translation>
    </message>
    <message>
        <location filename="../src/cli/exportcommand.cpp" line="+26"/>
        <source>the calendar could not be written to standard output.</source>
        <translation>no se ha podido escribir el calendario en la salida estándar.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>cannot write &quot;%1&quot;: %2</source>
        <extracomment>%1 is the file, %2 why it could not be written.</extracomment>
        <translation>no se puede escribir «%1»: %2</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%Ln events written to %1
</source>
        <extracomment>%Ln is the number of events written, %1 the file.</extracomment>
        <translation>
            <numerusform>%Ln evento escrito en %1
</numerusform>
            <numerusform>%Ln eventos escritos en %1
</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/cli/importcommand.cpp" line="+41"/>
        <source>skipped: %1: %2
</source>
        <extracomment>%1 is an event&apos;s name, %2 why it was not added.</extracomment>
        <translation>omitido: %1: %2
</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>to add: %1 (%2)
</source>
        <extracomment>%1 is an event&apos;s name, %2 its date.</extracomment>
        <translation>para añadir: %1 (%2)
</translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>%Ln events were not added: %1.</source>
        <extracomment>%1 says how many events the data file holds.</extracomment>
        <translation>
            <numerusform>No se ha añadido %Ln evento: %1.</numerusform>
            <numerusform>No se han añadido %Ln eventos: %1.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the files hold no contact or event with a date.</source>
        <translation>los archivos no contienen ningún contacto ni evento con fecha.</translation>
    </message>
    <message>
        <location filename="../src/cli/output.h" line="+30"/>
        <source>candlewatcher: %1
Try &apos;candlewatcher --help&apos;.
</source>
        <extracomment>%1 is what was wrong with the command line.</extracomment>
        <translation>candlewatcher: %1
Pruebe «candlewatcher --help».
</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>candlewatcher: left out, their dates could not be read: %1
</source>
        <translation>candlewatcher: omitidos porque no se han podido leer sus fechas: %1
</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/cli/upcoming.cpp" line="+87"/>
        <source>No events in the next %Ln days.
</source>
        <extracomment>%Ln is the number of days looked ahead.</extracomment>
        <translation>
            <numerusform>No hay eventos en %Ln día.
</numerusform>
            <numerusform>No hay eventos en los próximos %Ln días.
</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/cli/commandline.cpp" line="-47"/>
        <source>Sync every subscribed address book and calendar once.</source>
        <translation>Sincroniza una vez cada libreta de direcciones y cada calendario suscritos.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>give one of --upcoming, --import, --export-ics and --sync.</source>
        <translation>indique una de las opciones --upcoming, --import, --export-ics y --sync.</translation>
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
        <translation>No hay suscripciones.
</translation>
    </message>
</context>
<context>
    <name>CommentsForm</name>
    <message>
        <location filename="../src/ui/web/commentsform.cpp" line="+49"/>
        <source>Comments and Suggestions</source>
        <translation>Comentarios y sugerencias</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Introduction</source>
        <translation>Introducción</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Comments</source>
        <translation>Comentarios</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Suggestions</source>
        <translation>Sugerencias</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Do not display my input on the %1 website</source>
        <translation>No mostrar mis aportaciones en el sitio web de %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Send Now</source>
        <translation>&amp;Enviar ahora</translation>
    </message>
</context>
<context>
    <name>DataFileIo</name>
    <message>
        <location filename="../src/core/store/datafileio.cpp" line="+15"/>
        <source>Cannot write the data file &quot;%1&quot;: %2.</source>
        <translation>No se puede escribir el archivo de datos «%1»: %2.</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Cannot open the data file &quot;%1&quot;: %2.</source>
        <translation>No se puede abrir el archivo de datos «%1»: %2.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cannot read the data file &quot;%1&quot;: %2.</source>
        <translation>No se puede leer el archivo de datos «%1»: %2.</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Cannot open the data file &quot;%1&quot; for writing: %2.</source>
        <translation>No se puede abrir el archivo de datos «%1» para escribir: %2.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>  Part of the change may have been written.</source>
        <translation>  Puede que se haya escrito parte del cambio.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cannot shorten the data file &quot;%1&quot;: %2.</source>
        <translation>No se puede acortar el archivo de datos «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>DavDiscovery</name>
    <message>
        <location filename="../src/net/davdiscovery.cpp" line="+45"/>
        <source>not an http, https or webcal address</source>
        <translation>no es una dirección http, https o webcal</translation>
    </message>
    <message>
        <location line="+91"/>
        <source>no address books or calendars found</source>
        <translation>no se encontraron libretas de direcciones ni calendarios</translation>
    </message>
</context>
<context>
    <name>DavXml</name>
    <message>
        <location filename="../src/core/sync/davxml.cpp" line="+175"/>
        <source>not a multistatus answer</source>
        <translation>no es una respuesta multistatus</translation>
    </message>
</context>
<context>
    <name>EventRuleFile</name>
    <message>
        <location filename="../src/core/store/eventrulefile.cpp" line="+48"/>
        <source>The rules file &quot;%1&quot; is damaged: %2.</source>
        <translation>El archivo de reglas «%1» está dañado: %2.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The rules file &quot;%1&quot; was written by a newer version of the program.</source>
        <translation>El archivo de reglas «%1» lo escribió una versión más reciente del programa.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The rules file &quot;%1&quot; is larger than %2 MB, more than this program writes: it is not read.</source>
        <translation>El archivo de reglas «%1» ocupa más de %2 MB, más de lo que escribe este programa: no se lee.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The rules file &quot;%1&quot; is damaged: an entry in it does not read.</source>
        <translation>El archivo de reglas «%1» está dañado: una de sus entradas no se puede leer.</translation>
    </message>
</context>
<context>
    <name>ExchangeCommands</name>
    <message>
        <location filename="../src/ui/app/exchangecommands.cpp" line="+55"/>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>There are no contacts or events to import in the file.</source>
        <translation>El archivo no contiene contactos ni eventos que importar.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+13"/>
        <source>Nothing was imported.</source>
        <translation>No se ha importado nada.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not everything was imported.</source>
        <translation>No se ha importado todo.</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>iCalendar files (*.ics);;All files (*)</source>
        <translation>Archivos iCalendar (*.ics);;Todos los archivos (*)</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+7"/>
        <source>The events could not be exported.</source>
        <translation>No se han podido exportar los eventos.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <translation>No se puede escribir «%1»: %2.</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%Ln events were exported to &quot;%1&quot;.</source>
        <extracomment>%Ln is the number of events exported, %1 the file.</extracomment>
        <translation>
            <numerusform>Se ha exportado %Ln evento a «%1».</numerusform>
            <numerusform>Se han exportado %Ln eventos a «%1».</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>

Left out because their dates could not be read: %1</source>
        <translation>

Omitidos porque no se han podido leer sus fechas: %1</translation>
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
        <translation>Todavía no hay copias de seguridad.  Candlewatcher guarda una copia de sus eventos cada día que se cierra o importa, en «%1».</translation>
    </message>
    <message numerus="yes">
        <location line="+17"/>
        <source>Replace your events with the %Ln events of the backup of %1?

Your events as they are now are kept as a backup of today.</source>
        <extracomment>%Ln is the number of events in the backup, %1 the backup&apos;s day.</extracomment>
        <translation>
            <numerusform>¿Sustituir sus eventos por el %Ln evento de la copia de seguridad del %1?

Sus eventos tal como están ahora se guardan como copia de seguridad de hoy.</numerusform>
            <numerusform>¿Sustituir sus eventos por los %Ln eventos de la copia de seguridad del %1?

Sus eventos tal como están ahora se guardan como copia de seguridad de hoy.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The backup could not be restored.</source>
        <translation>No se ha podido restaurar la copia de seguridad.</translation>
    </message>
    <message>
        <location line="-171"/>
        <source>Reading the files...</source>
        <translation>Leyendo los archivos…</translation>
    </message>
</context>
<context>
    <name>HelpPanel</name>
    <message>
        <location filename="../src/ui/help/helppanel.h" line="+13"/>
        <source>Interactive Help</source>
        <translation>Ayuda interactiva</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Welcome to Candlewatcher Interactive help.  Simply move your mouse over any area of the screen to get help on that item.</source>
        <translation>Bienvenido a la ayuda interactiva de Candlewatcher.  Solo tiene que mover el ratón sobre cualquier zona de la pantalla para obtener ayuda sobre ese elemento.</translation>
    </message>
</context>
<context>
    <name>HelpTopics</name>
    <message>
        <location filename="../src/ui/presentation/helptopics.cpp" line="+11"/>
        <source>Birthdays List</source>
        <translation>Lista de cumpleaños</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The Birthdays List contains all of your current birthday items.  Double click on any item to edit it, or right click on any item to view options such as delete or duplicate.</source>
        <translation>La lista de cumpleaños contiene todos sus cumpleaños actuales.  Haga doble clic en cualquier elemento para editarlo, o haga clic con el botón derecho en él para ver opciones como eliminar o duplicar.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Status Bar</source>
        <translation>Barra de estado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The status bar notifies you of any events that occur during operation.</source>
        <translation>La barra de estado le informa de todo lo que ocurre durante el funcionamiento.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The toolbar provides you with a quick and easy way to access the main functions of the Candlewatcher software.  Hold your mouse over any button to see a description of what it does.</source>
        <translation>La barra de herramientas le ofrece una forma rápida y sencilla de acceder a las funciones principales de Candlewatcher.  Mantenga el ratón sobre cualquier botón para ver una descripción de lo que hace.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Interactive Help</source>
        <translation>Ayuda interactiva</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Interactive Help provides information on any part of this product.  Simply move your mouse over any item on the screen to get a description of what it is and how to use it.</source>
        <translation>La ayuda interactiva ofrece información sobre cualquier parte de este producto.  Solo tiene que mover el ratón sobre cualquier elemento de la pantalla para ver una descripción de lo que es y de cómo se usa.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>OK Button</source>
        <translation>Botón Aceptar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Closes the current window and saves any settings.</source>
        <translation>Cierra la ventana actual y guarda la configuración.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel Button</source>
        <translation>Botón Cancelar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Closes the current window without saving any settings.</source>
        <translation>Cierra la ventana actual sin guardar la configuración.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close Button</source>
        <translation>Botón Cerrar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Closes the current window.</source>
        <translation>Cierra la ventana actual.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>System Information</source>
        <translation>Información del sistema</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shows you information about your computer.</source>
        <translation>Muestra información sobre su equipo.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Birthday Name</source>
        <translation>Nombre del cumpleaños</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A documentary name chosen by you which represents the event.  For example, Fred&apos;s Birthday, or Rita&apos;s Anniversary.  Names do not have to be unique, but for easy identification, it is recommended that they are.</source>
        <translation>Un nombre descriptivo elegido por usted que representa el evento.  Por ejemplo, «Cumpleaños de Fred» o «Aniversario de Rita».  No es necesario que los nombres sean únicos, pero se recomienda para identificarlos fácilmente.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Birthday Date</source>
        <translation>Fecha del cumpleaños</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This is the date that the event occurs.  If it is a recurring event such as a birthday, that happens every year, it might be convenient to set the year as the date of birth of that person.<byte value="xd"/>
<byte value="xd"/>
Tip: using the down arrow will show you a calendar.</source>
        <translation>Es la fecha en la que ocurre el evento.  Si es un evento que se repite, como un cumpleaños, que ocurre cada año, puede ser práctico poner como fecha la de nacimiento de esa persona.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Recurs Every Year</source>
        <translation>Se repite cada año</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If you select this option then you will be reminded of the event on the date you entered and every year after that.  If you leave it unchecked, you will only be reminded on the exact date that you entered.</source>
        <translation>Si selecciona esta opción, se le recordará el evento en la fecha introducida y cada año a partir de entonces.  Si la deja sin marcar, solo se le recordará en la fecha exacta que haya introducido.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Notify From...</source>
        <translation>Notificar desde…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This sets the number of days before the event from which to show it in the Notifications window.  This is a little window that appears above the Candlewatcher icon in the system tray, and lasts for 10 seconds.  It can be configured in the Preferences section of this software.</source>
        <translation>Establece cuántos días antes del evento se muestra en la ventana de notificaciones.  Es una pequeña ventana que aparece encima del icono de Candlewatcher en el área de notificación y dura 10 segundos.  Se puede configurar en la sección Preferencias de este programa.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Alert</source>
        <translation>Alerta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Allows you to configure how you want to be warned on the day of an event.</source>
        <translation>Le permite configurar cómo quiere que se le avise el día de un evento.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Notifications</source>
        <translation>Notificaciones</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This window shows you any up-coming events and any events that occur today.  It is displayed at regular intervals, which can be customised in the Preferences section of this software.</source>
        <translation>Esta ventana le muestra los próximos eventos y los eventos de hoy.  Se muestra a intervalos regulares, que se pueden personalizar en la sección Preferencias de este programa.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Confirm Delete</source>
        <translation>Confirmar eliminación</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If this is checked then you will be asked if you are sure before you can delete any birthdays.</source>
        <translation>Si está marcada, se le pedirá confirmación antes de eliminar cualquier cumpleaños.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Confirm Quit</source>
        <translation>Confirmar salida</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If this is checked then you will be asked if you are sure before you can quit Candlewatcher.  Quitting Candlewatcher will mean you are not notified of any events.</source>
        <translation>Si está marcada, se le pedirá confirmación antes de salir de Candlewatcher.  Si sale de Candlewatcher, no se le notificará ningún evento.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Notification Settings</source>
        <translation>Configuración de notificaciones</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>These allow you to set when the notification window appears.  The notification window is a small box that appears above the icon in the system tray, to tell you of any up-coming or current events.  If there are no events the notification window will not appear, regardless of the settings you choose.</source>
        <translation>Le permiten establecer cuándo aparece la ventana de notificaciones.  La ventana de notificaciones es un pequeño cuadro que aparece encima del icono en el área de notificación para avisarle de los eventos próximos o de hoy.  Si no hay eventos, la ventana de notificaciones no aparece, sea cual sea la configuración elegida.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Alerts Time</source>
        <translation>Hora de las alertas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If you have set for an alert to occur on the day of a birthday event, you can configure here what time you want it to appear.</source>
        <translation>Si ha configurado una alerta para el día de un cumpleaños, aquí puede establecer a qué hora quiere que aparezca.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Special Events</source>
        <translation>Eventos especiales</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In this box is a list of regularly used events.  Select the items you want to add to your Candlewatcher events list - you can use Shift or Control to select more than one item at a time - and then click on OK.  You will be notified of the events when they occur.</source>
        <translation>Este cuadro contiene una lista de eventos habituales.  Seleccione los que quiera añadir a su lista de eventos de Candlewatcher (puede usar Mayús o Ctrl para seleccionar varios a la vez) y haga clic en Aceptar.  Se le avisará de los eventos cuando lleguen.</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>Subscriptions Sync</source>
        <translation>Sincronización de suscripciones</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This is how many hours apart Candlewatcher brings your subscribed address books and calendars up to date while it runs.  It also does so when it starts and when you click on Sync Now in the Subscriptions window.  With 0 it does so only then.</source>
        <translation>Indica cada cuántas horas Candlewatcher actualiza las libretas de direcciones y los calendarios a los que está suscrito mientras se ejecuta.  También lo hace al iniciarse y cuando hace clic en Sincronizar ahora en la ventana Suscripciones.  Con 0 solo lo hace en esos casos.</translation>
    </message>
</context>
<context>
    <name>HttpCall</name>
    <message>
        <location filename="../src/net/httpcall.cpp" line="+51"/>
        <source>no answer for %1 seconds</source>
        <translation>sin respuesta durante %1 segundos</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the answer did not come in full within %1 seconds</source>
        <translation>la respuesta no llegó completa en %1 segundos</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>the answer of %1 bytes is over the limit of %2 bytes; refused</source>
        <translation>la respuesta de %1 bytes supera el límite de %2 bytes; rechazada</translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+31"/>
        <source>the answer is over the limit of %1 bytes; refused</source>
        <translation>la respuesta supera el límite de %1 bytes; rechazada</translation>
    </message>
    <message>
        <location line="-17"/>
        <source>the server&apos;s certificate does not verify (%1); refused</source>
        <translation>el certificado del servidor no se pudo verificar (%1); rechazado</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the connection closed after %1 of %2 bytes</source>
        <translation>la conexión se cerró tras %1 de %2 bytes</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>redirected more than %1 times</source>
        <translation>redirigido más de %1 veces</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>redirected to %1, which is not an http or https address; refused</source>
        <translation>redirigido a %1, que no es una dirección http ni https; rechazado</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>the password is not sent over plain http except to this computer; use the https address (401)</source>
        <translation>la contraseña no se envía por http sin cifrar salvo a este equipo; use la dirección https (401)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the password is not sent to %1, where the server redirected; if that is the right server, subscribe to that address (401)</source>
        <translation>la contraseña no se envía a %1, adonde redirigió el servidor; si ese es el servidor correcto, suscríbase a esa dirección (401)</translation>
    </message>
</context>
<context>
    <name>ICalendar</name>
    <message>
        <location filename="../src/core/exchange/icalendar.cpp" line="+435"/>
        <source>It is not an iCalendar file: it does not start with BEGIN:VCALENDAR.</source>
        <translation>No es un archivo iCalendar: no empieza por BEGIN:VCALENDAR.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Its BEGIN lines nest deeper than %1 levels, deeper than any calendar: it is not read.</source>
        <translation>Sus líneas BEGIN se anidan a más de %1 niveles, más que cualquier calendario: no se lee.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The file ends in the middle of a calendar (a BEGIN line has no END line): it looks cut off.</source>
        <translation>El archivo termina en mitad de un calendario (una línea BEGIN no tiene línea END): parece cortado.</translation>
    </message>
</context>
<context>
    <name>ImportDialog</name>
    <message>
        <location filename="../src/ui/dialogs/importdialog.cpp" line="+150"/>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Choose the events to add from %1:</source>
        <translation>Elija los eventos que añadir desde %1:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Events to import</source>
        <translation>Eventos que importar</translation>
    </message>
    <message>
        <location line="-102"/>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>On the Day</source>
        <translation>El mismo día</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>no year given: the age is not shown</source>
        <translation>sin año: no se muestra la edad</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>Select &amp;All</source>
        <translation>Seleccionar &amp;todo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Select &amp;None</source>
        <translation>&amp;Deseleccionar todo</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>On the &amp;Day:</source>
        <translation>El &amp;mismo día:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Each as listed</source>
        <translation>Cada uno como se indica</translation>
    </message>
    <message>
        <location line="-142"/>
        <source>Date</source>
        <translation>Fecha</translation>
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
        <translation>%1 — Aniversario</translation>
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
        <translation>un archivo de contactos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>contacts</source>
        <translation>Contactos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the birthdays and anniversaries of contacts</source>
        <translation>los cumpleaños y aniversarios de los contactos</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>a calendar file</source>
        <translation>un archivo de calendario</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>calendars</source>
        <translation>Calendarios</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the all-day events of calendars</source>
        <translation>los eventos de todo el día de los calendarios</translation>
    </message>
    <message>
        <location line="+27"/>
        <location line="+26"/>
        <source>%1 and %2</source>
        <extracomment>The last two items of a list.</extracomment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <location line="-23"/>
        <source>%1 (%2);;All files (*)</source>
        <extracomment>The file dialog&apos;s filters, separated by &quot;;;&quot;: keep the &quot;;;&quot; and the &quot;(*)&quot;.</extracomment>
        <translation>%1 (%2);;Todos los archivos (*)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>It is neither %1.</source>
        <extracomment>%1 lists the kinds of file, joined by &quot;%1 nor %2&quot;.</extracomment>
        <translation>No es ni %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 nor %2</source>
        <translation>%1 ni %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Import %1 from FILE and the files after it.</source>
        <extracomment>The --import option&apos;s description; FILE is the option&apos;s value, as in the usage line.</extracomment>
        <translation>Importa %1 desde FILE y los archivos que le siguen.</translation>
    </message>
</context>
<context>
    <name>ImportPlan</name>
    <message>
        <location filename="../src/core/exchange/importplan.cpp" line="+87"/>
        <source>It is not a regular file (it is a device, a pipe or a socket): only files are imported.</source>
        <translation>No es un archivo normal (es un dispositivo, una tubería o un socket): solo se importan archivos.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>It is a folder, not a file.</source>
        <translation>Es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>It is larger than %1 MB, more than any contacts or calendar file holds: an import reads files up to that size.</source>
        <translation>Ocupa más de %1 MB, más que cualquier archivo de contactos o de calendario: la importación lee archivos de hasta ese tamaño.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>It could not be read: %1.</source>
        <translation>No se ha podido leer: %1.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>It changed while it was read: try again.</source>
        <translation>Ha cambiado mientras se leía: inténtelo de nuevo.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The file is empty.</source>
        <translation>El archivo está vacío.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Nothing was added from the file.</source>
        <translation>No se ha añadido nada del archivo.</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Nothing was added from any of the %Ln files: %1 of them could not be used.</source>
        <translation>
            <numerusform>No se ha añadido nada del archivo (%Ln): %1 no se ha podido usar.</numerusform>
            <numerusform>No se ha añadido nada de ninguno de los %Ln archivos: %1 de ellos no se han podido usar.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+23"/>
        <source>the data file holds at most %Ln events</source>
        <extracomment>%Ln is the most events the data file holds.</extracomment>
        <translation>
            <numerusform>el archivo de datos admite como máximo %Ln evento</numerusform>
            <numerusform>el archivo de datos admite como máximo %Ln eventos</numerusform>
        </translation>
    </message>
    <message>
        <location line="+50"/>
        <source>its date is not a day of the calendar</source>
        <translation>su fecha no es un día del calendario</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>its repeats ended in %1</source>
        <translation>sus repeticiones terminaron en %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its repeats end before they begin</source>
        <translation>sus repeticiones terminan antes de empezar</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>it is in the list already</source>
        <translation>ya está en la lista</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>its repeats end in %1</source>
        <translation>sus repeticiones terminan en %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>no room: %1</source>
        <translation>no hay sitio: %1</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>%L1 to add, %L2 already there, %L3 without a date</source>
        <translation>%L1 para añadir, %L2 ya presentes, %L3 sin fecha</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%L1 added, %L2 already there, %L3 without a date</source>
        <translation>%L1 añadidos, %L2 ya presentes, %L3 sin fecha</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>, %L1 left out</source>
        <extracomment>One more item of the import&apos;s summary list.</extracomment>
        <translation>, %L1 omitidos</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>, %L1 could not be read</source>
        <extracomment>One more item of the import&apos;s summary list.</extracomment>
        <translation>, %L1 ilegibles</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>, %L1 whose repeats end, not chosen</source>
        <extracomment>One more item of the import&apos;s summary list.</extracomment>
        <translation>, %L1 cuyas repeticiones terminan, no elegidos</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>; %L1 fit, %L2 would not be added: %3</source>
        <extracomment>The end of the import&apos;s summary; %3 says how many events the data file holds.</extracomment>
        <translation>; %L1 caben, %L2 no se añadirían: %3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>; %L1 not added: %2</source>
        <extracomment>The end of the import&apos;s summary; %2 says how many events the data file holds.</extracomment>
        <translation>; %L1 no añadidos: %2</translation>
    </message>
    <message numerus="yes">
        <location line="+47"/>
        <source>The import stopped after %1 of the %Ln events were added.

%2</source>
        <extracomment>%1 is how many events were added, %2 why the import stopped.</extracomment>
        <translation>
            <numerusform>La importación se detuvo después de añadir %1 de %Ln evento.

%2</numerusform>
            <numerusform>La importación se detuvo después de añadir %1 de los %Ln eventos.

%2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>JsonFile</name>
    <message>
        <location filename="../src/core/store/jsonfile.cpp" line="+25"/>
        <source>Cannot read &quot;%1&quot;: %2.</source>
        <translation>No se puede leer «%1»: %2.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Cannot write &quot;%1&quot;: %2; the file is kept as it was.</source>
        <translation>No se puede escribir «%1»: %2; el archivo se queda como estaba.</translation>
    </message>
</context>
<context>
    <name>ListDate</name>
    <message>
        <location filename="../src/ui/presentation/listdate.cpp" line="+47"/>
        <source>1 event has a date that cannot be read (marked ⚠)</source>
        <translation>1 evento tiene una fecha que no se puede leer (marcado con ⚠)</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%Ln events have dates that cannot be read (marked ⚠)</source>
        <extracomment>%Ln is the number of events whose stored date does not read (2 or more).</extracomment>
        <translation>
            <numerusform>%Ln evento tiene una fecha que no se puede leer (marcado con ⚠)</numerusform>
            <numerusform>%Ln eventos tienen fechas que no se pueden leer (marcados con ⚠)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainActions</name>
    <message>
        <location filename="../src/ui/app/mainactions.cpp" line="+190"/>
        <source>&amp;Birthdays</source>
        <translation>&amp;Cumpleaños</translation>
    </message>
    <message>
        <location line="-149"/>
        <source>&amp;New Birthday</source>
        <translation>&amp;Nuevo cumpleaños</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Special Events</source>
        <translation>Eventos es&amp;peciales</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+59"/>
        <source>&amp;Edit Birthday</source>
        <translation>&amp;Editar cumpleaños</translation>
    </message>
    <message>
        <location line="-56"/>
        <source>Du&amp;plicate Birthday</source>
        <translation>&amp;Duplicar cumpleaños</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Delete Birthday</source>
        <translation>E&amp;liminar cumpleaños</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Import...</source>
        <translation>&amp;Importar…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Exp&amp;ort...</source>
        <translation>E&amp;xportar…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Restore from &amp;Backup...</source>
        <translation>&amp;Restaurar copia de seguridad…</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>E&amp;xit Candlewatcher</source>
        <translation>&amp;Salir de Candlewatcher</translation>
    </message>
    <message>
        <location line="+132"/>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Toolbars</source>
        <translation>&amp;Barras de herramientas</translation>
    </message>
    <message>
        <location line="-130"/>
        <source>Standard &amp;Toolbar</source>
        <translation>Barra de herramientas &amp;estándar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Status Bar</source>
        <translation>Barra de e&amp;stado</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Lar&amp;ge Icons</source>
        <translation>Iconos &amp;grandes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Small Icons</source>
        <translation>Iconos &amp;pequeños</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;List</source>
        <translation>&amp;Lista</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Details</source>
        <translation>&amp;Detalles</translation>
    </message>
    <message>
        <location line="+121"/>
        <source>&amp;Arrange Icons</source>
        <translation>&amp;Organizar iconos</translation>
    </message>
    <message>
        <location line="-118"/>
        <source>By &amp;Name</source>
        <translation>Por &amp;nombre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>By &amp;Date</source>
        <translation>Por &amp;fecha</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>By Ne&amp;xt Date</source>
        <translation>Por &amp;próxima fecha</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>By &amp;Age</source>
        <translation>Por &amp;edad</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+170"/>
        <location line="+1"/>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <location line="-50"/>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <location line="-118"/>
        <source>Interactive Help</source>
        <translation>Ayuda interactiva</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>About Candlewatcher</source>
        <translation>Acerca de Candlewatcher</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Comments and Suggestions</source>
        <translation>&amp;Comentarios y sugerencias</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 &amp;Website</source>
        <translation>Sitio &amp;web de %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Show Candlewatcher</source>
        <translation>Mostrar &amp;Candlewatcher</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show N&amp;otifications</source>
        <translation>Mostrar n&amp;otificaciones</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Add &amp;New Birthday</source>
        <translation>Añadir &amp;nuevo cumpleaños</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;About Candlewatcher</source>
        <translation>&amp;Acerca de Candlewatcher</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;%1 Website</source>
        <translation>Sitio web de &amp;%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Preferences</source>
        <translation>&amp;Preferencias</translation>
    </message>
    <message>
        <location line="+123"/>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Add New Birthday</source>
        <translation>Añadir nuevo cumpleaños</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit Selected Birthday</source>
        <translation>Editar el cumpleaños seleccionado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Duplicate</source>
        <translation>Duplicar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Duplicate Birthday</source>
        <translation>Duplicar cumpleaños</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete Selected Birthday</source>
        <translation>Eliminar el cumpleaños seleccionado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Special Events</source>
        <translation>Eventos especiales</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert Special Events</source>
        <translation>Insertar eventos especiales</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Website</source>
        <translation>Sitio web</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 Website</source>
        <translation>Sitio web de %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Exit Candlewatcher</source>
        <translation>Salir de Candlewatcher</translation>
    </message>
    <message>
        <location line="-204"/>
        <source>S&amp;ubscriptions...</source>
        <translation>S&amp;uscripciones…</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../src/ui/app/mainwindow.cpp" line="+82"/>
        <source>No desktop notification service answered: reminders show in the Candlewatcher window.</source>
        <translation>Ningún servicio de notificaciones del escritorio ha respondido: los recordatorios se muestran en la ventana de Candlewatcher.</translation>
    </message>
    <message>
        <location line="+98"/>
        <source>Standard Toolbar</source>
        <translation>Barra de herramientas estándar</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 %2 - never miss a birthday again</source>
        <translation>%1 %2 - no vuelva a olvidar un cumpleaños</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Search by name (%1)</source>
        <extracomment>%1 is the key that moves to this field, as the desktop names it (Ctrl+F, Strg+F).</extracomment>
        <translation>Buscar por nombre (%1)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Search by name</source>
        <translation>Buscar por nombre</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clear the search</source>
        <translation>Borrar la búsqueda</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>More toolbar buttons</source>
        <translation>Más botones de la barra de herramientas</translation>
    </message>
    <message>
        <location line="+112"/>
        <source>Candlewatcher runs in the system tray: closing this window keeps it there, and a click on its icon brings the window back.</source>
        <translation>Candlewatcher sigue en la bandeja del sistema: al cerrar esta ventana queda allí, y un clic en su icono trae de vuelta la ventana.</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>If you exit then you will not be alerted to any future events.  Are you sure you want to exit?</source>
        <translation>Si sale, no se le avisará de ningún evento futuro.  ¿Está seguro de que desea salir?</translation>
    </message>
    <message numerus="yes">
        <location line="+33"/>
        <source>%n event(s) whose writing was cut off (a name without a date) were taken out of the data file; their cells are kept in &quot;%1&quot;.</source>
        <translation>
            <numerusform>%n evento cuya escritura se cortó (un nombre sin fecha) se sacó del archivo de datos; sus celdas se guardan en «%1».</numerusform>
            <numerusform>%n eventos cuya escritura se cortó (un nombre sin fecha) se sacaron del archivo de datos; sus celdas se guardan en «%1».</numerusform>
        </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The data file could not be compacted.</source>
        <translation>No se ha podido compactar el archivo de datos.</translation>
    </message>
    <message>
        <location line="-354"/>
        <source>The birthdays list could not be read.</source>
        <translation>No se ha podido leer la lista de cumpleaños.</translation>
    </message>
</context>
<context>
    <name>MissedEvents</name>
    <message numerus="yes">
        <location filename="../src/core/calendar/missedevents.cpp" line="+71"/>
        <source>%1 (%2 - %Ln Years)</source>
        <extracomment>%1 is the event&apos;s name, %2 the missed day.</extracomment>
        <translation>
            <numerusform>%1 (%2 - %Ln año)</numerusform>
            <numerusform>%1 (%2 - %Ln años)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NetJob</name>
    <message>
        <location filename="../src/net/netjob.cpp" line="+14"/>
        <source>the server asked for more than %L1 requests in one go; stopped, to be tried again at the next sync</source>
        <translation>el servidor pidió más de %L1 solicitudes de una vez; detenido, se volverá a intentar en la próxima sincronización</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>the user name or the password was refused (401)</source>
        <translation>se rechazó el nombre de usuario o la contraseña (401)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>access refused (403)</source>
        <translation>acceso denegado (403)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not found on the server (404)</source>
        <translation>no se encontró en el servidor (404)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the server failed (%1 %2)</source>
        <translation>el servidor falló (%1 %2)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>unexpected answer (%1 %2)</source>
        <translation>respuesta inesperada (%1 %2)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the answer cannot be read: %1</source>
        <translation>no se puede leer la respuesta: %1</translation>
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
        <translation>%1 — próximo: %2, %3</translation>
    </message>
</context>
<context>
    <name>NotificationLines</name>
    <message numerus="yes">
        <location filename="../src/ui/presentation/notificationlines.cpp" line="+87"/>
        <source>(%Ln more events)</source>
        <extracomment>The notification&apos;s last line when not every event fits: %Ln is how many more there are.</extracomment>
        <translation>
            <numerusform>(%Ln evento más)</numerusform>
            <numerusform>(%Ln eventos más)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NotificationWindow</name>
    <message>
        <location filename="../src/ui/reminders/notificationwindow.cpp" line="+78"/>
        <source>Birthdays Due Today</source>
        <translation>Cumpleaños de hoy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>close</source>
        <translation>cerrar</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>(No birthdays coming up)</source>
        <translation>(No hay cumpleaños próximos)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(No birthdays today)</source>
        <translation>(Hoy no hay cumpleaños)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Birthdays Due Soon</source>
        <translation>Próximos cumpleaños</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <location filename="../src/platform/notifier.h" line="+35"/>
        <source>Show Candlewatcher</source>
        <translation>Mostrar Candlewatcher</translation>
    </message>
</context>
<context>
    <name>Occurrence</name>
    <message>
        <location filename="../src/core/calendar/occurrence.cpp" line="+102"/>
        <source>today</source>
        <extracomment>The list&apos;s narrow &quot;In&quot; column and the tray icon&apos;s tip: keep it short.</extracomment>
        <translation>hoy</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>tomorrow</source>
        <extracomment>The list&apos;s narrow &quot;In&quot; column and the tray icon&apos;s tip: keep it short.</extracomment>
        <translation>mañana</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>in %Ln days</source>
        <extracomment>The list&apos;s narrow &quot;In&quot; column and the tray icon&apos;s tip: keep it short.</extracomment>
        <translation>
            <numerusform>en %Ln día</numerusform>
            <numerusform>en %Ln días</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <location filename="../src/ui/dialogs/preferencesdialog.cpp" line="+57"/>
        <source>Candlewatcher Preferences</source>
        <translation>Preferencias de Candlewatcher</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Confirmation</source>
        <translation>Confirmación</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Confirm before &amp;deleting a birthday</source>
        <translation>Confirmar antes de &amp;eliminar un cumpleaños</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Confirm before &amp;exiting Candlewatcher</source>
        <translation>Confirmar antes de &amp;salir de Candlewatcher</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Notification</source>
        <translation>Notificación</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show the Notification window:</source>
        <translation>Mostrar la ventana de notificaciones:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Every &amp;hour</source>
        <translation>Cada &amp;hora</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;very day</source>
        <translation>Cada &amp;día</translation>
    </message>
    <message>
        <location filename="../src/platform/windows/startcaption.cpp" line="+7"/>
        <source>Only when &amp;Windows starts up</source>
        <translation>Solo al iniciar &amp;Windows</translation>
    </message>
    <message>
        <location filename="../src/platform/posix/startcaption.cpp" line="+7"/>
        <source>Only when Candlewatcher &amp;starts</source>
        <translation>Solo al iniciar &amp;Candlewatcher</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/preferencesdialog.cpp" line="+21"/>
        <source>Alerts</source>
        <extracomment>Frame title: the alert windows that open on an event&apos;s day (a noun, not a verb).</extracomment>
        <translation>Alertas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show &amp;alerts at the following time each day:</source>
        <translation>Mostrar las &amp;alertas cada día a esta hora:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>(24 hour clock)</source>
        <translation>(formato de 24 horas)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Reminders</source>
        <translation>Recordatorios</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show reminders as:</source>
        <translation>Mostrar los recordatorios como:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the Candlewatcher window</source>
        <translation>la ventana de Candlewatcher</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>desktop notifications</source>
        <translation>notificaciones del escritorio</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Leap-day events in other years:</source>
        <translation>Eventos del 29 de febrero en otros años:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>28 February</source>
        <translation>28 de febrero</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 March</source>
        <translation>1 de marzo</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Subscriptions</source>
        <translation>Suscripciones</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>S&amp;ync subscriptions every (hours):</source>
        <translation>Si&amp;ncronizar las suscripciones cada (horas):</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>only at start</source>
        <extracomment>Shown for 0 hours: subscriptions sync when the program starts and on Sync Now only.</extracomment>
        <translation>solo al iniciar</translation>
    </message>
</context>
<context>
    <name>Publisher</name>
    <message>
        <location filename="../src/core/sync/publisher.cpp" line="+229"/>
        <source>Published to %1: %2</source>
        <extracomment>%1 is the calendar&apos;s name, %2 what was sent or why it failed.</extracomment>
        <translation>Publicado en %1: %2</translation>
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
        <translation>No hay eventos próximos</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>There are no events today</source>
        <translation>Hoy no hay eventos</translation>
    </message>
    <message numerus="yes">
        <location line="+49"/>
        <source>%1 (%2 - %Ln Years)</source>
        <extracomment>%1 is the event&apos;s name, %2 its date, %Ln the years since the date (an age, or an anniversary&apos;s count: a wording for both). The notification window cuts long names short: keep %1 first, the rest in parentheses.</extracomment>
        <translation>
            <numerusform>%1 (%2 - %Ln año)</numerusform>
            <numerusform>%1 (%2 - %Ln años)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+26"/>
        <location filename="../src/ui/presentation/notificationlines.cpp" line="-52"/>
        <source>%1 (%Ln Years)</source>
        <extracomment>%1 is the event&apos;s name, %Ln the years since its date: an age for a birthday, a count of years for an anniversary or any other event, so a wording that fits both (the list&apos;s &quot;Age&quot; column has a message of its own). The notification window cuts long names short: keep %1 first, the rest in parentheses.</extracomment>
        <translation>
            <numerusform>%1 (%Ln año)</numerusform>
            <numerusform>%1 (%Ln años)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReminderRunner</name>
    <message>
        <location filename="../src/ui/reminders/reminderrunner.cpp" line="+23"/>
        <source>Birthdays Due Today</source>
        <translation>Cumpleaños de hoy</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Birthdays Due Soon</source>
        <translation>Próximos cumpleaños</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Missed While Away</source>
        <translation>Perdidos durante su ausencia</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Missed: %1</source>
        <translation>Perdido: %1</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>Candlewatcher Alert</source>
        <translation>Alerta de Candlewatcher</translation>
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
        <translation>Restaurar copia de seguridad</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Choose the backup to restore.  Your events as they are now are kept as a backup of today first.</source>
        <translation>Elija la copia de seguridad que desea restaurar.  Antes, sus eventos tal como están ahora se guardan como copia de seguridad de hoy.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Backups</source>
        <translation>Copias de seguridad</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Backup of</source>
        <translation>Copia del</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Events</source>
        <translation>Eventos</translation>
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
        <translation>ilegible</translation>
    </message>
</context>
<context>
    <name>ShellLaunch</name>
    <message>
        <location filename="../src/ui/web/shelllaunch.cpp" line="+31"/>
        <source>%1 could not open %2.</source>
        <translation>%1 no ha podido abrir %2.</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <location filename="../src/platform/posix/singleinstance.cpp" line="+53"/>
        <source>No folder for the single-copy socket in &quot;%1&quot; (%2); another running copy will not be noticed.</source>
        <translation>No hay carpeta para el socket de copia única en «%1» (%2); no se notará otra copia en ejecución.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The temporary folder&apos;s path &quot;%1&quot; is too long for the single-copy socket; another running copy will not be noticed.</source>
        <translation>La ruta de la carpeta temporal «%1» es demasiado larga para el socket de copia única; no se notará otra copia en ejecución.</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>No private folder for the lock file (%1); another running copy will not be noticed.</source>
        <translation>No hay una carpeta privada para el archivo de bloqueo (%1); no se detectará otra copia en ejecución.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>cannot be read: %1</source>
        <translation>no se puede leer: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>is a symbolic link</source>
        <translation>es un enlace simbólico</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>is not a folder</source>
        <translation>no es una carpeta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>belongs to another user</source>
        <translation>pertenece a otro usuario</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>is open to other users</source>
        <translation>está abierta a otros usuarios</translation>
    </message>
    <message>
        <location filename="../src/platform/singleinstance.cpp" line="+72"/>
        <source>Cannot make the lock file &quot;%1&quot;; another running copy will not be noticed.</source>
        <translation>No se puede crear el archivo de bloqueo «%1»; no se detectará otra copia en ejecución.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Candlewatcher is already running, but it does not answer.</source>
        <translation>Candlewatcher ya se está ejecutando, pero no responde.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Cannot listen for later starts on &quot;%1&quot;: %2</source>
        <translation>No se puede escuchar los inicios posteriores en «%1»: %2</translation>
    </message>
</context>
<context>
    <name>SubscriptionGuard</name>
    <message>
        <location filename="../src/core/sync/subscriptionguard.cpp" line="+18"/>
        <source>&quot;%1&quot; is in use by another copy of Candlewatcher.</source>
        <translation>«%1» está en uso por otra copia de Candlewatcher.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cannot lock &quot;%1&quot; to change it.</source>
        <translation>No se puede bloquear «%1» para modificarlo.</translation>
    </message>
</context>
<context>
    <name>SubscriptionSetup</name>
    <message>
        <location filename="../src/core/sync/subscriptionsetup.cpp" line="+44"/>
        <source>Give the address of a server, an address book or a calendar, such as https://example.com/remote.php/dav.</source>
        <translation>Indique la dirección de un servidor, una libreta de direcciones o un calendario, como https://example.com/remote.php/dav.</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>This copy of Candlewatcher was built without network access.</source>
        <translation>Esta copia de Candlewatcher se compiló sin acceso a la red.</translation>
    </message>
    <message>
        <location line="-78"/>
        <source>Looking for address books and calendars at %1...</source>
        <translation>Buscando libretas de direcciones y calendarios en %1...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No address book or calendar was found there.</source>
        <translation>No se encontró ninguna libreta de direcciones ni calendario allí.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Reading &quot;%1&quot;...</source>
        <translation>Leyendo «%1»...</translation>
    </message>
</context>
<context>
    <name>Subscriptions</name>
    <message>
        <location filename="../src/core/sync/subscriptions.cpp" line="+226"/>
        <source>The subscriptions file &quot;%1&quot; is larger than %2 MB, more than this program writes: it is not read.</source>
        <translation>El archivo de suscripciones «%1» ocupa más de %2 MB, más de lo que escribe este programa: no se lee.</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>The subscriptions file &quot;%1&quot; is damaged: %2.</source>
        <translation>El archivo de suscripciones «%1» está dañado: %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The subscriptions file &quot;%1&quot; was written by a newer version of the program.</source>
        <translation>El archivo de suscripciones «%1» lo escribió una versión más reciente del programa.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>The subscriptions file &quot;%1&quot; is damaged: an entry in it does not read.</source>
        <translation>El archivo de suscripciones «%1» está dañado: una de sus entradas no se puede leer.</translation>
    </message>
    <message>
        <location line="-94"/>
        <source>You subscribe to &quot;%1&quot; already.</source>
        <translation>Ya está suscrito a «%1».</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Your events are published to &quot;%1&quot; already: remove that first.</source>
        <translation>Sus eventos ya se publican en «%1»: quite eso primero.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&quot;%1&quot; cannot be subscribed to and published to at once: your events would come back as subscribed ones.</source>
        <translation>No es posible suscribirse a «%1» y publicar en él a la vez: sus eventos volverían como eventos suscritos.</translation>
    </message>
</context>
<context>
    <name>SubscriptionsDialog</name>
    <message>
        <location filename="../src/ui/dialogs/subscriptionsdialog.cpp" line="+27"/>
        <source>Address book</source>
        <translation>Libreta de direcciones</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Calendar address</source>
        <translation>Dirección de calendario</translation>
    </message>
    <message>
        <location line="+50"/>
        <location line="+51"/>
        <source>Subscriptions</source>
        <translation>Suscripciones</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+101"/>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <location line="-101"/>
        <source>Last sync</source>
        <translation>Última sincronización</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Add...</source>
        <translation>&amp;Añadir…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Sync Now</source>
        <translation>&amp;Sincronizar ahora</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Address books and calendars whose birthdays and events are kept in step with your list.</source>
        <translation>Libretas de direcciones y calendarios cuyos cumpleaños y eventos se mantienen al día con su lista.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Addr&amp;ess:</source>
        <translation>Dir&amp;ección:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;User name:</source>
        <translation>Nombre de &amp;usuario:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Password:</source>
        <translation>&amp;Contraseña:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The address of your server (for Nextcloud https://HOST/remote.php/dav), of an address book or calendar, or of a calendar file (https:// or webcal://). Leave the user name empty for a public calendar.</source>
        <translation>La dirección de su servidor (para Nextcloud https://HOST/remote.php/dav), de una libreta de direcciones o un calendario, o de un archivo de calendario (https:// o webcal://). Deje vacío el nombre de usuario para un calendario público.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Find</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+25"/>
        <location line="+34"/>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <location line="-40"/>
        <source>&amp;Choose the address book or calendar to subscribe to:</source>
        <translation>&amp;Elija la libreta de direcciones o el calendario al que suscribirse:</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+16"/>
        <source>Pre&amp;view</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>What the subscription adds</source>
        <translation>Lo que añade la suscripción</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>What happens</source>
        <translation>Qué ocurre</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>S&amp;ubscribe</source>
        <translation>&amp;Suscribirse</translation>
    </message>
    <message>
        <location line="+57"/>
        <location line="+15"/>
        <source>Never</source>
        <translation>Nunca</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Syncing...</source>
        <translation>Sincronizando...</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Remove the subscription to &quot;%1&quot;.

Remove its events from your list too? Yes removes them; No keeps them as your own. Events you changed here are kept either way.</source>
        <translation>Se quitará la suscripción a «%1».

¿Quitar también sus eventos de su lista? Sí los quita; No los conserva como suyos. Los eventos que haya cambiado aquí se conservan en cualquier caso.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The subscription could not be removed.</source>
        <translation>No se pudo quitar la suscripción.</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Added</source>
        <translation>Añadido</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Linked to the event in your list</source>
        <translation>Vinculado al evento de su lista</translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>Subscribing adds %Ln events.</source>
        <extracomment>%Ln is the number of events the subscription adds to the list.</extracomment>
        <translation>
            <numerusform>La suscripción añade %Ln evento.</numerusform>
            <numerusform>La suscripción añade %Ln eventos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%Ln events already in your list are linked to it.</source>
        <extracomment>%Ln is the number of events of the list the subscription takes over.</extracomment>
        <translation>
            <numerusform>%Ln evento que ya está en su lista queda vinculado.</numerusform>
            <numerusform>%Ln eventos que ya están en su lista quedan vinculados.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%Ln dates are left out.</source>
        <extracomment>%Ln is the number of the calendar&apos;s dates the list cannot hold.</extracomment>
        <translation>
            <numerusform>Se omite %Ln fecha.</numerusform>
            <numerusform>Se omiten %Ln fechas.</numerusform>
        </translation>
    </message>
    <message>
        <location line="-307"/>
        <source>The password could not be kept.</source>
        <translation>No se pudo guardar la contraseña.</translation>
    </message>
    <message>
        <location line="+329"/>
        <source>Not every event of the subscription was added.</source>
        <translation>No se añadieron todos los eventos de la suscripción.</translation>
    </message>
    <message>
        <location line="-243"/>
        <source>&amp;Publish my events to this calendar instead</source>
        <translation>&amp;Publicar mis eventos en este calendario en su lugar</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Publis&amp;h</source>
        <translation>Publi&amp;car</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>Publishing to %1</source>
        <translation>Publicación en %1</translation>
    </message>
    <message>
        <location line="+172"/>
        <source>Stop publishing your events to &quot;%1&quot;.

Delete the published events from that calendar too? Yes deletes them; No leaves them there.</source>
        <translation>Se dejarán de publicar sus eventos en «%1».

¿Eliminar también los eventos publicados de ese calendario? Sí los elimina; No los deja allí.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Publishing could not be stopped.</source>
        <translation>No se pudo detener la publicación.</translation>
    </message>
</context>
<context>
    <name>SyncCommands</name>
    <message>
        <location filename="../src/ui/app/synccommands.cpp" line="+37"/>
        <source>No secret service keeps the password: it is asked for once a session.

</source>
        <translation>Ningún servicio de secretos guarda la contraseña: se pide una vez por sesión.

</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Password of %1 at %2:</source>
        <extracomment>%1 is a user name, %2 an address.</extracomment>
        <translation>Contraseña de %1 en %2:</translation>
    </message>
</context>
<context>
    <name>SyncPlan</name>
    <message>
        <location filename="../src/core/sync/syncplan.cpp" line="+124"/>
        <source>: no room: </source>
        <translation>: no hay sitio: </translation>
    </message>
</context>
<context>
    <name>SyncQueue</name>
    <message>
        <location filename="../src/core/sync/publisher.cpp" line="-75"/>
        <location filename="../src/core/sync/syncqueue.cpp" line="+119"/>
        <source>This copy of Candlewatcher was built without network access.</source>
        <translation>Esta copia de Candlewatcher se compiló sin acceso a la red.</translation>
    </message>
    <message>
        <location filename="../src/core/sync/secretstore.h" line="+61"/>
        <source>No password for %1 (user %2). Choose Sync Now in Birthdays &gt; Subscriptions... to type it in: it is kept in the desktop&apos;s secret service, where the command line finds it too.</source>
        <extracomment>%1 is the server&apos;s address, %2 the user name. Birthdays &gt; Subscriptions... and Sync Now are the program&apos;s own menu item and button.</extracomment>
        <translation>No hay contraseña para %1 (usuario %2). Elija Sincronizar ahora en Cumpleaños &gt; Suscripciones... para escribirla: se guarda en el servicio de secretos del escritorio, donde también la encuentra la línea de órdenes.</translation>
    </message>
</context>
<context>
    <name>SyncRun</name>
    <message>
        <location filename="../src/core/sync/publisher.cpp" line="+50"/>
        <location filename="../src/core/sync/syncrun.cpp" line="+32"/>
        <source>%L1 added, %L2 updated, %L3 removed</source>
        <translation>%L1 añadidos, %L2 actualizados, %L3 eliminados</translation>
    </message>
    <message>
        <location filename="../src/core/sync/syncrun.cpp" line="+5"/>
        <source>, %L1 detached</source>
        <translation>, %L1 desvinculados</translation>
    </message>
    <message>
        <location filename="../src/core/sync/publisher.cpp" line="+5"/>
        <location filename="../src/core/sync/syncrun.cpp" line="+2"/>
        <source>, %L1 left out</source>
        <translation>, %L1 omitidos</translation>
    </message>
</context>
<context>
    <name>SyncService</name>
    <message>
        <location filename="../src/app/syncservice.cpp" line="+55"/>
        <source>Syncing &quot;%1&quot;...</source>
        <translation>Sincronizando «%1»...</translation>
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
        <translation>Ningún servicio de secretos (GNOME Keyring, KWallet) respondió: las contraseñas se piden una vez por sesión y no se guardan. Inicie o instale uno para guardarlas.</translation>
    </message>
</context>
<context>
    <name>VCardReader</name>
    <message>
        <location filename="../src/core/exchange/vcardreader.cpp" line="+281"/>
        <source>Contact on line %1</source>
        <translation>Contacto de la línea %1</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>its name is damaged quoted-printable text</source>
        <translation>su nombre es texto quoted-printable dañado</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>line %1 is not a vCard line</source>
        <translation>la línea %1 no es una línea vCard</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the contact has no name</source>
        <translation>el contacto no tiene nombre</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>its birthday &quot;%1&quot; is not a date</source>
        <translation>su cumpleaños «%1» no es una fecha</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>its anniversary &quot;%1&quot; is not a date</source>
        <translation>su aniversario «%1» no es una fecha</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>no birthday or anniversary</source>
        <translation>sin cumpleaños ni aniversario</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>It is not a vCard file: it does not start with BEGIN:VCARD.</source>
        <translation>No es un archivo vCard: no empieza por BEGIN:VCARD.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>the contact has no END:VCARD line</source>
        <translation>el contacto no tiene línea END:VCARD</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The file ends in the middle of a contact (it has no END:VCARD line after line %1): it looks cut off.</source>
        <translation>El archivo termina en mitad de un contacto (no hay línea END:VCARD después de la línea %1): parece cortado.</translation>
    </message>
</context>
<context>
    <name>WebTexts</name>
    <message>
        <location filename="../src/core/comments/webtexts.h" line="+20"/>
        <source>%1 was unable to connect to the internet.  Please connect manually and then try again.</source>
        <extracomment>%1 is the program&apos;s full title.</extracomment>
        <translation>%1 no ha podido conectarse a Internet.  Conéctese manualmente e inténtelo de nuevo.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>You have not entered any information.  Please enter either a comment or suggestion into the space provided.</source>
        <translation>No ha introducido ninguna información.  Escriba un comentario o una sugerencia en el espacio correspondiente.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>There was a problem sending your information to %1.  Please check you are connected to the internet correctly, and if the problem persists, try again later.</source>
        <extracomment>%1 is the organisation&apos;s name.</extracomment>
        <translation>Ha habido un problema al enviar su información a %1.  Compruebe que está bien conectado a Internet y, si el problema continúa, inténtelo de nuevo más tarde.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Your comments and suggestions have been sent to %1.  Thank you very much for your input.</source>
        <extracomment>%1 is the organisation&apos;s name.</extracomment>
        <translation>Sus comentarios y sugerencias se han enviado a %1.  Muchas gracias por su colaboración.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 welcomes any comments and suggestions from its users.  Please fill in the boxes below and click on send.  This service is completely anonymous.</source>
        <extracomment>%1 is the organisation&apos;s name.</extracomment>
        <translation>%1 agradece todos los comentarios y sugerencias de sus usuarios.  Rellene los cuadros siguientes y haga clic en Enviar.  Este servicio es totalmente anónimo.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 welcomes any comments and suggestions from its users.  Please fill in the boxes below and click on send.</source>
        <extracomment>%1 is the organisation&apos;s name.</extracomment>
        <translation>%1 agradece todos los comentarios y sugerencias de sus usuarios.  Rellene los cuadros siguientes y haga clic en Enviar.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Please wait while your information is being sent to the %1 website...</source>
        <extracomment>%1 is the organisation&apos;s name.</extracomment>
        <translation>Espere mientras se envía su información al sitio web de %1…</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>System Information is currently unavailable.  Please try again later.</source>
        <translation>La información del sistema no está disponible en este momento.  Inténtelo de nuevo más tarde.</translation>
    </message>
</context>
<context>
    <name>WellKnownDays</name>
    <message>
        <location filename="../src/core/events/wellknowndays.cpp" line="+17"/>
        <source>New Year&apos;s Day</source>
        <translation>Año Nuevo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sherlock Holmes Birthday</source>
        <translation>Cumpleaños de Sherlock Holmes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Baptism of Jesus</source>
        <translation>Bautismo del Señor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>World Religion Day</source>
        <translation>Día Mundial de la Religión</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Epiphany</source>
        <translation>Epifanía</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Martin Luther King Jr. Day</source>
        <translation>Día de Martin Luther King</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Burn&apos;s Night</source>
        <translation>Noche de Burns</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Groundhog Day</source>
        <translation>Día de la Marmota</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Valentines Day</source>
        <translation>San Valentín</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lantern Festival</source>
        <translation>Festival de los Faroles</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>St. David&apos;s Day</source>
        <translation>Día de San David</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>International Women&apos;s Day</source>
        <translation>Día Internacional de la Mujer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>St. Patrick&apos;s Day</source>
        <translation>Día de San Patricio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>April Fool&apos;s Day</source>
        <translation>Día de las Bromas de Abril</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>St. Georges Day</source>
        <translation>Día de San Jorge</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>May Day</source>
        <translation>Día del Trabajo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mother&apos;s Day (US)</source>
        <translation>Día de la Madre (EE. UU.)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pentecost</source>
        <translation>Pentecostés</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trinity</source>
        <translation>Santísima Trinidad</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dragon Boat Festival</source>
        <translation>Festival del Bote del Dragón</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>Mothers Day (UK)</source>
        <translation>Día de la Madre (Reino Unido)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Buddha&apos;s Birthday (Korea)</source>
        <translation>Cumpleaños de Buda (Corea)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Holocaust Rememberance Day (Israel)</source>
        <translation>Día de Recuerdo del Holocausto (Israel)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Father&apos;s Day (US, UK)</source>
        <translation>Día del Padre (EE. UU., Reino Unido)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>International Joke Day</source>
        <translation>Día Internacional del Chiste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Independence Day (US)</source>
        <translation>Día de la Independencia (EE. UU.)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bastille Day (France)</source>
        <translation>Toma de la Bastilla (Francia)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Friendship Day</source>
        <translation>Día de la Amistad</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chinese Valentines Day</source>
        <translation>San Valentín chino</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ghandi&apos;s Birthday</source>
        <translation>Cumpleaños de Gandhi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Oktoberfest</source>
        <translation>Oktoberfest</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Black Thursday</source>
        <translation>Jueves Negro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All Saints&apos; Day</source>
        <translation>Día de Todos los Santos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Guy Fawkes Day</source>
        <translation>Noche de Guy Fawkes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>World Peace Day</source>
        <translation>Día Mundial de la Paz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Children&apos;s Day</source>
        <translation>Día del Niño</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>World AIDS Day</source>
        <translation>Día Mundial del Sida</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Advent Begins</source>
        <translation>Comienzo del Adviento</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>St. Nicholas Day</source>
        <translation>Día de San Nicolás</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pearl Harbour Day (US)</source>
        <translation>Día de Pearl Harbor (EE. UU.)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Christmas Eve</source>
        <translation>Nochebuena</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Christmas Day</source>
        <translation>Navidad</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Boxing Day</source>
        <translation>Día de San Esteban</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New Year&apos;s Eve</source>
        <translation>Nochevieja</translation>
    </message>
</context>
<context>
    <name>WellKnownDaysDialog</name>
    <message>
        <location filename="../src/ui/dialogs/wellknowndaysdialog.cpp" line="+56"/>
        <source>Special Events</source>
        <translation>Eventos especiales</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Event Name</source>
        <translation>Nombre del evento</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Event Date</source>
        <translation>Fecha del evento</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Please select any dates you want to add.  Use the Control key to select more than one.</source>
        <translation>Seleccione las fechas que quiera añadir.  Mantenga pulsada la tecla Ctrl para seleccionar más de una.</translation>
    </message>
    <message numerus="yes">
        <location line="+123"/>
        <source>None of the %Ln selected events could be added.

%1</source>
        <extracomment>%Ln is the number of days chosen, %1 why they could not be added.</extracomment>
        <translation>
            <numerusform>No se ha podido añadir el evento seleccionado (%Ln).

%1</numerusform>
            <numerusform>No se ha podido añadir ninguno de los %Ln eventos seleccionados.

%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>Only %1 of the %Ln selected events were added; the rest could not be added.

%2</source>
        <extracomment>%1 is how many were added, %Ln how many were chosen, %2 why the rest were not.</extracomment>
        <translation>
            <numerusform>Solo se han añadido %1 de %Ln evento seleccionado; el resto no se ha podido añadir.

%2</numerusform>
            <numerusform>Solo se han añadido %1 de los %Ln eventos seleccionados; el resto no se ha podido añadir.

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
        <translation>día %1 del mes %2</translation>
    </message>
    <message>
        <location line="-126"/>
        <source>on %1 in the Chinese calendar</source>
        <extracomment>%1 is a day and month of the Chinese calendar, as ICU writes it (&quot;Second Month 26&quot;).</extracomment>
        <translation>el %1 del calendario chino</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>on %1 in the Hebrew calendar</source>
        <extracomment>%1 is a day and month of the Hebrew calendar (&quot;27 Nisan&quot;).</extracomment>
        <translation>el %1 del calendario hebreo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>on %1 in the Islamic calendar</source>
        <extracomment>%1 is a day and month of the Islamic calendar (&quot;1 Ramadan&quot;).</extracomment>
        <translation>el %1 del calendario islámico</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>on the first %1 of %2</source>
        <extracomment>In each, %1 is a weekday (&quot;Sunday&quot;) and %2 a month (&quot;May&quot;).</extracomment>
        <translation>el primer %1 de %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the second %1 of %2</source>
        <translation>el segundo %1 de %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the third %1 of %2</source>
        <translation>el tercer %1 de %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the fourth %1 of %2</source>
        <translation>el cuarto %1 de %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the fifth %1 of %2</source>
        <translation>el quinto %1 de %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>on the last %1 of %2</source>
        <translation>el último %1 de %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the second-last %1 of %2</source>
        <translation>el penúltimo %1 de %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the third-last %1 of %2</source>
        <translation>el antepenúltimo %1 de %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the fourth-last %1 of %2</source>
        <translation>el cuarto %1 contando desde el final de %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the fifth-last %1 of %2</source>
        <translation>el quinto %1 contando desde el final de %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>on Easter Sunday</source>
        <translation>el Domingo de Pascua</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on Orthodox Easter Sunday</source>
        <translation>el Domingo de Pascua ortodoxa</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 day(s) after Easter</source>
        <extracomment>%1 is a number of days, 1 or more.</extracomment>
        <translation>%1 día(s) después de Pascua</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 day(s) after Orthodox Easter</source>
        <translation>%1 día(s) después de la Pascua ortodoxa</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 day(s) before Easter</source>
        <extracomment>%1 is a number of days, 1 or more.</extracomment>
        <translation>%1 día(s) antes de Pascua</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 day(s) before Orthodox Easter</source>
        <translation>%1 día(s) antes de la Pascua ortodoxa</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>on this date</source>
        <translation>en esta fecha</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>on the first %1 on or after %2</source>
        <extracomment>%1 is a weekday (&quot;Saturday&quot;), %2 a day and month (&quot;16/09&quot;).</extracomment>
        <translation>el primer %1 a partir del %2</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1, moved when it falls on %2</source>
        <extracomment>%1 is when the day falls (&quot;on 27 Nisan in the Hebrew calendar&quot;), %2 the weekdays it is moved off (&quot;Friday and Sunday&quot;).</extracomment>
        <translation>%1, se mueve si cae en %2</translation>
    </message>
</context>
</TS>
