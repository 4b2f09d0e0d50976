#include "ui/common/standardbutton.h"

#include <QPushButton>

QString standardButtonText(QDialogButtonBox::StandardButton which)
{
    // The box asks the desktop's theme, which takes Qt's own translation: no text of ours.
    const QDialogButtonBox box(which);
    return box.button(which)->text();
}
