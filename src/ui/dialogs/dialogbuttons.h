#pragma once

class QDialog;
class QPushButton;

// The OK and Cancel buttons every dialog of the program has: OK is the default button,
// Cancel rejects the dialog. The caller connects OK to its own handler.
struct DialogButtons
{
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
};

// minimumWidth 0 leaves the buttons at their natural width.
DialogButtons dialogButtonsCreate(QDialog* dialog, int minimumWidth = 0);
