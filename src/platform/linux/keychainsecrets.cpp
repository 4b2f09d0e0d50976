#include "platform/keychainsecrets.h"

#include <qt6keychain/keychain.h>

#include <QCoreApplication>

namespace {

// The errors that say no secret service is there to ask, rather than that it refused.
bool serviceMissing(QKeychain::Error error)
{
    return error == QKeychain::NoBackendAvailable || error == QKeychain::NotImplemented ||
           error == QKeychain::OtherError;
}

} // namespace

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
    auto* job = new QKeychain::ReadPasswordJob(m_service, this);
    job->setKey(sourceId);
    connect(job, &QKeychain::Job::finished, this, [this, job, sourceId, done] {
        if (job->error() == QKeychain::NoError) {
            m_session.insert(sourceId, job->textData());
            done(job->textData());
            return;
        }
        if (serviceMissing(job->error()))
            giveUp(job->errorString());
        done(std::nullopt);
    });
    job->start();
}

void KeychainSecrets::write(const QString& sourceId, const QString& password, Written done)
{
    m_session.insert(sourceId, password);
    if (!m_persistent) {
        done(QString());
        return;
    }
    auto* job = new QKeychain::WritePasswordJob(m_service, this);
    job->setKey(sourceId);
    job->setTextData(password);
    connect(job, &QKeychain::Job::finished, this, [this, job, done] {
        if (job->error() == QKeychain::NoError) {
            done(QString());
            return;
        }
        // Kept for the session either way; a refusal is told, a missing service once.
        if (serviceMissing(job->error())) {
            giveUp(job->errorString());
            done(QString());
            return;
        }
        done(job->errorString());
    });
    job->start();
}

void KeychainSecrets::remove(const QString& sourceId)
{
    m_session.remove(sourceId);
    if (!m_persistent)
        return;
    auto* job = new QKeychain::DeletePasswordJob(m_service, this);
    job->setKey(sourceId);
    job->start();
}
