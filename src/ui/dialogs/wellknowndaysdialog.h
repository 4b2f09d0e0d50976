#pragma once

#include "core/calendar/clock.h"
#include "core/program/expected.h"
#include "ui/help/helphook.h"

#include <QDialog>

class BirthdayStore;
class QProgressBar;
class QPushButton;
class QStackedWidget;
class QTreeWidget;

// "Special Events": adds chosen days of the built-in table as yearly records dated in the
// current year. The caller refreshes its list afterwards whatever the outcome.
class WellKnownDaysDialog : public QDialog
{
    Q_OBJECT
public:
    // The current year comes from the system clock.
    WellKnownDaysDialog(BirthdayStore& store, const HelpSink& help, QWidget* parent = nullptr);
    // The current year comes from the given clock.
    WellKnownDaysDialog(BirthdayStore& store, const Clock& clock, const HelpSink& help,
                        QWidget* parent = nullptr);

private Q_SLOTS:
    void onOkClicked();
    void sortByColumn(int column);

private:
    void createControls(const HelpSink& help);
    // Appends one row: key "key<n>", the name, and month\day in the second column.
    void addRow(const QString& name, const QString& shownAs, const QString& rule);
    // Adds one selected row as a new record, and a moving day's rule beside it.
    Expected<> writeEvent(const QString& name, const QString& shownAs, const QString& ruleText);

    BirthdayStore& m_store;
    Clock m_systemClock;
    const Clock& m_clock;

    QTreeWidget* m_eventList = nullptr;
    QStackedWidget* m_bottom = nullptr; // the buttons, or the progress bar over them
    QProgressBar* m_progressBar = nullptr;
    QPushButton* m_okButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
};
