#include "ui/dialogs/restoredialog.h"

#include "ui/dialogs/dialogbuttons.h"

#include <QLabel>
#include <QLocale>
#include <QTreeWidget>

RestoreDialog::RestoreDialog(const QList<Backups::Backup>& backups, QWidget* parent)
    : QDialog(parent), m_backups(backups)
{
    setObjectName(QStringLiteral("frmRestore"));
    setWindowTitle(tr("Restore from Backup"));

    auto* heading = new QLabel(tr("Choose the backup to restore.  Your events as they "
                                  "are now are kept as a backup of today first."),
                               this);
    heading->setWordWrap(true);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("lvwBackups"));
    m_list->setAccessibleName(tr("Backups"));
    m_list->setHeaderLabels({tr("Backup of"), tr("Events")});
    m_list->setRootIsDecorated(false);
    m_list->setMinimumSize(380, 240);
    setColumnWidths(m_list, {260});
    const QLocale locale;
    for (const Backups::Backup& backup : m_backups) {
        auto* row = new QTreeWidgetItem(m_list);
        // The day it was made, and the time for the further copies of a day.
        QString when = locale.toString(backup.date, QLocale::LongFormat);
        if (backup.copy > 1)
            when = tr("%1, %2", "a backup's day, the time of day it was made")
                       .arg(when, locale.toString(backup.written.time(), QLocale::ShortFormat));
        row->setText(0, when);
        row->setText(1, backup.events < 0 ? tr("unreadable") : QString::number(backup.events));
        row->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    }
    m_list->setCurrentItem(m_list->topLevelItem(0));

    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
    layOutListDialog(this, heading, m_list, nullptr);
}

QString RestoreDialog::chosenPath() const
{
    const int row = m_list->indexOfTopLevelItem(m_list->currentItem());
    return row < 0 ? QString() : m_backups[row].path;
}
