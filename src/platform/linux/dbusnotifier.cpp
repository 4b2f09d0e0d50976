#include "platform/linux/dbusnotifier.h"

#include "core/program/programidentity.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QVariantMap>

#include <utility>

namespace {

const QString service = QStringLiteral("org.freedesktop.Notifications");
const QString path = QStringLiteral("/org/freedesktop/Notifications");
const QString interface = QStringLiteral("org.freedesktop.Notifications");
const QString showAction = QStringLiteral("show");
// Urgency levels as the freedesktop notification service defines them.
constexpr uchar urgencyNormal = 1;
constexpr uchar urgencyCritical = 2;

} // namespace

DBusNotifier::DBusNotifier(QObject* parent) : DBusNotifier(QDBusConnection::sessionBus(), parent) {}

DBusNotifier::DBusNotifier(const QDBusConnection& bus, QObject* parent)
    : Notifier(parent), m_bus(bus)
{
    connectSignals();
}

void DBusNotifier::connectSignals()
{
    if (!m_bus.isConnected())
        return;
    m_bus.connect(service, path, interface, QStringLiteral("ActionInvoked"), this,
                  SLOT(onActionInvoked(uint, QString)));
    m_bus.connect(service, path, interface, QStringLiteral("NotificationClosed"), this,
                  SLOT(onNotificationClosed(uint, uint)));
}

int DBusNotifier::notify(const Message& message)
{
    const int request = nextRequest();
    if (!m_bus.isConnected()) {
        answerLater(request, false);
        return request;
    }
    m_waiting.append({request, message});
    if (!m_askingCapabilities)
        askCapabilities();
    return request;
}

void DBusNotifier::askCapabilities()
{
    m_askingCapabilities = true;
    const QDBusPendingCall call = m_bus.asyncCall(
        QDBusMessage::createMethodCall(service, path, interface, QStringLiteral("GetCapabilities")),
        callTimeoutMs);
    auto* watcher = new QDBusPendingCallWatcher(call, this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                sendWaiting(finished->reply());
            });
}

void DBusNotifier::sendWaiting(const QDBusMessage& capabilitiesReply)
{
    // Messages sent from a handler of answered() wait for a question of their own.
    m_askingCapabilities = false;
    const QList<Waiting> waiting = std::exchange(m_waiting, {});
    const bool answered = capabilitiesReply.type() == QDBusMessage::ReplyMessage &&
                          capabilitiesReply.signature() == QLatin1String("as");
    const QStringList capabilities =
        answered ? capabilitiesReply.arguments().constFirst().toStringList() : QStringList();
    for (const Waiting& message : waiting) {
        if (answered)
            send(message.request, message.message, capabilities);
        else
            Q_EMIT this->answered(message.request, false);
    }
}

void DBusNotifier::send(int request, const Message& message, const QStringList& capabilities)
{
    // Where the service reads markup, a name such as "Tom & Jerry" must not be taken for it.
    const QString body = capabilities.contains(QLatin1String("body-markup"))
                             ? message.body.toHtmlEscaped()
                             : message.body;
    QStringList actions;
    if (message.urgent && capabilities.contains(QLatin1String("actions")))
        actions = {showAction, showActionText()};
    QVariantMap hints;
    hints.insert(QStringLiteral("urgency"),
                 QVariant::fromValue(message.urgent ? urgencyCritical : urgencyNormal));
    hints.insert(QStringLiteral("desktop-entry"), QStringLiteral("candlewatcher"));

    QDBusMessage call =
        QDBusMessage::createMethodCall(service, path, interface, QStringLiteral("Notify"));
    call << programTitle() << uint(0) << QStringLiteral("candlewatcher") << message.title << body
         << actions << hints << int(message.urgent ? 0 : -1); // 0: until dismissed
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call, callTimeoutMs), this);
    const bool withAction = !actions.isEmpty();
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, request, withAction](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                // The service gives the notification's id; any other answer is no delivery.
                const QDBusMessage reply = finished->reply();
                const bool accepted = reply.type() == QDBusMessage::ReplyMessage &&
                                      reply.signature() == QLatin1String("u");
                if (accepted && withAction)
                    m_withAction.insert(reply.arguments().constFirst().toUInt());
                Q_EMIT answered(request, accepted);
            });
}

void DBusNotifier::onActionInvoked(uint id, const QString& actionKey)
{
    // Other programs' notifications raise the same signal.
    if (!m_withAction.contains(id))
        return;
    if (actionKey == showAction || actionKey == QLatin1String("default"))
        Q_EMIT showRequested();
}

void DBusNotifier::onNotificationClosed(uint id, uint /*reason*/)
{
    m_withAction.remove(id);
}

std::unique_ptr<Notifier> createNotifier(TrayIconLookup)
{
    return std::make_unique<DBusNotifier>();
}
