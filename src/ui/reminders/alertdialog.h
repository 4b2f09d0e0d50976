#pragma once

#include "core/calendar/snooze.h"

#include <QDialog>
#include <QStringList>

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

// The alert dialog, "Candlewatcher Alert": lists the events due today that asked for a dialog.
// The list only grows while the dialog stays open (across days, too); closing it deletes it, so
// the next alert starts a fresh, empty list.
class AlertDialog : public QDialog
{
    Q_OBJECT
public:
    explicit AlertDialog(QWidget* parent = nullptr);

    // Adds the event's name as the last line of today's list.
    void addDue(const QString& name);
    QStringList dueNames() const;
    // Adds a missed event ("Anna Schmidt (Sun 8 Dec - 42 Years)") under its own heading,
    // "Missed While Away", below the events due today; the dialog grows to hold it.
    void addMissed(const QString& entry);
    QStringList missedEntries() const;

Q_SIGNALS:
    // "Remind Me Again" chosen: the dialog closes; the runner brings its events back then.
    void snoozeChosen(Snooze::Length length);

private:
    void arrangeControls();
    // Close at its designed place, Remind Me Again to its left.
    void placeButtons(int top);

    QGroupBox* m_dueBox = nullptr;
    QListWidget* m_dueList = nullptr;
    QLabel* m_dueIcon = nullptr;
    QPushButton* m_closeButton = nullptr;
    QPushButton* m_snoozeButton = nullptr;
    QGroupBox* m_missedBox = nullptr;
    QListWidget* m_missedList = nullptr;
};
