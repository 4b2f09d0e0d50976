#include "platform/keychainsecrets.h"

#include <qt6keychain/keychain.h>

namespace {

// The errors that say no secret service is there to ask, rather than that it refused.
bool serviceMissing(QKeychain::Error error)
{
    return error == QKeychain::NoBackendAvailable || error == QKeychain::NotImplemented ||
           error == QKeychain::OtherError;
}

} // namespace

void KeychainSecrets::readStored(const QString& sourceId, Read done)
{
    auto* job = new QKeychain::ReadPasswordJob(m_service, this);
    job->setKey(sourceId);
    connect(job, &QKeychain::Job::finished, this, [this, job, done] {
        if (job->error() == QKeychain::NoError) {
            done(job->textData());
            return;
        }
        if (serviceMissing(job->error()))
            giveUp(job->errorString());
        done(std::nullopt);
    });
    job->start();
}

void KeychainSecrets::writeStored(const QString& sourceId, const QString& password, Written done)
{
    auto* job = new QKeychain::WritePasswordJob(m_service, this);
    job->setKey(sourceId);
    job->setTextData(password);
    connect(job, &QKeychain::Job::finished, this, [this, job, done] {
        if (job->error() == QKeychain::NoError) {
            done(QString());
            return;
        }
        if (serviceMissing(job->error())) {
            giveUp(job->errorString());
            done(QString());
            return;
        }
        done(job->errorString());
    });
    job->start();
}

void KeychainSecrets::removeStored(const QString& sourceId)
{
    auto* job = new QKeychain::DeletePasswordJob(m_service, this);
    job->setKey(sourceId);
    job->start();
}
