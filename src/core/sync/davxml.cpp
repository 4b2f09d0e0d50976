#include "core/sync/davxml.h"

#include <QCoreApplication>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <functional>

namespace {

constexpr QStringView davNs = u"DAV:";
constexpr QStringView cardNs = u"urn:ietf:params:xml:ns:carddav";
constexpr QStringView calNs = u"urn:ietf:params:xml:ns:caldav";

bool is(const QXmlStreamReader& xml, QStringView ns, QStringView name)
{
    return xml.namespaceUri() == ns && xml.name() == name;
}

// "HTTP/1.1 404 Not Found" -> 404; 0 when unreadable.
int statusCode(const QString& line)
{
    const QStringList parts = line.simplified().split(u' ');
    return parts.size() >= 2 ? parts[1].toInt() : 0;
}

// The href children of the current element (a home set, a principal).
QStringList hrefs(QXmlStreamReader& xml)
{
    QStringList result;
    while (xml.readNextStartElement()) {
        if (is(xml, davNs, u"href"))
            result << xml.readElementText().trimmed();
        else
            xml.skipCurrentElement();
    }
    return result;
}

void readProp(QXmlStreamReader& xml, DavResponse& into)
{
    while (xml.readNextStartElement()) {
        if (is(xml, davNs, u"getetag")) {
            into.etag = xml.readElementText().trimmed();
        } else if (is(xml, davNs, u"displayname")) {
            into.displayName = xml.readElementText().trimmed();
        } else if (is(xml, davNs, u"sync-token")) {
            into.syncToken = xml.readElementText().trimmed();
        } else if (is(xml, davNs, u"current-user-principal")) {
            into.principal = hrefs(xml).value(0);
        } else if (is(xml, cardNs, u"addressbook-home-set")) {
            into.addressBookHomes = hrefs(xml);
        } else if (is(xml, calNs, u"calendar-home-set")) {
            into.calendarHomes = hrefs(xml);
        } else if (is(xml, cardNs, u"address-data") || is(xml, calNs, u"calendar-data")) {
            into.data = xml.readElementText().toUtf8();
        } else if (is(xml, davNs, u"resourcetype")) {
            while (xml.readNextStartElement()) {
                into.collection |= is(xml, davNs, u"collection");
                into.addressBook |= is(xml, cardNs, u"addressbook");
                into.calendar |= is(xml, calNs, u"calendar");
                xml.skipCurrentElement();
            }
        } else if (is(xml, calNs, u"supported-calendar-component-set")) {
            while (xml.readNextStartElement()) {
                if (is(xml, calNs, u"comp"))
                    into.components
                        << xml.attributes().value(QStringLiteral("name")).toString().toUpper();
                xml.skipCurrentElement();
            }
        } else {
            xml.skipCurrentElement();
        }
    }
}

// A propstat's properties count only under a 2xx status, which follows them.
void readPropstat(QXmlStreamReader& xml, DavResponse& into)
{
    DavResponse found;
    int status = 0;
    while (xml.readNextStartElement()) {
        if (is(xml, davNs, u"prop"))
            readProp(xml, found);
        else if (is(xml, davNs, u"status"))
            status = statusCode(xml.readElementText());
        else
            xml.skipCurrentElement();
    }
    if (status < 200 || status > 299)
        return;
    auto take = [](auto& to, const auto& from) {
        if (!from.isEmpty())
            to = from;
    };
    take(into.etag, found.etag);
    take(into.displayName, found.displayName);
    take(into.syncToken, found.syncToken);
    take(into.principal, found.principal);
    take(into.addressBookHomes, found.addressBookHomes);
    take(into.calendarHomes, found.calendarHomes);
    take(into.components, found.components);
    take(into.data, found.data);
    into.collection |= found.collection;
    into.addressBook |= found.addressBook;
    into.calendar |= found.calendar;
}

DavResponse readResponse(QXmlStreamReader& xml)
{
    DavResponse response;
    while (xml.readNextStartElement()) {
        if (is(xml, davNs, u"href") && response.href.isEmpty())
            response.href = xml.readElementText().trimmed();
        else if (is(xml, davNs, u"status"))
            response.status = statusCode(xml.readElementText());
        else if (is(xml, davNs, u"propstat"))
            readPropstat(xml, response);
        else
            xml.skipCurrentElement();
    }
    return response;
}

QByteArray document(const std::function<void(QXmlStreamWriter&)>& body)
{
    QByteArray out;
    QXmlStreamWriter xml(&out);
    xml.writeStartDocument();
    xml.writeNamespace(davNs.toString(), QStringLiteral("d"));
    xml.writeNamespace(cardNs.toString(), QStringLiteral("card"));
    xml.writeNamespace(calNs.toString(), QStringLiteral("cal"));
    body(xml);
    xml.writeEndDocument();
    return out;
}

void writeProps(QXmlStreamWriter& xml,
                std::initializer_list<std::pair<QStringView, QStringView>> props)
{
    xml.writeStartElement(davNs.toString(), QStringLiteral("prop"));
    for (const auto& [ns, name] : props)
        xml.writeEmptyElement(ns.toString(), name.toString());
    xml.writeEndElement();
}

QByteArray propfind(std::initializer_list<std::pair<QStringView, QStringView>> props)
{
    return document([&](QXmlStreamWriter& xml) {
        xml.writeStartElement(davNs.toString(), QStringLiteral("propfind"));
        writeProps(xml, props);
        xml.writeEndElement();
    });
}

} // namespace

std::optional<DavMultistatus> parseMultistatus(const QByteArray& body, QString* error)
{
    QXmlStreamReader xml(body);
    DavMultistatus result;
    if (xml.readNextStartElement() && is(xml, davNs, u"multistatus")) {
        while (xml.readNextStartElement()) {
            if (is(xml, davNs, u"response"))
                result.responses << readResponse(xml);
            else if (is(xml, davNs, u"sync-token"))
                result.syncToken = xml.readElementText().trimmed();
            else
                xml.skipCurrentElement();
        }
        // Nothing may follow the root but comments and white space.
        while (!xml.atEnd() && !xml.hasError())
            xml.readNext();
    } else if (!xml.hasError()) {
        xml.raiseError(QCoreApplication::translate("DavXml", "not a multistatus answer"));
    }
    if (xml.hasError()) {
        *error = QStringLiteral("%1 (line %2)").arg(xml.errorString()).arg(xml.lineNumber());
        return std::nullopt;
    }
    for (const DavResponse& response : std::as_const(result.responses))
        result.truncated |= response.status == 507;
    return result;
}

QByteArray discoveryPropfind()
{
    return propfind({{davNs, u"current-user-principal"},
                     {davNs, u"resourcetype"},
                     {davNs, u"displayname"},
                     {cardNs, u"addressbook-home-set"},
                     {calNs, u"calendar-home-set"},
                     {calNs, u"supported-calendar-component-set"}});
}

QByteArray listingPropfind()
{
    return propfind({{davNs, u"resourcetype"}, {davNs, u"getetag"}, {davNs, u"sync-token"}});
}

QByteArray syncCollectionReport(const QString& token)
{
    return document([&](QXmlStreamWriter& xml) {
        xml.writeStartElement(davNs.toString(), QStringLiteral("sync-collection"));
        xml.writeTextElement(davNs.toString(), QStringLiteral("sync-token"), token);
        xml.writeTextElement(davNs.toString(), QStringLiteral("sync-level"), QStringLiteral("1"));
        writeProps(xml, {{davNs, u"getetag"}});
        xml.writeEndElement();
    });
}

QByteArray multigetReport(bool addressBook, const QStringList& hrefs)
{
    const QString ns = (addressBook ? cardNs : calNs).toString();
    return document([&](QXmlStreamWriter& xml) {
        xml.writeStartElement(ns, addressBook ? QStringLiteral("addressbook-multiget")
                                              : QStringLiteral("calendar-multiget"));
        xml.writeStartElement(davNs.toString(), QStringLiteral("prop"));
        xml.writeEmptyElement(davNs.toString(), QStringLiteral("getetag"));
        xml.writeEmptyElement(ns, addressBook ? QStringLiteral("address-data")
                                              : QStringLiteral("calendar-data"));
        xml.writeEndElement();
        for (const QString& href : hrefs)
            xml.writeTextElement(davNs.toString(), QStringLiteral("href"), href);
        xml.writeEndElement();
    });
}
