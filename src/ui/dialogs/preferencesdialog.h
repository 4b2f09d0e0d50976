#pragma once

#include "ui/help/helphook.h"

#include <QDialog>

class SettingsStore;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTimeEdit;

// "Candlewatcher Preferences": confirmations, how often to notify, the alert time, how
// reminders show and where 29 February falls in other years. Reads the settings when created
// and writes them on OK; Cancel writes nothing.
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

private slots:
    void cmdOkClick();

private:
    void controlsCreate(const HelpSink& help);
    void settingsLoad();

    SettingsStore& m_settings;
    bool m_windowPlaceable;
    QString m_storedShowAs; // "" while the automatic choice applies

    QCheckBox* m_chkConfirmDelete = nullptr;
    QCheckBox* m_chkConfirmQuit = nullptr;
    QRadioButton* m_optEveryHour = nullptr;
    QRadioButton* m_optEveryDay = nullptr;
    QRadioButton* m_optNone = nullptr;
    QLabel* m_lblAlerts = nullptr;
    QTimeEdit* m_objTime = nullptr;
    QComboBox* m_cboShowAs = nullptr;
    QComboBox* m_cboLeapDay = nullptr;
    QPushButton* m_cmdOK = nullptr;
    QPushButton* m_cmdCancel = nullptr;
};
