#pragma once

#include <QHash>
#include <QString>

class BirthdayListView;
class QMainWindow;
class QWidget;
class SettingsStore;
struct MainActions;

// layoutLoad and layoutSave: how the user left the main window (columns, bars, view mode,
// arrangement, window state and normal placement, help panel), kept in the settings as text.
// The menu check marks, not the controls, are the record of the bars, view and arrangement.
//
// Placement is in twips (15 to a pixel): the position is the window frame's, the size that of
// the window inside the window manager's frame. A value that does not convert, lies outside
// -32768..32767 or makes no sense (a size below 1, a column position outside the columns, a
// state other than 0, 1, 2) falls back to its default.
class WindowLayout
{
public:
    struct Controls
    {
        QMainWindow* window = nullptr;
        BirthdayListView* list = nullptr;
        QWidget* toolbar = nullptr;
        QWidget* statusBar = nullptr;
        QWidget* helpPanel = nullptr;
        const MainActions* actions = nullptr;
    };

    static constexpr int twipsPerPixel = 15;

    WindowLayout(SettingsStore& settings, const Controls& controls);

    void layoutLoad();
    void layoutSave();

private:
    int readWhole(const QString& name, int current, int min = -32768, int max = 32767) const;
    // Twips of a control that is measured in pixels: a value read at load is written back
    // unchanged while the control still has the pixels it gave, so no rounding creeps in.
    int readTwips(const QString& name, int currentPixels, int min = -32768);
    void writeTwips(const QString& name, int pixels);
    bool readBool(const QString& name, const char* defaultText) const;
    void columnsLoad();
    void placementLoad();

    SettingsStore& m_settings;
    Controls m_c;
    QHash<QString, int> m_loadedTwips;
};
