#include "ui/app/synccommands.h"

#include "app/syncservice.h"
#include "core/program/programidentity.h"
#include "ui/common/messageprompt.h"
#include "ui/dialogs/certificatequestion.h"
#include "ui/dialogs/subscriptionsdialog.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QUrl>

SyncCommands::SyncCommands(SyncService& sync, BirthdayStore& store, const Clock& clock,
                           QWidget* dialogParent)
    : QObject(dialogParent), m_sync(sync), m_store(store), m_clock(clock),
      m_dialogParent(dialogParent)
{
    m_sync.setPasswordAsk(
        [this](const QString& url, const QString& userName) { return askPassword(url, userName); });
    m_sync.setCertificateAsk([this](const QString& url, const UntrustedCertificate& certificate) {
        return askCertificate(url, certificate);
    });
}

SyncCommands::~SyncCommands()
{
    // The service outlives the window: it asks no one once the window is gone.
    m_sync.setPasswordAsk({});
    m_sync.setCertificateAsk({});
}

std::optional<QString> SyncCommands::askPassword(const QString& url, const QString& userName)
{
    bool ok = false;
    const QString label =
        (m_sync.passwordsKept() ? QString()
                                : tr("No secret service keeps the password: it is asked for once a "
                                     "session.\n\n")) +
        //: %1 is a user name, %2 an address.
        tr("Password of %1 at %2:").arg(userName, url);
    const QString password = QInputDialog::getText(m_dialogParent, programTitle(), label,
                                                   QLineEdit::Password, QString(), &ok);
    if (!ok)
        return std::nullopt;
    return password;
}

bool SyncCommands::askCertificate(const QString& url, const UntrustedCertificate& certificate)
{
    MessagePrompt prompt(m_dialogParent);
    return acceptCertificate(prompt, QUrl(url).host(), certificate);
}

void SyncCommands::showSubscriptions()
{
    SubscriptionsDialog dialog(m_store, m_clock, m_sync.clients(), m_sync.secrets(), m_sync.queue(),
                               m_sync.publisher(), m_dialogParent);
    connect(&dialog, &SubscriptionsDialog::eventsChanged, this, &SyncCommands::eventsChanged);
    dialog.exec();
}
