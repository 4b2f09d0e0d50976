#include "ui/app/synccommands.h"

#include "core/exchange/calendarexchange.h"
#include "core/program/programidentity.h"
#include "core/settings/settingsstore.h"
#include "core/sync/publisher.h"
#include "core/sync/syncqueue.h"
#include "ui/dialogs/certificatequestion.h"
#include "ui/dialogs/subscriptionsdialog.h"
#include "ui/list/messageprompt.h"
#include "ui/platform/keychainsecrets.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QUrl>

#include <chrono>

SyncCommands::SyncCommands(BirthdayStore& store, SettingsStore& settings, const Clock& clock,
                           QWidget* dialogParent)
    : QObject(dialogParent), m_store(store), m_settings(settings), m_clock(clock),
      m_dialogParent(dialogParent), m_secrets(new KeychainSecrets(this))
{
    m_timer.setObjectName(QStringLiteral("tmrSync"));
    m_queue = new SyncQueue(
        m_store, m_clock, [this] { return m_clients ? m_clients() : nullptr; }, *m_secrets, this);
    m_queue->setPasswordAsk(
        [this](const SyncSource& source) { return askPassword(source.url, source.userName); });
    m_queue->setCertificateAsk(
        [this](const SyncSource& source, const UntrustedCertificate& certificate) {
            return askCertificate(source.url, certificate);
        });
    m_publisher = new Publisher(
        m_store, m_clock, [this] { return m_clients ? m_clients() : nullptr; }, *m_secrets,
        [this] { return CalendarExchange::exportOptions(m_settings, m_clock); }, this);
    m_publisher->setPasswordAsk(
        [this](const PublishTarget& target) { return askPassword(target.url, target.userName); });
    m_publisher->setCertificateAsk(
        [this](const PublishTarget& target, const UntrustedCertificate& certificate) {
            return askCertificate(target.url, certificate);
        });
    // A publish that had nothing to send leaves the sync's line in the status bar.
    connect(m_publisher, &Publisher::finished, this,
            [this](bool ok, const QString& summary, bool sent) {
                if (!ok || sent)
                    Q_EMIT status(summary);
            });
    connect(m_queue, &SyncQueue::idle, m_publisher, &Publisher::publish);
    connect(m_secrets, &KeychainSecrets::unavailable, this, [this](const QString& reason) {
        m_noSecretService = true;
        Q_EMIT status(tr("No secret service answered (%1): passwords are asked for once a "
                         "session and not kept.")
                          .arg(reason));
    });
    connect(m_queue, &SyncQueue::sourceStarted, this, [this](const QString&, const QString& name) {
        Q_EMIT status(tr("Syncing \"%1\"...").arg(name));
    });
    connect(
        m_queue, &SyncQueue::sourceFinished, this,
        [this](const QString&, const QString& name, bool, const QString& summary, bool changed) {
            //: %1 is the subscription's name, %2 what its sync did or why it failed.
            Q_EMIT status(name.isEmpty() ? summary : tr("%1: %2").arg(name, summary));
            if (changed)
                Q_EMIT refreshNeeded();
        });
    connect(&m_timer, &QTimer::timeout, m_queue, &SyncQueue::syncAll);
}

SyncCommands::~SyncCommands() = default;

void SyncCommands::start()
{
    const int hours = m_settings.read(Setting::syncHours).value_or(0);
    if (hours > 0) {
        m_timer.setInterval(std::chrono::hours(hours));
        m_timer.start();
        // A source that failed (a laptop's network not up yet at start) is not left for hours.
        m_queue->setRetry(std::chrono::minutes(10), std::chrono::hours(hours));
    }
    m_queue->syncAll();
}

std::optional<QString> SyncCommands::askPassword(const QString& url, const QString& userName)
{
    bool ok = false;
    const QString label =
        (m_noSecretService ? tr("No secret service keeps the password: it is asked for once a "
                                "session.\n\n")
                           : QString()) +
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
    SubscriptionsDialog dialog(
        m_store, m_clock, [this] { return m_clients ? m_clients() : nullptr; }, *m_secrets,
        *m_queue, *m_publisher, m_dialogParent);
    connect(&dialog, &SubscriptionsDialog::eventsChanged, this, &SyncCommands::refreshNeeded);
    dialog.exec();
}
