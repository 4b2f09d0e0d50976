#include "helphook.h"

#include <QEvent>

namespace {

// Lives as a child of the control, so it goes when the control goes.
class HelpHookFilter : public QObject
{
public:
    HelpHookFilter(QWidget* control, QString helpKey, HelpSink sink)
        : QObject(control), m_helpKey(std::move(helpKey)), m_sink(std::move(sink))
    {
        control->setMouseTracking(true);
        control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter ||
            event->type() == QEvent::HoverMove)
            m_sink(m_helpKey);
        return QObject::eventFilter(watched, event);
    }

private:
    QString m_helpKey;
    HelpSink m_sink;
};

} // namespace

void helpHook(QWidget* control, const QString& helpKey, const HelpSink& sink)
{
    if (control && sink)
        new HelpHookFilter(control, helpKey, sink);
}
