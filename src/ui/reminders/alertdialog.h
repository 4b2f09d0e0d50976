#pragma once

#include <QDialog>
#include <QStringList>

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

// frmAlert, "Candlewatcher Alert": lists the events due today that asked for a dialog. The
// list only grows while the dialog stays open (across days, too); closing it deletes it, so
// the next alert starts a fresh, empty list.
class AlertDialog : public QDialog
{
    Q_OBJECT
public:
    explicit AlertDialog(QWidget* parent = nullptr);

    // Adds the event's name as the last line of lstDue.
    void dueAdd(const QString& name);
    QStringList dueNames() const;
    // Adds a missed event ("Anna Schmidt (Sun 8 Dec - 42 Years)") under its own heading,
    // "Missed While Away", below the events due today; the dialog grows to hold it.
    void missedAdd(const QString& entry);
    QStringList missedEntries() const;

private:
    void controlsArrange();

    QGroupBox* m_grpDue = nullptr;
    QListWidget* m_lstDue = nullptr;
    QLabel* m_imgDue = nullptr;
    QPushButton* m_cmdClose = nullptr;
    QGroupBox* m_grpMissed = nullptr;
    QListWidget* m_lstMissed = nullptr;
};
