#pragma once

#include "core/exchange/importplan.h"

#include <QObject>
#include <QStringList>

#include <optional>

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
    // Waits for reads still going on after their Cancel: they use what the program's end frees.
    ~ExchangeCommands() override;

    // Each asks the user for the files or the backup first; Cancel there does nothing.
    void importChosenFiles();
    void exportToChosenFile();
    void restoreChosenBackup();
    // Reads the files, shows what they hold and adds the events the user keeps checked.
    void importFiles(const QStringList& paths);
    // How long a read goes on before its progress shows.
    void setProgressDelay(int ms) { m_progressDelayMs = ms; }
    // How long the chosen events are added before the window has its turn again.
    void setSliceTime(int ms) { m_sliceMs = ms; }

Q_SIGNALS:
    void refreshNeeded();

private:
    // What the files hold and what an import of it would do.
    struct Planned
    {
        ImportFile files;
        QList<ImportPlan::Item> items;
    };

    // Reads and plans on a thread of its own while the window goes on; a read that takes more
    // than half a second shows its progress with Cancel. Nothing when cancelled.
    std::optional<Planned> readAndPlan(const QStringList& paths, const QStringList& names,
                                       const QList<BirthdayRecord>& stored);
    // Adds the chosen events a slice at a time while the window goes on. False when the
    // program ended meanwhile: all was added still, but nothing may be shown.
    bool addInSlices(ImportPlan::Run& adding);
    void exportTo(const QString& path);

    BirthdayStore& m_store;
    SettingsStore& m_settings;
    const Clock& m_clock;
    MessagePrompt& m_prompt;
    QWidget* m_dialogParent;
    bool m_waiting = false; // for a read
    int m_progressDelayMs = 500;
    int m_sliceMs = 20; // well under a stall the eye sees
};
