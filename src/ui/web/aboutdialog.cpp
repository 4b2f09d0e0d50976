#include "aboutdialog.h"

AboutDialog::AboutDialog(const HelpSink& help, QWidget* parent) : QDialog(parent)
{
    Q_UNUSED(help); // TODO(web): placeholder until the web part lands
}
