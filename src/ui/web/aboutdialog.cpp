#include "ui/web/aboutdialog.h"

#include "ui/web/shelllaunch.h"
#include "core/text/textconv.h"
#include "core/program/sysinfolauncher.h"
#include "core/comments/webtexts.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* labelMake(const QString& name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

// A label showing an address as a link; clicking it calls back with the address.
QLabel* linkMake(const QString& name, const QString& address, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::RichText);
    label->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(address.toHtmlEscaped()));
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    label->setOpenExternalLinks(false);
    label->setCursor(Qt::PointingHandCursor);
    label->setToolTip(address);
    return label;
}

// The link addresses stand a little to the right of the texts that introduce them.
QHBoxLayout* indented(QWidget* widget)
{
    auto* row = new QHBoxLayout;
    row->addSpacing(12);
    row->addWidget(widget);
    row->addStretch(1);
    return row;
}

QFrame* lineMake(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent), m_urlOpener(fileLaunch)
{
    const QString titleAndVersion =
        WebTexts::programTitle() + QStringLiteral(" v") + TextConv::versionText();
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About ") + titleAndVersion);

    m_lblTitle = labelMake(QStringLiteral("lblTitle"), titleAndVersion, this);
    QFont titleFont = m_lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 14.25 / 8.25);
    m_lblTitle->setFont(titleFont);

    m_lblDescription = labelMake(
        QStringLiteral("lblDescription"),
        QStringLiteral("Candlewatcher keeps your birthdays, anniversaries and other important "
                       "dates, and reminds you of them from the system tray in good time."),
        this);
    m_lblMoreInfo = labelMake(QStringLiteral("lblMoreInfo"),
                              QStringLiteral("For more information on this or any of our freeware "
                                             "and shareware products, please visit our website "
                                             "at:"),
                              this);
    m_lblWebsiteURL = linkMake(QStringLiteral("lblWebsiteURL"), websiteUrl(), this);
    m_lblEMail =
        labelMake(QStringLiteral("lblEMail"), QStringLiteral("Or e-mail Marrowfell on:"), this);
    m_lblEMailURL = linkMake(QStringLiteral("lblEMailURL"), supportMail(), this);
    connect(m_lblWebsiteURL, &QLabel::linkActivated, this, &AboutDialog::lblWebsiteURLClick);
    connect(m_lblEMailURL, &QLabel::linkActivated, this, &AboutDialog::lblEMailURLClick);

    m_cmdOK = new QPushButton(QStringLiteral("OK"), this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setDefault(true);
    m_cmdSysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    m_cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    for (QPushButton* button : {m_cmdOK, m_cmdSysInfo})
        button->setMinimumWidth(84);
    // OK is both the default and the cancel button: Enter presses it, Escape closes as well.
    connect(m_cmdOK, &QPushButton::clicked, this, &AboutDialog::accept);
    connect(m_cmdSysInfo, &QPushButton::clicked, this, &AboutDialog::cmdSysInfoClick);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_cmdOK);
    buttons->addWidget(m_cmdSysInfo);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 8, 16, 12);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(m_lblTitle);
    layout->addSpacing(4);
    layout->addWidget(m_lblDescription);
    layout->addSpacing(8);
    layout->addWidget(m_lblMoreInfo);
    layout->addLayout(indented(m_lblWebsiteURL));
    layout->addSpacing(4);
    layout->addWidget(m_lblEMail);
    layout->addLayout(indented(m_lblEMailURL));
    layout->addStretch(1);
    layout->addWidget(lineMake(this));
    layout->addLayout(buttonRow);

    m_cmdOK->setFocus();
    // The width of the original box; the height follows the texts.
    m_lblDescription->setMinimumWidth(340);
}

void AboutDialog::setUrlOpener(UrlOpener opener)
{
    m_urlOpener = std::move(opener);
}

void AboutDialog::lblWebsiteURLClick()
{
    addressOpen(websiteUrl());
}

void AboutDialog::lblEMailURLClick()
{
    addressOpen(QStringLiteral("mailto:") + supportMail());
}

void AboutDialog::addressOpen(const QString& target)
{
    if (!m_urlOpener || !m_urlOpener(target))
        launchFailedShow(this, target);
}

void AboutDialog::cmdSysInfoClick()
{
    if (SysInfoLauncher::programStart())
        return;
    QMessageBox box(QMessageBox::Warning, WebTexts::programTitle(), WebTexts::sysInfoUnavailable(),
                    QMessageBox::Ok, this);
    box.exec();
}
