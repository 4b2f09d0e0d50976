#include "core/text/translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

namespace {

// What a translation must keep of its source: the %1…%9 and %n places and the markup tags.
QStringList kept(const QString& text)
{
    static const QRegularExpression places(QStringLiteral("%[1-9n]|<[^>]*>"));
    QStringList found;
    for (const QRegularExpressionMatch& match : places.globalMatch(text))
        found << match.captured();
    found.sort();
    return found;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT
private slots:
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
        QCOMPARE(Translations::shipped(), QString(CANDLEWATCHER_SHIPPED_LANGUAGES).split(u';'));
        QCOMPARE(Translations::install(*qApp, {"en-US"}), "en");
        QCOMPARE(QCoreApplication::translate("ExchangeCommands",
                                             "%n events were exported to \"%1\".", nullptr, 1),
                 "1 event was exported to \"%1\".");
    }

    // Every shipped .ts is complete: no unfinished or vanished message, and each translation
    // (each plural form) keeps its source's places and markup.
    void complete_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString& language : QString(CANDLEWATCHER_SHIPPED_LANGUAGES).split(u';'))
            QTest::newRow(qPrintable(language)) << language;
    }
    void complete()
    {
        QFETCH(QString, language);
        QFile file(QStringLiteral(CANDLEWATCHER_TS_FOLDER "/candlewatcher_%1.ts").arg(language));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        QXmlStreamReader xml(&file);
        QString source;
        bool numerus = false;
        int messages = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            const QString element = xml.name().toString();
            if (element == "message") {
                numerus = xml.attributes().value(u"numerus") == u"yes";
                ++messages;
            } else if (element == "source") {
                source = xml.readElementText();
            } else if (element == "translation" || element == "numerusform") {
                const QString type = xml.attributes().value(u"type").toString();
                QVERIFY2(type.isEmpty(), qPrintable(type + ": " + source));
                if (numerus && element == "translation")
                    continue; // its forms follow
                const QString text = xml.readElementText();
                QVERIFY2(!text.isEmpty(), qPrintable("empty: " + source));
                QCOMPARE(kept(text), kept(source));
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(messages > 0);
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "test_translations.moc"
