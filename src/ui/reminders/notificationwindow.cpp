#include "ui/reminders/notificationwindow.h"

#include "core/presentation/notificationlines.h"

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

// The window keeps its own colours, light ones that its red title and blue "close" were made
// for, so that a dark desktop theme cannot leave dark text on a dark band.
const QColor background = Qt::white;
const QColor bandBackground(0xff, 0xff, 0xe1); // the classic tooltip yellow
const QColor foreground = Qt::black;

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
    white.setColor(QPalette::Window, background);
    white.setColor(QPalette::WindowText, foreground);
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

    // "close" stands above the title that reaches towards it, so all of the word takes the click.
    m_lblClose->raise();

    // The frame lies over everything but lets the mouse through to what is under it.
    m_shpBorder = new QFrame(this);
    m_shpBorder->setObjectName(QStringLiteral("shpBorder"));
    m_shpBorder->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_shpBorder->setAttribute(Qt::WA_TransparentForMouseEvents);
    setTwipGeometry(m_shpBorder, 0, 0, designWidth, designHeight);

    widthsArrange(twipsToPixels(designWidth));
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
    tooltip.setColor(QPalette::Window, bandBackground);
    tooltip.setColor(QPalette::WindowText, foreground);
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
    installHelpHook(this, key, sink);
    // Not "close" nor the icon: those have no help of their own.
    for (QWidget* label : std::initializer_list<QWidget*>{
             m_lblCandlewatcher, m_lblSoon, m_lblSoonTitle, m_lblToday, m_lblTodayTitle}) {
        installHelpHook(label, key, sink);
        // Reported once, by the label itself, not again by the window underneath.
        label->setAttribute(Qt::WA_NoMousePropagation);
    }
}

QString NotificationWindow::linesFitted(const QStringList& lines, bool soon, QLabel* label) const
{
    // A name in another script keeps its own direction without turning the line around: it is
    // isolated (FSI ... PDI), so every line reads "Name (Date - Y Years)" from the left. An
    // entry wider than its label keeps its one line; its name is cut, never the date or years.
    const QFontMetrics metrics(label->font());
    QStringList shown;
    for (const QString& line : lines) {
        const qsizetype nameLength = NotificationLines::nameLength(line, soon);
        QString name = line.first(nameLength);
        const QString rest = line.sliced(nameLength);
        const int room = label->width() - metrics.horizontalAdvance(rest);
        if (metrics.horizontalAdvance(name) > room)
            name = metrics.elidedText(name, Qt::ElideRight, std::max(room, 0));
        shown.append(QChar(0x2068) + name + QChar(0x2069) + rest);
    }
    return shown.join(u'\n');
}

void NotificationWindow::widthsArrange(int width)
{
    // Everything that reaches the right edge moves with it (the widths are the design's);
    // "close" keeps its distance from it.
    const int extra = width - twipsToPixels(designWidth);
    for (const auto& [widget, designTwips] :
         std::initializer_list<std::pair<QWidget*, int>>{{m_shpTodayTitle, designWidth},
                                                         {m_shpSoonTitle, designWidth},
                                                         {m_shpBorder, designWidth},
                                                         {m_lblTodayTitle, 2595},
                                                         {m_lblSoonTitle, 3195},
                                                         {m_lblSoon, 3195},
                                                         {m_lblToday, 3135}})
        widget->resize(twipsToPixels(designTwips) + extra, widget->height());
    m_lblClose->move(twipsToPixels(2880 + 375) + extra - m_lblClose->width(), m_lblClose->y());
    m_lblCandlewatcher->resize(m_lblClose->x() - m_lblCandlewatcher->x(),
                               m_lblCandlewatcher->height());
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

    // As wide as the longest line needs, up to the screen's free width; only then are names cut.
    const QFontMetrics metrics(m_lblToday->font());
    int widest = 0;
    for (const auto& [list, label] :
         {std::pair{&lines.today, m_lblToday}, {&lines.soon, m_lblSoon}}) {
        const int margins = m_shpBorder->width() - label->width();
        for (const QString& line : *list)
            widest = std::max(widest, metrics.horizontalAdvance(line) + margins);
    }
    const int widthLimit = available.width() - twipsToPixels(rightDistance);
    widthsArrange(std::max(twipsToPixels(designWidth), std::min(widest, widthLimit)));
    m_lblToday->setText(linesFitted(lines.today, false, m_lblToday));
    m_lblSoon->setText(linesFitted(lines.soon, true, m_lblSoon));

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

    setFixedSize(m_shpBorder->width(), twipsToPixels(windowHeight));
    const int left = screenRect.x() + screenRect.width() - width() - twipsToPixels(rightDistance);
    const int top = screenRect.y() + screenRect.height() - height() - twipsToPixels(bottomDistance);
    move(std::max(left, available.x()), std::max(top, available.y()));
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
