#include "ui/list/birthdaycommands.h"

#include "core/settings/settingsstore.h"
#include "core/store/birthdaystore.h"
#include "core/store/eventrulefile.h"
#include "ui/common/messageprompt.h"
#include "ui/dialogs/birthdaydialog.h"
#include "ui/list/birthdaylistview.h"

#include <QStringList>

BirthdayCommands::BirthdayCommands(BirthdayStore& store, SettingsStore& settings,
                                   const Clock& clock, BirthdayListView& list,
                                   MessagePrompt& prompt, HelpSink help, QWidget* dialogParent)
    : QObject(dialogParent), m_store(store), m_settings(settings), m_clock(clock), m_list(list),
      m_prompt(prompt), m_help(std::move(help)), m_dialogParent(dialogParent)
{}

bool BirthdayCommands::checkSelection()
{
    if (m_list.itemCount() == 0) {
        m_prompt.inform(QMessageBox::Warning,
                        tr("You currently have no birthdays in your list.  Please use "
                           "the New Birthday option to create a birthday."));
        return false;
    }
    if (m_list.currentRow() == -1) {
        m_prompt.inform(QMessageBox::Warning,
                        tr("You have not selected a birthday to use.  Please select a "
                           "birthday from the Birthday's list and then try again."));
        return false;
    }
    return true;
}

int BirthdayCommands::selectedCount() const
{
    return int(m_list.selectedRows().size());
}

QString BirthdayCommands::itemText(int row) const
{
    return m_list.model()->row(row).name;
}

void BirthdayCommands::tellChanged(const QStringList& names, const QString& notDone,
                                   const QString& failure)
{
    QStringList quoted;
    for (const QString& name : names)
        quoted << tr("\"%1\"", "an event's name in quotes").arg(name);
    QString text = names.size() == 1
                       ? tr("The event %1 was changed by another program after the list "
                            "showed it, so %2.  The list now shows the events as they are.")
                             .arg(quoted.first(), notDone)
                       : tr("These events were changed by another program after the list "
                            "showed them, so %2: %1.  The list now shows the events as they "
                            "are.")
                             .arg(quoted.join(tr(", ", "between the items of a list")), notDone);
    if (!failure.isEmpty())
        text = failure + QStringLiteral("\n\n") + text;
    m_prompt.inform(failure.isEmpty() ? QMessageBox::Warning : QMessageBox::Critical, text);
}

void BirthdayCommands::newBirthday()
{
    BirthdayDialog dialog(BirthdayDialog::Mode::Add, BirthdayRecord(), m_store, m_clock, m_help,
                          m_dialogParent);
    if (dialog.exec() == QDialog::Accepted)
        Q_EMIT refreshNeeded();
}

void BirthdayCommands::editBirthday()
{
    if (!checkSelection())
        return;
    // A copy: the list may follow the file while a message or the dialog is open.
    const BirthdayRecord shown = m_list.model()->row(m_list.currentRow()).record;
    // An edit saved here detaches the event from its subscription for good: asked first.
    if (const QString source = m_list.model()->row(m_list.currentRow()).source;
        !source.isEmpty() &&
        m_prompt.ask(QMessageBox::Question,
                     tr("\"%1\" follows the subscription \"%2\".  Once you change it here it "
                        "is your own: later changes in the subscription no longer reach it.  "
                        "Edit it?")
                         .arg(shown.value(BirthdayRecord::Name), source),
                     QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    if (selectedCount() > 1) {
        m_prompt.inform(QMessageBox::Information,
                        tr("Because you can only edit one birthay at a time, only the "
                           "last one you selected will be displayed."));
    }
    BirthdayDialog dialog(BirthdayDialog::Mode::Edit, shown, m_store, m_clock, m_help,
                          m_dialogParent);
    const int result = dialog.exec();
    if (result == BirthdayDialog::Changed)
        tellChanged({shown.value(BirthdayRecord::Name)}, tr("your changes to it were not saved"));
    if (result != QDialog::Rejected)
        Q_EMIT refreshNeeded();
    // The refresh keeps only what is unchanged selected: the event just edited is still the
    // one the user is working on.
    if (result == QDialog::Accepted)
        m_list.selectKey(shown.key);
}

void BirthdayCommands::duplicateBirthdays()
{
    if (!checkSelection())
        return;
    changeRecords(selectedRecords(), tr("\"%1\" could not be duplicated."),
                  tr("it was not duplicated"), tr("they were not duplicated"),
                  //: %n is how many events were selected, %1 how many were copied.
                  tr("Of the %n selected events: %1 duplicated, %2 not duplicated.", nullptr,
                     selectedCount()),
                  [this](const BirthdayRecord& shown) { return duplicateRecord(shown); });
}

BirthdayStore::Outcome BirthdayCommands::duplicateRecord(const BirthdayRecord& shown)
{
    BirthdayRecord copy = shown;
    const BirthdayStore::Outcome outcome = m_store.duplicateRecord(shown, &copy.key);
    if (outcome != BirthdayStore::Outcome::Done || !shown.rule)
        return outcome;
    // The copy moves as the event does: its rule goes beside the data file too.
    const Expected<> kept =
        EventRuleFile::setRule(EventRuleFile::pathFor(m_store.dataPath()), copy, shown.rule);
    if (!kept)
        m_prompt.inform(QMessageBox::Warning,
                        tr("\"%1\" was duplicated, but the copy keeps its date of this year "
                           "only.\n\n%2")
                            .arg(shown.value(BirthdayRecord::Name), kept.error()));
    return outcome;
}

void BirthdayCommands::deleteBirthdays()
{
    if (!checkSelection())
        return;
    const int count = selectedCount();
    // Taken before the question: the list may follow the file while it is open, and the records
    // asked about are the ones to delete, or to name as changed.
    const QList<BirthdayRecord> shown = selectedRecords();
    if (m_settings.read(Setting::deleteConfirm)) {
        const QString question =
            count == 1 ? tr("Are you sure you want to delete %1 permanently from your "
                            "birthdays list?")
                             .arg(itemText(m_list.currentRow()))
                       //: %Ln is the number of selected events (2 or more).
                       : tr("Are you sure you want to delete these %Ln items "
                            "permanently from your birthdays list?",
                            nullptr, count);
        // No is the default: a slip of the Return key must not delete.
        if (m_prompt.ask(QMessageBox::Question, question, QMessageBox::Yes | QMessageBox::No,
                         QMessageBox::No) != QMessageBox::Yes)
            return;
    }
    changeRecords(shown, tr("\"%1\" could not be deleted."), tr("it was not deleted"),
                  tr("they were not deleted"),
                  //: %n is how many events were selected, %1 how many were deleted.
                  tr("Of the %n selected events: %1 deleted, %2 not deleted.", nullptr, count),
                  [this](const BirthdayRecord& shown) { return m_store.deleteRecord(shown); });
}

QList<BirthdayRecord> BirthdayCommands::selectedRecords() const
{
    QList<BirthdayRecord> records;
    for (int row : m_list.selectedRows())
        records.append(m_list.model()->row(row).record);
    return records;
}

void BirthdayCommands::changeRecords(const QList<BirthdayRecord>& shown, const QString& failedText,
                                     const QString& oneNotDone, const QString& manyNotDone,
                                     const QString& partlyDone, const RecordChanges::Change& change)
{
    // The list is rebuilt only afterwards. Each change acts on the record as the list showed
    // it, and only while the file still holds it.
    const RecordChanges::Result result = RecordChanges::apply(m_store, shown, change);
    QString failure;
    if (result.failed()) {
        failure = failedText.arg(result.failedName) + QStringLiteral("\n\n") + result.error;
        // A run stopped part-way says how far it came: some of the selection is changed.
        if (result.done > 0 || result.notTried > 0)
            failure += QStringLiteral("\n\n") +
                       partlyDone.arg(result.done).arg(shown.size() - result.done);
    }
    if (!result.changed.isEmpty())
        tellChanged(result.changed, result.changed.size() == 1 ? oneNotDone : manyNotDone, failure);
    else if (!failure.isEmpty())
        m_prompt.inform(QMessageBox::Critical, failure);
    if (result.done > 0 || !result.changed.isEmpty())
        Q_EMIT refreshNeeded();
}
