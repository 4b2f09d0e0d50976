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

// frmComments: sends comments and suggestions to the maker's server, anonymously. The two
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
    void formLoad();
    void formUnload();
    void cmdSendClick();
    void sendFinished(bool accepted);
    void controlsEnable(bool enabled);
    void messageShow(QMessageBox::Icon icon, const QString& text);

    SettingsStore& m_settings;
    MessageSender m_sender;
    QString m_serverUrl;
    bool m_unloaded = false;

    QGroupBox* m_grpIntroduction = nullptr;
    QLabel* m_imgIntroduction = nullptr;
    QLabel* m_lblIntroduction = nullptr;
    QGroupBox* m_grpComments = nullptr;
    QPlainTextEdit* m_txtComments = nullptr;
    QGroupBox* m_grpSuggestions = nullptr;
    QPlainTextEdit* m_txtSuggestions = nullptr;
    QCheckBox* m_chkDoNotDisplay = nullptr;
    QPushButton* m_cmdSend = nullptr;
    QPushButton* m_cmdClose = nullptr;
};
