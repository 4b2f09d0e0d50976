#pragma once

#include <QAbstractButton>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QTabBar>

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

// The texts of a shown window that are wider than their widget shows, as "name: text": labels
// on one line, buttons, check and option boxes, group boxes, tabs and list headers.
inline QStringList cutTexts(const QWidget* window)
{
    QStringList cut;
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window))
            continue;
        const auto* label = qobject_cast<const QLabel*>(w);
        if ((label && !label->wordWrap() && !label->text().isEmpty()) ||
            qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QGroupBox*>(w)) {
            if (w->sizeHint().width() > w->width())
                cut << w->objectName() + ": " +
                           (label
                                ? label->text()
                                : w->property("text").toString() + w->property("title").toString());
        } else if (const auto* tabs = qobject_cast<const QTabBar*>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                if (tabs->fontMetrics().horizontalAdvance(tabs->tabText(i)) >
                    tabs->tabRect(i).width())
                    cut << w->objectName() + ": " + tabs->tabText(i);
        } else if (const auto* header = qobject_cast<const QHeaderView*>(w);
                   header && header->model()) {
            for (int i = 0; i < header->count(); ++i) {
                const QString text =
                    header->model()->headerData(i, header->orientation()).toString();
                if (!header->isSectionHidden(i) && header->sectionSize(i) > 0 &&
                    header->fontMetrics().horizontalAdvance(text) > header->sectionSize(i))
                    cut << w->objectName() + ": " + text;
            }
        }
    }
    return cut;
}
