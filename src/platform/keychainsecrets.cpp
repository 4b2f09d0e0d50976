#include "platform/keychainsecrets.h"

#include <QCoreApplication>

// What the platforms share: the session's copy of every password, and giving up on a store
// that is not there.

KeychainSecrets::KeychainSecrets(QObject* parent)
    : QObject(parent), m_service(QCoreApplication::applicationName())
{}

void KeychainSecrets::giveUp(const QString& reason)
{
    if (!m_persistent)
        return;
    m_persistent = false;
    tellUnavailable(reason);
}

void KeychainSecrets::read(const QString& sourceId, Read done)
{
    if (m_session.contains(sourceId) || !m_persistent) {
        done(m_session.contains(sourceId) ? std::optional(m_session.value(sourceId))
                                          : std::nullopt);
        return;
    }
    readStored(sourceId, [this, sourceId, done](const std::optional<QString>& password) {
        if (password)
            m_session.insert(sourceId, *password);
        done(password);
    });
}

void KeychainSecrets::write(const QString& sourceId, const QString& password, Written done)
{
    // Kept for the session either way; a refusal is told, a missing store once.
    m_session.insert(sourceId, password);
    if (m_persistent)
        writeStored(sourceId, password, std::move(done));
    else
        done(QString());
}

void KeychainSecrets::remove(const QString& sourceId)
{
    m_session.remove(sourceId);
    if (m_persistent)
        removeStored(sourceId);
}
