#include "birthdaydialog.h"

BirthdayDialog::BirthdayDialog(Mode mode, int key, BirthdayStore& store, const Clock& clock,
                               const HelpSink& help, QWidget* parent)
    : QDialog(parent), m_mode(mode), m_key(key), m_store(store), m_clock(clock)
{
    Q_UNUSED(help); // TODO(dialogs): placeholder until the dialogs land
}
