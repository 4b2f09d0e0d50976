#pragma once

// Where the main window puts its list and help panel, in twips. The form's size is its outer
// size: the classic frame takes 100 twips of width and 680 of height (borders, caption and
// menu) from it.
struct ArrangeInput
{
    int formWidth = 0;
    int formHeight = 0;
    bool helpVisible = false;
    int helpWidth = 0;
    bool statusBarVisible = false;
    int statusBarHeight = 0;
    bool toolbarVisible = false;
    int toolbarHeight = 0;
    // The list's size before arranging: kept when the room left is none.
    int listWidth = 0;
    int listHeight = 0;
};

struct ArrangeResult
{
    int listTop = 0;
    int listWidth = 0;
    int listHeight = 0;
    int helpLeft = 0;
    int helpHeight = 0;
};

// A too small (or minimised) form leaves the list's width or height as it was.
ArrangeResult controlsArrangement(const ArrangeInput& in);
