#include "core/text/translations.h"

#include <QCoreApplication>
#include <QTest>

class TestTranslations : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void choose_data()
    {
        QTest::addColumn<QStringList>("wanted");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("region falls back to the language") << QStringList{"de-AT", "de"} << "de";
        QTest::newRow("region kept where shipped") << QStringList{"pt-BR"} << "pt_BR";
        QTest::newRow("script and region") << QStringList{"zh-Hans-CN"} << "zh_CN";
        QTest::newRow("first shipped wins") << QStringList{"sv-SE", "ar-EG", "de"} << "ar";
        QTest::newRow("English asked first") << QStringList{"en-GB", "de"} << "en";
        QTest::newRow("nothing shipped") << QStringList{"sv-SE", "C"} << "en";
    }
    void choose()
    {
        QFETCH(QStringList, wanted);
        QFETCH(QString, chosen);
        QCOMPARE(Translations::choose(wanted, {"en", "de", "pt_BR", "zh_CN", "ar"}), chosen);
    }

    // The built program has English's plural forms and every shipped language.
    void installsEnglishPlurals()
    {
        QCOMPARE(Translations::shipped(), QString(CANDLEWATCHER_SHIPPED_LANGUAGES).split(u','));
        QCOMPARE(Translations::install(*qApp, {"en-US"}), "en");
        QCOMPARE(QCoreApplication::translate("ExchangeCommands",
                                             "%Ln events were exported to \"%1\".", nullptr, 1),
                 "1 event was exported to \"%1\".");
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "test_translations.moc"
