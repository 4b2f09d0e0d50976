#pragma once

#include "core/events/birthdayrecord.h"
#include "ui/help/helphook.h"

#include <QDialog>
#include <QStringList>

class BirthdayStore;
class Clock;
class DatePicker;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

// "Add New Birthday" and "Edit Birthday Details": one dialog, two ways to start. exec() returns
// Accepted when the record was written, and Changed when another program changed the edited record
// after the list showed it, so nothing was written; the caller then refreshes its list.
class BirthdayDialog : public QDialog
{
    Q_OBJECT
public:
    enum class Mode { Add, Edit };
    static constexpr int Changed = 2;

    // Add: a new record under the smallest free key (shown is not used). Edit: the record as
    // the list shows it.
    BirthdayDialog(Mode mode, const BirthdayRecord& shown, BirthdayStore& store, const Clock& clock,
                   const HelpSink& help, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private Q_SLOTS:
    void onOkClicked();
    void onNameRejected();
    // Fills the rule list with what falls on the date shown.
    void offerRules();
    // The controls that follow the rule chosen and whether it repeats.
    void followRule();

private:
    void createControls(const HelpSink& help);
    void loadRecord();
    // Each tells the user what went wrong and returns false when the event was not saved.
    bool addRecord();
    bool updateRecord();
    QStringList fieldValues() const;
    // The rule saved beside the data file: a day typed without a year, or the moving day
    // chosen; none for a date that repeats, or does not, as it is.
    std::optional<YearlyRule> chosenRule() const;
    // Gives the saved record its rule, or takes it away; false, having told the user, when the
    // rules file could not be written.
    bool saveRule(const BirthdayRecord& saved, const std::optional<YearlyRule>& rule);
    void showStartupNotice();

    Mode m_mode;
    BirthdayRecord m_shown;
    BirthdayStore& m_store;
    const Clock& m_clock;

    QLineEdit* m_nameEdit = nullptr;
    DatePicker* m_dateEdit = nullptr;
    QComboBox* m_ruleBox = nullptr;
    QCheckBox* m_repeatsBox = nullptr;
    QCheckBox* m_yearsBox = nullptr;
    QLineEdit* m_notifyDaysEdit = nullptr;
    QComboBox* m_alertBox = nullptr;
    QPushButton* m_okButton = nullptr;
    QPushButton* m_cancelButton = nullptr;

    bool m_shownBefore = false;
    bool m_nameNoticeOpen = false;
    // What to tell the user once the dialog is on screen, and whether to close afterwards.
    QString m_startupNotice;
    bool m_closeAfterNotice = false;
};
