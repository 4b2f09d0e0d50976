// The editor: what it writes, what it refuses and how, what it shows of a record. What all
// windows share, as rows over them: texts, help keys, keyboard order, only OK writes. Then the
// import preview and the choice of a backup. The preferences and the special events have files
// of their own.

#include "dialogfixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

namespace {

// A window's caption, a frame's title, a list's items or headings ("|"), a control's text.
QString shownText(const QWidget* window, const QString& name)
{
    const QWidget* widget = name.isEmpty() ? window : control(window, name);
    QStringList items;
    if (auto* list = qobject_cast<const QComboBox*>(widget))
        for (int i = 0; i < list->count(); ++i)
            items << list->itemText(i);
    if (auto* tree = qobject_cast<const QTreeView*>(widget))
        for (int i = 0; i < tree->model()->columnCount(); ++i)
            items << tree->model()->headerData(i, Qt::Horizontal).toString();
    const char* property = name.isEmpty()                  ? "windowTitle"
                           : widget->inherits("QGroupBox") ? "title"
                                                           : "text";
    return items.isEmpty() ? widget->property(property).toString() : items.join(u'|');
}

// Rows of window, control and value from "control=value" pairs.
void pairRows(std::initializer_list<std::pair<const char*, const char*>> windows, QChar separator)
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("value");
    for (const auto& [window, pairs] : windows) {
        for (const QString& pair : QString(pairs).split(separator)) {
            const QString control = pair.section(u'=', 0, 0);
            QTest::addRow("%s %s", window, qPrintable(control))
                << window << control << pair.section(u'=', 1);
        }
    }
}

const QString nameMessage = QStringLiteral(
    "You have not entered a valid name for this birthday.  Please check and try again.");
const QString notifyMessage = QStringLiteral(
    "The Notify From value must be a number that is zero or over.  Please check and try again.");
const QString tooLong =
    QStringLiteral("The name is too long to be saved.  A name can hold at most 255 characters "
                   "(letters with accents and other special characters count as two or more).");
const QString today = TextConv::dateToText(QDate(2024, 3, 1)); // the fixture's

struct Typed
{
    QString name, notify, message, notifyAfter; // message "": saved
};
struct Dated
{
    QString locale;
    QString reach; // how the picker gets the keyboard: "tab" from the name, "click" on its
                   // first section, "up" (Tab, then Up and Down)
    QString typed; // from the first section on, the year holding 2026
    bool byMouse;  // OK clicked, or Return in the picker
    QDate saved;   // invalid: refused
};

} // namespace

class TestDialogs : public DialogTest
{
    Q_OBJECT

private Q_SLOTS:
    // The name typed over the selected "New Birthday" is tested first, then the notify box ("" is
    // "0"); values are stored as typed, the rest as the dialog opened.
    void validation_data()
    {
        rows<Typed>({{"empty notify saves 0", {"Ann", "", "", "0"}},
                     {"blank before digit", {"Ann", " 5", "", " 5"}},
                     {"no third character", {"Ann", "123", "", "12"}},
                     {"blank name", {"   ", "10", "", "10"}},
                     {"minus one", {"Ann", "-1", notifyMessage, "-1"}},
                     {"empty name, bad notify", {"", "-1", nameMessage, "-1"}}});
    }
    void validation()
    {
        QFETCH(Typed, row);
        open("add");
        QTest::keyClick(at("txtName"), Qt::Key_Delete);
        QTest::keyClicks(at("txtName"), row.name);
        typeInto(at("txtNotifyDays"), row.notify);
        at("txtName")->setFocus();
        returnPress(dialog.get());
        const QStringList saved = {row.name, today, "1", row.notifyAfter, "0", "", "1"};
        QCOMPARE(f->onlyRecord(), row.message.isEmpty() ? saved : QStringList());
        if (row.message.isEmpty())
            return;
        QCOMPARE(f->catcher.texts, QStringList{row.message});
        QCOMPARE(f->catcher.titles[0], QStringLiteral("Candlewatcher"));
        QCOMPARE(f->catcher.icons[0], QMessageBox::Warning);
        QVERIFY(dialog->isVisible());
        QTRY_COMPARE(focusControl(dialog.get()),
                     QString(row.message == nameMessage ? "txtName" : "txtNotifyDays"));
        QCOMPARE(at("txtNotifyDays")->text(), row.notifyAfter);
    }

    // In Arabic the box shows Arabic-Indic digits and takes them, or Persian ones, as typed; the
    // file keeps ASCII digits, as every copy reads them.
    void notifyDaysInTheLocalesDigits()
    {
        const QLocale before;
        QLocale::setDefault(QLocale("ar_EG"));
        open("add");
        QCOMPARE(at("txtNotifyDays")->text(), QStringLiteral(u"\u0661\u0660"));
        at("txtNotifyDays")->setText(QStringLiteral(u"\u06F3")); // a Persian 3
        returnPress(dialog.get());
        QLocale::setDefault(before);
        QCOMPARE(f->onlyRecord().value(3), "3");
    }

    // The editor's date as typed, key by key: the date shown is the date saved, or none. 29
    // February waits for its year, with or without leading zeros; a date the picker can't hold
    // is refused; typing works however the picker got the keyboard.
    void datesSavedAsShown_data()
    {
        rows<Dated>(
            {{"29 Feb, day first", {"en_GB", "tab", "29022024", true, {2024, 2, 29}}},
             {"29 Feb, month first", {"en_US", "tab", "2292024", false, {2024, 2, 29}}},
             {"leading zero", {"en_US", "tab", "02292028", true, {2028, 2, 29}}},
             {"clicked, leading zero", {"en_US", "click", "02292028", false, {2028, 2, 29}}},
             {"29 Feb, year first", {"sv_SE", "tab", "20240229", true, {2024, 2, 29}}},
             {"29 Feb of a common year", {"en_GB", "tab", "2902", true, {}}},
             {"same, Return", {"de_DE", "tab", "2902", false, {}}},
             {"year half typed", {"en_GB", "tab", "150115", true, {}}},
             {"the earliest date", {"en_GB", "tab", "01011601", true, {1601, 1, 1}}},
             {"the day before it", {"en_GB", "tab", "31121600", true, {}}},
             {"clicked, then typed", {"de_DE", "click", "24121990", true, {1990, 12, 24}}},
             {"after Up and Down", {"en_GB", "up", "0703", false, {2026, 3, 7}}},
             // The year left out: a day without one, stored on its next day.
             {"no year", {"en_GB", "tab", "1504\b", true, {2024, 4, 15}}},
             {"no year, 29 Feb", {"de_DE", "tab", "2902\b", false, {2025, 3, 1}}},
             {"no year, month first", {"en_US", "tab", "415\b", false, {2024, 4, 15}}},
             {"no year, year first", {"ja_JP", "tab", "\b", false, {2025, 1, 15}}}});
    }
    void datesSavedAsShown()
    {
        QFETCH(Dated, row);
        const QLocale before;
        QLocale::setDefault(QLocale(row.locale));
        open("add");
        auto* picker = at<QDateEdit>("objDate");
        auto* text = picker->findChild<QLineEdit*>();
        picker->setDate(QDate(2026, 1, 15));
        if (row.reach == "click") {
            QTest::mouseClick(text, Qt::LeftButton, {}, QPoint(3, text->height() / 2));
        } else {
            QTest::keyClick(at("txtName"), Qt::Key_Tab);
            if (row.reach == "up")
                QTest::keyClick(picker, Qt::Key_Up), QTest::keyClick(picker, Qt::Key_Down);
        }
        QCOMPARE(focusControl(dialog.get()), QStringLiteral("objDate"));
        QTest::keyClicks(QApplication::focusWidget(), row.typed);
        const QString shown = text->text();
        if (row.byMouse)
            QTest::mouseClick(at<QPushButton>("cmdOK"), Qt::LeftButton);
        else
            returnPress(dialog.get());
        QLocale::setDefault(before);
        const QString saved = row.saved.toString(Qt::ISODate); // in every language
        QCOMPARE(f->onlyRecord().value(1), row.saved.isValid() ? saved : QString());
        if (row.saved.isValid())
            return;
        QCOMPARE(f->catcher.texts, QStringList{"You have not entered a valid date for this "
                                               "birthday.  Please check and try again."});
        QTRY_COMPARE(focusControl(dialog.get()), QStringLiteral("objDate"));
        QCOMPARE(text->text(), shown); // still there to put right
    }

    // A name longer than its cell is refused as typed or pasted, or else by OK.
    void nameTooLong()
    {
        open("add");
        QCOMPARE(at<QLabel>("imgName")->pixmap().size(), QSize(32, 32)); // the icon beside it
        auto* name = at("txtName");
        const QString fits = QString(254, u'a') + u'b';
        typeInto(name, fits);
        // Two bytes once stored: one too many. (keyClicks knows only ASCII.)
        QKeyEvent accented(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(QChar(0xE9)));
        QApplication::sendEvent(name, &accented);
        QTRY_COMPARE(f->catcher.texts, QStringList{tooLong});
        name->setSelection(0, 1);
        name->insert(QStringLiteral("xyz")); // refused whole, not cut
        QTRY_COMPARE(f->catcher.texts, QStringList(2, tooLong));
        QCOMPARE(name->text(), fits);
        name->setText(QString(128, QChar(0xE9)));
        returnPress(dialog.get());
        QCOMPARE(f->catcher.texts, QStringList(3, tooLong));
        QVERIFY(f->bytes().isEmpty());
        name->setText(fits);
        returnPress(dialog.get());
        QCOMPARE(f->onlyRecord().value(0), fits);
    }

    // Edit keeps what was typed over a refused OK, then rewrites the record as shown, LastDate
    // kept.
    void editRewritesAsShown()
    {
        const QString lastDate = TextConv::dateToText(QDate(2023, 7, 4));
        const QString date = TextConv::dateToText(QDate(1985, 7, 4));
        QCOMPARE(f->add("Rita's", date, "0", "7", "1", "1", lastDate), 0);
        const QByteArray before = f->bytes();
        open("edit", 0);
        QCOMPARE(at("txtName")->text(), QStringLiteral("Rita's"));
        QCOMPARE(at("txtNotifyDays")->text(), QStringLiteral("7"));
        typeInto(at("txtName"), "Typed");
        typeInto(at("txtNotifyDays"), "-1");
        QTest::mouseClick(at<QPushButton>("cmdOK"), Qt::LeftButton);
        QCOMPARE(f->catcher.texts, QStringList{notifyMessage});
        dialog->activateWindow();
        QTest::qWait(20);
        QCOMPARE(at("txtName")->text(), QStringLiteral("Typed"));
        QCOMPARE(at("txtNotifyDays")->text(), QStringLiteral("-1"));
        QCOMPARE(f->bytes(), before);
        typeInto(at("txtNotifyDays"), "5");
        returnPress(dialog.get());
        QCOMPARE(f->onlyRecord(), (QStringList{"Typed", date, "0", "5", "1", lastDate, "1"}));
    }

    // A day without a year opens without one and is saved so; given a year it loses its rule.
    void editDayWithoutYear()
    {
        QCOMPARE(f->add("Cy", "2024-04-15", "1", "10", "0", "0"), 0);
        const QString rules = EventRuleFile::pathFor(f->store.dataPath());
        QVERIFY(EventRuleFile::setRule(rules, f->store.readAllRecords()->first(),
                                       YearlyRule::fixed(4, 15)));
        for (const auto& [year, date] : {std::pair{"", "2024-04-15"}, {"1990", "1990-04-15"}}) {
            open("edit", 0);
            auto* text = at<QDateEdit>("objDate")->findChild<QLineEdit*>();
            QCOMPARE(text->text(), "15 Apr ");
            text->end(false);
            QTest::keyClicks(text, year);
            returnPress(dialog.get());
            const BirthdayRecord saved = f->store.readAllRecords()->first();
            QCOMPARE(saved.value(BirthdayRecord::Date), date);
            QCOMPARE(saved.isYearless(), *year == 0);
            QCOMPARE(saved.value(BirthdayRecord::ShowYears), "0"); // as written, never empty
        }
    }

    // A moving day keeps its rule through an edit of its name; a new date keeps the kind of rule
    // chosen; the plain date, or no repeat, takes the rule away. A new event takes the rule
    // chosen for the day picked.
    void rulesFollowTheEditor_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QDate>("saved");
        QTest::addColumn<QString>("rule");
        QTest::newRow("name") << "name" << QDate(2024, 5, 12) << "weekday 2 SU 05";
        QTest::newRow("a week later") << "date" << QDate(2024, 5, 19) << "weekday 3 SU 05";
        QTest::newRow("the plain date") << "plain" << QDate(2024, 5, 12) << "";
        QTest::newRow("not repeating") << "once" << QDate(2024, 5, 12) << "";
        QTest::newRow("a new event on Easter") << "add" << QDate(2024, 3, 31) << "easter +0";
    }
    void rulesFollowTheEditor()
    {
        QFETCH(QString, change);
        QCOMPARE(f->add("Mum", "2024-05-12", "1", "10", "0", "0"), 0);
        QVERIFY(EventRuleFile::setRule(EventRuleFile::pathFor(f->store.dataPath()),
                                       f->store.readAllRecords()->first(),
                                       YearlyRule::nthWeekday(2, Qt::Sunday, 5)));
        open(change == "add" ? "add" : "edit", 0);
        auto* rules = at<QComboBox>("cboRepeatRule");
        QCOMPARE(rules->currentData().toString(),
                 change == "add" ? "date 03-01" : "weekday 2 SU 05");
        if (change == "name")
            typeInto(at("txtName"), "Mother");
        else if (change == "date")
            at<QDateEdit>("objDate")->setDate(QDate(2024, 5, 19));
        else if (change == "plain")
            rules->setCurrentIndex(0);
        else if (change == "once")
            boxClick(at<QCheckBox>("chkRepeats"));
        else {
            at<QDateEdit>("objDate")->setDate(QDate(2024, 3, 31));
            rules->setCurrentIndex(rules->findData("easter +0"));
        }
        returnPress(dialog.get());
        QFETCH(QDate, saved);
        const BirthdayRecord record = f->store.readAllRecords()->last();
        QCOMPARE(record.value(BirthdayRecord::Date), TextConv::dateToText(saved));
        QTEST(record.rule ? record.rule->toText() : QString(), "rule");
    }

    // Values that don't convert (Alert 2 too) open as a new event's, and the user is told which.
    void editUnreadableValues()
    {
        QCOMPARE(f->add("Odd", "not a date", "", "4", "2", "7"), 0);
        const QByteArray before = f->bytes();
        open("edit", 0, false);
        QTRY_COMPARE(f->catcher.texts,
                     QStringList{"Some details of this event could not be read: the date, whether "
                                 "it repeats every year, what happens on the day and whether the "
                                 "number of years is displayed.  They are shown with the values a "
                                 "new event starts with.  Press OK to save the event with what you "
                                 "see, or Cancel to leave it unchanged."});
        QCOMPARE(f->catcher.icons[0], QMessageBox::Information);
        QCOMPARE(f->bytes(), before);
        returnPress(dialog.get());
        QCOMPARE(f->onlyRecord(), (QStringList{"Odd", today, "1", "4", "0", "", "1"}));
    }

    // A full disk (half way through an edit that grows the record): told, nothing lost, retry
    // works.
    void storeFailure_data() { boolRows("edit", "add", "edit"); }
    void storeFailure()
    {
        QFETCH(bool, edit);
        for (const char* field : {"Name", "Date", "Recurs", "Notify"}) // no Alert, no ShowYears
            QVERIFY(!edit || f->fields.writeField(field, 0, "1"));
        open(edit ? "edit" : "add", 0, !edit);
        QTRY_COMPARE(f->catcher.texts.size(), edit ? 1 : 0);
        typeInto(at("txtName"), "Kept input");
        const QByteArray before = f->bytes();
        {
            FileSizeLimit full(before.size());
            returnPress(dialog.get());
        }
        const QString told = f->catcher.texts.value(edit ? 1 : 0);
        QVERIFY2(told.startsWith("The event could not be saved.\n\n"), qPrintable(told));
        QVERIFY(dialog->isVisible());
        QCOMPARE(at("txtName")->text(), QStringLiteral("Kept input"));
        QCOMPARE(f->bytes(), before);
        returnPress(dialog.get());
        QCOMPARE(f->onlyRecord().value(0), QStringLiteral("Kept input"));
    }

    // Every caption ("") and text, odd spellings and double blanks included; "*": unnamed label.
    void texts_data()
    {
        pairRows(
            {{"add", "=Add New Birthday;grpName=Name;txtName=New Birthday;grpOccursOn=Occurs On;"
                     "chkRepeats=Repeats every year;chkYears=Display number of years;grpNotify="
                     "Notify From;txtNotifyDays=10;lblDaysInAdvance=day(s) in advance;grpAlert=On "
                     "the Day;cboAlert=Show a Dialog|Do Nothing!;cmdOK=OK;cmdCancel=Cancel"},
             {"edit", "=Edit Birthday Details"},
             {"preferences",
              "=Candlewatcher Preferences;grpConfirmation=Confirmation;chkConfirmDelete=Confirm "
              "before &deleting a birthday;chkConfirmQuit=Confirm before &exiting Candlewatcher;"
              "grpNotification=Notification;lblNotification=Show the Notification window:;"
              "optEveryHour=Every &hour;optEveryDay=E&very day;optNone=Only when Candlewatcher "
              "&starts;grpAlerts=Alerts;lblAlerts=Show &alerts at the following time each day:;"
              "Label1=(24 hour clock);grpReminders=Reminders;lblShowAs=Show reminders as:;"
              "cboShowAs=the Candlewatcher window|desktop notifications;lblLeapDay=Leap-day events "
              "in other years:;cboLeapDay=28 February|1 March;grpSubscriptions=Subscriptions;"
              "lblSyncHours=S&ync subscriptions every (hours):"},
             {"special",
              "=Special Events;lblSpecialEvents=Please select any dates you want to add. "
              " Use the Control key to select more than one.;lvwSpecialEvents=Event "
              "Name|Event Date"},
             {"import", "=Import;*=Choose the events to add from contacts.vcf, b.ics:;lvwImport="
                        "Name|Date|On the Day|Note;lblImportAlert=On the &Day:;cboImportAlert="
                        "Each as listed|Show a Dialog|Do Nothing!"},
             {"restore", "=Restore from Backup;*=Choose the backup to restore.  Your events as "
                         "they are now are kept as a backup of today first.;lvwBackups=Backup "
                         "of|Events"},
             {"about",
              "=About Candlewatcher v2.00;lblTitle=Candlewatcher v2.00;lblDescription="
              "Candlewatcher keeps your birthdays, anniversaries and other important "
              "dates, and reminds you of them from the system tray in good time.;lblMoreInfo=For "
              "more information on this or any of our freeware and shareware products, "
              "please visit our website at:;lblEMail=Or e-mail Marrowfell on:;cmdOK=OK;"
              "cmdSysInfo=&System Info..."},
             {"comments",
              "=Comments and Suggestions;grpIntroduction=Introduction;lblIntroduction=Marrowfell "
              "welcomes any comments and suggestions from its users.  Please fill in the boxes "
              "below and click on send.  This service is completely anonymous.;grpComments="
              "Comments;grpSuggestions=Suggestions;chkDoNotDisplay=Do not display my input on the "
              "Marrowfell website;cmdSend=&Send Now;cmdClose=Close"}},
            u';');
    }
    void texts()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QString, value);
        QStringList shown;
        for (const QLabel* label : open(window)->findChildren<QLabel*>())
            shown << label->text();
        if (control != "*")
            shown = QStringList{shownText(dialog.get(), control)};
        QVERIFY2(shown.contains(value), qPrintable(shown.join(u'|')));
    }

    void helpKeys_data()
    {
        pairRows({{"add", "txtName=name objDate=date chkRepeats=repeats txtNotifyDays=notifyfrom "
                          "grpAlert=alerts cmdOK=ok cmdCancel=cancel chkYears= cboAlert= grpName="},
                  {"preferences",
                   "chkConfirmDelete=confirmdelete chkConfirmQuit=confirmquit "
                   "optEveryHour=notifysettings optEveryDay=notifysettings "
                   "optNone=notifysettings objTime=alerttime spnSyncHours=synchours cmdOK=ok "
                   "cmdCancel=cancel lblAlerts= grpConfirmation="},
                  {"special", "lvwSpecialEvents=specialevents cmdOK=ok cmdCancel=cancel "
                              "lblSpecialEvents="}},
                 u' ');
    }
    void helpKeys()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QDialog* shown = open(window);
        QWidget* widget = ::control(shown, control);
        // Straight from another control, as a quick pointer goes: no frame sees it pass.
        QTest::mouseMove(::control(shown, control == "cmdOK" ? "cmdCancel" : "cmdOK"));
        f->help.clear();
        // A frame by its corner: the rest of it is the controls inside.
        QTest::mouseMove(widget,
                         control.startsWith("grp") ? QPoint(2, 2) : widget->rect().center());
        QTEST(f->help.value(f->help.size() - 1), "value");
    }

    // From the control the window opens with, round again; the selected option is one stop.
    void keyboardOrder_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("order");
        QTest::newRow("editor")
            << "add"
            << "txtName objDate cboRepeatRule chkRepeats txtNotifyDays cboAlert "
               "cmdCancel cmdOK chkYears txtName";
        QTest::newRow("preferences") << "preferences"
                                     << "chkConfirmDelete chkConfirmQuit optEveryHour objTime "
                                        "cboShowAs cboLeapDay spnSyncHours cmdCancel cmdOK "
                                        "chkConfirmDelete";
        QTest::newRow("special events") << "special"
                                        << "lvwSpecialEvents cmdCancel cmdOK lvwSpecialEvents";
    }
    void keyboardOrder()
    {
        QFETCH(QString, window);
        QFETCH(QString, order);
        QDialog* shown = open(window);
        QStringList visited = {focusControl(shown)};
        while (visited.size() < order.count(u' ') + 1) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << focusControl(shown);
        }
        QCOMPARE(visited.join(u' '), order);
    }

    // Only OK writes: every other way out leaves the data file and the settings as they were.
    void onlyOkWrites_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("how");
        for (const char* window : {"add", "edit", "preferences", "special"}) {
            for (const char* how : {"Cancel", "Escape", "close box", "OK"})
                QTest::addRow("%s, %s", window, how) << window << how;
        }
    }
    void onlyOkWrites()
    {
        QFETCH(QString, window);
        QFETCH(QString, how);
        QDialog* shown = open(window);
        const QByteArray data = f->bytes();
        const QByteArray settings = f->settingsBytes();
        // Something OK would write.
        if (auto* text = shown->findChild<QLineEdit*>("txtName"))
            typeInto(text, "Changed");
        if (auto* box = shown->findChild<QCheckBox*>("chkConfirmDelete"))
            boxClick(box);
        if (auto* list = shown->findChild<QTreeWidget*>("lvwSpecialEvents"))
            list->topLevelItem(0)->setSelected(true);
        if (how == "Cancel" || how == "OK")
            QTest::mouseClick(control<QPushButton>(shown, "cmd" + how), Qt::LeftButton);
        else if (how == "Escape")
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        else
            shown->close();
        QVERIFY(!shown->isVisible());
        const bool ok = how == "OK";
        QCOMPARE(shown->result(), int(ok ? QDialog::Accepted : QDialog::Rejected));
        QCOMPARE(f->bytes() != data || f->settingsBytes() != settings, ok);
    }

    // Only new events come checked; one whose repeats end unchecked, the others greyed, with their
    // reason. The count follows, within the room left; the day's action applies to all. Select None
    // and Select All change only what can be imported. Rows leave room around an accented capital.
    void importOnlyNewChecked()
    {
        QList<ImportEntry> entries(6);
        const char* names[] = {"Anna", "Ben", "Anna", "Lena", "Damaged", "Ends"};
        const ImportEntry::Problem problems[] = {
            {}, {}, {}, ImportEntry::Problem::NoDate, ImportEntry::Problem::Broken, {}};
        for (int i = 0; i < 6; ++i) {
            entries[i].name = names[i], entries[i].date = QDate(1984, 12, 8 + i % 2);
            entries[i].problem = problems[i], entries[i].reason = i > 2 ? "why" : "";
        }
        entries[5].lastDay = QDate(2030, 12, 9);
        ImportDialog import(ImportPlan::plan(entries, {}, QDate(2026, 12, 6)), {"contacts.vcf"}, 2);
        QAbstractItemModel* rows = import.list()->model();
        const auto check = [rows](int row, Qt::CheckState state) {
            QVERIFY(rows->setData(rows->index(row, 0), state, Qt::CheckStateRole));
        };
        for (int row = 0; row < 6; ++row) {
            const auto text = [rows, row](int c) { return rows->index(row, c).data().toString(); };
            QCOMPARE(rows->index(row, 0).data(Qt::CheckStateRole).toInt(),
                     int(row < 2 ? Qt::Checked : Qt::Unchecked));
            QCOMPARE(rows->flags(rows->index(row, 0)).testFlag(Qt::ItemIsEnabled),
                     row < 2 || row == 5);
            QCOMPARE(text(3).isEmpty(), row < 2); // the reason
            QCOMPARE(text(2), row < 2 || row == 5 ? "Show a Dialog" : "");
        }
        QVERIFY(!rows->setData(rows->index(2, 0), Qt::Checked, Qt::CheckStateRole));
        auto* count = control<QLabel>(&import, "lblImportCount");
        QCOMPARE(count->text(), "2 to add, 1 already there, 1 without a date, 1 could not be read, "
                                "1 whose repeats end, not chosen");
        check(5, Qt::Checked);
        QVERIFY2(count->text().endsWith("be read; 2 fit, 1 would not be added: the data file "
                                        "holds at most 1,276 events"),
                 qPrintable(count->text()));
        check(0, Qt::Unchecked);
        control<QComboBox>(&import, "cboImportAlert")->setCurrentIndex(2);
        QCOMPARE(rows->index(1, 2).data().toString(), "Do Nothing!");
        const QList<BirthdayRecord> chosen = import.chosenRecords();
        QCOMPARE(chosen.size(), 2);
        QCOMPARE(chosen[0].value(BirthdayRecord::Name) + chosen[0].value(BirthdayRecord::Alert) +
                     chosen[1].value(BirthdayRecord::Name) + chosen[1].value(BirthdayRecord::Alert),
                 QStringLiteral("Ben1Ends1"));
        QVERIFY(count->text().startsWith("2 to add"));
        for (const char* button : {"cmdSelectNone", "cmdSelectAll", "cmdSelectAll"}) {
            control<QPushButton>(&import, button)->click();
            QCOMPARE(import.chosenRecords().size(), QString(button).endsWith("All") ? 3 : 0);
            QCOMPARE(rows->index(2, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
        }
        import.show();
        QVERIFY(QTest::qWaitForWindowExposed(&import));
        const QRect first = import.list()->visualRect(rows->index(0, 0));
        QVERIFY(first.height() >= import.list()->fontMetrics().boundingRect("É").height() + 6);
        QCOMPARE(first.left(), 0); // a list, not a tree: no room kept for branches
    }

    // Each backup's day (time for further copies) and events, none too; the newest first;
    // double-click.
    void restoreChoice()
    {
        const QDateTime written(QDate(2024, 2, 28), QTime(14, 5));
        RestoreDialog restore({{"new.dat", QDate(2024, 3, 1), 1, {}, 0},
                               {"older.dat", QDate(2024, 2, 28), 2, written, -1}});
        QTreeWidget* list = control<QTreeWidget>(&restore, "lvwBackups");
        const QLocale locale;
        QCOMPARE(list->topLevelItem(0)->text(0) + " / " + list->topLevelItem(0)->text(1),
                 locale.toString(QDate(2024, 3, 1), QLocale::LongFormat) + " / 0");
        QCOMPARE(list->topLevelItem(1)->text(0) + " / " + list->topLevelItem(1)->text(1),
                 locale.toString(written.date(), QLocale::LongFormat) + ", " +
                     locale.toString(written.time(), QLocale::ShortFormat) + " / unreadable");
        QCOMPARE(restore.chosenPath(), QStringLiteral("new.dat"));
        restore.show();
        QVERIFY(QTest::qWaitForWindowActive(&restore));
        QVERIFY(list->columnWidth(0) >=
                static_cast<QAbstractItemView*>(list)->sizeHintForColumn(0));
        const QPoint at = list->visualItemRect(list->topLevelItem(1)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(restore.result(), int(QDialog::Accepted));
        QCOMPARE(restore.chosenPath(), QStringLiteral("older.dat"));
    }
};

QTEST_MAIN(TestDialogs)
#include "test_dialogs.moc"
