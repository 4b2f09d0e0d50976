#include "settings/settingsstore.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

class TestSettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_path = m_dir.filePath(QStringLiteral("settings-%1.ini").arg(m_counter++));
    }

    void missingAndEmptyValuesGiveTheDefault()
    {
        SettingsStore store(m_path);
        QCOMPARE(store.settingRead("QuitConfirm", "1"), QString("1"));
        store.settingWrite("NotifyEvery", "");
        QCOMPARE(store.settingRead("NotifyEvery", "Hour"), QString("Hour"));
        QVERIFY(QFile::exists(m_path)); // the first write creates the store
    }

    void writtenValuesReadBackAsText_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("word") << "Day";
        QTest::newRow("number") << "0";
        QTest::newRow("boolean word") << "True";
        QTest::newRow("fraction with comma") << "1234,5";
        QTest::newRow("time") << "14:10:00";
        QTest::newRow("apostrophes and quotes") << "it's \"fine\" & more";
        QTest::newRow("non-ASCII") << QString::fromUtf8("Gr\xc3\xbc\xc3\x9f"
                                                        "e \xe2\x82\xac");
        QTest::newRow("line breaks") << "one\r\ntwo";
        QTest::newRow("looks like a list") << "a, b, c";
    }

    void writtenValuesReadBackAsText()
    {
        QFETCH(QString, value);
        SettingsStore(m_path).settingWrite("Comments", value);
        // A second store on the same file: nothing is kept in memory by the first.
        QCOMPARE(SettingsStore(m_path).settingRead("Comments", "default"), value);
    }

    void numberStoredByHandReadsAsDecimalText()
    {
        {
            QSettings raw(m_path, QSettings::IniFormat);
            raw.setValue("Settings/WindowState", 5);
        }
        QCOMPARE(SettingsStore(m_path).settingRead("WindowState", "0"), QString("5"));
    }

    void valueOfAnotherKindReadsAsDefault()
    {
        {
            QSettings raw(m_path, QSettings::IniFormat);
            raw.setValue("Settings/IconView", QStringList{"a", "b"});
        }
        QCOMPARE(SettingsStore(m_path).settingRead("IconView", "LargeIcons"),
                 QString("LargeIcons"));
    }

    void valuesLiveInTheSettingsGroup()
    {
        SettingsStore(m_path).settingWrite("ToolBar", "False");
        QSettings raw(m_path, QSettings::IniFormat);
        QCOMPARE(raw.value("Settings/ToolBar").toString(), QString("False"));
    }

    void failedWriteIsSilentAndKeepsOtherValues()
    {
        if (geteuid() == 0)
            QSKIP("root ignores file permissions; cannot make the store unwritable");
        SettingsStore store(m_path);
        store.settingWrite("QuitConfirm", "0");
        QFile::setPermissions(m_path, QFile::ReadOwner);
        QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        store.settingWrite("DeleteConfirm", "0");
        QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(SettingsStore(m_path).settingRead("QuitConfirm", "1"), QString("0"));
        QCOMPARE(SettingsStore(m_path).settingRead("DeleteConfirm", "1"), QString("1"));
    }

private:
    QTemporaryDir m_dir;
    QString m_path;
    int m_counter = 0;
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "test_settingsstore.moc"
