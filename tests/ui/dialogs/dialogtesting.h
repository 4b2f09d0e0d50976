#pragma once

// Helpers for driving the dialogs the way a user does: answering message boxes as they come
// up, typing into boxes, and looking at the data file afterwards.

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

// Closes every message box that opens while it lives, with its OK button, and remembers what
// each one said.
class MessageAnswerer : public QObject
{
public:
    struct Seen
    {
        QString title;
        QString text;
        QMessageBox::Icon icon;
        Qt::TextFormat format;
    };

    MessageAnswerer()
    {
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this, &MessageAnswerer::answer);
        m_timer.start();
    }

    const QList<Seen>& seen() const { return m_seen; }
    QStringList texts() const
    {
        QStringList result;
        for (const Seen& s : m_seen)
            result << s.text;
        return result;
    }

private:
    void answer()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        // Marked on the box itself: a later box may be built at the same address.
        if (!box || !box->isVisible() || box->property("answered").toBool())
            return;
        box->setProperty("answered", true);
        m_seen.append({box->windowTitle(), box->text(), box->icon(), box->textFormat()});
        QAbstractButton* ok = box->button(QMessageBox::Ok);
        if (ok)
            ok->click();
        else
            box->close();
    }

    QTimer m_timer;
    QList<Seen> m_seen;
};

// Replaces the box's text as a user would: select all, then type (or delete).
inline void typeInto(QLineEdit* box, const QString& text)
{
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(box, Qt::Key_Delete);
    else
        QTest::keyClicks(box, text);
}

// Clicks a check box on its box: a box stretched by its layout is not clickable far right of
// its text.
inline void boxClick(QWidget* checkBox)
{
    QTest::mouseClick(checkBox, Qt::LeftButton, {}, QPoint(6, checkBox->height() / 2));
}

// Moves the mouse over a control (a list's viewport for a list) as far as the control can tell.
inline void mouseMoveOver(QWidget* widget)
{
    if (auto* view = qobject_cast<QAbstractScrollArea*>(widget))
        widget = view->viewport();
    const QPointF centre(widget->rect().center());
    QMouseEvent move(QEvent::MouseMove, centre, widget->mapToGlobal(centre), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// Writes live Name cells for keys 0..count-1 straight into a data file, the way the file
// holds them: slot 0, flag 0, five key bytes, the name padded to 255 bytes. Filling a file
// this way is far quicker than a store call per record.
inline bool namesFill(const QString& path, int count)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    for (int key = 0; key < count; ++key) {
        QByteArray cell(262, '\0');
        int rest = key;
        int i = 2;
        while (rest >= 256) {
            cell[i++] = char(0xFF);
            rest -= 255;
        }
        cell[i] = char(rest);
        const QByteArray name = "Event " + QByteArray::number(key);
        cell.replace(7, name.size(), name);
        file.write(cell);
    }
    return true;
}

// The control that has the focus in the dialog, or will have it when the dialog is active
// again (a message box over it may just have closed), named by the dialog's control it belongs
// to (a date picker's focus goes to its inner line edit).
inline QString focusControl(const QWidget* dialog)
{
    QWidget* focus = QApplication::focusWidget();
    if (!focus || !dialog->isAncestorOf(focus))
        focus = dialog->focusWidget();
    for (QWidget* w = focus; w && w != dialog; w = w->parentWidget()) {
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
            return w->objectName();
    }
    return {};
}
