#include "dialogbuttons.h"

#include <QDialog>
#include <QPushButton>

DialogButtons dialogButtonsCreate(QDialog* dialog, int minimumWidth)
{
    DialogButtons buttons;
    buttons.ok = new QPushButton(QStringLiteral("OK"), dialog);
    buttons.ok->setObjectName(QStringLiteral("cmdOK"));
    buttons.ok->setDefault(true);
    buttons.cancel = new QPushButton(QStringLiteral("Cancel"), dialog);
    buttons.cancel->setObjectName(QStringLiteral("cmdCancel"));
    for (QPushButton* button : {buttons.ok, buttons.cancel})
        button->setMinimumWidth(minimumWidth);
    QObject::connect(buttons.cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return buttons;
}
