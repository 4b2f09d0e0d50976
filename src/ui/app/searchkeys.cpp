#include "ui/app/searchkeys.h"

#include "ui/list/birthdaylistview.h"

#include <QAction>

#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>

SearchKeys::SearchKeys(QLineEdit* field, BirthdayListView* list, QList<QAction*> always,
                       QList<QAction*> whileEmpty, std::function<void()> edit)
    : QObject(field), m_field(field), m_list(list), m_always(std::move(always)),
      m_whileEmpty(std::move(whileEmpty)), m_edit(std::move(edit))
{
    field->installEventFilter(this);
}

bool SearchKeys::isForList(const QKeySequence& pressed) const
{
    const auto bound = [&](const QList<QAction*>& actions) {
        return std::any_of(actions.begin(), actions.end(),
                           [&](const QAction* action) { return pressed == action->shortcut(); });
    };
    return bound(m_always) || (m_field->text().isEmpty() && bound(m_whileEmpty));
}

bool SearchKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_field)
        return false;
    if (event->type() == QEvent::ShortcutOverride &&
        isForList(QKeySequence(static_cast<QKeyEvent*>(event)->keyCombination()))) {
        event->ignore(); // not the field's: the shortcut runs
        return true;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (key == Qt::Key_Escape) {
        m_field->clear();
        m_list->activeView()->setFocus(Qt::ShortcutFocusReason);
        return true;
    }
    if ((key == Qt::Key_Down || enter) && m_list->itemCount() > 0) {
        m_list->selectRow(0);
        m_list->activeView()->setFocus(Qt::ShortcutFocusReason);
        if (enter)
            m_edit();
        return true;
    }
    return false;
}
