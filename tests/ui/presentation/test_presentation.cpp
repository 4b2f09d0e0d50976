#include "core/text/translations.h"
#include "ui/presentation/controlsarrangement.h"
#include "ui/presentation/helptopics.h"
#include "ui/presentation/listdate.h"
#include "ui/presentation/listviewmode.h"
#include "ui/presentation/notificationlines.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>

namespace {

// Today's entries in a language with a singular and a plural of "years".
class YearsTranslator : public QTranslator
{
public:
    QString translate(const char* context, const char* source, const char*, int n) const override
    {
        if (qstrcmp(context, "ReminderDecision") != 0 || qstrcmp(source, "%1 (%Ln Years)") != 0)
            return QString();
        return n == 1 ? QStringLiteral("%1 (%Ln Jahr)") : QStringLiteral("%1 (%Ln Jahre)");
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class TestListWindowCore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dateColumn()
    {
        // Year first, fixed widths: text order is date order.
        const QLocale us(QLocale::English, QLocale::UnitedStates), de("de_DE"), sv("sv_SE");
        for (const auto& [locale, stored, shown] : {std::tuple{us, "3/4/2001", "2001/03/04"},
                                                    {de, "25.12.1990", "1990.12.25"},
                                                    {sv, "1948-01-09", "1948-01-09"},
                                                    {us, "2/30/2001", ""},
                                                    {us, "1/2/0999", "0999/01/02"}})
            QCOMPARE(ListDate::columnText(stored, locale), shown);
        QCOMPARE(ListDate::unreadableSummary(2) + ListDate::unreadableSummary(0),
                 "2 events have dates that cannot be read (marked \u26A0)");
    }

    void sortOrderIsCaseInsensitiveCompare()
    {
        // The quick order and compare agree with QString's case-insensitive compare, past 16
        // characters, beyond ASCII too (the Kelvin sign folds to k); equal texts keep their order.
        const QStringList texts =
            QStringLiteral("Person 0012 of the list Z|person 0012 of the list a|Zoe|\u00C9mile|eve|"
                           "\u212Aate|kate||Kate|zo")
                .split(u'|');
        QStringList expected = texts;
        std::stable_sort(expected.begin(), expected.end(), [](const QString& a, const QString& b) {
            return QString::compare(a, b, Qt::CaseInsensitive) < 0;
        });
        QStringList sorted;
        for (const qsizetype index : ListViewModes::sortedOrder({texts.cbegin(), texts.cend()}))
            sorted << texts[index];
        QCOMPARE(sorted, expected);
        QVERIFY(ListViewModes::compareTexts(texts[0], texts[1]) > 0 &&
                ListViewModes::compareTexts(texts[1], texts[0]) < 0);
    }

    void storedNames()
    {
        // The names layouts of earlier versions hold, in the order of their numbers: exact,
        // letter case and all.
        const QStringList modes{"LargeIcons", "SmallIcons", "List", "Details"};
        for (int mode = 0; mode < modes.size(); ++mode) {
            QCOMPARE(ListViewModes::fromName(modes[mode]), ListViewMode(mode));
            QCOMPARE(ListViewModes::name(ListViewMode(mode)), modes[mode]);
        }
        const QStringList arranges{"Name", "Date", "NextDate", "Age"};
        for (int arrange = 0; arrange < arranges.size(); ++arrange) {
            QCOMPARE(ListViewModes::arrangeFromName(arranges[arrange]), ListArrange(arrange));
            QCOMPARE(ListViewModes::name(ListArrange(arrange)), arranges[arrange]);
        }
        for (const char* other :
             {"details", "LIST", "List ", "3", "", "date", "Size", "Next", "age"})
            QVERIFY2(!ListViewModes::fromName(other) && !ListViewModes::arrangeFromName(other),
                     other);
    }

    void helpTopics()
    {
        const HelpTopic* ok = HelpTopics::find("ok");
        QVERIFY(ok);
        QCOMPARE(ok->title, "OK Button");
        QCOMPARE(ok->text, "Closes the current window and saves any settings.");
        QCOMPARE(HelpTopics::find("date")->title, "Birthday Date");
        QCOMPARE(HelpTopics::find("date")->text,
                 "This is the date that the event occurs.  If it is a recurring event such as a "
                 "birthday, that happens every year, it might be convenient to set the year as the "
                 "date of birth of that person.\r\n\r\nTip: using the down arrow will show you a "
                 "calendar.");
        for (const char* unknown : {"OK", "Bdaylist", "ok ", "", "sysinformation"})
            QVERIFY2(!HelpTopics::find(unknown), unknown);
        // Every topic is found by its own key (none twice) and has a title and a text ending its
        // sentence. That every key a window passes has a topic is checked as it is registered
        // (installHelpHook), wherever a test opens the window.
        for (const HelpTopic& topic : HelpTopics::all()) {
            QVERIFY2(HelpTopics::find(QLatin1String(topic.key)) == &topic, topic.key);
            QVERIFY2(*topic.title && QByteArray(topic.text).endsWith('.'), topic.key);
            // Every full stop inside a text is followed by two blanks (the "..." of a title and
            // the line breaks of "date" aside).
            static const QRegularExpression singleBlank(QStringLiteral("\\. (?! )|\\.   "));
            QVERIFY2(!singleBlank.match(QLatin1String(topic.text)).hasMatch(), topic.key);
        }
    }

    void nameLength_data()
    {
        QTest::addColumn<bool>("soon");
        QTest::addColumn<bool>("translated");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("nameLength");
        const auto row = [](const char* name, bool soon, bool translated, const char* entry,
                            int length) {
            QTest::newRow(name) << soon << translated << QString::fromUtf8(entry) << length;
        };
        // Soon: the check's own last parenthesis ends the name; anything else is all name.
        row("soon, date", true, false, "Cid (5/15/1980 - 22 Years)", 3);
        row("soon, brackets in the name", true, false, "Cid (Jr) (Fri 10 May)", 8);
        row("soon, a bracket between", true, false, "Cid (a) b)", 10);
        row("soon, open at the start", true, false, "(5/15)", 6);
        row("soon, not closed", true, false, "Cid (5/15", 9);
        // Today: the years in the language's own words end it.
        row("English", false, false, "Anna (42 Years)", 4);
        row("English, one", false, false, "Anna (1 Years)", 4);
        row("years of a name", false, false, "Party (2024)", 12);
        row("no number", false, false, "Anna ( Years)", 13);
        row("no blank", false, false, "Anna(2 Years)", 13);
        row("singular", false, true, "Anna (1 Jahr)", 4);
        row("plural", false, true, "Anna (42 Jahre)", 4);
        row("brackets in the name", false, true, "A (B) (-3 Jahre)", 5);
        row("English under another language", false, true, "Anna (42 Years)", 15);
    }

    void nameLength()
    {
        QFETCH(bool, soon);
        QFETCH(bool, translated);
        QFETCH(QString, entry);
        YearsTranslator translator;
        if (translated)
            QCoreApplication::installTranslator(&translator);
        QTEST(int(NotificationLines::nameLength(entry, soon)), "nameLength");
    }

    void arrangement()
    {
        // Client width and height, help panel shown; the list's width and height and the help
        // panel's left. The panel is 180 wide; the list was 66 x 53.
        const int cases[][6] = {{482, 356, 0, 482, 356, 299}, // bare
                                {482, 356, 1, 295, 356, 299}, // help shown
                                {482, 0, 1, 295, 53, 299},    // height gone
                                {0, 356, 0, 66, 356, -183},   // width gone
                                {1, 1, 0, 1, 1, -182},        // one pixel left
                                {186, 356, 1, 66, 356, 3},    // gone by the panel
                                {187, 356, 1, 0, 356, 4}};    // nothing left beside the panel
        for (const int* c : cases) {
            const ArrangeResult out = arrangeListAndHelp({c[0], c[1], c[2] != 0, 180, 66, 53});
            QCOMPARE(QList<int>({out.listWidth, out.listHeight, out.helpLeft}),
                     QList<int>(c + 3, c + 6));
            QCOMPARE(out.helpHeight, out.listHeight);
        }
    }

    void notificationLines()
    {
        // Entries due today and soon, the lines there is room for, the lines each list gets.
        const int cases[][5] = {{3, 1, 4, 3, 1},   // room for all
                                {20, 5, 10, 7, 3}, // today fills, soon keeps three
                                {3, 20, 10, 3, 7}, // few today, soon cut
                                {20, 2, 10, 8, 2}, // many today, two soon shown whole
                                {20, 20, 4, 2, 2}, // tiny screen: soon at most half
                                {20, 20, 3, 2, 1}, // one line left for soon
                                {5, 5, 0, 1, 1}};  // no room at all, still one each
        // A list that lost lines shows its first entries and then how many it left out.
        const auto lists = [](const char* prefix, int count, int lines) {
            QStringList all;
            for (int i = 1; i <= count; ++i)
                all.append(prefix + QString::number(i));
            const QString more = QStringLiteral("(%1 more events)").arg(count - lines + 1);
            return std::pair{all, lines == count ? all : all.first(lines - 1) << more};
        };
        for (const auto& [todayCount, soonCount, capacity, todayLines, soonLines] : cases) {
            const auto [today, todayShown] = lists("t", todayCount, todayLines);
            const auto [soon, soonShown] = lists("s", soonCount, soonLines);
            const NotificationLines fitted = NotificationLines::fit(today, soon, capacity);
            QCOMPARE(fitted.today, todayShown);
            QCOMPARE(fitted.soon, soonShown);
        }
    }

    // A help text changed in the code but not in the translations would show in English.
    void helpTopicsTranslated()
    {
        for (const QString& language : Translations::shipped().mid(1)) {
            Translations::install(*qApp, {language});
            for (const HelpTopic& topic : HelpTopics::all())
                QVERIFY2(topic.shownText() != QLatin1String(topic.text),
                         qPrintable(language + ": " + topic.key));
            qDeleteAll(qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly));
        }
    }
};

QTEST_GUILESS_MAIN(TestListWindowCore)
#include "test_presentation.moc"
