#include "ui/dialogs/dialogmessage.h"

#include "core/program/programidentity.h"

void showDialogMessage(QWidget* parent, QMessageBox::Icon icon, const QString& text)
{
    QMessageBox box(icon, programTitle(), text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText); // names and file errors are shown as they are
    box.exec();
}
