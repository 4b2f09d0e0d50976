#pragma once

#include "core/store/backups.h"

#include <QDialog>

class QTreeWidget;

// "Restore from Backup": the backups of the data file with their day and number of events,
// newest first; OK restores the chosen one.
class RestoreDialog : public QDialog
{
    Q_OBJECT
public:
    RestoreDialog(const QList<Backups::Backup>& backups, QWidget* parent = nullptr);

    // The chosen backup's file; empty when none is chosen.
    QString chosenPath() const;

private:
    QList<Backups::Backup> m_backups;
    QTreeWidget* m_list = nullptr;
};
