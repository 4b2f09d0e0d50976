#pragma once

#include "help/helphook.h"

#include <QDialog>

class SettingsStore;
class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTimeEdit;

// "Candlewatcher Preferences": confirmations, how often to notify, the alert time. Reads the
// settings when created and writes all four values on OK; Cancel writes nothing.
class PreferencesDialog : public QDialog
{
    Q_OBJECT
public:
    PreferencesDialog(SettingsStore& settings, const HelpSink& help, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void cmdOkClick();

private:
    void controlsCreate(const HelpSink& help);
    void settingsLoad();

    SettingsStore& m_settings;

    QCheckBox* m_chkConfirmDelete = nullptr;
    QCheckBox* m_chkConfirmQuit = nullptr;
    QRadioButton* m_optEveryHour = nullptr;
    QRadioButton* m_optEveryDay = nullptr;
    QRadioButton* m_optNone = nullptr;
    QLabel* m_lblAlerts = nullptr;
    QTimeEdit* m_objTime = nullptr;
    QPushButton* m_cmdOK = nullptr;
    QPushButton* m_cmdCancel = nullptr;
};
