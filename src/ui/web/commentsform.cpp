#include "ui/web/commentsform.h"

#include "core/comments/commentsrequest.h"
#include "core/comments/stringtourl.h"
#include "core/comments/webtexts.h"
#include "core/settings/settingsstore.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

QPlainTextEdit* textBoxMake(const QString& name, QWidget* parent)
{
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(name);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setTabChangesFocus(true);
    box->setMinimumHeight(80);
    return box;
}

// Sets a box's text only when it changes, so that an unchanged box keeps its undo history.
void textBoxSet(QPlainTextEdit* box, const QString& text)
{
    if (box->toPlainText() != text)
        box->setPlainText(text);
}

} // namespace

CommentsForm::CommentsForm(SettingsStore& settings, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_sender(this),
      m_serverUrl(QStringLiteral(CANDLEWATCHER_SERVER_URL))
{
    setObjectName(QStringLiteral("frmComments"));
    setWindowTitle(QStringLiteral("Comments and Suggestions"));

    m_grpIntroduction = new QGroupBox(QStringLiteral("Introduction"), this);
    m_grpIntroduction->setObjectName(QStringLiteral("grpIntroduction"));
    m_imgIntroduction = new QLabel(m_grpIntroduction);
    m_imgIntroduction->setObjectName(QStringLiteral("imgIntroduction"));
    m_imgIntroduction->setPixmap(QIcon(QStringLiteral(":/icons/candlewatcher.svg")).pixmap(32));
    m_imgIntroduction->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    m_lblIntroduction = new QLabel(WebTexts::introduction(), m_grpIntroduction);
    m_lblIntroduction->setObjectName(QStringLiteral("lblIntroduction"));
    m_lblIntroduction->setWordWrap(true);
    m_lblIntroduction->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Keeps the height of the full introduction, so the shorter texts do not make the form jump.
    m_lblIntroduction->installEventFilter(this);
    auto* introLayout = new QHBoxLayout(m_grpIntroduction);
    introLayout->addWidget(m_imgIntroduction);
    introLayout->addSpacing(6);
    introLayout->addWidget(m_lblIntroduction, 1);

    m_grpComments = new QGroupBox(QStringLiteral("Comments"), this);
    m_grpComments->setObjectName(QStringLiteral("grpComments"));
    m_txtComments = textBoxMake(QStringLiteral("txtComments"), m_grpComments);
    (new QVBoxLayout(m_grpComments))->addWidget(m_txtComments);
    m_txtComments->installEventFilter(this);

    m_grpSuggestions = new QGroupBox(QStringLiteral("Suggestions"), this);
    m_grpSuggestions->setObjectName(QStringLiteral("grpSuggestions"));
    m_txtSuggestions = textBoxMake(QStringLiteral("txtSuggestions"), m_grpSuggestions);
    (new QVBoxLayout(m_grpSuggestions))->addWidget(m_txtSuggestions);

    m_chkDoNotDisplay =
        new QCheckBox(QStringLiteral("Do not display my input on the Marrowfell website"), this);
    m_chkDoNotDisplay->setObjectName(QStringLiteral("chkDoNotDisplay"));

    m_cmdSend = new QPushButton(QStringLiteral("&Send Now"), this);
    m_cmdSend->setObjectName(QStringLiteral("cmdSend"));
    m_cmdClose = new QPushButton(QStringLiteral("Close"), this);
    m_cmdClose->setObjectName(QStringLiteral("cmdClose"));
    // No default button: Return belongs to the text boxes, and presses a button only when it
    // has the focus (the event filter); Escape presses Close through reject().
    for (QPushButton* button : {m_cmdSend, m_cmdClose}) {
        button->setAutoDefault(false);
        button->setMinimumWidth(93);
        button->installEventFilter(this);
    }
    connect(m_cmdSend, &QPushButton::clicked, this, &CommentsForm::cmdSendClick);
    connect(m_cmdClose, &QPushButton::clicked, this, &CommentsForm::reject);
    connect(&m_sender, &MessageSender::finished, this, &CommentsForm::sendFinished);

    auto* checkRow = new QHBoxLayout;
    checkRow->addStretch(1);
    checkRow->addWidget(m_chkDoNotDisplay);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(m_cmdSend);
    buttonRow->addWidget(m_cmdClose);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grpIntroduction);
    layout->addWidget(m_grpComments, 1);
    layout->addWidget(m_grpSuggestions, 1);
    layout->addLayout(checkRow);
    layout->addSpacing(4);
    layout->addLayout(buttonRow);

    formLoad();
    resize(QSize(380, 470).expandedTo(minimumSizeHint()));
}

CommentsForm::~CommentsForm()
{
    if (!m_unloaded)
        formUnload();
}

void CommentsForm::setServerUrl(const QString& serverUrl)
{
    m_serverUrl = serverUrl;
}

MessageSender& CommentsForm::messageSender()
{
    return m_sender;
}

void CommentsForm::showEvent(QShowEvent* event)
{
    // Shown again after it was closed: load afresh, as a new form would.
    if (m_unloaded && !event->spontaneous()) {
        m_unloaded = false;
        m_lblIntroduction->setText(WebTexts::introduction());
        formLoad();
    }
    QDialog::showEvent(event);
}

void CommentsForm::formLoad()
{
    m_txtComments->setPlainText(m_settings.read(Setting::comments));
    m_txtSuggestions->setPlainText(m_settings.read(Setting::suggestions));
}

void CommentsForm::formUnload()
{
    m_settings.write(Setting::comments, m_txtComments->toPlainText());
    m_settings.write(Setting::suggestions, m_txtSuggestions->toPlainText());
}

void CommentsForm::done(int result)
{
    // Not while the request is under way: its answer still has to reach the user.
    if (m_sender.isBusy())
        return;
    formUnload();
    m_unloaded = true;
    QDialog::done(result);
}

void CommentsForm::reject()
{
    if (m_sender.isBusy())
        return;
    QDialog::reject();
}

bool CommentsForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_lblIntroduction && event->type() == QEvent::Resize) {
        const int height = m_lblIntroduction->fontMetrics()
                               .boundingRect(QRect(0, 0, m_lblIntroduction->width(), 100000),
                                             Qt::TextWordWrap, WebTexts::introduction())
                               .height();
        if (m_lblIntroduction->minimumHeight() != height)
            m_lblIntroduction->setMinimumHeight(height);
    }
    if ((watched == m_cmdSend || watched == m_cmdClose) && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            static_cast<QPushButton*>(watched)->click();
            return true;
        }
    }
    // Typed quotes would be turned into grave accents anyway; the comments box refuses them.
    if (watched == m_txtComments && event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent*>(event)->text();
        if (text.contains(u'\'') || text.contains(u'"'))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void CommentsForm::cmdSendClick()
{
    if (m_txtComments->toPlainText().isEmpty() && m_txtSuggestions->toPlainText().isEmpty()) {
        messageShow(QMessageBox::Warning, WebTexts::nothingEntered());
        m_txtComments->setFocus();
        return;
    }

    m_lblIntroduction->setText(WebTexts::waiting());
    controlsEnable(false);

    // The boxes show, send and later keep the substituted texts.
    textBoxSet(m_txtComments, stringToURL(m_txtComments->toPlainText()));
    textBoxSet(m_txtSuggestions, stringToURL(m_txtSuggestions->toPlainText()));

    CommentsRequest request;
    request.displayOnSite = !m_chkDoNotDisplay->isChecked();
    request.comments = m_txtComments->toPlainText();
    request.suggestions = m_txtSuggestions->toPlainText();
    if (!m_sender.messageSend(request.url(m_serverUrl)))
        sendFinished(false);
}

void CommentsForm::sendFinished(bool accepted)
{
    m_lblIntroduction->setText(WebTexts::introductionAfterSend());
    controlsEnable(true);
    if (!accepted) {
        messageShow(QMessageBox::Critical, WebTexts::sendingFailed());
        return;
    }
    messageShow(QMessageBox::Information, WebTexts::sent());
    accept();
}

void CommentsForm::controlsEnable(bool enabled)
{
    // The display choice stays open: it was read before the request left.
    for (QWidget* control :
         std::initializer_list<QWidget*>{m_txtComments, m_txtSuggestions, m_cmdSend, m_cmdClose})
        control->setEnabled(enabled);
}

void CommentsForm::messageShow(QMessageBox::Icon icon, const QString& text)
{
    QMessageBox box(icon, WebTexts::webTitle(), text, QMessageBox::Ok, this);
    box.exec();
}
