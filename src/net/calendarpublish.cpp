#include "net/calendarpublish.h"

#include <utility>

CalendarPublish::CalendarPublish(QNetworkAccessManager& manager, DavAccount account,
                                 QList<PublishPlan::Step> steps, QObject* parent)
    : NetJob(manager, std::move(account), parent), m_steps(std::move(steps))
{}

void CalendarPublish::start()
{
    next(true);
}

void CalendarPublish::next(bool conditional)
{
    const int index = int(m_done.size());
    if (index == m_steps.size())
        return succeed();
    using Kind = PublishPlan::Step::Kind;
    const PublishPlan::Step& step = m_steps.at(index);
    HttpRequest request;
    request.verb = step.kind == Kind::Remove ? "DELETE" : "PUT";
    request.url = QUrl(step.href);
    request.body = step.body;
    request.contentType = "text/calendar; charset=utf-8";
    if (conditional && step.kind == Kind::Add)
        request.ifNoneMatch = "*";
    else if (conditional)
        request.ifMatch = step.etag.toUtf8();
    send(request, [this, index, conditional](const HttpAnswer& answer) {
        const bool gone = m_steps.at(index).kind == Kind::Remove &&
                          (answer.status == 404 || answer.status == 410);
        if (answer.status == 412 && conditional)
            return next(false);
        if (answer.status / 100 != 2 && !gone)
            return failOn(answer);
        m_done.append({index, QString::fromUtf8(answer.etag)});
        next(true);
    });
}
