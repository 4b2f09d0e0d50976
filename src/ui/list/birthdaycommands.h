#pragma once

#include "core/store/recordchanges.h"
#include "ui/help/helphook.h"

#include <functional>

#include <QObject>

class BirthdayListView;
class Clock;
class MessagePrompt;
class SettingsStore;
class QWidget;

// New, Edit, Duplicate and Delete on the event list, with the selection test that guards the
// last three. Every change to the data ends in one refresh of the list.
class BirthdayCommands : public QObject
{
    Q_OBJECT
public:
    BirthdayCommands(BirthdayStore& store, SettingsStore& settings, const Clock& clock,
                     BirthdayListView& list, MessagePrompt& prompt, HelpSink help,
                     QWidget* dialogParent);

    void newBirthday();
    void editBirthday();
    void duplicateBirthdays();
    void deleteBirthdays();

Q_SIGNALS:
    // The data may have changed: rebuild the list.
    void refreshNeeded();

private:
    // True when the list has items and a current item; otherwise tells the user why not.
    bool checkSelection();
    int selectedCount() const;
    QString itemText(int row) const;
    // The records of the selected rows, top to bottom, as the list shows them.
    QList<BirthdayRecord> selectedRecords() const;
    // Runs change on each record as shown, then tells the user in one message of the records
    // another program changed meanwhile (which change left alone) and of a failure, which ends
    // the run, and refreshes the list.
    // partlyDone: what a run that stopped part-way did, %1 records changed and %2 not.
    // A copy of the record, with its rule where it has one.
    BirthdayStore::Outcome duplicateRecord(const BirthdayRecord& shown);
    void changeRecords(const QList<BirthdayRecord>& shown, const QString& failedText,
                       const QString& oneNotDone, const QString& manyNotDone,
                       const QString& partlyDone, const RecordChanges::Change& change);
    // One message: these events were changed by another program, so notDone.
    void tellChanged(const QStringList& names, const QString& notDone,
                     const QString& failure = QString());

    BirthdayStore& m_store;
    SettingsStore& m_settings;
    const Clock& m_clock;
    BirthdayListView& m_list;
    MessagePrompt& m_prompt;
    HelpSink m_help;
    QWidget* m_dialogParent;
};
