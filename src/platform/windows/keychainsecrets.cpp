#include "platform/keychainsecrets.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// After windows.h, which it needs.
#include <wincred.h>

// The passwords in the user's Windows credential store, as generic credentials named
// "<program>/<source id>", kept for the user's logon on this machine. Called directly: no
// QtKeychain for Windows could be built here, and these three calls are all it would make.

namespace {

QString targetName(const QString& service, const QString& sourceId)
{
    return service + u'/' + sourceId;
}

LPCWSTR wide(const QString& text)
{
    return reinterpret_cast<LPCWSTR>(text.utf16());
}

QString lastError()
{
    return qt_error_string(int(GetLastError()));
}

} // namespace

void KeychainSecrets::readStored(const QString& sourceId, Read done)
{
    const QString target = targetName(m_service, sourceId);
    PCREDENTIALW credential = nullptr;
    if (!CredReadW(wide(target), CRED_TYPE_GENERIC, 0, &credential)) {
        // Not found is an answer; anything else says the store cannot be used.
        if (GetLastError() != ERROR_NOT_FOUND)
            giveUp(lastError());
        done(std::nullopt);
        return;
    }
    const QString password =
        QString::fromUtf16(reinterpret_cast<const char16_t*>(credential->CredentialBlob),
                           qsizetype(credential->CredentialBlobSize / sizeof(char16_t)));
    CredFree(credential);
    done(password);
}

void KeychainSecrets::writeStored(const QString& sourceId, const QString& password, Written done)
{
    QString target = targetName(m_service, sourceId);
    QString user = sourceId;
    QString blob = password;
    CREDENTIALW credential = {};
    credential.Type = CRED_TYPE_GENERIC;
    credential.TargetName = reinterpret_cast<LPWSTR>(target.data());
    credential.UserName = reinterpret_cast<LPWSTR>(user.data());
    credential.CredentialBlob = reinterpret_cast<LPBYTE>(blob.data());
    credential.CredentialBlobSize = DWORD(blob.size() * sizeof(char16_t));
    credential.Persist = CRED_PERSIST_LOCAL_MACHINE;
    if (CredWriteW(&credential, 0)) {
        done(QString());
        return;
    }
    // A store that is not there is given up on; a refusal is told.
    const DWORD error = GetLastError();
    const QString reason = lastError();
    if (error == ERROR_NO_SUCH_LOGON_SESSION || error == ERROR_NOT_SUPPORTED) {
        giveUp(reason);
        done(QString());
        return;
    }
    done(reason);
}

void KeychainSecrets::removeStored(const QString& sourceId)
{
    CredDeleteW(wide(targetName(m_service, sourceId)), CRED_TYPE_GENERIC, 0);
}
