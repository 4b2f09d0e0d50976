<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutDialog</name>
    <message>
        <location filename="../src/ui/web/aboutdialog.cpp" line="+67"/>
        <source>About %1</source>
        <translation>关于 %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Candlewatcher keeps your birthdays, anniversaries and other important dates, and reminds you of them from the system tray in good time.</source>
        <translation>Candlewatcher 为您记录生日、纪念日和其他重要日期，并及时从系统托盘提醒您。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>For more information on this or any of our freeware and shareware products, please visit our website at:</source>
        <translation>如需详细了解本产品或我们的其他免费软件和共享软件产品，请访问我们的网站：</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Or e-mail %1 on:</source>
        <translation>或通过以下地址发送电子邮件给 %1：</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;System Info...</source>
        <translation>系统信息(&amp;S)...</translation>
    </message>
</context>
<context>
    <name>AlertDialog</name>
    <message>
        <location filename="../src/ui/reminders/alertdialog.cpp" line="+52"/>
        <source>Candlewatcher Alert</source>
        <translation>Candlewatcher 当日提醒</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Birthdays Due Today</source>
        <translation>今天的生日</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>&amp;Remind Me Again</source>
        <translation>稍后再提醒(&amp;R)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>In &amp;10 Minutes</source>
        <translation>10 分钟后(&amp;1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In 1 &amp;Hour</source>
        <translation>1 小时后(&amp;H)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Tomorrow</source>
        <translation>明天(&amp;T)</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Missed While Away</source>
        <translation>错过的事件</translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <location filename="../src/core/store/backups.cpp" line="+26"/>
        <location line="+7"/>
        <source>Cannot read &quot;%1&quot;: %2.</source>
        <translation>无法读取“%1”：%2。</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <translation>无法写入“%1”：%2。</translation>
    </message>
    <message>
        <location line="+101"/>
        <source>Cannot make the backup of the data file &quot;%1&quot;, so nothing was changed. %2</source>
        <translation>无法备份数据文件“%1”，因此未做任何更改。%2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The folder &quot;%1&quot; could not be created.</source>
        <translation>无法创建文件夹“%1”。</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>it is not a Candlewatcher data file (byte %1 starts no field)</source>
        <translation>不是 Candlewatcher 数据文件（第 %1 个字节不是任何字段的开头）</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>it is empty</source>
        <translation>文件为空</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>it is cut short (its last %Ln bytes are part of a field)</source>
        <extracomment>%Ln is the number of bytes at the file&apos;s end that make no whole field.</extracomment>
        <translation>
            <numerusform>文件不完整（最后 %Ln 个字节属于一个被截断的字段）</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The backup &quot;%1&quot; is damaged: %2.</source>
        <translation>备份“%1”已损坏：%2。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The data file &quot;%1&quot; is read-only.</source>
        <translation>数据文件“%1”是只读的。</translation>
    </message>
</context>
<context>
    <name>BirthdayCommands</name>
    <message>
        <location filename="../src/ui/list/birthdaycommands.cpp" line="+23"/>
        <source>You currently have no birthdays in your list.  Please use the New Birthday option to create a birthday.</source>
        <translation>您的列表中目前没有生日。请使用“新建生日”选项创建生日。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>You have not selected a birthday to use.  Please select a birthday from the Birthday&apos;s list and then try again.</source>
        <translation>您尚未选择要使用的生日。请在生日列表中选择一个生日，然后重试。</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>&quot;%1&quot;</source>
        <comment>an event&apos;s name in quotes</comment>
        <translation>“%1”</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The event %1 was changed by another program after the list showed it, so %2.  The list now shows the events as they are.</source>
        <translation>事件%1在列表显示后被其他程序修改，因此%2。列表现在显示的是事件的当前状态。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>These events were changed by another program after the list showed them, so %2: %1.  The list now shows the events as they are.</source>
        <translation>以下事件在列表显示后被其他程序修改，因此%2：%1。列表现在显示的是事件的当前状态。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>, </source>
        <comment>between the items of a list</comment>
        <translation>、</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>&quot;%1&quot; follows the subscription &quot;%2&quot;.  Once you change it here it is your own: later changes in the subscription no longer reach it.  Edit it?</source>
        <translation>“%1”跟随订阅“%2”。  在此修改后它就归您所有：订阅中以后的更改不再影响它。  要编辑吗？</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Because you can only edit one birthay at a time, only the last one you selected will be displayed.</source>
        <translation>一次只能编辑一个生日，因此只显示您最后选择的那个。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>your changes to it were not saved</source>
        <translation>您的更改未保存</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&quot;%1&quot; could not be duplicated.</source>
        <translation>无法复制“%1”。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it was not duplicated</source>
        <translation>未能复制该事件</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>they were not duplicated</source>
        <translation>未能复制这些事件</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Of the %n selected events: %1 duplicated, %2 not duplicated.</source>
        <extracomment>%n is how many events were selected, %1 how many were copied.</extracomment>
        <translation>
            <numerusform>在选中的 %n 个事件中：已复制 %1 个，未复制 %2 个。</numerusform>
        </translation>
    </message>
    <message>
        <location line="+16"/>
        <source>&quot;%1&quot; was duplicated, but the copy keeps its date of this year only.

%2</source>
        <translation>“%1”已复制，但副本只保留今年的日期。

%2</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Are you sure you want to delete %1 permanently from your birthdays list?</source>
        <translation>确定要从生日列表中永久删除%1吗？</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>Are you sure you want to delete these %Ln items permanently from your birthdays list?</source>
        <extracomment>%Ln is the number of selected events (2 or more).</extracomment>
        <translation>
            <numerusform>确定要从生日列表中永久删除这 %Ln 项吗？</numerusform>
        </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&quot;%1&quot; could not be deleted.</source>
        <translation>无法删除“%1”。</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>it was not deleted</source>
        <translation>未能删除该事件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>they were not deleted</source>
        <translation>未能删除这些事件</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Of the %n selected events: %1 deleted, %2 not deleted.</source>
        <extracomment>%n is how many events were selected, %1 how many were deleted.</extracomment>
        <translation>
            <numerusform>在选中的 %n 个事件中：已删除 %1 个，未删除 %2 个。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BirthdayDialog</name>
    <message>
        <location filename="../src/ui/dialogs/birthdaydialog.cpp" line="+51"/>
        <source>The name is too long to be saved.  A name can hold at most %1 characters (letters with accents and other special characters count as two or more).</source>
        <translation>名称太长，无法保存。名称最多可包含 %1 个字符（汉字、带重音符号的字母和其他特殊字符按两个或更多字符计算）。</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 and %2</source>
        <extracomment>the last two items of a list: &quot;a, b and c&quot;</extracomment>
        <translation>%1和%2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, </source>
        <comment>between the items of a list</comment>
        <translation>、</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Add New Birthday</source>
        <translation>添加新生日</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Edit Birthday Details</source>
        <translation>编辑生日详细信息</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>New Birthday</source>
        <translation>新生日</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Occurs On</source>
        <translation>日期</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Repeats every year</source>
        <translation>每年重复</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Display number of years</source>
        <translation>显示年数</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Repeats</source>
        <translation>重复</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Notify From</source>
        <translation>提前通知</translation>
    </message>
    <message numerus="yes">
        <location line="+13"/>
        <source>day(s) in advance</source>
        <extracomment>After the box with the number of days ahead to be notified; the number is the box&apos;s.</extracomment>
        <translation>
            <numerusform>天前开始</numerusform>
        </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>On the Day</source>
        <translation>当天</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>the date</source>
        <translation>日期</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>whether it repeats every year</source>
        <translation>是否每年重复</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>what happens on the day</source>
        <translation>当天执行的操作</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>whether the number of years is displayed</source>
        <translation>是否显示年数</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Some details of this event could not be read: %1.  They are shown with the values a new event starts with.  Press OK to save the event with what you see, or Cancel to leave it unchanged.</source>
        <translation>无法读取此事件的部分详细信息：%1。这些项目以新事件的初始值显示。按“确定”将按当前显示的内容保存事件，按“取消”则保持事件不变。</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>You have not entered a valid name for this birthday.  Please check and try again.</source>
        <translation>您没有为此生日输入有效的名称。请检查后重试。</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>You have not entered a valid date for this birthday.  Please check and try again.</source>
        <translation>您没有为此生日输入有效的日期。请检查后重试。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A date without a year repeats every year: tick &quot;Repeats every year&quot; or give the year.</source>
        <translation>没有年份的日期每年重复：请勾选“每年重复”或填写年份。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The Notify From value must be a number that is zero or over.  Please check and try again.</source>
        <translation>“提前通知”的值必须是大于或等于零的数字。请检查后重试。</translation>
    </message>
    <message>
        <location line="-40"/>
        <location line="+65"/>
        <location line="+25"/>
        <source>The event could not be saved.

%1</source>
        <translation>无法保存事件。

%1</translation>
    </message>
</context>
<context>
    <name>BirthdayInput</name>
    <message>
        <location filename="../src/core/events/birthdayinput.h" line="+25"/>
        <source>Show a Dialog</source>
        <extracomment>What happens on the event&apos;s day: an alert window opens.</extracomment>
        <translation>显示对话框</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Do Nothing!</source>
        <extracomment>What happens on the event&apos;s day: no alert window, the event is only listed in the notification. The exclamation mark is part of the program&apos;s wording.</extracomment>
        <translation>不执行任何操作</translation>
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
跟随订阅“%2”：那里的更改会更改这里。</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Name</source>
        <extracomment>Column header of the event list: the event&apos;s name.</extracomment>
        <translation>名称</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Date</source>
        <extracomment>Column header of the event list: the date stored with the event (year, month, day).</extracomment>
        <translation>日期</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Next</source>
        <extracomment>Column header of the event list: the date the event falls on next (not &quot;the next one&quot;).</extracomment>
        <translation>下次</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>In</source>
        <extracomment>Column header of the event list: how long until the event (&quot;today&quot;, &quot;in 3 days&quot;). A narrow column: one short word.</extracomment>
        <translation>剩余</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Age</source>
        <extracomment>Column header of the event list: the years since the date (a person&apos;s age).</extracomment>
        <translation>年龄</translation>
    </message>
</context>
<context>
    <name>BirthdayListView</name>
    <message>
        <location filename="../src/ui/list/birthdaylistview.cpp" line="+73"/>
        <source>Birthdays List</source>
        <translation>生日列表</translation>
    </message>
</context>
<context>
    <name>BirthdayStore</name>
    <message>
        <location filename="../src/core/store/birthdaystore.cpp" line="+90"/>
        <source>The record key %1 is not valid: keys run from 0 to %2.</source>
        <translation>记录键 %1 无效：键的范围是 0 到 %2。</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>it is in use by another running copy of Candlewatcher</source>
        <translation>另一个正在运行的 Candlewatcher 正在使用它</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the folder &quot;%1&quot; does not exist</source>
        <translation>文件夹“%1”不存在</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no permission to create &quot;%1&quot;</source>
        <translation>没有创建“%1”的权限</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&quot;%1&quot; could not be created or locked (%2)</source>
        <translation>无法创建或锁定“%1”（%2）</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&quot;%1&quot; could not be created</source>
        <translation>无法创建“%1”</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cannot lock the data file &quot;%1&quot;: %2.</source>
        <translation>无法锁定数据文件“%1”：%2。</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Cannot write the data file &quot;%1&quot;: another program keeps replacing it.</source>
        <translation>无法写入数据文件“%1”：另一个程序不断替换该文件。</translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>The data file &quot;%1&quot; already holds %Ln events, the most it can hold.</source>
        <extracomment>%1 is the data file, %Ln the number of events it holds: the most it can.</extracomment>
        <translation>
            <numerusform>数据文件“%1”已包含 %Ln 个事件，已达到上限。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+14"/>
        <source>The data file &quot;%1&quot; already holds %Ln events, the most it can hold: delete one to make room for another.</source>
        <extracomment>%1 is the data file, %Ln the number of events it holds: the most it can.</extracomment>
        <translation>
            <numerusform>数据文件“%1”已包含 %Ln 个事件，已达到上限：请删除一个事件以腾出空间。</numerusform>
        </translation>
    </message>
    <message>
        <location line="+120"/>
        <location line="+34"/>
        <source>There is no field &quot;%1&quot; in the data file.</source>
        <translation>数据文件中没有字段“%1”。</translation>
    </message>
    <message>
        <location line="+117"/>
        <source>The %1 &quot;%2&quot; is too long: it takes %3 bytes, and the data file holds at most %4.</source>
        <extracomment>%1 is the name of a field of the data file (Name, Date, …), kept in English.</extracomment>
        <translation>%1“%2”太长：它占用 %3 字节，而数据文件最多只能容纳 %4 字节。</translation>
    </message>
    <message>
        <location filename="../src/core/store/storecompaction.cpp" line="+54"/>
        <source>Cannot compact the data file &quot;%1&quot;: another program keeps replacing it.</source>
        <translation>无法压缩数据文件“%1”：另一个程序不断替换该文件。</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Cannot delete the leftover file &quot;%1&quot;: %2.</source>
        <translation>无法删除残留文件“%1”：%2。</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Cannot compact the data file &quot;%1&quot;: it is read-only.</source>
        <translation>无法压缩数据文件“%1”：该文件是只读的。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot create the file &quot;%1&quot;: %2.</source>
        <translation>无法创建文件“%1”：%2。</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+79"/>
        <source>Cannot write the file &quot;%1&quot;: %2.</source>
        <translation>无法写入文件“%1”：%2。</translation>
    </message>
    <message>
        <location line="-24"/>
        <source>Cannot put the compacted copy in place of the data file &quot;%1&quot;: %2.</source>
        <translation>无法用压缩后的副本替换数据文件“%1”：%2。</translation>
    </message>
</context>
<context>
    <name>CalendarExchange</name>
    <message>
        <location filename="../src/core/exchange/calendarexchange.cpp" line="+30"/>
        <source>(an event without a name)</source>
        <translation>（无名称的事件）</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>it could not be read: %1</source>
        <translation>无法读取：%1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the event has no name</source>
        <translation>事件没有名称</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it moves one day of a repeating event</source>
        <translation>它只移动重复事件中的某一天</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the event has no start date</source>
        <translation>事件没有开始日期</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>its start is not a date</source>
        <translation>开始时间不是日期</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it was cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is not an all-day event</source>
        <translation>不是全天事件</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it does not repeat on one day every year</source>
        <translation>不是每年在同一天重复</translation>
    </message>
</context>
<context>
    <name>CalendarFeed</name>
    <message>
        <location filename="../src/core/sync/calendarfeed.cpp" line="+55"/>
        <source>not an iCalendar file (no BEGIN:VCALENDAR)</source>
        <translation>不是 iCalendar 文件（没有 BEGIN:VCALENDAR）</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>text after END:VCALENDAR</source>
        <translation>END:VCALENDAR 之后还有文本</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>END:%1 does not close the open component</source>
        <translation>END:%1 未能关闭当前打开的组件</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>the calendar is cut short (no END:VCALENDAR)</source>
        <translation>日历被截断（没有 END:VCALENDAR）</translation>
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
        <translation>无法验证 %1 的证书：%2

颁发给：%3
颁发者：%4
有效期：%5 至 %6
SHA-256 指纹：%7

只有在您确定这是该服务器自己的证书时，才为此服务器接受它（请将指纹与服务器所有者提供的指纹进行比较）。如果证书以后发生变化，将再次询问您。

接受此证书吗？</translation>
    </message>
</context>
<context>
    <name>CollectionFetch</name>
    <message>
        <location filename="../src/net/collectionfetch.cpp" line="+86"/>
        <source>the server sent its changes in more than %L1 parts; stopped, to be tried again at the next sync</source>
        <translation>服务器分成超过 %L1 个部分发送更改；已停止，将在下次同步时重试</translation>
    </message>
    <message>
        <location line="+104"/>
        <source>no content for %1</source>
        <translation>%1 没有内容</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../src/cli/commandline.cpp" line="+71"/>
        <source>Candlewatcher reminds you of birthdays and other dated events. Without options it starts in the system tray; with one of the options below it does that one thing and ends, whether or not it runs in the tray.</source>
        <translation>Candlewatcher 提醒您生日和其他有日期的事件。不带选项时，它在系统托盘中启动；带有下列选项之一时，它只执行该操作然后结束，无论它是否正在托盘中运行。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>List the events of the next DAYS days (default 30), soonest first.</source>
        <extracomment>DAYS is the value&apos;s name in the usage line: keep it as it is.</extracomment>
        <translation>列出未来 DAYS 天内的事件（默认为 30），最近的排在前面。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>With --upcoming: print a JSON array instead.</source>
        <translation>与 --upcoming 一起使用：改为输出 JSON 数组。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>With --import: show what would be imported.</source>
        <translation>与 --import 一起使用：显示将要导入的内容。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Write every event to FILE as an iCalendar file (- for standard output).</source>
        <extracomment>FILE is the value&apos;s name in the usage line: keep it as it is.</extracomment>
        <translation>将所有事件以 iCalendar 文件格式写入 FILE（- 表示标准输出）。</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>With --upcoming: how many days ahead.</source>
        <translation>与 --upcoming 一起使用：向后查看的天数。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>With --import: more files to import.</source>
        <translation>与 --import 一起使用：要导入的其他文件。</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>--json goes with --upcoming.</source>
        <translation>--json 需要与 --upcoming 一起使用。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--dry-run goes with --import.</source>
        <translation>--dry-run 需要与 --import 一起使用。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>unexpected argument &quot;%1&quot;.</source>
        <translation>意外的参数“%1”。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>DAYS must be a whole number from 0 to %1, not &quot;%2&quot;.</source>
        <translation>DAYS 必须是 0 到 %1 之间的整数，而不是“%2”。</translation>
    </message>
    <message>
        <location filename="../src/cli/exportcommand.cpp" line="+26"/>
        <source>the calendar could not be written to standard output.</source>
        <translation>无法将日历写入标准输出。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>cannot write &quot;%1&quot;: %2</source>
        <extracomment>%1 is the file, %2 why it could not be written.</extracomment>
        <translation>无法写入“%1”：%2</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%Ln events written to %1
</source>
        <extracomment>%Ln is the number of events written, %1 the file.</extracomment>
        <translation>
            <numerusform>已将 %Ln 个事件写入 %1
</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/cli/importcommand.cpp" line="+41"/>
        <source>skipped: %1: %2
</source>
        <extracomment>%1 is an event&apos;s name, %2 why it was not added.</extracomment>
        <translation>已跳过：%1：%2
</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>to add: %1 (%2)
</source>
        <extracomment>%1 is an event&apos;s name, %2 its date.</extracomment>
        <translation>将添加：%1 (%2)
</translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>%Ln events were not added: %1.</source>
        <extracomment>%1 says how many events the data file holds.</extracomment>
        <translation>
            <numerusform>%Ln 个事件未添加：%1。</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the files hold no contact or event with a date.</source>
        <translation>这些文件中没有带日期的联系人或事件。</translation>
    </message>
    <message>
        <location filename="../src/cli/output.h" line="+30"/>
        <source>candlewatcher: %1
Try &apos;candlewatcher --help&apos;.
</source>
        <extracomment>%1 is what was wrong with the command line.</extracomment>
        <translation>candlewatcher: %1
请尝试运行 &apos;candlewatcher --help&apos;。
</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>candlewatcher: left out, their dates could not be read: %1
</source>
        <translation>candlewatcher: 以下事件因日期无法读取而被略过：%1
</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/cli/upcoming.cpp" line="+87"/>
        <source>No events in the next %Ln days.
</source>
        <extracomment>%Ln is the number of days looked ahead.</extracomment>
        <translation>
            <numerusform>未来 %Ln 天内没有事件。
</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/cli/commandline.cpp" line="-47"/>
        <source>Sync every subscribed address book and calendar once.</source>
        <translation>将每个订阅的通讯录和日历同步一次。</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>give one of --upcoming, --import, --export-ics and --sync.</source>
        <translation>请给出 --upcoming、--import、--export-ics 和 --sync 之一。</translation>
    </message>
    <message>
        <location filename="../src/cli/synccommand.cpp" line="+47"/>
        <source>%1: %2</source>
        <extracomment>%1 is the subscription&apos;s name, %2 what its sync did.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>There are no subscriptions.
</source>
        <translation>没有任何订阅。
</translation>
    </message>
</context>
<context>
    <name>CommentsForm</name>
    <message>
        <location filename="../src/ui/web/commentsform.cpp" line="+49"/>
        <source>Comments and Suggestions</source>
        <translation>意见和建议</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Introduction</source>
        <translation>简介</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Comments</source>
        <translation>意见</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Suggestions</source>
        <translation>建议</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Do not display my input on the %1 website</source>
        <translation>不要在 %1 网站上显示我填写的内容</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Send Now</source>
        <translation>立即发送(&amp;S)</translation>
    </message>
</context>
<context>
    <name>DataFileIo</name>
    <message>
        <location filename="../src/core/store/datafileio.cpp" line="+15"/>
        <source>Cannot write the data file &quot;%1&quot;: %2.</source>
        <translation>无法写入数据文件“%1”：%2。</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Cannot open the data file &quot;%1&quot;: %2.</source>
        <translation>无法打开数据文件“%1”：%2。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cannot read the data file &quot;%1&quot;: %2.</source>
        <translation>无法读取数据文件“%1”：%2。</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Cannot open the data file &quot;%1&quot; for writing: %2.</source>
        <translation>无法以写入方式打开数据文件“%1”：%2。</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>  Part of the change may have been written.</source>
        <translation>部分更改可能已被写入。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cannot shorten the data file &quot;%1&quot;: %2.</source>
        <translation>无法截短数据文件“%1”：%2。</translation>
    </message>
</context>
<context>
    <name>DavDiscovery</name>
    <message>
        <location filename="../src/net/davdiscovery.cpp" line="+45"/>
        <source>not an http, https or webcal address</source>
        <translation>不是 http、https 或 webcal 地址</translation>
    </message>
    <message>
        <location line="+91"/>
        <source>no address books or calendars found</source>
        <translation>未找到通讯录或日历</translation>
    </message>
</context>
<context>
    <name>DavXml</name>
    <message>
        <location filename="../src/core/sync/davxml.cpp" line="+175"/>
        <source>not a multistatus answer</source>
        <translation>不是 multistatus 应答</translation>
    </message>
</context>
<context>
    <name>EventRuleFile</name>
    <message>
        <location filename="../src/core/store/eventrulefile.cpp" line="+48"/>
        <source>The rules file &quot;%1&quot; is damaged: %2.</source>
        <translation>规则文件“%1”已损坏：%2。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The rules file &quot;%1&quot; was written by a newer version of the program.</source>
        <translation>规则文件“%1”是由较新版本的程序写入的。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The rules file &quot;%1&quot; is larger than %2 MB, more than this program writes: it is not read.</source>
        <translation>规则文件“%1”大于 %2 MB，超过本程序写入的大小：不予读取。</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The rules file &quot;%1&quot; is damaged: an entry in it does not read.</source>
        <translation>规则文件“%1”已损坏：其中有一项无法读取。</translation>
    </message>
</context>
<context>
    <name>ExchangeCommands</name>
    <message>
        <location filename="../src/ui/app/exchangecommands.cpp" line="+55"/>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>There are no contacts or events to import in the file.</source>
        <translation>文件中没有可导入的联系人或事件。</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+13"/>
        <source>Nothing was imported.</source>
        <translation>未导入任何内容。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not everything was imported.</source>
        <translation>部分内容未能导入。</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>iCalendar files (*.ics);;All files (*)</source>
        <translation>iCalendar 文件 (*.ics);;所有文件 (*)</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+7"/>
        <source>The events could not be exported.</source>
        <translation>无法导出事件。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <translation>无法写入“%1”：%2。</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%Ln events were exported to &quot;%1&quot;.</source>
        <extracomment>%Ln is the number of events exported, %1 the file.</extracomment>
        <translation>
            <numerusform>已将 %Ln 个事件导出到“%1”。</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>

Left out because their dates could not be read: %1</source>
        <translation>

因日期无法读取而略过：%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>, </source>
        <comment>between the items of a list</comment>
        <translation>、</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>There are no backups yet.  Candlewatcher keeps a copy of your events on each day it exits or imports, in &quot;%1&quot;.</source>
        <translation>还没有备份。Candlewatcher 会在每天退出或导入时将您的事件复制一份，保存到“%1”。</translation>
    </message>
    <message numerus="yes">
        <location line="+17"/>
        <source>Replace your events with the %Ln events of the backup of %1?

Your events as they are now are kept as a backup of today.</source>
        <extracomment>%Ln is the number of events in the backup, %1 the backup&apos;s day.</extracomment>
        <translation>
            <numerusform>要用 %1 的备份中的 %Ln 个事件替换您的事件吗？

您当前的事件会保存为今天的备份。</numerusform>
        </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The backup could not be restored.</source>
        <translation>无法恢复备份。</translation>
    </message>
    <message>
        <location line="-171"/>
        <source>Reading the files...</source>
        <translation>正在读取文件...</translation>
    </message>
</context>
<context>
    <name>HelpPanel</name>
    <message>
        <location filename="../src/ui/help/helppanel.h" line="+13"/>
        <source>Interactive Help</source>
        <translation>交互式帮助</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Welcome to Candlewatcher Interactive help.  Simply move your mouse over any area of the screen to get help on that item.</source>
        <translation>欢迎使用 Candlewatcher 交互式帮助。只需将鼠标移到屏幕上的任意区域，即可获得该项目的帮助。</translation>
    </message>
</context>
<context>
    <name>HelpTopics</name>
    <message>
        <location filename="../src/ui/presentation/helptopics.cpp" line="+11"/>
        <source>Birthdays List</source>
        <translation>生日列表</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The Birthdays List contains all of your current birthday items.  Double click on any item to edit it, or right click on any item to view options such as delete or duplicate.</source>
        <translation>生日列表包含您当前所有的生日项目。双击任一项目可以编辑它，右击任一项目可以查看删除或复制等选项。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Status Bar</source>
        <translation>状态栏</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The status bar notifies you of any events that occur during operation.</source>
        <translation>状态栏会告诉您运行期间发生的任何情况。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Toolbar</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The toolbar provides you with a quick and easy way to access the main functions of the Candlewatcher software.  Hold your mouse over any button to see a description of what it does.</source>
        <translation>工具栏让您可以快速方便地使用 Candlewatcher 软件的主要功能。将鼠标悬停在任一按钮上，即可查看该按钮的功能说明。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Interactive Help</source>
        <translation>交互式帮助</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Interactive Help provides information on any part of this product.  Simply move your mouse over any item on the screen to get a description of what it is and how to use it.</source>
        <translation>交互式帮助提供本产品各个部分的信息。只需将鼠标移到屏幕上的任一项目，即可看到它的说明和使用方法。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>OK Button</source>
        <translation>“确定”按钮</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Closes the current window and saves any settings.</source>
        <translation>关闭当前窗口并保存所有设置。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel Button</source>
        <translation>“取消”按钮</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Closes the current window without saving any settings.</source>
        <translation>关闭当前窗口，不保存任何设置。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close Button</source>
        <translation>“关闭”按钮</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Closes the current window.</source>
        <translation>关闭当前窗口。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>System Information</source>
        <translation>系统信息</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shows you information about your computer.</source>
        <translation>显示有关您计算机的信息。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Birthday Name</source>
        <translation>生日名称</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A documentary name chosen by you which represents the event.  For example, Fred&apos;s Birthday, or Rita&apos;s Anniversary.  Names do not have to be unique, but for easy identification, it is recommended that they are.</source>
        <translation>由您为事件取的描述性名称，例如“小明的生日”或“丽华的结婚纪念日”。名称不必唯一，但为了便于识别，建议使用不同的名称。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Birthday Date</source>
        <translation>生日日期</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This is the date that the event occurs.  If it is a recurring event such as a birthday, that happens every year, it might be convenient to set the year as the date of birth of that person.<byte value="xd"/>
<byte value="xd"/>
Tip: using the down arrow will show you a calendar.</source>
        <translation>这是事件发生的日期。如果是每年都会发生的重复事件（例如生日），可以将年份设为此人的出生年份，这样会比较方便。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Recurs Every Year</source>
        <translation>每年重复</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If you select this option then you will be reminded of the event on the date you entered and every year after that.  If you leave it unchecked, you will only be reminded on the exact date that you entered.</source>
        <translation>如果选中此选项，您将在输入的日期以及之后每年的同一天收到该事件的提醒。如果不选中，则只在您输入的确切日期提醒您。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Notify From...</source>
        <translation>提前通知...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This sets the number of days before the event from which to show it in the Notifications window.  This is a little window that appears above the Candlewatcher icon in the system tray, and lasts for 10 seconds.  It can be configured in the Preferences section of this software.</source>
        <translation>设置在事件发生前多少天开始在通知窗口中显示该事件。通知窗口是出现在系统托盘中 Candlewatcher 图标上方的小窗口，会显示 10 秒。可以在本软件的“首选项”中对其进行配置。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Alert</source>
        <translation>当日提醒</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Allows you to configure how you want to be warned on the day of an event.</source>
        <translation>设置在事件当天以何种方式提醒您。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Notifications</source>
        <translation>通知</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This window shows you any up-coming events and any events that occur today.  It is displayed at regular intervals, which can be customised in the Preferences section of this software.</source>
        <translation>此窗口显示所有即将到来的事件和今天发生的事件。它会定期显示，显示间隔可以在本软件的“首选项”中自定义。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Confirm Delete</source>
        <translation>确认删除</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If this is checked then you will be asked if you are sure before you can delete any birthdays.</source>
        <translation>如果选中此项，在删除任何生日之前都会询问您是否确定。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Confirm Quit</source>
        <translation>确认退出</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If this is checked then you will be asked if you are sure before you can quit Candlewatcher.  Quitting Candlewatcher will mean you are not notified of any events.</source>
        <translation>如果选中此项，在退出 Candlewatcher 之前会询问您是否确定。退出 Candlewatcher 后，您将不会收到任何事件的通知。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Notification Settings</source>
        <translation>通知设置</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>These allow you to set when the notification window appears.  The notification window is a small box that appears above the icon in the system tray, to tell you of any up-coming or current events.  If there are no events the notification window will not appear, regardless of the settings you choose.</source>
        <translation>用于设置通知窗口何时出现。通知窗口是出现在系统托盘图标上方的小窗口，用于告诉您即将到来或当前的事件。如果没有事件，无论您选择何种设置，通知窗口都不会出现。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Alerts Time</source>
        <translation>当日提醒时间</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If you have set for an alert to occur on the day of a birthday event, you can configure here what time you want it to appear.</source>
        <translation>如果您设置了在生日事件当天进行当日提醒，可以在此设置提醒出现的时间。</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Special Events</source>
        <translation>特殊日子</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In this box is a list of regularly used events.  Select the items you want to add to your Candlewatcher events list - you can use Shift or Control to select more than one item at a time - and then click on OK.  You will be notified of the events when they occur.</source>
        <translation>此框中列出了常用的事件。选择要添加到 Candlewatcher 事件列表中的项目（可以按住 Shift 或 Ctrl 键一次选择多个项目），然后单击“确定”。这些事件到来时，您会收到通知。</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>Subscriptions Sync</source>
        <translation>订阅同步</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This is how many hours apart Candlewatcher brings your subscribed address books and calendars up to date while it runs.  It also does so when it starts and when you click on Sync Now in the Subscriptions window.  With 0 it does so only then.</source>
        <translation>这是 Candlewatcher 运行时每隔多少小时更新您订阅的通讯录和日历。它在启动时以及您在“订阅”窗口中单击“立即同步”时也会更新。设为 0 时只在这些时候更新。</translation>
    </message>
</context>
<context>
    <name>HttpCall</name>
    <message>
        <location filename="../src/net/httpcall.cpp" line="+51"/>
        <source>no answer for %1 seconds</source>
        <translation>%1 秒内没有应答</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the answer did not come in full within %1 seconds</source>
        <translation>应答未能在 %1 秒内完整到达</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>the answer of %1 bytes is over the limit of %2 bytes; refused</source>
        <translation>应答大小为 %1 字节，超过了 %2 字节的上限；已拒绝</translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+31"/>
        <source>the answer is over the limit of %1 bytes; refused</source>
        <translation>应答超过了 %1 字节的上限；已拒绝</translation>
    </message>
    <message>
        <location line="-17"/>
        <source>the server&apos;s certificate does not verify (%1); refused</source>
        <translation>服务器证书验证失败（%1）；已拒绝</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the connection closed after %1 of %2 bytes</source>
        <translation>连接在收到 %2 字节中的 %1 字节后关闭</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>redirected more than %1 times</source>
        <translation>重定向超过 %1 次</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>redirected to %1, which is not an http or https address; refused</source>
        <translation>被重定向到 %1，这不是 http 或 https 地址；已拒绝</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>the password is not sent over plain http except to this computer; use the https address (401)</source>
        <translation>除本机外，密码不会通过未加密的 http 发送；请使用 https 地址 (401)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the password is not sent to %1, where the server redirected; if that is the right server, subscribe to that address (401)</source>
        <translation>密码不会发送到服务器重定向到的 %1；如果那是正确的服务器，请订阅该地址 (401)</translation>
    </message>
</context>
<context>
    <name>ICalendar</name>
    <message>
        <location filename="../src/core/exchange/icalendar.cpp" line="+435"/>
        <source>It is not an iCalendar file: it does not start with BEGIN:VCALENDAR.</source>
        <translation>这不是 iCalendar 文件：它不是以 BEGIN:VCALENDAR 开头。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Its BEGIN lines nest deeper than %1 levels, deeper than any calendar: it is not read.</source>
        <translation>其 BEGIN 行的嵌套深度超过 %1 层，超过了任何日历的深度：不予读取。</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The file ends in the middle of a calendar (a BEGIN line has no END line): it looks cut off.</source>
        <translation>文件在日历中间结束（有 BEGIN 行没有对应的 END 行）：文件似乎被截断了。</translation>
    </message>
</context>
<context>
    <name>ImportDialog</name>
    <message>
        <location filename="../src/ui/dialogs/importdialog.cpp" line="+150"/>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Choose the events to add from %1:</source>
        <translation>选择要从 %1 添加的事件：</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Events to import</source>
        <translation>要导入的事件</translation>
    </message>
    <message>
        <location line="-102"/>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>On the Day</source>
        <translation>当天</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>no year given: the age is not shown</source>
        <translation>未提供年份：不显示年龄</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>Select &amp;All</source>
        <translation>全选(&amp;A)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Select &amp;None</source>
        <translation>全不选(&amp;N)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>On the &amp;Day:</source>
        <translation>当天(&amp;D)：</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Each as listed</source>
        <translation>按列表所示</translation>
    </message>
    <message>
        <location line="-142"/>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Note</source>
        <translation>备注</translation>
    </message>
</context>
<context>
    <name>ImportEntry</name>
    <message>
        <location filename="../src/core/exchange/importentry.h" line="+59"/>
        <source>%1 — Anniversary</source>
        <extracomment>The name of the event that a contact&apos;s anniversary becomes; %1 is the contact&apos;s name.</extracomment>
        <translation>%1 — 纪念日</translation>
    </message>
</context>
<context>
    <name>ImportFormats</name>
    <message>
        <location filename="../src/core/exchange/importformats.cpp" line="+18"/>
        <source>, </source>
        <extracomment>Joins the items of a list but its last two.</extracomment>
        <translation>、</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>a contacts file</source>
        <translation>联系人文件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>contacts</source>
        <translation>联系人</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the birthdays and anniversaries of contacts</source>
        <translation>联系人的生日和纪念日</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>a calendar file</source>
        <translation>日历文件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>calendars</source>
        <translation>日历</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the all-day events of calendars</source>
        <translation>日历中的全天事件</translation>
    </message>
    <message>
        <location line="+27"/>
        <location line="+26"/>
        <source>%1 and %2</source>
        <extracomment>The last two items of a list.</extracomment>
        <translation>%1和%2</translation>
    </message>
    <message>
        <location line="-23"/>
        <source>%1 (%2);;All files (*)</source>
        <extracomment>The file dialog&apos;s filters, separated by &quot;;;&quot;: keep the &quot;;;&quot; and the &quot;(*)&quot;.</extracomment>
        <translation>%1 (%2);;所有文件 (*)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>It is neither %1.</source>
        <extracomment>%1 lists the kinds of file, joined by &quot;%1 nor %2&quot;.</extracomment>
        <translation>它既不是%1。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 nor %2</source>
        <translation>%1，也不是%2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Import %1 from FILE and the files after it.</source>
        <extracomment>The --import option&apos;s description; FILE is the option&apos;s value, as in the usage line.</extracomment>
        <translation>从 FILE 及其后的文件中导入%1。</translation>
    </message>
</context>
<context>
    <name>ImportPlan</name>
    <message>
        <location filename="../src/core/exchange/importplan.cpp" line="+87"/>
        <source>It is not a regular file (it is a device, a pipe or a socket): only files are imported.</source>
        <translation>它不是普通文件（而是设备、管道或套接字）：只能导入文件。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>It is a folder, not a file.</source>
        <translation>它是文件夹，不是文件。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>It is larger than %1 MB, more than any contacts or calendar file holds: an import reads files up to that size.</source>
        <translation>它大于 %1 MB，超过了任何联系人或日历文件的大小：导入只读取不超过此大小的文件。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>It could not be read: %1.</source>
        <translation>无法读取：%1。</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>It changed while it was read: try again.</source>
        <translation>读取时文件发生了变化：请重试。</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The file is empty.</source>
        <translation>文件为空。</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Nothing was added from the file.</source>
        <translation>未从文件中添加任何内容。</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Nothing was added from any of the %Ln files: %1 of them could not be used.</source>
        <translation>
            <numerusform>未从这 %Ln 个文件中添加任何内容：其中 %1 个文件无法使用。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+23"/>
        <source>the data file holds at most %Ln events</source>
        <extracomment>%Ln is the most events the data file holds.</extracomment>
        <translation>
            <numerusform>数据文件最多只能容纳 %Ln 个事件</numerusform>
        </translation>
    </message>
    <message>
        <location line="+50"/>
        <source>its date is not a day of the calendar</source>
        <translation>其日期在日历中不存在</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>its repeats ended in %1</source>
        <translation>其重复已于 %1 结束</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its repeats end before they begin</source>
        <translation>其重复在开始之前就已结束</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>it is in the list already</source>
        <translation>已在列表中</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>its repeats end in %1</source>
        <translation>其重复将于 %1 结束</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>no room: %1</source>
        <translation>没有空间：%1</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>%L1 to add, %L2 already there, %L3 without a date</source>
        <translation>将添加 %L1 个，已存在 %L2 个，%L3 个没有日期</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%L1 added, %L2 already there, %L3 without a date</source>
        <translation>已添加 %L1 个，已存在 %L2 个，%L3 个没有日期</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>, %L1 left out</source>
        <extracomment>One more item of the import&apos;s summary list.</extracomment>
        <translation>，略过 %L1 个</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>, %L1 could not be read</source>
        <extracomment>One more item of the import&apos;s summary list.</extracomment>
        <translation>，%L1 个无法读取</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>, %L1 whose repeats end, not chosen</source>
        <extracomment>One more item of the import&apos;s summary list.</extracomment>
        <translation>，%L1 个的重复已结束，未选择</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>; %L1 fit, %L2 would not be added: %3</source>
        <extracomment>The end of the import&apos;s summary; %3 says how many events the data file holds.</extracomment>
        <translation>；可容纳 %L1 个，%L2 个将不会添加：%3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>; %L1 not added: %2</source>
        <extracomment>The end of the import&apos;s summary; %2 says how many events the data file holds.</extracomment>
        <translation>；%L1 个未添加：%2</translation>
    </message>
    <message numerus="yes">
        <location line="+47"/>
        <source>The import stopped after %1 of the %Ln events were added.

%2</source>
        <extracomment>%1 is how many events were added, %2 why the import stopped.</extracomment>
        <translation>
            <numerusform>在 %Ln 个事件中添加了 %1 个之后，导入已停止。

%2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>JsonFile</name>
    <message>
        <location filename="../src/core/store/jsonfile.cpp" line="+25"/>
        <source>Cannot read &quot;%1&quot;: %2.</source>
        <translation>无法读取“%1”：%2。</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Cannot write &quot;%1&quot;: %2; the file is kept as it was.</source>
        <translation>无法写入“%1”：%2；文件保持原样。</translation>
    </message>
</context>
<context>
    <name>ListDate</name>
    <message>
        <location filename="../src/ui/presentation/listdate.cpp" line="+47"/>
        <source>1 event has a date that cannot be read (marked ⚠)</source>
        <translation>1 个事件的日期无法读取（标记为 ⚠）</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%Ln events have dates that cannot be read (marked ⚠)</source>
        <extracomment>%Ln is the number of events whose stored date does not read (2 or more).</extracomment>
        <translation>
            <numerusform>%Ln 个事件的日期无法读取（标记为 ⚠）</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainActions</name>
    <message>
        <location filename="../src/ui/app/mainactions.cpp" line="+190"/>
        <source>&amp;Birthdays</source>
        <translation>生日(&amp;B)</translation>
    </message>
    <message>
        <location line="-149"/>
        <source>&amp;New Birthday</source>
        <translation>新建生日(&amp;N)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Special Events</source>
        <translation>特殊日子(&amp;S)</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+59"/>
        <source>&amp;Edit Birthday</source>
        <translation>编辑生日(&amp;E)</translation>
    </message>
    <message>
        <location line="-56"/>
        <source>Du&amp;plicate Birthday</source>
        <translation>复制生日(&amp;P)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Delete Birthday</source>
        <translation>删除生日(&amp;D)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Import...</source>
        <translation>导入(&amp;I)...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Exp&amp;ort...</source>
        <translation>导出(&amp;O)...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Restore from &amp;Backup...</source>
        <translation>从备份恢复(&amp;B)...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>E&amp;xit Candlewatcher</source>
        <translation>退出 Candlewatcher(&amp;X)</translation>
    </message>
    <message>
        <location line="+132"/>
        <source>&amp;View</source>
        <translation>查看(&amp;V)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Toolbars</source>
        <translation>工具栏(&amp;T)</translation>
    </message>
    <message>
        <location line="-130"/>
        <source>Standard &amp;Toolbar</source>
        <translation>标准工具栏(&amp;T)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Status Bar</source>
        <translation>状态栏(&amp;S)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Lar&amp;ge Icons</source>
        <translation>大图标(&amp;G)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Small Icons</source>
        <translation>小图标(&amp;S)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;List</source>
        <translation>列表(&amp;L)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Details</source>
        <translation>详细信息(&amp;D)</translation>
    </message>
    <message>
        <location line="+121"/>
        <source>&amp;Arrange Icons</source>
        <translation>排列图标(&amp;A)</translation>
    </message>
    <message>
        <location line="-118"/>
        <source>By &amp;Name</source>
        <translation>按名称(&amp;N)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>By &amp;Date</source>
        <translation>按日期(&amp;D)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>By Ne&amp;xt Date</source>
        <translation>按下次日期(&amp;X)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>By &amp;Age</source>
        <translation>按年龄(&amp;A)</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+170"/>
        <location line="+1"/>
        <source>Preferences</source>
        <translation>首选项</translation>
    </message>
    <message>
        <location line="-50"/>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <location line="-118"/>
        <source>Interactive Help</source>
        <translation>交互式帮助</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>About Candlewatcher</source>
        <translation>关于 Candlewatcher</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Comments and Suggestions</source>
        <translation>意见和建议(&amp;C)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 &amp;Website</source>
        <translation>%1 网站(&amp;W)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Show Candlewatcher</source>
        <translation>显示 Candlewatcher(&amp;S)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show N&amp;otifications</source>
        <translation>显示通知(&amp;O)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Add &amp;New Birthday</source>
        <translation>添加新生日(&amp;N)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;About Candlewatcher</source>
        <translation>关于 Candlewatcher(&amp;A)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;%1 Website</source>
        <translation>%1 网站(&amp;W)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Preferences</source>
        <translation>首选项(&amp;P)</translation>
    </message>
    <message>
        <location line="+123"/>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Add New Birthday</source>
        <translation>添加新生日</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit Selected Birthday</source>
        <translation>编辑所选生日</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Duplicate</source>
        <translation>复制</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Duplicate Birthday</source>
        <translation>复制生日</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete Selected Birthday</source>
        <translation>删除所选生日</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Special Events</source>
        <translation>特殊日子</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert Special Events</source>
        <translation>插入特殊日子</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Website</source>
        <translation>网站</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 Website</source>
        <translation>%1 网站</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Exit Candlewatcher</source>
        <translation>退出 Candlewatcher</translation>
    </message>
    <message>
        <location line="-204"/>
        <source>S&amp;ubscriptions...</source>
        <translation>订阅(&amp;U)...</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../src/ui/app/mainwindow.cpp" line="+82"/>
        <source>No desktop notification service answered: reminders show in the Candlewatcher window.</source>
        <translation>没有桌面通知服务响应：提醒将显示在 Candlewatcher 窗口中。</translation>
    </message>
    <message>
        <location line="+98"/>
        <source>Standard Toolbar</source>
        <translation>标准工具栏</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 %2 - never miss a birthday again</source>
        <translation>%1 %2 - 再也不会错过生日</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Search by name (%1)</source>
        <extracomment>%1 is the key that moves to this field, as the desktop names it (Ctrl+F, Strg+F).</extracomment>
        <translation>按名称搜索 (%1)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Search by name</source>
        <translation>按名称搜索</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clear the search</source>
        <translation>清除搜索</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>More toolbar buttons</source>
        <translation>更多工具栏按钮</translation>
    </message>
    <message>
        <location line="+112"/>
        <source>Candlewatcher runs in the system tray: closing this window keeps it there, and a click on its icon brings the window back.</source>
        <translation>Candlewatcher 在系统托盘中运行：关闭此窗口后它仍留在那里，单击其图标即可恢复窗口。</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>If you exit then you will not be alerted to any future events.  Are you sure you want to exit?</source>
        <translation>如果退出，您将不会收到任何未来事件的提醒。确定要退出吗？</translation>
    </message>
    <message numerus="yes">
        <location line="+33"/>
        <source>%n event(s) whose writing was cut off (a name without a date) were taken out of the data file; their cells are kept in &quot;%1&quot;.</source>
        <translation>
            <numerusform>已从数据文件中移除 %n 个写入被中断的事件（只有名称没有日期）；其单元保存在“%1”中。</numerusform>
        </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The data file could not be compacted.</source>
        <translation>无法压缩数据文件。</translation>
    </message>
    <message>
        <location line="-354"/>
        <source>The birthdays list could not be read.</source>
        <translation>无法读取生日列表。</translation>
    </message>
</context>
<context>
    <name>MissedEvents</name>
    <message numerus="yes">
        <location filename="../src/core/calendar/missedevents.cpp" line="+71"/>
        <source>%1 (%2 - %Ln Years)</source>
        <extracomment>%1 is the event&apos;s name, %2 the missed day.</extracomment>
        <translation>
            <numerusform>%1 (%2 - %Ln 年)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NetJob</name>
    <message>
        <location filename="../src/net/netjob.cpp" line="+14"/>
        <source>the server asked for more than %L1 requests in one go; stopped, to be tried again at the next sync</source>
        <translation>服务器要求一次发送超过 %L1 个请求；已停止，将在下次同步时重试</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>the user name or the password was refused (401)</source>
        <translation>用户名或密码被拒绝（401）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>access refused (403)</source>
        <translation>访问被拒绝（403）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not found on the server (404)</source>
        <translation>在服务器上未找到（404）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the server failed (%1 %2)</source>
        <translation>服务器出错（%1 %2）</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>unexpected answer (%1 %2)</source>
        <translation>意外的应答（%1 %2）</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the answer cannot be read: %1</source>
        <translation>无法读取应答：%1</translation>
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
            <numerusform>%Ln 岁</numerusform>
        </translation>
    </message>
    <message>
        <location line="+64"/>
        <source>%1 — next: %2, %3</source>
        <extracomment>The tray icon&apos;s tip: the program&apos;s title, the soonest event&apos;s name and when it is.</extracomment>
        <translation>%1 — 下一个：%2，%3</translation>
    </message>
</context>
<context>
    <name>NotificationLines</name>
    <message numerus="yes">
        <location filename="../src/ui/presentation/notificationlines.cpp" line="+87"/>
        <source>(%Ln more events)</source>
        <extracomment>The notification&apos;s last line when not every event fits: %Ln is how many more there are.</extracomment>
        <translation>
            <numerusform>（还有 %Ln 个事件）</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NotificationWindow</name>
    <message>
        <location filename="../src/ui/reminders/notificationwindow.cpp" line="+78"/>
        <source>Birthdays Due Today</source>
        <translation>今天的生日</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>(No birthdays coming up)</source>
        <translation>（近期没有生日）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(No birthdays today)</source>
        <translation>（今天没有生日）</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Birthdays Due Soon</source>
        <translation>近期的生日</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <location filename="../src/platform/notifier.h" line="+35"/>
        <source>Show Candlewatcher</source>
        <translation>显示 Candlewatcher</translation>
    </message>
</context>
<context>
    <name>Occurrence</name>
    <message>
        <location filename="../src/core/calendar/occurrence.cpp" line="+102"/>
        <source>today</source>
        <extracomment>The list&apos;s narrow &quot;In&quot; column and the tray icon&apos;s tip: keep it short.</extracomment>
        <translation>今天</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>tomorrow</source>
        <extracomment>The list&apos;s narrow &quot;In&quot; column and the tray icon&apos;s tip: keep it short.</extracomment>
        <translation>明天</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>in %Ln days</source>
        <extracomment>The list&apos;s narrow &quot;In&quot; column and the tray icon&apos;s tip: keep it short.</extracomment>
        <translation>
            <numerusform>%Ln 天后</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <location filename="../src/ui/dialogs/preferencesdialog.cpp" line="+57"/>
        <source>Candlewatcher Preferences</source>
        <translation>Candlewatcher 首选项</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Confirmation</source>
        <translation>确认</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Confirm before &amp;deleting a birthday</source>
        <translation>删除生日前确认(&amp;D)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Confirm before &amp;exiting Candlewatcher</source>
        <translation>退出 Candlewatcher 前确认(&amp;E)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Notification</source>
        <translation>通知</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show the Notification window:</source>
        <translation>显示通知窗口：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Every &amp;hour</source>
        <translation>每小时(&amp;H)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;very day</source>
        <translation>每天(&amp;V)</translation>
    </message>
    <message>
        <location filename="../src/platform/windows/startcaption.cpp" line="+7"/>
        <source>Only when &amp;Windows starts up</source>
        <translation>仅在 Windows 启动时(&amp;W)</translation>
    </message>
    <message>
        <location filename="../src/platform/posix/startcaption.cpp" line="+7"/>
        <source>Only when Candlewatcher &amp;starts</source>
        <translation>仅在 Candlewatcher 启动时(&amp;S)</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/preferencesdialog.cpp" line="+21"/>
        <source>Alerts</source>
        <extracomment>Frame title: the alert windows that open on an event&apos;s day (a noun, not a verb).</extracomment>
        <translation>当日提醒</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show &amp;alerts at the following time each day:</source>
        <translation>每天在以下时间显示当日提醒(&amp;A)：</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>(24 hour clock)</source>
        <translation>（24 小时制）</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Reminders</source>
        <translation>提醒</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show reminders as:</source>
        <translation>提醒显示方式：</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the Candlewatcher window</source>
        <translation>Candlewatcher 窗口</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>desktop notifications</source>
        <translation>桌面通知</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Leap-day events in other years:</source>
        <translation>非闰年中的闰日事件：</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>28 February</source>
        <translation>2月28日</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 March</source>
        <translation>3月1日</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Subscriptions</source>
        <translation>订阅</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>S&amp;ync subscriptions every (hours):</source>
        <translation>订阅同步间隔（小时）(&amp;Y)：</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>only at start</source>
        <extracomment>Shown for 0 hours: subscriptions sync when the program starts and on Sync Now only.</extracomment>
        <translation>仅在启动时</translation>
    </message>
</context>
<context>
    <name>Publisher</name>
    <message>
        <location filename="../src/core/sync/publisher.cpp" line="+229"/>
        <source>Published to %1: %2</source>
        <extracomment>%1 is the calendar&apos;s name, %2 what was sent or why it failed.</extracomment>
        <translation>已发布到 %1：%2</translation>
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
        <translation>没有到期的事件</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>There are no events today</source>
        <translation>今天没有事件</translation>
    </message>
    <message numerus="yes">
        <location line="+49"/>
        <source>%1 (%2 - %Ln Years)</source>
        <extracomment>%1 is the event&apos;s name, %2 its date, %Ln the years since the date (an age, or an anniversary&apos;s count: a wording for both). The notification window cuts long names short: keep %1 first, the rest in parentheses.</extracomment>
        <translation>
            <numerusform>%1 (%2 - %Ln 年)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+26"/>
        <location filename="../src/ui/presentation/notificationlines.cpp" line="-52"/>
        <source>%1 (%Ln Years)</source>
        <extracomment>%1 is the event&apos;s name, %Ln the years since its date: an age for a birthday, a count of years for an anniversary or any other event, so a wording that fits both (the list&apos;s &quot;Age&quot; column has a message of its own). The notification window cuts long names short: keep %1 first, the rest in parentheses.</extracomment>
        <translation>
            <numerusform>%1 (%Ln 年)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReminderRunner</name>
    <message>
        <location filename="../src/ui/reminders/reminderrunner.cpp" line="+23"/>
        <source>Birthdays Due Today</source>
        <translation>今天的生日</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Birthdays Due Soon</source>
        <translation>近期的生日</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Missed While Away</source>
        <translation>错过的事件</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Missed: %1</source>
        <translation>错过：%1</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>Candlewatcher Alert</source>
        <translation>Candlewatcher 当日提醒</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1:</source>
        <comment>a title before its list</comment>
        <translation>%1：</translation>
    </message>
</context>
<context>
    <name>RestoreDialog</name>
    <message>
        <location filename="../src/ui/dialogs/restoredialog.cpp" line="+13"/>
        <source>Restore from Backup</source>
        <translation>从备份恢复</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Choose the backup to restore.  Your events as they are now are kept as a backup of today first.</source>
        <translation>选择要恢复的备份。您当前的事件会先保存为今天的备份。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Backups</source>
        <translation>备份</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Backup of</source>
        <translation>备份日期</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Events</source>
        <translation>事件数</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1, %2</source>
        <comment>a backup&apos;s day, the time of day it was made</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>unreadable</source>
        <translation>无法读取</translation>
    </message>
</context>
<context>
    <name>ShellLaunch</name>
    <message>
        <location filename="../src/ui/web/shelllaunch.cpp" line="+31"/>
        <source>%1 could not open %2.</source>
        <translation>%1 无法打开 %2。</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <location filename="../src/platform/posix/singleinstance.cpp" line="+53"/>
        <source>No folder for the single-copy socket in &quot;%1&quot; (%2); another running copy will not be noticed.</source>
        <translation>“%1”中没有单副本套接字的文件夹 (%2)；将无法察觉另一个正在运行的副本。</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The temporary folder&apos;s path &quot;%1&quot; is too long for the single-copy socket; another running copy will not be noticed.</source>
        <translation>临时文件夹路径“%1”对单副本套接字来说太长；将无法察觉另一个正在运行的副本。</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>No private folder for the lock file (%1); another running copy will not be noticed.</source>
        <translation>没有用于锁文件的私有文件夹（%1）；将无法察觉另一个正在运行的副本。</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>cannot be read: %1</source>
        <translation>无法读取：%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>is a symbolic link</source>
        <translation>是符号链接</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>is not a folder</source>
        <translation>不是文件夹</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>belongs to another user</source>
        <translation>属于其他用户</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>is open to other users</source>
        <translation>对其他用户开放</translation>
    </message>
    <message>
        <location filename="../src/platform/singleinstance.cpp" line="+72"/>
        <source>Cannot make the lock file &quot;%1&quot;; another running copy will not be noticed.</source>
        <translation>无法创建锁文件“%1”；将无法察觉另一个正在运行的副本。</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Candlewatcher is already running, but it does not answer.</source>
        <translation>Candlewatcher 已在运行，但没有响应。</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Cannot listen for later starts on &quot;%1&quot;: %2</source>
        <translation>无法在“%1”上监听后续启动：%2</translation>
    </message>
</context>
<context>
    <name>SubscriptionGuard</name>
    <message>
        <location filename="../src/core/sync/subscriptionguard.cpp" line="+18"/>
        <source>&quot;%1&quot; is in use by another copy of Candlewatcher.</source>
        <translation>“%1”正被另一个 Candlewatcher 副本使用。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cannot lock &quot;%1&quot; to change it.</source>
        <translation>无法锁定“%1”以进行更改。</translation>
    </message>
</context>
<context>
    <name>SubscriptionSetup</name>
    <message>
        <location filename="../src/core/sync/subscriptionsetup.cpp" line="+44"/>
        <source>Give the address of a server, an address book or a calendar, such as https://example.com/remote.php/dav.</source>
        <translation>请输入服务器、通讯录或日历的地址，例如 https://example.com/remote.php/dav。</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>This copy of Candlewatcher was built without network access.</source>
        <translation>此 Candlewatcher 副本在构建时未包含网络访问功能。</translation>
    </message>
    <message>
        <location line="-78"/>
        <source>Looking for address books and calendars at %1...</source>
        <translation>正在 %1 上查找通讯录和日历...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No address book or calendar was found there.</source>
        <translation>在那里没有找到通讯录或日历。</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Reading &quot;%1&quot;...</source>
        <translation>正在读取“%1”...</translation>
    </message>
</context>
<context>
    <name>Subscriptions</name>
    <message>
        <location filename="../src/core/sync/subscriptions.cpp" line="+226"/>
        <source>The subscriptions file &quot;%1&quot; is larger than %2 MB, more than this program writes: it is not read.</source>
        <translation>订阅文件“%1”大于 %2 MB，超过本程序写入的大小：不予读取。</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>The subscriptions file &quot;%1&quot; is damaged: %2.</source>
        <translation>订阅文件“%1”已损坏：%2。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The subscriptions file &quot;%1&quot; was written by a newer version of the program.</source>
        <translation>订阅文件“%1”是由更新版本的程序写入的。</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>The subscriptions file &quot;%1&quot; is damaged: an entry in it does not read.</source>
        <translation>订阅文件“%1”已损坏：其中有一个条目无法读取。</translation>
    </message>
    <message>
        <location line="-94"/>
        <source>You subscribe to &quot;%1&quot; already.</source>
        <translation>您已订阅“%1”。</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Your events are published to &quot;%1&quot; already: remove that first.</source>
        <translation>您的事件已发布到“%1”：请先移除它。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&quot;%1&quot; cannot be subscribed to and published to at once: your events would come back as subscribed ones.</source>
        <translation>不能同时订阅“%1”并发布到其中：您的事件会作为订阅的事件返回。</translation>
    </message>
</context>
<context>
    <name>SubscriptionsDialog</name>
    <message>
        <location filename="../src/ui/dialogs/subscriptionsdialog.cpp" line="+27"/>
        <source>Address book</source>
        <translation>通讯录</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Calendar</source>
        <translation>日历</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Calendar address</source>
        <translation>日历地址</translation>
    </message>
    <message>
        <location line="+50"/>
        <location line="+51"/>
        <source>Subscriptions</source>
        <translation>订阅</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+101"/>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <location line="-101"/>
        <source>Last sync</source>
        <translation>上次同步</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Add...</source>
        <translation>添加(&amp;A)...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Remove</source>
        <translation>移除(&amp;R)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Sync Now</source>
        <translation>立即同步(&amp;S)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Address books and calendars whose birthdays and events are kept in step with your list.</source>
        <translation>其生日和事件与您的列表保持同步的通讯录和日历。</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Addr&amp;ess:</source>
        <translation>地址(&amp;E)：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;User name:</source>
        <translation>用户名(&amp;U)：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Password:</source>
        <translation>密码(&amp;P)：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The address of your server (for Nextcloud https://HOST/remote.php/dav), of an address book or calendar, or of a calendar file (https:// or webcal://). Leave the user name empty for a public calendar.</source>
        <translation>您的服务器地址（Nextcloud 为 https://HOST/remote.php/dav）、通讯录或日历的地址，或日历文件的地址（https:// 或 webcal://）。公共日历请将用户名留空。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Find</source>
        <translation>查找(&amp;F)</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+25"/>
        <location line="+34"/>
        <source>&amp;Back</source>
        <translation>返回(&amp;B)</translation>
    </message>
    <message>
        <location line="-40"/>
        <source>&amp;Choose the address book or calendar to subscribe to:</source>
        <translation>选择要订阅的通讯录或日历(&amp;C)：</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+16"/>
        <source>Pre&amp;view</source>
        <translation>预览(&amp;V)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>What the subscription adds</source>
        <translation>订阅将添加的内容</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>What happens</source>
        <translation>结果</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>S&amp;ubscribe</source>
        <translation>订阅(&amp;U)</translation>
    </message>
    <message>
        <location line="+57"/>
        <location line="+15"/>
        <source>Never</source>
        <translation>从未</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Syncing...</source>
        <translation>正在同步...</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Remove the subscription to &quot;%1&quot;.

Remove its events from your list too? Yes removes them; No keeps them as your own. Events you changed here are kept either way.</source>
        <translation>将移除对“%1”的订阅。

是否也从您的列表中移除其事件？选“是”将其移除；选“否”将其保留为您自己的事件。您在此处更改过的事件无论如何都会保留。</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The subscription could not be removed.</source>
        <translation>无法移除该订阅。</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Added</source>
        <translation>添加</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Linked to the event in your list</source>
        <translation>关联到您列表中的事件</translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>Subscribing adds %Ln events.</source>
        <extracomment>%Ln is the number of events the subscription adds to the list.</extracomment>
        <translation>
            <numerusform>订阅将添加 %Ln 个事件。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%Ln events already in your list are linked to it.</source>
        <extracomment>%Ln is the number of events of the list the subscription takes over.</extracomment>
        <translation>
            <numerusform>您列表中已有的 %Ln 个事件将与之关联。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%Ln dates are left out.</source>
        <extracomment>%Ln is the number of the calendar&apos;s dates the list cannot hold.</extracomment>
        <translation>
            <numerusform>有 %Ln 个日期被略去。</numerusform>
        </translation>
    </message>
    <message>
        <location line="-307"/>
        <source>The password could not be kept.</source>
        <translation>无法保存密码。</translation>
    </message>
    <message>
        <location line="+329"/>
        <source>Not every event of the subscription was added.</source>
        <translation>订阅中的事件未能全部添加。</translation>
    </message>
    <message>
        <location line="-243"/>
        <source>&amp;Publish my events to this calendar instead</source>
        <translation>改为将我的事件发布到此日历(&amp;P)</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Publis&amp;h</source>
        <translation>发布(&amp;H)</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>Publishing to %1</source>
        <translation>发布到 %1</translation>
    </message>
    <message>
        <location line="+172"/>
        <source>Stop publishing your events to &quot;%1&quot;.

Delete the published events from that calendar too? Yes deletes them; No leaves them there.</source>
        <translation>将停止把您的事件发布到“%1”。

是否也从该日历中删除已发布的事件？选“是”将其删除；选“否”将其留在那里。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Publishing could not be stopped.</source>
        <translation>无法停止发布。</translation>
    </message>
</context>
<context>
    <name>SyncCommands</name>
    <message>
        <location filename="../src/ui/app/synccommands.cpp" line="+37"/>
        <source>No secret service keeps the password: it is asked for once a session.

</source>
        <translation>没有密钥服务保存密码：每次会话将询问一次。

</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Password of %1 at %2:</source>
        <extracomment>%1 is a user name, %2 an address.</extracomment>
        <translation>%1 在 %2 的密码：</translation>
    </message>
</context>
<context>
    <name>SyncPlan</name>
    <message>
        <location filename="../src/core/sync/syncplan.cpp" line="+124"/>
        <source>: no room: </source>
        <translation>：没有空间：</translation>
    </message>
</context>
<context>
    <name>SyncQueue</name>
    <message>
        <location filename="../src/core/sync/publisher.cpp" line="-75"/>
        <location filename="../src/core/sync/syncqueue.cpp" line="+119"/>
        <source>This copy of Candlewatcher was built without network access.</source>
        <translation>此 Candlewatcher 副本在构建时未包含网络访问功能。</translation>
    </message>
    <message>
        <location filename="../src/core/sync/secretstore.h" line="+61"/>
        <source>No password for %1 (user %2). Choose Sync Now in Birthdays &gt; Subscriptions... to type it in: it is kept in the desktop&apos;s secret service, where the command line finds it too.</source>
        <extracomment>%1 is the server&apos;s address, %2 the user name. Birthdays &gt; Subscriptions... and Sync Now are the program&apos;s own menu item and button.</extracomment>
        <translation>没有 %1（用户 %2）的密码。请在 生日 &gt; 订阅... 中选择“立即同步”输入密码：它保存在桌面的密钥服务中，命令行也能找到它。</translation>
    </message>
</context>
<context>
    <name>SyncRun</name>
    <message>
        <location filename="../src/core/sync/publisher.cpp" line="+50"/>
        <location filename="../src/core/sync/syncrun.cpp" line="+32"/>
        <source>%L1 added, %L2 updated, %L3 removed</source>
        <translation>已添加 %L1 个，已更新 %L2 个，已移除 %L3 个</translation>
    </message>
    <message>
        <location filename="../src/core/sync/syncrun.cpp" line="+5"/>
        <source>, %L1 detached</source>
        <translation>，已分离 %L1 个</translation>
    </message>
    <message>
        <location filename="../src/core/sync/publisher.cpp" line="+5"/>
        <location filename="../src/core/sync/syncrun.cpp" line="+2"/>
        <source>, %L1 left out</source>
        <translation>，略过 %L1 个</translation>
    </message>
</context>
<context>
    <name>SyncService</name>
    <message>
        <location filename="../src/app/syncservice.cpp" line="+55"/>
        <source>Syncing &quot;%1&quot;...</source>
        <translation>正在同步“%1”...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: %2</source>
        <extracomment>%1 is the subscription&apos;s name, %2 what its sync did or why it failed.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>No secret service (GNOME Keyring, KWallet) answered: passwords are asked for once a session and not kept. Start or install one to keep them.</source>
        <translation>没有密钥服务（GNOME Keyring、KWallet）响应：每个会话询问一次密码，且不保存。要保存密码，请启动或安装一个密钥服务。</translation>
    </message>
</context>
<context>
    <name>VCardReader</name>
    <message>
        <location filename="../src/core/exchange/vcardreader.cpp" line="+281"/>
        <source>Contact on line %1</source>
        <translation>第 %1 行的联系人</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>its name is damaged quoted-printable text</source>
        <translation>其名称是损坏的 quoted-printable 文本</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>line %1 is not a vCard line</source>
        <translation>第 %1 行不是 vCard 行</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the contact has no name</source>
        <translation>联系人没有名称</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>its birthday &quot;%1&quot; is not a date</source>
        <translation>其生日“%1”不是日期</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>its anniversary &quot;%1&quot; is not a date</source>
        <translation>其纪念日“%1”不是日期</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>no birthday or anniversary</source>
        <translation>没有生日或纪念日</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>It is not a vCard file: it does not start with BEGIN:VCARD.</source>
        <translation>这不是 vCard 文件：它不是以 BEGIN:VCARD 开头。</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>the contact has no END:VCARD line</source>
        <translation>联系人没有 END:VCARD 行</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The file ends in the middle of a contact (it has no END:VCARD line after line %1): it looks cut off.</source>
        <translation>文件在联系人中间结束（第 %1 行之后没有 END:VCARD 行）：文件似乎被截断了。</translation>
    </message>
</context>
<context>
    <name>WebTexts</name>
    <message>
        <location filename="../src/core/comments/webtexts.h" line="+20"/>
        <source>%1 was unable to connect to the internet.  Please connect manually and then try again.</source>
        <extracomment>%1 is the program&apos;s full title.</extracomment>
        <translation>%1 无法连接到互联网。请手动连接，然后重试。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>You have not entered any information.  Please enter either a comment or suggestion into the space provided.</source>
        <translation>您没有输入任何信息。请在提供的空白处输入意见或建议。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>There was a problem sending your information to %1.  Please check you are connected to the internet correctly, and if the problem persists, try again later.</source>
        <extracomment>%1 is the organisation&apos;s name.</extracomment>
        <translation>向 %1 发送您的信息时出现问题。请检查您是否已正确连接到互联网；如果问题仍然存在，请稍后重试。</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Your comments and suggestions have been sent to %1.  Thank you very much for your input.</source>
        <extracomment>%1 is the organisation&apos;s name.</extracomment>
        <translation>您的意见和建议已发送给 %1。非常感谢您的反馈。</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 welcomes any comments and suggestions from its users.  Please fill in the boxes below and click on send.  This service is completely anonymous.</source>
        <extracomment>%1 is the organisation&apos;s name.</extracomment>
        <translation>%1 欢迎用户提出任何意见和建议。请填写下面的文本框，然后单击“发送”。此服务完全匿名。</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 welcomes any comments and suggestions from its users.  Please fill in the boxes below and click on send.</source>
        <extracomment>%1 is the organisation&apos;s name.</extracomment>
        <translation>%1 欢迎用户提出任何意见和建议。请填写下面的文本框，然后单击“发送”。</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Please wait while your information is being sent to the %1 website...</source>
        <extracomment>%1 is the organisation&apos;s name.</extracomment>
        <translation>正在将您的信息发送到 %1 网站，请稍候...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>System Information is currently unavailable.  Please try again later.</source>
        <translation>系统信息目前不可用。请稍后重试。</translation>
    </message>
</context>
<context>
    <name>WellKnownDays</name>
    <message>
        <location filename="../src/core/events/wellknowndays.cpp" line="+17"/>
        <source>New Year&apos;s Day</source>
        <translation>元旦</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sherlock Holmes Birthday</source>
        <translation>夏洛克·福尔摩斯诞辰</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Baptism of Jesus</source>
        <translation>耶稣受洗日</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>World Religion Day</source>
        <translation>世界宗教日</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Epiphany</source>
        <translation>主显节</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Martin Luther King Jr. Day</source>
        <translation>马丁·路德·金纪念日</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Burn&apos;s Night</source>
        <translation>彭斯之夜</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Groundhog Day</source>
        <translation>土拨鼠日</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Valentines Day</source>
        <translation>情人节</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lantern Festival</source>
        <translation>元宵节</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>St. David&apos;s Day</source>
        <translation>圣大卫日</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>International Women&apos;s Day</source>
        <translation>国际妇女节</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>St. Patrick&apos;s Day</source>
        <translation>圣帕特里克节</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>April Fool&apos;s Day</source>
        <translation>愚人节</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>St. Georges Day</source>
        <translation>圣乔治日</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>May Day</source>
        <translation>国际劳动节</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mother&apos;s Day (US)</source>
        <translation>母亲节（美国）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pentecost</source>
        <translation>圣灵降临节</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trinity</source>
        <translation>圣三一主日</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dragon Boat Festival</source>
        <translation>端午节</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>Mothers Day (UK)</source>
        <translation>母亲节（英国）</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Buddha&apos;s Birthday (Korea)</source>
        <translation>佛诞（韩国）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Holocaust Rememberance Day (Israel)</source>
        <translation>大屠杀纪念日（以色列）</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Father&apos;s Day (US, UK)</source>
        <translation>父亲节（美国、英国）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>International Joke Day</source>
        <translation>国际笑话日</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Independence Day (US)</source>
        <translation>独立日（美国）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bastille Day (France)</source>
        <translation>巴士底日（法国）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Friendship Day</source>
        <translation>友谊日</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chinese Valentines Day</source>
        <translation>七夕节</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ghandi&apos;s Birthday</source>
        <translation>甘地诞辰</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Oktoberfest</source>
        <translation>慕尼黑啤酒节</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Black Thursday</source>
        <translation>黑色星期四</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All Saints&apos; Day</source>
        <translation>诸圣节</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Guy Fawkes Day</source>
        <translation>盖伊·福克斯之夜</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>World Peace Day</source>
        <translation>世界和平日</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Children&apos;s Day</source>
        <translation>世界儿童日</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>World AIDS Day</source>
        <translation>世界艾滋病日</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Advent Begins</source>
        <translation>将临期开始</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>St. Nicholas Day</source>
        <translation>圣尼古拉节</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pearl Harbour Day (US)</source>
        <translation>珍珠港纪念日（美国）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Christmas Eve</source>
        <translation>平安夜</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Christmas Day</source>
        <translation>圣诞节</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Boxing Day</source>
        <translation>节礼日</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New Year&apos;s Eve</source>
        <translation>新年前夜</translation>
    </message>
</context>
<context>
    <name>WellKnownDaysDialog</name>
    <message>
        <location filename="../src/ui/dialogs/wellknowndaysdialog.cpp" line="+56"/>
        <source>Special Events</source>
        <translation>特殊日子</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Event Name</source>
        <translation>事件名称</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Event Date</source>
        <translation>事件日期</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Please select any dates you want to add.  Use the Control key to select more than one.</source>
        <translation>请选择要添加的日期。按住 Ctrl 键可选择多个。</translation>
    </message>
    <message numerus="yes">
        <location line="+123"/>
        <source>None of the %Ln selected events could be added.

%1</source>
        <extracomment>%Ln is the number of days chosen, %1 why they could not be added.</extracomment>
        <translation>
            <numerusform>所选的 %Ln 个事件都无法添加。

%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>Only %1 of the %Ln selected events were added; the rest could not be added.

%2</source>
        <extracomment>%1 is how many were added, %Ln how many were chosen, %2 why the rest were not.</extracomment>
        <translation>
            <numerusform>所选的 %Ln 个事件中只添加了 %1 个，其余的无法添加。

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
        <translation>%2月%1日</translation>
    </message>
    <message>
        <location line="-126"/>
        <source>on %1 in the Chinese calendar</source>
        <extracomment>%1 is a day and month of the Chinese calendar, as ICU writes it (&quot;Second Month 26&quot;).</extracomment>
        <translation>农历%1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>on %1 in the Hebrew calendar</source>
        <extracomment>%1 is a day and month of the Hebrew calendar (&quot;27 Nisan&quot;).</extracomment>
        <translation>希伯来历%1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>on %1 in the Islamic calendar</source>
        <extracomment>%1 is a day and month of the Islamic calendar (&quot;1 Ramadan&quot;).</extracomment>
        <translation>伊斯兰历%1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>on the first %1 of %2</source>
        <extracomment>In each, %1 is a weekday (&quot;Sunday&quot;) and %2 a month (&quot;May&quot;).</extracomment>
        <translation>%2第1个%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the second %1 of %2</source>
        <translation>%2第2个%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the third %1 of %2</source>
        <translation>%2第3个%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the fourth %1 of %2</source>
        <translation>%2第4个%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the fifth %1 of %2</source>
        <translation>%2第5个%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>on the last %1 of %2</source>
        <translation>%2最后一个%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the second-last %1 of %2</source>
        <translation>%2倒数第2个%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the third-last %1 of %2</source>
        <translation>%2倒数第3个%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the fourth-last %1 of %2</source>
        <translation>%2倒数第4个%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the fifth-last %1 of %2</source>
        <translation>%2倒数第5个%1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>on Easter Sunday</source>
        <translation>复活节当天</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on Orthodox Easter Sunday</source>
        <translation>东正教复活节当天</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 day(s) after Easter</source>
        <extracomment>%1 is a number of days, 1 or more.</extracomment>
        <translation>复活节后%1天</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 day(s) after Orthodox Easter</source>
        <translation>东正教复活节后%1天</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 day(s) before Easter</source>
        <extracomment>%1 is a number of days, 1 or more.</extracomment>
        <translation>复活节前%1天</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 day(s) before Orthodox Easter</source>
        <translation>东正教复活节前%1天</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>on this date</source>
        <translation>在此日期</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>on the first %1 on or after %2</source>
        <extracomment>%1 is a weekday (&quot;Saturday&quot;), %2 a day and month (&quot;16/09&quot;).</extracomment>
        <translation>%2当天或之后的第一个%1</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1, moved when it falls on %2</source>
        <extracomment>%1 is when the day falls (&quot;on 27 Nisan in the Hebrew calendar&quot;), %2 the weekdays it is moved off (&quot;Friday and Sunday&quot;).</extracomment>
        <translation>%1（逢%2时顺延）</translation>
    </message>
</context>
</TS>
