#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

// A modal message over a dialog with the program's title and a single OK button; the text is
// plain, never markup.
void showDialogMessage(QWidget* parent, QMessageBox::Icon icon, const QString& text);
