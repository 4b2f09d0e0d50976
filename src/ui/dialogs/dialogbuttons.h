#pragma once

#include <QList>

class QDialog;
class QPushButton;
class QTreeView;
class QWidget;

// The OK and Cancel buttons every dialog of the program has: OK is the default button,
// Cancel rejects the dialog. The caller connects OK to its own handler.
struct DialogButtons
{
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
};

// minimumWidth 0 leaves the buttons at their natural width.
DialogButtons createDialogButtons(QDialog* dialog, int minimumWidth = 0);

// The list dialogs' frame (import, restore): the heading, the list taking the height, and a
// row with `beside` (or space when null) left of OK, which accepts, and Cancel.
void layOutListDialog(QDialog* dialog, QWidget* heading, QWidget* list, QWidget* beside);

// Sets a list's first column widths; a column whose header text needs more gets that, so a
// longer translation grows the column rather than being cut.
void setColumnWidths(QTreeView* list, const QList<int>& widths);
