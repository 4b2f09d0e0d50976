#pragma once

#include "core/exchange/importplan.h"

#include <QDialog>

class QLabel;
class QTreeWidget;

// "Import": what the chosen files hold, before anything is written. Every new event is listed
// checked; events already in the list, entries without a date and those that could not be
// read are listed unchecked and greyed, with the reason. OK imports the checked events.
class ImportDialog : public QDialog
{
    Q_OBJECT
public:
    ImportDialog(const QList<ImportPlan::Item>& items, const QStringList& files,
                 QWidget* parent = nullptr);

    // The records of the events still checked, in list order.
    QList<BirthdayRecord> chosenRecords() const;

    QTreeWidget* list() const { return m_list; }

private:
    void showCount();

    QList<ImportPlan::Item> m_items;
    QTreeWidget* m_list = nullptr;
    QLabel* m_count = nullptr;
};
