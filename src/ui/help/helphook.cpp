#include "helphook.h"

#include <QAbstractScrollArea>
#include <QEvent>

namespace {

// Lives as a child of the watched widget, so it goes when the widget goes.
class HelpHookFilter : public QObject
{
public:
    HelpHookFilter(QWidget* watched, QString helpKey, HelpSink sink)
        : QObject(watched), m_helpKey(std::move(helpKey)), m_sink(std::move(sink))
    {
        watched->setMouseTracking(true);
        watched->installEventFilter(this);
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
    if (!control || !sink)
        return;
    new HelpHookFilter(control, helpKey, sink);
    // A list or text box takes its mouse moves in its viewport, which never passes them on.
    if (auto* area = qobject_cast<QAbstractScrollArea*>(control))
        new HelpHookFilter(area->viewport(), helpKey, sink);
}
