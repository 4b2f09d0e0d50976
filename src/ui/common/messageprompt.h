#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

// Every window's message boxes: modal over their parent, titled with the program's title (the
// web windows' with theirs), the text plain, never markup. Tests put a hook in place of the
// real box to read the message and give the answer.
class MessagePrompt
{
public:
    using Hook = std::function<QMessageBox::StandardButton(
        QMessageBox::Icon icon, const QString& text, QMessageBox::StandardButtons buttons)>;

    // title: none for the program's title.
    explicit MessagePrompt(QWidget* parent, const QString& title = QString())
        : m_parent(parent), m_title(title)
    {}

    void setHook(Hook hook) { m_hook = std::move(hook); }

    // Shows the message and returns the button the user chose. Return presses Yes where there
    // is one, unless another default is given.
    QMessageBox::StandardButton ask(QMessageBox::Icon icon, const QString& text,
                                    QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton defaultButton = QMessageBox::Yes);
    void inform(QMessageBox::Icon icon, const QString& text) { ask(icon, text, QMessageBox::Ok); }
    // An operation failed: what failed, then the reason.
    void reportFailure(const QString& whatFailed, const QString& reason);

private:
    QWidget* m_parent;
    QString m_title;
    Hook m_hook;
};
