#include "preferencesdialog.h"

PreferencesDialog::PreferencesDialog(SettingsStore& settings, const HelpSink& help,
                                     QWidget* parent)
    : QDialog(parent), m_settings(settings)
{
    Q_UNUSED(help); // TODO(dialogs): placeholder until the dialogs land
}
