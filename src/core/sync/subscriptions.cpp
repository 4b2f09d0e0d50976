#include "core/sync/subscriptions.h"

#include "core/store/fieldtable.h"
#include "core/store/jsonfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QUuid>

namespace {

// Raised when a later version changes what an older one would misread.
constexpr int fileVersion = 1;

const QStringList kindNames = {QStringLiteral("carddav"), QStringLiteral("caldav"),
                               QStringLiteral("ics")};
const QStringList stateNames = {QStringLiteral("linked"), QStringLiteral("detached"),
                                QStringLiteral("deleted")};

QJsonObject sourceObject(const SyncSource& source)
{
    QJsonObject object{{"id", source.id},
                       {"kind", kindNames[int(source.kind)]},
                       {"url", source.url},
                       {"user", source.userName},
                       {"name", source.displayName},
                       {"lastSync", source.lastSync.toUTC().toString(Qt::ISODate)},
                       {"lastResult", source.lastResult},
                       {"syncToken", source.syncToken}};
    if (!source.acceptedCertificate.isEmpty())
        object.insert("certificate", QString::fromLatin1(source.acceptedCertificate));
    return object;
}

QJsonObject linkObject(const SyncLink& link)
{
    QJsonObject written;
    for (int slot = 0; slot < BirthdayRecord::FieldCount; ++slot)
        if (slot != BirthdayRecord::LastDate)
            written.insert(FieldTable::fieldNames[slot], link.written.values[slot]);
    return {{"source", link.sourceId}, {"href", link.href},
            {"uid", link.uid},         {"anniversary", link.anniversary},
            {"etag", link.etag},       {"key", link.key},
            {"written", written},      {"state", stateNames[int(link.state)]}};
}

// Unknown members are passed over, missing ones take their defaults; a value of the wrong kind
// or an unknown name makes the file damaged.
bool readSource(const QJsonValue& value, SyncSource& source)
{
    const QJsonObject o = value.toObject();
    const qsizetype kind = kindNames.indexOf(o.value("kind").toString());
    source.id = o.value("id").toString();
    source.kind = SyncSource::Kind(kind);
    source.url = o.value("url").toString();
    source.userName = o.value("user").toString();
    source.displayName = o.value("name").toString();
    source.lastSync = QDateTime::fromString(o.value("lastSync").toString(), Qt::ISODate);
    source.lastResult = o.value("lastResult").toString();
    source.syncToken = o.value("syncToken").toString();
    source.acceptedCertificate = o.value("certificate").toString().toLatin1();
    return value.isObject() && kind >= 0 && !source.id.isEmpty();
}

bool readLink(const QJsonValue& value, SyncLink& link)
{
    const QJsonObject o = value.toObject();
    const qsizetype state = stateNames.indexOf(o.value("state").toString(stateNames[0]));
    link.sourceId = o.value("source").toString();
    link.href = o.value("href").toString();
    link.uid = o.value("uid").toString();
    link.anniversary = o.value("anniversary").toBool();
    link.etag = o.value("etag").toString();
    link.key = o.value("key").toInt(-1);
    link.state = SyncLink::State(state);
    const QJsonObject written = o.value("written").toObject();
    for (int slot = 0; slot < BirthdayRecord::FieldCount; ++slot)
        link.written.values[slot] = written.value(FieldTable::fieldNames[slot]).toString();
    link.written.values[BirthdayRecord::LastDate].clear();
    return value.isObject() && state >= 0 && !link.sourceId.isEmpty() && !link.href.isEmpty();
}

QJsonObject publishingObject(const PublishTarget& target)
{
    QJsonArray events;
    for (const PublishedEvent& event : target.events)
        events.append(QJsonObject{
            {"uid", event.uid}, {"href", event.href}, {"etag", event.etag}, {"hash", event.hash}});
    QJsonObject object{{"url", target.url},
                       {"user", target.userName},
                       {"name", target.displayName},
                       {"lastPublish", target.lastPublish.toUTC().toString(Qt::ISODate)},
                       {"lastResult", target.lastResult},
                       {"events", events}};
    if (!target.acceptedCertificate.isEmpty())
        object.insert("certificate", QString::fromLatin1(target.acceptedCertificate));
    return object;
}

bool readPublishing(const QJsonValue& value, PublishTarget& target)
{
    const QJsonObject o = value.toObject();
    target.url = o.value("url").toString();
    target.userName = o.value("user").toString();
    target.displayName = o.value("name").toString();
    target.lastPublish = QDateTime::fromString(o.value("lastPublish").toString(), Qt::ISODate);
    target.lastResult = o.value("lastResult").toString();
    target.acceptedCertificate = o.value("certificate").toString().toLatin1();
    bool whole = value.isObject() && !target.url.isEmpty();
    const QJsonArray events = o.value("events").toArray();
    for (const auto& item : events) {
        const QJsonObject e = item.toObject();
        target.events.append({e.value("uid").toString(), e.value("href").toString(),
                              e.value("etag").toString(), e.value("hash").toString()});
        whole =
            whole && !target.events.last().uid.isEmpty() && !target.events.last().href.isEmpty();
    }
    return whole;
}

} // namespace

bool SyncLink::unedited(const BirthdayRecord& stored) const
{
    auto values = stored.values;
    values[BirthdayRecord::LastDate] = written.value(BirthdayRecord::LastDate);
    return values == written.values;
}

SyncSource* SubscriptionTable::source(const QString& id)
{
    for (SyncSource& source : sources)
        if (source.id == id)
            return &source;
    return nullptr;
}

const SyncSource* SubscriptionTable::sourceAt(const QString& url) const
{
    for (const SyncSource& source : sources)
        if (source.url == url)
            return &source;
    return nullptr;
}

QString SubscriptionTable::subscribeRefusal(const QString& url, const QString& name) const
{
    if (publishing && publishing->url == url)
        return bothWaysRefusal(name);
    if (const SyncSource* subscribed = sourceAt(url))
        return QCoreApplication::translate("Subscriptions", "You subscribe to \"%1\" already.")
            .arg(subscribed->displayName);
    return QString();
}

QString SubscriptionTable::publishRefusal(const QString& url, const QString& name) const
{
    if (sourceAt(url))
        return bothWaysRefusal(name);
    if (publishing)
        return QCoreApplication::translate(
                   "Subscriptions",
                   "Your events are published to \"%1\" already: remove that first.")
            .arg(publishing->displayName);
    return QString();
}

QString SubscriptionTable::bothWaysRefusal(const QString& name)
{
    return QCoreApplication::translate(
               "Subscriptions",
               "\"%1\" cannot be subscribed to and published to at once: your events would "
               "come back as subscribed ones.")
        .arg(name);
}

QHash<int, QString> SubscriptionTable::followedEvents() const
{
    QHash<int, QString> followed;
    for (const SyncLink& link : links) {
        if (link.state != SyncLink::State::Linked || link.key < 0)
            continue;
        for (const SyncSource& source : sources)
            if (source.id == link.sourceId)
                followed.insert(link.key,
                                source.displayName.isEmpty() ? source.url : source.displayName);
    }
    return followed;
}

QList<SyncLink> SubscriptionTable::linksOf(const QString& sourceId) const
{
    QList<SyncLink> found;
    for (const SyncLink& link : links)
        if (link.sourceId == sourceId)
            found.append(link);
    return found;
}

QString SubscriptionTable::add(SyncSource added)
{
    added.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    sources.append(added);
    return added.id;
}

namespace SubscriptionFile {

QString pathFor(const QString& dataPath)
{
    const QFileInfo data(dataPath);
    return data.dir().filePath(data.completeBaseName() + QStringLiteral("-subscriptions.json"));
}

Expected<SubscriptionTable> load(const QString& path)
{
    const JsonFile::Texts texts{
        QCoreApplication::translate("Subscriptions",
                                    "The subscriptions file \"%1\" is damaged: %2."),
        QCoreApplication::translate("Subscriptions",
                                    "The subscriptions file \"%1\" was written by a newer "
                                    "version of the program."),
        QCoreApplication::translate("Subscriptions",
                                    "The subscriptions file \"%1\" is larger than %2 MB, more "
                                    "than this program writes: it is not read.")};
    const Expected<std::optional<QJsonObject>> read =
        JsonFile::read(path, fileVersion, maxFileBytes, texts);
    if (!read)
        return UserError{read.error()};
    SubscriptionTable table;
    if (!*read)
        return table;
    const QJsonObject& root = **read;
    const QString name = QDir::toNativeSeparators(path);
    bool whole = true;
    const QJsonArray sources = root.value("sources").toArray();
    for (const auto& value : sources)
        whole = readSource(value, table.sources.emplace_back()) && whole;
    const QJsonArray links = root.value("links").toArray();
    for (const auto& value : links)
        whole = readLink(value, table.links.emplace_back()) && whole;
    if (root.contains("publishing"))
        whole = readPublishing(root.value("publishing"), table.publishing.emplace()) && whole;
    if (!whole) {
        return UserError{QCoreApplication::translate(
                             "Subscriptions",
                             "The subscriptions file \"%1\" is damaged: an entry in it does "
                             "not read.")
                             .arg(name)};
    }
    return table;
}

Expected<> save(const QString& path, const SubscriptionTable& table)
{
    QJsonArray sources, links;
    for (const SyncSource& source : table.sources)
        sources.append(sourceObject(source));
    for (const SyncLink& link : table.links)
        links.append(linkObject(link));
    QJsonObject root{{"sources", sources}, {"links", links}};
    if (table.publishing)
        root.insert("publishing", publishingObject(*table.publishing));
    return JsonFile::write(path, fileVersion, root);
}

} // namespace SubscriptionFile
