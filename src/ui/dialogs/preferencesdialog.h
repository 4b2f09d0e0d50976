#pragma once

#include "ui/dialogs/settingbindings.h"
#include "ui/help/helphook.h"

#include <QDialog>

class SettingsStore;
class QLabel;
class QPushButton;
class QRadioButton;
class QTimeEdit;

// "Candlewatcher Preferences": confirmations, how often to notify, the alert time, how
// reminders show, where 29 February falls in other years and how often subscriptions sync. Reads
// the settings when created and writes them on OK; Cancel writes nothing. Each control is bound
// to its key (SettingBindings).
class PreferencesDialog : public QDialog
{
    Q_OBJECT
public:
    // windowPlaceable: whether reminder windows can be placed above a tray here, which makes
    // them the automatic choice over desktop notifications.
    PreferencesDialog(SettingsStore& settings, const HelpSink& help, QWidget* parent = nullptr,
                      bool windowPlaceable = true);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private Q_SLOTS:
    void onOkClicked();

private:
    void createControls(const HelpSink& help);

    SettingsStore& m_settings;
    bool m_windowPlaceable;
    QString m_storedShowAs; // "" while the automatic choice applies
    SettingBindings m_bindings;

    QRadioButton* m_everyHourButton = nullptr;
    QRadioButton* m_everyDayButton = nullptr;
    QRadioButton* m_atStartOnlyButton = nullptr;
    QLabel* m_alertsLabel = nullptr;
    QTimeEdit* m_timeEdit = nullptr;
    QPushButton* m_okButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
};
