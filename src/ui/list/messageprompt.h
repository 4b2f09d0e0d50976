#pragma once

#include <QMessageBox>

#include <functional>

// The main window's message boxes, titled with the program's name. Tests put a hook in place
// of the real box to read the message and give the answer.
class MessagePrompt
{
public:
    using Hook = std::function<QMessageBox::StandardButton(
        QMessageBox::Icon icon, const QString& text, QMessageBox::StandardButtons buttons)>;

    explicit MessagePrompt(QWidget* parent) : m_parent(parent) {}

    void setHook(Hook hook) { m_hook = std::move(hook); }

    // Shows the message and returns the button the user chose. Return presses Yes where there
    // is one, unless another default is given.
    QMessageBox::StandardButton ask(QMessageBox::Icon icon, const QString& text,
                                    QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton defaultButton = QMessageBox::Yes);
    void inform(QMessageBox::Icon icon, const QString& text) { ask(icon, text, QMessageBox::Ok); }
    // A store operation failed: what failed, then the store's reason.
    void reportFailure(const QString& whatFailed, const QString& reason);

private:
    QWidget* m_parent;
    Hook m_hook;
};
