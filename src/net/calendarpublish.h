#pragma once

#include "core/sync/publishplan.h"
#include "net/netjob.h"

// Puts and deletes this program's events on a CalDAV calendar, one request at a time, as
// SyncClient::publish describes: a new event under If-None-Match: *, a changed or removed one
// under If-Match its ETag, a 412 answered by the same request once more without the condition,
// a removal of what is gone already taken as done.
class CalendarPublish : public NetJob
{
    Q_OBJECT
public:
    CalendarPublish(QNetworkAccessManager& manager, DavAccount account,
                    QList<PublishPlan::Step> steps, QObject* parent = nullptr);
    void start();
    // The steps done, also after a failure.
    const QList<PublishPlan::Done>& done() const { return m_done; }

private:
    void next(bool conditional);

    QList<PublishPlan::Step> m_steps;
    QList<PublishPlan::Done> m_done;
};
