#pragma once
// The part of the screen a window manager leaves to windows, its panels and
// docks taken away (the root window's _NET_WORKAREA for the current desktop).

namespace Platform
{

struct WorkArea
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The work area of the display named by DISPLAY; the whole screen where no
// window manager gives one. False, with area unchanged, when no display can
// be opened.
bool readWorkArea(WorkArea& area);

} // namespace Platform
