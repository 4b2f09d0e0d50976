#include "platform/startcaption.h"

#include <QCoreApplication>

QString atStartOnlyCaption()
{
    return QCoreApplication::translate("PreferencesDialog", "Only when &Windows starts up");
}
