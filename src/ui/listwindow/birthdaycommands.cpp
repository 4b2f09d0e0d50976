#include "birthdaycommands.h"

#include "birthdaylistview.h"
#include "dialogs/birthdaydialog.h"
#include "messageprompt.h"
#include "settings/settingsstore.h"
#include "store/birthdaystore.h"

BirthdayCommands::BirthdayCommands(BirthdayStore& store, SettingsStore& settings,
                                   const Clock& clock, BirthdayListView& list,
                                   MessagePrompt& prompt, HelpSink help, QWidget* dialogParent)
    : QObject(dialogParent), m_store(store), m_settings(settings), m_clock(clock), m_list(list),
      m_prompt(prompt), m_help(std::move(help)), m_dialogParent(dialogParent)
{}

bool BirthdayCommands::birthdaysSelectedCheck()
{
    if (m_list.itemCount() == 0) {
        m_prompt.inform(QMessageBox::Warning,
                        QStringLiteral("You currently have no birthdays in your list.  Please use "
                                       "the New Birthday option to create a birthday."));
        return false;
    }
    if (m_list.currentRow() == -1) {
        m_prompt.inform(QMessageBox::Warning,
                        QStringLiteral("You have not selected a birthday to use.  Please select a "
                                       "birthday from the Birthday's list and then try again."));
        return false;
    }
    return true;
}

int BirthdayCommands::birthdaysSelectedCount() const
{
    return int(m_list.selectedRows().size());
}

int BirthdayCommands::birthdaySelectedKey() const
{
    const int row = m_list.currentRow();
    const QString itemKey =
        m_list.model()->index(row, 0).data(BirthdayListModel::ItemKeyRole).toString();
    return BirthdayListModel::recordKeyOf(itemKey);
}

QString BirthdayCommands::itemText(int row) const
{
    return m_list.model()->row(row).name;
}

void BirthdayCommands::birthdayNew()
{
    BirthdayDialog dialog(BirthdayDialog::Mode::Add, -1, m_store, m_clock, m_help, m_dialogParent);
    if (dialog.exec() == QDialog::Accepted)
        emit refreshNeeded();
}

void BirthdayCommands::birthdayEdit()
{
    if (!birthdaysSelectedCheck())
        return;
    if (birthdaysSelectedCount() > 1) {
        m_prompt.inform(QMessageBox::Information,
                        QStringLiteral("Because you can only edit one birthay at a time, only the "
                                       "last one you selected will be displayed."));
    }
    BirthdayDialog dialog(BirthdayDialog::Mode::Edit, birthdaySelectedKey(), m_store, m_clock,
                          m_help, m_dialogParent);
    if (dialog.exec() == QDialog::Accepted)
        emit refreshNeeded();
}

void BirthdayCommands::birthdaysDuplicate()
{
    if (!birthdaysSelectedCheck())
        return;
    const QList<int> rows = m_list.selectedRows();
    bool changed = false;
    for (int row : rows) {
        const int key = m_list.model()->row(row).key;
        if (!m_store.recordDuplicate(key)) {
            m_prompt.failure(QStringLiteral("\"%1\" could not be duplicated.").arg(itemText(row)),
                             m_store.errorString());
            break;
        }
        changed = true;
    }
    if (changed)
        emit refreshNeeded();
}

void BirthdayCommands::birthdaysDelete()
{
    if (!birthdaysSelectedCheck())
        return;
    const int count = birthdaysSelectedCount();
    if (m_settings.settingRead(QStringLiteral("DeleteConfirm"), QStringLiteral("1")) ==
        QLatin1String("1")) {
        const QString question =
            count == 1 ? QStringLiteral("Are you sure you want to delete %1 permanently from your "
                                        "birthdays list?")
                             .arg(itemText(m_list.currentRow()))
                       : QStringLiteral("Are you sure you want to delete these %1 items "
                                        "permanently from your birthdays list?")
                             .arg(count);
        // No is the default: a slip of the Return key must not delete.
        if (m_prompt.ask(QMessageBox::Question, question, QMessageBox::Yes | QMessageBox::No,
                         QMessageBox::No) != QMessageBox::Yes)
            return;
    }
    // Rows were taken before the first deletion; the list is rebuilt only afterwards.
    const QList<int> rows = m_list.selectedRows();
    bool changed = false;
    for (int row : rows) {
        if (!m_store.recordDelete(m_list.model()->row(row).key)) {
            m_prompt.failure(QStringLiteral("\"%1\" could not be deleted.").arg(itemText(row)),
                             m_store.errorString());
            break;
        }
        changed = true;
    }
    if (changed)
        emit refreshNeeded();
}
