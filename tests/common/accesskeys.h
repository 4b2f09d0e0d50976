#pragma once

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>

// The first two captions that share an access key, as "first / second"; "" when none do.
inline QString accessKeyClash(const QStringList& captions)
{
    QMap<QKeySequence, QString> taken;
    for (const QString& caption : captions) {
        const QKeySequence key = QKeySequence::mnemonic(caption);
        if (!key.isEmpty() && taken.contains(key))
            return taken.value(key) + " / " + caption;
        taken.insert(key, caption);
    }
    return {};
}

// The captions of a window's buttons, check and option boxes, group boxes and buddy labels.
inline QStringList controlCaptions(const QWidget* window)
{
    QStringList captions;
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        const auto* label = qobject_cast<const QLabel*>(w);
        if (const auto* button = qobject_cast<const QAbstractButton*>(w); w->isVisibleTo(window))
            captions << (button                              ? button->text()
                         : qobject_cast<const QGroupBox*>(w) ? w->property("title").toString()
                         : label && label->buddy()           ? label->text()
                                                             : QString());
    }
    return captions;
}
