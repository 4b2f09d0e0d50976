#include "ui/platform/dbusnotifier.h"

#include "core/program/programidentity.h"

#include <QDBusMessage>
#include <QDBusVariant>
#include <QVariantMap>

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

bool DBusNotifier::notify(const Message& message)
{
    if (!m_bus.isConnected())
        return false;
    const QDBusMessage capabilitiesReply = m_bus.call(
        QDBusMessage::createMethodCall(service, path, interface, QStringLiteral("GetCapabilities")),
        QDBus::Block, callTimeoutMs);
    if (capabilitiesReply.type() != QDBusMessage::ReplyMessage ||
        capabilitiesReply.arguments().isEmpty())
        return false;
    const QStringList capabilities = capabilitiesReply.arguments().constFirst().toStringList();

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
    const QDBusMessage reply = m_bus.call(call, QDBus::Block, callTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return false;
    if (!actions.isEmpty())
        m_withAction.insert(reply.arguments().constFirst().toUInt());
    return true;
}

void DBusNotifier::onActionInvoked(uint id, const QString& actionKey)
{
    // Other programs' notifications raise the same signal.
    if (!m_withAction.contains(id))
        return;
    if (actionKey == showAction || actionKey == QLatin1String("default"))
        emit showRequested();
}

void DBusNotifier::onNotificationClosed(uint id, uint /*reason*/)
{
    m_withAction.remove(id);
}
