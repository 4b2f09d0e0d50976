#pragma once

#include "ui/web/messagesender.h"

#include <QDialog>
#include <QMessageBox>

class SettingsStore;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The comments form: sends comments and suggestions to the maker's server, anonymously. The two
// texts survive between openings in the Comments and Suggestions settings. While a request is
// under way the text boxes and buttons are disabled and the form cannot be closed; the rest of
// the program keeps running.
class CommentsForm : public QDialog
{
    Q_OBJECT
public:
    // No control of the form feeds the help panel.
    explicit CommentsForm(SettingsStore& settings, QWidget* parent = nullptr);
    // Keeps the texts even when the form goes without being closed (the program ending).
    ~CommentsForm() override;

    // The server address that precedes "/comments.asp"; the build's setting by default.
    void setServerUrl(const QString& serverUrl);
    // The sender, for its timeout and connection check.
    MessageSender& messageSender();

    void done(int result) override;
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void loadTexts();
    void saveTexts();
    void sendComments();
    void showSendResult(bool accepted);
    void setControlsEnabled(bool enabled);
    void showMessage(QMessageBox::Icon icon, const QString& text);

    SettingsStore& m_settings;
    MessageSender m_sender;
    QString m_serverUrl;
    bool m_closed = false;

    QGroupBox* m_introductionBox = nullptr;
    QLabel* m_introductionIcon = nullptr;
    QLabel* m_introductionLabel = nullptr;
    QGroupBox* m_commentsBox = nullptr;
    QPlainTextEdit* m_commentsEdit = nullptr;
    QGroupBox* m_suggestionsBox = nullptr;
    QPlainTextEdit* m_suggestionsEdit = nullptr;
    QCheckBox* m_doNotDisplayCheck = nullptr;
    QPushButton* m_sendButton = nullptr;
    QPushButton* m_closeButton = nullptr;
};
