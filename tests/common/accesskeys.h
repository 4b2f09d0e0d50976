#pragma once

// Access keys: no two items of one menu, no two controls of one window may share one.

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QHash>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>

// The first pair of captions with the same access key, as "first / second"; "" when none.
inline QString accessKeyClash(const QStringList& captions)
{
    QHash<QKeySequence, QString> taken;
    for (const QString& caption : captions) {
        const QKeySequence key = QKeySequence::mnemonic(caption);
        if (key.isEmpty())
            continue;
        if (taken.contains(key))
            return taken.value(key) + " / " + caption;
        taken.insert(key, caption);
    }
    return {};
}

// Every menu below these items, each with its own clash, as "menu: first / second".
inline QStringList menuClashes(const QList<QAction*>& items, const QString& menu = "menu bar")
{
    QStringList clashes, captions;
    for (const QAction* item : items) {
        if (!item->isSeparator())
            captions << item->text();
        if (item->menu())
            clashes << menuClashes(item->menu()->actions(), item->text());
    }
    if (const QString clash = accessKeyClash(captions); !clash.isEmpty())
        clashes << menu + ": " + clash;
    return clashes;
}

// The captions of a window's controls that carry access keys: buttons, check and option
// boxes, group boxes and the labels that lead to a control.
inline QStringList controlCaptions(const QWidget* window)
{
    QStringList captions;
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window))
            continue;
        if (const auto* button = qobject_cast<const QAbstractButton*>(w))
            captions << button->text();
        else if (const auto* group = qobject_cast<const QGroupBox*>(w))
            captions << group->title();
        else if (const auto* label = qobject_cast<const QLabel*>(w); label && label->buddy())
            captions << label->text();
    }
    return captions;
}
