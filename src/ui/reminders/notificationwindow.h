#pragma once

#include "ui/help/helphook.h"

#include <QWidget>

class QFrame;
class QLabel;
class QTimer;

// The notification window: the frameless pop-up above the tray that lists the events due today
// and those coming soon. Making it starts its close timer; it closes itself (and is deleted)
// when the timer fires or "close" is clicked. Showing it again while it is open replaces the
// texts but does not restart the timer. Laid out in device-independent pixels.
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
    // places it 13 pixels from the right and 87 above the bottom of the primary screen.
    void fitAndPlace();
    // Where mouse moves over the window and its texts report the help key "notification".
    void setHelpSink(const HelpSink& sink);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* addLabel(const char* name, const QString& text, int left, int top, int width,
                     int height);
    QFrame* addBand(const char* name, int left, int top, int width, int height);
    QString fitLines(const QStringList& lines, bool soon, QLabel* label) const;
    // Gives the window this width in pixels: bands, border and texts reach its right edge.
    void arrangeWidths(int width);
    // Puts every child at its mirror image across the window (and back again).
    void mirrorChildren();

    QString m_soonText;
    QString m_todayText;
    QTimer* m_closeTimer = nullptr;
    QLabel* m_todayTitle = nullptr;
    QLabel* m_closeLink = nullptr;
    QLabel* m_soonList = nullptr;
    QLabel* m_todayList = nullptr;
    QLabel* m_icon = nullptr;
    QLabel* m_soonTitle = nullptr;
    QLabel* m_programName = nullptr;
    QFrame* m_border = nullptr;
    QFrame* m_soonBand = nullptr;
    QFrame* m_todayBand = nullptr;
    bool m_mirrored = false;
};
