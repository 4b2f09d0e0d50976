#include "ui/web/commentsform.h"

#include "core/comments/commentsrequest.h"
#include "core/comments/stringtourl.h"
#include "core/comments/webtexts.h"
#include "core/program/programidentity.h"
#include "core/settings/settingsstore.h"
#include "ui/common/messageprompt.h"
#include "ui/common/standardbutton.h"
#include "ui/tray/programicon.h"

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

QPlainTextEdit* makeTextBox(const QString& name, QWidget* parent)
{
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(name);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setTabChangesFocus(true);
    box->setMinimumHeight(80);
    return box;
}

// Sets a box's text only when it changes, so that an unchanged box keeps its undo history.
void setTextKeepingUndo(QPlainTextEdit* box, const QString& text)
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
    setWindowTitle(tr("Comments and Suggestions"));

    m_introductionBox = new QGroupBox(tr("Introduction"), this);
    m_introductionBox->setObjectName(QStringLiteral("grpIntroduction"));
    m_introductionIcon = new QLabel(m_introductionBox);
    m_introductionIcon->setObjectName(QStringLiteral("imgIntroduction"));
    m_introductionIcon->setPixmap(programIcon().pixmap(32));
    m_introductionIcon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    m_introductionLabel = new QLabel(WebTexts::introduction(), m_introductionBox);
    m_introductionLabel->setObjectName(QStringLiteral("lblIntroduction"));
    m_introductionLabel->setWordWrap(true);
    m_introductionLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Keeps the height of the full introduction, so the shorter texts do not make the form jump.
    m_introductionLabel->installEventFilter(this);
    auto* introLayout = new QHBoxLayout(m_introductionBox);
    introLayout->addWidget(m_introductionIcon);
    introLayout->addSpacing(6);
    introLayout->addWidget(m_introductionLabel, 1);

    m_commentsBox = new QGroupBox(tr("Comments"), this);
    m_commentsBox->setObjectName(QStringLiteral("grpComments"));
    m_commentsEdit = makeTextBox(QStringLiteral("txtComments"), m_commentsBox);
    (new QVBoxLayout(m_commentsBox))->addWidget(m_commentsEdit);
    m_commentsEdit->installEventFilter(this);

    m_suggestionsBox = new QGroupBox(tr("Suggestions"), this);
    m_suggestionsBox->setObjectName(QStringLiteral("grpSuggestions"));
    m_suggestionsEdit = makeTextBox(QStringLiteral("txtSuggestions"), m_suggestionsBox);
    (new QVBoxLayout(m_suggestionsBox))->addWidget(m_suggestionsEdit);

    m_doNotDisplayCheck = new QCheckBox(
        tr("Do not display my input on the %1 website").arg(organisationName()), this);
    m_doNotDisplayCheck->setObjectName(QStringLiteral("chkDoNotDisplay"));

    m_sendButton = new QPushButton(tr("&Send Now"), this);
    m_sendButton->setObjectName(QStringLiteral("cmdSend"));
    m_closeButton = new QPushButton(standardButtonText(QDialogButtonBox::Close), this);
    m_closeButton->setObjectName(QStringLiteral("cmdClose"));
    // No default button: Return belongs to the text boxes, and presses a button only when it
    // has the focus (the event filter); Escape presses Close through reject().
    for (QPushButton* button : {m_sendButton, m_closeButton}) {
        button->setAutoDefault(false);
        button->setMinimumWidth(93);
        button->installEventFilter(this);
    }
    connect(m_sendButton, &QPushButton::clicked, this, &CommentsForm::sendComments);
    connect(m_closeButton, &QPushButton::clicked, this, &CommentsForm::reject);
    connect(&m_sender, &MessageSender::finished, this, &CommentsForm::showSendResult);

    auto* checkRow = new QHBoxLayout;
    checkRow->addStretch(1);
    checkRow->addWidget(m_doNotDisplayCheck);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(m_sendButton);
    buttonRow->addWidget(m_closeButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_introductionBox);
    layout->addWidget(m_commentsBox, 1);
    layout->addWidget(m_suggestionsBox, 1);
    layout->addLayout(checkRow);
    layout->addSpacing(4);
    layout->addLayout(buttonRow);

    loadTexts();
    resize(QSize(380, 470).expandedTo(minimumSizeHint()));
}

CommentsForm::~CommentsForm()
{
    if (!m_closed)
        saveTexts();
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
    if (m_closed && !event->spontaneous()) {
        m_closed = false;
        m_introductionLabel->setText(WebTexts::introduction());
        loadTexts();
    }
    QDialog::showEvent(event);
}

void CommentsForm::loadTexts()
{
    m_commentsEdit->setPlainText(m_settings.read(Setting::comments));
    m_suggestionsEdit->setPlainText(m_settings.read(Setting::suggestions));
}

void CommentsForm::saveTexts()
{
    m_settings.write(Setting::comments, m_commentsEdit->toPlainText());
    m_settings.write(Setting::suggestions, m_suggestionsEdit->toPlainText());
}

void CommentsForm::done(int result)
{
    // Not while the request is under way: its answer still has to reach the user.
    if (m_sender.isBusy())
        return;
    saveTexts();
    m_closed = true;
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
    if (watched == m_introductionLabel && event->type() == QEvent::Resize) {
        const int height = m_introductionLabel->fontMetrics()
                               .boundingRect(QRect(0, 0, m_introductionLabel->width(), 100000),
                                             Qt::TextWordWrap, WebTexts::introduction())
                               .height();
        if (m_introductionLabel->minimumHeight() != height)
            m_introductionLabel->setMinimumHeight(height);
    }
    if ((watched == m_sendButton || watched == m_closeButton) &&
        event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            static_cast<QPushButton*>(watched)->click();
            return true;
        }
    }
    // Typed quotes would be turned into grave accents anyway; the comments box refuses them.
    if (watched == m_commentsEdit && event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent*>(event)->text();
        if (text.contains(u'\'') || text.contains(u'"'))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void CommentsForm::sendComments()
{
    if (m_commentsEdit->toPlainText().isEmpty() && m_suggestionsEdit->toPlainText().isEmpty()) {
        showMessage(QMessageBox::Warning, WebTexts::nothingEntered());
        m_commentsEdit->setFocus();
        return;
    }

    m_introductionLabel->setText(WebTexts::waiting());
    setControlsEnabled(false);

    // The boxes show, send and later keep the substituted texts.
    setTextKeepingUndo(m_commentsEdit, stringToURL(m_commentsEdit->toPlainText()));
    setTextKeepingUndo(m_suggestionsEdit, stringToURL(m_suggestionsEdit->toPlainText()));

    CommentsRequest request;
    request.displayOnSite = !m_doNotDisplayCheck->isChecked();
    request.comments = m_commentsEdit->toPlainText();
    request.suggestions = m_suggestionsEdit->toPlainText();
    if (!m_sender.send(request.url(m_serverUrl)))
        showSendResult(false);
}

void CommentsForm::showSendResult(bool accepted)
{
    m_introductionLabel->setText(WebTexts::introductionAfterSend());
    setControlsEnabled(true);
    if (!accepted) {
        showMessage(QMessageBox::Critical, WebTexts::sendingFailed());
        return;
    }
    showMessage(QMessageBox::Information, WebTexts::sent());
    accept();
}

void CommentsForm::setControlsEnabled(bool enabled)
{
    // The display choice stays open: it was read before the request left.
    for (QWidget* control : std::initializer_list<QWidget*>{m_commentsEdit, m_suggestionsEdit,
                                                            m_sendButton, m_closeButton})
        control->setEnabled(enabled);
}

void CommentsForm::showMessage(QMessageBox::Icon icon, const QString& text)
{
    MessagePrompt(this, WebTexts::webTitle()).inform(icon, text);
}
