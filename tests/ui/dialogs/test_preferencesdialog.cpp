// The preferences: what they read and write back, in which order, and what they change.

#include "dialogfixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QTimeEdit>

namespace {

struct Stored
{
    QStringList settings; // QuitConfirm, DeleteConfirm, NotifyEvery, AlertTime; null: none
    QString shown;        // as preferencesShown() gives it
};

} // namespace

class TestPreferencesDialog : public DialogTest
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

private Q_SLOTS:
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
};

QTEST_MAIN(TestPreferencesDialog)
#include "test_preferencesdialog.moc"
