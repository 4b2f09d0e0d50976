// Multistatus answers as servers send them, read into their values.

#include "core/sync/davxml.h"

#include <QTest>

namespace {

// One line a response: the values that were read, in a fixed order.
QString describe(const DavMultistatus& answer)
{
    QStringList lines;
    if (!answer.syncToken.isEmpty())
        lines << "token " + answer.syncToken + (answer.truncated ? " truncated" : "");
    for (const DavResponse& r : answer.responses) {
        QString line = r.href;
        const auto add = [&](const char* key, const QString& value) {
            if (!value.isEmpty())
                line += QStringLiteral(" %1=%2").arg(key, value);
        };
        add("status", r.status ? QString::number(r.status) : QString());
        add("etag", r.etag);
        add("kind", QStringList{r.collection ? "collection" : "",
                                r.addressBook ? "addressbook" : "", r.calendar ? "calendar" : ""}
                        .join(',')
                        .split(',', Qt::SkipEmptyParts)
                        .join(','));
        add("name", r.displayName);
        add("token", r.syncToken);
        add("cardhome", r.addressBookHomes.join(','));
        add("calhome", r.calendarHomes.join(','));
        add("comps", r.components.join(','));
        add("data", QString::fromUtf8(r.data));
        lines << line;
    }
    return lines.join('\n');
}

} // namespace

class TestDavXml : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void reads_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QString>("expected"); // empty: the answer is refused
        QTest::newRow("Radicale: collections, a propstat of missing properties")
            << QByteArray(
                   "<multistatus xmlns=\"DAV:\" xmlns:C=\"urn:ietf:params:xml:ns:caldav\" "
                   "xmlns:CR=\"urn:ietf:params:xml:ns:carddav\"><response><href>/alice/</href>"
                   "<propstat><prop><resourcetype><principal /><collection /></resourcetype>"
                   "<CR:addressbook-home-set><href>/alice/</href></CR:addressbook-home-set>"
                   "<C:calendar-home-set><href>/alice/</href></C:calendar-home-set></prop>"
                   "<status>HTTP/1.1 200 OK</status></propstat><propstat><prop><displayname>"
                   "ghost</displayname><C:supported-calendar-component-set /></prop><status>"
                   "HTTP/1.1 404 Not Found</status></propstat></response><response><href>"
                   "/alice/cal/</href><propstat><prop><resourcetype><C:calendar /><collection />"
                   "</resourcetype><displayname>Family</displayname><C:supported-calendar-"
                   "component-set><C:comp name=\"VEVENT\" /><C:comp name=\"vtodo\" /></C:"
                   "supported-calendar-component-set><sync-token>http://radicale.org/ns/sync/"
                   "e3b0</sync-token></prop><status>HTTP/1.1 200 OK</status></propstat>"
                   "</response></multistatus>")
            << "/alice/ kind=collection cardhome=/alice/ calhome=/alice/\n"
               "/alice/cal/ kind=collection,calendar name=Family "
               "token=http://radicale.org/ns/sync/e3b0 comps=VEVENT,VTODO";
        QTest::newRow("SabreDAV: sync report, prefixes, a member gone")
            << QByteArray(
                   "<?xml version=\"1.0\"?>\n<d:multistatus xmlns:d=\"DAV:\" xmlns:s=\""
                   "http://sabredav.org/ns\" xmlns:card=\"urn:ietf:params:xml:ns:carddav\">\n"
                   " <d:response>\n  <d:href>/remote.php/dav/addressbooks/users/al/contacts/"
                   "a%20b.vcf</d:href>\n  <d:propstat>\n   <d:prop>\n    <d:getetag>&quot;"
                   "f00&quot;</d:getetag>\n   </d:prop>\n   <d:status>HTTP/1.1 200 OK</d:status>"
                   "\n  </d:propstat>\n </d:response>\n <d:response>\n  <d:href>/remote.php/"
                   "dav/addressbooks/users/al/contacts/gone.vcf</d:href>\n  <d:status>HTTP/1.1 "
                   "404 Not Found</d:status>\n </d:response>\n <d:sync-token>http://sabre.io/ns/"
                   "sync/42</d:sync-token>\n</d:multistatus>\n")
            << "token http://sabre.io/ns/sync/42\n"
               "/remote.php/dav/addressbooks/users/al/contacts/a%20b.vcf etag=\"f00\"\n"
               "/remote.php/dav/addressbooks/users/al/contacts/gone.vcf status=404";
        QTest::newRow("iCloud-like: namespaces declared where used, CDATA, entities")
            << QByteArray(
                   "<multistatus xmlns='DAV:'><response><href>https://p01-caldav.example.com/1/"
                   "calendars/home/e.ics</href><propstat><prop><getetag>\"C=1@U=2\"</getetag>"
                   "<calendar-data xmlns='urn:ietf:params:xml:ns:caldav'><![CDATA[BEGIN:VCALENDAR"
                   "\r\nSUMMARY:Tom & Eve\r\nEND:VCALENDAR]]></calendar-data></prop><status>"
                   "HTTP/1.1 200 OK</status></propstat></response><response><href>/c.vcf"
                   "</href><propstat><prop><A:address-data xmlns:A='urn:ietf:params:xml:ns:"
                   "carddav'>FN:Ann &amp; Bob</A:address-data></prop><status>HTTP/1.1 200 OK"
                   "</status></propstat></response></multistatus>")
            << "https://p01-caldav.example.com/1/calendars/home/e.ics etag=\"C=1@U=2\" "
               "data=BEGIN:VCALENDAR\nSUMMARY:Tom & Eve\nEND:VCALENDAR\n"
               "/c.vcf data=FN:Ann & Bob";
        QTest::newRow("names of another namespace are not DAV's")
            << QByteArray("<D:multistatus xmlns:D='DAV:' xmlns:X='urn:x'><D:response><D:href>/x/"
                          "</D:href><D:propstat><D:prop><D:resourcetype><X:addressbook/>"
                          "<X:calendar/></D:resourcetype><X:getetag>1</X:getetag><X:displayname>"
                          "no</X:displayname></D:prop><D:status>HTTP/1.1 200 OK</D:status>"
                          "</D:propstat></D:response></D:multistatus>")
            << "/x/";
        QTest::newRow("a sync report held back")
            << QByteArray("<multistatus xmlns='DAV:'><response><href>/c/</href><status>HTTP/1.1 "
                          "507 Insufficient Storage</status></response><sync-token>t2"
                          "</sync-token></multistatus>")
            << "token t2 truncated\n/c/ status=507";
        QTest::newRow("cut short")
            << QByteArray("<multistatus xmlns='DAV:'><response><href>/a") << QString();
        QTest::newRow("an error, not a multistatus")
            << QByteArray("<error xmlns='DAV:'><valid-sync-token/></error>") << QString();
        QTest::newRow("multistatus of no namespace")
            << QByteArray("<multistatus><response/></multistatus>") << QString();
        QTest::newRow("empty") << QByteArray() << QString();
        QTest::newRow("text after the root")
            << QByteArray("<multistatus xmlns='DAV:'/><multistatus xmlns='DAV:'/>") << QString();
    }
    void reads()
    {
        QFETCH(QByteArray, xml);
        QFETCH(QString, expected);
        QString error;
        const std::optional<DavMultistatus> answer = parseMultistatus(xml, &error);
        QCOMPARE(answer.has_value(), !expected.isEmpty());
        if (answer)
            QCOMPARE(describe(*answer), expected);
        else
            QVERIFY(!error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestDavXml)
#include "test_davxml.moc"
