#include "ui/dialogs/dialogbuttons.h"

#include "ui/common/standardbutton.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

DialogButtons createDialogButtons(QDialog* dialog, int minimumWidth)
{
    DialogButtons buttons;
    buttons.ok = new QPushButton(standardButtonText(QDialogButtonBox::Ok), dialog);
    buttons.ok->setObjectName(QStringLiteral("cmdOK"));
    buttons.ok->setDefault(true);
    buttons.cancel = new QPushButton(standardButtonText(QDialogButtonBox::Cancel), dialog);
    buttons.cancel->setObjectName(QStringLiteral("cmdCancel"));
    for (QPushButton* button : {buttons.ok, buttons.cancel})
        button->setMinimumWidth(minimumWidth);
    QObject::connect(buttons.cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return buttons;
}

void layOutListDialog(QDialog* dialog, QWidget* heading, QWidget* list, QWidget* beside)
{
    const DialogButtons pair = createDialogButtons(dialog);
    QObject::connect(pair.ok, &QPushButton::clicked, dialog, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    if (beside)
        buttons->addWidget(beside, 1);
    else
        buttons->addStretch(1);
    buttons->addWidget(pair.ok);
    buttons->addWidget(pair.cancel);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(heading);
    layout->addWidget(list, 1);
    layout->addLayout(buttons);
}

void setColumnWidths(QTreeView* list, const QList<int>& widths)
{
    for (int column = 0; column < widths.size(); ++column)
        list->setColumnWidth(column,
                             std::max(widths[column], list->header()->sectionSizeHint(column)));
}
