#pragma once

#include "core/text/translations.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAction>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTest>
#include <QTextDocument>
#include <QTranslator>
#include <QTreeView>

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

// Whether a control shows something a user reads or uses: a caption, a picture, a list, a field.
inline bool showsContent(const QWidget* w)
{
    if (const auto* label = qobject_cast<const QLabel*>(w))
        return !label->text().isEmpty() || !label->pixmap().isNull();
    return !w->objectName().startsWith("qt_") && // Qt's own parts of a control
           (w->inherits("QAbstractButton") || w->inherits("QLineEdit") ||
            w->inherits("QAbstractItemView") || w->inherits("QComboBox") ||
            w->inherits("QAbstractSpinBox") || w->inherits("QGroupBox"));
}

// Where a shown window hides a control that shows content, one line a fault: outside its
// window or its parent, under a sibling drawn above it, with no room, or at the 100 x 30 Qt
// gives a control nobody placed.
inline QStringList geometryFaults(const QWidget* window)
{
    QStringList faults;
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        if (w->isWindow() || !w->isVisibleTo(window) || !showsContent(w) ||
            qobject_cast<const QAbstractScrollArea*>(w->parentWidget()))
            continue;
        const QString name =
            w->objectName().isEmpty() ? w->metaObject()->className() : w->objectName();
        if (w->width() <= 0 || w->height() <= 0)
            faults << name + " has no room";
        else if (w->size() == QSize(100, 30))
            faults << name + " is at Qt's default size";
        if (!QRect(QPoint(), window->size())
                 .contains(QRect(w->mapTo(window, QPoint()), w->size())) ||
            !w->parentWidget()->rect().contains(w->geometry()))
            faults << name + " is outside its window";
        // Siblings later in the list are drawn above; a frame that lets the mouse through only
        // draws its lines over the others.
        const QObjectList& siblings = w->parent()->children();
        for (qsizetype i = siblings.indexOf(w) + 1; i < siblings.size(); ++i) {
            const auto* above = qobject_cast<const QWidget*>(siblings.at(i));
            if (above && !above->isWindow() && above->isVisibleTo(window) &&
                !above->testAttribute(Qt::WA_TransparentForMouseEvents) &&
                above->geometry().intersects(w->geometry()))
                faults << name + " is under " + above->objectName();
        }
    }
    return faults;
}

// What a shown window gets wrong in the current language, one line a fault: two of its
// controls, or two items of one of its menus, on one access key, or a label's leading nowhere;
// a text wider (a label's, taller) than its widget shows (one-line labels, buttons, check, option
// and group boxes, list headers, with rows set lists' rows, which fit across); a control hidden
// or misplaced (geometryFaults).
inline QStringList languageFaults(const QWidget* window, bool rows)
{
    QStringList faults{accessKeyClash(controlCaptions(window))};
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        // A menu's items; a toolbar shows the same actions without their access keys.
        QStringList captions;
        for (const QAction* item : w->actions())
            captions << item->text();
        if (qobject_cast<const QMenu*>(w) || qobject_cast<const QMenuBar*>(w))
            faults << accessKeyClash(captions);
        const auto* label = qobject_cast<const QLabel*>(w);
        if (w->isVisibleTo(window) &&
            ((label && !label->wordWrap()) || w->inherits("QAbstractButton") ||
             w->inherits("QGroupBox")) &&
            (w->sizeHint().width() > w->width() ||
             (label && !label->wordWrap() && w->sizeHint().height() > w->height())))
            faults << w->objectName() + " is cut";
        // A label's access key moves the focus to its buddy: without one the key does nothing.
        if (label && w->isVisibleTo(window) && !label->buddy() &&
            !Qt::mightBeRichText(label->text()) && !QKeySequence::mnemonic(label->text()).isEmpty())
            faults << w->objectName() + "'s access key leads nowhere";
        const auto* header = qobject_cast<const QHeaderView*>(w);
        for (int i = 0; header && w->isVisibleTo(window) && i < header->count(); ++i)
            if (header->fontMetrics().horizontalAdvance(
                    header->model()->headerData(i, Qt::Horizontal).toString()) >
                header->sectionSize(i))
                faults << w->objectName() + " section " + QString::number(i) + " is cut";
        const auto* tree = rows ? qobject_cast<const QTreeView*>(w) : nullptr;
        for (int i = 0; tree && w->isVisibleTo(window) && i < tree->header()->count(); ++i)
            if (static_cast<const QAbstractItemView*>(tree)->sizeHintForColumn(i) >
                tree->columnWidth(i))
                faults << w->objectName() + " column " + QString::number(i) + " is cut";
        if (tree && tree->horizontalScrollBar()->isVisibleTo(window))
            faults << w->objectName() + " scrolls sideways";
    }
    faults << geometryFaults(window);
    faults.removeAll(QString());
    return faults;
}

// The shipped languages as a test's rows, and one of them installed for a row's time.
inline void languageRows()
{
    QTest::addColumn<QString>("language");
    for (const QString& language : Translations::shipped())
        QTest::newRow(qPrintable(language)) << language;
}
struct InLanguage
{
    explicit InLanguage(const QString& language) { Translations::install(*qApp, {language}); }
    ~InLanguage() { qDeleteAll(qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly)); }
};
