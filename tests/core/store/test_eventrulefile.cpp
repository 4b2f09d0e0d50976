#include "core/calendar/nextevent.h"
#include "core/store/backups.h"
#include "core/store/eventrulefile.h"
#include "storefixture.h"

namespace {

BirthdayRecord record(int key, const QString& name, const QString& date)
{
    BirthdayRecord r;
    r.key = key;
    r.values = {name, date, "1", "10", "1", "", "0"};
    return r;
}

} // namespace

class TestEventRuleFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void saveAndLoad_keepEveryRule()
    {
        QTemporaryDir dir;
        const QString path = EventRuleFile::pathFor(dir.filePath("birthday.dat"));
        QCOMPARE(path, dir.filePath("birthday-rules.json"));
        const EventRuleTable table{{{3, "Mum", "2027-05-09", YearlyRule::nthWeekday(2, 7, 5)},
                                    {7, "Oma", "2026-11-10", *YearlyRule::fromText("hebrew 02-30")},
                                    {9, "Ann", "2027-03-01", YearlyRule::fixed(2, 29)}}};
        const Expected<> saved = EventRuleFile::save(path, table);
        QVERIFY2(saved, qPrintable(saved.error()));
        const Expected<EventRuleTable> loaded = EventRuleFile::load(path);
        QVERIFY(loaded);
        QCOMPARE(loaded->rules, table.rules);
        // A day without a year is a fixed day's rule, which older copies read as one.
        QVERIFY(readFile(path).contains("\"date 02-29\""));
    }

    // A record matches only as it was stored: a key an older copy reused, a renamed event or a
    // Date an older copy changed inherits no rule.
    void ruleFor_matchesTheWholeRecord_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("date");
        QTest::addColumn<bool>("matches");
        QTest::newRow("as stored") << 3 << "Mum"
                                   << "2027-05-09" << true;
        QTest::newRow("another key") << 4 << "Mum"
                                     << "2027-05-09" << false;
        QTest::newRow("key reused") << 3 << "Dentist"
                                    << "2027-05-09" << false;
        QTest::newRow("date changed") << 3 << "Mum"
                                      << "2027-05-12" << false;
    }
    void ruleFor_matchesTheWholeRecord()
    {
        QFETCH(int, key);
        QFETCH(QString, name);
        QFETCH(QString, date);
        QFETCH(bool, matches);
        const EventRuleTable table{{{3, "Mum", "2027-05-09", YearlyRule::nthWeekday(2, 7, 5)}}};
        QCOMPARE(table.ruleFor(record(key, name, date)).has_value(), matches);
    }

    // Mother's Day (US) as the picker keeps it: the store gives records the rule, the day moves on
    // once passed, the data file alone (an older copy) gives the next day, backups carry the rules.
    void movingDay_fallsOnItsDayWithAndWithoutTheRulesFile()
    {
        QTemporaryDir dir;
        BirthdayStore store(dir.filePath("birthday.dat"));
        const YearlyRule secondSunday = YearlyRule::nthWeekday(2, 7, 5);
        BirthdayRecord mum = record(-1, "Mum", "2026-05-10");
        mum.key = *store.addRecord(mum);
        const QString rules = EventRuleFile::pathFor(store.dataPath());
        QVERIFY(EventRuleFile::setRule(rules, mum, secondSunday));
        const auto nextDay = [&](QDate today) {
            QList<BirthdayRecord> records = *store.readAllRecords();
            // A failed write gives no day, and the comparison fails.
            if (!EventRuleFile::rollForward(store, records, today, LeapDayRule::March1))
                return QDate();
            return comingEvents(records, today, LeapDayRule::March1).soonest()->next.date;
        };
        QCOMPARE(nextDay(QDate(2026, 5, 10)), QDate(2026, 5, 10));
        QCOMPARE(nextDay(QDate(2026, 5, 11)), QDate(2027, 5, 9));
        QCOMPARE(store.readAllRecords()->first().value(BirthdayRecord::Date), "2027-05-09");
        QCOMPARE(store.readAllRecords()->first().rule, secondSunday);
        // A backup carries the rules, and its restore puts them back.
        QVERIFY(store.backup());
        const QString saved = Backups::list(store.dataPath()).first().path;
        QVERIFY(QFile::remove(rules));
        QCOMPARE(nextDay(QDate(2026, 12, 1)), QDate(2027, 5, 9));
        QCOMPARE(store.readAllRecords()->first().rule, std::nullopt);
        QVERIFY2(store.restore(saved), qPrintable(store.errorString()));
        QCOMPARE(store.readAllRecords()->first().rule, secondSunday);
    }

    // A file that does not read is reported and nothing is given to save over it.
    void load_refusesDamagedAndNewerFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("not JSON") << QByteArray("{\"version\": 1, ") << "damaged";
        QTest::newRow("empty") << QByteArray("{}") << "damaged";
        QTest::newRow("newer") << QByteArray("{\"version\": 2, \"events\": []}") << "newer";
        QTest::newRow("bad rule")
            << QByteArray("{\"version\": 1, \"events\": [{\"key\": 1, \"name\": \"A\", "
                          "\"date\": \"2026-01-01\", \"rule\": \"weekday 9 SU 05\"}]}")
            << "damaged";
    }
    void load_refusesDamagedAndNewerFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath("birthday-rules.json");
        QVERIFY(writeFile(path, bytes));
        const Expected<EventRuleTable> loaded = EventRuleFile::load(path);
        QVERIFY(!loaded);
        QVERIFY2(loaded.error().contains(reason), qPrintable(loaded.error()));
    }
};

QTEST_GUILESS_MAIN(TestEventRuleFile)
#include "test_eventrulefile.moc"
