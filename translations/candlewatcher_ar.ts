<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>AboutDialog</name>
    <message>
        <location filename="../src/ui/web/aboutdialog.cpp" line="+67"/>
        <source>About %1</source>
        <translation>عنْ %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Candlewatcher keeps your birthdays, anniversaries and other important dates, and reminds you of them from the system tray in good time.</source>
        <translation>يحفظ Candlewatcher أعياد الميلاد والذكريات السنوية والتواريخ المهمة الأخرى، ويذكّرك بها في الوقت المناسب من علبة النظام.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>For more information on this or any of our freeware and shareware products, please visit our website at:</source>
        <translation>لمزيد من المعلومات عن هذا المنتج أو أي من منتجاتنا المجانية والتجريبية، يُرجى زيارة موقعنا على الويب:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Or e-mail %1 on:</source>
        <translation>أو راسل %1 على:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;System Info...</source>
        <translation>معلومات ال&amp;نظام...</translation>
    </message>
</context>
<context>
    <name>AlertDialog</name>
    <message>
        <location filename="../src/ui/reminders/alertdialog.cpp" line="+52"/>
        <source>Candlewatcher Alert</source>
        <translation>تنبيه Candlewatcher</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Birthdays Due Today</source>
        <translation>أعياد ميلاد اليوم</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>&amp;Remind Me Again</source>
        <translation>&amp;ذكّرني لاحقًا</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>In &amp;10 Minutes</source>
        <translation>بعد &amp;عشر دقائق</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In 1 &amp;Hour</source>
        <translation>بعد &amp;ساعة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Tomorrow</source>
        <translation>&amp;غدًا</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Missed While Away</source>
        <translation>فاتتك أثناء غيابك</translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <location filename="../src/core/store/backups.cpp" line="+26"/>
        <location line="+7"/>
        <source>Cannot read &quot;%1&quot;: %2.</source>
        <translation>تعذّرت قراءة «%1»: %2.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <translation>تعذّرت كتابة «%1»: %2.</translation>
    </message>
    <message>
        <location line="+101"/>
        <source>Cannot make the backup of the data file &quot;%1&quot;, so nothing was changed. %2</source>
        <translation>تعذّر إنشاء نسخة احتياطية من ملف البيانات «%1»، لذا لم يُغيَّر شيء. %2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The folder &quot;%1&quot; could not be created.</source>
        <translation>تعذّر إنشاء المجلد «%1».</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>it is not a Candlewatcher data file (byte %1 starts no field)</source>
        <translation>ليست ملف بيانات Candlewatcher (البايت %1 لا يبدأ أي حقل)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>it is empty</source>
        <translation>فارغة</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>it is cut short (its last %Ln bytes are part of a field)</source>
        <extracomment>%Ln is the number of bytes at the file&apos;s end that make no whole field.</extracomment>
        <translation>
            <numerusform>مقطوعة (آخر %Ln بايت منها جزء من حقل)</numerusform>
            <numerusform>مقطوعة (آخر بايت واحد منها جزء من حقل)</numerusform>
            <numerusform>مقطوعة (آخر بايتين منها جزء من حقل)</numerusform>
            <numerusform>مقطوعة (آخر %Ln بايتات منها جزء من حقل)</numerusform>
            <numerusform>مقطوعة (آخر %Ln بايتًا منها جزء من حقل)</numerusform>
            <numerusform>مقطوعة (آخر %Ln بايت منها جزء من حقل)</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The backup &quot;%1&quot; is damaged: %2.</source>
        <translation>النسخة الاحتياطية «%1» تالفة: %2.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The data file &quot;%1&quot; is read-only.</source>
        <translation>ملف البيانات «%1» للقراءة فقط.</translation>
    </message>
</context>
<context>
    <name>BirthdayCommands</name>
    <message>
        <location filename="../src/ui/list/birthdaycommands.cpp" line="+23"/>
        <source>You currently have no birthdays in your list.  Please use the New Birthday option to create a birthday.</source>
        <translation>لا توجد أعياد ميلاد في قائمتك حاليًا. يُرجى استخدام أمر «عيد ميلاد جديد» لإنشاء عيد ميلاد.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>You have not selected a birthday to use.  Please select a birthday from the Birthday&apos;s list and then try again.</source>
        <translation>لم تحدد عيد ميلاد. يُرجى تحديد عيد ميلاد من قائمة أعياد الميلاد ثم المحاولة مرة أخرى.</translation>
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
        <translation>غيّر برنامج آخر المناسبة %1 بعد أن عرضتها القائمة، لذا %2. تعرض القائمة الآن المناسبات كما هي.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>These events were changed by another program after the list showed them, so %2: %1.  The list now shows the events as they are.</source>
        <translation>غيّر برنامج آخر هذه المناسبات بعد أن عرضتها القائمة، لذا %2: %1. تعرض القائمة الآن المناسبات كما هي.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>, </source>
        <comment>between the items of a list</comment>
        <translation>، </translation>
    </message>
    <message>
        <location line="+24"/>
        <source>&quot;%1&quot; follows the subscription &quot;%2&quot;.  Once you change it here it is your own: later changes in the subscription no longer reach it.  Edit it?</source>
        <translation>&quot;%1&quot; يتبع الاشتراك &quot;%2&quot;.  إذا غيّرته هنا صار لك: لن تصله التغييرات اللاحقة في الاشتراك.  أتحرّره؟</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Because you can only edit one birthay at a time, only the last one you selected will be displayed.</source>
        <translation>يمكنك تحرير عيد ميلاد واحد فقط في كل مرة، لذا سيُعرض آخر عيد ميلاد حددته.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>your changes to it were not saved</source>
        <translation>لم تُحفظ تغييراتك عليها</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&quot;%1&quot; could not be duplicated.</source>
        <translation>تعذّر تكرار «%1».</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it was not duplicated</source>
        <translation>لم تُكرَّر</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>they were not duplicated</source>
        <translation>لم تُكرَّر</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Of the %n selected events: %1 duplicated, %2 not duplicated.</source>
        <extracomment>%n is how many events were selected, %1 how many were copied.</extracomment>
        <translation>
            <numerusform>من الأحداث المحددة (%n): نُسخ %1، ولم يُنسخ %2.</numerusform>
            <numerusform>من الحدث المحدد: نُسخ %1، ولم يُنسخ %2.</numerusform>
            <numerusform>من الحدثين المحددين: نُسخ %1، ولم يُنسخ %2.</numerusform>
            <numerusform>من الأحداث الـ%n المحددة: نُسخ %1، ولم يُنسخ %2.</numerusform>
            <numerusform>من الأحداث الـ%n المحددة: نُسخ %1، ولم يُنسخ %2.</numerusform>
            <numerusform>من الأحداث الـ%n المحددة: نُسخ %1، ولم يُنسخ %2.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+16"/>
        <source>&quot;%1&quot; was duplicated, but the copy keeps its date of this year only.

%2</source>
        <translation>تم تكرار «%1»، لكن النسخة تحتفظ بتاريخ هذا العام فقط.

%2</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Are you sure you want to delete %1 permanently from your birthdays list?</source>
        <translation>هل أنت متأكد من أنك تريد حذف %1 نهائيًا من قائمة أعياد الميلاد؟</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>Are you sure you want to delete these %Ln items permanently from your birthdays list?</source>
        <extracomment>%Ln is the number of selected events (2 or more).</extracomment>
        <translation>
            <numerusform>هل أنت متأكد من أنك تريد حذف هذه العناصر (%Ln) نهائيًا من قائمة أعياد الميلاد؟</numerusform>
            <numerusform>هل أنت متأكد من أنك تريد حذف هذا العنصر (%Ln) نهائيًا من قائمة أعياد الميلاد؟</numerusform>
            <numerusform>هل أنت متأكد من أنك تريد حذف هذين العنصرين (%Ln) نهائيًا من قائمة أعياد الميلاد؟</numerusform>
            <numerusform>هل أنت متأكد من أنك تريد حذف هذه العناصر الـ %Ln نهائيًا من قائمة أعياد الميلاد؟</numerusform>
            <numerusform>هل أنت متأكد من أنك تريد حذف هذه العناصر الـ %Ln نهائيًا من قائمة أعياد الميلاد؟</numerusform>
            <numerusform>هل أنت متأكد من أنك تريد حذف هذه العناصر الـ %Ln نهائيًا من قائمة أعياد الميلاد؟</numerusform>
        </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&quot;%1&quot; could not be deleted.</source>
        <translation>تعذّر حذف «%1».</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>it was not deleted</source>
        <translation>لم تُحذف</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>they were not deleted</source>
        <translation>لم تُحذف</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Of the %n selected events: %1 deleted, %2 not deleted.</source>
        <extracomment>%n is how many events were selected, %1 how many were deleted.</extracomment>
        <translation>
            <numerusform>من الأحداث المحددة (%n): حُذف %1، ولم يُحذف %2.</numerusform>
            <numerusform>من الحدث المحدد: حُذف %1، ولم يُحذف %2.</numerusform>
            <numerusform>من الحدثين المحددين: حُذف %1، ولم يُحذف %2.</numerusform>
            <numerusform>من الأحداث الـ%n المحددة: حُذف %1، ولم يُحذف %2.</numerusform>
            <numerusform>من الأحداث الـ%n المحددة: حُذف %1، ولم يُحذف %2.</numerusform>
            <numerusform>من الأحداث الـ%n المحددة: حُذف %1، ولم يُحذف %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BirthdayDialog</name>
    <message>
        <location filename="../src/ui/dialogs/birthdaydialog.cpp" line="+51"/>
        <source>The name is too long to be saved.  A name can hold at most %1 characters (letters with accents and other special characters count as two or more).</source>
        <translation>الاسم أطول من أن يُحفظ. يمكن أن يحتوي الاسم على %1 حرفًا كحد أقصى (الحروف المشكولة أو ذات العلامات والرموز الخاصة الأخرى تُحسب بحرفين أو أكثر).</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 and %2</source>
        <extracomment>the last two items of a list: &quot;a, b and c&quot;</extracomment>
        <translation>%1 و%2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, </source>
        <comment>between the items of a list</comment>
        <translation>، </translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Add New Birthday</source>
        <translation>إضافة عيد ميلاد جديد</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Edit Birthday Details</source>
        <translation>تحرير تفاصيل عيد الميلاد</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>New Birthday</source>
        <translation>عيد ميلاد جديد</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Occurs On</source>
        <translation>يحل في</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Repeats every year</source>
        <translation>يتكرر كل سنة</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Display number of years</source>
        <translation>عرض عدد السنوات</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Repeats</source>
        <translation>التكرار</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Notify From</source>
        <translation>أشعرني قبل</translation>
    </message>
    <message numerus="yes">
        <location line="+13"/>
        <source>day(s) in advance</source>
        <extracomment>After the box with the number of days ahead to be notified; the number is the box&apos;s.</extracomment>
        <translation>
            <numerusform>يوم مسبقًا</numerusform>
            <numerusform>يوم مسبقًا</numerusform>
            <numerusform>يوم مسبقًا</numerusform>
            <numerusform>أيام مسبقًا</numerusform>
            <numerusform>يومًا مسبقًا</numerusform>
            <numerusform>يوم مسبقًا</numerusform>
        </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>On the Day</source>
        <translation>في اليوم نفسه</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>the date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>whether it repeats every year</source>
        <translation>هل يتكرر كل سنة</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>what happens on the day</source>
        <translation>ما يحدث في اليوم نفسه</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>whether the number of years is displayed</source>
        <translation>هل يُعرض عدد السنوات</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Some details of this event could not be read: %1.  They are shown with the values a new event starts with.  Press OK to save the event with what you see, or Cancel to leave it unchanged.</source>
        <translation>تعذّرت قراءة بعض تفاصيل هذه المناسبة: %1. وهي معروضة بالقيم التي تبدأ بها المناسبة الجديدة. اضغط «حسنًا» لحفظ المناسبة كما تراها، أو «ألغِ» لتركها دون تغيير.</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>You have not entered a valid name for this birthday.  Please check and try again.</source>
        <translation>لم تُدخل اسمًا صالحًا لعيد الميلاد هذا. يُرجى التحقق والمحاولة مرة أخرى.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>You have not entered a valid date for this birthday.  Please check and try again.</source>
        <translation>لم تُدخل تاريخًا صالحًا لعيد الميلاد هذا. يُرجى التحقق والمحاولة مرة أخرى.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A date without a year repeats every year: tick &quot;Repeats every year&quot; or give the year.</source>
        <translation>التاريخ الذي بلا سنة يتكرر كل سنة: حدد «يتكرر كل سنة» أو أدخل السنة.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The Notify From value must be a number that is zero or over.  Please check and try again.</source>
        <translation>يجب أن تكون قيمة «أشعرني قبل» عددًا يساوي صفرًا أو أكبر. يُرجى التحقق والمحاولة مرة أخرى.</translation>
    </message>
    <message>
        <location line="-40"/>
        <location line="+65"/>
        <location line="+25"/>
        <source>The event could not be saved.

%1</source>
        <translation>تعذّر حفظ المناسبة.

%1</translation>
    </message>
</context>
<context>
    <name>BirthdayInput</name>
    <message>
        <location filename="../src/core/events/birthdayinput.h" line="+25"/>
        <source>Show a Dialog</source>
        <extracomment>What happens on the event&apos;s day: an alert window opens.</extracomment>
        <translation>إظهار مربع حوار</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Do Nothing!</source>
        <extracomment>What happens on the event&apos;s day: no alert window, the event is only listed in the notification. The exclamation mark is part of the program&apos;s wording.</extracomment>
        <translation>لا تفعل شيئًا!</translation>
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
يتبع الاشتراك &quot;%2&quot;: أي تغيير هناك يغيّره هنا.</translation>
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
        <translation>الاسم</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Date</source>
        <extracomment>Column header of the event list: the date stored with the event (year, month, day).</extracomment>
        <translation>التاريخ</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Next</source>
        <extracomment>Column header of the event list: the date the event falls on next (not &quot;the next one&quot;).</extracomment>
        <translation>القادم</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>In</source>
        <extracomment>Column header of the event list: how long until the event (&quot;today&quot;, &quot;in 3 days&quot;). A narrow column: one short word.</extracomment>
        <translation>بعد</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Age</source>
        <extracomment>Column header of the event list: the years since the date (a person&apos;s age).</extracomment>
        <translation>العمر</translation>
    </message>
</context>
<context>
    <name>BirthdayListView</name>
    <message>
        <location filename="../src/ui/list/birthdaylistview.cpp" line="+73"/>
        <source>Birthdays List</source>
        <translation>قائمة أعياد الميلاد</translation>
    </message>
</context>
<context>
    <name>BirthdayStore</name>
    <message>
        <location filename="../src/core/store/birthdaystore.cpp" line="+90"/>
        <source>The record key %1 is not valid: keys run from 0 to %2.</source>
        <translation>مفتاح السجل %1 غير صالح: تتراوح المفاتيح من 0 إلى %2.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>it is in use by another running copy of Candlewatcher</source>
        <translation>تستخدمه نسخة أخرى قيد التشغيل من Candlewatcher</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the folder &quot;%1&quot; does not exist</source>
        <translation>المجلد «%1» غير موجود</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no permission to create &quot;%1&quot;</source>
        <translation>لا يوجد إذن بإنشاء «%1»</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&quot;%1&quot; could not be created or locked (%2)</source>
        <translation>تعذّر إنشاء «%1» أو قفله (%2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&quot;%1&quot; could not be created</source>
        <translation>تعذّر إنشاء «%1»</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cannot lock the data file &quot;%1&quot;: %2.</source>
        <translation>تعذّر قفل ملف البيانات «%1»: %2.</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Cannot write the data file &quot;%1&quot;: another program keeps replacing it.</source>
        <translation>تعذّرت كتابة ملف البيانات «%1»: برنامج آخر يستبدله باستمرار.</translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>The data file &quot;%1&quot; already holds %Ln events, the most it can hold.</source>
        <extracomment>%1 is the data file, %Ln the number of events it holds: the most it can.</extracomment>
        <translation>
            <numerusform>يحتوي ملف البيانات «%1» بالفعل على %Ln مناسبة، وهو أقصى ما يمكنه احتواؤه.</numerusform>
            <numerusform>يحتوي ملف البيانات «%1» بالفعل على مناسبة واحدة، وهو أقصى ما يمكنه احتواؤه.</numerusform>
            <numerusform>يحتوي ملف البيانات «%1» بالفعل على مناسبتين، وهو أقصى ما يمكنه احتواؤه.</numerusform>
            <numerusform>يحتوي ملف البيانات «%1» بالفعل على %Ln مناسبات، وهو أقصى ما يمكنه احتواؤه.</numerusform>
            <numerusform>يحتوي ملف البيانات «%1» بالفعل على %Ln مناسبة، وهو أقصى ما يمكنه احتواؤه.</numerusform>
            <numerusform>يحتوي ملف البيانات «%1» بالفعل على %Ln مناسبة، وهو أقصى ما يمكنه احتواؤه.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+14"/>
        <source>The data file &quot;%1&quot; already holds %Ln events, the most it can hold: delete one to make room for another.</source>
        <extracomment>%1 is the data file, %Ln the number of events it holds: the most it can.</extracomment>
        <translation>
            <numerusform>يحتوي ملف البيانات «%1» بالفعل على %Ln مناسبة، وهو أقصى ما يمكنه احتواؤه: احذف واحدة لإفساح المجال لأخرى.</numerusform>
            <numerusform>يحتوي ملف البيانات «%1» بالفعل على مناسبة واحدة، وهو أقصى ما يمكنه احتواؤه: احذف واحدة لإفساح المجال لأخرى.</numerusform>
            <numerusform>يحتوي ملف البيانات «%1» بالفعل على مناسبتين، وهو أقصى ما يمكنه احتواؤه: احذف واحدة لإفساح المجال لأخرى.</numerusform>
            <numerusform>يحتوي ملف البيانات «%1» بالفعل على %Ln مناسبات، وهو أقصى ما يمكنه احتواؤه: احذف واحدة لإفساح المجال لأخرى.</numerusform>
            <numerusform>يحتوي ملف البيانات «%1» بالفعل على %Ln مناسبة، وهو أقصى ما يمكنه احتواؤه: احذف واحدة لإفساح المجال لأخرى.</numerusform>
            <numerusform>يحتوي ملف البيانات «%1» بالفعل على %Ln مناسبة، وهو أقصى ما يمكنه احتواؤه: احذف واحدة لإفساح المجال لأخرى.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+120"/>
        <location line="+34"/>
        <source>There is no field &quot;%1&quot; in the data file.</source>
        <translation>لا يوجد حقل «%1» في ملف البيانات.</translation>
    </message>
    <message>
        <location line="+117"/>
        <source>The %1 &quot;%2&quot; is too long: it takes %3 bytes, and the data file holds at most %4.</source>
        <extracomment>%1 is the name of a field of the data file (Name, Date, …), kept in English.</extracomment>
        <translation>قيمة الحقل %1 «%2» طويلة جدًا: تشغل %3 بايت، وملف البيانات يتسع لـ %4 على الأكثر.</translation>
    </message>
    <message>
        <location filename="../src/core/store/storecompaction.cpp" line="+54"/>
        <source>Cannot compact the data file &quot;%1&quot;: another program keeps replacing it.</source>
        <translation>تعذّر ضغط ملف البيانات «%1»: برنامج آخر يستبدله باستمرار.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Cannot delete the leftover file &quot;%1&quot;: %2.</source>
        <translation>تعذّر حذف الملف المتبقي «%1»: %2.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Cannot compact the data file &quot;%1&quot;: it is read-only.</source>
        <translation>تعذّر ضغط ملف البيانات «%1»: إنه للقراءة فقط.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot create the file &quot;%1&quot;: %2.</source>
        <translation>تعذّر إنشاء الملف «%1»: %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+79"/>
        <source>Cannot write the file &quot;%1&quot;: %2.</source>
        <translation>تعذّرت كتابة الملف «%1»: %2.</translation>
    </message>
    <message>
        <location line="-24"/>
        <source>Cannot put the compacted copy in place of the data file &quot;%1&quot;: %2.</source>
        <translation>تعذّر وضع النسخة المضغوطة مكان ملف البيانات «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>CalendarExchange</name>
    <message>
        <location filename="../src/core/exchange/calendarexchange.cpp" line="+30"/>
        <source>(an event without a name)</source>
        <translation>(مناسبة بلا اسم)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>it could not be read: %1</source>
        <translation>تعذّرت قراءتها: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the event has no name</source>
        <translation>المناسبة بلا اسم</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it moves one day of a repeating event</source>
        <translation>تنقل يومًا واحدًا من مناسبة متكررة</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the event has no start date</source>
        <translation>المناسبة بلا تاريخ بداية</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>its start is not a date</source>
        <translation>بدايتها ليست تاريخًا</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it was cancelled</source>
        <translation>أُلغيت</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is not an all-day event</source>
        <translation>ليست مناسبة تستغرق اليوم كله</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it does not repeat on one day every year</source>
        <translation>لا تتكرر في يوم واحد كل سنة</translation>
    </message>
</context>
<context>
    <name>CalendarFeed</name>
    <message>
        <location filename="../src/core/sync/calendarfeed.cpp" line="+55"/>
        <source>not an iCalendar file (no BEGIN:VCALENDAR)</source>
        <translation>ليس ملف iCalendar (لا يوجد BEGIN:VCALENDAR)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>text after END:VCALENDAR</source>
        <translation>نص بعد END:VCALENDAR</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>END:%1 does not close the open component</source>
        <translation>‏END:%1 لا يغلق المكوّن المفتوح</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>the calendar is cut short (no END:VCALENDAR)</source>
        <translation>التقويم مقطوع (لا يوجد END:VCALENDAR)</translation>
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
        <translation>تعذّر التحقق من شهادة %1: %2

صادرة لـ: %3
صادرة من: %4
صالحة من %5 إلى %6
بصمة SHA-256: %7

لا تقبلها لهذا الخادم إلا إذا كنت تعلم أنها شهادة الخادم نفسه (قارن البصمة بالبصمة التي يعطيها مالكه). إذا تغيّرت الشهادة لاحقًا فسيُطرح السؤال من جديد.

هل تقبلها؟</translation>
    </message>
</context>
<context>
    <name>CollectionFetch</name>
    <message>
        <location filename="../src/net/collectionfetch.cpp" line="+86"/>
        <source>the server sent its changes in more than %L1 parts; stopped, to be tried again at the next sync</source>
        <translation>أرسل الخادم تغييراته في أكثر من %L1 جزء؛ توقف، وستُعاد المحاولة في المزامنة التالية</translation>
    </message>
    <message>
        <location line="+104"/>
        <source>no content for %1</source>
        <translation>لا يوجد محتوى لـ %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../src/cli/commandline.cpp" line="+71"/>
        <source>Candlewatcher reminds you of birthdays and other dated events. Without options it starts in the system tray; with one of the options below it does that one thing and ends, whether or not it runs in the tray.</source>
        <translation>يذكّرك Candlewatcher بأعياد الميلاد والمناسبات الأخرى ذات التاريخ. يبدأ دون خيارات في علبة النظام؛ ومع أحد الخيارات أدناه ينفّذ ذلك الأمر وحده ثم ينتهي، سواء أكان يعمل في علبة النظام أم لا.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>List the events of the next DAYS days (default 30), soonest first.</source>
        <extracomment>DAYS is the value&apos;s name in the usage line: keep it as it is.</extracomment>
        <translation>يسرد مناسبات الأيام الـ DAYS القادمة (30 افتراضيًا)، الأقرب أولًا.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>With --upcoming: print a JSON array instead.</source>
        <translation>مع --upcoming: يطبع مصفوفة JSON بدلًا من ذلك.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>With --import: show what would be imported.</source>
        <translation>مع --import: يعرض ما سيُستورد.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Write every event to FILE as an iCalendar file (- for standard output).</source>
        <extracomment>FILE is the value&apos;s name in the usage line: keep it as it is.</extracomment>
        <translation>يكتب كل المناسبات إلى FILE في ملف iCalendar (- للمخرج القياسي).</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>With --upcoming: how many days ahead.</source>
        <translation>مع --upcoming: عدد الأيام القادمة.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>With --import: more files to import.</source>
        <translation>مع --import: ملفات أخرى لاستيرادها.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>--json goes with --upcoming.</source>
        <translation>--json يُستخدم مع --upcoming.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--dry-run goes with --import.</source>
        <translation>--dry-run يُستخدم مع --import.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>unexpected argument &quot;%1&quot;.</source>
        <translation>وسيط غير متوقع «%1».</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>DAYS must be a whole number from 0 to %1, not &quot;%2&quot;.</source>
        <translation>يجب أن يكون DAYS عددًا صحيحًا من 0 إلى %1، وليس «%2».</translation>
    </message>
    <message>
        <location filename="../src/cli/exportcommand.cpp" line="+26"/>
        <source>the calendar could not be written to standard output.</source>
        <translation>تعذّرت كتابة التقويم إلى المخرج القياسي.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>cannot write &quot;%1&quot;: %2</source>
        <extracomment>%1 is the file, %2 why it could not be written.</extracomment>
        <translation>تعذّرت كتابة «%1»: %2</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%Ln events written to %1
</source>
        <extracomment>%Ln is the number of events written, %1 the file.</extracomment>
        <translation>
            <numerusform>كُتبت %Ln مناسبة إلى %1
</numerusform>
            <numerusform>كُتبت مناسبة واحدة إلى %1
</numerusform>
            <numerusform>كُتبت مناسبتان إلى %1
</numerusform>
            <numerusform>كُتبت %Ln مناسبات إلى %1
</numerusform>
            <numerusform>كُتبت %Ln مناسبة إلى %1
</numerusform>
            <numerusform>كُتبت %Ln مناسبة إلى %1
</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/cli/importcommand.cpp" line="+41"/>
        <source>skipped: %1: %2
</source>
        <extracomment>%1 is an event&apos;s name, %2 why it was not added.</extracomment>
        <translation>تُخطّيت: %1: %2
</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>to add: %1 (%2)
</source>
        <extracomment>%1 is an event&apos;s name, %2 its date.</extracomment>
        <translation>للإضافة: %1 (%2)
</translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>%Ln events were not added: %1.</source>
        <extracomment>%1 says how many events the data file holds.</extracomment>
        <translation>
            <numerusform>لم تُضف %Ln مناسبة: %1.</numerusform>
            <numerusform>لم تُضف مناسبة واحدة: %1.</numerusform>
            <numerusform>لم تُضف مناسبتان: %1.</numerusform>
            <numerusform>لم تُضف %Ln مناسبات: %1.</numerusform>
            <numerusform>لم تُضف %Ln مناسبة: %1.</numerusform>
            <numerusform>لم تُضف %Ln مناسبة: %1.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the files hold no contact or event with a date.</source>
        <translation>لا تحتوي الملفات على أي جهة اتصال أو مناسبة ذات تاريخ.</translation>
    </message>
    <message>
        <location filename="../src/cli/output.h" line="+30"/>
        <source>candlewatcher: %1
Try &apos;candlewatcher --help&apos;.
</source>
        <extracomment>%1 is what was wrong with the command line.</extracomment>
        <translation>candlewatcher: %1
جرّب &apos;candlewatcher --help&apos;.
</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>candlewatcher: left out, their dates could not be read: %1
</source>
        <translation>candlewatcher: حُذفت من القائمة لتعذّر قراءة تواريخها: %1
</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/cli/upcoming.cpp" line="+87"/>
        <source>No events in the next %Ln days.
</source>
        <extracomment>%Ln is the number of days looked ahead.</extracomment>
        <translation>
            <numerusform>لا مناسبات في الأيام الـ %Ln القادمة.
</numerusform>
            <numerusform>لا مناسبات في اليوم القادم (%Ln).
</numerusform>
            <numerusform>لا مناسبات في اليومين القادمين (%Ln).
</numerusform>
            <numerusform>لا مناسبات في الأيام الـ %Ln القادمة.
</numerusform>
            <numerusform>لا مناسبات في الأيام الـ %Ln القادمة.
</numerusform>
            <numerusform>لا مناسبات في الأيام الـ %Ln القادمة.
</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/cli/commandline.cpp" line="-47"/>
        <source>Sync every subscribed address book and calendar once.</source>
        <translation>يزامن مرة واحدة كل دفتر عناوين وكل تقويم مشترك فيه.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>give one of --upcoming, --import, --export-ics and --sync.</source>
        <translation>حدِّد أحد الخيارات --upcoming و--import و--export-ics و--sync.</translation>
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
        <translation>لا توجد اشتراكات.
</translation>
    </message>
</context>
<context>
    <name>CommentsForm</name>
    <message>
        <location filename="../src/ui/web/commentsform.cpp" line="+49"/>
        <source>Comments and Suggestions</source>
        <translation>تعليقات واقتراحات</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Introduction</source>
        <translation>مقدمة</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Comments</source>
        <translation>تعليقات</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Suggestions</source>
        <translation>اقتراحات</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Do not display my input on the %1 website</source>
        <translation>لا تعرض ما أكتبه على موقع %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Send Now</source>
        <translation>إ&amp;رسال الآن</translation>
    </message>
</context>
<context>
    <name>DataFileIo</name>
    <message>
        <location filename="../src/core/store/datafileio.cpp" line="+15"/>
        <source>Cannot write the data file &quot;%1&quot;: %2.</source>
        <translation>تعذّرت كتابة ملف البيانات «%1»: %2.</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Cannot open the data file &quot;%1&quot;: %2.</source>
        <translation>تعذّر فتح ملف البيانات «%1»: %2.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cannot read the data file &quot;%1&quot;: %2.</source>
        <translation>تعذّرت قراءة ملف البيانات «%1»: %2.</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Cannot open the data file &quot;%1&quot; for writing: %2.</source>
        <translation>تعذّر فتح ملف البيانات «%1» للكتابة: %2.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>  Part of the change may have been written.</source>
        <translation>  ربما كُتب جزء من التغيير.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cannot shorten the data file &quot;%1&quot;: %2.</source>
        <translation>تعذّر تقصير ملف البيانات «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>DavDiscovery</name>
    <message>
        <location filename="../src/net/davdiscovery.cpp" line="+45"/>
        <source>not an http, https or webcal address</source>
        <translation>ليس عنوان http أو https أو webcal</translation>
    </message>
    <message>
        <location line="+91"/>
        <source>no address books or calendars found</source>
        <translation>لم يُعثر على دفاتر عناوين أو تقاويم</translation>
    </message>
</context>
<context>
    <name>DavXml</name>
    <message>
        <location filename="../src/core/sync/davxml.cpp" line="+175"/>
        <source>not a multistatus answer</source>
        <translation>ليست استجابة multistatus</translation>
    </message>
</context>
<context>
    <name>EventRuleFile</name>
    <message>
        <location filename="../src/core/store/eventrulefile.cpp" line="+48"/>
        <source>The rules file &quot;%1&quot; is damaged: %2.</source>
        <translation>ملف القواعد &quot;%1&quot; تالف: %2.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The rules file &quot;%1&quot; was written by a newer version of the program.</source>
        <translation>ملف القواعد &quot;%1&quot; كتبه إصدار أحدث من البرنامج.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The rules file &quot;%1&quot; is larger than %2 MB, more than this program writes: it is not read.</source>
        <translation>ملف القواعد «%1» أكبر من %2 ميغابايت، أكثر مما يكتبه هذا البرنامج: لا تتم قراءته.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The rules file &quot;%1&quot; is damaged: an entry in it does not read.</source>
        <translation>ملف القواعد &quot;%1&quot; تالف: أحد مدخلاته لا يُقرأ.</translation>
    </message>
</context>
<context>
    <name>ExchangeCommands</name>
    <message>
        <location filename="../src/ui/app/exchangecommands.cpp" line="+55"/>
        <source>Import</source>
        <translation>استيراد</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>There are no contacts or events to import in the file.</source>
        <translation>لا توجد في الملف جهات اتصال أو مناسبات لاستيرادها.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+13"/>
        <source>Nothing was imported.</source>
        <translation>لم يُستورد شيء.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not everything was imported.</source>
        <translation>لم يُستورد كل شيء.</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Export</source>
        <translation>تصدير</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>iCalendar files (*.ics);;All files (*)</source>
        <translation>ملفات iCalendar (*.ics);;كل الملفات (*)</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+7"/>
        <source>The events could not be exported.</source>
        <translation>تعذّر تصدير المناسبات.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <translation>تعذّرت كتابة «%1»: %2.</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%Ln events were exported to &quot;%1&quot;.</source>
        <extracomment>%Ln is the number of events exported, %1 the file.</extracomment>
        <translation>
            <numerusform>صُدّرت %Ln مناسبة إلى «%1».</numerusform>
            <numerusform>صُدّرت مناسبة واحدة إلى «%1».</numerusform>
            <numerusform>صُدّرت مناسبتان إلى «%1».</numerusform>
            <numerusform>صُدّرت %Ln مناسبات إلى «%1».</numerusform>
            <numerusform>صُدّرت %Ln مناسبة إلى «%1».</numerusform>
            <numerusform>صُدّرت %Ln مناسبة إلى «%1».</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>

Left out because their dates could not be read: %1</source>
        <translation>

حُذفت لتعذّر قراءة تواريخها: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>, </source>
        <comment>between the items of a list</comment>
        <translation>، </translation>
    </message>
    <message>
        <location line="+10"/>
        <source>There are no backups yet.  Candlewatcher keeps a copy of your events on each day it exits or imports, in &quot;%1&quot;.</source>
        <translation>لا توجد نسخ احتياطية بعد. يحتفظ Candlewatcher بنسخة من مناسباتك في كل يوم ينتهي فيه أو يستورد فيه، في «%1».</translation>
    </message>
    <message numerus="yes">
        <location line="+17"/>
        <source>Replace your events with the %Ln events of the backup of %1?

Your events as they are now are kept as a backup of today.</source>
        <extracomment>%Ln is the number of events in the backup, %1 the backup&apos;s day.</extracomment>
        <translation>
            <numerusform>هل تريد استبدال مناسباتك بالمناسبات (%Ln) في النسخة الاحتياطية من %1؟

ستُحفظ مناسباتك الحالية كنسخة احتياطية لليوم.</numerusform>
            <numerusform>هل تريد استبدال مناسباتك بالمناسبة (%Ln) في النسخة الاحتياطية من %1؟

ستُحفظ مناسباتك الحالية كنسخة احتياطية لليوم.</numerusform>
            <numerusform>هل تريد استبدال مناسباتك بالمناسبتين (%Ln) في النسخة الاحتياطية من %1؟

ستُحفظ مناسباتك الحالية كنسخة احتياطية لليوم.</numerusform>
            <numerusform>هل تريد استبدال مناسباتك بالمناسبات الـ %Ln في النسخة الاحتياطية من %1؟

ستُحفظ مناسباتك الحالية كنسخة احتياطية لليوم.</numerusform>
            <numerusform>هل تريد استبدال مناسباتك بالمناسبات الـ %Ln في النسخة الاحتياطية من %1؟

ستُحفظ مناسباتك الحالية كنسخة احتياطية لليوم.</numerusform>
            <numerusform>هل تريد استبدال مناسباتك بالمناسبات الـ %Ln في النسخة الاحتياطية من %1؟

ستُحفظ مناسباتك الحالية كنسخة احتياطية لليوم.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The backup could not be restored.</source>
        <translation>تعذّرت استعادة النسخة الاحتياطية.</translation>
    </message>
    <message>
        <location line="-171"/>
        <source>Reading the files...</source>
        <translation>جارٍ قراءة الملفات...</translation>
    </message>
</context>
<context>
    <name>HelpPanel</name>
    <message>
        <location filename="../src/ui/help/helppanel.h" line="+13"/>
        <source>Interactive Help</source>
        <translation>المساعدة التفاعلية</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Welcome to Candlewatcher Interactive help.  Simply move your mouse over any area of the screen to get help on that item.</source>
        <translation>مرحبًا بك في المساعدة التفاعلية لـ Candlewatcher. ما عليك إلا تمرير الفأرة فوق أي جزء من الشاشة للحصول على مساعدة عنه.</translation>
    </message>
</context>
<context>
    <name>HelpTopics</name>
    <message>
        <location filename="../src/ui/presentation/helptopics.cpp" line="+11"/>
        <source>Birthdays List</source>
        <translation>قائمة أعياد الميلاد</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The Birthdays List contains all of your current birthday items.  Double click on any item to edit it, or right click on any item to view options such as delete or duplicate.</source>
        <translation>تحتوي قائمة أعياد الميلاد على كل أعياد الميلاد الحالية. انقر نقرًا مزدوجًا على أي عنصر لتحريره، أو انقر عليه بالزر الأيمن لعرض خيارات مثل الحذف أو التكرار.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Status Bar</source>
        <translation>شريط الحالة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The status bar notifies you of any events that occur during operation.</source>
        <translation>يُعلمك شريط الحالة بكل ما يحدث أثناء العمل.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Toolbar</source>
        <translation>شريط الأدوات</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The toolbar provides you with a quick and easy way to access the main functions of the Candlewatcher software.  Hold your mouse over any button to see a description of what it does.</source>
        <translation>يوفر لك شريط الأدوات طريقة سريعة وسهلة للوصول إلى الوظائف الرئيسية في Candlewatcher. أبقِ الفأرة فوق أي زر لترى وصفًا لما يفعله.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Interactive Help</source>
        <translation>المساعدة التفاعلية</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Interactive Help provides information on any part of this product.  Simply move your mouse over any item on the screen to get a description of what it is and how to use it.</source>
        <translation>توفر المساعدة التفاعلية معلومات عن أي جزء من هذا المنتج. ما عليك إلا تمرير الفأرة فوق أي عنصر على الشاشة للحصول على وصف له ولطريقة استخدامه.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>OK Button</source>
        <translation>زر «حسنًا»</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Closes the current window and saves any settings.</source>
        <translation>يغلق النافذة الحالية ويحفظ الإعدادات.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel Button</source>
        <translation>زر «ألغِ»</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Closes the current window without saving any settings.</source>
        <translation>يغلق النافذة الحالية دون حفظ الإعدادات.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close Button</source>
        <translation>زر «إغلاق»</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Closes the current window.</source>
        <translation>يغلق النافذة الحالية.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>System Information</source>
        <translation>معلومات النظام</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shows you information about your computer.</source>
        <translation>يعرض لك معلومات عن حاسوبك.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Birthday Name</source>
        <translation>اسم عيد الميلاد</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A documentary name chosen by you which represents the event.  For example, Fred&apos;s Birthday, or Rita&apos;s Anniversary.  Names do not have to be unique, but for easy identification, it is recommended that they are.</source>
        <translation>اسم وصفي تختاره ليمثل المناسبة، مثل «عيد ميلاد فريد» أو «ذكرى زواج ريتا». لا يلزم أن تكون الأسماء فريدة، لكن يُنصح بذلك لتمييزها بسهولة.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Birthday Date</source>
        <translation>تاريخ عيد الميلاد</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This is the date that the event occurs.  If it is a recurring event such as a birthday, that happens every year, it might be convenient to set the year as the date of birth of that person.<byte value="xd"/>
<byte value="xd"/>
Tip: using the down arrow will show you a calendar.</source>
        <translation>هذا هو تاريخ حلول المناسبة. إذا كانت مناسبة متكررة كعيد ميلاد يحل كل سنة، فقد يكون من المناسب جعل السنة سنة ميلاد ذلك الشخص.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Recurs Every Year</source>
        <translation>يتكرر كل سنة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If you select this option then you will be reminded of the event on the date you entered and every year after that.  If you leave it unchecked, you will only be reminded on the exact date that you entered.</source>
        <translation>إذا حددت هذا الخيار فسيذكّرك البرنامج بالمناسبة في التاريخ الذي أدخلته وكل سنة بعد ذلك. وإذا تركته دون تحديد فلن يذكّرك إلا في التاريخ الذي أدخلته بالضبط.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Notify From...</source>
        <translation>أشعرني قبل...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This sets the number of days before the event from which to show it in the Notifications window.  This is a little window that appears above the Candlewatcher icon in the system tray, and lasts for 10 seconds.  It can be configured in the Preferences section of this software.</source>
        <translation>يحدد عدد الأيام قبل المناسبة التي تبدأ عندها بالظهور في نافذة الإشعارات. وهي نافذة صغيرة تظهر فوق أيقونة Candlewatcher في علبة النظام وتبقى 10 ثوانٍ. ويمكن ضبطها في قسم التفضيلات من هذا البرنامج.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Alert</source>
        <translation>التنبيه</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Allows you to configure how you want to be warned on the day of an event.</source>
        <translation>يتيح لك ضبط طريقة تنبيهك في يوم المناسبة.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Notifications</source>
        <translation>الإشعارات</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This window shows you any up-coming events and any events that occur today.  It is displayed at regular intervals, which can be customised in the Preferences section of this software.</source>
        <translation>تعرض لك هذه النافذة المناسبات القادمة ومناسبات اليوم. وتظهر على فترات منتظمة يمكن ضبطها في قسم التفضيلات من هذا البرنامج.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Confirm Delete</source>
        <translation>تأكيد الحذف</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If this is checked then you will be asked if you are sure before you can delete any birthdays.</source>
        <translation>إذا حُدد هذا الخيار فسيُطلب منك التأكيد قبل حذف أي عيد ميلاد.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Confirm Quit</source>
        <translation>تأكيد الإنهاء</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If this is checked then you will be asked if you are sure before you can quit Candlewatcher.  Quitting Candlewatcher will mean you are not notified of any events.</source>
        <translation>إذا حُدد هذا الخيار فسيُطلب منك التأكيد قبل إنهاء Candlewatcher. وإنهاء Candlewatcher يعني أنك لن تتلقى إشعارات بأي مناسبات.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Notification Settings</source>
        <translation>إعدادات الإشعارات</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>These allow you to set when the notification window appears.  The notification window is a small box that appears above the icon in the system tray, to tell you of any up-coming or current events.  If there are no events the notification window will not appear, regardless of the settings you choose.</source>
        <translation>تتيح لك هذه الإعدادات تحديد وقت ظهور نافذة الإشعارات. ونافذة الإشعارات مربع صغير يظهر فوق الأيقونة في علبة النظام ليخبرك بالمناسبات القادمة أو الحالية. وإذا لم توجد مناسبات فلن تظهر نافذة الإشعارات مهما كانت الإعدادات التي تختارها.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Alerts Time</source>
        <translation>وقت التنبيهات</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If you have set for an alert to occur on the day of a birthday event, you can configure here what time you want it to appear.</source>
        <translation>إذا اخترت أن يظهر تنبيه في يوم عيد الميلاد، فيمكنك هنا ضبط الوقت الذي تريد أن يظهر فيه.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Special Events</source>
        <translation>مناسبات خاصة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In this box is a list of regularly used events.  Select the items you want to add to your Candlewatcher events list - you can use Shift or Control to select more than one item at a time - and then click on OK.  You will be notified of the events when they occur.</source>
        <translation>يحتوي هذا المربع على قائمة بالمناسبات الشائعة. حدد العناصر التي تريد إضافتها إلى قائمة مناسبات Candlewatcher (يمكنك استخدام Shift أو Ctrl لتحديد أكثر من عنصر في المرة الواحدة) ثم انقر «حسنًا». ستتلقى إشعارًا بالمناسبات عند حلولها.</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>Subscriptions Sync</source>
        <translation>مزامنة الاشتراكات</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This is how many hours apart Candlewatcher brings your subscribed address books and calendars up to date while it runs.  It also does so when it starts and when you click on Sync Now in the Subscriptions window.  With 0 it does so only then.</source>
        <translation>هذا هو عدد الساعات بين كل مرة يحدّث فيها Candlewatcher دفاتر العناوين والتقاويم المشترك فيها أثناء تشغيله.  ويحدّثها أيضًا عند بدء تشغيله وعند النقر على «زامن الآن» في نافذة الاشتراكات.  مع 0 لا يحدّثها إلا في هذه الحالات.</translation>
    </message>
</context>
<context>
    <name>HttpCall</name>
    <message>
        <location filename="../src/net/httpcall.cpp" line="+51"/>
        <source>no answer for %1 seconds</source>
        <translation>لا توجد إجابة منذ %1 ثانية</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the answer did not come in full within %1 seconds</source>
        <translation>لم يصل الرد كاملًا خلال %1 ثانية</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>the answer of %1 bytes is over the limit of %2 bytes; refused</source>
        <translation>الإجابة بحجم %1 بايت تتجاوز الحد البالغ %2 بايت؛ رُفضت</translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+31"/>
        <source>the answer is over the limit of %1 bytes; refused</source>
        <translation>الإجابة تتجاوز الحد البالغ %1 بايت؛ رُفضت</translation>
    </message>
    <message>
        <location line="-17"/>
        <source>the server&apos;s certificate does not verify (%1); refused</source>
        <translation>تعذّر التحقق من شهادة الخادم (%1)؛ رُفضت</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the connection closed after %1 of %2 bytes</source>
        <translation>انقطع الاتصال بعد %1 من %2 بايت</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>redirected more than %1 times</source>
        <translation>أُعيد التوجيه أكثر من %1 مرة</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>redirected to %1, which is not an http or https address; refused</source>
        <translation>أُعيد التوجيه إلى %1، وهو ليس عنوان http أو https؛ رُفض</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>the password is not sent over plain http except to this computer; use the https address (401)</source>
        <translation>لا تُرسل كلمة المرور عبر http غير المشفر إلا إلى هذا الحاسوب؛ استخدم عنوان https ‏(401)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the password is not sent to %1, where the server redirected; if that is the right server, subscribe to that address (401)</source>
        <translation>لا تُرسل كلمة المرور إلى %1، حيث أعاد الخادم التوجيه؛ إن كان هذا هو الخادم الصحيح فاشترك في ذلك العنوان ‏(401)</translation>
    </message>
</context>
<context>
    <name>ICalendar</name>
    <message>
        <location filename="../src/core/exchange/icalendar.cpp" line="+435"/>
        <source>It is not an iCalendar file: it does not start with BEGIN:VCALENDAR.</source>
        <translation>ليس ملف iCalendar: لا يبدأ بـ BEGIN:VCALENDAR.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Its BEGIN lines nest deeper than %1 levels, deeper than any calendar: it is not read.</source>
        <translation>تتداخل أسطر BEGIN فيه لأكثر من %1 مستوى، أعمق من أي تقويم: لن يُقرأ.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The file ends in the middle of a calendar (a BEGIN line has no END line): it looks cut off.</source>
        <translation>ينتهي الملف في منتصف تقويم (سطر BEGIN بلا سطر END): يبدو أنه مقطوع.</translation>
    </message>
</context>
<context>
    <name>ImportDialog</name>
    <message>
        <location filename="../src/ui/dialogs/importdialog.cpp" line="+150"/>
        <source>Import</source>
        <translation>استيراد</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Choose the events to add from %1:</source>
        <translation>اختر المناسبات التي تريد إضافتها من %1:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Events to import</source>
        <translation>المناسبات المراد استيرادها</translation>
    </message>
    <message>
        <location line="-102"/>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>On the Day</source>
        <translation>في اليوم نفسه</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>no year given: the age is not shown</source>
        <translation>لم تُحدَّد السنة: لن يُعرض العمر</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>Select &amp;All</source>
        <translation>تحديد ال&amp;كل</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Select &amp;None</source>
        <translation>&amp;إلغاء التحديد</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>On the &amp;Day:</source>
        <translation>في ال&amp;يوم نفسه:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Each as listed</source>
        <translation>كلٌّ كما هو مدرج</translation>
    </message>
    <message>
        <location line="-142"/>
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Note</source>
        <translation>ملاحظة</translation>
    </message>
</context>
<context>
    <name>ImportEntry</name>
    <message>
        <location filename="../src/core/exchange/importentry.h" line="+59"/>
        <source>%1 — Anniversary</source>
        <extracomment>The name of the event that a contact&apos;s anniversary becomes; %1 is the contact&apos;s name.</extracomment>
        <translation>%1 — ذكرى سنوية</translation>
    </message>
</context>
<context>
    <name>ImportFormats</name>
    <message>
        <location filename="../src/core/exchange/importformats.cpp" line="+18"/>
        <source>, </source>
        <extracomment>Joins the items of a list but its last two.</extracomment>
        <translation>، </translation>
    </message>
    <message>
        <location line="+18"/>
        <source>a contacts file</source>
        <translation>ملف جهات اتصال</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>contacts</source>
        <translation>جهات الاتصال</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the birthdays and anniversaries of contacts</source>
        <translation>أعياد ميلاد جهات الاتصال وذكرياتها السنوية</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>a calendar file</source>
        <translation>ملف تقويم</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>calendars</source>
        <translation>التقاويم</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the all-day events of calendars</source>
        <translation>مناسبات التقاويم التي تستغرق اليوم كله</translation>
    </message>
    <message>
        <location line="+27"/>
        <location line="+26"/>
        <source>%1 and %2</source>
        <extracomment>The last two items of a list.</extracomment>
        <translation>%1 و%2</translation>
    </message>
    <message>
        <location line="-23"/>
        <source>%1 (%2);;All files (*)</source>
        <extracomment>The file dialog&apos;s filters, separated by &quot;;;&quot;: keep the &quot;;;&quot; and the &quot;(*)&quot;.</extracomment>
        <translation>%1 (%2);;كل الملفات (*)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>It is neither %1.</source>
        <extracomment>%1 lists the kinds of file, joined by &quot;%1 nor %2&quot;.</extracomment>
        <translation>ليس الملف %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 nor %2</source>
        <translation>%1 ولا %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Import %1 from FILE and the files after it.</source>
        <extracomment>The --import option&apos;s description; FILE is the option&apos;s value, as in the usage line.</extracomment>
        <translation>يستورد %1 من FILE ومن الملفات التي تليه.</translation>
    </message>
</context>
<context>
    <name>ImportPlan</name>
    <message>
        <location filename="../src/core/exchange/importplan.cpp" line="+87"/>
        <source>It is not a regular file (it is a device, a pipe or a socket): only files are imported.</source>
        <translation>ليس ملفًا عاديًا (إنه جهاز أو أنبوب أو مقبس): لا تُستورد إلا الملفات.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>It is a folder, not a file.</source>
        <translation>إنه مجلد، وليس ملفًا.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>It is larger than %1 MB, more than any contacts or calendar file holds: an import reads files up to that size.</source>
        <translation>حجمه أكبر من %1 ميغابايت، أكثر مما يحتويه أي ملف جهات اتصال أو تقويم: يقرأ الاستيراد الملفات حتى هذا الحجم.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>It could not be read: %1.</source>
        <translation>تعذّرت قراءته: %1.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>It changed while it was read: try again.</source>
        <translation>تغيّر أثناء قراءته: حاول مرة أخرى.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The file is empty.</source>
        <translation>الملف فارغ.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Nothing was added from the file.</source>
        <translation>لم يُضف شيء من الملف.</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Nothing was added from any of the %Ln files: %1 of them could not be used.</source>
        <translation>
            <numerusform>لم يُضف شيء من أي من الملفات (%Ln): تعذّر استخدام %1 منها.</numerusform>
            <numerusform>لم يُضف شيء من الملف (%Ln): تعذّر استخدام %1 منه.</numerusform>
            <numerusform>لم يُضف شيء من أي من الملفين (%Ln): تعذّر استخدام %1 منهما.</numerusform>
            <numerusform>لم يُضف شيء من أي من الملفات الـ %Ln: تعذّر استخدام %1 منها.</numerusform>
            <numerusform>لم يُضف شيء من أي من الملفات الـ %Ln: تعذّر استخدام %1 منها.</numerusform>
            <numerusform>لم يُضف شيء من أي من الملفات الـ %Ln: تعذّر استخدام %1 منها.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+23"/>
        <source>the data file holds at most %Ln events</source>
        <extracomment>%Ln is the most events the data file holds.</extracomment>
        <translation>
            <numerusform>يتسع ملف البيانات لـ %Ln مناسبة على الأكثر</numerusform>
            <numerusform>يتسع ملف البيانات لمناسبة واحدة على الأكثر</numerusform>
            <numerusform>يتسع ملف البيانات لمناسبتين على الأكثر</numerusform>
            <numerusform>يتسع ملف البيانات لـ %Ln مناسبات على الأكثر</numerusform>
            <numerusform>يتسع ملف البيانات لـ %Ln مناسبة على الأكثر</numerusform>
            <numerusform>يتسع ملف البيانات لـ %Ln مناسبة على الأكثر</numerusform>
        </translation>
    </message>
    <message>
        <location line="+50"/>
        <source>its date is not a day of the calendar</source>
        <translation>تاريخها ليس يومًا من أيام التقويم</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>its repeats ended in %1</source>
        <translation>انتهى تكرارها في %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its repeats end before they begin</source>
        <translation>ينتهي تكرارها قبل أن يبدأ</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>it is in the list already</source>
        <translation>موجودة في القائمة بالفعل</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>its repeats end in %1</source>
        <translation>ينتهي تكرارها في %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>no room: %1</source>
        <translation>لا مجال: %1</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>%L1 to add, %L2 already there, %L3 without a date</source>
        <translation>للإضافة: %L1، موجودة بالفعل: %L2، بلا تاريخ: %L3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%L1 added, %L2 already there, %L3 without a date</source>
        <translation>أُضيفت: %L1، موجودة بالفعل: %L2، بلا تاريخ: %L3</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>, %L1 left out</source>
        <extracomment>One more item of the import&apos;s summary list.</extracomment>
        <translation>، حُذفت: %L1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>, %L1 could not be read</source>
        <extracomment>One more item of the import&apos;s summary list.</extracomment>
        <translation>، تعذّرت قراءتها: %L1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>, %L1 whose repeats end, not chosen</source>
        <extracomment>One more item of the import&apos;s summary list.</extracomment>
        <translation>، ينتهي تكرارها ولم تُختر: %L1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>; %L1 fit, %L2 would not be added: %3</source>
        <extracomment>The end of the import&apos;s summary; %3 says how many events the data file holds.</extracomment>
        <translation>؛ تتسع: %L1، لن تُضاف: %L2: %3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>; %L1 not added: %2</source>
        <extracomment>The end of the import&apos;s summary; %2 says how many events the data file holds.</extracomment>
        <translation>؛ لم تُضف: %L1: %2</translation>
    </message>
    <message numerus="yes">
        <location line="+47"/>
        <source>The import stopped after %1 of the %Ln events were added.

%2</source>
        <extracomment>%1 is how many events were added, %2 why the import stopped.</extracomment>
        <translation>
            <numerusform>توقف الاستيراد بعد إضافة %1 من المناسبات (%Ln).

%2</numerusform>
            <numerusform>توقف الاستيراد بعد إضافة %1 من المناسبة (%Ln).

%2</numerusform>
            <numerusform>توقف الاستيراد بعد إضافة %1 من المناسبتين (%Ln).

%2</numerusform>
            <numerusform>توقف الاستيراد بعد إضافة %1 من %Ln مناسبات.

%2</numerusform>
            <numerusform>توقف الاستيراد بعد إضافة %1 من %Ln مناسبة.

%2</numerusform>
            <numerusform>توقف الاستيراد بعد إضافة %1 من %Ln مناسبة.

%2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>JsonFile</name>
    <message>
        <location filename="../src/core/store/jsonfile.cpp" line="+25"/>
        <source>Cannot read &quot;%1&quot;: %2.</source>
        <translation>تعذّرت قراءة «%1»: %2.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Cannot write &quot;%1&quot;: %2; the file is kept as it was.</source>
        <translation>تعذّرت كتابة «%1»: %2؛ يبقى الملف كما كان.</translation>
    </message>
</context>
<context>
    <name>ListDate</name>
    <message>
        <location filename="../src/ui/presentation/listdate.cpp" line="+47"/>
        <source>1 event has a date that cannot be read (marked ⚠)</source>
        <translation>لمناسبة واحدة تاريخ تتعذّر قراءته (عليها العلامة ⚠)</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%Ln events have dates that cannot be read (marked ⚠)</source>
        <extracomment>%Ln is the number of events whose stored date does not read (2 or more).</extracomment>
        <translation>
            <numerusform>%Ln مناسبة لها تاريخ تتعذّر قراءته (عليها العلامة ⚠)</numerusform>
            <numerusform>مناسبة واحدة لها تاريخ تتعذّر قراءته (عليها العلامة ⚠)</numerusform>
            <numerusform>مناسبتان لهما تواريخ تتعذّر قراءتها (عليهما العلامة ⚠)</numerusform>
            <numerusform>%Ln مناسبات لها تواريخ تتعذّر قراءتها (عليها العلامة ⚠)</numerusform>
            <numerusform>%Ln مناسبة لها تواريخ تتعذّر قراءتها (عليها العلامة ⚠)</numerusform>
            <numerusform>%Ln مناسبة لها تواريخ تتعذّر قراءتها (عليها العلامة ⚠)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainActions</name>
    <message>
        <location filename="../src/ui/app/mainactions.cpp" line="+190"/>
        <source>&amp;Birthdays</source>
        <translation>&amp;أعياد الميلاد</translation>
    </message>
    <message>
        <location line="-149"/>
        <source>&amp;New Birthday</source>
        <translation>عيد ميلاد &amp;جديد</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Special Events</source>
        <translation>مناسبات &amp;خاصة</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+59"/>
        <source>&amp;Edit Birthday</source>
        <translation>&amp;تحرير عيد الميلاد</translation>
    </message>
    <message>
        <location line="-56"/>
        <source>Du&amp;plicate Birthday</source>
        <translation>ت&amp;كرار عيد الميلاد</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Delete Birthday</source>
        <translation>&amp;حذف عيد الميلاد</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Import...</source>
        <translation>&amp;استيراد...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Exp&amp;ort...</source>
        <translation>ت&amp;صدير...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Restore from &amp;Backup...</source>
        <translation>استعادة من &amp;نسخة احتياطية...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>E&amp;xit Candlewatcher</source>
        <translation>&amp;إنهاء Candlewatcher</translation>
    </message>
    <message>
        <location line="+132"/>
        <source>&amp;View</source>
        <translation>&amp;عرض</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Toolbars</source>
        <translation>&amp;أشرطة الأدوات</translation>
    </message>
    <message>
        <location line="-130"/>
        <source>Standard &amp;Toolbar</source>
        <translation>شريط الأدوات ال&amp;قياسي</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Status Bar</source>
        <translation>شريط ال&amp;حالة</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Lar&amp;ge Icons</source>
        <translation>أيقونات &amp;كبيرة</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Small Icons</source>
        <translation>أيقونات &amp;صغيرة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;List</source>
        <translation>&amp;قائمة</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Details</source>
        <translation>&amp;تفاصيل</translation>
    </message>
    <message>
        <location line="+121"/>
        <source>&amp;Arrange Icons</source>
        <translation>ت&amp;رتيب الأيقونات</translation>
    </message>
    <message>
        <location line="-118"/>
        <source>By &amp;Name</source>
        <translation>حسب ال&amp;اسم</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>By &amp;Date</source>
        <translation>حسب ال&amp;تاريخ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>By Ne&amp;xt Date</source>
        <translation>حسب التاريخ ال&amp;قادم</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>By &amp;Age</source>
        <translation>حسب ال&amp;عمر</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+170"/>
        <location line="+1"/>
        <source>Preferences</source>
        <translation>التفضيلات</translation>
    </message>
    <message>
        <location line="-50"/>
        <source>&amp;Help</source>
        <translation>&amp;مساعدة</translation>
    </message>
    <message>
        <location line="-118"/>
        <source>Interactive Help</source>
        <translation>المساعدة التفاعلية</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>About Candlewatcher</source>
        <translation>عنْ Candlewatcher</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Comments and Suggestions</source>
        <translation>&amp;تعليقات واقتراحات</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 &amp;Website</source>
        <translation>&amp;موقع %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Show Candlewatcher</source>
        <translation>إ&amp;ظهار Candlewatcher</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show N&amp;otifications</source>
        <translation>إظهار الإ&amp;شعارات</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Add &amp;New Birthday</source>
        <translation>إضافة عيد ميلاد &amp;جديد</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;About Candlewatcher</source>
        <translation>&amp;عنْ Candlewatcher</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;%1 Website</source>
        <translation>&amp;موقع %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Preferences</source>
        <translation>ال&amp;تفضيلات</translation>
    </message>
    <message>
        <location line="+123"/>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Add New Birthday</source>
        <translation>إضافة عيد ميلاد جديد</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Edit</source>
        <translation>تحرير</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit Selected Birthday</source>
        <translation>تحرير عيد الميلاد المحدد</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Duplicate</source>
        <translation>تكرار</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Duplicate Birthday</source>
        <translation>تكرار عيد الميلاد</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete Selected Birthday</source>
        <translation>حذف عيد الميلاد المحدد</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Special Events</source>
        <translation>مناسبات خاصة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert Special Events</source>
        <translation>إدراج مناسبات خاصة</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Website</source>
        <translation>الموقع</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 Website</source>
        <translation>موقع %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exit</source>
        <translation>إنهاء</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Exit Candlewatcher</source>
        <translation>إنهاء Candlewatcher</translation>
    </message>
    <message>
        <location line="-204"/>
        <source>S&amp;ubscriptions...</source>
        <translation>الا&amp;شتراكات...</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../src/ui/app/mainwindow.cpp" line="+82"/>
        <source>No desktop notification service answered: reminders show in the Candlewatcher window.</source>
        <translation>لم تستجب أي خدمة إشعارات لسطح المكتب: ستظهر التذكيرات في نافذة Candlewatcher.</translation>
    </message>
    <message>
        <location line="+98"/>
        <source>Standard Toolbar</source>
        <translation>شريط الأدوات القياسي</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 %2 - never miss a birthday again</source>
        <translation>‏%1 %2 - لن يفوتك عيد ميلاد بعد اليوم</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Search by name (%1)</source>
        <extracomment>%1 is the key that moves to this field, as the desktop names it (Ctrl+F, Strg+F).</extracomment>
        <translation>البحث بالاسم (%1)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Search by name</source>
        <translation>البحث بالاسم</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clear the search</source>
        <translation>امسح البحث</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>More toolbar buttons</source>
        <translation>مزيد من أزرار شريط الأدوات</translation>
    </message>
    <message>
        <location line="+112"/>
        <source>Candlewatcher runs in the system tray: closing this window keeps it there, and a click on its icon brings the window back.</source>
        <translation>يعمل Candlewatcher في علبة النظام: إغلاق هذه النافذة يُبقيه هناك، والنقر على أيقونته يعيد النافذة.</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>If you exit then you will not be alerted to any future events.  Are you sure you want to exit?</source>
        <translation>إذا أنهيت البرنامج فلن تُنبَّه إلى أي مناسبات قادمة. هل أنت متأكد من أنك تريد الإنهاء؟</translation>
    </message>
    <message numerus="yes">
        <location line="+33"/>
        <source>%n event(s) whose writing was cut off (a name without a date) were taken out of the data file; their cells are kept in &quot;%1&quot;.</source>
        <translation>
            <numerusform>أُزيلت %n مناسبة انقطعت كتابتها (اسم بلا تاريخ) من ملف البيانات؛ وحُفظت خلاياها في «%1».</numerusform>
            <numerusform>أُزيلت %n مناسبة انقطعت كتابتها (اسم بلا تاريخ) من ملف البيانات؛ وحُفظت خلاياها في «%1».</numerusform>
            <numerusform>أُزيلت %n مناسبة انقطعت كتابتها (اسم بلا تاريخ) من ملف البيانات؛ وحُفظت خلاياها في «%1».</numerusform>
            <numerusform>أُزيلت %n مناسبة انقطعت كتابتها (اسم بلا تاريخ) من ملف البيانات؛ وحُفظت خلاياها في «%1».</numerusform>
            <numerusform>أُزيلت %n مناسبة انقطعت كتابتها (اسم بلا تاريخ) من ملف البيانات؛ وحُفظت خلاياها في «%1».</numerusform>
            <numerusform>أُزيلت %n مناسبة انقطعت كتابتها (اسم بلا تاريخ) من ملف البيانات؛ وحُفظت خلاياها في «%1».</numerusform>
        </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The data file could not be compacted.</source>
        <translation>تعذّر ضغط ملف البيانات.</translation>
    </message>
    <message>
        <location line="-354"/>
        <source>The birthdays list could not be read.</source>
        <translation>تعذّرت قراءة قائمة أعياد الميلاد.</translation>
    </message>
</context>
<context>
    <name>MissedEvents</name>
    <message numerus="yes">
        <location filename="../src/core/calendar/missedevents.cpp" line="+71"/>
        <source>%1 (%2 - %Ln Years)</source>
        <extracomment>%1 is the event&apos;s name, %2 the missed day.</extracomment>
        <translation>
            <numerusform>%1 (%2 - %Ln سنة)</numerusform>
            <numerusform>%1 (%2 - سنة واحدة)</numerusform>
            <numerusform>%1 (%2 - سنتان)</numerusform>
            <numerusform>%1 (%2 - %Ln سنوات)</numerusform>
            <numerusform>%1 (%2 - %Ln سنة)</numerusform>
            <numerusform>%1 (%2 - %Ln سنة)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NetJob</name>
    <message>
        <location filename="../src/net/netjob.cpp" line="+14"/>
        <source>the server asked for more than %L1 requests in one go; stopped, to be tried again at the next sync</source>
        <translation>طلب الخادم أكثر من %L1 طلب دفعة واحدة؛ توقف، وستُعاد المحاولة في المزامنة التالية</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>the user name or the password was refused (401)</source>
        <translation>رُفض اسم المستخدم أو كلمة المرور (401)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>access refused (403)</source>
        <translation>رُفض الوصول (403)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not found on the server (404)</source>
        <translation>غير موجود على الخادم (404)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the server failed (%1 %2)</source>
        <translation>أخفق الخادم (%1 %2)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>unexpected answer (%1 %2)</source>
        <translation>إجابة غير متوقعة (%1 %2)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the answer cannot be read: %1</source>
        <translation>تعذّرت قراءة الإجابة: %1</translation>
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
            <numerusform>%Ln</numerusform>
            <numerusform>%Ln</numerusform>
            <numerusform>%Ln</numerusform>
            <numerusform>%Ln</numerusform>
        </translation>
    </message>
    <message>
        <location line="+64"/>
        <source>%1 — next: %2, %3</source>
        <extracomment>The tray icon&apos;s tip: the program&apos;s title, the soonest event&apos;s name and when it is.</extracomment>
        <translation>‏%1 — القادم: %2، %3</translation>
    </message>
</context>
<context>
    <name>NotificationLines</name>
    <message numerus="yes">
        <location filename="../src/ui/presentation/notificationlines.cpp" line="+87"/>
        <source>(%Ln more events)</source>
        <extracomment>The notification&apos;s last line when not every event fits: %Ln is how many more there are.</extracomment>
        <translation>
            <numerusform>(و%Ln مناسبة أخرى)</numerusform>
            <numerusform>(ومناسبة أخرى)</numerusform>
            <numerusform>(ومناسبتان أخريان)</numerusform>
            <numerusform>(و%Ln مناسبات أخرى)</numerusform>
            <numerusform>(و%Ln مناسبة أخرى)</numerusform>
            <numerusform>(و%Ln مناسبة أخرى)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NotificationWindow</name>
    <message>
        <location filename="../src/ui/reminders/notificationwindow.cpp" line="+78"/>
        <source>Birthdays Due Today</source>
        <translation>أعياد ميلاد اليوم</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>(No birthdays coming up)</source>
        <translation>(لا أعياد ميلاد قادمة)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(No birthdays today)</source>
        <translation>(لا أعياد ميلاد اليوم)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Birthdays Due Soon</source>
        <translation>أعياد ميلاد قريبة</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <location filename="../src/platform/notifier.h" line="+35"/>
        <source>Show Candlewatcher</source>
        <translation>إظهار Candlewatcher</translation>
    </message>
</context>
<context>
    <name>Occurrence</name>
    <message>
        <location filename="../src/core/calendar/occurrence.cpp" line="+102"/>
        <source>today</source>
        <extracomment>The list&apos;s narrow &quot;In&quot; column and the tray icon&apos;s tip: keep it short.</extracomment>
        <translation>اليوم</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>tomorrow</source>
        <extracomment>The list&apos;s narrow &quot;In&quot; column and the tray icon&apos;s tip: keep it short.</extracomment>
        <translation>غدًا</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>in %Ln days</source>
        <extracomment>The list&apos;s narrow &quot;In&quot; column and the tray icon&apos;s tip: keep it short.</extracomment>
        <translation>
            <numerusform>بعد %Ln يوم</numerusform>
            <numerusform>بعد يوم واحد</numerusform>
            <numerusform>بعد يومين</numerusform>
            <numerusform>بعد %Ln أيام</numerusform>
            <numerusform>بعد %Ln يومًا</numerusform>
            <numerusform>بعد %Ln يوم</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <location filename="../src/ui/dialogs/preferencesdialog.cpp" line="+57"/>
        <source>Candlewatcher Preferences</source>
        <translation>تفضيلات Candlewatcher</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Confirmation</source>
        <translation>التأكيد</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Confirm before &amp;deleting a birthday</source>
        <translation>التأكيد قبل &amp;حذف عيد ميلاد</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Confirm before &amp;exiting Candlewatcher</source>
        <translation>التأكيد قبل &amp;إنهاء Candlewatcher</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Notification</source>
        <translation>الإشعارات</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show the Notification window:</source>
        <translation>إظهار نافذة الإشعارات:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Every &amp;hour</source>
        <translation>كل &amp;ساعة</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;very day</source>
        <translation>كل &amp;يوم</translation>
    </message>
    <message>
        <location filename="../src/platform/windows/startcaption.cpp" line="+7"/>
        <source>Only when &amp;Windows starts up</source>
        <translation>فقط عند بدء تشغيل &amp;Windows</translation>
    </message>
    <message>
        <location filename="../src/platform/posix/startcaption.cpp" line="+7"/>
        <source>Only when Candlewatcher &amp;starts</source>
        <translation>فقط عند &amp;بدء تشغيل Candlewatcher</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/preferencesdialog.cpp" line="+21"/>
        <source>Alerts</source>
        <extracomment>Frame title: the alert windows that open on an event&apos;s day (a noun, not a verb).</extracomment>
        <translation>التنبيهات</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show &amp;alerts at the following time each day:</source>
        <translation>إظهار ال&amp;تنبيهات يوميًا في الوقت التالي:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>(24 hour clock)</source>
        <translation>(نظام 24 ساعة)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Reminders</source>
        <translation>التذكيرات</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show reminders as:</source>
        <translation>إظهار التذكيرات في:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the Candlewatcher window</source>
        <translation>نافذة Candlewatcher</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>desktop notifications</source>
        <translation>إشعارات سطح المكتب</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Leap-day events in other years:</source>
        <translation>مناسبات 29 فبراير في السنوات الأخرى:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>28 February</source>
        <translation>28 فبراير</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 March</source>
        <translation>1 مارس</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Subscriptions</source>
        <translation>الاشتراكات</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>S&amp;ync subscriptions every (hours):</source>
        <translation>&amp;مزامنة الاشتراكات كل (ساعات):</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>only at start</source>
        <extracomment>Shown for 0 hours: subscriptions sync when the program starts and on Sync Now only.</extracomment>
        <translation>عند البدء فقط</translation>
    </message>
</context>
<context>
    <name>Publisher</name>
    <message>
        <location filename="../src/core/sync/publisher.cpp" line="+229"/>
        <source>Published to %1: %2</source>
        <extracomment>%1 is the calendar&apos;s name, %2 what was sent or why it failed.</extracomment>
        <translation>نُشر في %1: %2</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <location filename="../src/core/text/translations.cpp" line="+18"/>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>&quot;LTR&quot; for a language written left to right, &quot;RTL&quot; for one written right to left</extracomment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>ReminderDecision</name>
    <message>
        <location filename="../src/core/calendar/reminderdecision.cpp" line="+78"/>
        <source>There are no events due</source>
        <translation>لا توجد مناسبات قريبة</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>There are no events today</source>
        <translation>لا توجد مناسبات اليوم</translation>
    </message>
    <message numerus="yes">
        <location line="+49"/>
        <source>%1 (%2 - %Ln Years)</source>
        <extracomment>%1 is the event&apos;s name, %2 its date, %Ln the years since the date (an age, or an anniversary&apos;s count: a wording for both). The notification window cuts long names short: keep %1 first, the rest in parentheses.</extracomment>
        <translation>
            <numerusform>%1 (%2 - %Ln سنة)</numerusform>
            <numerusform>%1 (%2 - سنة واحدة)</numerusform>
            <numerusform>%1 (%2 - سنتان)</numerusform>
            <numerusform>%1 (%2 - %Ln سنوات)</numerusform>
            <numerusform>%1 (%2 - %Ln سنة)</numerusform>
            <numerusform>%1 (%2 - %Ln سنة)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+26"/>
        <location filename="../src/ui/presentation/notificationlines.cpp" line="-52"/>
        <source>%1 (%Ln Years)</source>
        <extracomment>%1 is the event&apos;s name, %Ln the years since its date: an age for a birthday, a count of years for an anniversary or any other event, so a wording that fits both (the list&apos;s &quot;Age&quot; column has a message of its own). The notification window cuts long names short: keep %1 first, the rest in parentheses.</extracomment>
        <translation>
            <numerusform>%1 (%Ln سنة)</numerusform>
            <numerusform>%1 (سنة واحدة)</numerusform>
            <numerusform>%1 (سنتان)</numerusform>
            <numerusform>%1 (%Ln سنوات)</numerusform>
            <numerusform>%1 (%Ln سنة)</numerusform>
            <numerusform>%1 (%Ln سنة)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReminderRunner</name>
    <message>
        <location filename="../src/ui/reminders/reminderrunner.cpp" line="+23"/>
        <source>Birthdays Due Today</source>
        <translation>أعياد ميلاد اليوم</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Birthdays Due Soon</source>
        <translation>أعياد ميلاد قريبة</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Missed While Away</source>
        <translation>فاتتك أثناء غيابك</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Missed: %1</source>
        <translation>فاتتك: %1</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>Candlewatcher Alert</source>
        <translation>تنبيه Candlewatcher</translation>
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
        <translation>الاستعادة من نسخة احتياطية</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Choose the backup to restore.  Your events as they are now are kept as a backup of today first.</source>
        <translation>اختر النسخة الاحتياطية المراد استعادتها. ستُحفظ مناسباتك الحالية أولًا كنسخة احتياطية لليوم.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Backups</source>
        <translation>النسخ الاحتياطية</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Backup of</source>
        <translation>نسخة يوم</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Events</source>
        <translation>المناسبات</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1, %2</source>
        <comment>a backup&apos;s day, the time of day it was made</comment>
        <translation>%1، %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>unreadable</source>
        <translation>غير مقروءة</translation>
    </message>
</context>
<context>
    <name>ShellLaunch</name>
    <message>
        <location filename="../src/ui/web/shelllaunch.cpp" line="+31"/>
        <source>%1 could not open %2.</source>
        <translation>تعذّر على %1 فتح %2.</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <location filename="../src/platform/posix/singleinstance.cpp" line="+53"/>
        <source>No folder for the single-copy socket in &quot;%1&quot; (%2); another running copy will not be noticed.</source>
        <translation>لا يوجد مجلد لمقبس النسخة الواحدة في «%1» ‏(%2)؛ لن تُلاحَظ نسخة أخرى قيد التشغيل.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The temporary folder&apos;s path &quot;%1&quot; is too long for the single-copy socket; another running copy will not be noticed.</source>
        <translation>مسار المجلد المؤقت «%1» أطول من أن يتسع لمقبس النسخة الواحدة؛ لن تُلاحَظ نسخة أخرى قيد التشغيل.</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>No private folder for the lock file (%1); another running copy will not be noticed.</source>
        <translation>لا يوجد مجلد خاص لملف القفل (%1)؛ لن تُلاحظ أي نسخة أخرى قيد التشغيل.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>cannot be read: %1</source>
        <translation>تتعذّر قراءته: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>is a symbolic link</source>
        <translation>رابط رمزي</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>is not a folder</source>
        <translation>ليس مجلدًا</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>belongs to another user</source>
        <translation>يملكه مستخدم آخر</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>is open to other users</source>
        <translation>مفتوح لمستخدمين آخرين</translation>
    </message>
    <message>
        <location filename="../src/platform/singleinstance.cpp" line="+72"/>
        <source>Cannot make the lock file &quot;%1&quot;; another running copy will not be noticed.</source>
        <translation>تعذّر إنشاء ملف القفل «%1»؛ لن تُلاحظ أي نسخة أخرى قيد التشغيل.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Candlewatcher is already running, but it does not answer.</source>
        <translation>Candlewatcher يعمل بالفعل، لكنه لا يستجيب.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Cannot listen for later starts on &quot;%1&quot;: %2</source>
        <translation>تتعذّر مراقبة مرات التشغيل اللاحقة على «%1»: %2</translation>
    </message>
</context>
<context>
    <name>SubscriptionGuard</name>
    <message>
        <location filename="../src/core/sync/subscriptionguard.cpp" line="+18"/>
        <source>&quot;%1&quot; is in use by another copy of Candlewatcher.</source>
        <translation>&quot;%1&quot; قيد الاستخدام من نسخة أخرى من Candlewatcher.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cannot lock &quot;%1&quot; to change it.</source>
        <translation>تعذّر قفل &quot;%1&quot; لتغييره.</translation>
    </message>
</context>
<context>
    <name>SubscriptionSetup</name>
    <message>
        <location filename="../src/core/sync/subscriptionsetup.cpp" line="+44"/>
        <source>Give the address of a server, an address book or a calendar, such as https://example.com/remote.php/dav.</source>
        <translation>أدخل عنوان خادم أو دفتر عناوين أو تقويم، مثل https://example.com/remote.php/dav.</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>This copy of Candlewatcher was built without network access.</source>
        <translation>بُنيت هذه النسخة من Candlewatcher دون الوصول إلى الشبكة.</translation>
    </message>
    <message>
        <location line="-78"/>
        <source>Looking for address books and calendars at %1...</source>
        <translation>جارٍ البحث عن دفاتر العناوين والتقاويم في %1...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No address book or calendar was found there.</source>
        <translation>لم يُعثر هناك على دفتر عناوين أو تقويم.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Reading &quot;%1&quot;...</source>
        <translation>جارٍ قراءة &quot;%1&quot;...</translation>
    </message>
</context>
<context>
    <name>Subscriptions</name>
    <message>
        <location filename="../src/core/sync/subscriptions.cpp" line="+226"/>
        <source>The subscriptions file &quot;%1&quot; is larger than %2 MB, more than this program writes: it is not read.</source>
        <translation>ملف الاشتراكات «%1» أكبر من %2 ميغابايت، أكثر مما يكتبه هذا البرنامج: لا تتم قراءته.</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>The subscriptions file &quot;%1&quot; is damaged: %2.</source>
        <translation>ملف الاشتراكات «%1» تالف: %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The subscriptions file &quot;%1&quot; was written by a newer version of the program.</source>
        <translation>ملف الاشتراكات «%1» كتبه إصدار أحدث من البرنامج.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>The subscriptions file &quot;%1&quot; is damaged: an entry in it does not read.</source>
        <translation>ملف الاشتراكات «%1» تالف: أحد إدخالاته لا يُقرأ.</translation>
    </message>
    <message>
        <location line="-94"/>
        <source>You subscribe to &quot;%1&quot; already.</source>
        <translation>أنت مشترك في &quot;%1&quot; بالفعل.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Your events are published to &quot;%1&quot; already: remove that first.</source>
        <translation>مناسباتك منشورة في &quot;%1&quot; بالفعل: أزل ذلك أولًا.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&quot;%1&quot; cannot be subscribed to and published to at once: your events would come back as subscribed ones.</source>
        <translation>لا يمكن الاشتراك في &quot;%1&quot; والنشر فيه معًا: ستعود مناسباتك كمناسبات مشترك فيها.</translation>
    </message>
</context>
<context>
    <name>SubscriptionsDialog</name>
    <message>
        <location filename="../src/ui/dialogs/subscriptionsdialog.cpp" line="+27"/>
        <source>Address book</source>
        <translation>دفتر عناوين</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Calendar</source>
        <translation>تقويم</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Calendar address</source>
        <translation>عنوان تقويم</translation>
    </message>
    <message>
        <location line="+50"/>
        <location line="+51"/>
        <source>Subscriptions</source>
        <translation>الاشتراكات</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+101"/>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <location line="-101"/>
        <source>Last sync</source>
        <translation>آخر مزامنة</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Result</source>
        <translation>النتيجة</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Add...</source>
        <translation>إ&amp;ضافة...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Remove</source>
        <translation>إ&amp;زالة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Sync Now</source>
        <translation>زامن ال&amp;آن</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <translation>إ&amp;غلاق</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Address books and calendars whose birthdays and events are kept in step with your list.</source>
        <translation>دفاتر العناوين والتقاويم التي تبقى أعياد ميلادها ومناسباتها متوافقة مع قائمتك.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Addr&amp;ess:</source>
        <translation>ال&amp;عنوان:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;User name:</source>
        <translation>اسم الم&amp;ستخدم:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Password:</source>
        <translation>&amp;كلمة المرور:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The address of your server (for Nextcloud https://HOST/remote.php/dav), of an address book or calendar, or of a calendar file (https:// or webcal://). Leave the user name empty for a public calendar.</source>
        <translation>عنوان خادمك (في Nextcloud https://HOST/remote.php/dav)، أو عنوان دفتر عناوين أو تقويم، أو ملف تقويم (https:// أو webcal://). اترك اسم المستخدم فارغًا للتقويم العام.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Find</source>
        <translation>ا&amp;بحث</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+25"/>
        <location line="+34"/>
        <source>&amp;Back</source>
        <translation>&amp;رجوع</translation>
    </message>
    <message>
        <location line="-40"/>
        <source>&amp;Choose the address book or calendar to subscribe to:</source>
        <translation>ا&amp;ختر دفتر العناوين أو التقويم للاشتراك فيه:</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+16"/>
        <source>Pre&amp;view</source>
        <translation>م&amp;عاينة</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>What the subscription adds</source>
        <translation>ما يضيفه الاشتراك</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>What happens</source>
        <translation>ما يحدث</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>S&amp;ubscribe</source>
        <translation>ا&amp;شترك</translation>
    </message>
    <message>
        <location line="+57"/>
        <location line="+15"/>
        <source>Never</source>
        <translation>أبدًا</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Syncing...</source>
        <translation>جارٍ المزامنة...</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Remove the subscription to &quot;%1&quot;.

Remove its events from your list too? Yes removes them; No keeps them as your own. Events you changed here are kept either way.</source>
        <translation>إزالة الاشتراك في &quot;%1&quot;.

هل تُزال مناسباته من قائمتك أيضًا؟ نعم يزيلها، ولا يبقيها مناسباتٍ خاصة بك. المناسبات التي غيّرتها هنا تبقى في الحالتين.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The subscription could not be removed.</source>
        <translation>تعذّرت إزالة الاشتراك.</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Added</source>
        <translation>مُضافة</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Linked to the event in your list</source>
        <translation>مرتبطة بالمناسبة في قائمتك</translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>Subscribing adds %Ln events.</source>
        <extracomment>%Ln is the number of events the subscription adds to the list.</extracomment>
        <translation>
            <numerusform>يضيف الاشتراك %Ln مناسبة.</numerusform>
            <numerusform>يضيف الاشتراك مناسبة واحدة (%Ln).</numerusform>
            <numerusform>يضيف الاشتراك مناسبتين (%Ln).</numerusform>
            <numerusform>يضيف الاشتراك %Ln مناسبات.</numerusform>
            <numerusform>يضيف الاشتراك %Ln مناسبة.</numerusform>
            <numerusform>يضيف الاشتراك %Ln مناسبة.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%Ln events already in your list are linked to it.</source>
        <extracomment>%Ln is the number of events of the list the subscription takes over.</extracomment>
        <translation>
            <numerusform>تُربط به %Ln مناسبة موجودة في قائمتك.</numerusform>
            <numerusform>تُربط به مناسبة واحدة (%Ln) موجودة في قائمتك.</numerusform>
            <numerusform>تُربط به مناسبتان (%Ln) موجودتان في قائمتك.</numerusform>
            <numerusform>تُربط به %Ln مناسبات موجودة في قائمتك.</numerusform>
            <numerusform>تُربط به %Ln مناسبة موجودة في قائمتك.</numerusform>
            <numerusform>تُربط به %Ln مناسبة موجودة في قائمتك.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%Ln dates are left out.</source>
        <extracomment>%Ln is the number of the calendar&apos;s dates the list cannot hold.</extracomment>
        <translation>
            <numerusform>يُترك %Ln تاريخ.</numerusform>
            <numerusform>يُترك تاريخ واحد (%Ln).</numerusform>
            <numerusform>يُترك تاريخان (%Ln).</numerusform>
            <numerusform>تُترك %Ln تواريخ.</numerusform>
            <numerusform>يُترك %Ln تاريخًا.</numerusform>
            <numerusform>يُترك %Ln تاريخ.</numerusform>
        </translation>
    </message>
    <message>
        <location line="-307"/>
        <source>The password could not be kept.</source>
        <translation>تعذّر حفظ كلمة المرور.</translation>
    </message>
    <message>
        <location line="+329"/>
        <source>Not every event of the subscription was added.</source>
        <translation>لم تُضف كل مناسبات الاشتراك.</translation>
    </message>
    <message>
        <location line="-243"/>
        <source>&amp;Publish my events to this calendar instead</source>
        <translation>ا&amp;نشر مناسباتي في هذا التقويم بدلاً من ذلك</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Publis&amp;h</source>
        <translation>ن&amp;شر</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>Publishing to %1</source>
        <translation>النشر في %1</translation>
    </message>
    <message>
        <location line="+172"/>
        <source>Stop publishing your events to &quot;%1&quot;.

Delete the published events from that calendar too? Yes deletes them; No leaves them there.</source>
        <translation>إيقاف نشر مناسباتك في &quot;%1&quot;.

هل تُحذف المناسبات المنشورة من ذلك التقويم أيضًا؟ نعم يحذفها، ولا يتركها هناك.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Publishing could not be stopped.</source>
        <translation>تعذّر إيقاف النشر.</translation>
    </message>
</context>
<context>
    <name>SyncCommands</name>
    <message>
        <location filename="../src/ui/app/synccommands.cpp" line="+37"/>
        <source>No secret service keeps the password: it is asked for once a session.

</source>
        <translation>لا تحفظ أي خدمة أسرار كلمة المرور: تُطلب مرة في كل جلسة.

</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Password of %1 at %2:</source>
        <extracomment>%1 is a user name, %2 an address.</extracomment>
        <translation>كلمة مرور %1 على %2:</translation>
    </message>
</context>
<context>
    <name>SyncPlan</name>
    <message>
        <location filename="../src/core/sync/syncplan.cpp" line="+124"/>
        <source>: no room: </source>
        <translation>: لا مجال: </translation>
    </message>
</context>
<context>
    <name>SyncQueue</name>
    <message>
        <location filename="../src/core/sync/publisher.cpp" line="-75"/>
        <location filename="../src/core/sync/syncqueue.cpp" line="+119"/>
        <source>This copy of Candlewatcher was built without network access.</source>
        <translation>بُنيت هذه النسخة من Candlewatcher دون الوصول إلى الشبكة.</translation>
    </message>
    <message>
        <location filename="../src/core/sync/secretstore.h" line="+61"/>
        <source>No password for %1 (user %2). Choose Sync Now in Birthdays &gt; Subscriptions... to type it in: it is kept in the desktop&apos;s secret service, where the command line finds it too.</source>
        <extracomment>%1 is the server&apos;s address, %2 the user name. Birthdays &gt; Subscriptions... and Sync Now are the program&apos;s own menu item and button.</extracomment>
        <translation>لا توجد كلمة مرور لـ %1 (المستخدم %2). اختر &quot;زامن الآن&quot; من أعياد الميلاد &gt; الاشتراكات... لكتابتها: تُحفظ في خدمة الأسرار لسطح المكتب، حيث يجدها سطر الأوامر أيضًا.</translation>
    </message>
</context>
<context>
    <name>SyncRun</name>
    <message>
        <location filename="../src/core/sync/publisher.cpp" line="+50"/>
        <location filename="../src/core/sync/syncrun.cpp" line="+32"/>
        <source>%L1 added, %L2 updated, %L3 removed</source>
        <translation>أُضيفت: %L1، حُدّثت: %L2، أُزيلت: %L3</translation>
    </message>
    <message>
        <location filename="../src/core/sync/syncrun.cpp" line="+5"/>
        <source>, %L1 detached</source>
        <translation>، فُصلت: %L1</translation>
    </message>
    <message>
        <location filename="../src/core/sync/publisher.cpp" line="+5"/>
        <location filename="../src/core/sync/syncrun.cpp" line="+2"/>
        <source>, %L1 left out</source>
        <translation>، حُذفت: %L1</translation>
    </message>
</context>
<context>
    <name>SyncService</name>
    <message>
        <location filename="../src/app/syncservice.cpp" line="+55"/>
        <source>Syncing &quot;%1&quot;...</source>
        <translation>جارٍ مزامنة &quot;%1&quot;...</translation>
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
        <translation>لم تُجب أي خدمة أسرار (GNOME Keyring، KWallet): تُطلب كلمات المرور مرة في كل جلسة ولا تُحفظ. شغّل خدمة أو ثبّتها لحفظها.</translation>
    </message>
</context>
<context>
    <name>VCardReader</name>
    <message>
        <location filename="../src/core/exchange/vcardreader.cpp" line="+281"/>
        <source>Contact on line %1</source>
        <translation>جهة الاتصال في السطر %1</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>its name is damaged quoted-printable text</source>
        <translation>اسمها نص quoted-printable تالف</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>line %1 is not a vCard line</source>
        <translation>السطر %1 ليس سطر vCard</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the contact has no name</source>
        <translation>جهة الاتصال بلا اسم</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>its birthday &quot;%1&quot; is not a date</source>
        <translation>عيد ميلادها «%1» ليس تاريخًا</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>its anniversary &quot;%1&quot; is not a date</source>
        <translation>ذكراها السنوية «%1» ليست تاريخًا</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>no birthday or anniversary</source>
        <translation>لا عيد ميلاد ولا ذكرى سنوية</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>It is not a vCard file: it does not start with BEGIN:VCARD.</source>
        <translation>ليس ملف vCard: لا يبدأ بـ BEGIN:VCARD.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>the contact has no END:VCARD line</source>
        <translation>جهة الاتصال بلا سطر END:VCARD</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The file ends in the middle of a contact (it has no END:VCARD line after line %1): it looks cut off.</source>
        <translation>ينتهي الملف في منتصف جهة اتصال (لا يوجد سطر END:VCARD بعد السطر %1): يبدو أنه مقطوع.</translation>
    </message>
</context>
<context>
    <name>WebTexts</name>
    <message>
        <location filename="../src/core/comments/webtexts.h" line="+20"/>
        <source>%1 was unable to connect to the internet.  Please connect manually and then try again.</source>
        <extracomment>%1 is the program&apos;s full title.</extracomment>
        <translation>تعذّر على %1 الاتصال بالإنترنت. يُرجى الاتصال يدويًا ثم المحاولة مرة أخرى.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>You have not entered any information.  Please enter either a comment or suggestion into the space provided.</source>
        <translation>لم تُدخل أي معلومات. يُرجى كتابة تعليق أو اقتراح في المكان المخصص.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>There was a problem sending your information to %1.  Please check you are connected to the internet correctly, and if the problem persists, try again later.</source>
        <extracomment>%1 is the organisation&apos;s name.</extracomment>
        <translation>حدثت مشكلة أثناء إرسال معلوماتك إلى %1. يُرجى التحقق من اتصالك بالإنترنت، وإذا استمرت المشكلة فحاول مرة أخرى لاحقًا.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Your comments and suggestions have been sent to %1.  Thank you very much for your input.</source>
        <extracomment>%1 is the organisation&apos;s name.</extracomment>
        <translation>أُرسلت تعليقاتك واقتراحاتك إلى %1. شكرًا جزيلًا على مشاركتك.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 welcomes any comments and suggestions from its users.  Please fill in the boxes below and click on send.  This service is completely anonymous.</source>
        <extracomment>%1 is the organisation&apos;s name.</extracomment>
        <translation>ترحب %1 بأي تعليقات واقتراحات من مستخدميها. يُرجى ملء المربعات أدناه والنقر على «إرسال». هذه الخدمة مجهولة الهوية تمامًا.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 welcomes any comments and suggestions from its users.  Please fill in the boxes below and click on send.</source>
        <extracomment>%1 is the organisation&apos;s name.</extracomment>
        <translation>ترحب %1 بأي تعليقات واقتراحات من مستخدميها. يُرجى ملء المربعات أدناه والنقر على «إرسال».</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Please wait while your information is being sent to the %1 website...</source>
        <extracomment>%1 is the organisation&apos;s name.</extracomment>
        <translation>يُرجى الانتظار حتى تُرسل معلوماتك إلى موقع %1...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>System Information is currently unavailable.  Please try again later.</source>
        <translation>معلومات النظام غير متاحة حاليًا. يُرجى المحاولة مرة أخرى لاحقًا.</translation>
    </message>
</context>
<context>
    <name>WellKnownDays</name>
    <message>
        <location filename="../src/core/events/wellknowndays.cpp" line="+17"/>
        <source>New Year&apos;s Day</source>
        <translation>رأس السنة الميلادية</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sherlock Holmes Birthday</source>
        <translation>عيد ميلاد شرلوك هولمز</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Baptism of Jesus</source>
        <translation>عيد معمودية المسيح</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>World Religion Day</source>
        <translation>اليوم العالمي للأديان</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Epiphany</source>
        <translation>عيد الظهور الإلهي</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Martin Luther King Jr. Day</source>
        <translation>يوم مارتن لوثر كينغ الابن</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Burn&apos;s Night</source>
        <translation>ليلة بيرنز</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Groundhog Day</source>
        <translation>يوم جرذ الأرض</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Valentines Day</source>
        <translation>عيد الحب</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lantern Festival</source>
        <translation>مهرجان الفوانيس</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>St. David&apos;s Day</source>
        <translation>يوم القديس داود</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>International Women&apos;s Day</source>
        <translation>اليوم العالمي للمرأة</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>St. Patrick&apos;s Day</source>
        <translation>يوم القديس باتريك</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>April Fool&apos;s Day</source>
        <translation>كذبة أبريل</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>St. Georges Day</source>
        <translation>يوم القديس جورج</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>May Day</source>
        <translation>عيد العمال</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mother&apos;s Day (US)</source>
        <translation>عيد الأم (الولايات المتحدة)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pentecost</source>
        <translation>عيد العنصرة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trinity</source>
        <translation>أحد الثالوث الأقدس</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dragon Boat Festival</source>
        <translation>مهرجان قوارب التنين</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>Mothers Day (UK)</source>
        <translation>عيد الأم (المملكة المتحدة)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Buddha&apos;s Birthday (Korea)</source>
        <translation>عيد ميلاد بوذا (كوريا)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Holocaust Rememberance Day (Israel)</source>
        <translation>يوم ذكرى المحرقة (إسرائيل)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Father&apos;s Day (US, UK)</source>
        <translation>عيد الأب (الولايات المتحدة، المملكة المتحدة)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>International Joke Day</source>
        <translation>اليوم العالمي للنكتة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Independence Day (US)</source>
        <translation>عيد الاستقلال (الولايات المتحدة)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bastille Day (France)</source>
        <translation>يوم الباستيل (فرنسا)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Friendship Day</source>
        <translation>يوم الصداقة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chinese Valentines Day</source>
        <translation>عيد الحب الصيني</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ghandi&apos;s Birthday</source>
        <translation>عيد ميلاد غاندي</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Oktoberfest</source>
        <translation>مهرجان أكتوبر</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Black Thursday</source>
        <translation>الخميس الأسود</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All Saints&apos; Day</source>
        <translation>عيد جميع القديسين</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Guy Fawkes Day</source>
        <translation>ليلة جاي فوكس</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>World Peace Day</source>
        <translation>اليوم العالمي للسلام</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Children&apos;s Day</source>
        <translation>يوم الطفل</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>World AIDS Day</source>
        <translation>اليوم العالمي للإيدز</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Advent Begins</source>
        <translation>بداية زمن المجيء</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>St. Nicholas Day</source>
        <translation>عيد القديس نيقولاوس</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pearl Harbour Day (US)</source>
        <translation>ذكرى بيرل هاربر (الولايات المتحدة)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Christmas Eve</source>
        <translation>ليلة عيد الميلاد المجيد</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Christmas Day</source>
        <translation>عيد الميلاد المجيد</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Boxing Day</source>
        <translation>يوم الصناديق</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New Year&apos;s Eve</source>
        <translation>ليلة رأس السنة</translation>
    </message>
</context>
<context>
    <name>WellKnownDaysDialog</name>
    <message>
        <location filename="../src/ui/dialogs/wellknowndaysdialog.cpp" line="+56"/>
        <source>Special Events</source>
        <translation>مناسبات خاصة</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Event Name</source>
        <translation>اسم المناسبة</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Event Date</source>
        <translation>تاريخ المناسبة</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Please select any dates you want to add.  Use the Control key to select more than one.</source>
        <translation>يُرجى تحديد التواريخ التي تريد إضافتها. استخدم مفتاح Ctrl لتحديد أكثر من تاريخ.</translation>
    </message>
    <message numerus="yes">
        <location line="+123"/>
        <source>None of the %Ln selected events could be added.

%1</source>
        <extracomment>%Ln is the number of days chosen, %1 why they could not be added.</extracomment>
        <translation>
            <numerusform>تعذّرت إضافة المناسبات المحددة (%Ln).

%1</numerusform>
            <numerusform>تعذّرت إضافة المناسبة المحددة (%Ln).

%1</numerusform>
            <numerusform>تعذّرت إضافة المناسبتين المحددتين (%Ln).

%1</numerusform>
            <numerusform>تعذّرت إضافة أي من المناسبات الـ %Ln المحددة.

%1</numerusform>
            <numerusform>تعذّرت إضافة أي من المناسبات الـ %Ln المحددة.

%1</numerusform>
            <numerusform>تعذّرت إضافة أي من المناسبات الـ %Ln المحددة.

%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>Only %1 of the %Ln selected events were added; the rest could not be added.

%2</source>
        <extracomment>%1 is how many were added, %Ln how many were chosen, %2 why the rest were not.</extracomment>
        <translation>
            <numerusform>أُضيفت %1 فقط من المناسبات المحددة (%Ln)؛ وتعذّرت إضافة البقية.

%2</numerusform>
            <numerusform>أُضيفت %1 فقط من المناسبة المحددة (%Ln)؛ وتعذّرت إضافة البقية.

%2</numerusform>
            <numerusform>أُضيفت %1 فقط من المناسبتين المحددتين (%Ln)؛ وتعذّرت إضافة البقية.

%2</numerusform>
            <numerusform>أُضيفت %1 فقط من %Ln مناسبات محددة؛ وتعذّرت إضافة البقية.

%2</numerusform>
            <numerusform>أُضيفت %1 فقط من %Ln مناسبة محددة؛ وتعذّرت إضافة البقية.

%2</numerusform>
            <numerusform>أُضيفت %1 فقط من %Ln مناسبة محددة؛ وتعذّرت إضافة البقية.

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
        <translation>اليوم %1 من الشهر %2</translation>
    </message>
    <message>
        <location line="-126"/>
        <source>on %1 in the Chinese calendar</source>
        <extracomment>%1 is a day and month of the Chinese calendar, as ICU writes it (&quot;Second Month 26&quot;).</extracomment>
        <translation>في %1 من التقويم الصيني</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>on %1 in the Hebrew calendar</source>
        <extracomment>%1 is a day and month of the Hebrew calendar (&quot;27 Nisan&quot;).</extracomment>
        <translation>في %1 من التقويم العبري</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>on %1 in the Islamic calendar</source>
        <extracomment>%1 is a day and month of the Islamic calendar (&quot;1 Ramadan&quot;).</extracomment>
        <translation>في %1 من التقويم الهجري</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>on the first %1 of %2</source>
        <extracomment>In each, %1 is a weekday (&quot;Sunday&quot;) and %2 a month (&quot;May&quot;).</extracomment>
        <translation>في %1 الأول من %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the second %1 of %2</source>
        <translation>في %1 الثاني من %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the third %1 of %2</source>
        <translation>في %1 الثالث من %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the fourth %1 of %2</source>
        <translation>في %1 الرابع من %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the fifth %1 of %2</source>
        <translation>في %1 الخامس من %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>on the last %1 of %2</source>
        <translation>في آخر %1 من %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the second-last %1 of %2</source>
        <translation>في %1 قبل الأخير من %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the third-last %1 of %2</source>
        <translation>في %1 الثالث من نهاية %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the fourth-last %1 of %2</source>
        <translation>في %1 الرابع من نهاية %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the fifth-last %1 of %2</source>
        <translation>في %1 الخامس من نهاية %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>on Easter Sunday</source>
        <translation>في أحد الفصح</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on Orthodox Easter Sunday</source>
        <translation>في أحد الفصح الأرثوذكسي</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 day(s) after Easter</source>
        <extracomment>%1 is a number of days, 1 or more.</extracomment>
        <translation>بعد عيد الفصح بـ %1 يوم</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 day(s) after Orthodox Easter</source>
        <translation>بعد عيد الفصح الأرثوذكسي بـ %1 يوم</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 day(s) before Easter</source>
        <extracomment>%1 is a number of days, 1 or more.</extracomment>
        <translation>قبل عيد الفصح بـ %1 يوم</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 day(s) before Orthodox Easter</source>
        <translation>قبل عيد الفصح الأرثوذكسي بـ %1 يوم</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>on this date</source>
        <translation>في هذا التاريخ</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>on the first %1 on or after %2</source>
        <extracomment>%1 is a weekday (&quot;Saturday&quot;), %2 a day and month (&quot;16/09&quot;).</extracomment>
        <translation>في أول %1 في %2 أو بعده</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1, moved when it falls on %2</source>
        <extracomment>%1 is when the day falls (&quot;on 27 Nisan in the Hebrew calendar&quot;), %2 the weekdays it is moved off (&quot;Friday and Sunday&quot;).</extracomment>
        <translation>%1، ويُنقل إذا وقع يوم %2</translation>
    </message>
</context>
</TS>
