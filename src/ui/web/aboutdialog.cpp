#include "ui/web/aboutdialog.h"

#include "core/comments/webtexts.h"
#include "core/program/programidentity.h"
#include "core/text/textconv.h"
#include "platform/sysinfolauncher.h"
#include "ui/common/messageprompt.h"
#include "ui/common/standardbutton.h"
#include "ui/web/shelllaunch.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QLabel* makeLabel(const QString& name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

// A label showing an address as a link; clicking it calls back with the address.
QLabel* makeLink(const QString& name, const QString& address, QWidget* parent)
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

QFrame* makeLine(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent), m_urlOpener(openAddress)
{
    const QString titleAndVersion = programTitle() + QStringLiteral(" v") + TextConv::versionText();
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About %1").arg(titleAndVersion));

    m_titleLabel = makeLabel(QStringLiteral("lblTitle"), titleAndVersion, this);
    QFont titleFont = m_titleLabel->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 14.25 / 8.25);
    m_titleLabel->setFont(titleFont);

    m_descriptionLabel =
        makeLabel(QStringLiteral("lblDescription"),
                  tr("Candlewatcher keeps your birthdays, anniversaries and other important "
                     "dates, and reminds you of them from the system tray in good time."),
                  this);
    m_moreInfoLabel = makeLabel(QStringLiteral("lblMoreInfo"),
                                tr("For more information on this or any of our freeware "
                                   "and shareware products, please visit our website "
                                   "at:"),
                                this);
    m_websiteLink = makeLink(QStringLiteral("lblWebsiteURL"), websiteUrl(), this);
    m_mailLabel =
        makeLabel(QStringLiteral("lblEMail"), tr("Or e-mail %1 on:").arg(organisationName()), this);
    m_mailLink = makeLink(QStringLiteral("lblEMailURL"), supportMail(), this);
    connect(m_websiteLink, &QLabel::linkActivated, this, &AboutDialog::openWebsiteLink);
    connect(m_mailLink, &QLabel::linkActivated, this, &AboutDialog::openMailLink);

    m_okButton = new QPushButton(standardButtonText(QDialogButtonBox::Ok), this);
    m_okButton->setObjectName(QStringLiteral("cmdOK"));
    m_okButton->setDefault(true);
    m_systemInfoButton = new QPushButton(tr("&System Info..."), this);
    m_systemInfoButton->setObjectName(QStringLiteral("cmdSysInfo"));
    // Room beyond the caption's measured width: a script that joins its letters (Arabic) draws
    // a caption split by its access key's underline wider than it measures.
    for (QPushButton* button : {m_okButton, m_systemInfoButton})
        button->setMinimumWidth(std::max(84, button->sizeHint().width() +
                                                 2 * button->fontMetrics().averageCharWidth()));
    // OK is both the default and the cancel button: Enter presses it, Escape closes as well.
    connect(m_okButton, &QPushButton::clicked, this, &AboutDialog::accept);
    connect(m_systemInfoButton, &QPushButton::clicked, this, &AboutDialog::startSystemInformation);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_systemInfoButton);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 8, 16, 12);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(m_titleLabel);
    layout->addSpacing(4);
    layout->addWidget(m_descriptionLabel);
    layout->addSpacing(8);
    layout->addWidget(m_moreInfoLabel);
    layout->addLayout(indented(m_websiteLink));
    layout->addSpacing(4);
    layout->addWidget(m_mailLabel);
    layout->addLayout(indented(m_mailLink));
    layout->addStretch(1);
    layout->addWidget(makeLine(this));
    layout->addLayout(buttonRow);

    m_okButton->setFocus();
    // A fixed width, so the texts wrap alike whatever the style; the height follows them.
    m_descriptionLabel->setMinimumWidth(340);
}

void AboutDialog::setUrlOpener(UrlOpener opener)
{
    m_urlOpener = std::move(opener);
}

void AboutDialog::openWebsiteLink()
{
    openLink(websiteUrl());
}

void AboutDialog::openMailLink()
{
    openLink(QStringLiteral("mailto:") + supportMail());
}

void AboutDialog::openLink(const QString& target)
{
    if (!m_urlOpener || !m_urlOpener(target))
        showOpenFailed(this, target);
}

void AboutDialog::startSystemInformation()
{
    if (SysInfoLauncher::programStart())
        return;
    MessagePrompt(this).inform(QMessageBox::Warning, WebTexts::sysInfoUnavailable());
}
