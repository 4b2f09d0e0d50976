<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AboutDialog</name>
    <message>
        <location filename="../src/ui/web/aboutdialog.cpp" line="+67"/>
        <source>About %1</source>
        <translation>%1 について</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Candlewatcher keeps your birthdays, anniversaries and other important dates, and reminds you of them from the system tray in good time.</source>
        <translation>Candlewatcher は誕生日や記念日などの大切な日付を管理し、システムトレイから前もってお知らせします。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>For more information on this or any of our freeware and shareware products, please visit our website at:</source>
        <translation>本製品および当社のフリーウェア・シェアウェア製品の詳細については、次の Web サイトをご覧ください:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Or e-mail %1 on:</source>
        <translation>または、次のアドレスから %1 にメールでお問い合わせください:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;System Info...</source>
        <translation>システム情報(&amp;S)...</translation>
    </message>
</context>
<context>
    <name>AlertDialog</name>
    <message>
        <location filename="../src/ui/reminders/alertdialog.cpp" line="+52"/>
        <source>Candlewatcher Alert</source>
        <translation>Candlewatcher アラート</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Birthdays Due Today</source>
        <translation>今日の誕生日</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>&amp;Remind Me Again</source>
        <translation>再通知(&amp;R)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>In &amp;10 Minutes</source>
        <translation>10 分後(&amp;1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In 1 &amp;Hour</source>
        <translation>1 時間後(&amp;H)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Tomorrow</source>
        <translation>明日(&amp;T)</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Missed While Away</source>
        <translation>見逃したイベント</translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <location filename="../src/core/store/backups.cpp" line="+26"/>
        <location line="+7"/>
        <source>Cannot read &quot;%1&quot;: %2.</source>
        <translation>「%1」を読み込めません: %2。</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <translation>「%1」に書き込めません: %2。</translation>
    </message>
    <message>
        <location line="+101"/>
        <source>Cannot make the backup of the data file &quot;%1&quot;, so nothing was changed. %2</source>
        <translation>データファイル「%1」のバックアップを作成できないため、何も変更しませんでした。%2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The folder &quot;%1&quot; could not be created.</source>
        <translation>フォルダー「%1」を作成できませんでした。</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>it is not a Candlewatcher data file (byte %1 starts no field)</source>
        <translation>Candlewatcher のデータファイルではありません (%1 バイト目がフィールドの先頭ではありません)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>it is empty</source>
        <translation>ファイルが空です</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>it is cut short (its last %Ln bytes are part of a field)</source>
        <extracomment>%Ln is the number of bytes at the file&apos;s end that make no whole field.</extracomment>
        <translation>
            <numerusform>途中で切れています (末尾の %Ln バイトがフィールドの途中で終わっています)</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The backup &quot;%1&quot; is damaged: %2.</source>
        <translation>バックアップ「%1」は破損しています: %2。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The data file &quot;%1&quot; is read-only.</source>
        <translation>データファイル「%1」は読み取り専用です。</translation>
    </message>
</context>
<context>
    <name>BirthdayCommands</name>
    <message>
        <location filename="../src/ui/list/birthdaycommands.cpp" line="+23"/>
        <source>You currently have no birthdays in your list.  Please use the New Birthday option to create a birthday.</source>
        <translation>リストに誕生日がまだありません。「新しい誕生日」を選んで誕生日を作成してください。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>You have not selected a birthday to use.  Please select a birthday from the Birthday&apos;s list and then try again.</source>
        <translation>使用する誕生日が選択されていません。誕生日リストから誕生日を選択して、もう一度お試しください。</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>&quot;%1&quot;</source>
        <comment>an event&apos;s name in quotes</comment>
        <translation>「%1」</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The event %1 was changed by another program after the list showed it, so %2.  The list now shows the events as they are.</source>
        <translation>イベント%1は、リストに表示された後に別のプログラムによって変更されたため、%2。リストには現在のイベントを表示しています。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>These events were changed by another program after the list showed them, so %2: %1.  The list now shows the events as they are.</source>
        <translation>次のイベントは、リストに表示された後に別のプログラムによって変更されたため、%2: %1。リストには現在のイベントを表示しています。</translation>
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
        <translation>「%1」は購読「%2」に従っています。  ここで変更すると自分のものになり、購読の以後の変更は反映されなくなります。  編集しますか?</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Because you can only edit one birthay at a time, only the last one you selected will be displayed.</source>
        <translation>誕生日は一度に 1 件しか編集できないため、最後に選択した誕生日だけを表示します。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>your changes to it were not saved</source>
        <translation>変更内容は保存されませんでした</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&quot;%1&quot; could not be duplicated.</source>
        <translation>「%1」を複製できませんでした。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it was not duplicated</source>
        <translation>複製されませんでした</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>they were not duplicated</source>
        <translation>複製されませんでした</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Of the %n selected events: %1 duplicated, %2 not duplicated.</source>
        <extracomment>%n is how many events were selected, %1 how many were copied.</extracomment>
        <translation>
            <numerusform>選択した %n 件のイベントのうち、%1 件を複製し、%2 件は複製しませんでした。</numerusform>
        </translation>
    </message>
    <message>
        <location line="+16"/>
        <source>&quot;%1&quot; was duplicated, but the copy keeps its date of this year only.

%2</source>
        <translation>「%1」を複製しましたが、コピーには今年の日付しかありません。

%2</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Are you sure you want to delete %1 permanently from your birthdays list?</source>
        <translation>%1を誕生日リストから完全に削除してもよろしいですか?</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>Are you sure you want to delete these %Ln items permanently from your birthdays list?</source>
        <extracomment>%Ln is the number of selected events (2 or more).</extracomment>
        <translation>
            <numerusform>この %Ln 件の項目を誕生日リストから完全に削除してもよろしいですか?</numerusform>
        </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&quot;%1&quot; could not be deleted.</source>
        <translation>「%1」を削除できませんでした。</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>it was not deleted</source>
        <translation>削除されませんでした</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>they were not deleted</source>
        <translation>削除されませんでした</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Of the %n selected events: %1 deleted, %2 not deleted.</source>
        <extracomment>%n is how many events were selected, %1 how many were deleted.</extracomment>
        <translation>
            <numerusform>選択した %n 件のイベントのうち、%1 件を削除し、%2 件は削除しませんでした。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BirthdayDialog</name>
    <message>
        <location filename="../src/ui/dialogs/birthdaydialog.cpp" line="+51"/>
        <source>The name is too long to be saved.  A name can hold at most %1 characters (letters with accents and other special characters count as two or more).</source>
        <translation>名前が長すぎるため保存できません。名前に使用できるのは最大 %1 文字です (漢字・かなやアクセント付きの文字などの特殊文字は、1 文字を 2 文字以上として数えます)。</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 and %2</source>
        <extracomment>the last two items of a list: &quot;a, b and c&quot;</extracomment>
        <translation>%1、%2</translation>
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
        <translation>新しい誕生日の追加</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Edit Birthday Details</source>
        <translation>誕生日の詳細の編集</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>New Birthday</source>
        <translation>新しい誕生日</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Occurs On</source>
        <translation>日付</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Repeats every year</source>
        <translation>毎年繰り返す</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Display number of years</source>
        <translation>年数を表示する</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Repeats</source>
        <translation>繰り返し</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Notify From</source>
        <translation>事前通知</translation>
    </message>
    <message numerus="yes">
        <location line="+13"/>
        <source>day(s) in advance</source>
        <extracomment>After the box with the number of days ahead to be notified; the number is the box&apos;s.</extracomment>
        <translation>
            <numerusform>日前から</numerusform>
        </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>On the Day</source>
        <translation>当日</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>the date</source>
        <translation>日付</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>whether it repeats every year</source>
        <translation>毎年繰り返すかどうか</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>what happens on the day</source>
        <translation>当日の動作</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>whether the number of years is displayed</source>
        <translation>年数を表示するかどうか</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Some details of this event could not be read: %1.  They are shown with the values a new event starts with.  Press OK to save the event with what you see, or Cancel to leave it unchanged.</source>
        <translation>このイベントの一部の情報を読み込めませんでした: %1。該当する項目は新しいイベントの初期値で表示しています。表示されている内容でイベントを保存するには [OK] を、変更せずに閉じるには [キャンセル] を押してください。</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>You have not entered a valid name for this birthday.  Please check and try again.</source>
        <translation>この誕生日の名前が正しくありません。確認してもう一度お試しください。</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>You have not entered a valid date for this birthday.  Please check and try again.</source>
        <translation>この誕生日の日付が正しくありません。確認してもう一度お試しください。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A date without a year repeats every year: tick &quot;Repeats every year&quot; or give the year.</source>
        <translation>年のない日付は毎年繰り返します。「毎年繰り返す」にチェックを入れるか、年を入力してください。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The Notify From value must be a number that is zero or over.  Please check and try again.</source>
        <translation>「事前通知」の値には 0 以上の数値を指定してください。確認してもう一度お試しください。</translation>
    </message>
    <message>
        <location line="-40"/>
        <location line="+65"/>
        <location line="+25"/>
        <source>The event could not be saved.

%1</source>
        <translation>イベントを保存できませんでした。

%1</translation>
    </message>
</context>
<context>
    <name>BirthdayInput</name>
    <message>
        <location filename="../src/core/events/birthdayinput.h" line="+25"/>
        <source>Show a Dialog</source>
        <extracomment>What happens on the event&apos;s day: an alert window opens.</extracomment>
        <translation>ダイアログを表示</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Do Nothing!</source>
        <extracomment>What happens on the event&apos;s day: no alert window, the event is only listed in the notification. The exclamation mark is part of the program&apos;s wording.</extracomment>
        <translation>何もしない</translation>
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
購読「%2」に従っています。そちらの変更がここに反映されます。</translation>
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
        <translation>名前</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Date</source>
        <extracomment>Column header of the event list: the date stored with the event (year, month, day).</extracomment>
        <translation>日付</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Next</source>
        <extracomment>Column header of the event list: the date the event falls on next (not &quot;the next one&quot;).</extracomment>
        <translation>次回</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>In</source>
        <extracomment>Column header of the event list: how long until the event (&quot;today&quot;, &quot;in 3 days&quot;). A narrow column: one short word.</extracomment>
        <translation>残り</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Age</source>
        <extracomment>Column header of the event list: the years since the date (a person&apos;s age).</extracomment>
        <translation>年齢</translation>
    </message>
</context>
<context>
    <name>BirthdayListView</name>
    <message>
        <location filename="../src/ui/list/birthdaylistview.cpp" line="+73"/>
        <source>Birthdays List</source>
        <translation>誕生日リスト</translation>
    </message>
</context>
<context>
    <name>BirthdayStore</name>
    <message>
        <location filename="../src/core/store/birthdaystore.cpp" line="+90"/>
        <source>The record key %1 is not valid: keys run from 0 to %2.</source>
        <translation>レコードキー %1 は無効です: キーの範囲は 0 から %2 までです。</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>it is in use by another running copy of Candlewatcher</source>
        <translation>実行中の別の Candlewatcher が使用しています</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the folder &quot;%1&quot; does not exist</source>
        <translation>フォルダー「%1」が存在しません</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no permission to create &quot;%1&quot;</source>
        <translation>「%1」を作成する権限がありません</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&quot;%1&quot; could not be created or locked (%2)</source>
        <translation>「%1」を作成またはロックできませんでした (%2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&quot;%1&quot; could not be created</source>
        <translation>「%1」を作成できませんでした</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cannot lock the data file &quot;%1&quot;: %2.</source>
        <translation>データファイル「%1」をロックできません: %2。</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Cannot write the data file &quot;%1&quot;: another program keeps replacing it.</source>
        <translation>データファイル「%1」に書き込めません: 別のプログラムがファイルを置き換え続けています。</translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>The data file &quot;%1&quot; already holds %Ln events, the most it can hold.</source>
        <extracomment>%1 is the data file, %Ln the number of events it holds: the most it can.</extracomment>
        <translation>
            <numerusform>データファイル「%1」には既に上限の %Ln 件のイベントが保存されています。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+14"/>
        <source>The data file &quot;%1&quot; already holds %Ln events, the most it can hold: delete one to make room for another.</source>
        <extracomment>%1 is the data file, %Ln the number of events it holds: the most it can.</extracomment>
        <translation>
            <numerusform>データファイル「%1」には既に上限の %Ln 件のイベントが保存されています。新しいイベントを追加するには、イベントを 1 件削除してください。</numerusform>
        </translation>
    </message>
    <message>
        <location line="+120"/>
        <location line="+34"/>
        <source>There is no field &quot;%1&quot; in the data file.</source>
        <translation>データファイルにフィールド「%1」がありません。</translation>
    </message>
    <message>
        <location line="+117"/>
        <source>The %1 &quot;%2&quot; is too long: it takes %3 bytes, and the data file holds at most %4.</source>
        <extracomment>%1 is the name of a field of the data file (Name, Date, …), kept in English.</extracomment>
        <translation>%1「%2」が長すぎます: %3 バイトありますが、データファイルに保存できるのは最大 %4 バイトです。</translation>
    </message>
    <message>
        <location filename="../src/core/store/storecompaction.cpp" line="+54"/>
        <source>Cannot compact the data file &quot;%1&quot;: another program keeps replacing it.</source>
        <translation>データファイル「%1」を最適化できません: 別のプログラムがファイルを置き換え続けています。</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Cannot delete the leftover file &quot;%1&quot;: %2.</source>
        <translation>残っているファイル「%1」を削除できません: %2。</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Cannot compact the data file &quot;%1&quot;: it is read-only.</source>
        <translation>データファイル「%1」を最適化できません: 読み取り専用です。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cannot create the file &quot;%1&quot;: %2.</source>
        <translation>ファイル「%1」を作成できません: %2。</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+79"/>
        <source>Cannot write the file &quot;%1&quot;: %2.</source>
        <translation>ファイル「%1」に書き込めません: %2。</translation>
    </message>
    <message>
        <location line="-24"/>
        <source>Cannot put the compacted copy in place of the data file &quot;%1&quot;: %2.</source>
        <translation>最適化したコピーでデータファイル「%1」を置き換えられません: %2。</translation>
    </message>
</context>
<context>
    <name>CalendarExchange</name>
    <message>
        <location filename="../src/core/exchange/calendarexchange.cpp" line="+30"/>
        <source>(an event without a name)</source>
        <translation>(名前のないイベント)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>it could not be read: %1</source>
        <translation>読み込めませんでした: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the event has no name</source>
        <translation>イベントに名前がありません</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it moves one day of a repeating event</source>
        <translation>繰り返しイベントのうち 1 回分だけを移動するものです</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the event has no start date</source>
        <translation>イベントに開始日がありません</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>its start is not a date</source>
        <translation>開始が日付ではありません</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it was cancelled</source>
        <translation>キャンセルされています</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is not an all-day event</source>
        <translation>終日イベントではありません</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it does not repeat on one day every year</source>
        <translation>毎年同じ日に繰り返すイベントではありません</translation>
    </message>
</context>
<context>
    <name>CalendarFeed</name>
    <message>
        <location filename="../src/core/sync/calendarfeed.cpp" line="+55"/>
        <source>not an iCalendar file (no BEGIN:VCALENDAR)</source>
        <translation>iCalendar ファイルではありません (BEGIN:VCALENDAR がありません)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>text after END:VCALENDAR</source>
        <translation>END:VCALENDAR の後にテキストがあります</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>END:%1 does not close the open component</source>
        <translation>END:%1 が開いているコンポーネントと対応していません</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>the calendar is cut short (no END:VCALENDAR)</source>
        <translation>カレンダーが途中で切れています (END:VCALENDAR がありません)</translation>
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
        <translation>%1 の証明書を検証できません: %2

発行先: %3
発行者: %4
有効期間: %5 から %6 まで
SHA-256 フィンガープリント: %7

このサーバー自身の証明書であると分かっている場合にのみ、このサーバー用に受け入れてください (フィンガープリントを管理者が示すものと比べてください)。後で証明書が変わった場合は、もう一度確認します。

受け入れますか?</translation>
    </message>
</context>
<context>
    <name>CollectionFetch</name>
    <message>
        <location filename="../src/net/collectionfetch.cpp" line="+86"/>
        <source>the server sent its changes in more than %L1 parts; stopped, to be tried again at the next sync</source>
        <translation>サーバーが変更を %L1 個を超える部分に分けて送りました。中止しました。次回の同期で再試行します</translation>
    </message>
    <message>
        <location line="+104"/>
        <source>no content for %1</source>
        <translation>%1 の内容がありません</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../src/cli/commandline.cpp" line="+71"/>
        <source>Candlewatcher reminds you of birthdays and other dated events. Without options it starts in the system tray; with one of the options below it does that one thing and ends, whether or not it runs in the tray.</source>
        <translation>Candlewatcher は誕生日など日付のあるイベントをお知らせします。オプションなしで起動するとシステムトレイに常駐します。以下のいずれかのオプションを指定すると、トレイで実行中かどうかにかかわらず、その処理だけを行って終了します。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>List the events of the next DAYS days (default 30), soonest first.</source>
        <extracomment>DAYS is the value&apos;s name in the usage line: keep it as it is.</extracomment>
        <translation>今後 DAYS 日間のイベントを近い順に一覧表示します (既定値は 30)。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>With --upcoming: print a JSON array instead.</source>
        <translation>--upcoming と併用: 代わりに JSON 配列を出力します。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>With --import: show what would be imported.</source>
        <translation>--import と併用: インポートされる内容を表示します。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Write every event to FILE as an iCalendar file (- for standard output).</source>
        <extracomment>FILE is the value&apos;s name in the usage line: keep it as it is.</extracomment>
        <translation>すべてのイベントを iCalendar ファイルとして FILE に書き出します (- は標準出力)。</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>With --upcoming: how many days ahead.</source>
        <translation>--upcoming と併用: 何日先まで表示するか。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>With --import: more files to import.</source>
        <translation>--import と併用: インポートするその他のファイル。</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>--json goes with --upcoming.</source>
        <translation>--json は --upcoming と一緒に指定してください。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--dry-run goes with --import.</source>
        <translation>--dry-run は --import と一緒に指定してください。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>unexpected argument &quot;%1&quot;.</source>
        <translation>予期しない引数「%1」があります。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>DAYS must be a whole number from 0 to %1, not &quot;%2&quot;.</source>
        <translation>DAYS には 0 から %1 までの整数を指定してください (「%2」は指定できません)。</translation>
    </message>
    <message>
        <location filename="../src/cli/exportcommand.cpp" line="+26"/>
        <source>the calendar could not be written to standard output.</source>
        <translation>カレンダーを標準出力に書き出せませんでした。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>cannot write &quot;%1&quot;: %2</source>
        <extracomment>%1 is the file, %2 why it could not be written.</extracomment>
        <translation>「%1」に書き込めません: %2</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%Ln events written to %1
</source>
        <extracomment>%Ln is the number of events written, %1 the file.</extracomment>
        <translation>
            <numerusform>%Ln 件のイベントを %1 に書き出しました
</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/cli/importcommand.cpp" line="+41"/>
        <source>skipped: %1: %2
</source>
        <extracomment>%1 is an event&apos;s name, %2 why it was not added.</extracomment>
        <translation>スキップ: %1: %2
</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>to add: %1 (%2)
</source>
        <extracomment>%1 is an event&apos;s name, %2 its date.</extracomment>
        <translation>追加予定: %1 (%2)
</translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>%Ln events were not added: %1.</source>
        <extracomment>%1 says how many events the data file holds.</extracomment>
        <translation>
            <numerusform>%Ln 件のイベントは追加されませんでした: %1。</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the files hold no contact or event with a date.</source>
        <translation>ファイルに日付のある連絡先やイベントがありません。</translation>
    </message>
    <message>
        <location filename="../src/cli/output.h" line="+30"/>
        <source>candlewatcher: %1
Try &apos;candlewatcher --help&apos;.
</source>
        <extracomment>%1 is what was wrong with the command line.</extracomment>
        <translation>candlewatcher: %1
詳しくは &apos;candlewatcher --help&apos; を実行してください。
</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>candlewatcher: left out, their dates could not be read: %1
</source>
        <translation>candlewatcher: 日付を読み込めないため除外しました: %1
</translation>
    </message>
    <message numerus="yes">
        <location filename="../src/cli/upcoming.cpp" line="+87"/>
        <source>No events in the next %Ln days.
</source>
        <extracomment>%Ln is the number of days looked ahead.</extracomment>
        <translation>
            <numerusform>今後 %Ln 日間のイベントはありません。
</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/cli/commandline.cpp" line="-47"/>
        <source>Sync every subscribed address book and calendar once.</source>
        <translation>購読しているすべてのアドレス帳とカレンダーを一度同期します。</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>give one of --upcoming, --import, --export-ics and --sync.</source>
        <translation>--upcoming、--import、--export-ics、--sync のいずれかを指定してください。</translation>
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
        <translation>購読はありません。
</translation>
    </message>
</context>
<context>
    <name>CommentsForm</name>
    <message>
        <location filename="../src/ui/web/commentsform.cpp" line="+49"/>
        <source>Comments and Suggestions</source>
        <translation>ご意見・ご要望</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Introduction</source>
        <translation>はじめに</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Comments</source>
        <translation>ご意見</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Suggestions</source>
        <translation>ご要望</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Do not display my input on the %1 website</source>
        <translation>入力内容を %1 の Web サイトに掲載しない</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Send Now</source>
        <translation>今すぐ送信(&amp;S)</translation>
    </message>
</context>
<context>
    <name>DataFileIo</name>
    <message>
        <location filename="../src/core/store/datafileio.cpp" line="+15"/>
        <source>Cannot write the data file &quot;%1&quot;: %2.</source>
        <translation>データファイル「%1」に書き込めません: %2。</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Cannot open the data file &quot;%1&quot;: %2.</source>
        <translation>データファイル「%1」を開けません: %2。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cannot read the data file &quot;%1&quot;: %2.</source>
        <translation>データファイル「%1」を読み込めません: %2。</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>Cannot open the data file &quot;%1&quot; for writing: %2.</source>
        <translation>データファイル「%1」を書き込み用に開けません: %2。</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>  Part of the change may have been written.</source>
        <translation>変更の一部が書き込まれた可能性があります。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cannot shorten the data file &quot;%1&quot;: %2.</source>
        <translation>データファイル「%1」を切り詰められません: %2。</translation>
    </message>
</context>
<context>
    <name>DavDiscovery</name>
    <message>
        <location filename="../src/net/davdiscovery.cpp" line="+45"/>
        <source>not an http, https or webcal address</source>
        <translation>http、https、webcal のいずれのアドレスでもありません</translation>
    </message>
    <message>
        <location line="+91"/>
        <source>no address books or calendars found</source>
        <translation>アドレス帳もカレンダーも見つかりません</translation>
    </message>
</context>
<context>
    <name>DavXml</name>
    <message>
        <location filename="../src/core/sync/davxml.cpp" line="+175"/>
        <source>not a multistatus answer</source>
        <translation>multistatus 応答ではありません</translation>
    </message>
</context>
<context>
    <name>EventRuleFile</name>
    <message>
        <location filename="../src/core/store/eventrulefile.cpp" line="+48"/>
        <source>The rules file &quot;%1&quot; is damaged: %2.</source>
        <translation>ルールファイル「%1」が壊れています: %2。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The rules file &quot;%1&quot; was written by a newer version of the program.</source>
        <translation>ルールファイル「%1」は新しいバージョンのプログラムで書かれています。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The rules file &quot;%1&quot; is larger than %2 MB, more than this program writes: it is not read.</source>
        <translation>ルールファイル「%1」は %2 MB を超えており、このプログラムが書き込む量より大きいため読み込みません。</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The rules file &quot;%1&quot; is damaged: an entry in it does not read.</source>
        <translation>ルールファイル「%1」が壊れています: 読めない項目があります。</translation>
    </message>
</context>
<context>
    <name>ExchangeCommands</name>
    <message>
        <location filename="../src/ui/app/exchangecommands.cpp" line="+55"/>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>There are no contacts or events to import in the file.</source>
        <translation>このファイルにはインポートできる連絡先やイベントがありません。</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+13"/>
        <source>Nothing was imported.</source>
        <translation>何もインポートされませんでした。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Not everything was imported.</source>
        <translation>一部はインポートされませんでした。</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>iCalendar files (*.ics);;All files (*)</source>
        <translation>iCalendar ファイル (*.ics);;すべてのファイル (*)</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+7"/>
        <source>The events could not be exported.</source>
        <translation>イベントをエクスポートできませんでした。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cannot write &quot;%1&quot;: %2.</source>
        <translation>「%1」に書き込めません: %2。</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%Ln events were exported to &quot;%1&quot;.</source>
        <extracomment>%Ln is the number of events exported, %1 the file.</extracomment>
        <translation>
            <numerusform>%Ln 件のイベントを「%1」にエクスポートしました。</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>

Left out because their dates could not be read: %1</source>
        <translation>

日付を読み込めないため除外しました: %1</translation>
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
        <translation>バックアップはまだありません。Candlewatcher は終了時とインポート時に、1 日 1 回イベントのコピーを「%1」に保存します。</translation>
    </message>
    <message numerus="yes">
        <location line="+17"/>
        <source>Replace your events with the %Ln events of the backup of %1?

Your events as they are now are kept as a backup of today.</source>
        <extracomment>%Ln is the number of events in the backup, %1 the backup&apos;s day.</extracomment>
        <translation>
            <numerusform>現在のイベントを、%1 のバックアップにある %Ln 件のイベントで置き換えますか?

現在のイベントは今日のバックアップとして保存されます。</numerusform>
        </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The backup could not be restored.</source>
        <translation>バックアップを復元できませんでした。</translation>
    </message>
    <message>
        <location line="-171"/>
        <source>Reading the files...</source>
        <translation>ファイルを読み込んでいます...</translation>
    </message>
</context>
<context>
    <name>HelpPanel</name>
    <message>
        <location filename="../src/ui/help/helppanel.h" line="+13"/>
        <source>Interactive Help</source>
        <translation>対話型ヘルプ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Welcome to Candlewatcher Interactive help.  Simply move your mouse over any area of the screen to get help on that item.</source>
        <translation>Candlewatcher の対話型ヘルプへようこそ。画面上の知りたい部分にマウスを移動すると、その項目のヘルプが表示されます。</translation>
    </message>
</context>
<context>
    <name>HelpTopics</name>
    <message>
        <location filename="../src/ui/presentation/helptopics.cpp" line="+11"/>
        <source>Birthdays List</source>
        <translation>誕生日リスト</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The Birthdays List contains all of your current birthday items.  Double click on any item to edit it, or right click on any item to view options such as delete or duplicate.</source>
        <translation>誕生日リストには、現在登録されているすべての誕生日が表示されます。項目をダブルクリックすると編集でき、右クリックすると削除や複製などのメニューが表示されます。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Status Bar</source>
        <translation>ステータスバー</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The status bar notifies you of any events that occur during operation.</source>
        <translation>ステータスバーには、操作中に起きた出来事が表示されます。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Toolbar</source>
        <translation>ツールバー</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The toolbar provides you with a quick and easy way to access the main functions of the Candlewatcher software.  Hold your mouse over any button to see a description of what it does.</source>
        <translation>ツールバーを使うと、Candlewatcher の主な機能にすばやく簡単にアクセスできます。ボタンにマウスを合わせると、そのボタンの説明が表示されます。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Interactive Help</source>
        <translation>対話型ヘルプ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Interactive Help provides information on any part of this product.  Simply move your mouse over any item on the screen to get a description of what it is and how to use it.</source>
        <translation>対話型ヘルプでは、この製品のあらゆる部分について説明を見ることができます。画面上の項目にマウスを移動すると、その項目の説明と使い方が表示されます。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>OK Button</source>
        <translation>[OK] ボタン</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Closes the current window and saves any settings.</source>
        <translation>現在のウィンドウを閉じて、設定を保存します。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel Button</source>
        <translation>[キャンセル] ボタン</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Closes the current window without saving any settings.</source>
        <translation>設定を保存せずに現在のウィンドウを閉じます。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close Button</source>
        <translation>[閉じる] ボタン</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Closes the current window.</source>
        <translation>現在のウィンドウを閉じます。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>System Information</source>
        <translation>システム情報</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Shows you information about your computer.</source>
        <translation>お使いのコンピューターの情報を表示します。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Birthday Name</source>
        <translation>誕生日の名前</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A documentary name chosen by you which represents the event.  For example, Fred&apos;s Birthday, or Rita&apos;s Anniversary.  Names do not have to be unique, but for easy identification, it is recommended that they are.</source>
        <translation>イベントを表す、自由に付けられる名前です。例: 「太郎の誕生日」「花子の結婚記念日」。名前は重複してもかまいませんが、見分けやすいように別々の名前にすることをお勧めします。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Birthday Date</source>
        <translation>誕生日の日付</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This is the date that the event occurs.  If it is a recurring event such as a birthday, that happens every year, it might be convenient to set the year as the date of birth of that person.<byte value="xd"/>
<byte value="xd"/>
Tip: using the down arrow will show you a calendar.</source>
        <translation>イベントが起きる日付です。誕生日のように毎年繰り返すイベントの場合は、年をその人の生まれた年にしておくと便利です。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Recurs Every Year</source>
        <translation>毎年繰り返す</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If you select this option then you will be reminded of the event on the date you entered and every year after that.  If you leave it unchecked, you will only be reminded on the exact date that you entered.</source>
        <translation>このオプションを選択すると、入力した日付とその後の毎年の同じ日にイベントをお知らせします。チェックを外すと、入力した日付にだけお知らせします。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Notify From...</source>
        <translation>事前通知...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This sets the number of days before the event from which to show it in the Notifications window.  This is a little window that appears above the Candlewatcher icon in the system tray, and lasts for 10 seconds.  It can be configured in the Preferences section of this software.</source>
        <translation>イベントの何日前から通知ウィンドウに表示するかを設定します。通知ウィンドウは、システムトレイの Candlewatcher アイコンの上に表示される小さなウィンドウで、10 秒間表示されます。通知ウィンドウの設定は、このソフトウェアの [設定] で変更できます。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Alert</source>
        <translation>アラート</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Allows you to configure how you want to be warned on the day of an event.</source>
        <translation>イベント当日のお知らせ方法を設定します。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Notifications</source>
        <translation>通知</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This window shows you any up-coming events and any events that occur today.  It is displayed at regular intervals, which can be customised in the Preferences section of this software.</source>
        <translation>このウィンドウには、近日中のイベントと今日のイベントが表示されます。一定の間隔で表示され、その間隔はこのソフトウェアの [設定] で変更できます。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Confirm Delete</source>
        <translation>削除の確認</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If this is checked then you will be asked if you are sure before you can delete any birthdays.</source>
        <translation>オンにすると、誕生日を削除する前に確認メッセージが表示されます。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Confirm Quit</source>
        <translation>終了の確認</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If this is checked then you will be asked if you are sure before you can quit Candlewatcher.  Quitting Candlewatcher will mean you are not notified of any events.</source>
        <translation>オンにすると、Candlewatcher を終了する前に確認メッセージが表示されます。Candlewatcher を終了すると、イベントのお知らせは行われなくなります。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Notification Settings</source>
        <translation>通知の設定</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>These allow you to set when the notification window appears.  The notification window is a small box that appears above the icon in the system tray, to tell you of any up-coming or current events.  If there are no events the notification window will not appear, regardless of the settings you choose.</source>
        <translation>通知ウィンドウを表示するタイミングを設定します。通知ウィンドウは、システムトレイのアイコンの上に表示される小さなウィンドウで、近日中のイベントや今日のイベントをお知らせします。イベントがない場合は、設定にかかわらず通知ウィンドウは表示されません。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Alerts Time</source>
        <translation>アラートの時刻</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If you have set for an alert to occur on the day of a birthday event, you can configure here what time you want it to appear.</source>
        <translation>誕生日などのイベント当日にアラートを表示するように設定している場合、表示する時刻をここで指定できます。</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Special Events</source>
        <translation>特別な日</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In this box is a list of regularly used events.  Select the items you want to add to your Candlewatcher events list - you can use Shift or Control to select more than one item at a time - and then click on OK.  You will be notified of the events when they occur.</source>
        <translation>この一覧には、よく使われる記念日や祝日が表示されます。Candlewatcher のイベントリストに追加する項目を選択し (Shift キーや Ctrl キーを使うと複数の項目を同時に選択できます)、[OK] をクリックしてください。その日が来るとお知らせします。</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>Subscriptions Sync</source>
        <translation>購読の同期</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This is how many hours apart Candlewatcher brings your subscribed address books and calendars up to date while it runs.  It also does so when it starts and when you click on Sync Now in the Subscriptions window.  With 0 it does so only then.</source>
        <translation>Candlewatcher の実行中に、購読しているアドレス帳とカレンダーを何時間ごとに最新の状態にするかを指定します。起動時と、[購読] ウィンドウで [今すぐ同期] をクリックしたときにも同期します。0 にすると、そのときだけ同期します。</translation>
    </message>
</context>
<context>
    <name>HttpCall</name>
    <message>
        <location filename="../src/net/httpcall.cpp" line="+51"/>
        <source>no answer for %1 seconds</source>
        <translation>%1 秒間応答がありません</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the answer did not come in full within %1 seconds</source>
        <translation>応答が %1 秒以内にすべて届きませんでした</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>the answer of %1 bytes is over the limit of %2 bytes; refused</source>
        <translation>応答が %1 バイトあり、上限の %2 バイトを超えているため拒否しました</translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+31"/>
        <source>the answer is over the limit of %1 bytes; refused</source>
        <translation>応答が上限の %1 バイトを超えているため拒否しました</translation>
    </message>
    <message>
        <location line="-17"/>
        <source>the server&apos;s certificate does not verify (%1); refused</source>
        <translation>サーバーの証明書を検証できないため拒否しました (%1)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the connection closed after %1 of %2 bytes</source>
        <translation>%2 バイトのうち %1 バイトを受信したところで接続が切れました</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>redirected more than %1 times</source>
        <translation>リダイレクトが %1 回を超えました</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>redirected to %1, which is not an http or https address; refused</source>
        <translation>%1 にリダイレクトされましたが、http または https のアドレスではありません。拒否しました</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>the password is not sent over plain http except to this computer; use the https address (401)</source>
        <translation>このコンピューター以外へは、パスワードを暗号化されていない http で送りません。https のアドレスを使ってください (401)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the password is not sent to %1, where the server redirected; if that is the right server, subscribe to that address (401)</source>
        <translation>サーバーのリダイレクト先 %1 にはパスワードを送りません。正しいサーバーであれば、そのアドレスを購読してください (401)</translation>
    </message>
</context>
<context>
    <name>ICalendar</name>
    <message>
        <location filename="../src/core/exchange/icalendar.cpp" line="+435"/>
        <source>It is not an iCalendar file: it does not start with BEGIN:VCALENDAR.</source>
        <translation>iCalendar ファイルではありません: BEGIN:VCALENDAR で始まっていません。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Its BEGIN lines nest deeper than %1 levels, deeper than any calendar: it is not read.</source>
        <translation>BEGIN 行の入れ子が %1 階層を超えており、どのカレンダーよりも深いため、読み込みません。</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The file ends in the middle of a calendar (a BEGIN line has no END line): it looks cut off.</source>
        <translation>カレンダーの途中でファイルが終わっています (END 行のない BEGIN 行があります)。ファイルが途中で切れているようです。</translation>
    </message>
</context>
<context>
    <name>ImportDialog</name>
    <message>
        <location filename="../src/ui/dialogs/importdialog.cpp" line="+150"/>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Choose the events to add from %1:</source>
        <translation>%1 から追加するイベントを選択してください:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Events to import</source>
        <translation>インポートするイベント</translation>
    </message>
    <message>
        <location line="-102"/>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>On the Day</source>
        <translation>当日</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>no year given: the age is not shown</source>
        <translation>年の指定なし: 年齢は表示されません</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>Select &amp;All</source>
        <translation>すべて選択(&amp;A)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Select &amp;None</source>
        <translation>選択を解除(&amp;N)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>On the &amp;Day:</source>
        <translation>当日(&amp;D):</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Each as listed</source>
        <translation>一覧のとおり</translation>
    </message>
    <message>
        <location line="-142"/>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Note</source>
        <translation>備考</translation>
    </message>
</context>
<context>
    <name>ImportEntry</name>
    <message>
        <location filename="../src/core/exchange/importentry.h" line="+59"/>
        <source>%1 — Anniversary</source>
        <extracomment>The name of the event that a contact&apos;s anniversary becomes; %1 is the contact&apos;s name.</extracomment>
        <translation>%1 — 記念日</translation>
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
        <translation>連絡先ファイル</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>contacts</source>
        <translation>連絡先</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the birthdays and anniversaries of contacts</source>
        <translation>連絡先の誕生日と記念日</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>a calendar file</source>
        <translation>カレンダーファイル</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>calendars</source>
        <translation>カレンダー</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the all-day events of calendars</source>
        <translation>カレンダーの終日イベント</translation>
    </message>
    <message>
        <location line="+27"/>
        <location line="+26"/>
        <source>%1 and %2</source>
        <extracomment>The last two items of a list.</extracomment>
        <translation>%1、%2</translation>
    </message>
    <message>
        <location line="-23"/>
        <source>%1 (%2);;All files (*)</source>
        <extracomment>The file dialog&apos;s filters, separated by &quot;;;&quot;: keep the &quot;;;&quot; and the &quot;(*)&quot;.</extracomment>
        <translation>%1 (%2);;すべてのファイル (*)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>It is neither %1.</source>
        <extracomment>%1 lists the kinds of file, joined by &quot;%1 nor %2&quot;.</extracomment>
        <translation>このファイルは%1ありません。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 nor %2</source>
        <translation>%1でも、%2でも</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Import %1 from FILE and the files after it.</source>
        <extracomment>The --import option&apos;s description; FILE is the option&apos;s value, as in the usage line.</extracomment>
        <translation>FILE とそれに続くファイルから、%1をインポートします。</translation>
    </message>
</context>
<context>
    <name>ImportPlan</name>
    <message>
        <location filename="../src/core/exchange/importplan.cpp" line="+87"/>
        <source>It is not a regular file (it is a device, a pipe or a socket): only files are imported.</source>
        <translation>通常のファイルではありません (デバイス、パイプ、またはソケットです)。インポートできるのはファイルだけです。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>It is a folder, not a file.</source>
        <translation>ファイルではなくフォルダーです。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>It is larger than %1 MB, more than any contacts or calendar file holds: an import reads files up to that size.</source>
        <translation>%1 MB を超えており、連絡先やカレンダーのファイルとしては大きすぎます。インポートで読み込めるのはこのサイズまでのファイルです。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>It could not be read: %1.</source>
        <translation>読み込めませんでした: %1。</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>It changed while it was read: try again.</source>
        <translation>読み込み中にファイルが変更されました。もう一度お試しください。</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The file is empty.</source>
        <translation>ファイルが空です。</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Nothing was added from the file.</source>
        <translation>ファイルから何も追加されませんでした。</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Nothing was added from any of the %Ln files: %1 of them could not be used.</source>
        <translation>
            <numerusform>%Ln 個のファイルのどれからも何も追加されませんでした: そのうち %1 個は使用できませんでした。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+23"/>
        <source>the data file holds at most %Ln events</source>
        <extracomment>%Ln is the most events the data file holds.</extracomment>
        <translation>
            <numerusform>データファイルに保存できるイベントは最大 %Ln 件です</numerusform>
        </translation>
    </message>
    <message>
        <location line="+50"/>
        <source>its date is not a day of the calendar</source>
        <translation>日付が暦に存在しません</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>its repeats ended in %1</source>
        <translation>繰り返しは %1 に終了しています</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its repeats end before they begin</source>
        <translation>繰り返しの終了が開始より前です</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>it is in the list already</source>
        <translation>既にリストにあります</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>its repeats end in %1</source>
        <translation>繰り返しは %1 に終了します</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>no room: %1</source>
        <translation>空きがありません: %1</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>%L1 to add, %L2 already there, %L3 without a date</source>
        <translation>追加予定 %L1 件、登録済み %L2 件、日付なし %L3 件</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%L1 added, %L2 already there, %L3 without a date</source>
        <translation>追加 %L1 件、登録済み %L2 件、日付なし %L3 件</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>, %L1 left out</source>
        <extracomment>One more item of the import&apos;s summary list.</extracomment>
        <translation>、除外 %L1 件</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>, %L1 could not be read</source>
        <extracomment>One more item of the import&apos;s summary list.</extracomment>
        <translation>、読み込み不可 %L1 件</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>, %L1 whose repeats end, not chosen</source>
        <extracomment>One more item of the import&apos;s summary list.</extracomment>
        <translation>、繰り返し終了のため未選択 %L1 件</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>; %L1 fit, %L2 would not be added: %3</source>
        <extracomment>The end of the import&apos;s summary; %3 says how many events the data file holds.</extracomment>
        <translation>。追加可能 %L1 件、追加不可 %L2 件: %3</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>; %L1 not added: %2</source>
        <extracomment>The end of the import&apos;s summary; %2 says how many events the data file holds.</extracomment>
        <translation>。追加不可 %L1 件: %2</translation>
    </message>
    <message numerus="yes">
        <location line="+47"/>
        <source>The import stopped after %1 of the %Ln events were added.

%2</source>
        <extracomment>%1 is how many events were added, %2 why the import stopped.</extracomment>
        <translation>
            <numerusform>%Ln 件のイベントのうち %1 件を追加したところでインポートが中断されました。

%2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>JsonFile</name>
    <message>
        <location filename="../src/core/store/jsonfile.cpp" line="+25"/>
        <source>Cannot read &quot;%1&quot;: %2.</source>
        <translation>「%1」を読み込めません: %2。</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Cannot write &quot;%1&quot;: %2; the file is kept as it was.</source>
        <translation>「%1」を書き込めません: %2。ファイルは元のままです。</translation>
    </message>
</context>
<context>
    <name>ListDate</name>
    <message>
        <location filename="../src/ui/presentation/listdate.cpp" line="+47"/>
        <source>1 event has a date that cannot be read (marked ⚠)</source>
        <translation>1 件のイベントの日付を読み込めません (⚠ 印)</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%Ln events have dates that cannot be read (marked ⚠)</source>
        <extracomment>%Ln is the number of events whose stored date does not read (2 or more).</extracomment>
        <translation>
            <numerusform>%Ln 件のイベントの日付を読み込めません (⚠ 印)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainActions</name>
    <message>
        <location filename="../src/ui/app/mainactions.cpp" line="+190"/>
        <source>&amp;Birthdays</source>
        <translation>誕生日(&amp;B)</translation>
    </message>
    <message>
        <location line="-149"/>
        <source>&amp;New Birthday</source>
        <translation>新しい誕生日(&amp;N)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Special Events</source>
        <translation>特別な日(&amp;S)</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+59"/>
        <source>&amp;Edit Birthday</source>
        <translation>誕生日を編集(&amp;E)</translation>
    </message>
    <message>
        <location line="-56"/>
        <source>Du&amp;plicate Birthday</source>
        <translation>誕生日を複製(&amp;P)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Delete Birthday</source>
        <translation>誕生日を削除(&amp;D)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Import...</source>
        <translation>インポート(&amp;I)...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Exp&amp;ort...</source>
        <translation>エクスポート(&amp;O)...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Restore from &amp;Backup...</source>
        <translation>バックアップから復元(&amp;B)...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>E&amp;xit Candlewatcher</source>
        <translation>Candlewatcher を終了(&amp;X)</translation>
    </message>
    <message>
        <location line="+132"/>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Toolbars</source>
        <translation>ツールバー(&amp;T)</translation>
    </message>
    <message>
        <location line="-130"/>
        <source>Standard &amp;Toolbar</source>
        <translation>標準ツールバー(&amp;T)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Status Bar</source>
        <translation>ステータスバー(&amp;S)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Lar&amp;ge Icons</source>
        <translation>大きいアイコン(&amp;G)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Small Icons</source>
        <translation>小さいアイコン(&amp;S)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;List</source>
        <translation>一覧(&amp;L)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Details</source>
        <translation>詳細(&amp;D)</translation>
    </message>
    <message>
        <location line="+121"/>
        <source>&amp;Arrange Icons</source>
        <translation>アイコンの整列(&amp;A)</translation>
    </message>
    <message>
        <location line="-118"/>
        <source>By &amp;Name</source>
        <translation>名前順(&amp;N)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>By &amp;Date</source>
        <translation>日付順(&amp;D)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>By Ne&amp;xt Date</source>
        <translation>次回の日付順(&amp;X)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>By &amp;Age</source>
        <translation>年齢順(&amp;A)</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+170"/>
        <location line="+1"/>
        <source>Preferences</source>
        <translation>設定</translation>
    </message>
    <message>
        <location line="-50"/>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <location line="-118"/>
        <source>Interactive Help</source>
        <translation>対話型ヘルプ</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>About Candlewatcher</source>
        <translation>Candlewatcher について</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Comments and Suggestions</source>
        <translation>ご意見・ご要望(&amp;C)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 &amp;Website</source>
        <translation>%1 の Web サイト(&amp;W)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Show Candlewatcher</source>
        <translation>Candlewatcher を表示(&amp;S)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show N&amp;otifications</source>
        <translation>通知を表示(&amp;O)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Add &amp;New Birthday</source>
        <translation>新しい誕生日を追加(&amp;N)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;About Candlewatcher</source>
        <translation>Candlewatcher について(&amp;A)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;%1 Website</source>
        <translation>%1 の Web サイト(&amp;W)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Preferences</source>
        <translation>設定(&amp;P)</translation>
    </message>
    <message>
        <location line="+123"/>
        <source>New</source>
        <translation>新規</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Add New Birthday</source>
        <translation>新しい誕生日を追加</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit Selected Birthday</source>
        <translation>選択した誕生日を編集</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Duplicate</source>
        <translation>複製</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Duplicate Birthday</source>
        <translation>誕生日を複製</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete Selected Birthday</source>
        <translation>選択した誕生日を削除</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Special Events</source>
        <translation>特別な日</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert Special Events</source>
        <translation>特別な日を追加</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Website</source>
        <translation>Web サイト</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 Website</source>
        <translation>%1 の Web サイト</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Exit Candlewatcher</source>
        <translation>Candlewatcher を終了</translation>
    </message>
    <message>
        <location line="-204"/>
        <source>S&amp;ubscriptions...</source>
        <translation>購読(&amp;U)...</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../src/ui/app/mainwindow.cpp" line="+82"/>
        <source>No desktop notification service answered: reminders show in the Candlewatcher window.</source>
        <translation>デスクトップ通知サービスが応答しません: リマインダーは Candlewatcher の専用ウィンドウに表示します。</translation>
    </message>
    <message>
        <location line="+98"/>
        <source>Standard Toolbar</source>
        <translation>標準ツールバー</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 %2 - never miss a birthday again</source>
        <translation>%1 %2 - もう誕生日を忘れない</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Search by name (%1)</source>
        <extracomment>%1 is the key that moves to this field, as the desktop names it (Ctrl+F, Strg+F).</extracomment>
        <translation>名前で検索 (%1)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Search by name</source>
        <translation>名前で検索</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clear the search</source>
        <translation>検索をクリア</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>More toolbar buttons</source>
        <translation>その他のツールバーボタン</translation>
    </message>
    <message>
        <location line="+112"/>
        <source>Candlewatcher runs in the system tray: closing this window keeps it there, and a click on its icon brings the window back.</source>
        <translation>Candlewatcher はシステムトレイで動作します。このウィンドウを閉じてもトレイに残り、アイコンをクリックするとウィンドウが戻ります。</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>If you exit then you will not be alerted to any future events.  Are you sure you want to exit?</source>
        <translation>終了すると、今後のイベントはお知らせされなくなります。終了してもよろしいですか?</translation>
    </message>
    <message numerus="yes">
        <location line="+33"/>
        <source>%n event(s) whose writing was cut off (a name without a date) were taken out of the data file; their cells are kept in &quot;%1&quot;.</source>
        <translation>
            <numerusform>書き込みが途中で切れたイベント %n 件 (日付のない名前) をデータファイルから取り除きました。そのセルは「%1」に保存されています。</numerusform>
        </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The data file could not be compacted.</source>
        <translation>データファイルを最適化できませんでした。</translation>
    </message>
    <message>
        <location line="-354"/>
        <source>The birthdays list could not be read.</source>
        <translation>誕生日リストを読み込めませんでした。</translation>
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
        <translation>サーバーが一度に %L1 件を超える要求を求めました。中止しました。次回の同期で再試行します</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>the user name or the password was refused (401)</source>
        <translation>ユーザー名またはパスワードが拒否されました (401)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>access refused (403)</source>
        <translation>アクセスが拒否されました (403)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not found on the server (404)</source>
        <translation>サーバー上に見つかりません (404)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the server failed (%1 %2)</source>
        <translation>サーバーでエラーが発生しました (%1 %2)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>unexpected answer (%1 %2)</source>
        <translation>予期しない応答です (%1 %2)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the answer cannot be read: %1</source>
        <translation>応答を読み取れません: %1</translation>
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
            <numerusform>%Ln 歳</numerusform>
        </translation>
    </message>
    <message>
        <location line="+64"/>
        <source>%1 — next: %2, %3</source>
        <extracomment>The tray icon&apos;s tip: the program&apos;s title, the soonest event&apos;s name and when it is.</extracomment>
        <translation>%1 — 次回: %2、%3</translation>
    </message>
</context>
<context>
    <name>NotificationLines</name>
    <message numerus="yes">
        <location filename="../src/ui/presentation/notificationlines.cpp" line="+87"/>
        <source>(%Ln more events)</source>
        <extracomment>The notification&apos;s last line when not every event fits: %Ln is how many more there are.</extracomment>
        <translation>
            <numerusform>(ほか %Ln 件のイベント)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NotificationWindow</name>
    <message>
        <location filename="../src/ui/reminders/notificationwindow.cpp" line="+78"/>
        <source>Birthdays Due Today</source>
        <translation>今日の誕生日</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>(No birthdays coming up)</source>
        <translation>(近日中の誕生日はありません)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(No birthdays today)</source>
        <translation>(今日の誕生日はありません)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Birthdays Due Soon</source>
        <translation>近日中の誕生日</translation>
    </message>
</context>
<context>
    <name>Notifier</name>
    <message>
        <location filename="../src/platform/notifier.h" line="+35"/>
        <source>Show Candlewatcher</source>
        <translation>Candlewatcher を表示</translation>
    </message>
</context>
<context>
    <name>Occurrence</name>
    <message>
        <location filename="../src/core/calendar/occurrence.cpp" line="+102"/>
        <source>today</source>
        <extracomment>The list&apos;s narrow &quot;In&quot; column and the tray icon&apos;s tip: keep it short.</extracomment>
        <translation>今日</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>tomorrow</source>
        <extracomment>The list&apos;s narrow &quot;In&quot; column and the tray icon&apos;s tip: keep it short.</extracomment>
        <translation>明日</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>in %Ln days</source>
        <extracomment>The list&apos;s narrow &quot;In&quot; column and the tray icon&apos;s tip: keep it short.</extracomment>
        <translation>
            <numerusform>%Ln 日後</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <location filename="../src/ui/dialogs/preferencesdialog.cpp" line="+57"/>
        <source>Candlewatcher Preferences</source>
        <translation>Candlewatcher の設定</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Confirmation</source>
        <translation>確認</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Confirm before &amp;deleting a birthday</source>
        <translation>誕生日を削除する前に確認する(&amp;D)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Confirm before &amp;exiting Candlewatcher</source>
        <translation>Candlewatcher を終了する前に確認する(&amp;E)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Notification</source>
        <translation>通知</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show the Notification window:</source>
        <translation>通知ウィンドウを表示するタイミング:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Every &amp;hour</source>
        <translation>1 時間ごと(&amp;H)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;very day</source>
        <translation>毎日(&amp;V)</translation>
    </message>
    <message>
        <location filename="../src/platform/windows/startcaption.cpp" line="+7"/>
        <source>Only when &amp;Windows starts up</source>
        <translation>Windows の起動時のみ(&amp;W)</translation>
    </message>
    <message>
        <location filename="../src/platform/posix/startcaption.cpp" line="+7"/>
        <source>Only when Candlewatcher &amp;starts</source>
        <translation>Candlewatcher の起動時のみ(&amp;S)</translation>
    </message>
    <message>
        <location filename="../src/ui/dialogs/preferencesdialog.cpp" line="+21"/>
        <source>Alerts</source>
        <extracomment>Frame title: the alert windows that open on an event&apos;s day (a noun, not a verb).</extracomment>
        <translation>アラート</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show &amp;alerts at the following time each day:</source>
        <translation>毎日次の時刻にアラートを表示する(&amp;A):</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>(24 hour clock)</source>
        <translation>(24 時間制)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Reminders</source>
        <translation>リマインダー</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show reminders as:</source>
        <translation>リマインダーの表示方法:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the Candlewatcher window</source>
        <translation>専用ウィンドウ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>desktop notifications</source>
        <translation>デスクトップ通知</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Leap-day events in other years:</source>
        <translation>平年のうるう日のイベント:</translation>
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
        <translation>購読</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>S&amp;ync subscriptions every (hours):</source>
        <translation>購読を同期する間隔 (時間)(&amp;Y):</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>only at start</source>
        <extracomment>Shown for 0 hours: subscriptions sync when the program starts and on Sync Now only.</extracomment>
        <translation>起動時のみ</translation>
    </message>
</context>
<context>
    <name>Publisher</name>
    <message>
        <location filename="../src/core/sync/publisher.cpp" line="+229"/>
        <source>Published to %1: %2</source>
        <extracomment>%1 is the calendar&apos;s name, %2 what was sent or why it failed.</extracomment>
        <translation>%1 に公開しました: %2</translation>
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
        <translation>予定されているイベントはありません</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>There are no events today</source>
        <translation>今日のイベントはありません</translation>
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
        <translation>今日の誕生日</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Birthdays Due Soon</source>
        <translation>近日中の誕生日</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Missed While Away</source>
        <translation>見逃したイベント</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Missed: %1</source>
        <translation>見逃し: %1</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>Candlewatcher Alert</source>
        <translation>Candlewatcher アラート</translation>
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
        <translation>バックアップから復元</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Choose the backup to restore.  Your events as they are now are kept as a backup of today first.</source>
        <translation>復元するバックアップを選択してください。現在のイベントは、先に今日のバックアップとして保存されます。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Backups</source>
        <translation>バックアップ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Backup of</source>
        <translation>バックアップ日</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Events</source>
        <translation>イベント数</translation>
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
        <translation>読み込み不可</translation>
    </message>
</context>
<context>
    <name>ShellLaunch</name>
    <message>
        <location filename="../src/ui/web/shelllaunch.cpp" line="+31"/>
        <source>%1 could not open %2.</source>
        <translation>%1 は %2 を開けませんでした。</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <location filename="../src/platform/posix/singleinstance.cpp" line="+53"/>
        <source>No folder for the single-copy socket in &quot;%1&quot; (%2); another running copy will not be noticed.</source>
        <translation>「%1」に単一コピー用ソケットのフォルダーがありません (%2)。別に実行中のコピーに気付きません。</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The temporary folder&apos;s path &quot;%1&quot; is too long for the single-copy socket; another running copy will not be noticed.</source>
        <translation>一時フォルダーのパス「%1」は単一コピー用ソケットには長すぎます。別に実行中のコピーに気付きません。</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>No private folder for the lock file (%1); another running copy will not be noticed.</source>
        <translation>ロックファイル用のプライベートフォルダーがありません (%1)。実行中の別のコピーを検出できません。</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>cannot be read: %1</source>
        <translation>読み込めません: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>is a symbolic link</source>
        <translation>シンボリックリンクです</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>is not a folder</source>
        <translation>フォルダーではありません</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>belongs to another user</source>
        <translation>別のユーザーが所有しています</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>is open to other users</source>
        <translation>他のユーザーもアクセスできます</translation>
    </message>
    <message>
        <location filename="../src/platform/singleinstance.cpp" line="+72"/>
        <source>Cannot make the lock file &quot;%1&quot;; another running copy will not be noticed.</source>
        <translation>ロックファイル「%1」を作成できません。実行中の別のコピーを検出できません。</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Candlewatcher is already running, but it does not answer.</source>
        <translation>Candlewatcher は既に実行中ですが、応答しません。</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Cannot listen for later starts on &quot;%1&quot;: %2</source>
        <translation>「%1」で後からの起動を待ち受けできません: %2</translation>
    </message>
</context>
<context>
    <name>SubscriptionGuard</name>
    <message>
        <location filename="../src/core/sync/subscriptionguard.cpp" line="+18"/>
        <source>&quot;%1&quot; is in use by another copy of Candlewatcher.</source>
        <translation>「%1」は別の Candlewatcher が使用中です。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cannot lock &quot;%1&quot; to change it.</source>
        <translation>「%1」を変更するためにロックできません。</translation>
    </message>
</context>
<context>
    <name>SubscriptionSetup</name>
    <message>
        <location filename="../src/core/sync/subscriptionsetup.cpp" line="+44"/>
        <source>Give the address of a server, an address book or a calendar, such as https://example.com/remote.php/dav.</source>
        <translation>サーバー、アドレス帳、またはカレンダーのアドレスを入力してください（例: https://example.com/remote.php/dav）。</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>This copy of Candlewatcher was built without network access.</source>
        <translation>この Candlewatcher はネットワーク機能なしでビルドされています。</translation>
    </message>
    <message>
        <location line="-78"/>
        <source>Looking for address books and calendars at %1...</source>
        <translation>%1 でアドレス帳とカレンダーを探しています...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No address book or calendar was found there.</source>
        <translation>そこにはアドレス帳もカレンダーも見つかりませんでした。</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Reading &quot;%1&quot;...</source>
        <translation>「%1」を読み込んでいます...</translation>
    </message>
</context>
<context>
    <name>Subscriptions</name>
    <message>
        <location filename="../src/core/sync/subscriptions.cpp" line="+226"/>
        <source>The subscriptions file &quot;%1&quot; is larger than %2 MB, more than this program writes: it is not read.</source>
        <translation>購読ファイル「%1」は %2 MB を超えており、このプログラムが書き込む量より大きいため読み込みません。</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>The subscriptions file &quot;%1&quot; is damaged: %2.</source>
        <translation>購読ファイル「%1」は破損しています: %2。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The subscriptions file &quot;%1&quot; was written by a newer version of the program.</source>
        <translation>購読ファイル「%1」は新しいバージョンのプログラムで書き込まれています。</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>The subscriptions file &quot;%1&quot; is damaged: an entry in it does not read.</source>
        <translation>購読ファイル「%1」は破損しています: 読み取れないエントリがあります。</translation>
    </message>
    <message>
        <location line="-94"/>
        <source>You subscribe to &quot;%1&quot; already.</source>
        <translation>「%1」はすでに購読しています。</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Your events are published to &quot;%1&quot; already: remove that first.</source>
        <translation>行事はすでに「%1」に公開しています。先にそれを削除してください。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&quot;%1&quot; cannot be subscribed to and published to at once: your events would come back as subscribed ones.</source>
        <translation>「%1」を購読しながら公開先にすることはできません。自分の行事が購読した行事として戻ってきてしまいます。</translation>
    </message>
</context>
<context>
    <name>SubscriptionsDialog</name>
    <message>
        <location filename="../src/ui/dialogs/subscriptionsdialog.cpp" line="+27"/>
        <source>Address book</source>
        <translation>アドレス帳</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Calendar</source>
        <translation>カレンダー</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Calendar address</source>
        <translation>カレンダーのアドレス</translation>
    </message>
    <message>
        <location line="+50"/>
        <location line="+51"/>
        <source>Subscriptions</source>
        <translation>購読</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+101"/>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <location line="-101"/>
        <source>Last sync</source>
        <translation>最終同期</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Result</source>
        <translation>結果</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Add...</source>
        <translation>追加(&amp;A)...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Remove</source>
        <translation>削除(&amp;R)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Sync Now</source>
        <translation>今すぐ同期(&amp;S)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Address books and calendars whose birthdays and events are kept in step with your list.</source>
        <translation>誕生日や行事がリストと同期されるアドレス帳とカレンダーです。</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Addr&amp;ess:</source>
        <translation>アドレス(&amp;E):</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;User name:</source>
        <translation>ユーザー名(&amp;U):</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Password:</source>
        <translation>パスワード(&amp;P):</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The address of your server (for Nextcloud https://HOST/remote.php/dav), of an address book or calendar, or of a calendar file (https:// or webcal://). Leave the user name empty for a public calendar.</source>
        <translation>サーバーのアドレス（Nextcloud では https://HOST/remote.php/dav）、アドレス帳またはカレンダーのアドレス、あるいはカレンダーファイルのアドレス（https:// または webcal://）。公開カレンダーではユーザー名を空欄にしてください。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Find</source>
        <translation>検索(&amp;F)</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+25"/>
        <location line="+34"/>
        <source>&amp;Back</source>
        <translation>戻る(&amp;B)</translation>
    </message>
    <message>
        <location line="-40"/>
        <source>&amp;Choose the address book or calendar to subscribe to:</source>
        <translation>購読するアドレス帳またはカレンダーを選んでください(&amp;C):</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+16"/>
        <source>Pre&amp;view</source>
        <translation>プレビュー(&amp;V)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>What the subscription adds</source>
        <translation>購読で追加されるもの</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>What happens</source>
        <translation>処理</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>S&amp;ubscribe</source>
        <translation>購読(&amp;U)</translation>
    </message>
    <message>
        <location line="+57"/>
        <location line="+15"/>
        <source>Never</source>
        <translation>なし</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Syncing...</source>
        <translation>同期中...</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Remove the subscription to &quot;%1&quot;.

Remove its events from your list too? Yes removes them; No keeps them as your own. Events you changed here are kept either way.</source>
        <translation>「%1」の購読を削除します。

その行事もリストから削除しますか？ はいで削除し、いいえで自分の行事として残します。ここで変更した行事はどちらの場合も残ります。</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The subscription could not be removed.</source>
        <translation>購読を削除できませんでした。</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Added</source>
        <translation>追加</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Linked to the event in your list</source>
        <translation>リストの行事に関連付け</translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>Subscribing adds %Ln events.</source>
        <extracomment>%Ln is the number of events the subscription adds to the list.</extracomment>
        <translation>
            <numerusform>購読すると %Ln 件の行事が追加されます。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%Ln events already in your list are linked to it.</source>
        <extracomment>%Ln is the number of events of the list the subscription takes over.</extracomment>
        <translation>
            <numerusform>リストにある %Ln 件の行事がこれに関連付けられます。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%Ln dates are left out.</source>
        <extracomment>%Ln is the number of the calendar&apos;s dates the list cannot hold.</extracomment>
        <translation>
            <numerusform>%Ln 件の日付は取り込まれません。</numerusform>
        </translation>
    </message>
    <message>
        <location line="-307"/>
        <source>The password could not be kept.</source>
        <translation>パスワードを保存できませんでした。</translation>
    </message>
    <message>
        <location line="+329"/>
        <source>Not every event of the subscription was added.</source>
        <translation>購読の行事の一部が追加されませんでした。</translation>
    </message>
    <message>
        <location line="-243"/>
        <source>&amp;Publish my events to this calendar instead</source>
        <translation>代わりに自分の行事をこのカレンダーに公開する(&amp;P)</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Publis&amp;h</source>
        <translation>公開(&amp;H)</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>Publishing to %1</source>
        <translation>%1 への公開</translation>
    </message>
    <message>
        <location line="+172"/>
        <source>Stop publishing your events to &quot;%1&quot;.

Delete the published events from that calendar too? Yes deletes them; No leaves them there.</source>
        <translation>「%1」への行事の公開をやめます。

公開した行事もそのカレンダーから削除しますか？ はいで削除し、いいえでそのまま残します。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Publishing could not be stopped.</source>
        <translation>公開をやめられませんでした。</translation>
    </message>
</context>
<context>
    <name>SyncCommands</name>
    <message>
        <location filename="../src/ui/app/synccommands.cpp" line="+37"/>
        <source>No secret service keeps the password: it is asked for once a session.

</source>
        <translation>パスワードを保存するシークレットサービスがないため、セッションごとに一度尋ねます。

</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Password of %1 at %2:</source>
        <extracomment>%1 is a user name, %2 an address.</extracomment>
        <translation>%2 の %1 のパスワード:</translation>
    </message>
</context>
<context>
    <name>SyncPlan</name>
    <message>
        <location filename="../src/core/sync/syncplan.cpp" line="+124"/>
        <source>: no room: </source>
        <translation>: 空きなし: </translation>
    </message>
</context>
<context>
    <name>SyncQueue</name>
    <message>
        <location filename="../src/core/sync/publisher.cpp" line="-75"/>
        <location filename="../src/core/sync/syncqueue.cpp" line="+119"/>
        <source>This copy of Candlewatcher was built without network access.</source>
        <translation>この Candlewatcher はネットワーク機能なしでビルドされています。</translation>
    </message>
    <message>
        <location filename="../src/core/sync/secretstore.h" line="+61"/>
        <source>No password for %1 (user %2). Choose Sync Now in Birthdays &gt; Subscriptions... to type it in: it is kept in the desktop&apos;s secret service, where the command line finds it too.</source>
        <extracomment>%1 is the server&apos;s address, %2 the user name. Birthdays &gt; Subscriptions... and Sync Now are the program&apos;s own menu item and button.</extracomment>
        <translation>%1 (ユーザー %2) のパスワードがありません。誕生日 &gt; 購読... の「今すぐ同期」で入力してください。パスワードはデスクトップのシークレットサービスに保存され、コマンドラインからも使えます。</translation>
    </message>
</context>
<context>
    <name>SyncRun</name>
    <message>
        <location filename="../src/core/sync/publisher.cpp" line="+50"/>
        <location filename="../src/core/sync/syncrun.cpp" line="+32"/>
        <source>%L1 added, %L2 updated, %L3 removed</source>
        <translation>追加 %L1 件、更新 %L2 件、削除 %L3 件</translation>
    </message>
    <message>
        <location filename="../src/core/sync/syncrun.cpp" line="+5"/>
        <source>, %L1 detached</source>
        <translation>、切り離し %L1 件</translation>
    </message>
    <message>
        <location filename="../src/core/sync/publisher.cpp" line="+5"/>
        <location filename="../src/core/sync/syncrun.cpp" line="+2"/>
        <source>, %L1 left out</source>
        <translation>、除外 %L1 件</translation>
    </message>
</context>
<context>
    <name>SyncService</name>
    <message>
        <location filename="../src/app/syncservice.cpp" line="+55"/>
        <source>Syncing &quot;%1&quot;...</source>
        <translation>「%1」を同期しています...</translation>
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
        <translation>シークレットサービス (GNOME Keyring、KWallet) が応答しません。パスワードはセッションごとに一度たずね、保存しません。保存するには起動またはインストールしてください。</translation>
    </message>
</context>
<context>
    <name>VCardReader</name>
    <message>
        <location filename="../src/core/exchange/vcardreader.cpp" line="+281"/>
        <source>Contact on line %1</source>
        <translation>%1 行目の連絡先</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>its name is damaged quoted-printable text</source>
        <translation>名前の quoted-printable テキストが壊れています</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>line %1 is not a vCard line</source>
        <translation>%1 行目は vCard の行ではありません</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the contact has no name</source>
        <translation>連絡先に名前がありません</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>its birthday &quot;%1&quot; is not a date</source>
        <translation>誕生日「%1」が日付ではありません</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>its anniversary &quot;%1&quot; is not a date</source>
        <translation>記念日「%1」が日付ではありません</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>no birthday or anniversary</source>
        <translation>誕生日も記念日もありません</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>It is not a vCard file: it does not start with BEGIN:VCARD.</source>
        <translation>vCard ファイルではありません: BEGIN:VCARD で始まっていません。</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>the contact has no END:VCARD line</source>
        <translation>連絡先に END:VCARD 行がありません</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The file ends in the middle of a contact (it has no END:VCARD line after line %1): it looks cut off.</source>
        <translation>連絡先の途中でファイルが終わっています (%1 行目の後に END:VCARD 行がありません)。ファイルが途中で切れているようです。</translation>
    </message>
</context>
<context>
    <name>WebTexts</name>
    <message>
        <location filename="../src/core/comments/webtexts.h" line="+20"/>
        <source>%1 was unable to connect to the internet.  Please connect manually and then try again.</source>
        <extracomment>%1 is the program&apos;s full title.</extracomment>
        <translation>%1 はインターネットに接続できませんでした。手動で接続してから、もう一度お試しください。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>You have not entered any information.  Please enter either a comment or suggestion into the space provided.</source>
        <translation>何も入力されていません。ご意見またはご要望を入力欄に入力してください。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>There was a problem sending your information to %1.  Please check you are connected to the internet correctly, and if the problem persists, try again later.</source>
        <extracomment>%1 is the organisation&apos;s name.</extracomment>
        <translation>%1 への送信中に問題が発生しました。インターネットに正しく接続されているか確認してください。問題が解決しない場合は、しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Your comments and suggestions have been sent to %1.  Thank you very much for your input.</source>
        <extracomment>%1 is the organisation&apos;s name.</extracomment>
        <translation>ご意見・ご要望を %1 に送信しました。ご協力ありがとうございました。</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 welcomes any comments and suggestions from its users.  Please fill in the boxes below and click on send.  This service is completely anonymous.</source>
        <extracomment>%1 is the organisation&apos;s name.</extracomment>
        <translation>%1 では、ユーザーの皆様からのご意見・ご要望をお待ちしています。下の欄に入力して [送信] をクリックしてください。このサービスは完全に匿名です。</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 welcomes any comments and suggestions from its users.  Please fill in the boxes below and click on send.</source>
        <extracomment>%1 is the organisation&apos;s name.</extracomment>
        <translation>%1 では、ユーザーの皆様からのご意見・ご要望をお待ちしています。下の欄に入力して [送信] をクリックしてください。</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Please wait while your information is being sent to the %1 website...</source>
        <extracomment>%1 is the organisation&apos;s name.</extracomment>
        <translation>%1 の Web サイトに送信しています。しばらくお待ちください...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>System Information is currently unavailable.  Please try again later.</source>
        <translation>システム情報は現在利用できません。しばらくしてからもう一度お試しください。</translation>
    </message>
</context>
<context>
    <name>WellKnownDays</name>
    <message>
        <location filename="../src/core/events/wellknowndays.cpp" line="+17"/>
        <source>New Year&apos;s Day</source>
        <translation>元日</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sherlock Holmes Birthday</source>
        <translation>シャーロック・ホームズの誕生日</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Baptism of Jesus</source>
        <translation>主の洗礼</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>World Religion Day</source>
        <translation>世界宗教デー</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Epiphany</source>
        <translation>公現祭</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Martin Luther King Jr. Day</source>
        <translation>キング牧師記念日</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Burn&apos;s Night</source>
        <translation>バーンズ・ナイト</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Groundhog Day</source>
        <translation>グラウンドホッグ・デー</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Valentines Day</source>
        <translation>バレンタインデー</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lantern Festival</source>
        <translation>元宵節</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>St. David&apos;s Day</source>
        <translation>聖デイヴィッドの日</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>International Women&apos;s Day</source>
        <translation>国際女性デー</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>St. Patrick&apos;s Day</source>
        <translation>聖パトリックの日</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>April Fool&apos;s Day</source>
        <translation>エイプリルフール</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>St. Georges Day</source>
        <translation>聖ジョージの日</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>May Day</source>
        <translation>メーデー</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mother&apos;s Day (US)</source>
        <translation>母の日（米国）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pentecost</source>
        <translation>聖霊降臨祭</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trinity</source>
        <translation>三位一体の主日</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dragon Boat Festival</source>
        <translation>端午節</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>Mothers Day (UK)</source>
        <translation>母の日（英国）</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Buddha&apos;s Birthday (Korea)</source>
        <translation>釈迦の誕生日（韓国）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Holocaust Rememberance Day (Israel)</source>
        <translation>ホロコースト記念日（イスラエル）</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Father&apos;s Day (US, UK)</source>
        <translation>父の日（米国、英国）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>International Joke Day</source>
        <translation>国際ジョークの日</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Independence Day (US)</source>
        <translation>独立記念日（米国）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bastille Day (France)</source>
        <translation>パリ祭（フランス革命記念日）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Friendship Day</source>
        <translation>友情の日</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chinese Valentines Day</source>
        <translation>七夕（中国）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ghandi&apos;s Birthday</source>
        <translation>ガンディー生誕記念日</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Oktoberfest</source>
        <translation>オクトーバーフェスト</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Black Thursday</source>
        <translation>暗黒の木曜日</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All Saints&apos; Day</source>
        <translation>諸聖人の日</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Guy Fawkes Day</source>
        <translation>ガイ・フォークス・ナイト</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>World Peace Day</source>
        <translation>世界平和の日</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Children&apos;s Day</source>
        <translation>世界こどもの日</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>World AIDS Day</source>
        <translation>世界エイズデー</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Advent Begins</source>
        <translation>待降節の始まり</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>St. Nicholas Day</source>
        <translation>聖ニコラウスの日</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pearl Harbour Day (US)</source>
        <translation>真珠湾攻撃記念日（米国）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Christmas Eve</source>
        <translation>クリスマスイブ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Christmas Day</source>
        <translation>クリスマス</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Boxing Day</source>
        <translation>ボクシング・デー</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New Year&apos;s Eve</source>
        <translation>大みそか</translation>
    </message>
</context>
<context>
    <name>WellKnownDaysDialog</name>
    <message>
        <location filename="../src/ui/dialogs/wellknowndaysdialog.cpp" line="+56"/>
        <source>Special Events</source>
        <translation>特別な日</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Event Name</source>
        <translation>イベント名</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Event Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Please select any dates you want to add.  Use the Control key to select more than one.</source>
        <translation>追加する日付を選択してください。Ctrl キーを押しながらクリックすると、複数選択できます。</translation>
    </message>
    <message numerus="yes">
        <location line="+123"/>
        <source>None of the %Ln selected events could be added.

%1</source>
        <extracomment>%Ln is the number of days chosen, %1 why they could not be added.</extracomment>
        <translation>
            <numerusform>選択した %Ln 件のイベントはどれも追加できませんでした。

%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>Only %1 of the %Ln selected events were added; the rest could not be added.

%2</source>
        <extracomment>%1 is how many were added, %Ln how many were chosen, %2 why the rest were not.</extracomment>
        <translation>
            <numerusform>選択した %Ln 件のイベントのうち、追加できたのは %1 件だけです。残りは追加できませんでした。

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
        <translation>中国暦の%1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>on %1 in the Hebrew calendar</source>
        <extracomment>%1 is a day and month of the Hebrew calendar (&quot;27 Nisan&quot;).</extracomment>
        <translation>ヘブライ暦の%1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>on %1 in the Islamic calendar</source>
        <extracomment>%1 is a day and month of the Islamic calendar (&quot;1 Ramadan&quot;).</extracomment>
        <translation>イスラム暦の%1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>on the first %1 of %2</source>
        <extracomment>In each, %1 is a weekday (&quot;Sunday&quot;) and %2 a month (&quot;May&quot;).</extracomment>
        <translation>%2の第1%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the second %1 of %2</source>
        <translation>%2の第2%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the third %1 of %2</source>
        <translation>%2の第3%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the fourth %1 of %2</source>
        <translation>%2の第4%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the fifth %1 of %2</source>
        <translation>%2の第5%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>on the last %1 of %2</source>
        <translation>%2の最終%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the second-last %1 of %2</source>
        <translation>%2の最後から2番目の%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the third-last %1 of %2</source>
        <translation>%2の最後から3番目の%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the fourth-last %1 of %2</source>
        <translation>%2の最後から4番目の%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on the fifth-last %1 of %2</source>
        <translation>%2の最後から5番目の%1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>on Easter Sunday</source>
        <translation>復活祭の日曜日</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on Orthodox Easter Sunday</source>
        <translation>正教会の復活祭の日曜日</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 day(s) after Easter</source>
        <extracomment>%1 is a number of days, 1 or more.</extracomment>
        <translation>復活祭の%1日後</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 day(s) after Orthodox Easter</source>
        <translation>正教会の復活祭の%1日後</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 day(s) before Easter</source>
        <extracomment>%1 is a number of days, 1 or more.</extracomment>
        <translation>復活祭の%1日前</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 day(s) before Orthodox Easter</source>
        <translation>正教会の復活祭の%1日前</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>on this date</source>
        <translation>この日付</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>on the first %1 on or after %2</source>
        <extracomment>%1 is a weekday (&quot;Saturday&quot;), %2 a day and month (&quot;16/09&quot;).</extracomment>
        <translation>%2以降の最初の%1</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1, moved when it falls on %2</source>
        <extracomment>%1 is when the day falls (&quot;on 27 Nisan in the Hebrew calendar&quot;), %2 the weekdays it is moved off (&quot;Friday and Sunday&quot;).</extracomment>
        <translation>%1（%2に当たる場合は移動）</translation>
    </message>
</context>
</TS>
