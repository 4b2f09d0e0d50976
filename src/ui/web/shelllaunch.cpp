#include "ui/web/shelllaunch.h"

#include "core/program/programidentity.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QMessageBox>
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
    QMessageBox box(QMessageBox::Warning, programTitle(),
                    QCoreApplication::translate("ShellLaunch", "%1 could not open %2.")
                        .arg(programTitle(), target),
                    QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText); // an address, shown as it is
    box.exec();
}

void openWebsite(QWidget* parent)
{
    if (!openAddress(websiteUrl()))
        showOpenFailed(parent, websiteUrl());
}
