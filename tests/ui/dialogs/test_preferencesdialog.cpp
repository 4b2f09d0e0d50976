#include "dialogtesting.h"

#include "dialogs/preferencesdialog.h"
#include "settings/settingsstore.h"
#include "text/textconv.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimeEdit>

#include <memory>

class TestPreferencesDialog : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void captionsAndControls();
    void firstStartDefaults();
    void notifyEveryRead_data();
    void notifyEveryRead();
    void storedValuesRead_data();
    void storedValuesRead();
    void okWritesAllFourUnchanged();
    void okWritesChanges();
    void cancelWritesNothing_data();
    void cancelWritesNothing();
    void alertsLabelMovesFocus();
    void tabOrder();
    void reminderChoices_data();
    void reminderChoices();
    void helpHooks_data();
    void helpHooks();

private:
    std::unique_ptr<PreferencesDialog> dialogOpen();
    template <typename T> T* control(const char* name) const
    {
        T* found = m_dialog->findChild<T*>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    // The Settings group as stored, read without the store.
    QString stored(const QString& name) const
    {
        QSettings ini(m_path, QSettings::IniFormat);
        return ini.value(QStringLiteral("Settings/") + name).toString();
    }
    QStringList storedNames() const
    {
        QSettings ini(m_path, QSettings::IniFormat);
        ini.beginGroup(QStringLiteral("Settings"));
        return ini.childKeys();
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
    std::unique_ptr<SettingsStore> m_settings;
    PreferencesDialog* m_dialog = nullptr;
    QStringList m_help;
};

void TestPreferencesDialog::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_path = m_dir->filePath(QStringLiteral("settings.ini"));
    m_settings = std::make_unique<SettingsStore>(m_path);
    m_help.clear();
}

void TestPreferencesDialog::cleanup()
{
    m_dialog = nullptr;
    m_settings.reset();
    m_dir.reset();
}

std::unique_ptr<PreferencesDialog> TestPreferencesDialog::dialogOpen()
{
    auto dialog =
        std::make_unique<PreferencesDialog>(*m_settings, [this](const QString& k) { m_help << k; });
    m_dialog = dialog.get();
    dialog->show();
    if (!QTest::qWaitForWindowActive(dialog.get()))
        qWarning("dialog not active");
    return dialog;
}

void TestPreferencesDialog::captionsAndControls()
{
    auto dialog = dialogOpen();
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Candlewatcher Preferences"));
    QCOMPARE(control<QGroupBox>("grpConfirmation")->title(), QStringLiteral("Confirmation"));
    QCOMPARE(control<QGroupBox>("grpNotification")->title(), QStringLiteral("Notification"));
    QCOMPARE(control<QGroupBox>("grpAlerts")->title(), QStringLiteral("Alerts"));
    QCOMPARE(control<QCheckBox>("chkConfirmDelete")->text(),
             QStringLiteral("Confirm before &deleting a birthday"));
    QCOMPARE(control<QCheckBox>("chkConfirmQuit")->text(),
             QStringLiteral("Confirm before &exiting Candlewatcher"));
    QCOMPARE(control<QLabel>("lblNotification")->text(),
             QStringLiteral("Show the Notification window:"));
    QCOMPARE(control<QRadioButton>("optEveryHour")->text(), QStringLiteral("Every &hour"));
    QCOMPARE(control<QRadioButton>("optEveryDay")->text(), QStringLiteral("E&very day"));
#ifdef Q_OS_WIN
    QCOMPARE(control<QRadioButton>("optNone")->text(),
             QStringLiteral("Only when &Windows starts up"));
#else
    QCOMPARE(control<QRadioButton>("optNone")->text(),
             QStringLiteral("Only when Candlewatcher &starts"));
#endif
    // Every access key leads to one control only.
    QSet<QChar> keys;
    int captions = 0;
    for (const QWidget* widget : dialog->findChildren<QWidget*>()) {
        const QString text = widget->property("text").toString();
        const qsizetype amp = text.indexOf(u'&');
        if (amp >= 0 && amp + 1 < text.size()) {
            keys.insert(text.at(amp + 1).toLower());
            ++captions;
        }
    }
    QVERIFY(captions >= 6);
    QCOMPARE(keys.size(), captions);
    QCOMPARE(control<QLabel>("lblAlerts")->text(),
             QStringLiteral("Show &alerts at the following time each day:"));
    QCOMPARE(control<QLabel>("Label1")->text(), QStringLiteral("(24 hour clock)"));
    QCOMPARE(control<QTimeEdit>("objTime")->displayFormat(), QStringLiteral("HH:mm"));
    QVERIFY(control<QPushButton>("cmdOK")->isDefault());
    QCOMPARE(control<QPushButton>("cmdCancel")->text(), QStringLiteral("Cancel"));
}

void TestPreferencesDialog::firstStartDefaults()
{
    auto dialog = dialogOpen();
    QVERIFY(control<QCheckBox>("chkConfirmQuit")->isChecked());
    QVERIFY(control<QCheckBox>("chkConfirmDelete")->isChecked());
    QVERIFY(control<QRadioButton>("optEveryHour")->isChecked());
    QCOMPARE(control<QTimeEdit>("objTime")->time(), QTime(9, 0));
    QVERIFY(storedNames().isEmpty()); // opening writes nothing
}

void TestPreferencesDialog::notifyEveryRead_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("selected");
    QTest::newRow("Hour") << "Hour"
                          << "optEveryHour";
    QTest::newRow("Day") << "Day"
                         << "optEveryDay";
    QTest::newRow("None") << "None"
                          << "optNone";
    // Anything else leaves the designed selection.
    QTest::newRow("lower-case hour") << "hour"
                                     << "optEveryHour";
    QTest::newRow("lower-case day") << "day"
                                    << "optEveryHour";
    QTest::newRow("upper-case NONE") << "NONE"
                                     << "optEveryHour";
    QTest::newRow("unknown word") << "Weekly"
                                  << "optEveryHour";
}

void TestPreferencesDialog::notifyEveryRead()
{
    QFETCH(QString, stored);
    QFETCH(QString, selected);
    m_settings->settingWrite(QStringLiteral("NotifyEvery"), stored);
    auto dialog = dialogOpen();
    for (const char* name : {"optEveryHour", "optEveryDay", "optNone"})
        QCOMPARE(control<QRadioButton>(name)->isChecked(), selected == QLatin1String(name));
}

void TestPreferencesDialog::storedValuesRead_data()
{
    QTest::addColumn<QString>("quit");
    QTest::addColumn<QString>("del");
    QTest::addColumn<QString>("alertTime");
    QTest::addColumn<bool>("quitTicked");
    QTest::addColumn<bool>("deleteTicked");
    QTest::addColumn<QTime>("time");

    QTest::newRow("both clear") << "0"
                                << "0"
                                << "13:45" << false << false << QTime(13, 45);
    QTest::newRow("quit only") << "1"
                               << "0"
                               << "00:05" << true << false << QTime(0, 5);
    QTest::newRow("written form") << "0"
                                  << "1" << TextConv::timeToText(QTime(22, 30)) << false << true
                                  << QTime(22, 30);
    // Values changed outside the program that don't convert show the defaults.
    QTest::newRow("not numbers, not a time") << "yes"
                                             << "x"
                                             << "half past nine" << true << true << QTime(9, 0);
    QTest::newRow("hour out of range") << "0"
                                       << "0"
                                       << "25:00" << false << false << QTime(9, 0);
}

void TestPreferencesDialog::storedValuesRead()
{
    QFETCH(QString, quit);
    QFETCH(QString, del);
    QFETCH(QString, alertTime);
    QFETCH(bool, quitTicked);
    QFETCH(bool, deleteTicked);
    QFETCH(QTime, time);
    m_settings->settingWrite(QStringLiteral("QuitConfirm"), quit);
    m_settings->settingWrite(QStringLiteral("DeleteConfirm"), del);
    m_settings->settingWrite(QStringLiteral("AlertTime"), alertTime);
    auto dialog = dialogOpen();
    QCOMPARE(control<QCheckBox>("chkConfirmQuit")->isChecked(), quitTicked);
    QCOMPARE(control<QCheckBox>("chkConfirmDelete")->isChecked(), deleteTicked);
    QCOMPARE(control<QTimeEdit>("objTime")->time(), time);
}

void TestPreferencesDialog::okWritesAllFourUnchanged()
{
    auto dialog = dialogOpen();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QVERIFY(!dialog->isVisible());
    QCOMPARE(stored(QStringLiteral("QuitConfirm")), QStringLiteral("1"));
    QCOMPARE(stored(QStringLiteral("DeleteConfirm")), QStringLiteral("1"));
    QCOMPARE(stored(QStringLiteral("NotifyEvery")), QStringLiteral("Hour"));
    QCOMPARE(stored(QStringLiteral("AlertTime")), TextConv::timeToText(QTime(9, 0)));
    QCOMPARE(stored(QStringLiteral("LeapDayEvents")), QStringLiteral("March1"));
    QCOMPARE(storedNames().size(), 5); // the automatic reminder display stays automatic
}

void TestPreferencesDialog::okWritesChanges()
{
    m_settings->settingWrite(QStringLiteral("NotifyEvery"), QStringLiteral("Day"));
    m_settings->settingWrite(QStringLiteral("WindowLeft"), QStringLiteral("1200"));
    auto dialog = dialogOpen();
    boxClick(control<QCheckBox>("chkConfirmQuit"));
    boxClick(control<QRadioButton>("optNone"));
    auto* time = control<QTimeEdit>("objTime");
    QTest::mouseClick(control<QLabel>("lblAlerts"), Qt::LeftButton);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1730"));
    QCOMPARE(time->time(), QTime(17, 30));
    QTest::mouseClick(control<QPushButton>("cmdOK"), Qt::LeftButton);

    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(stored(QStringLiteral("QuitConfirm")), QStringLiteral("0"));
    QCOMPARE(stored(QStringLiteral("DeleteConfirm")), QStringLiteral("1"));
    QCOMPARE(stored(QStringLiteral("NotifyEvery")), QStringLiteral("None"));
    QCOMPARE(stored(QStringLiteral("AlertTime")), TextConv::timeToText(QTime(17, 30)));
    QCOMPARE(stored(QStringLiteral("WindowLeft")), QStringLiteral("1200"));

    // What was written reads back the same.
    dialog = dialogOpen();
    QVERIFY(!control<QCheckBox>("chkConfirmQuit")->isChecked());
    QVERIFY(control<QRadioButton>("optNone")->isChecked());
    QCOMPARE(control<QTimeEdit>("objTime")->time(), QTime(17, 30));
}

void TestPreferencesDialog::cancelWritesNothing_data()
{
    QTest::addColumn<int>("how"); // 0 Cancel button, 1 Escape, 2 window closed
    QTest::newRow("cancel") << 0;
    QTest::newRow("escape") << 1;
    QTest::newRow("closed") << 2;
}

void TestPreferencesDialog::cancelWritesNothing()
{
    QFETCH(int, how);
    m_settings->settingWrite(QStringLiteral("NotifyEvery"), QStringLiteral("hour"));
    const QByteArray before = fileBytes(m_path);
    auto dialog = dialogOpen();
    boxClick(control<QCheckBox>("chkConfirmDelete"));
    boxClick(control<QRadioButton>("optEveryDay"));
    if (how == 0)
        QTest::mouseClick(control<QPushButton>("cmdCancel"), Qt::LeftButton);
    else if (how == 1)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    else
        dialog->close();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
    QCOMPARE(fileBytes(m_path), before);
}

void TestPreferencesDialog::alertsLabelMovesFocus()
{
    auto dialog = dialogOpen();
    control<QCheckBox>("chkConfirmDelete")->setFocus();
    auto* label = control<QLabel>("lblAlerts");
    QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
    QCOMPARE(focusControl(dialog.get()), QStringLiteral("objTime"));
}

void TestPreferencesDialog::tabOrder()
{
    auto dialog = dialogOpen();
    control<QCheckBox>("chkConfirmDelete")->setFocus();
    // The option buttons are one stop: the selected one.
    const QStringList expected = {"chkConfirmDelete", "chkConfirmQuit", "optEveryHour",
                                  "objTime",          "cboShowAs",      "cboLeapDay",
                                  "cmdCancel",        "cmdOK",          "chkConfirmDelete"};
    QStringList visited = {focusControl(dialog.get())};
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << focusControl(dialog.get());
    }
    QCOMPARE(visited.join(','), expected.join(','));
}

void TestPreferencesDialog::reminderChoices_data()
{
    QTest::addColumn<bool>("placeable");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("picked");  // "": left as shown
    QTest::addColumn<QString>("written"); // "": not written
    QTest::newRow("the window, automatically") << true << ""
                                               << "Window"
                                               << ""
                                               << "";
    QTest::newRow("notifications, automatically") << false << ""
                                                  << "Notifications"
                                                  << ""
                                                  << "";
    QTest::newRow("the other one picked") << true << ""
                                          << "Window"
                                          << "Notifications"
                                          << "Notifications";
    QTest::newRow("a stored choice") << false << "Window"
                                     << "Window"
                                     << ""
                                     << "Window";
}

void TestPreferencesDialog::reminderChoices()
{
    QFETCH(bool, placeable);
    QFETCH(QString, stored);
    QFETCH(QString, picked);
    if (!stored.isEmpty())
        m_settings->settingWrite(QStringLiteral("ShowRemindersAs"), stored);
    PreferencesDialog dialog(*m_settings, {}, nullptr, placeable);
    m_dialog = &dialog;
    auto* showAs = control<QComboBox>("cboShowAs");
    auto* leapDay = control<QComboBox>("cboLeapDay");
    QTEST(showAs->currentData().toString(), "shown");
    QCOMPARE(leapDay->currentText(), QStringLiteral("1 March"));
    if (!picked.isEmpty())
        showAs->setCurrentIndex(showAs->findData(picked));
    leapDay->setCurrentIndex(leapDay->findText(QStringLiteral("28 February")));
    QTest::mouseClick(control<QPushButton>("cmdOK"), Qt::LeftButton);
    QTEST(this->stored(QStringLiteral("ShowRemindersAs")), "written");
    QCOMPARE(this->stored(QStringLiteral("LeapDayEvents")), QStringLiteral("February28"));
}

void TestPreferencesDialog::helpHooks_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("key");
    QTest::newRow("confirm delete") << "chkConfirmDelete"
                                    << "confirmdelete";
    QTest::newRow("confirm quit") << "chkConfirmQuit"
                                  << "confirmquit";
    QTest::newRow("every hour") << "optEveryHour"
                                << "notifysettings";
    QTest::newRow("every day") << "optEveryDay"
                               << "notifysettings";
    QTest::newRow("none") << "optNone"
                          << "notifysettings";
    QTest::newRow("time") << "objTime"
                          << "alerttime";
    QTest::newRow("ok") << "cmdOK"
                        << "ok";
    QTest::newRow("cancel") << "cmdCancel"
                            << "cancel";
    QTest::newRow("label has none") << "lblAlerts"
                                    << "";
    QTest::newRow("frame has none") << "grpConfirmation"
                                    << "";
}

void TestPreferencesDialog::helpHooks()
{
    QFETCH(QString, control);
    QFETCH(QString, key);
    auto dialog = dialogOpen();
    auto* widget = dialog->findChild<QWidget*>(control);
    QVERIFY(widget);
    m_help.clear();
    mouseMoveOver(widget);
    if (key.isEmpty())
        QVERIFY2(m_help.isEmpty(), qPrintable(m_help.join(',')));
    else
        QVERIFY2(!m_help.isEmpty() && m_help.last() == key, qPrintable(m_help.join(',')));
}

QTEST_MAIN(TestPreferencesDialog)
#include "test_preferencesdialog.moc"
