#include "ui/reminders/notificationwindow.h"

#include "ui/presentation/notificationlines.h"
#include "ui/tray/programicon.h"

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

// The layout in pixels, the window as narrow as it gets and one line in each list.
constexpr int minWidth = 225;
constexpr int baseHeight = 101;
constexpr int todayTop = 44;
constexpr int bandGap = 3;         // between the today list and the soon band
constexpr int soonTitleInset = 4;  // from the band's top to its heading
constexpr int soonTextOffset = 20; // from the heading's top to the soon list
constexpr int bottomMargin = 4;
constexpr int closeRight = 217; // "close" keeps its right edge here, whatever its font's width
// From the screen's right and bottom edges: 200 and 1300 twips, rounded to whole pixels.
constexpr int rightDistance = 13;
constexpr int bottomDistance = 87;
// The window's height without any list line.
constexpr int heightWithoutLines =
    todayTop + bandGap + soonTitleInset + soonTextOffset + bottomMargin;

const QString lineBreak = QStringLiteral("\r\n");

// The height of a label's lines as it draws them: a name in another script, or the marks
// that isolate it, can take a fallback font taller than the label's own.
int drawnHeight(const QLabel* label, const QString& text)
{
    return label->fontMetrics()
        .boundingRect(QRect(0, 0, label->width(), 1 << 20), Qt::AlignLeft | Qt::AlignTop, text)
        .height();
}

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
    setWindowIcon(programIcon());

    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPointSizeF(8.25);
    setFont(tahoma);
    QPalette white = palette();
    white.setColor(QPalette::Window, background);
    white.setColor(QPalette::WindowText, foreground);
    setPalette(white);
    setAutoFillBackground(true);

    // The bands first, so the labels stand on them.
    m_todayBand = addBand("shpTodayTitle", 0, 0, minWidth, 41);
    m_soonBand = addBand("shpSoonTitle", 0, 60, minWidth, 21);

    m_todayTitle = addLabel("lblTodayTitle", tr("Birthdays Due Today"), 48, 20, 173, 13);
    m_closeLink = addLabel("lblClose", tr("close"), 192, 4, 25, 13);
    QFont underlined = m_closeLink->font();
    underlined.setUnderline(true);
    m_closeLink->setFont(underlined);
    QPalette blue = m_closeLink->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    m_closeLink->setPalette(blue);
    m_closeLink->setCursor(Qt::PointingHandCursor);
    // Fonts other than Tahoma can be wider: keep the right edge, never cut the word.
    const int closeWidth = QFontMetrics(underlined).horizontalAdvance(m_closeLink->text()) + 1;
    if (closeWidth > m_closeLink->width())
        m_closeLink->setGeometry(m_closeLink->geometry().right() + 1 - closeWidth, m_closeLink->y(),
                                 closeWidth, m_closeLink->height());
    m_closeLink->installEventFilter(this);

    m_soonList = addLabel("lblSoon", tr("(No birthdays coming up)"), 8, 84, 213, 13);
    m_todayList = addLabel("lblToday", tr("(No birthdays today)"), 8, 44, 209, 13);

    m_icon = addLabel("imgCandlewatcher", QString(), 8, 4, 32, 32);
    m_icon->setPixmap(programIcon().pixmap(m_icon->size()));

    m_soonTitle = addLabel("lblSoonTitle", tr("Birthdays Due Soon"), 8, 64, 213, 13);
    m_programName = addLabel("lblCandlewatcher", QStringLiteral("Candlewatcher"), 48, 4, 165, 13);
    QFont bold = m_programName->font();
    bold.setBold(true);
    m_programName->setFont(bold);
    QPalette red = m_programName->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    m_programName->setPalette(red);

    // "close" stands above the title that reaches towards it, so all of the word takes the click.
    m_closeLink->raise();

    // The frame lies over everything but lets the mouse through to what is under it.
    m_border = new QFrame(this);
    m_border->setObjectName(QStringLiteral("shpBorder"));
    m_border->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_border->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_border->setGeometry(0, 0, minWidth, baseHeight);

    arrangeWidths(minWidth);
    setFixedSize(minWidth, baseHeight);

    m_closeTimer = new QTimer(this);
    m_closeTimer->setObjectName(QStringLiteral("tmrClose"));
    m_closeTimer->setSingleShot(true);
    m_closeTimer->setTimerType(Qt::PreciseTimer);
    connect(m_closeTimer, &QTimer::timeout, this, &QWidget::close);
    m_closeTimer->start(closeIntervalMs);
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
    // A heading in a script whose fallback font is taller than the window's own (Chinese,
    // Japanese) grows downwards rather than lose the foot of its characters.
    label->setGeometry(left, top, width, std::max(height, drawnHeight(label, text)));
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
    band->setGeometry(left, top, width, height);
    return band;
}

void NotificationWindow::setSoonText(const QString& text)
{
    m_soonText = text;
    m_soonList->setText(text.split(lineBreak).join(u'\n'));
}

void NotificationWindow::setTodayText(const QString& text)
{
    m_todayText = text;
    m_todayList->setText(text.split(lineBreak).join(u'\n'));
}

void NotificationWindow::setHelpSink(const HelpSink& sink)
{
    const QString key = QStringLiteral("notification");
    installHelpHook(this, key, sink);
    // Not "close" nor the icon: those have no help of their own.
    for (QWidget* label : std::initializer_list<QWidget*>{m_programName, m_soonList, m_soonTitle,
                                                          m_todayList, m_todayTitle}) {
        installHelpHook(label, key, sink);
        // Reported once, by the label itself, not again by the window underneath.
        label->setAttribute(Qt::WA_NoMousePropagation);
    }
}

QString NotificationWindow::fitLines(const QStringList& lines, bool soon, QLabel* label) const
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

void NotificationWindow::arrangeWidths(int width)
{
    // Everything that reaches the right edge moves with it (the widths are those of the
    // narrowest window); "close" keeps its distance from it.
    const int extra = width - minWidth;
    for (const auto& [widget, narrowest] :
         std::initializer_list<std::pair<QWidget*, int>>{{m_todayBand, minWidth},
                                                         {m_soonBand, minWidth},
                                                         {m_border, minWidth},
                                                         {m_todayTitle, 173},
                                                         {m_soonTitle, 213},
                                                         {m_soonList, 213},
                                                         {m_todayList, 209}})
        widget->resize(narrowest + extra, widget->height());
    m_closeLink->move(closeRight + extra - m_closeLink->width(), m_closeLink->y());
    // The name as wide as it is, at most up to "close": mirrored, it stays beside the candle
    // rather than run into "close".
    const int nameWidth = m_programName->sizeHint().width();
    m_programName->resize(std::min(nameWidth, m_closeLink->x() - m_programName->x()),
                          m_programName->height());
}

void NotificationWindow::fitAndPlace()
{
    // The places below are worked out left to right; a right-to-left language sees them
    // mirrored at the end, the candle on the right and "close" on the left.
    if (m_mirrored)
        mirrorChildren();
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect screenRect = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    const QRect available = screen ? screen->availableGeometry() : screenRect;
    const QFontMetrics metrics(m_todayList->font());
    const QStringList todayLines = m_todayText.split(lineBreak);
    const QStringList soonLines = m_soonText.split(lineBreak);

    // Never taller than the screen's free height: as many whole lines as fit there, first
    // counted in lines of the label's own font, then fewer where some are drawn taller.
    const int freeHeight = available.height() - heightWithoutLines;
    const QString isolatedLine = QStringLiteral("\u2068Ag\u2069");
    int capacity = freeHeight / std::max(drawnHeight(m_todayList, isolatedLine), 1);
    int todayHeight = 0;
    int soonHeight = 0;
    for (;; --capacity) {
        const NotificationLines lines = NotificationLines::fit(todayLines, soonLines, capacity);
        // As wide as the longest line needs, up to the screen's free width; only then are
        // names cut.
        int widest = 0;
        for (const auto& [list, label] :
             {std::pair{&lines.today, m_todayList}, {&lines.soon, m_soonList}}) {
            const int margins = m_border->width() - label->width();
            for (const QString& line : *list)
                widest = std::max(widest, metrics.horizontalAdvance(line) + margins);
        }
        const int widthLimit = available.width() - rightDistance;
        arrangeWidths(std::max(minWidth, std::min(widest, widthLimit)));
        m_todayList->setText(fitLines(lines.today, false, m_todayList));
        m_soonList->setText(fitLines(lines.soon, true, m_soonList));
        todayHeight = drawnHeight(m_todayList, m_todayList->text());
        soonHeight = drawnHeight(m_soonList, m_soonList->text());
        // Each list keeps a line, whatever the screen.
        if (todayHeight + soonHeight <= freeHeight || capacity <= 2)
            break;
    }
    m_todayList->resize(m_todayList->width(), todayHeight);
    m_soonList->resize(m_soonList->width(), soonHeight);
    const int soonBandTop = todayTop + todayHeight + bandGap;
    m_soonBand->move(m_soonBand->x(), soonBandTop);
    m_soonTitle->move(m_soonTitle->x(), soonBandTop + soonTitleInset);
    const int soonTop = soonBandTop + soonTitleInset + soonTextOffset;
    m_soonList->move(m_soonList->x(), soonTop);
    const int windowHeight = soonTop + soonHeight + bottomMargin;
    m_border->resize(m_border->width(), windowHeight);

    setFixedSize(m_border->width(), windowHeight);
    if (layoutDirection() == Qt::RightToLeft)
        mirrorChildren();
    const int left = screenRect.x() + screenRect.width() - width() - rightDistance;
    const int top = screenRect.y() + screenRect.height() - height() - bottomDistance;
    move(std::max(left, available.x()), std::max(top, available.y()));
}

void NotificationWindow::mirrorChildren()
{
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->move(width() - child->x() - child->width(), child->y());
    m_mirrored = !m_mirrored;
}

void NotificationWindow::showEvent(QShowEvent* event)
{
    fitAndPlace();
    QWidget::showEvent(event);
}

bool NotificationWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_closeLink && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
        m_closeLink->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
        close();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
