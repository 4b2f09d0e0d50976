#include "notificationwindow.h"

#include "reminders/notificationlines.h"

#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace {

// Design values, in twips.
constexpr int designWidth = 3375;
constexpr int designHeight = 1515;
constexpr int todayTop = 660;
constexpr int bandGap = 45;         // between the today list and the soon band
constexpr int soonTitleInset = 60;  // from the band's top to its heading
constexpr int soonTextOffset = 300; // from the heading's top to the soon list
constexpr int bottomMargin = 60;
constexpr int rightDistance = 200;
constexpr int bottomDistance = 1300;
// The window's height without any list line.
constexpr int heightWithoutLines =
    todayTop + bandGap + soonTitleInset + soonTextOffset + bottomMargin;

const QString lineBreak = QStringLiteral("\r\n");

} // namespace

NotificationWindow::NotificationWindow(int closeIntervalMs, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("frmNotification"));
    setAttribute(Qt::WA_DeleteOnClose);
    // A pop-up must not take the keyboard from whatever the user is typing into.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowTitle(QStringLiteral("Candlewatcher"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/candlewatcher.svg")));

    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPointSizeF(8.25);
    setFont(tahoma);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    setPalette(white);
    setAutoFillBackground(true);

    // The bands first, so the labels stand on them.
    m_shpTodayTitle = addBand("shpTodayTitle", 0, 0, designWidth, 615);
    m_shpSoonTitle = addBand("shpSoonTitle", 0, 900, designWidth, 315);

    m_lblTodayTitle =
        addLabel("lblTodayTitle", QStringLiteral("Birthdays Due Today"), 720, 300, 2595, 195);
    m_lblClose = addLabel("lblClose", QStringLiteral("close"), 2880, 60, 375, 195);
    QFont underlined = m_lblClose->font();
    underlined.setUnderline(true);
    m_lblClose->setFont(underlined);
    QPalette blue = m_lblClose->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    m_lblClose->setPalette(blue);
    m_lblClose->setCursor(Qt::PointingHandCursor);
    // Fonts other than Tahoma can be wider: keep the right edge, never cut the word.
    const int closeWidth = QFontMetrics(underlined).horizontalAdvance(m_lblClose->text()) + 1;
    if (closeWidth > m_lblClose->width())
        m_lblClose->setGeometry(m_lblClose->geometry().right() + 1 - closeWidth, m_lblClose->y(),
                                closeWidth, m_lblClose->height());
    m_lblClose->installEventFilter(this);

    m_lblSoon =
        addLabel("lblSoon", QStringLiteral("(No birthdays coming up)"), 120, 1260, 3195, 195);
    m_lblToday = addLabel("lblToday", QStringLiteral("(No birthdays today)"), 120, 660, 3135, 195);

    m_imgCandlewatcher = addLabel("imgCandlewatcher", QString(), 120, 60, 480, 480);
    const int iconSide = twipsToPixels(480);
    m_imgCandlewatcher->setPixmap(
        QIcon(QStringLiteral(":/icons/candlewatcher.svg")).pixmap(iconSide, iconSide));

    m_lblSoonTitle =
        addLabel("lblSoonTitle", QStringLiteral("Birthdays Due Soon"), 120, 960, 3195, 195);
    m_lblCandlewatcher =
        addLabel("lblCandlewatcher", QStringLiteral("Candlewatcher"), 720, 60, 2475, 195);
    QFont bold = m_lblCandlewatcher->font();
    bold.setBold(true);
    m_lblCandlewatcher->setFont(bold);
    QPalette red = m_lblCandlewatcher->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    m_lblCandlewatcher->setPalette(red);

    // The frame lies over everything but lets the mouse through to what is under it.
    m_shpBorder = new QFrame(this);
    m_shpBorder->setObjectName(QStringLiteral("shpBorder"));
    m_shpBorder->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_shpBorder->setAttribute(Qt::WA_TransparentForMouseEvents);
    setTwipGeometry(m_shpBorder, 0, 0, designWidth, designHeight);

    setFixedSize(twipsToPixels(designWidth), twipsToPixels(designHeight));

    m_tmrClose = new QTimer(this);
    m_tmrClose->setObjectName(QStringLiteral("tmrClose"));
    m_tmrClose->setSingleShot(true);
    m_tmrClose->setTimerType(Qt::PreciseTimer);
    connect(m_tmrClose, &QTimer::timeout, this, &QWidget::close);
    m_tmrClose->start(closeIntervalMs);
}

QLabel* NotificationWindow::addLabel(const char* name, const QString& text, int left, int top,
                                     int width, int height)
{
    auto* label = new QLabel(this);
    label->setObjectName(QLatin1String(name));
    // Names are the user's own text: never read them as markup.
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setText(text);
    setTwipGeometry(label, left, top, width, height);
    return label;
}

QFrame* NotificationWindow::addBand(const char* name, int left, int top, int width, int height)
{
    auto* band = new QFrame(this);
    band->setObjectName(QLatin1String(name));
    band->setFrameStyle(QFrame::Box | QFrame::Plain);
    QPalette tooltip = band->palette();
    tooltip.setColor(QPalette::Window, tooltip.color(QPalette::ToolTipBase));
    tooltip.setColor(QPalette::WindowText, Qt::black);
    band->setPalette(tooltip);
    band->setAutoFillBackground(true);
    setTwipGeometry(band, left, top, width, height);
    return band;
}

void NotificationWindow::setTwipGeometry(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                        twipsToPixels(height));
}

void NotificationWindow::setTwipTop(QWidget* widget, int top)
{
    widget->move(widget->x(), twipsToPixels(top));
}

void NotificationWindow::setTwipHeight(QWidget* widget, int height)
{
    widget->resize(widget->width(), twipsToPixels(height));
}

void NotificationWindow::setSoonText(const QString& text)
{
    m_soonText = text;
    m_lblSoon->setText(text.split(lineBreak).join(u'\n'));
}

void NotificationWindow::setTodayText(const QString& text)
{
    m_todayText = text;
    m_lblToday->setText(text.split(lineBreak).join(u'\n'));
}

void NotificationWindow::setHelpSink(const HelpSink& sink)
{
    const QString key = QStringLiteral("notification");
    helpHook(this, key, sink);
    // Not "close" nor the icon: those have no help of their own.
    for (QWidget* label : std::initializer_list<QWidget*>{
             m_lblCandlewatcher, m_lblSoon, m_lblSoonTitle, m_lblToday, m_lblTodayTitle}) {
        helpHook(label, key, sink);
        // Reported once, by the label itself, not again by the window underneath.
        label->setAttribute(Qt::WA_NoMousePropagation);
    }
}

QString NotificationWindow::linesFitted(const QStringList& lines, QLabel* label) const
{
    // An entry wider than its label keeps its one line, cut with an ellipsis.
    const QFontMetrics metrics(label->font());
    QStringList elided;
    for (const QString& line : lines)
        elided.append(metrics.elidedText(line, Qt::ElideRight, label->width()));
    return elided.join(u'\n');
}

void NotificationWindow::objectsResize()
{
    const int lineHeight = pixelsToTwips(QFontMetrics(m_lblToday->font()).height());
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect screenRect = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    const QRect available = screen ? screen->availableGeometry() : screenRect;

    // Never taller than the screen's free height: as many whole lines as fit there.
    const int capacity = (pixelsToTwips(available.height()) - heightWithoutLines) / lineHeight;
    const NotificationLines lines =
        NotificationLines::fit(m_todayText.split(lineBreak), m_soonText.split(lineBreak), capacity);
    m_lblToday->setText(linesFitted(lines.today, m_lblToday));
    m_lblSoon->setText(linesFitted(lines.soon, m_lblSoon));

    const int todayHeight = int(lines.today.size()) * lineHeight;
    const int soonHeight = int(lines.soon.size()) * lineHeight;
    setTwipHeight(m_lblToday, todayHeight);
    setTwipHeight(m_lblSoon, soonHeight);
    const int soonBandTop = todayTop + todayHeight + bandGap;
    setTwipTop(m_shpSoonTitle, soonBandTop);
    setTwipTop(m_lblSoonTitle, soonBandTop + soonTitleInset);
    const int soonTop = soonBandTop + soonTitleInset + soonTextOffset;
    setTwipTop(m_lblSoon, soonTop);
    const int windowHeight = soonTop + soonHeight + bottomMargin;
    setTwipHeight(m_shpBorder, windowHeight);

    setFixedSize(twipsToPixels(designWidth), twipsToPixels(windowHeight));
    const int left = screenRect.x() + screenRect.width() - width() - twipsToPixels(rightDistance);
    const int top = screenRect.y() + screenRect.height() - height() - twipsToPixels(bottomDistance);
    move(left, std::max(top, available.y()));
}

void NotificationWindow::showEvent(QShowEvent* event)
{
    objectsResize();
    QWidget::showEvent(event);
}

bool NotificationWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_lblClose && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
        m_lblClose->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
        close();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
