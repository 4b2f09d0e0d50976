#include "platform/notifier.h"

#include <QMetaObject>

void Notifier::answerLater(int request, bool accepted)
{
    QMetaObject::invokeMethod(
        this, [this, request, accepted] { Q_EMIT answered(request, accepted); },
        Qt::QueuedConnection);
}
