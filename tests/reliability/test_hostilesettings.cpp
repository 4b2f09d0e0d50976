// Every value of the settings table set to garbage at once, as a damaged or hand-edited
// settings file may hold it: non-numbers, huge numbers, 100 KB strings, invalid UTF-8, INI
// escapes. Reading must not fail, the conversions the readers use must refuse what they can't
// use (so the reader takes its default), and sane values written afterwards must read back
// with nothing of the garbage left.

#include "settings/settingsstore.h"
#include "text/textconv.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

class TestHostileSettings : public QObject
{
    Q_OBJECT

private slots:
    void everyValueGarbage_data();
    void everyValueGarbage();
};

namespace {

enum class Reader { Flag, Word, Time, Date, OnOff, Whole, Text };

struct Setting
{
    const char* name;
    Reader reader;
    const char* sane; // what the program would write back
    QStringList words = {};
};

const QList<Setting>& settingsTable()
{
    static const QList<Setting> table = {
        {"QuitConfirm", Reader::Flag, "1"},
        {"DeleteConfirm", Reader::Flag, "0"},
        {"NotifyEvery", Reader::Word, "Day", {"Day", "Hour", "None"}},
        {"AlertTime", Reader::Time, "09:00"},
        {"NotifyDate", Reader::Date, "2002-05-12"},
        {"NotifyTime", Reader::Time, "14:10:00"},
        {"StatusBar", Reader::OnOff, "True"},
        {"ToolBar", Reader::OnOff, "False"},
        {"InteractiveHelp", Reader::OnOff, "False"},
        {"IconView", Reader::Word, "Details", {"LargeIcons", "SmallIcons", "List", "Details"}},
        {"ArrangeIcons", Reader::Word, "Date", {"Name", "Date"}},
        {"WindowState", Reader::Whole, "0"},
        {"WindowLeft", Reader::Whole, "1440"},
        {"WindowTop", Reader::Whole, "1440"},
        {"WindowWidth", Reader::Whole, "9000"},
        {"WindowHeight", Reader::Whole, "6000"},
        {"Column1Width", Reader::Whole, "1800"},
        {"Column2Pos", Reader::Whole, "1"},
        {"Comments", Reader::Text, "Nice program"},
        {"Suggestions", Reader::Text, "More colours"},
    };
    return table;
}

// A reader's bounds for a whole number: twips of a window on any screen, a column index.
constexpr int wholeLimit = 10 * 1000 * 1000;

} // namespace

void TestHostileSettings::everyValueGarbage_data()
{
    QTest::addColumn<QByteArray>("garbage"); // as it stands in the INI file

    QTest::newRow("not a number") << QByteArray("twelve o'clock");
    QTest::newRow("huge number") << QByteArray("99999999999999999999999999");
    QTest::newRow("huge negative number") << QByteArray("-2147483649");
    QTest::newRow("100 KB string") << QByteArray(100 * 1024, 'x');
    QTest::newRow("100 KB of digits") << QByteArray(100 * 1024, '7');
    QTest::newRow("invalid UTF-8") << QByteArray("\xff\xfe\xc0\xaf\xed\xa0\x80 1");
    QTest::newRow("serialised variant") << QByteArray("@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\xff)");
    QTest::newRow("byte array") << QByteArray("@ByteArray(\\xff\\0)");
    QTest::newRow("escapes and a section") << QByteArray("\\n[Other]\\nQuitConfirm=0\\");
    QTest::newRow("only blanks") << QByteArray("   ");
}

void TestHostileSettings::everyValueGarbage()
{
    QFETCH(QByteArray, garbage);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Candlewatcher.conf"));
    {
        QByteArray ini("[Settings]\n");
        for (const Setting& s : settingsTable())
            ini += QByteArray(s.name) + '=' + garbage + '\n';
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(ini), ini.size());
    }

    SettingsStore settings(path);
    const QLocale locale = QLocale::c();
    for (const Setting& s : settingsTable()) {
        const QString name = QLatin1String(s.name);
        const QString value = settings.settingRead(name, QStringLiteral("default"));
        QVERIFY2(!value.isEmpty(), s.name);
        // What each reader converts the text with refuses it, so the reader keeps its default.
        switch (s.reader) {
        case Reader::Flag:
            QVERIFY(value != QLatin1String("1") && value != QLatin1String("0"));
            break;
        case Reader::Word:
            QVERIFY2(!s.words.contains(value), s.name);
            break;
        case Reader::Time:
            QVERIFY2(!TextConv::textToTime(value, locale),
                     qPrintable(name + u' ' + value.left(40)));
            break;
        case Reader::Date:
            QVERIFY2(!TextConv::textToDate(value, locale),
                     qPrintable(name + u' ' + value.left(40)));
            break;
        case Reader::OnOff: {
            // Numbers are on/off values too (0 is off), however large.
            bool isNumber = false;
            const double number = locale.toDouble(value.trimmed(), &isNumber);
            const auto onOff = TextConv::textToBool(value, locale);
            QVERIFY2(!onOff || (isNumber && *onOff == (number != 0)),
                     qPrintable(name + u' ' + value.left(40)));
            break;
        }
        case Reader::Whole:
            QVERIFY2(!TextConv::textToWhole(value, -wholeLimit, wholeLimit, locale),
                     qPrintable(name + u' ' + value.left(40)));
            break;
        case Reader::Text:
            break;
        }
    }

    // The program writes sane values back over all of it; they read back exactly and nothing
    // of the garbage stays in the file.
    for (const Setting& s : settingsTable())
        settings.settingWrite(QLatin1String(s.name), QLatin1String(s.sane));
    for (const Setting& s : settingsTable())
        QCOMPARE(settings.settingRead(QLatin1String(s.name), QString()), QLatin1String(s.sane));
    QVERIFY2(QFileInfo(path).size() < 4096, "the garbage was not replaced");
}

QTEST_GUILESS_MAIN(TestHostileSettings)
#include "test_hostilesettings.moc"
