#include "platform/notifier.h"

#include <QMetaObject>

void Notifier::answerLater(int request, bool accepted)
{
    QMetaObject::invokeMethod(
        this, [this, request, accepted] { emit answered(request, accepted); },
        Qt::QueuedConnection);
}
