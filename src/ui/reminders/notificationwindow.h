#pragma once

#include "ui/help/helphook.h"

#include <QWidget>

class QFrame;
class QLabel;
class QTimer;

// frmNotification: the frameless pop-up above the tray that lists the events due today and
// those coming soon. Loading it starts its close timer; it closes itself (and is deleted) when
// the timer fires or "close" is clicked. Showing it again while it is open replaces the texts
// but does not restart the timer. Laid out in twips (15 to a device-independent pixel) from
// its design values.
class NotificationWindow : public QWidget
{
    Q_OBJECT
public:
    static constexpr int closeIntervalDefault = 10000; // ms

    explicit NotificationWindow(int closeIntervalMs = closeIntervalDefault,
                                QWidget* parent = nullptr);

    // The two lists as the check gives them: entries separated by CR LF.
    void setSoonText(const QString& text);
    void setTodayText(const QString& text);
    QString soonText() const { return m_soonText; }
    QString todayText() const { return m_todayText; }

    // Sizes the lists to their lines (no more than the screen's available height holds),
    // widens the window to its longest line (no more than the available width holds) and
    // places it 200 twips from the right and 1300 twips above the bottom of the primary
    // screen.
    void objectsResize();
    // Where mouse moves over the window and its texts report the help key "notification".
    void setHelpSink(const HelpSink& sink);

    static int twipsToPixels(int twips) { return (twips + 7) / 15; }
    static int pixelsToTwips(int pixels) { return pixels * 15; }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* addLabel(const char* name, const QString& text, int left, int top, int width,
                     int height);
    QFrame* addBand(const char* name, int left, int top, int width, int height);
    void setTwipGeometry(QWidget* widget, int left, int top, int width, int height);
    void setTwipTop(QWidget* widget, int top);
    void setTwipHeight(QWidget* widget, int height);
    QString linesFitted(const QStringList& lines, bool soon, QLabel* label) const;
    // Gives the window this width in pixels: bands, border and texts reach its right edge.
    void widthsArrange(int width);

    QString m_soonText;
    QString m_todayText;
    QTimer* m_tmrClose = nullptr;
    QLabel* m_lblTodayTitle = nullptr;
    QLabel* m_lblClose = nullptr;
    QLabel* m_lblSoon = nullptr;
    QLabel* m_lblToday = nullptr;
    QLabel* m_imgCandlewatcher = nullptr;
    QLabel* m_lblSoonTitle = nullptr;
    QLabel* m_lblCandlewatcher = nullptr;
    QFrame* m_shpBorder = nullptr;
    QFrame* m_shpSoonTitle = nullptr;
    QFrame* m_shpTodayTitle = nullptr;
};
