#pragma once

#include <QObject>
#include <QStringList>

class BirthdayStore;
class Clock;
class MessagePrompt;
class SettingsStore;
class QWidget;

// The Birthdays menu's Import, Export and Restore from Backup: file dialogs, the import
// preview and the backup list around what core does. Every change ends in one refresh.
class ExchangeCommands : public QObject
{
    Q_OBJECT
public:
    ExchangeCommands(BirthdayStore& store, SettingsStore& settings, const Clock& clock,
                     MessagePrompt& prompt, QWidget* dialogParent);

    // Each asks the user for the files or the backup first; Cancel there does nothing.
    void importChosenFiles();
    void exportToChosenFile();
    void restoreChosenBackup();

signals:
    void refreshNeeded();

private:
    // Reads the files, shows what they hold and adds the events the user keeps checked.
    void importFiles(const QStringList& paths);
    void exportTo(const QString& path);

    BirthdayStore& m_store;
    SettingsStore& m_settings;
    const Clock& m_clock;
    MessagePrompt& m_prompt;
    QWidget* m_dialogParent;
};
