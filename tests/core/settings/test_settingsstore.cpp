#include "core/settings/datelocale.h"
#include "core/settings/settingsstore.h"
#include "storefixture.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class TestSettingsStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_path = m_dir.filePath(QString("settings-%1.ini").arg(m_counter++)); }

    void writtenValuesReadBackAsText_data()
    {
        QTest::addColumn<QString>("value");
        for (const char* value : {"Day", "0", "True", "1234,5", "14:10:00", "it's \"fine\" & more",
                                  "Gr\u00fc\u00dfe \u20ac", "one\r\ntwo", "a, b, c", " 7 "})
            QTest::newRow(QByteArray(value).simplified()) << QString(value);
    }
    void writtenValuesReadBackAsText()
    {
        QFETCH(QString, value);
        SettingsStore(m_path).writeSetting("Comments", value);
        // A second store on the same file: nothing is kept in memory by the first.
        QCOMPARE(SettingsStore(m_path).readSetting("Comments", "default"), value);
        QCOMPARE(QSettings(m_path, QSettings::IniFormat).value("Settings/Comments").toString(),
                 value);
    }

    // A DWORD set by hand in the registry reads as its decimal text; another kind as the default.
    void valuesOfOtherKinds()
    {
        QSettings raw(m_path, QSettings::IniFormat);
        raw.setValue("Settings/WindowState", QVariant::fromValue<short>(5));
        raw.setValue("Settings/IconView", QStringList{"a", "b"});
        raw.sync();
        QCOMPARE(SettingsStore(m_path).readSetting("WindowState", "0"), QString("5"));
        QCOMPARE(SettingsStore(m_path).readSetting("IconView", "Details"), QString("Details"));
    }

    // One rule for every flag, the dialog's boxes and the questions alike: on exactly when the
    // text is "1", the default when nothing (or an empty text) is stored.
    void flagsAreOnOnlyForOne_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("on");
        const std::pair<const char*, bool> rows[] = {{"", true},      {"1", true},  {"0", false},
                                                     {"True", false}, {"2", false}, {" 1", false}};
        for (const auto& [stored, on] : rows)
            QTest::newRow(*stored ? stored : "not stored") << QString(stored) << on;
    }
    void flagsAreOnOnlyForOne()
    {
        QFETCH(QString, stored);
        SettingsStore store(m_path);
        store.writeSetting("DeleteConfirm", stored);
        QTEST(store.read(Setting::deleteConfirm), "on");
    }

    // A whole number is held to its key's range: a number beyond it reads as its nearest end,
    // anything else that is no 16-bit number as none.
    void wholeNumbersInRange_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("syncHours"); // -1: none
        QTest::addColumn<int>("windowState");
        const std::tuple<const char*, int, int> rows[] = {
            {"", 6, 0},        {"0", 0, 0},          {"-5", 0, -5},     {"504", 504, 504},
            {"505", 504, 505}, {"9999", 504, 9999},  {"70000", -1, -1}, {"six", -1, -1},
            {"7.5", 8, 8},     {"-32768", 0, -32768}};
        for (const auto& [stored, hours, state] : rows)
            QTest::newRow(*stored ? stored : "not stored") << QString(stored) << hours << state;
    }
    void wholeNumbersInRange()
    {
        QFETCH(QString, stored);
        SettingsStore store(m_path);
        store.writeSetting("SyncHours", stored);
        store.writeSetting("WindowState", stored);
        QTEST(store.read(Setting::syncHours).value_or(-1), "syncHours");
        QTEST(store.read(Setting::windowState).value_or(-1), "windowState");
    }

    // A write that changes the stored text says which key; one that stores what was there, or
    // fails, says nothing. A failed write is silent and leaves nothing to read back.
    void changesTold_data()
    {
        QTest::addColumn<QString>("before"); // null: not stored
        QTest::addColumn<QString>("written");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<QStringList>("told");
        QTest::newRow("first write") << QString() << "0" << true << QStringList{"QuitConfirm"};
        QTest::newRow("empty at first") << QString() << "" << true << QStringList{"QuitConfirm"};
        QTest::newRow("another text") << "1"
                                      << "0" << true << QStringList{"QuitConfirm"};
        QTest::newRow("the same text") << "1"
                                       << "1" << true << QStringList();
        QTest::newRow("not written") << QString() << "0" << false << QStringList();
    }
    void changesTold()
    {
        QFETCH(QString, before);
        QFETCH(QString, written);
        QFETCH(bool, writable);
        if (!writable) // its folder is a regular file
            QVERIFY(writeFile(m_path, {}));
        SettingsStore store(writable ? m_path : m_path + "/settings.ini");
        if (!before.isNull())
            store.writeSetting("QuitConfirm", before);
        QStringList told;
        connect(&store, &SettingsStore::changed, this, [&](const QString& name) { told << name; });
        store.writeSetting("QuitConfirm", written);
        QTEST(told, "told");
        if (!writable)
            QCOMPARE(store.readSetting("QuitConfirm", "1"), QString("1"));
    }

    // The language of the existing dates is recorded by the first start only, and a time
    // stored in its long form reads with it; a recorded name gives the same short date form.
    void dateLocaleRecordedOnce()
    {
        // Stored before the start, the start's language, the one recorded.
        for (const char* row : {" en_US en_US", "en-US de_DE en_US", "en-GB en_US en_GB", " C C"}) {
            const QStringList r = QString(row).split(' ');
            SettingsStore store(m_dir.filePath(QString("locale-%1.ini").arg(m_counter++)));
            store.writeSetting("DateLocale", r[0]);
            QCOMPARE(DateLocale::recordOnce(store, QLocale(r[1])).name(), r[2]);
            QCOMPARE(DateLocale::recordOnce(store, QLocale("ja_JP")).name(), r[2]);
        }
        SettingsStore store(m_path);
        store.writeSetting("DateLocale", "en-US");
        store.writeSetting("AlertTime", "2:30:00 PM");
        QLocale::setDefault(QLocale("ja_JP"));
        QCOMPARE(store.read(Setting::alertTime), QTime(14, 30));
        QLocale::setDefault(QLocale::c());
        for (const QLocale& locale : QLocale::matchingLocales(
                 QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory))
            QVERIFY2(DateLocale::fromName(DateLocale::nameOf(locale)).dateFormat() ==
                         locale.dateFormat(),
                     qPrintable(locale.name()));
    }

private:
    QTemporaryDir m_dir;
    QString m_path;
    int m_counter = 0;
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "test_settingsstore.moc"
