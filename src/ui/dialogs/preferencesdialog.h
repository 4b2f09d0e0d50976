#pragma once

#include "listwindow/helphook.h"

#include <QDialog>

class SettingsStore;

// "Candlewatcher Preferences": confirmations, how often to notify, the alert time.
class PreferencesDialog : public QDialog
{
    Q_OBJECT
public:
    PreferencesDialog(SettingsStore& settings, const HelpSink& help, QWidget* parent = nullptr);

private:
    SettingsStore& m_settings;
};
