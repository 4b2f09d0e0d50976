#pragma once

#include "core/exchange/importplan.h"

#include <QDialog>

class ImportRows;
class QComboBox;
class QLabel;
class QTreeView;

// "Import": what the chosen files hold, before anything is written. Every new event is listed
// checked; events whose repeats end are listed unchecked with that reason; events already in
// the list, beyond the room left, without a date and those that could not be read are listed
// unchecked and greyed, with the reason. Each event shows what happens on its day, which one
// choice changes for all. OK imports the checked events.
class ImportDialog : public QDialog
{
    Q_OBJECT
public:
    // room: how many events the data file takes still.
    ImportDialog(const QList<ImportPlan::Item>& items, const QStringList& files,
                 int room = ImportPlan::eventLimit(), QWidget* parent = nullptr);

    // The records of the events still checked, in list order, with the day's action chosen.
    QList<BirthdayRecord> chosenRecords() const;

    // A view over the plan: tens of thousands of rows cost no more to open than ten.
    QTreeView* list() const { return m_list; }

private:
    void showCount();
    void showAlerts();

    int m_room;
    ImportRows* m_rows = nullptr;
    QTreeView* m_list = nullptr;
    QComboBox* m_alert = nullptr;
    QLabel* m_count = nullptr;
};
