#include "shelllaunch.h"

#include <QtGlobal>

void websiteOpen(QWidget* parent)
{
    Q_UNUSED(parent); // TODO(web): placeholder until the web part lands
}
