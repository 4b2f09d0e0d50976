#pragma once

#include "core/sync/secretstore.h"

#include <QHash>
#include <QObject>

// The passwords in the system's secret store, under the program's name and the source's id: the
// desktop's secret service through QtKeychain (linux/keychainsecrets.cpp), the Windows credential
// store (windows/keychainsecrets.cpp). The first time the store does not answer, the
// unavailable handler is told, and from then on passwords are kept in memory for this session
// only.
class KeychainSecrets : public QObject, public SecretStore
{
    Q_OBJECT
public:
    explicit KeychainSecrets(QObject* parent = nullptr);

    void read(const QString& sourceId, Read done) override;
    void write(const QString& sourceId, const QString& password, Written done) override;
    void remove(const QString& sourceId) override;
    bool persistent() const override { return m_persistent; }

private:
    // The platform's store itself, asked only while it is used (persistent()).
    void readStored(const QString& sourceId, Read done);
    void writeStored(const QString& sourceId, const QString& password, Written done);
    void removeStored(const QString& sourceId);
    void giveUp(const QString& reason);

    QString m_service;
    bool m_persistent = true;
    QHash<QString, QString> m_session; // what this session was given or read
};
