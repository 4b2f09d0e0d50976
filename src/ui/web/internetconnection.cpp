#include "ui/web/internetconnection.h"

#include <QNetworkInformation>

namespace InternetConnection {

bool internetConnectedCheck()
{
    if (!QNetworkInformation::instance())
        QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability);
    const QNetworkInformation* info = QNetworkInformation::instance();
    if (!info || !info->supports(QNetworkInformation::Feature::Reachability))
        return true;
    // Only a certain "offline" stops the request: a local network may well reach the server.
    return info->reachability() != QNetworkInformation::Reachability::Disconnected;
}

bool internetAutodial(bool unattended)
{
    Q_UNUSED(unattended);
    return false;
}

bool internetConnect()
{
    return internetConnectedCheck() || internetAutodial(false);
}

} // namespace InternetConnection
