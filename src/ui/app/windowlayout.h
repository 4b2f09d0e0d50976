#pragma once

#include "core/settings/settingkeys.h"

#include <QHash>
#include <QObject>
#include <QRect>
#include <QString>

#include <optional>

class BirthdayListView;
class QMainWindow;
class QWidget;
class SettingsStore;
struct MainActions;

// layoutLoad and layoutSave: how the user left the main window (columns, bars, view mode,
// arrangement, window state and normal placement, help panel), kept in the settings as text.
// The menu check marks, not the controls, are the record of the bars, view and arrangement.
//
// Placement is in twips (15 to a pixel), position and size both of the window's outer frame.
// Placement values that are not stored leave the window where the window manager puts it. A
// value that does not convert, lies outside -32768..32767 or makes no sense (a size below 1, a
// column position outside the columns, a state other than 0, 1, 2) falls back to its default.
class WindowLayout : public QObject
{
public:
    // The controls the layout reaches once they are built.
    struct Controls
    {
        BirthdayListView* list = nullptr;
        QWidget* toolbar = nullptr;
        QWidget* statusBar = nullptr;
        QWidget* helpPanel = nullptr;
    };

    WindowLayout(SettingsStore& settings, QMainWindow* window, const MainActions& actions);

    // The check marks, the placement and the state; the controls follow, once built.
    void layoutLoad();
    // The controls built before the window first shows take what the check marks say and
    // the stored columns; a size that was not stored grows by the menu bar, which is known
    // only now.
    void controlsBuilt(const Controls& controls, int menuBarHeight);
    // Of a list never built, the stored columns stay as they are.
    void layoutSave();

    // Where a window of this outer frame goes: wholly inside the available room of the screen
    // that holds most of it, shrunk to fit; centred on the primary screen if it touches none.
    static QRect placementFitted(const QRect& frame);

protected:
    // The frame is known only once the window manager has put the window on the screen: then
    // the outer size that was restored becomes the window's.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int readWhole(const QString& name, int current, int min = -32768, int max = 32767) const;
    // Twips of a control that is measured in pixels: a value read at load is written back
    // unchanged while the control still has the pixels it gave, so no rounding creeps in.
    int readTwips(const QString& name, int currentPixels, int min = -32768);
    // Nothing when the value is missing or unusable.
    std::optional<int> storedTwips(const Setting::Key<Setting::Type::Whole>& key, int min = -32768);
    void writeTwips(const QString& name, int pixels);
    void columnsLoad();
    void placementLoad();
    void controlsLoad();

    SettingsStore& m_settings;
    QMainWindow* m_window;
    const MainActions& m_actions;
    Controls m_c;
    bool m_sizeStored = false;
    QHash<QString, int> m_loadedTwips;
    QSize m_outerSize; // restored, waiting for the frame to be known
    QRect m_lastFrame; // while last shown in the normal state
};
