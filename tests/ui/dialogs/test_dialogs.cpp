// The editor: what it writes, what it refuses and how, what it shows of a record. What all
// windows share, as rows over them: texts, help keys, keyboard order, only OK writes. Then the
// preferences, the special events, the import preview and the choice of a backup.

#include "dialogfixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QTimeEdit>
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

struct Stored
{
    QStringList settings; // QuitConfirm, DeleteConfirm, NotifyEvery, AlertTime; null: none
    QString shown;        // as preferencesShown() gives it
};
struct Choice
{
    bool placeable;
    QString stored, shown, picked, written; // picked "": left as shown; written "-": none
};
struct Failure
{
    qint64 room; // bytes the data file may grow to
    QString message;
    QStringList added;
};

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
    QString locale, typed; // typed from the first section, the year holding 2026
    bool byMouse;          // OK clicked, or Return in the picker
    QDate saved;           // invalid: refused
};

} // namespace

class TestDialogs : public DialogTest
{
    Q_OBJECT
    // The Settings group as stored, read without the store; "-" for a value not written.
    QString stored(const QString& name) const
    {
        return QSettings(f->dir.filePath("settings.ini"), QSettings::IniFormat)
            .value("Settings/" + name, "-")
            .toString();
    }
    // The two boxes, the option and the time, in the words they are stored with.
    QString preferencesShown()
    {
        QStringList shown;
        for (const char* box : {"chkConfirmQuit", "chkConfirmDelete"})
            shown << (at<QCheckBox>(box)->isChecked() ? "1" : "0");
        for (const char* option : {"optEveryHour", "optEveryDay", "optNone"})
            if (at<QRadioButton>(option)->isChecked())
                shown << QString(option).remove("opt").remove("Every");
        return (shown << at<QTimeEdit>("objTime")->time().toString("HH:mm")).join(u' ');
    }

    QTreeWidget* list() { return at<QTreeWidget>("lvwSpecialEvents"); }
    // Clicks the named rows in turn, Control held for all but the first.
    void rowsClick(const QStringList& names)
    {
        for (const QString& name : names) {
            QTreeWidgetItem* item = list()->findItems(name, Qt::MatchExactly).value(0);
            list()->scrollToItem(item);
            QTest::mouseClick(list()->viewport(), Qt::LeftButton,
                              name == names[0] ? Qt::NoModifier : Qt::ControlModifier,
                              list()->visualItemRect(item).center());
        }
    }
    void okClick() { QTest::mouseClick(at<QPushButton>("cmdOK"), Qt::LeftButton); }

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

    // The date shown or none: 29 February waits for its year, a date the picker can't hold is
    // refused.
    void datesSavedAsShown_data()
    {
        rows<Dated>({{"29 Feb, day first", {"en_GB", "29022024", true, {2024, 2, 29}}},
                     {"29 Feb, month first", {"en_US", "2292024", false, {2024, 2, 29}}},
                     {"29 Feb, year first", {"sv_SE", "20240229", true, {2024, 2, 29}}},
                     {"29 Feb of a common year", {"en_GB", "2902", true, {}}},
                     {"same, Return", {"de_DE", "2902", false, {}}},
                     {"year half typed", {"en_GB", "150115", true, {}}},
                     {"the earliest date", {"en_GB", "01011601", true, {1601, 1, 1}}},
                     {"the day before it", {"en_GB", "31121600", true, {}}}});
    }
    void datesSavedAsShown()
    {
        QFETCH(Dated, row);
        const QLocale before;
        QLocale::setDefault(QLocale(row.locale));
        open("add");
        auto* picker = at<QDateEdit>("objDate");
        picker->setDate(QDate(2026, 1, 15));
        picker->setFocus();
        picker->setSelectedSection(picker->sectionAt(0));
        QTest::keyClicks(picker, row.typed);
        const QString shown = picker->findChild<QLineEdit*>()->text();
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
        QCOMPARE(picker->findChild<QLineEdit*>()->text(), shown); // still there to put right
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
    void storeFailure_data()
    {
        QTest::addColumn<bool>("edit");
        QTest::newRow("add") << false;
        QTest::newRow("edit") << true;
    }
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
        QTest::newRow("editor") << "add"
                                << "txtName objDate chkRepeats txtNotifyDays cboAlert "
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

    // Shown as stored (a box ticked only for "1", a bad time as the default, only exact words);
    // OK writes all four as shown.
    void preferencesReadAndWrittenBack_data()
    {
        rows<Stored>({{"first start", {{{}, {}, {}, {}}, "1 1 Hour 09:00"}},
                      {"Day", {{"0", "0", "Day", "13:45"}, "0 0 Day 13:45"}},
                      {"None, as written",
                       {{"1", "0", "None", TextConv::timeToText({22, 30})}, "1 0 None 22:30"}},
                      {"Hour", {{"0", "1", "Hour", "00:05"}, "0 1 Hour 00:05"}},
                      {"lower-case day", {{"1", "1", "day", "25:00"}, "1 1 Hour 09:00"}},
                      {"not 1, NONE, not a time",
                       {{"True", "2", "NONE", "half past nine"}, "0 0 Hour 09:00"}}});
    }
    void preferencesReadAndWrittenBack()
    {
        QFETCH(Stored, row);
        const QStringList names = {Setting::quitConfirm.name, Setting::deleteConfirm.name,
                                   Setting::notifyEvery.name, Setting::alertTime.name};
        for (int i = 0; i < 4; ++i) {
            if (!row.settings[i].isNull())
                f->settings.writeSetting(names[i], row.settings[i]);
        }
        const QByteArray before = f->settingsBytes();
        open("preferences");
        QCOMPARE(preferencesShown(), row.shown);
        QCOMPARE(f->settingsBytes(), before);
        returnPress(dialog.get());
        QStringList written = row.shown.split(u' ');
        written[3] = TextConv::timeToText(QTime::fromString(written[3], "HH:mm"));
        for (int i = 0; i < 4; ++i)
            QCOMPARE(stored(names[i]), written[i]);
    }

    // Right to left, the time and the date still read in the language's order (Qt would turn
    // the sections round, and Arabic digits do not turn back).
    void timeAndDateInOrderRightToLeft()
    {
        qApp->setLayoutDirection(Qt::RightToLeft);
        QLocale::setDefault(QLocale("ar_EG"));
        f->settings.writeSetting("AlertTime", "23:59:00");
        open("preferences", -1, false);
        const QString time = at<QTimeEdit>("objTime")->findChild<QLineEdit*>()->text();
        open("add", -1, false);
        auto* picker = at<QDateEdit>("objDate");
        picker->setDate(QDate(1931, 12, 16));
        const QString date = picker->findChild<QLineEdit*>()->text();
        qApp->setLayoutDirection(Qt::LeftToRight);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(time, QLocale("ar_EG").toString(QTime(23, 59), "HH:mm"));
        QCOMPARE(date, QLocale("ar_EG").toString(QDate(1931, 12, 16), QLocale::ShortFormat));
    }

    // The alerts label puts the caret into the hours; changes are written and shown next time.
    void preferencesChanged()
    {
        open("preferences");
        boxClick(at<QCheckBox>("chkConfirmQuit"));
        boxClick(at<QRadioButton>("optNone"));
        QTest::mouseClick(at<QLabel>("lblAlerts"), Qt::LeftButton);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1730"));
        QTest::mouseClick(at<QPushButton>("cmdOK"), Qt::LeftButton);
        QCOMPARE(stored("AlertTime"), TextConv::timeToText({17, 30}));
        open("preferences");
        QCOMPARE(preferencesShown(), QStringLiteral("0 1 None 17:30"));
    }

    // How reminders show follows the desktop till the user picks; the leap-day rule is written.
    void preferencesReminders_data()
    {
        rows<Choice>(
            {{"the window, automatically", {true, "", "Window", "", "-"}},
             {"notifications, automatically", {false, "", "Notifications", "", "-"}},
             {"the other one picked", {true, "", "Window", "Notifications", "Notifications"}},
             {"a stored choice", {false, "Window", "Window", "", "Window"}}});
    }
    void preferencesReminders()
    {
        QFETCH(Choice, row);
        if (!row.stored.isEmpty())
            f->settings.writeSetting("ShowRemindersAs", row.stored);
        open("preferences", -1, true, row.placeable);
        auto* showAs = at<QComboBox>("cboShowAs");
        auto* leapDay = at<QComboBox>("cboLeapDay");
        QCOMPARE(showAs->currentData().toString(), row.shown);
        QCOMPARE(leapDay->currentText(), QStringLiteral("1 March"));
        if (!row.picked.isEmpty())
            showAs->setCurrentIndex(showAs->findData(row.picked));
        leapDay->setCurrentIndex(0);
        auto* syncHours = at<QSpinBox>("spnSyncHours");
        QCOMPARE(syncHours->value(), 6);
        syncHours->setValue(0);
        QTest::mouseClick(at<QPushButton>("cmdOK"), Qt::LeftButton);
        QCOMPARE(stored("ShowRemindersAs"), row.written);
        QCOMPARE(stored("LeapDayEvents"), QStringLiteral("February28"));
        QCOMPARE(stored("SyncHours"), QStringLiteral("0"));
    }

    // The names in the table's order; month\day dates in the year's order but for Epiphany, the
    // fixed days everyone knows on their days.
    void specialRowsAsShown()
    {
        const QString names =
            "New Year's Day|Sherlock Holmes Birthday|Baptism of Jesus|World Religion Day|Epiphany|"
            "Martin Luther King Jr. Day|Burn's Night|Groundhog Day|Valentines Day|Lantern Festival|"
            "St. David's Day|International Women's Day|Mothers Day (UK)|St. Patrick's Day|April "
            "Fool's "
            "Day|Buddha's Birthday (Korea)|Holocaust Rememberance Day (Israel)|St. Georges Day|May "
            "Day|Mother's Day (US)|Pentecost|Trinity|Dragon Boat Festival|Father's Day (US, UK)|"
            "International Joke Day|"
            "Independence Day (US)|Bastille Day (France)|Friendship Day|Chinese Valentines Day|"
            "Ghandi's Birthday|Oktoberfest|Black Thursday|All Saints' Day|Guy Fawkes Day|World "
            "Peace Day|Children's Day|World AIDS Day|Advent Begins|St. Nicholas Day|Pearl Harbour "
            "Day (US)|Christmas Eve|Christmas Day|Boxing Day|New Year's Eve";
        const QString fixedDays =
            "01\\01 New Year's Day|02\\02 Groundhog Day|02\\14 Valentines Day|03\\01 St. David's "
            "Day|03\\17 St. Patrick's Day|04\\01 April Fool's Day|04\\23 St. Georges Day|05\\01 "
            "May Day|07\\04 Independence Day (US)|07\\14 Bastille Day (France)|11\\01 All Saints' "
            "Day|11\\05 Guy Fawkes Day|12\\01 World AIDS Day|12\\06 St. Nicholas Day|12\\07 Pearl "
            "Harbour Day (US)|12\\24 Christmas Eve|12\\25 Christmas Day|12\\26 Boxing Day|12\\31 "
            "New Year's Eve";
        open("special");
        // Moving days show this year's day (core/events' test checks them): no order by date.
        QStringList shown;
        for (int row = 0; row < list()->topLevelItemCount(); ++row) {
            const QTreeWidgetItem* item = list()->topLevelItem(row);
            const QString date = item->text(1);
            shown << item->text(0);
            QVERIFY2(date.size() == 5 && date[2] == u'\\' &&
                         QDate(2001, date.left(2).toInt(), date.mid(3).toInt()).isValid(),
                     qPrintable(date));
            for (const QString& known : fixedDays.split(u'|'))
                QVERIFY2(known.mid(6) != shown.last() || known.left(5) == date, qPrintable(known));
        }
        QCOMPARE(shown.join(u'|'), names);
        QCOMPARE(list()->visualItemRect(list()->topLevelItem(0)).left(), 0); // a list, no tree
    }

    // Yearly, this year, 10 days ahead, no dialog on the day, no years, no LastDate.
    void specialChristmasDay()
    {
        f->clock.setNow(QDateTime(QDate(2002, 6, 15), QTime(12, 0)));
        open("special");
        rowsClick({"Christmas Day"});
        okClick();
        QCOMPARE(f->catcher.texts, QStringList());
        QCOMPARE(f->onlyRecord(),
                 (QStringList{"Christmas Day", TextConv::dateToText(QDate(2002, 12, 25)), "1", "10",
                              "1", "", "0"}));
    }

    // Added in the order shown, sorted by a heading's click (a second keeps it), not as clicked.
    void specialInListOrder_data()
    {
        QTest::addColumn<int>("sortColumn"); // -1: the table's order
        QTest::addColumn<QString>("added");
        QTest::newRow("nothing selected") << -1 << "";
        QTest::newRow("table order")
            << -1 << "Baptism of Jesus|World Religion Day|Epiphany|Oktoberfest";
        QTest::newRow("by name") << 0 << "Baptism of Jesus|Epiphany|Oktoberfest|World Religion Day";
        QTest::newRow("by date") << 1 << "Epiphany|Baptism of Jesus|World Religion Day|Oktoberfest";
    }
    void specialInListOrder()
    {
        QFETCH(int, sortColumn);
        QFETCH(QString, added);
        open("special");
        QHeaderView* header = list()->header();
        for (int click = 0; sortColumn >= 0 && click < 2; ++click)
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              {header->sectionViewportPosition(sortColumn) + 10, 5});
        if (!added.isEmpty())
            rowsClick({"Oktoberfest", "Epiphany", "World Religion Day", "Baptism of Jesus"});
        okClick();
        QVERIFY(!dialog->isVisible());
        QCOMPARE(f->names().join(u'|'), added);
    }

    // A full disk: the rows before stay added, the rest aren't tried, the user learns how many.
    void specialStoreFailure_data()
    {
        rows<Failure>({{"none", {100, "None of the 2 selected events could be added.\n\n", {}}},
                       {"one",
                        {400,
                         "Only 1 of the 2 selected events were added; the rest could "
                         "not be added.\n\n",
                         {"Pentecost"}}}});
    }
    void specialStoreFailure()
    {
        QFETCH(Failure, row);
        open("special");
        rowsClick({"Pentecost", "Trinity"});
        {
            FileSizeLimit limit(row.room);
            okClick();
        }
        QCOMPARE(f->catcher.texts.size(), 1);
        QVERIFY2(f->catcher.texts[0].startsWith(row.message), qPrintable(f->catcher.texts[0]));
        QVERIFY(f->catcher.texts[0].size() > row.message.size()); // the store's reason
        QVERIFY(!dialog->isVisible());
        QCOMPARE(f->names(), row.added);
    }
    // Only new events come checked; one whose repeats end unchecked, the others greyed, with
    // their reason. The count follows, within the room left; the day's action applies to all.
    // Select None and Select All change only what can be imported. Rows leave room around an
    // accented capital.
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

    // Each backup's day (time for further copies) and events; the newest first; double-click.
    void restoreChoice()
    {
        const QDateTime written(QDate(2024, 2, 28), QTime(14, 5));
        RestoreDialog restore({{"new.dat", QDate(2024, 3, 1), 1, {}, 3},
                               {"older.dat", QDate(2024, 2, 28), 2, written, -1}});
        QTreeWidget* list = control<QTreeWidget>(&restore, "lvwBackups");
        const QLocale locale;
        QCOMPARE(list->topLevelItem(0)->text(0) + " / " + list->topLevelItem(0)->text(1),
                 locale.toString(QDate(2024, 3, 1), QLocale::LongFormat) + " / 3");
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
