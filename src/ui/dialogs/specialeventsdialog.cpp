#include "specialeventsdialog.h"

SpecialEventsDialog::SpecialEventsDialog(BirthdayStore& store, const HelpSink& help,
                                         QWidget* parent)
    : QDialog(parent), m_store(store)
{
    Q_UNUSED(help); // TODO(dialogs): placeholder until the dialogs land
}
