#pragma once

#include <QApplication>
#include <QList>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

// Answers every message box the code under test shows, with OK, and remembers what it said.
class MessageBoxCatcher
{
public:
    struct Message
    {
        QMessageBox::Icon icon;
        QString title;
        QString text;
    };

    MessageBoxCatcher()
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start();
    }

    const QList<Message>& messages() const { return m_messages; }
    void clear() { m_messages.clear(); }

private:
    void poll()
    {
        const QWidgetList windows = QApplication::topLevelWidgets();
        for (QWidget* window : windows) {
            auto* box = qobject_cast<QMessageBox*>(window);
            if (!box || !box->isVisible())
                continue;
            m_messages.append({box->icon(), box->windowTitle(), box->text()});
            if (QAbstractButton* ok = box->button(QMessageBox::Ok))
                ok->click();
            else
                box->reject();
        }
    }

    QTimer m_timer;
    QList<Message> m_messages;
};
