#include "ui/common/messageprompt.h"

#include "core/program/programidentity.h"

QMessageBox::StandardButton MessagePrompt::ask(QMessageBox::Icon icon, const QString& text,
                                               QMessageBox::StandardButtons buttons,
                                               QMessageBox::StandardButton defaultButton)
{
    if (m_hook)
        return m_hook(icon, text, buttons);
    QMessageBox box(icon, m_title.isEmpty() ? programTitle() : m_title, text, buttons, m_parent);
    // Names and file errors are the user's text: "<b>Mum</b>" is shown as typed.
    box.setTextFormat(Qt::PlainText);
    if (buttons.testFlag(defaultButton))
        box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void MessagePrompt::reportFailure(const QString& whatFailed, const QString& reason)
{
    QString text = whatFailed;
    if (!reason.isEmpty())
        text += QStringLiteral("\n\n") + reason;
    inform(QMessageBox::Critical, text);
}
