#include "ui/web/shelllaunch.h"

#include "core/program/programidentity.h"
#include "ui/common/messageprompt.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>

bool openAddress(const QString& target)
{
    const QUrl url(target.trimmed(), QUrl::TolerantMode);
    if (!url.isValid() || url.scheme().isEmpty())
        return false;
    return QDesktopServices::openUrl(url);
}

QString websiteUrl()
{
    return QStringLiteral(CANDLEWATCHER_WEBSITE_URL);
}

QString supportMail()
{
    return QStringLiteral(CANDLEWATCHER_SUPPORT_MAIL);
}

void showOpenFailed(QWidget* parent, const QString& target)
{
    MessagePrompt(parent).inform(QMessageBox::Warning,
                                 QCoreApplication::translate("ShellLaunch", "%1 could not open %2.")
                                     .arg(programTitle(), target));
}

void openWebsite(QWidget* parent)
{
    if (!openAddress(websiteUrl()))
        showOpenFailed(parent, websiteUrl());
}
