#pragma once

// Where the main window puts its list and help panel in its client area (the room between
// the bars), in pixels. Both stand at the client area's top.
struct ArrangeInput
{
    int clientWidth = 0;
    int clientHeight = 0;
    bool helpVisible = false;
    int helpWidth = 0;
    // The list's size before arranging: kept when the room left is none.
    int listWidth = 0;
    int listHeight = 0;
};

struct ArrangeResult
{
    int listWidth = 0;
    int listHeight = 0;
    int helpLeft = 0;
    int helpHeight = 0;
};

// A too small (or minimised) client area leaves the list's width or height as it was.
ArrangeResult arrangeListAndHelp(const ArrangeInput& in);
