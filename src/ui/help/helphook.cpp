#include "ui/help/helphook.h"

#include "ui/presentation/helptopics.h"

#include <QAbstractScrollArea>
#include <QEnterEvent>
#include <QGroupBox>
#include <QHoverEvent>
#include <QMouseEvent>

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
        QPointF at;
        switch (event->type()) {
        case QEvent::MouseMove:
            at = static_cast<QMouseEvent*>(event)->position();
            break;
        case QEvent::Enter:
            at = static_cast<QEnterEvent*>(event)->position();
            break;
        case QEvent::HoverMove:
            at = static_cast<QHoverEvent*>(event)->position();
            break;
        default:
            return QObject::eventFilter(watched, event);
        }
        // A frame only holds controls: over one of them the pointer is that control's, with
        // its own help key or none, even when it jumps onto it and the frame sees it enter.
        auto* frame = qobject_cast<QGroupBox*>(watched);
        if (!frame || !frame->childAt(at.toPoint()))
            m_sink(m_helpKey);
        return QObject::eventFilter(watched, event);
    }

private:
    QString m_helpKey;
    HelpSink m_sink;
};

} // namespace

void installHelpHook(QWidget* control, const QString& helpKey, const HelpSink& sink)
{
    // A key without a topic would leave the panel as it is: a slip of the window's.
    Q_ASSERT_X(HelpTopics::find(helpKey), "installHelpHook", qPrintable(helpKey));
    if (!control || !sink)
        return;
    new HelpHookFilter(control, helpKey, sink);
    // A list or text box takes its mouse moves in its viewport, which never passes them on.
    if (auto* area = qobject_cast<QAbstractScrollArea*>(control))
        new HelpHookFilter(area->viewport(), helpKey, sink);
}
