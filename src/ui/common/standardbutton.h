#pragma once

#include <QDialogButtonBox>
#include <QString>

// The caption Qt gives a standard button (OK, Cancel, Close) in the program's language and on
// this desktop, so the program's own dialogs word them as Qt's message boxes do.
QString standardButtonText(QDialogButtonBox::StandardButton which);
